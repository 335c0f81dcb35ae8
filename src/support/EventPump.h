#pragma once

#include <QEventLoop>

// Waits on the user-interface thread never freeze the windows: they keep
// their length but serve window events while they pass.

// Lets pending window events run once.
void ProcessMessages();

// Waits ms milliseconds while serving window events.
void PumpingSleep(int ms);

// While one lives, every wait above, and any loop that asks PumpFlags, keeps
// the user's clicks and keys waiting and serves only the other window
// events: for a wait whose work a click would pull away under it, such as a
// file the preview is still opening. The input is served after it.
class TUserInputHold {
public:
    TUserInputHold();
    ~TUserInputHold();
    TUserInputHold(const TUserInputHold&) = delete;
    TUserInputHold& operator=(const TUserInputHold&) = delete;
};

// The flags a wait that serves window events passes to the event loop.
QEventLoop::ProcessEventsFlags PumpFlags();
