#include "convert/BatchOnDesktop.h"

#include "convert/BatchNotification.h"
#include "convert/ProgressDisplay.h"

TBatchOnDesktop::TBatchOnDesktop() : Launcher(ProgressDisplay.pbTotal) {}

void TBatchOnDesktop::JobsDone(bool stopped, bool poweringOff, int converted, int failed) {
    Launcher.Clear();
    if (!stopped && !poweringOff)
        TBatchNotification::Instance().Notify(converted, failed);
}
