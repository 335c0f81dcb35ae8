#include "app/FrmMainForm.h"

#include "support/Globals.h"

#include <QCheckBox>

void TFrmMainForm::btnConvertClick() {
    // Until a stopped batch has wound down, Convert starts nothing.
    if (CustomProc->BatchRunning)
        return;
    CustomProc->CurrentRow = 0;
    // The boxes are read as the batch ends: a tick changed meanwhile counts.
    CustomProc->RunBatch([this] {
        return TBatchEnd{chkShowOutputDirectory->isChecked(), chkShutdown->isChecked()};
    });
}
