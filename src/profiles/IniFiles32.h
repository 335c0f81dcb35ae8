#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

// The system's reader and writer of INI-style text files. An instance holds
// the whole file as lines, answers reads from them and rewrites the whole
// file on every write. Lines are kept as the file's bytes, so lines the
// system never changes are written back exactly as they were; texts cross
// the interface as UTF-8.
class TIniFile32 {
public:
    // Loads the file when one exists; nothing is created until the first
    // write. A file that exists but can't be read raises EQuenvoError.
    explicit TIniFile32(const QString& fileName);

    // The section names in file order, duplicates included. A missing list
    // is a programming error and raises EQuenvoError.
    void ReadSections(QStringList* Strings) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, "$" or "0x" hexadecimal; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;

    // Each write rewrites the file before it returns; a file that can't be
    // written raises EQuenvoError and the change stays in Lines only.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void EraseSection(const QString& section);

    const QString FileName;
    QByteArrayList Lines;

private:
    void LoadFile();
    void SaveFile() const;
    static bool IsSection(const QByteArray& line);
    qsizetype IndexOfSection(const QString& section) const;
    static QByteArray KeyOf(const QByteArray& line);
    static QByteArray ValueOf(const QByteArray& line);
};
