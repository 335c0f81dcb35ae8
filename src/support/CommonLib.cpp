#include "support/CommonLib.h"

#include "support/Errors.h"

#include <QLocale>

#include <charconv>
#include <cmath>

QStringList TCommonLib::SplitText(const QString& text, QChar separator) const {
    QStringList pieces;
    qsizetype from = 0;
    qsizetype at;
    while ((at = text.indexOf(separator, from)) >= 0) {
        pieces << text.mid(from, at - from);
        from = at + 1;
    }
    if (from < text.size())
        pieces << text.mid(from);
    return pieces;
}

namespace {

// Converts a number text of digits, at most one "." and an optional leading
// sign, always with "." as the decimal point whatever the user's locale.
double ConvertNumberText(const QString& numberText) {
    QByteArray bytes = numberText.toLatin1();
    const bool negative = bytes.startsWith('-');
    if (bytes.startsWith('+') || negative)
        bytes.remove(0, 1);
    double value = 0;
    const char* end = bytes.constData() + bytes.size();
    const auto [ptr, ec] = std::from_chars(bytes.constData(), end, value, std::chars_format::fixed);
    if (bytes.isEmpty() || ec != std::errc() || ptr != end)
        throw EQuenvoError("'" + numberText + "' is not a valid floating point value");
    return negative ? -value : value;
}

} // namespace

double TCommonLib::ParseNumber(const QString& text) const {
    QString number;
    bool pointMet = false, plusMet = false, minusMet = false;
    for (const QChar c : text) {
        if (c >= '0' && c <= '9') {
            number += c;
        } else if (c == '.') {
            if (!pointMet)
                number += c;
            pointMet = true;
        } else if (c == '+') {
            if (!plusMet)
                number += c;
            plusMet = true;
        } else if (c == '-') {
            if (!minusMet)
                number += c;
            minusMet = true;
        }
    }
    if (number.size() < 2) {
        if (number.isEmpty() || number == "+" || number == "-")
            return 0;
        return ConvertNumberText(number);
    }
    QString cleaned = number.left(1);
    for (qsizetype i = 1; i < number.size(); ++i)
        if (number[i] != '+' && number[i] != '-')
            cleaned += number[i];
    return ConvertNumberText(cleaned);
}

QString TCommonLib::FormatFileSize(qint64 bytes) const {
    if (bytes < 0)
        bytes = 0;
    constexpr double KB = 1024.0, MB = KB * 1024, GB = MB * 1024;
    double value;
    const char* unit;
    if (bytes < 1024) {
        value = double(bytes);
        unit = " B";
    } else if (bytes < 1048576) {
        value = bytes / KB;
        unit = " KB";
    } else if (bytes < 1073741824) {
        value = bytes / MB;
        unit = " MB";
    } else {
        value = bytes / GB;
        unit = " GB";
    }
    value = std::trunc(value * 100) / 100;
    QString text = QString::number(value, 'g', 15);
    text.replace('.', QLocale::system().decimalPoint());
    return text + unit;
}

QString TCommonLib::FormatTimeCode(qint64 seconds) const {
    if (seconds < 0)
        seconds = 0;
    const auto two = [](qint64 v) { return QString::number(v).rightJustified(2, '0'); };
    return two(seconds / 3600) + ":" + two(seconds % 3600 / 60) + ":" + two(seconds % 60);
}
