#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A command line as one text, taken apart into the program to start and
// its arguments.
struct TProgramCall {
    QString Program;       // absolute path of an existing executable file
    QStringList Arguments; // without the program
};

// The program is the shortest run of words from the front of the line that
// names an existing executable file, so an unquoted path with blanks in it
// works; a line may also begin with the program in double quotes. A
// relative path is taken from baseFolder; a bare name is looked for in
// baseFolder, then along PATH. The rest of the line splits at blanks; a
// double-quoted stretch belongs to one argument and loses its quotes.
// Nothing for an empty line or one that names no executable file.
std::optional<TProgramCall> ParseCommandLine(const QString& commandLine, const QString& baseFolder);
