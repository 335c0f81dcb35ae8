#include "support/AppFunc.h"
#include "support/CommonLib.h"
#include "support/Errors.h"
#include "support/FileFunc.h"
#include "support/StrFunc.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

QStringList Split(const QString& text, char sep) {
    return TCommonLib().SplitText(text, sep);
}

TEST(SplitText, PiecesBetweenSeparators) {
    EXPECT_EQ(Split("a::b", ':'), QStringList({"a", "", "b"}));
    EXPECT_EQ(Split(":a", ':'), QStringList({"", "a"}));
    EXPECT_EQ(Split("a:", ':'), QStringList({"a"}));
    EXPECT_EQ(Split("abc", ':'), QStringList({"abc"}));
    EXPECT_TRUE(Split("", ':').isEmpty());
    EXPECT_EQ(Split("00:05:30", ':'), QStringList({"00", "05", "30"}));
    EXPECT_EQ(Split("a||b", '|'), QStringList({"a", "", "b"}));
}

TEST(ParseNumber, LenientReadingTable) {
    const TCommonLib lib;
    const std::pair<const char*, double> table[] = {
        {"12.5 fps", 12.5}, {"1.2.3", 1.23}, {"-3.5", -3.5}, {"5-", 5},   {"12-5", 125},
        {"+-3", 3},         {"1,234", 1234}, {"1e5", 15},    {"abc", 0},  {"", 0},
        {"-", 0},           {"+", 0},        {"7", 7},       {"--5", -5}, {"10.0 bitrate", 10},
    };
    for (const auto& [text, expected] : table)
        EXPECT_DOUBLE_EQ(lib.ParseNumber(text), expected) << text;
}

TEST(ParseNumber, RejectedNumberTextRaises) {
    const TCommonLib lib;
    EXPECT_THROW(lib.ParseNumber("."), EQuenvoError);
    EXPECT_THROW(lib.ParseNumber("+."), EQuenvoError);
    EXPECT_THROW(lib.ParseNumber("no digits . here"), EQuenvoError);
}

TEST(FormatFileSize, UnitsAndTruncation) {
    const TCommonLib lib;
    const std::pair<qint64, const char*> table[] = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1 KB"},
        {1536, "1.5 KB"},
        {2047, "1.99 KB"},
        {1048575, "1023.99 KB"},
        {1073741823, "1023.99 MB"},
        {1073741824, "1 GB"},
        {1610612736, "1.5 GB"},
        {-5, "0 B"},
        {5LL * 1024 * 1073741824, "5120 GB"},
    };
    for (const auto& [bytes, expected] : table)
        EXPECT_EQ(lib.FormatFileSize(bytes), expected) << bytes;
}

TEST(FormatTimeCode, HoursMinutesSeconds) {
    const TCommonLib lib;
    const std::pair<qint64, const char*> table[] = {
        {0, "00:00:00"},     {59, "00:00:59"},    {3661, "01:01:01"}, {360000, "100:00:00"},
        {86399, "23:59:59"}, {86400, "24:00:00"}, {-1, "00:00:00"},
    };
    for (const auto& [seconds, expected] : table)
        EXPECT_EQ(lib.FormatTimeCode(seconds), expected) << seconds;
}

TEST(TextAfterLast, PartAfterLastSeparator) {
    const TStrFunc str;
    EXPECT_EQ(str.TextAfterLast("clip.new.avi", "."), "avi");
    EXPECT_EQ(str.TextAfterLast("clip", "."), "clip");
    EXPECT_EQ(str.TextAfterLast("clip.", "."), "");
    EXPECT_EQ(str.TextAfterLast("clip_7_2", "_"), "2");
}

TEST(WriteLog, AppendsDatedLinesAcrossCalls) {
    TTestFolder folder;
    const QDateTime before = QDateTime::currentDateTime();
    {
        const TAppFolderGuard guard(folder.Path());
        const TAppFunc app;
        app.WriteLog("parameter: first");
        app.WriteLog("Get Process id error.");
        // A file name's line break or terminal escape stays in its line.
        app.WriteLog("parameter: \"/v/a\nOrvane Soft forged|b\x1b[2J\tc\r\u2028.avi\"");
    }
    const QDateTime after = QDateTime::currentDateTime();

    QFile file(folder.Path() + "log.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    const QList<QByteArray> lines = content.split('\n');
    ASSERT_EQ(lines.size(), 4); // three lines, each ended by CR LF
    // The local date in the user's short format and the time to the second,
    // of a moment while the lines were written.
    QStringList stamps;
    for (const QDateTime& moment : {before, after})
        stamps << "Orvane Soft " + QLocale::system().toString(moment.date(), QLocale::ShortFormat) +
                      " " + moment.time().toString("HH:mm:ss") + "|";
    for (int i = 0; i < 3; ++i) {
        const QString line = QString::fromUtf8(lines[i]);
        EXPECT_TRUE(line.startsWith(stamps[0]) || line.startsWith(stamps[1]))
            << line.toStdString() << " " << stamps.join(" or ").toStdString();
    }
    EXPECT_TRUE(lines[0].endsWith("|parameter: first\r"));
    EXPECT_TRUE(lines[1].endsWith("|Get Process id error.\r"));
    EXPECT_TRUE(lines[2].endsWith(
        "|parameter: \"/v/a\\nOrvane Soft forged|b\\x1b[2J\\tc\\r\\u2028.avi\"\r"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_FALSE(content.startsWith("\xEF\xBB\xBF"));
}

// Sets an environment variable while it lives.
class TEnvironment {
public:
    TEnvironment(const char* name, const QByteArray& value)
        : Name(name), Saved(qgetenv(name)), WasSet(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~TEnvironment() { WasSet ? qputenv(Name, Saved) : qunsetenv(Name); }

private:
    const char* Name;
    QByteArray Saved;
    bool WasSet;
};

// Beside the program while its folder is the user's to write, otherwise in
// the XDG folders, whose variables count only when they hold absolute paths.
TEST(UserFolders, BesideAWritableProgramElseInTheXdgFolders) {
    TTestFolder app, home;
    const TEnvironment homeVariable("HOME", home.Path().toUtf8());
    const QString xdg = home.Path() + "xdg/";
    struct TCase {
        QString AppFolder;
        QByteArray ConfigHome, StateHome;
        QString Config, Log;
    };
    const TCase cases[] = {
        {app.Path(), xdg.toUtf8() + "c", xdg.toUtf8() + "s", app.Path() + "Config/", app.Path()},
        {"/nonexistent-quenvo-folder/", xdg.toUtf8() + "c/", xdg.toUtf8() + "s",
         xdg + "c/quenvo/Config/", xdg + "s/quenvo/"},
        // Root may write there, but the system's folders are never the user's.
        {"/usr/lib/", xdg.toUtf8() + "c", xdg.toUtf8() + "s", xdg + "c/quenvo/Config/",
         xdg + "s/quenvo/"},
        {"/usr/lib/", "relative/c", "", home.Path() + ".config/quenvo/Config/",
         home.Path() + ".local/state/quenvo/"},
    };
    for (const TCase& c : cases) {
        const TEnvironment config("XDG_CONFIG_HOME", c.ConfigHome),
            state("XDG_STATE_HOME", c.StateHome);
        const TAppFolderGuard guard(c.AppFolder);
        const TUserFolders folders = TAppFunc().UserFolders();
        EXPECT_EQ(folders.Config, c.Config) << c.AppFolder.toStdString();
        EXPECT_EQ(folders.Log, c.Log) << c.AppFolder.toStdString();
    }
    EXPECT_EQ(HomeFolder(), home.Path());

    // A relative HOME would be one folder here and another for the encoder,
    // which runs in the application folder: the user database's home counts.
    const TEnvironment relativeHome("HOME", "relative-home");
    const TEnvironment config("XDG_CONFIG_HOME", ""), state("XDG_STATE_HOME", "");
    const TAppFolderGuard guard("/usr/lib/");
    const QString userHome = QDir::cleanPath(QFile::decodeName(::getpwuid(::getuid())->pw_dir));
    EXPECT_EQ(HomeFolder(), userHome + "/");
    EXPECT_EQ(TAppFunc().UserFolders().Config, userHome + "/.config/quenvo/Config/");
}

// Installed, only start-up makes the log's folder; before, the log fails.
TEST(WriteLog, InstalledLogWaitsForTheFoldersThatStartUpMakes) {
    TTestFolder xdg;
    const TEnvironment config("XDG_CONFIG_HOME", xdg.Path().toUtf8() + "config");
    const TEnvironment state("XDG_STATE_HOME", xdg.Path().toUtf8() + "state");
    {
        const TAppFolderGuard guard("/nonexistent-quenvo-folder/");
        EXPECT_THROW(TAppFunc().WriteLog("x"), EQuenvoError);
        TAppFunc().CreateUserFolders();
        TAppFunc().WriteLog("parameter: x");
    }
    for (const char* folder : {"config", "config/quenvo", "config/quenvo/Config", "state/quenvo"})
        EXPECT_EQ(QFile::permissions(xdg.Path() + folder), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ExeOwner | QFile::ReadUser |
                                                               QFile::WriteUser | QFile::ExeUser)
            << folder;
    QFile log(xdg.Path() + "state/quenvo/log.txt");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().endsWith("|parameter: x\r\n"));
}

} // namespace
