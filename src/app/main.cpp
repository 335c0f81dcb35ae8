#include "app/QuenvoApplication.h"
#include "app/Startup.h"

#include <clocale>

int main(int argc, char** argv) {
    // Every word after the program's name is a file to add: Qt is given none
    // of them, so none is taken for one of its options.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    int programOnly = 1;
    TQuenvoApplication app(programOnly, argv);
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return RunQuenvo(words);
}
