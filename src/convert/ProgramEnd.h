#pragma once

#include <functional>

// Ends the program at once: nothing after the call runs, no window closes
// first. Tests replace the ending so their own process lives on.
void EndProgramNow();

// Replaces the ending (tests); an empty function restores the real one.
void SetProgramEnd(std::function<void()> end);
