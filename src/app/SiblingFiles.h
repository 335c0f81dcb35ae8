#pragma once

#include <QString>

// The sibling libraries that must lie in the application folder.
inline const char* const AboutLibraryName = "libKorrin.so";
inline const char* const ResourceLibraryName = "libTesso.so";

// Tells the user about each sibling library missing from the application
// folder, one message per file; true when both are present.
bool CheckSiblingFiles();
