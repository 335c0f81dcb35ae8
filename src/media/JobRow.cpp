#include "media/JobRow.h"

#include "support/Errors.h"
#include "support/FileFunc.h"
#include "support/Globals.h"

#include <cmath>

qint32 ReadTimeCode(const QString& text) {
    const QStringList pieces = CommonLib->SplitText(text, ':');
    if (pieces.size() < 3)
        return 0;
    const auto part = [&](int i) {
        return static_cast<qint32>(std::trunc(CommonLib->ParseNumber(pieces[i])));
    };
    return part(0) * 3600 + part(1) * 60 + part(2);
}

int TimeCodeSeconds(const QString& text) {
    const QStringList pieces = CommonLib->SplitText(text, ':');
    if (pieces.size() != 3)
        return 0;
    int seconds = 0;
    for (const QString& piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok);
        if (!ok)
            throw EQuenvoError("'" + piece + "' is not a valid integer value");
        seconds = seconds * 60 + value;
    }
    return seconds;
}

const QStringList& SourceExtensions() {
    static const QStringList extensions{".3gp", ".mp4", ".m4v", ".mpeg", ".3g2",
                                        ".mpg", ".avi", ".asf", ".mov",  ".wmv",
                                        ".flv", ".swf", ".rm",  ".rmvb", ".vob"};
    return extensions;
}

bool IsSourceFile(const QString& path) {
    const qsizetype nameStart = FolderPart(path).size();
    const qsizetype dot = path.lastIndexOf('.');
    return dot >= nameStart && SourceExtensions().contains(path.mid(dot).toLower());
}
