#pragma once

#include <QString>

// The files of the Config folder beside the executable, which the system
// never creates.
QString ConfigFilePath(const QString& fileName);

inline constexpr const char* ProfileFile = "UserProfileInfo.ini";
inline constexpr const char* ProfileCountFile = "UserProfileCount.ini";
inline constexpr const char* UserSettingsFile = "UserSettings.ini";
