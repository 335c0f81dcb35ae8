#include "app/SiblingFiles.h"

#include "support/DialogHelpers.h"
#include "support/Globals.h"

#include <QFileInfo>

bool CheckSiblingFiles() {
    // The application folder, not the current one: started from a menu or
    // another folder, the libraries still lie beside the program.
    const QString folder = AppFunc->ApplicationFolder();
    bool allPresent = true;
    for (const char* name : {AboutLibraryName, ResourceLibraryName}) {
        if (!QFileInfo::exists(folder + name)) {
            ShowInfoMessage(QString("'%1' is not found. Please reinstall this program.").arg(name),
                            1);
            allPresent = false;
        }
    }
    return allPresent;
}
