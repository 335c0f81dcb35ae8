#pragma once

#include <QString>

// What the main window keeps about the preview and the trim bar; lives as
// long as the window and is never reset.
struct TPreviewState {
    // Length of the row last clicked or double-clicked.
    qint32 TotalSeconds = 0;
    // The time code last written by the end marker: playback pauses there.
    QString EndTimeText;
    // False while a row click places the markers and before the first one.
    bool MarkersReady = false;
};
