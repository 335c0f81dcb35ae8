#include "convert/BatchOnDesktop.h"

#include "convert/Batch.h"
#include "convert/BatchNotification.h"

TBatchOnDesktop::TBatchOnDesktop(const TBatch& batch) {
    QObject::connect(&batch, &TBatch::JobStarting, &Launcher, &TLauncherProgress::JobStarting);
    QObject::connect(&batch, &TBatch::Output, &Launcher, &TLauncherProgress::Output);
}

void TBatchOnDesktop::JobsDone(bool stopped, bool poweringOff, int converted, int failed) {
    Launcher.Clear();
    // The computer may sleep from here: what follows waits for the person
    // (the failure box) or powers off.
    SleepLock.Release();
    if (!stopped && !poweringOff)
        TBatchNotification::Instance().Notify(converted, failed);
}
