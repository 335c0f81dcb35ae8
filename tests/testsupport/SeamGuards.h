#pragma once

#include "support/Timing.h"

#include <QString>

// Each guard changes one of the program's seams while it lives and puts back
// what was there before, so no test leaves a seam changed for the next one.

// Puts a stand-in into a replaceable interface through its setter, which
// gives back the one in use before; nullptr stands for the real one.
template <class T, T* (*Set)(T*)> class TStandInGuard {
public:
    explicit TStandInGuard(T* standIn) : Previous(Set(standIn)) {}
    ~TStandInGuard() { Set(Previous); }
    TStandInGuard(const TStandInGuard&) = delete;
    TStandInGuard& operator=(const TStandInGuard&) = delete;

private:
    T* const Previous;
};

// The program works in another application folder.
class TAppFolderGuard {
public:
    explicit TAppFolderGuard(const QString& folder);
    ~TAppFolderGuard();
    TAppFolderGuard(const TAppFolderGuard&) = delete;
    TAppFolderGuard& operator=(const TAppFolderGuard&) = delete;

private:
    QString Previous;
};

// The timing record as it was when the guard was made; the test shortens
// the pauses it needs meanwhile.
class TTimingGuard {
public:
    TTimingGuard() : Saved(Timing()) {}
    ~TTimingGuard() { Timing() = Saved; }
    TTimingGuard(const TTimingGuard&) = delete;
    TTimingGuard& operator=(const TTimingGuard&) = delete;

private:
    const TTiming Saved;
};
