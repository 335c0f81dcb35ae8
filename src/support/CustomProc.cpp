#include "support/CustomProc.h"

TCustomProc::TCustomProc() = default;
