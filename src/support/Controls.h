#pragma once

// The controls that the system's logic reads and writes, bound by the
// windows that own them when those are created and emptied when they go.
// Logic classes reach the windows only through these pointers, so tests can
// bind standalone widgets. (The progress window is reached through
// convert/FrmConverting.h, the preview and the trim bar through
// media/PreviewControls.h.)

class QLabel;
class QProgressBar;
class QTreeView;
class QWidget;

// The main window's working controls.
struct TMainControls {
    QWidget* Window = nullptr;
    QLabel* lblTitle = nullptr;
    QTreeView* dxTreeSourceFileInfo = nullptr; // its rows are media/JobListModel.h's
    // preview area
    QWidget* panLogo = nullptr;
    QLabel* pnlCurTime = nullptr;
    QProgressBar* pbPlayState = nullptr;
};

// The options dialog, which the main window shows. Its lists show the
// conversion choice (profiles/ConversionChoice.h).
struct TOptionControls {
    QWidget* Window = nullptr;
};

struct TControls {
    TMainControls Main;
    TOptionControls Option;
};

extern TControls Controls;
