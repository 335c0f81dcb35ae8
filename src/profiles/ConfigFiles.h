#pragma once

#include <QString>

// The files of the user's Config folder (see TAppFunc::UserFolders).
QString ConfigFilePath(const QString& fileName);

inline constexpr const char* ProfileFile = "UserProfileInfo.ini";
inline constexpr const char* ProfileCountFile = "UserProfileCount.ini";
inline constexpr const char* UserSettingsFile = "UserSettings.ini";
