#include "support/Desktop.h"
#include "support/Seam.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QUrl>

namespace {

class TRealDesktop final : public TDesktop {
public:
    void OpenUrl(const QString& target) override {
        const QUrl url =
            target.startsWith('/') ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::TolerantMode);
        QDesktopServices::openUrl(url);
    }

    bool PowerOff() override {
        QDBusMessage call =
            QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                           "org.freedesktop.login1.Manager", "PowerOff");
        call << false; // not interactive
        const QDBusMessage reply = QDBusConnection::systemBus().call(call);
        return reply.type() == QDBusMessage::ReplyMessage;
    }
};

TRealDesktop realDesktop;
TSeam<TDesktop> desktopSeam(realDesktop);

} // namespace

TDesktop& Desktop() {
    return desktopSeam.Get();
}

TDesktop* SetDesktop(TDesktop* desktop) {
    return desktopSeam.Set(desktop);
}
