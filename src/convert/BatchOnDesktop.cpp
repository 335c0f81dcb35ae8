#include "convert/BatchOnDesktop.h"

#include "convert/BatchNotification.h"
#include "convert/BatchProgress.h"

TBatchOnDesktop::TBatchOnDesktop(const TBatchProgress& progress) : Progress(progress) {
    QObject::connect(&progress, &TBatchProgress::OverallMoved, &Launcher, &TLauncherProgress::Show);
}

void TBatchOnDesktop::JobsDone(bool stopped, bool poweringOff) {
    Launcher.Clear();
    // The computer may sleep from here: what follows waits for the person
    // (the failure box) or powers off.
    SleepLock.Release();
    if (!stopped && !poweringOff)
        TBatchNotification::Instance().Notify(Progress.Converted(), Progress.Failed());
}
