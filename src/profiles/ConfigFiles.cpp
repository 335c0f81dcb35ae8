#include "profiles/ConfigFiles.h"

#include "profiles/IniFiles32.h"
#include "support/Globals.h"

QString ConfigFilePath(const QString& fileName) {
    return AppFunc->UserFolders().Config + fileName;
}

QStringList TCommonLib::ReadConfigSections(const QString& fileName) const {
    QStringList sections;
    TIniFile32(ConfigFilePath(fileName)).ReadSections(&sections);
    return sections;
}

QString TCommonLib::ReadConfigValue(const QString& fileName, const QString& name) const {
    return TIniFile32(ConfigFilePath(fileName)).ReadString(name, name, QString());
}
