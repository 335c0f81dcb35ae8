#pragma once

#include "app/Anchors.h"
#include "media/OpenSourceDialog.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class TJobListModel;
class TJobListView;
class TPictureButton;
class TPreviewArea;
class TTrimBar;
class TVideoWindow;

// The main window: a borderless window cut to the outline of its background
// picture, with its own title banner and system buttons, the preview area,
// the output choices and the job list.
class TFrmMainForm : public QWidget {
    Q_OBJECT
public:
    // Size of the client area the controls are laid out for, and the
    // smallest size the window may take.
    static constexpr QSize DesignSize{719, 511};
    static constexpr QSize MinimumSize{686, 519};

    explicit TFrmMainForm(QWidget* parent = nullptr);
    ~TFrmMainForm() override;

    // The creation handler: creates the global objects and the user's
    // folders and checks the sibling libraries; false when one is missing
    // and the program must end.
    bool FormCreate();

    // Frame
    QLabel* rzfrmshpfrmConverter; // window outline and background picture
    QLabel* imgTitle;
    QLabel* lblTitle;
    TPictureButton* btnWindowMinimize;
    TPictureButton* btnWindowClose;
    TPictureButton* btnHomePage;
    TPictureButton* btnEMail;
    TPictureButton* btnHelp;
    TPictureButton* btnAbout;
    QTimer tmrClearMemory;

    // Preview area
    QFrame* pnlMediaView;
    TVideoWindow* DSVideoWindowEx1;
    QWidget* panLogo;
    QLabel* imgLOGO;
    QLabel* imgPlayer;
    QLabel* imgPlay;
    TTrimBar* Panel1; // trim bar
    QProgressBar* pbPlayState;
    TPictureButton* btnPlay;
    TPictureButton* btnPause;
    TPictureButton* RzBmpButton1; // Stop
    QLabel* pnlCurTime;

    // Output choices
    QLabel* lblOutputFileTypeName;
    QComboBox* cbbOutputFiletype;
    QLabel* lblProfileSettings;
    QComboBox* cbbProfile;
    QLabel* lblOutputFolderInfo;
    QLineEdit* edtOutputFolder;
    TPictureButton* btnSelectOutputFolder;
    QCheckBox* chkShutdown;
    QCheckBox* chkShowOutputDirectory;
    TPictureButton* btnOptions;

    // Job list (app/MainFormJobList.cpp): the rows and their view
    TJobListModel* Jobs;
    TJobListView* dxTreeSourceFileInfo;
    TOpenSourceDialog dlgOpenSourceFile;
    TPictureButton* btnOpenFile;
    TPictureButton* btnRemoveFile;
    TPictureButton* btnClearFile;
    TPictureButton* btnConvert;
    void btnOpenFileClick();
    void btnRemoveFileClick();
    void btnClearFileClick();
    // Files dropped from the file manager, in drop order.
    void WMDropFiles(const QStringList& names);
    // Files given at start or handed over by a later start: added as a drop
    // is, once the show sequence is over. While a batch keeps the window
    // disabled they wait for its end, as the window takes no drop then.
    void OpenFiles(const QStringList& names);
    // A later start asks for the window.
    void BringToFront();
    // Runs after rows left the list (Remove, Delete key, drag-out, Clear):
    // the preview stops here, also when nothing was removed.
    void StopPreviewAfterListChange();

    // Output choices (MainFormProfiles.cpp); the two lists' changes are
    // raised only when the user picks an entry.
    void cbbOutputFiletypeChange();
    void cbbProfileChange();
    void btnOptionsClick();
    void btnSelectOutputFolderClick();

    // System actions
    void actMinimize();
    void actCloseWindow();
    void ActSysHomePage();
    void ActSysEmail();
    void ActSysHelp();
    void ActSysAbout();
    // Converts the job list (app/MainFormConvert.cpp).
    void btnConvertClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateFrame();
    void CreatePreviewArea();
    // Preview playback and trim bar (MainFormPreview.cpp).
    void ConnectPreview();
    void ClosePreview();
    void CreateOutputChoices();
    void CreateJobList();
    void ConnectJobList();
    void BindControls();
    void ConnectFrameActions();
    void ConnectOutputChoices();

    // The show sequence, run once when the window is first shown.
    void ApplyWindowShape();
    void FormShow();
    void AcceptDroppedFiles();
    void FormClose();
    // Every other window of the program closes first; false when one of
    // them refuses (the progress window's question during a batch).
    bool CloseOtherWindows();
    // Names the controls for screen readers as their labels name them.
    void NameControls();

    // Buttons keep their place when the window grows.
    TPictureButton* MakeButton(const QString& name, const QString& pictures, QRect design);
    QLabel* MakeLabel(const QString& text, QPoint at, int width);
    void MoveWindow();

    TAnchorLayout Layout{DesignSize};
    bool Shown = false;
    bool ShowDone = false;
    QStringList WaitingFiles;
    std::unique_ptr<TPreviewArea> Preview;
};
