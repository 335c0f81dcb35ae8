#pragma once

// Runs the application from start-up until the main window closes and
// returns the exit code. Needs the application object to exist.
int RunQuenvo();
