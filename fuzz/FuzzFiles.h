#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Writes the bytes into a file of that name in the process's own temporary
// folder, which is removed when the process ends, and returns its path.
QString WriteFuzzFile(const QString& name, const uint8_t* data, size_t size);
