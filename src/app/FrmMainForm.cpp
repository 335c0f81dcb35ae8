#include "app/FrmMainForm.h"

#include "app/AboutBox.h"
#include "app/FrmFlashForm.h"
#include "app/ProductInfo.h"
#include "app/SiblingFiles.h"
#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/PreviewArea.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "support/AccessibleNames.h"
#include "support/Controls.h"
#include "support/Desktop.h"
#include "support/Globals.h"
#include "support/HandlerGuard.h"
#include "support/LayoutFonts.h"
#include "support/PictureButton.h"
#include "support/ScaledPicture.h"
#include "support/Timing.h"
#include "support/WindowShape.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace {

constexpr int akStretchRight = akLeft | akTop | akRight;
constexpr int akStretchBoth = akLeft | akTop | akRight | akBottom;

} // namespace

TFrmMainForm::TFrmMainForm(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // Outside its outline the window is see-through (see ApplyWindowShape).
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(ApplicationTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(MinimumSize);
    resize(DesignSize);
    SetLayoutFont(this);

    // Creation order is stacking order: the background first, the decorative
    // pictures under the controls that lie on them.
    CreateFrame();
    CreatePreviewArea();
    CreateOutputChoices();
    CreateJobList();
    BindControls();
    NameControls();
    ConnectFrameActions();
    ConnectOutputChoices();
    ConnectPreview();
}

TFrmMainForm::~TFrmMainForm() {
    // Logic must not reach controls that are gone.
    if (Controls.Main.Window == this)
        Controls.Main = TMainControls();
    if (JobListModel == Jobs)
        JobListModel = nullptr;
}

TPictureButton* TFrmMainForm::MakeButton(const QString& name, const QString& pictures,
                                         QRect design) {
    auto* button = new TPictureButton(name, this);
    button->LoadPictures(":/art/" + pictures);
    Layout.Place(button, design);
    return button;
}

QLabel* TFrmMainForm::MakeLabel(const QString& text, QPoint at, int width) {
    auto* label = new QLabel(text, this);
    // The caption must end before the control it names starts.
    const QFont fitting = FittingFont(label->font(), text, width);
    label->setFont(fitting);
    Layout.Place(label, QRect(at, QSize(width, QFontMetrics(fitting).height())));
    return label;
}

void TFrmMainForm::CreateFrame() {
    rzfrmshpfrmConverter = new QLabel(this);
    rzfrmshpfrmConverter->setPixmap(Art("shape.png"));
    rzfrmshpfrmConverter->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Layout.Place(rzfrmshpfrmConverter, QRect(QPoint(0, 0), DesignSize), akStretchBoth);

    imgTitle = new QLabel(this);
    imgTitle->setPixmap(Art("title.png"));
    Layout.Place(imgTitle, QRect(0, 0, 713, 65));

    lblTitle = new QLabel(this);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet("color: white;");
    lblTitle->setMouseTracking(true);
    lblTitle->installEventFilter(this);
    Layout.Place(lblTitle, QRect(168, 11, 433, 24));

    btnWindowMinimize = MakeButton("Minimize", "minimize", QRect(614, 8, 31, 27));
    btnWindowClose = MakeButton("Close", "close", QRect(648, 8, 31, 27));
    btnHomePage = MakeButton("Home Page", "homepage", QRect(406, 63, 48, 41));
    btnEMail = MakeButton("E-Mail", "email", QRect(462, 63, 48, 41));
    btnHelp = MakeButton("Help", "help", QRect(574, 63, 48, 41));
    btnAbout = MakeButton("About", "about", QRect(630, 63, 48, 41));

    tmrClearMemory.setInterval(Timing().MemoryTrimMs);
}

void TFrmMainForm::CreatePreviewArea() {
    imgPlayer = new QLabel(this);
    imgPlayer->setPixmap(Art("player.png"));
    Layout.Place(imgPlayer, QRect(2, 256, 265, 33));
    imgPlay = new QLabel(this);
    imgPlay->setPixmap(Art("playbar.png"));
    Layout.Place(imgPlay, QRect(16, 304, 257, 33));

    pnlMediaView = new QFrame(this);
    pnlMediaView->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlMediaView->setLineWidth(2);
    Layout.Place(pnlMediaView, QRect(14, 115, 260, 158));

    DSVideoWindowEx1 = new TVideoWindow(pnlMediaView);
    DSVideoWindowEx1->setGeometry(2, 2, 256, 154);

    panLogo = new QWidget(DSVideoWindowEx1);
    panLogo->setGeometry(0, 0, 256, 154);
    imgLOGO = new QLabel(panLogo);
    imgLOGO->setGeometry(0, 0, 256, 154);
    imgLOGO->setPixmap(Art("logo.png"));
    imgLOGO->setScaledContents(true);

    Panel1 = new TTrimBar(this);
    Layout.Place(Panel1, QRect(15, 274, 260, 21));

    pbPlayState = new QProgressBar(this);
    pbPlayState->setTextVisible(false);
    pbPlayState->setRange(0, 1);
    pbPlayState->setValue(0);
    Layout.Place(pbPlayState, QRect(15, 294, 260, 10));

    btnPlay = MakeButton("Play", "play", QRect(49, 307, 26, 22));
    btnPause = MakeButton("Pause", "pause", QRect(81, 307, 26, 22));
    RzBmpButton1 = MakeButton("Stop", "stop", QRect(112, 307, 26, 22));

    pnlCurTime = new QLabel("00:00:00", this);
    pnlCurTime->setAlignment(Qt::AlignCenter);
    pnlCurTime->setAutoFillBackground(true);
    QPalette time = pnlCurTime->palette();
    time.setColor(QPalette::Window, Qt::black);
    time.setColor(QPalette::WindowText,
                  QApplication::palette().color(QPalette::Active, QPalette::Highlight));
    pnlCurTime->setPalette(time);
    QFont timeFont = pnlCurTime->font();
    timeFont.setPixelSize(19);
    pnlCurTime->setFont(FittingFont(timeFont, "00:00:00", 81));
    Layout.Place(pnlCurTime, QRect(147, 309, 81, 17));
}

void TFrmMainForm::CreateOutputChoices() {
    lblOutputFileTypeName = MakeLabel("Output FileType:", {288, 130}, 78);
    cbbOutputFiletype = new QComboBox(this);
    Layout.Place(cbbOutputFiletype, QRect(368, 127, 304, 21), akStretchRight);

    lblProfileSettings = MakeLabel("Profile Settings:", {288, 158}, 78);
    cbbProfile = new QComboBox(this);
    Layout.Place(cbbProfile, QRect(368, 154, 304, 21), akStretchRight);

    lblOutputFolderInfo = MakeLabel("Output Folder:", {288, 185}, 78);
    edtOutputFolder = new QLineEdit(TCommonLib::DefaultOutputFolder(), this);
    edtOutputFolder->setReadOnly(true);
    Layout.Place(edtOutputFolder, QRect(368, 182, 264, 21), akStretchRight);
    btnSelectOutputFolder = MakeButton("Select output folder", "folder", QRect(643, 180, 29, 26));

    chkShutdown = new QCheckBox("Shutdown computer when job is finished.", this);
    chkShutdown->setChecked(false);
    Layout.Place(chkShutdown, QRect(288, 215, 270, 17), akStretchRight);
    chkShowOutputDirectory = new QCheckBox("Show output directory when done", this);
    chkShowOutputDirectory->setChecked(true);
    Layout.Place(chkShowOutputDirectory, QRect(288, 240, 262, 17), akStretchRight);

    btnOptions = MakeButton("Options", "options", QRect(595, 216, 87, 29));
}

void TFrmMainForm::CreateJobList() {
    Jobs = new TJobListModel(this);
    dxTreeSourceFileInfo = new TJobListView(*Jobs, this);
    Layout.Place(dxTreeSourceFileInfo, QRect(12, 336, 557, 158), akStretchBoth);

    btnOpenFile = MakeButton("Add", "add", QRect(576, 332, 108, 38));
    btnRemoveFile = MakeButton("Remove", "remove", QRect(576, 367, 108, 38));
    btnClearFile = MakeButton("Clear", "clear", QRect(576, 403, 108, 38));
    btnConvert = MakeButton("Convert", "convert", QRect(576, 438, 108, 60));
    ConnectJobList();
}

void TFrmMainForm::BindControls() {
    TMainControls& main = Controls.Main;
    main.Window = this;
    main.lblTitle = lblTitle;
    main.dxTreeSourceFileInfo = dxTreeSourceFileInfo;
    JobListModel = Jobs;
    main.panLogo = panLogo;
    main.pnlCurTime = pnlCurTime;
    main.pbPlayState = pbPlayState;
}

void TFrmMainForm::NameControls() {
    NameByLabel(lblOutputFileTypeName, cbbOutputFiletype);
    NameByLabel(lblProfileSettings, cbbProfile);
    NameByLabel(lblOutputFolderInfo, edtOutputFolder);
    // What has no label of its own is named as a person sees it.
    pnlMediaView->setAccessibleName("Preview");
    pbPlayState->setAccessibleName("Playback position");
    dxTreeSourceFileInfo->setAccessibleName("Job list");
}

void TFrmMainForm::ConnectFrameActions() {
    connect(btnWindowMinimize, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::actMinimize));
    connect(btnWindowClose, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::actCloseWindow));
    connect(btnHomePage, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::ActSysHomePage));
    connect(btnEMail, &QAbstractButton::clicked, this, Guarded(this, &TFrmMainForm::ActSysEmail));
    connect(btnHelp, &QAbstractButton::clicked, this, Guarded(this, &TFrmMainForm::ActSysHelp));
    connect(btnAbout, &QAbstractButton::clicked, this, Guarded(this, &TFrmMainForm::ActSysAbout));
    connect(btnConvert, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::btnConvertClick));
    connect(&tmrClearMemory, &QTimer::timeout, this, Guarded([] {
        if (CommonLib)
            CommonLib->TrimWorkingSet();
    }));
}

bool TFrmMainForm::FormCreate() {
    CreateGlobalObjects();
    AppFunc->CreateUserFolders();
    tmrClearMemory.start();
    return CheckSiblingFiles();
}

void TFrmMainForm::showEvent(QShowEvent* event) {
    if (!Shown) {
        Shown = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = geometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        ApplyWindowShape();
        FormShow();
    }
    QWidget::showEvent(event);
}

void TFrmMainForm::ApplyWindowShape() {
    const QRegion outline = RegionFromPicture(rzfrmshpfrmConverter->pixmap().toImage());
    if (!outline.isEmpty())
        CutToOutline(this, outline);
}

void TFrmMainForm::FormShow() {
    // The choice lists are filled first, before the window accepts drops.
    CustomProc->FillProfileLists();
    AcceptDroppedFiles();
    ShowSplash();
    setWindowTitle(ApplicationTitle);
    // The selected profile is applied last, once the caption is set.
    CustomProc->ApplyProfile();
    ShowDone = true;
    OpenFiles(std::exchange(WaitingFiles, {}));
}

void TFrmMainForm::AcceptDroppedFiles() {
    setAcceptDrops(true);
}

void TFrmMainForm::closeEvent(QCloseEvent* event) {
    // Closed from the desktop during a batch, the window stays unless the
    // progress window lets the batch go.
    if (!CloseOtherWindows()) {
        event->ignore();
        return;
    }
    FormClose();
    QWidget::closeEvent(event);
}

bool TFrmMainForm::CloseOtherWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && !window->close())
            return false;
    return true;
}

void TFrmMainForm::FormClose() {
    ClosePreview();
    // The main window's end is the application's end, even while the
    // options dialog or another window is still open.
    QCoreApplication::quit();
}

void TFrmMainForm::resizeEvent(QResizeEvent* event) {
    setMinimumSize(MinimumSize);
    Layout.Apply(size());
    QWidget::resizeEvent(event);
}

void TFrmMainForm::MoveWindow() {
    if (QWindow* window = windowHandle())
        window->startSystemMove();
}

void TFrmMainForm::mousePressEvent(QMouseEvent* event) {
    // Presses that no control takes land on the background picture.
    if (event->button() == Qt::LeftButton)
        MoveWindow();
    QWidget::mousePressEvent(event);
}

bool TFrmMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Moving over the title with the button held drags the window; without
    // a held button the platform has nothing to drag.
    if (watched == lblTitle && event->type() == QEvent::MouseMove &&
        (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton))
        MoveWindow();
    return QWidget::eventFilter(watched, event);
}

void TFrmMainForm::actMinimize() {
    if (QWidget* foreground = QApplication::activeWindow())
        foreground->showNormal();
    QWidget* foreground = QApplication::activeWindow();
    (foreground ? foreground : this)->showMinimized();
}

void TFrmMainForm::BringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    // The program's other windows (the progress window during a batch)
    // stay above it.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && !window->isMinimized())
            window->raise();
}

void TFrmMainForm::actCloseWindow() {
    close();
}

void TFrmMainForm::ActSysHomePage() {
    Desktop().OpenUrl(SoftInfo.Text[siHomePage]);
}

void TFrmMainForm::ActSysEmail() {
    Desktop().OpenUrl("mailto:" + SoftInfo.Text[siEMail]);
}

void TFrmMainForm::ActSysHelp() {
    Desktop().OpenUrl(SoftInfo.Text[siAppFolder] + "Mirel.html");
}

void TFrmMainForm::ActSysAbout() {
    ShowAbout();
}
