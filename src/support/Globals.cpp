#include "support/Globals.h"

TCustomProc* CustomProc = nullptr;
TCommonLib* CommonLib = nullptr;
TAppFunc* AppFunc = nullptr;
TSysFunc* SysFunc = nullptr;
TStrFunc* StrFunc = nullptr;
TFileFunc* FileFunc = nullptr;

void CreateGlobalObjects() {
    // A start-up after an earlier one in the same process replaces its objects.
    delete CustomProc;
    delete CommonLib;
    delete AppFunc;
    delete SysFunc;
    delete StrFunc;
    delete FileFunc;
    CustomProc = new TCustomProc;
    CommonLib = new TCommonLib;
    AppFunc = new TAppFunc;
    SysFunc = new TSysFunc;
    StrFunc = new TStrFunc;
    FileFunc = new TFileFunc;
}
