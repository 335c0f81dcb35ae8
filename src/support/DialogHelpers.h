#pragma once

#include <QString>

// The shared helpers that show a box or the folder browser, through
// Dialogs(). TCommonLib::ShowMessageBox is defined beside them.

// A modal box captioned "Quenvo" with the information icon; kind 1 OK,
// 2 Yes and No, 3 Yes, No and Cancel. Returns the code of the button pressed.
int ShowInfoMessage(const QString& message, int kind);

// The folder browser. folder is the preselected folder (emptied when it
// doesn't exist) and receives the chosen one; false when cancelled. The
// system always passes an empty root.
bool BrowseForFolder(const QString& title, const QString& root, QString& folder);
