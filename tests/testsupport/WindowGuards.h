#pragma once

#include "support/Controls.h"
#include "support/Desktop.h"
#include "support/Dialogs.h"

// Guards of the windows' seams, as those of SeamGuards.h.

// Puts a stand-in into a replaceable interface through its setter, which
// gives back the one in use before; nullptr stands for the real one.
template <class T, T* (*Set)(T*)>
class TStandInGuard {
public:
    explicit TStandInGuard(T* standIn) : Previous(Set(standIn)) {}
    ~TStandInGuard() { Set(Previous); }
    TStandInGuard(const TStandInGuard&) = delete;
    TStandInGuard& operator=(const TStandInGuard&) = delete;

private:
    T* const Previous;
};

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
