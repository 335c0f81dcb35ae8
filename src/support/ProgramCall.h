#pragma once

#include <QString>
#include <QStringList>

// A program to start and its arguments, each its own piece: a file name
// travels as one argument whatever it holds (blanks, quotes, line breaks)
// and is never split again from a text.
struct TProgramCall {
    QString Program; // the path of the executable, run as it stands
    QStringList Arguments;
};

// The call as one line for the log and the screen: the program as it
// stands, then each argument after a blank. An argument that is not a plain
// option word (a path, say) stands in double quotes, with any '"' or '\'
// in it written after a '\'.
QString CommandLineText(const TProgramCall& call);
