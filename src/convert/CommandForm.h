#pragma once

#include <QString>

// The two forms of an encoder command line, chosen by the codec options.
enum class TCommandForm { None, Video, Audio };

// Chooses the form by the first seven characters of the codec options once
// spaces and control characters are trimmed from both ends; exact case.
TCommandForm CommandForm(const QString& codecParam);
