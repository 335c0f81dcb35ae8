#include "app/QuenvoApplication.h"

TQuenvoApplication::TQuenvoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuenvoApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}
