#include "convert/BatchOnDesktop.h"

#include "convert/BatchNotification.h"
#include "convert/ProgressDisplay.h"

TBatchOnDesktop::TBatchOnDesktop() : Launcher(ProgressDisplay.pbTotal) {}

void TBatchOnDesktop::JobsDone(bool stopped, bool poweringOff, int converted, int failed) {
    Launcher.Clear();
    // The computer may sleep from here: what follows waits for the person
    // (the failure box) or powers off.
    SleepLock.Release();
    if (!stopped && !poweringOff)
        TBatchNotification::Instance().Notify(converted, failed);
}
