#include "convert/BatchOnDesktop.h"

#include "convert/BatchNotification.h"
#include "support/Controls.h"

TBatchOnDesktop::TBatchOnDesktop() : Launcher(Controls.Converting.pbTotal) {}

void TBatchOnDesktop::JobsDone(bool stopped, bool poweringOff, int converted, int failed) {
    Launcher.Clear();
    if (!stopped && !poweringOff)
        TBatchNotification::Instance().Notify(converted, failed);
}
