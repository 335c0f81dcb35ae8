#pragma once

// Every fixed pause and timer period of the system, in milliseconds, in one
// record: production keeps these values, tests shorten them.
struct TTiming {
    int BeforeRunMs = 2000;  // before each encoder run
    int AfterRunMs = 3000;   // after each encoder run
    int AfterOutputMs = 500; // after each chunk of encoder output
    int ProcessPollMs = 100; // between process-name checks and termination attempts
    int KillGraceMs = 2000;  // from a process's first SIGTERM to the first SIGKILL
    int SplashFirstMs = 250; // splash: product information is read after this
    int SplashTickMs = 1000; // splash: ends after the second tick
    int MemoryTrimMs = 1000; // main window's memory trim
    int TrackerMs = 1000;    // preview position tracker
    int AnimationMs = 333;   // progress window's busy animation
    int CursorHideMs = 3000; // video window hides the idle mouse cursor
};

TTiming& Timing();
