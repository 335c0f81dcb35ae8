#include "app/QuenvoApplication.h"
#include "app/Startup.h"

#include <clocale>

int main(int argc, char** argv) {
    TQuenvoApplication app(argc, argv);
    // Numbers are written and read with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return RunQuenvo();
}
