#pragma once

#include <QString>

// Powering off and opening folders, pages and mail go through this one
// interface; tests replace it so they never touch the desktop or the machine.
class TDesktop {
public:
    virtual ~TDesktop() = default;
    // Hands a path or address to the desktop's default handler.
    virtual void OpenUrl(const QString& target) = 0;
    // Asks the system to power the computer off; true when the request was accepted.
    virtual bool PowerOff() = 0;
};

TDesktop& Desktop();
// Replaces the desktop (tests); nullptr restores the real one. The caller
// keeps ownership. Gives the replacement in use before.
TDesktop* SetDesktop(TDesktop* desktop);
