#include "testsupport/WindowGuards.h"

#include "support/Desktop.h"
#include "support/Dialogs.h"

TDialogsGuard::TDialogsGuard(TDialogs* dialogs) : Previous(SetDialogs(dialogs)) {}

TDialogsGuard::~TDialogsGuard() {
    SetDialogs(Previous);
}

TDesktopGuard::TDesktopGuard(TDesktop* desktop) : Previous(SetDesktop(desktop)) {}

TDesktopGuard::~TDesktopGuard() {
    SetDesktop(Previous);
}
