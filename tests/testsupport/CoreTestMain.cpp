#include "support/Globals.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <clocale>

// The test programs of the logic that needs no widget run with a
// QCoreApplication, as the application does with its numbers read in the
// "C" convention and its global objects created.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    CreateGlobalObjects();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
