#pragma once

#include "support/Globals.h"

#include <QApplication>

// A benchmark's start-up as the program's own, on the offscreen platform: the
// application object, then the global objects.
class TBenchApplication : public QApplication {
public:
    TBenchApplication(int& argc, char** argv) : QApplication(Offscreen(argc), argv) {
        CreateGlobalObjects();
    }

private:
    // Runs before QApplication reads the platform's name.
    static int& Offscreen(int& argc) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
