#include "profiles/IniFiles32.h"
#include "support/AppFunc.h"
#include "support/CustomProc.h"
#include "support/FileFunc.h"

#include <QDir>

namespace {

QString UserSettingsFile() {
    return TAppFunc().ApplicationFolder() + "Config/UserSettings.ini";
}

} // namespace

QString TCustomProc::LoadSourceFolder() const {
    return TIniFile32(UserSettingsFile()).ReadString("USRInfo", "InitDir", QDir::homePath() + "/");
}

void TCustomProc::SaveSourceFolder(const QString& dialogFileName) const {
    const QString folder = FolderPart(dialogFileName);
    if (folder.isEmpty())
        return;
    TIniFile32(UserSettingsFile()).WriteString("USRInfo", "InitDir", folder);
}
