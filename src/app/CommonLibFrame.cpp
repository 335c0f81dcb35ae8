#include "support/CommonLib.h"

#include "support/EventPump.h"

#include <malloc.h>

void TCommonLib::TrimWorkingSet() const {
    malloc_trim(0);
    ProcessMessages();
}
