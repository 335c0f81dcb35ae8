#pragma once

#include "convert/LauncherProgress.h"
#include "convert/SleepInhibitor.h"

class TBatchProgress;

// What the desktop makes of a running batch: the computer kept awake, the
// overall progress on the application's launcher, and a notification once
// the jobs are done. Lives from Convert to the batch's end; what the desktop
// lacks is left out without a word.
class TBatchOnDesktop {
public:
    // Follows the batch's overall progress with the launcher's bar.
    explicit TBatchOnDesktop(const TBatchProgress& progress);

    // The jobs are over: the sleep lock and the launcher's bar go, and a
    // notification tells how they went by the progress's counts, unless the
    // batch was stopped or the computer is about to power off.
    void JobsDone(bool stopped, bool poweringOff);

private:
    const TBatchProgress& Progress;
    TSleepInhibitor SleepLock;
    TLauncherProgress Launcher;
};
