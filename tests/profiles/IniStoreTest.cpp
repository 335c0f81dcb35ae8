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

TEST_F(IniStore, SectionsIgnoreLetterCaseKeysDoNot) {
    Put("[COUNT]\r\nCount=2\r\ncount = 5 \r\n");
    const TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("count", "count", "d"), "5");
    EXPECT_EQ(ini.ReadString("Count", "Count", "d"), "2");
    EXPECT_EQ(ini.ReadString("count", "COUNT", "d"), "d");
}

TEST_F(IniStore, WriteOverBlankedLineDropsTheBlanks) {
    Put("[count]\r\ncount = 5\r\n");
    TIniFile32(Path).WriteString("count", "count", "6");
    EXPECT_EQ(Bytes(), Written({"[count]", "count=6"}));
}

TEST_F(IniStore, EmptyValueAndFirstMatchGiveTheDefault) {
    Put("[s]\r\nk=\r\nk=later\r\n   \r\n=v\r\n");
    const TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("s", "k", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("s", "k", 7), 7);
    // A line of blanks has the empty key: it ends the scan before "=v".
    EXPECT_EQ(ini.ReadString("s", "", "d"), "d");
    QStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections, QStringList{"s"});
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

TEST_F(IniStore, HeaderWithTrailingBlankEndsSectionButIsNotFound) {
    Put("[a]\r\nx=1\r\n[count] \r\ny=2\r\n");
    const TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("count", "y", "d"), "d");
    EXPECT_EQ(ini.ReadString("a", "y", "d"), "d");
    EXPECT_EQ(ini.ReadString("a", "x", "d"), "1");
    QStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections, QStringList({"a", "count"}));
}

TEST_F(IniStore, NewKeyLandsRightBeforeTheNextHeader) {
    Put(Written({"", "[A]", "x=1", "", "[B]", "y=2"}));
    TIniFile32(Path).WriteString("A", "z", "3");
    EXPECT_EQ(Bytes(), Written({"", "[A]", "x=1", "", "z=3", "[B]", "y=2"}));
    TIniFile32(Path).WriteString("B", "w", " 4 ");
    EXPECT_EQ(TIniFile32(Path).Lines.last(), "w= 4 ");
}

TEST_F(IniStore, EraseSectionLeavesOneEmptyLineInItsPlace) {
    Put(Written({"", "[A]", "A=1", "", "[B]", "B=2"}));
    TIniFile32(Path).EraseSection("a");
    EXPECT_EQ(Bytes(), Written({"", "", "[B]", "B=2"}));
    TIniFile32(Path).EraseSection("B");
    EXPECT_EQ(Bytes(), Written({"", "", ""}));
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

TEST_F(IniStore, EraseOfFirstLineHeaderAddsNoEmptyLine) {
    Put(Written({"[A]", "a=1", "[B]"}));
    TIniFile32(Path).EraseSection("A");
    EXPECT_EQ(Bytes(), Written({"[B]"}));
}

TEST_F(IniStore, ReadSectionsInFileOrderWithDuplicates) {
    Put("[a]\r\n[ b ]\r\n[a]\r\n[]\r\n[\r\n;c=1\r\n");
    QStringList sections{"stale"};
    TIniFile32(Path).ReadSections(&sections);
    EXPECT_EQ(sections, QStringList({"a", "b", "a", ""}));
    EXPECT_THROW(TIniFile32(Path).ReadSections(nullptr), EQuenvoError);

    for (const QByteArray& content : {QByteArray(), QByteArray("\r\n\r\n")}) {
        Put(content);
        TIniFile32(Path).ReadSections(&sections);
        EXPECT_TRUE(sections.isEmpty());
    }
    TIniFile32(Folder.Path() + "none.ini").ReadSections(&sections);
    EXPECT_TRUE(sections.isEmpty());
}

TEST_F(IniStore, DuplicateHeaderOnlyFirstIsFound) {
    Put(Written({"[a]", "k=1", "[A]", "k=2", "j=3"}));
    const TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("a", "k", "d"), "1");
    EXPECT_EQ(ini.ReadString("a", "j", "d"), "d");
}

TEST_F(IniStore, SemicolonLinesAreOrdinaryKeys) {
    Put(Written({"[a]", ";k=1"}));
    EXPECT_EQ(TIniFile32(Path).ReadString("a", ";k", "d"), "1");
}

TEST_F(IniStore, LinesBeforeFirstHeaderStayOnTop) {
    Put(Written({"top=1", "loose", "[A]", "a=1"}));
    TIniFile32(Path).WriteString("A", "b", "2");
    TIniFile32(Path).WriteString("C", "c", "3");
    TIniFile32(Path).EraseSection("A");
    EXPECT_EQ(Bytes(), Written({"top=1", "loose", "", "[C]", "c=3"}));
    EXPECT_EQ(TIniFile32(Path).ReadString("", "top", "d"), "d");
}

TEST_F(IniStore, EmptyKeyWritesOnlyTheHeader) {
    TIniFile32(Path).WriteString("", "", "x");
    EXPECT_EQ(Bytes(), Written({"", "[]"}));
    TIniFile32(Path).WriteString("", "", "y");
    EXPECT_EQ(Bytes(), Written({"", "[]"}));
    TIniFile32(Path).WriteString("n=1", "n=1", "v");
    EXPECT_EQ(Bytes(), Written({"", "[]", "", "[n=1]", "n=1=v"}));
    // The key ends at the first "=", so the name can't be read back.
    EXPECT_EQ(TIniFile32(Path).ReadString("n=1", "n=1", "d"), "d");
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
