#pragma once

#include <QApplication>

#include <functional>

// The text of the top-level error box: the error's own text, with a final
// "." added when its last character sorts after ".".
QString TopLevelErrorText(const QString& message);

// Runs one delivery of an event; a failure that escapes it is shown in a
// stop box captioned with the application title and the delivery counts as
// not handled, so the application keeps running.
bool DeliverGuarded(const std::function<bool()>& deliver);

// The application object: every event is delivered under DeliverGuarded.
class TQuenvoApplication : public QApplication {
public:
    TQuenvoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
