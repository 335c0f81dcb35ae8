#pragma once

#include "support/Controls.h"

class TDesktop;
class TDialogs;

// Guards of the windows' seams, as those of SeamGuards.h.

// Dialogs that answer in place of the Qt ones; nullptr for the Qt ones.
class TDialogsGuard {
public:
    explicit TDialogsGuard(TDialogs* dialogs);
    ~TDialogsGuard();
    TDialogsGuard(const TDialogsGuard&) = delete;
    TDialogsGuard& operator=(const TDialogsGuard&) = delete;

private:
    TDialogs* const Previous;
};

// A desktop that stands in for the real one.
class TDesktopGuard {
public:
    explicit TDesktopGuard(TDesktop* desktop);
    ~TDesktopGuard();
    TDesktopGuard(const TDesktopGuard&) = delete;
    TDesktopGuard& operator=(const TDesktopGuard&) = delete;

private:
    TDesktop* const Previous;
};

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
