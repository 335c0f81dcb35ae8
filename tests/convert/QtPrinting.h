#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show texts and text lists readably when a check fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
