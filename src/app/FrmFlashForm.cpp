#include "app/FrmFlashForm.h"

#include "app/JpegPicture.h"
#include "app/ProductInfo.h"
#include "app/SiblingFiles.h"
#include "support/Globals.h"
#include "support/HandlerGuard.h"
#include "support/Timing.h"
#include "tesso/Tesso.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QScreen>
#include <QtMath>

#include <optional>

TFrmFlashForm::TFrmFlashForm(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setModal(true);
    ImgFlash = new QLabel(this);
    ImgFlash->move(0, 0);
    Timer1.setInterval(Timing().SplashFirstMs);
    Timer2.setInterval(Timing().SplashTickMs);
    connect(&Timer1, &QTimer::timeout, this, Guarded(this, &TFrmFlashForm::Timer1Timer));
    connect(&Timer2, &QTimer::timeout, this, Guarded(this, &TFrmFlashForm::Timer2Timer));
}

void TFrmFlashForm::SetPicture(const QImage& picture) {
    const QSize size = picture.deviceIndependentSize().toSize();
    ImgFlash->setPixmap(QPixmap::fromImage(picture));
    ImgFlash->resize(size);
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size);
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

namespace {

// The splash picture from the resource library, or nothing when it has none.
// On denser screens it is the one drawn for twice the density
// ("ImgFlash@2x") where the library has it, as Qt picks "@2x" picture files.
std::optional<QImage> SplashPicture(QLibrary& library) {
    const auto findResource =
        reinterpret_cast<decltype(&TessoFindResource)>(library.resolve("TessoFindResource"));
    if (!findResource)
        return std::nullopt;
    for (const int scale : {2, 1}) {
        if (scale > qCeil(qApp->devicePixelRatio()))
            continue;
        size_t size = 0;
        const void* data = findResource(scale > 1 ? "ImgFlash@2x" : "ImgFlash", "jpeg", &size);
        if (!data)
            continue;
        QImage picture =
            DecodeJpeg(QByteArray::fromRawData(static_cast<const char*>(data), qsizetype(size)));
        picture.setDevicePixelRatio(scale);
        return picture;
    }
    return std::nullopt;
}

} // namespace

void ShowSplash() {
    TFrmFlashForm splash;
    QLibrary library(AppFunc->ApplicationFolder() + ResourceLibraryName);
    if (library.load())
        if (const std::optional<QImage> picture = SplashPicture(library))
            splash.SetPicture(*picture);
    splash.exec();
    library.unload();
}
