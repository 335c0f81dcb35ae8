#include "convert/ProgramCall.h"
#include "QtPrinting.h"
#include "testsupport/TestFolders.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString MakeProgram(const TTestFolder& folder, const QString& relative) {
    const QString path = folder.WriteFile(relative, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

TEST(ParseCommandLine, ProgramIsTheShortestExecutableRunOfWords) {
    TTestFolder f;
    const QString spaced = MakeProgram(f, "my tools/enc");
    const QString tool = MakeProgram(f, "tool");
    MakeProgram(f, "tool box/run");
    f.WriteFile("my", "plain file, not a program");
    const QString base = f.Path();

    struct TCase {
        QString Line;
        QString Program;
        QStringList Arguments;
    };
    const QList<TCase> cases = {
        {spaced, spaced, {}},
        {spaced + " -i \"/in put/a.avi\" -o out", spaced, {"-i", "/in put/a.avi", "-o", "out"}},
        {"   " + spaced + "   -x\t  y  ", spaced, {"-x", "y"}},
        {tool + " box/run z", tool, {"box/run", "z"}},
        {"\"" + f.Path() + "tool box/run\" z", f.Path() + "tool box/run", {"z"}},
        {"tool -v", tool, {"-v"}},
        {"my tools/enc a", spaced, {"a"}},
        {tool + " \"\" a\"b c\"d \"open", tool, {"", "ab cd", "open"}},
    };
    for (const TCase& c : cases) {
        const std::optional<TProgramCall> call = ParseCommandLine(c.Line, base);
        ASSERT_TRUE(call.has_value()) << c.Line.toStdString();
        EXPECT_EQ(call->Program, c.Program) << c.Line.toStdString();
        EXPECT_EQ(call->Arguments, c.Arguments) << c.Line.toStdString();
    }
}

TEST(ParseCommandLine, BareNameFallsBackToThePath) {
    TTestFolder f;
    const std::optional<TProgramCall> call = ParseCommandLine("sh -c true", f.Path());
    ASSERT_TRUE(call.has_value());
    EXPECT_TRUE(call->Program.endsWith("/sh"));
    EXPECT_EQ(call->Arguments, QStringList({"-c", "true"}));
}

TEST(ParseCommandLine, NothingRunnable) {
    TTestFolder f;
    f.WriteFile("notes.txt", "text");
    f.MakeFolder("sub");
    for (const QString line : {"", " \t ", "notes.txt", "sub", "sub/", "missing -x", "\"\" x"})
        EXPECT_FALSE(ParseCommandLine(line, f.Path()).has_value()) << line.toStdString();
}

} // namespace
