#include "convert/ProgramCall.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool IsBlank(QChar c) {
    return c == ' ' || c == '\t';
}

QString ExecutableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

QString ResolveProgram(const QString& candidate, const QString& baseFolder) {
    if (candidate.isEmpty())
        return {};
    if (candidate.contains('/'))
        return ExecutableFile(candidate.startsWith('/') ? candidate : baseFolder + candidate);
    const QString beside = ExecutableFile(baseFolder + candidate);
    return beside.isEmpty() ? QStandardPaths::findExecutable(candidate) : beside;
}

QStringList SplitArguments(const QString& text) {
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool inArgument = false; // so that "" gives an empty argument
    for (const QChar c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            inArgument = true;
        } else if (IsBlank(c) && !inQuotes) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

} // namespace

std::optional<TProgramCall> ParseCommandLine(const QString& commandLine,
                                             const QString& baseFolder) {
    qsizetype start = 0;
    while (start < commandLine.size() && IsBlank(commandLine[start]))
        ++start;
    const QString line = commandLine.mid(start);
    if (line.isEmpty())
        return std::nullopt;

    if (line.startsWith('"')) {
        qsizetype close = line.indexOf('"', 1);
        if (close < 0)
            close = line.size();
        const QString program = ResolveProgram(line.mid(1, close - 1), baseFolder);
        if (program.isEmpty())
            return std::nullopt;
        return TProgramCall{program, SplitArguments(line.mid(close + 1))};
    }

    // Every end of a word is a candidate end of the program path, the
    // shortest first.
    for (qsizetype end = 1; end <= line.size(); ++end) {
        const bool wordEnds = end == line.size() || (IsBlank(line[end]) && !IsBlank(line[end - 1]));
        if (!wordEnds)
            continue;
        const QString program = ResolveProgram(line.left(end), baseFolder);
        if (!program.isEmpty())
            return TProgramCall{program, SplitArguments(line.mid(end))};
    }
    return std::nullopt;
}
