#include "convert/FrmConverting.h"

#include "convert/EncoderName.h"
#include "support/AccessibleNames.h"
#include "support/Controls.h"
#include "support/Dialogs.h"
#include "support/Globals.h"
#include "support/HandlerGuard.h"
#include "support/LayoutFonts.h"
#include "support/PictureButton.h"
#include "support/ScaledPicture.h"
#include "support/Timing.h"
#include "support/WindowShape.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

namespace {

QPointer<TfrmConverting> TheWindow;

// A fixed caption that ends before the control beside it, at nextX.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int nextX) {
    auto* label = new QLabel(text, parent);
    label->setFont(FittingFont(label->font(), text, nextX - x - 2));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QProgressBar* MakeBar(QWidget* parent, int x, int y) {
    auto* bar = new QProgressBar(parent);
    bar->setGeometry(x, y, 321, 17);
    bar->setTextVisible(false);
    return bar;
}

// A square of the busy animation: the artwork's, or a plain stand-in.
QPixmap AnimationSquare(int i) {
    const QPixmap art = Art(QString("anim%1.png").arg(i));
    if (!art.isNull())
        return art;
    QPixmap square(17, 17);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setPen(QColor(30, 80, 150));
    painter.setBrush(QColor(70, 140, 220));
    painter.drawRect(1, 1, 14, 14);
    return square;
}

void ApplyFigures(QProgressBar* bar, const TBarFigures& figures) {
    bar->setRange(figures.Minimum, figures.Maximum);
    // A position below the range is the bar's own "no position", which only
    // a reset gives.
    if (figures.Value < figures.Minimum && (figures.Minimum != 0 || figures.Maximum != 0))
        bar->reset();
    else
        bar->setValue(figures.Value);
}

bool AskYes(const QString& question) {
    return Dialogs().MessageBox(ApplicationTitle, question, TMsgIcon::None, TMsgButtons::YesNo) ==
           mrYes;
}

} // namespace

TfrmConverting::TfrmConverting(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Converting");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFixedSize(435, 222);
    Background = Art("converting_shape.png"); // rzfrmshpConvertting, 435 x 205
    QRegion outline = RegionFromPicture(Background.toImage());
    if (!outline.isEmpty()) {
        // The outline follows the picture; the status bar below it stays
        // whole, so the encoder's latest words can be read.
        const int below = PictureHeight();
        outline += QRect(0, below, width(), height() - below);
        setAttribute(Qt::WA_TranslucentBackground);
        CutToOutline(this, outline);
    }
    SetLayoutFont(this);

    lblInfo = new QLabel("Please wait . . .", this);
    lblInfo->setGeometry(24, 45, 185, 20);
    QFont bold = lblInfo->font();
    bold.setBold(true);
    lblInfo->setFont(bold);
    lblCurConvertFileL = MakeLabel(this, "Current Convert File:", 88, 65, 192);
    lblCurFileName = new QLabel(this);
    lblCurFileName->setGeometry(192, 64, 217, 13);
    lblTotalFilr = MakeLabel(this, "Total File:", 24, 88, 88);
    pbTotal = MakeBar(this, 88, 88);
    lblCurprog = MakeLabel(this, "Current File:", 24, 113, 88);
    ProgressBar1 = MakeBar(this, 88, 112);
    NameByLabel(lblTotalFilr, pbTotal);
    NameByLabel(lblCurprog, ProgressBar1);
    for (int i = 0; i < 6; ++i) {
        img[i] = new QLabel(this);
        img[i]->setGeometry(103 + 21 * i, 122, 17, 17);
        img[i]->setPixmap(AnimationSquare(i));
        img[i]->hide();
    }
    lblPersent = MakeLabel(this, "Current: 1, Total: ...", 88, 144, 296);
    btnStop = new TPictureButton("Stop", this);
    btnStop->setGeometry(296, 144, 108, 38);
    btnStop->LoadPictures(":/art/stopbutton");
    connect(btnStop, &TPictureButton::clicked, this, Guarded(this, &TfrmConverting::btnStop1Click));
    statState = new QStatusBar(this);
    statState->setGeometry(0, 205, 435, 17);
    statState->setSizeGripEnabled(false);
    tmrChanging = new QTimer(this);
    tmrChanging->setInterval(Timing().AnimationMs);
    connect(tmrChanging, &QTimer::timeout, this, Guarded(this, &TfrmConverting::tmrChangingTimer));
    TheWindow = this;
}

TfrmConverting* ProgressWindow() {
    return TheWindow;
}

void TfrmConverting::ShowForJob(const TProgressJob& job) {
    Job = job;
    show(); // FormShow runs when the window was hidden
}

void TfrmConverting::OnEncoderOutput(const QString& text, const TProgressJob& job) {
    Job = job;
    statState->showMessage(text);
    lblCurFileName->setText(job.SourceFile);
}

void TfrmConverting::ShowFigures(const TProgressModel& figures) {
    ApplyFigures(pbTotal, figures.Overall);
    ApplyFigures(ProgressBar1, figures.PerFile);
    if (lblPersent->text() != figures.Label) {
        lblPersent->setText(figures.Label);
        lblPersent->adjustSize();
    }
}

void TfrmConverting::FormShow() {
    AnimationStep = 0;
    for (QLabel* square : img)
        square->hide();
    tmrChanging->setInterval(Timing().AnimationMs);
    tmrChanging->start();
    lblCurFileName->setText(Job.SourceFile);
}

void TfrmConverting::tmrChangingTimer() {
    AnimationStep = AnimationStep >= 6 ? 1 : AnimationStep + 1;
    img[AnimationStep - 1]->show();
    img[(AnimationStep + 4) % 6]->hide(); // img6 before img1
}

void TfrmConverting::btnStop1Click() {
    if (!AskYes("Are you sure you want to stop the work ? "))
        return;
    HideAndReleaseMain();
    CustomProc->StopBatch();
    CommonLib->StopEncoder(Job.EncoderPath);
    CommonLib->StopEncoder(EncoderProcessName);
    emit StopConfirmed();
}

void TfrmConverting::FormClose(QCloseEvent* event) {
    if (!AskYes("Are you sure to stop processing ?")) {
        event->ignore();
        return;
    }
    event->accept();
    HideAndReleaseMain();
    CustomProc->StopBatch();
    CommonLib->StopEncoder(Job.EncoderPath);
}

void TfrmConverting::HideAndReleaseMain() {
    hide();
    if (Controls.Main.Window)
        Controls.Main.Window->setEnabled(true);
}

void TfrmConverting::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmConverting::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        tmrChanging->stop(); // nothing to animate while hidden
}

void TfrmConverting::closeEvent(QCloseEvent* event) {
    FormClose(event);
}

void TfrmConverting::reject() {
    close();
}

int TfrmConverting::PictureHeight() const {
    return qRound(Background.deviceIndependentSize().height());
}

void TfrmConverting::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!Background.isNull()) {
        // The window is see-through where nothing is painted: the status bar
        // below the picture lies on the window's own face. Nothing is painted
        // outside the outline, which a denser picture's edge would cross.
        painter.setClipRegion(mask());
        const int below = PictureHeight();
        painter.fillRect(QRect(0, below, width(), height() - below), palette().window());
        painter.drawPixmap(0, 0, Background);
        return;
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -18));
}
