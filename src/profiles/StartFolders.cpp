// Where the output folder and the open dialog start.
#include "profiles/ConfigFiles.h"
#include "profiles/IniFiles32.h"
#include "support/CommonLib.h"
#include "support/CustomProc.h"
#include "support/FileFunc.h"

QString TCommonLib::DefaultOutputFolder() {
    return HomeFolder() + "quenvo";
}

QString TCustomProc::LoadSourceFolder() const {
    return TIniFile32(ConfigFilePath(UserSettingsFile))
        .ReadString("USRInfo", "InitDir", HomeFolder());
}

void TCustomProc::SaveSourceFolder(const QString& dialogFileName) const {
    const QString folder = FolderPart(dialogFileName);
    if (folder.isEmpty())
        return;
    TIniFile32(ConfigFilePath(UserSettingsFile)).WriteString("USRInfo", "InitDir", folder);
}
