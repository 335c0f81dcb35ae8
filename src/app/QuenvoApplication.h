#pragma once

#include "support/HandlerGuard.h"

#include <QApplication>

// The application object: every event is delivered under DeliverGuarded.
class TQuenvoApplication : public QApplication {
public:
    TQuenvoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
