#include "support/ProgramCall.h"

#include <QRegularExpression>

namespace {

QString Quoted(const QString& argument) {
    QString text = argument;
    text.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + text + '"';
}

} // namespace

QString CommandLineText(const TProgramCall& call) {
    static const QRegularExpression plainWord("^[A-Za-z0-9._:+-]+$");
    QString line = call.Program;
    for (const QString& argument : call.Arguments)
        line += ' ' + (plainWord.match(argument).hasMatch() ? argument : Quoted(argument));
    return line;
}
