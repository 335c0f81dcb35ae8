#include "app/FrmMainForm.h"

#include "support/Globals.h"

void TFrmMainForm::btnConvertClick() {
    // Until a stopped batch has wound down, Convert starts nothing.
    if (CustomProc->BatchRunning)
        return;
    CustomProc->CurrentRow = 0;
    CustomProc->RunBatch();
}
