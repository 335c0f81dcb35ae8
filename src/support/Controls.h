#pragma once

// The controls that the system's logic reads and writes, bound by the
// windows that own them when those are created and emptied when they go.
// Logic classes reach the windows only through these pointers, so tests can
// bind standalone widgets. (The progress window is reached through
// convert/FrmConverting.h, the preview and the trim bar through
// media/PreviewControls.h.)

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTreeWidget;
class QWidget;

// The main window's working controls.
struct TMainControls {
    QWidget* Window = nullptr;
    QLabel* lblTitle = nullptr;
    QComboBox* cbbOutputFiletype = nullptr;
    QComboBox* cbbProfile = nullptr;
    QLineEdit* edtOutputFolder = nullptr;
    QCheckBox* chkShutdown = nullptr;
    QCheckBox* chkShowOutputDirectory = nullptr;
    QTreeWidget* dxTreeSourceFileInfo = nullptr;
    // preview area
    QWidget* panLogo = nullptr;
    QLabel* pnlCurTime = nullptr;
    QProgressBar* pbPlayState = nullptr;
};

// The options dialog's lists.
struct TOptionControls {
    QWidget* Window = nullptr;
    QComboBox* cbbCustomProfile = nullptr;
    QComboBox* cbbVideoSize = nullptr;
    QComboBox* cbbFramerate = nullptr;
    QComboBox* cbbVideoBitrate = nullptr;
    QComboBox* cbbAudioBitrate = nullptr;
    QComboBox* cbbAudioChannels = nullptr;
    QComboBox* cbbAudioSample = nullptr;
    QComboBox* cbbAspectratio = nullptr;
    QComboBox* cbbAudioVolumeGain = nullptr;
};

struct TControls {
    TMainControls Main;
    TOptionControls Option;
};

extern TControls Controls;
