#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

// The splash window: the splash picture, shown modally for about two
// seconds while the product information is read.
class TFrmFlashForm : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFlashForm(QWidget* parent = nullptr);

    // Shows the picture at 0,0 and sizes the window to it.
    void SetPicture(const QImage& picture);

    QLabel* ImgFlash;
    QTimer Timer1; // reads the product information, then ends the splash
    QTimer Timer2; // counts the seconds the splash has shown
    qint32 TickCount = 0;

    // Esc and the window manager's close request end nothing: the splash
    // ends by its timers alone, once the product texts are read.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Timer1Timer();
    void Timer2Timer();
    void CloseWhenDone();

    bool ProductInfoRead = false;
};

// Shows the splash from libTesso.so's picture and reads the product
// information while it shows; returns when the splash has closed.
void ShowSplash();
