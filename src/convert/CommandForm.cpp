#include "convert/CommandForm.h"

namespace {

// Trims every character up to and including the space from both ends.
QString TrimControl(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] <= QChar(' '))
        ++from;
    while (to > from && text[to - 1] <= QChar(' '))
        --to;
    return text.mid(from, to - from);
}

} // namespace

TCommandForm CommandForm(const QString& codecParam) {
    const QString head = TrimControl(codecParam).left(7);
    if (head == "-vcodec")
        return TCommandForm::Video;
    if (head == "-acodec")
        return TCommandForm::Audio;
    return TCommandForm::None;
}
