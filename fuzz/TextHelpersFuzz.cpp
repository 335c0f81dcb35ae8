// SplitText, ParseNumber and FormatTimeCode on arbitrary text.
#include "FuzzCheck.h"

#include "support/AppFunc.h"
#include "support/CommonLib.h"
#include "support/Errors.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const TCommonLib& Helpers() {
    static const TCommonLib* const helpers = [] {
        // No application object here to tell its folder.
        TAppFunc::OverrideApplicationFolder("/");
        return new TCommonLib;
    }();
    return *helpers;
}

void CheckSplit(const QString& text, QChar separator) {
    const QStringList pieces = Helpers().SplitText(text, separator);
    for (const QString& piece : pieces)
        FuzzCheck(!piece.contains(separator), "no piece holds the separator");
    const QString whole = text.endsWith(separator) ? text.chopped(1) : text;
    FuzzCheck(pieces.join(separator) == whole,
              "the pieces joined at the separator give the text, less a trailing separator");
}

void CheckTimeCode(qint64 seconds) {
    const QString code = Helpers().FormatTimeCode(seconds);
    const QStringList parts = Helpers().SplitText(code, ':');
    FuzzCheck(parts.size() == 3, "a time code has three parts");
    qint64 values[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool whole = false;
        values[i] = parts[i].toLongLong(&whole);
        FuzzCheck(whole && parts[i].size() >= 2 && !parts[i].startsWith('-') &&
                      !parts[i].startsWith('+'),
                  "each part is a whole number of at least two digits");
    }
    FuzzCheck(values[1] < 60 && values[2] < 60, "minutes and seconds stay below 60");
    FuzzCheck(values[0] * 3600 + values[1] * 60 + values[2] == std::max<qint64>(seconds, 0),
              "the time code reads back as the seconds, negative ones as zero");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QChar separator : {u':', u'|', u'=', u'.'})
        CheckSplit(text, separator);

    try {
        const double number = Helpers().ParseNumber(text);
        FuzzCheck(std::isfinite(number), "a number read is finite");
        if (std::fabs(number) < 9e18)
            CheckTimeCode(static_cast<qint64>(number));
    } catch (const EQuenvoError&) {
        // A number text that doesn't convert is reported to the caller.
    }
    if (size >= sizeof(qint64)) {
        qint64 seconds = 0;
        std::memcpy(&seconds, data, sizeof seconds);
        CheckTimeCode(seconds);
    }
    return 0;
}
