#include "support/CommonLib.h"
#include "support/DialogHelpers.h"
#include "support/FileFunc.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace {

// Whether a folder can be created inside the folder. The probe is a fresh
// folder of our own, so a folder of the user's is never removed.
bool CanCreateFolderIn(const QString& folder) {
    QString probe = QDir(folder).filePath("test");
    while (QFileInfo::exists(probe))
        probe = QDir(folder).filePath("test-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!QDir().mkpath(probe))
        return false;
    QDir().rmdir(probe);
    return true;
}

} // namespace

QString TCommonLib::SelectOutputFolder(const QString& current) const {
    QString result = current;
    QString chosen;
    if (BrowseForFolder("Please select output folder:", QString(), chosen)) {
        // A name with bytes that aren't UTF-8 reaches us as a look-alike,
        // which may name another folder.
        if (!IsFaithfulFileName(chosen) || !QFileInfo(chosen).isDir())
            ShowMessageBox("The path is invalid.", 1);
        else if (!CanCreateFolderIn(chosen))
            ShowMessageBox("This is a read-only path.", 1);
        else
            result = chosen;
    }
    if (!QFileInfo(result).isDir())
        QDir().mkpath(result); // a failure shows later, when the conversion writes there
    return result;
}
