#pragma once

#include "support/AppFunc.h"
#include "support/CommonLib.h"
#include "support/CustomProc.h"
#include "support/FileFunc.h"
#include "support/StrFunc.h"
#include "support/SysFunc.h"

// The global objects, one instance each, created at start-up and kept until
// the process ends. The system's code reaches them through these pointers
// (AppFunc->WriteLog(...), StrFunc->TextAfterLast(...)), never through
// objects of its own; inside a class, a member calls its siblings directly,
// and a static member, which needs no object, is called by its class.
// Every test program creates them first, as start-up does.
extern TCustomProc* CustomProc;
extern TCommonLib* CommonLib;
extern TAppFunc* AppFunc;
extern TSysFunc* SysFunc;
extern TStrFunc* StrFunc;
extern TFileFunc* FileFunc;

// Creates the global objects in start-up order: CustomProc, CommonLib,
// AppFunc, SysFunc, StrFunc, FileFunc. Objects of an earlier call are freed.
void CreateGlobalObjects();
