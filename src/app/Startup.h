#pragma once

#include <QStringList>

// Runs the application from start-up until the main window closes and
// returns the exit code. Needs the application object to exist. The words
// given at start name files to add once the window is ready; when another
// Quenvo runs in the session they are handed to it and this start ends.
int RunQuenvo(const QStringList& words = {});
