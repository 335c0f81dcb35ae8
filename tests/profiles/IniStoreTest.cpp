#include "profiles/IniFiles32.h"
#include "support/Errors.h"
#include "testsupport/TestFolders.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The bytes of a file holding these lines as the store writes them.
QByteArray Written(const QByteArrayList& lines) {
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

class IniStore : public ::testing::Test {
protected:
    TTestFolder Folder;
    QString Path = Folder.Path() + "store.ini";
    void Put(const QByteArray& bytes) { Folder.WriteFile("store.ini", bytes); }
    QByteArray Bytes() const { return ReadBytes(Path); }
};

TEST_F(IniStore, NewFileGetsEmptyLineHeaderAndKeyThenKeyIsReplaced) {
    TIniFile32(Path).WriteString("count", "count", "1");
    EXPECT_EQ(Bytes(), Written({"", "[count]", "count=1"}));
    TIniFile32(Path).WriteString("count", "count", "2");
    EXPECT_EQ(Bytes(), Written({"", "[count]", "count=2"}));
    EXPECT_FALSE(Bytes().startsWith("\xEF\xBB\xBF"));
}

// A key is found by its first line in the first section of the name; a
// line of blanks has the empty key, so it ends the scan before "=v".
TEST_F(IniStore, ReadStringTakesTheFirstMatchOrTheDefault) {
    const QByteArray cased = "[COUNT]\r\nCount=2\r\ncount = 5 \r\n",
                     twice = Written({"[a]", "k=1", "[A]", "k=2", "j=3", ";c=4"}),
                     blank = "[a]\r\nx=1\r\n[count] \r\ny=2\r\n",
                     empty = "[s]\r\nk=\r\nk=later\r\n   \r\n=v\r\n";
    const struct {
        QByteArray Content;
        QString Section, Key, Value;
    } cases[] = {
        {cased, "count", "count", "5"},
        {cased, "Count", "Count", "2"}, // sections ignore case
        {cased, "count", "COUNT", "d"}, // keys do not
        {twice, "a", "k", "1"},
        {twice, "a", "j", "d"}, // only the first header
        {twice, "A", ";c", "d"},
        {Written({"[a]", ";k=1"}), "a", ";k", "1"},
        {blank, "count", "y", "d"},
        {blank, "a", "y", "d"}, // a header with a blank after it
        {blank, "a", "x", "1"},
        {empty, "s", "k", "d"},
        {empty, "s", "", "d"},
        {Written({"top=1", "[A]"}), "", "top", "d"}, // before any header: in no section
        {Written({"[n=1]", "n=1=v"}), "n=1", "n=1", "d"},
    };
    for (const auto& c : cases) {
        Put(c.Content);
        EXPECT_EQ(TIniFile32(Path).ReadString(c.Section, c.Key, "d"), c.Value)
            << c.Content.constData() << c.Section.toStdString() << "/" << c.Key.toStdString();
    }
}

// Each row: the file before, its edits in turn (section, key and value
// written, or a section alone erased) and the bytes after.
TEST_F(IniStore, WritesAndErasesChangeOnlyTheirLines) {
    const QByteArray ab = Written({"", "[A]", "x=1", "", "[B]", "y=2"});
    const struct {
        QByteArray Before;
        QList<QStringList> Edits;
        QByteArray After;
    } cases[] = {
        {"[count]\r\ncount = 5\r\n", {{"count", "count", "6"}}, Written({"[count]", "count=6"})},
        // A new key lands right before the next header, its value as given.
        {ab, {{"A", "z", "3"}}, Written({"", "[A]", "x=1", "", "z=3", "[B]", "y=2"})},
        {Written({"[B]"}), {{"B", "w", " 4 "}}, Written({"[B]", "w= 4 "})},
        // An erased section leaves one empty line, none where it was the first.
        {ab, {{"a"}}, Written({"", "", "[B]", "y=2"})},
        {ab, {{"a"}, {"B"}}, Written({"", "", ""})},
        {Written({"[A]", "a=1", "[B]"}), {{"A"}}, Written({"[B]"})},
        // Lines before the first header stay on top.
        {Written({"top=1", "loose", "[A]", "a=1"}),
         {{"A", "b", "2"}, {"C", "c", "3"}, {"A"}},
         Written({"top=1", "loose", "", "[C]", "c=3"})},
        // An empty key writes only the header; the key ends at the first "=".
        {"",
         {{"", "", "x"}, {"", "", "y"}, {"n=1", "n=1", "v"}},
         Written({"", "[]", "", "[n=1]", "n=1=v"})},
    };
    for (const auto& c : cases) {
        Put(c.Before);
        for (const QStringList& edit : c.Edits)
            edit.size() == 1 ? TIniFile32(Path).EraseSection(edit[0])
                             : TIniFile32(Path).WriteString(edit[0], edit[1], edit[2]);
        EXPECT_EQ(Bytes(), c.After) << c.Before.constData();
    }
}

TEST_F(IniStore, ReadIntegerConversions) {
    const QList<std::pair<QByteArray, int>> cases = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"12", 12},
        {"-3", -3},
        {"+7", 7},
        {"-$10", -16},
        {"abc", -99},
        {"", -99},
        {"0x", -99},
        {"$", -99},
        {"1.5", -99},
        {"12a", -99},
        {"1 2", -99},
        {"2147483647", 2147483647},
        {"2147483648", -99},
        {"-2147483648", int(-2147483648LL)},
        {"-2147483649", -99},
        {"$7FFFFFFF", 2147483647},
        {"99999999999999999999", -99},
    };
    for (const auto& [value, expected] : cases) {
        Put("[n]\r\nv=" + value + "\r\n");
        EXPECT_EQ(TIniFile32(Path).ReadInteger("n", "v", -99), expected) << value.constData();
    }
    EXPECT_EQ(TIniFile32(Path).ReadInteger("missing", "v", 5), 5);
}

TEST_F(IniStore, EraseOfMissingSectionDoesNotRewrite) {
    const QByteArray original = "\n[A]\nA=1"; // LF only, no final break
    Put(original);
    TIniFile32(Path).EraseSection("B");
    EXPECT_EQ(Bytes(), original);
    TIniFile32 absent(Folder.Path() + "none.ini");
    absent.EraseSection("A");
    EXPECT_FALSE(QFile::exists(absent.FileName));
}

TEST_F(IniStore, ReadSectionsInFileOrderWithDuplicates) {
    Put("[a]\r\n[ b ]\r\n[a]\r\n[]\r\n[\r\n;c=1\r\n[c] \r\n=v\r\n");
    QStringList sections{"stale"};
    TIniFile32(Path).ReadSections(&sections);
    EXPECT_EQ(sections, QStringList({"a", "b", "a", "", "c"}));
    EXPECT_THROW(TIniFile32(Path).ReadSections(nullptr), EQuenvoError);

    for (const QByteArray& content : {QByteArray(), QByteArray("\r\n\r\n")}) {
        Put(content);
        TIniFile32(Path).ReadSections(&sections);
        EXPECT_TRUE(sections.isEmpty());
    }
    TIniFile32(Folder.Path() + "none.ini").ReadSections(&sections);
    EXPECT_TRUE(sections.isEmpty());
}

TEST_F(IniStore, LineEndsOfEveryKindAreSplitAndWrittenAsCrLf) {
    Put("[a]\rx=1\r\ny=2\nz=3\n\r\r\nlast=4");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.Lines, QByteArrayList({"[a]", "x=1", "y=2", "z=3", "", "", "last=4"}));
    EXPECT_EQ(ini.ReadString("a", "last", "d"), "4");
    ini.WriteString("a", "x", "9");
    EXPECT_EQ(Bytes(), Written({"[a]", "x=9", "y=2", "z=3", "", "", "last=4"}));
}

TEST_F(IniStore, NulByteEndsTheText) {
    Put(QByteArray("[a]\r\nx=1\r\ny=2", 14) + QByteArray(1, '\0') + "\r\nz=3\r\n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.Lines, QByteArrayList({"[a]", "x=1", "y=2"}));
    EXPECT_EQ(ini.ReadString("a", "z", "d"), "d");
}

TEST_F(IniStore, MegabyteLineSurvives) {
    const QByteArray big(1 << 20, 'v');
    Put("[a]\r\nbig=" + big + "\r\nafter=1\r\n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("a", "big", "d").size(), big.size());
    ini.WriteString("a", "after", "2");
    EXPECT_EQ(Bytes(), "[a]\r\nbig=" + big + "\r\nafter=2\r\n");
}

TEST_F(IniStore, BytesThatAreNotUtf8SurviveARewrite) {
    const QByteArray odd = "caf\xE9=\xFF\xFE\x80 x";
    Put("[a]\r\n" + odd + "\r\n[\xC0\xC1]\r\nk=1\r\n");
    TIniFile32(Path).WriteString("a", "new", "Vid\xC3\xA9os");
    EXPECT_EQ(Bytes(), "[a]\r\n" + odd + "\r\nnew=Vid\xC3\xA9os\r\n[\xC0\xC1]\r\nk=1\r\n");
    EXPECT_EQ(TIniFile32(Path).ReadString("a", "new", "d"), QString::fromUtf8("Vid\xC3\xA9os"));
}

TEST_F(IniStore, UnwritableFileRaisesAndKeepsChangeInLines) {
    TIniFile32 ini(Folder.Path() + "missing/store.ini");
    try {
        ini.WriteString("a", "k", "1");
        FAIL() << "no error";
    } catch (const EQuenvoError& error) {
        EXPECT_TRUE(error.Message().contains("missing/store.ini")) << error.what();
    }
    EXPECT_EQ(ini.Lines, QByteArrayList({"", "[a]", "k=1"}));
    EXPECT_FALSE(QFile::exists(ini.FileName));
}

TEST_F(IniStore, InstancesDoNotSeeEachOthersWrites) {
    TIniFile32 first(Path), second(Path);
    first.WriteString("a", "k", "1");
    second.WriteString("b", "k", "2");
    EXPECT_EQ(Bytes(), Written({"", "[b]", "k=2"}));
    EXPECT_EQ(first.ReadString("b", "k", "d"), "d");
}

} // namespace
