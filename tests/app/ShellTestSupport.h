#pragma once

#include "testsupport/RecordingDesktop.h"
#include "testsupport/SeamGuards.h"

#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Shortens the splash so tests take milliseconds, restoring it afterwards.
class TQuickSplash : public TTimingGuard {
public:
    TQuickSplash();
};

// Ends the event loops of a program that lives on past its time, so that a
// start that would wait for ever fails the test with a message instead of
// holding the whole run until ctest ends it.
class TRunGuard {
public:
    explicit TRunGuard(int timeoutMs = 60000);
    ~TRunGuard();
    bool TimedOut() const { return Expired; }

private:
    QTimer Timer;
    int TimeoutMs;
    bool Expired = false;
};

// Copies the build's sibling libraries (or the named ones) into a folder.
void CopySiblings(const QString& folder,
                  const QStringList& names = {"libKorrin.so", "libTesso.so"});

// Runs check every few milliseconds while window events are served, until
// it returns true or the time is up; returns whether it did.
bool WaitUntil(const std::function<bool()>& check, int timeoutMs = 10000);

// Runs action once, from the event loop, as soon as check holds: for acting
// inside modal windows and nested event loops.
void WhenReady(const std::function<bool()>& check, const std::function<void()>& action);

// The splash window while it shows, or nullptr.
QWidget* VisibleSplash();
