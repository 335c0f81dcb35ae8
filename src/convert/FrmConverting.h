#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;
class TPictureButton;

// The progress window shown while a batch runs. One instance, created hidden
// at start-up and kept. It shows the latest console text of the encoder and
// turns the elapsed time in it into the per-file and overall bars.
class TfrmConverting : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConverting(QWidget* parent = nullptr);

    // Receives every chunk of the encoder's console output.
    void OnEncoderOutput(const QString& text);
    void actRefreshProgressExecute();
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

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Esc asks the same question as the close box.
    void reject() override;

private:
    QPixmap Background;
    // The background picture's height in the window's pixels.
    int PictureHeight() const;
    void FormShow();
    void FormClose(QCloseEvent* event);
    // Hides the window and gives the main window back to the user.
    void HideAndReleaseMain();
};
