#pragma once

#include <QString>
#include <stdexcept>

// A failure that the system does not catch where it happens: it ends the
// current user action and reaches the application's top-level error box.
class EQuenvoError : public std::runtime_error {
public:
    explicit EQuenvoError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};
