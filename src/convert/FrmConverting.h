#pragma once

#include "convert/ProgressModel.h"

#include <QDialog>
#include <QPixmap>

class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;
class TPictureButton;

// The progress window shown while a batch runs. One instance, created hidden
// at start-up and kept; the batch driver binds it to every batch. It shows
// the latest console text of the encoder and the figures the batch's
// progress (TBatchProgress) reads out of it.
class TfrmConverting : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConverting(QWidget* parent = nullptr);

    // Shown before every job (TBatch::JobStarting).
    void ShowForJob(const TProgressJob& job);
    // Receives every chunk of the encoder's console output (TBatch::Output).
    void OnEncoderOutput(const QString& text, const TProgressJob& job);
    // Puts the figures on the bars and the label (TBatchProgress::Changed).
    void ShowFigures(const TProgressModel& figures);
    void btnStop1Click();
    void tmrChangingTimer();

    QLabel* lblInfo;
    QLabel* lblCurConvertFileL;
    QLabel* lblCurFileName;
    QLabel* lblTotalFilr;
    QProgressBar* pbTotal;
    QLabel* lblCurprog;
    QProgressBar* ProgressBar1;
    QLabel* img[6]; // img1 to img6
    QLabel* lblPersent;
    TPictureButton* btnStop; // "Stop", with its hot and pressed pictures
    QStatusBar* statState;
    QTimer* tmrChanging;
    int AnimationStep = 0;

signals:
    // The person answered Yes to the Stop button's question.
    void StopConfirmed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Esc asks the same question as the close box.
    void reject() override;

private:
    TProgressJob Job; // as the batch driver last told it
    QPixmap Background;
    // The background picture's height in the window's pixels.
    int PictureHeight() const;
    void FormShow();
    void FormClose(QCloseEvent* event);
    // Hides the window and gives the main window back to the user.
    void HideAndReleaseMain();
};

// The progress window made last, while it lives.
TfrmConverting* ProgressWindow();
