#include "profiles/IniFiles32.h"

#include "profiles/IntegerText.h"
#include "support/Errors.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Removes every byte below 33 (controls and blanks) from both ends.
QByteArray Trimmed(const QByteArray& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && uchar(text[from]) < 33)
        ++from;
    while (to > from && uchar(text[to - 1]) < 33)
        --to;
    return text.mid(from, to - from);
}

// The text split at every CR LF pair, lone CR or lone LF; a NUL ends it.
QByteArrayList SplitLines(QByteArray text) {
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n')
            continue;
        lines << text.mid(start, at - start);
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

} // namespace

TIniFile32::TIniFile32(const QString& fileName) : FileName(fileName) {
    if (QFile::exists(FileName))
        LoadFile();
}

void TIniFile32::LoadFile() {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EQuenvoError("Cannot open file \"" + FileName + "\". " + file.errorString());
    Lines = SplitLines(file.readAll());
}

void TIniFile32::SaveFile() const {
    // The new contents replace the old file only once they are complete, so
    // a crash or a full disk never leaves a half-written file.
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EQuenvoError("Cannot create file \"" + FileName + "\". " + file.errorString());
    QByteArray text;
    for (const QByteArray& line : Lines)
        text += line + "\r\n";
    if (file.write(text) != text.size() || !file.commit())
        throw EQuenvoError("Cannot create file \"" + FileName + "\". " + file.errorString());
}

bool TIniFile32::IsSection(const QByteArray& line) {
    const QByteArray trimmed = Trimmed(line);
    return trimmed.size() >= 2 && trimmed.startsWith('[') && trimmed.endsWith(']');
}

qsizetype TIniFile32::IndexOfSection(const QString& section) const {
    const QString header = "[" + section + "]";
    for (qsizetype i = 0; i < Lines.size(); ++i)
        if (QString::fromUtf8(Lines[i]).compare(header, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QByteArray TIniFile32::KeyOf(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QByteArray() : Trimmed(line.left(eq));
}

QByteArray TIniFile32::ValueOf(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QByteArray() : Trimmed(line.mid(eq + 1));
}

void TIniFile32::ReadSections(QStringList* Strings) const {
    if (!Strings)
        throw EQuenvoError("Param Strings must be assigned");
    QStringList names;
    for (const QByteArray& line : Lines)
        if (IsSection(line)) {
            const QByteArray trimmed = Trimmed(line);
            names << QString::fromUtf8(Trimmed(trimmed.mid(1, trimmed.size() - 2)));
        }
    *Strings = names;
}

QString TIniFile32::ReadString(const QString& section, const QString& key,
                               const QString& def) const {
    const qsizetype header = IndexOfSection(section);
    if (header < 0)
        return def;
    const QByteArray wanted = key.toUtf8();
    for (qsizetype i = header + 1; i < Lines.size() && !IsSection(Lines[i]); ++i) {
        if (KeyOf(Lines[i]) != wanted)
            continue;
        const QByteArray value = ValueOf(Lines[i]);
        return value.isEmpty() ? def : QString::fromUtf8(value);
    }
    return def;
}

int TIniFile32::ReadInteger(const QString& section, const QString& key, int def) const {
    QString text = ReadString(section, key, QString());
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    return TryStrToInt(text).value_or(def);
}

void TIniFile32::WriteString(const QString& section, const QString& key, const QString& value) {
    const QByteArray wanted = key.toUtf8();
    const QByteArray keyLine = wanted + "=" + value.toUtf8();
    const qsizetype header = IndexOfSection(section);
    if (header < 0) {
        // Every new section is set apart by an empty line.
        Lines << QByteArray() << "[" + section.toUtf8() + "]";
        if (!key.isEmpty())
            Lines << keyLine;
    } else {
        qsizetype at = header + 1;
        while (at < Lines.size() && !IsSection(Lines[at]) && KeyOf(Lines[at]) != wanted)
            ++at;
        if (!key.isEmpty()) {
            if (at < Lines.size() && !IsSection(Lines[at]))
                Lines[at] = keyLine;
            else
                Lines.insert(at, keyLine);
        }
    }
    SaveFile();
}

void TIniFile32::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile32::EraseSection(const QString& section) {
    const qsizetype header = IndexOfSection(section);
    if (header < 0)
        return;
    Lines.removeAt(header);
    while (header < Lines.size() && !IsSection(Lines[header]))
        Lines.removeAt(header);
    if (header > 0)
        Lines.insert(header, QByteArray());
    SaveFile();
}
