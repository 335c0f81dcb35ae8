#include "support/Globals.h"

#include "support/Controls.h"

TControls Controls;

TCustomProc* CustomProc = nullptr;
TCommonLib* CommonLib = nullptr;
TAppFunc* AppFunc = nullptr;
TSysFunc* SysFunc = nullptr;
TStrFunc* StrFunc = nullptr;
TFileFunc* FileFunc = nullptr;

void CreateGlobalObjects() {
    CustomProc = new TCustomProc;
    CommonLib = new TCommonLib;
    AppFunc = new TAppFunc;
    SysFunc = new TSysFunc;
    StrFunc = new TStrFunc;
    FileFunc = new TFileFunc;
}
