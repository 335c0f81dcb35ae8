#pragma once

#include "support/Controls.h"
#include "support/Desktop.h"
#include "support/Dialogs.h"
#include "testsupport/SeamGuards.h"

// Guards of the windows' seams, as those of SeamGuards.h.

// Dialogs that answer in place of the Qt ones.
using TDialogsGuard = TStandInGuard<TDialogs, SetDialogs>;
// A desktop that stands in for the real one.
using TDesktopGuard = TStandInGuard<TDesktop, SetDesktop>;

// The control table, for tests that bind standalone widgets into it.
class TControlsGuard {
public:
    TControlsGuard() : Saved(Controls) {}
    ~TControlsGuard() { Controls = Saved; }
    TControlsGuard(const TControlsGuard&) = delete;
    TControlsGuard& operator=(const TControlsGuard&) = delete;

private:
    const TControls Saved;
};
