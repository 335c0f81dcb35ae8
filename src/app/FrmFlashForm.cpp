#include "app/FrmFlashForm.h"

#include "app/JpegPicture.h"
#include "app/ProductInfo.h"
#include "app/SiblingFiles.h"
#include "support/AppFunc.h"
#include "support/Timing.h"
#include "tesso/Tesso.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QScreen>

TFrmFlashForm::TFrmFlashForm(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setModal(true);
    ImgFlash = new QLabel(this);
    ImgFlash->move(0, 0);
    Timer1.setInterval(Timing().SplashFirstMs);
    Timer2.setInterval(Timing().SplashTickMs);
    connect(&Timer1, &QTimer::timeout, this, &TFrmFlashForm::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TFrmFlashForm::Timer2Timer);
}

void TFrmFlashForm::SetPicture(const QImage& picture) {
    ImgFlash->setPixmap(QPixmap::fromImage(picture));
    ImgFlash->resize(picture.size());
    setFixedSize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), picture.size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TFrmFlashForm::showEvent(QShowEvent* event) {
    TickCount = 0;
    ProductInfoRead = false;
    Timer1.start();
    Timer2.start();
    QDialog::showEvent(event);
}

void TFrmFlashForm::Timer1Timer() {
    Timer1.stop();
    LoadProductInfo();
    ProductInfoRead = true;
    CloseWhenDone();
}

void TFrmFlashForm::Timer2Timer() {
    ++TickCount;
    CloseWhenDone();
}

void TFrmFlashForm::CloseWhenDone() {
    // Ends after the second tick, and never before the texts are read.
    if (ProductInfoRead && TickCount >= 2) {
        Timer2.stop();
        accept();
    }
}

void ShowSplash() {
    TFrmFlashForm splash;
    QLibrary library(TAppFunc().ApplicationFolder() + ResourceLibraryName);
    if (library.load()) {
        if (auto findResource = reinterpret_cast<decltype(&TessoFindResource)>(
                library.resolve("TessoFindResource"))) {
            size_t size = 0;
            if (const void* data = findResource("ImgFlash", "jpeg", &size))
                splash.SetPicture(DecodeJpeg(
                    QByteArray::fromRawData(static_cast<const char*>(data), qsizetype(size))));
        }
    }
    splash.exec();
    library.unload();
}
