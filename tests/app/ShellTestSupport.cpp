#include "app/ShellTestSupport.h"

#include "support/EventPump.h"
#include "support/Timing.h"
#include "testsupport/TestFolders.h"

#include "app/FrmFlashForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

TQuickSplash::TQuickSplash() {
    Timing().SplashFirstMs = 5;
    Timing().SplashTickMs = 20;
}

TRunGuard::TRunGuard(int timeoutMs) : TimeoutMs(timeoutMs) {
    Timer.setSingleShot(true);
    QObject::connect(&Timer, &QTimer::timeout, [this] {
        Expired = true;
        QCoreApplication::exit(1);
    });
    Timer.start(timeoutMs);
}

TRunGuard::~TRunGuard() {
    if (Expired)
        ADD_FAILURE() << "The program was still running after " << TimeoutMs / 1000
                      << " s; the test ended it.";
}

void CopySiblings(const QString& folder, const QStringList& names) {
    for (const QString& name : names)
        QFile::copy(BuildAppFolder() + name, folder + name);
}

bool WaitUntil(const std::function<bool()>& check, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        PumpingSleep(5);
    }
    return true;
}

void WhenReady(const std::function<bool()>& check, const std::function<void()>& action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, check, action] {
        if (!check())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(5);
}

QWidget* VisibleSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TFrmFlashForm*>(w) && w->isVisible())
            return w;
    return nullptr;
}
