// The INI store on arbitrary file bytes: every section and key is read, one
// value is written and the file read again. What was written must read back,
// and the write must change no line but its own key line.
#include "FuzzCheck.h"
#include "FuzzFiles.h"

#include "profiles/IniFiles32.h"

#include <QSet>

namespace {

// Blanks and control characters, which the store trims from keys and headers.
QByteArray Trimmed(const QByteArray& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && uchar(text[from]) < 33)
        ++from;
    while (to > from && uchar(text[to - 1]) < 33)
        --to;
    return text.mid(from, to - from);
}

bool IsHeader(const QByteArray& line) {
    const QByteArray text = Trimmed(line);
    return text.size() >= 2 && text.startsWith('[') && text.endsWith(']');
}

QByteArray HeaderName(const QByteArray& line) {
    const QByteArray text = Trimmed(line);
    return Trimmed(text.mid(1, text.size() - 2));
}

QByteArray KeyOf(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QByteArray() : Trimmed(line.left(eq));
}

// The keys of the body lines below each header, in file order.
QList<QPair<QString, QString>> SectionKeys(const QByteArrayList& lines) {
    QList<QPair<QString, QString>> keys;
    QString section;
    bool inSection = false;
    for (const QByteArray& line : lines) {
        if (IsHeader(line)) {
            section = QString::fromUtf8(HeaderName(line));
            inSection = true;
        } else if (inSection) {
            keys.append({section, QString::fromUtf8(KeyOf(line))});
        }
    }
    return keys;
}

// FNV-1a: the same input always picks the same section and key.
quint64 Hash(const uint8_t* data, size_t size) {
    quint64 hash = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

// The line that differs between two lists which are equal but for one line
// replaced or inserted; -1 when they differ in any other way.
qsizetype OneChangedLine(const QByteArrayList& before, const QByteArrayList& after) {
    const qsizetype grown = after.size() - before.size();
    if (grown != 0 && grown != 1)
        return -1;
    qsizetype at = 0;
    while (at < before.size() && before[at] == after[at])
        ++at;
    if (at == after.size())
        return -1;
    for (qsizetype i = at + 1; i < after.size(); ++i)
        if (after[i] != before[i - grown])
            return -1;
    return at;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile("store.ini", data, size);
    const TIniFile32 before(path);

    QStringList sections;
    before.ReadSections(&sections);
    QSet<QString> keys;
    for (const auto& [section, key] : SectionKeys(before.Lines)) {
        before.ReadString(section, key, QString());
        before.ReadInteger(section, key, 0);
        if (!key.isEmpty())
            keys.insert(key);
    }

    // A section of the file or a new one, a key of the file or a new one.
    const quint64 hash = Hash(data, size);
    const QString section =
        sections.isEmpty() || hash % 5 == 0 ? "Fuzz" : sections[qsizetype(hash % sections.size())];
    QStringList keyList = keys.values();
    keyList.sort();
    const QString key = keyList.isEmpty() || hash % 7 == 0
                            ? "fuzzkey"
                            : keyList[qsizetype(hash / 7 % keyList.size())];
    const QString value = "v=1 \u00e9";
    {
        TIniFile32 store(path);
        store.WriteString(section, key, value);
    }

    const TIniFile32 after(path);
    FuzzCheck(after.ReadString(section, key, "default") == value, "the value written reads back");
    if (after.Lines == before.Lines)
        return 0; // the file held that very key line already
    const QByteArray keyLine = key.toUtf8() + "=" + value.toUtf8();
    if (after.Lines.size() == before.Lines.size() + 3) {
        // A section that was not found is appended with its key line.
        FuzzCheck(after.Lines.mid(0, before.Lines.size()) == before.Lines &&
                      after.Lines.mid(before.Lines.size()) ==
                          QByteArrayList{QByteArray(), "[" + section.toUtf8() + "]", keyLine},
                  "a new section is appended whole, behind the unchanged lines");
        return 0;
    }
    const qsizetype changed = OneChangedLine(before.Lines, after.Lines);
    FuzzCheck(changed >= 0, "a write changes or inserts one line and leaves every other one");
    FuzzCheck(after.Lines[changed] == keyLine, "the changed line is the key line");
    if (after.Lines.size() == before.Lines.size())
        FuzzCheck(KeyOf(before.Lines[changed]) == key.toUtf8(),
                  "only the key's own line is replaced");
    qsizetype header = changed - 1;
    while (header >= 0 && !IsHeader(after.Lines[header]))
        --header;
    FuzzCheck(header >= 0 && QString::fromUtf8(HeaderName(after.Lines[header]))
                                     .compare(section, Qt::CaseInsensitive) == 0,
              "the key line lands in the section written to");
    return 0;
}
