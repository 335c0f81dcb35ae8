#include "app/SessionInstance.h"

#include "app/StartFiles.h"
#include "support/ApplicationId.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

const char* const ApplicationInterface = "org.freedesktop.Application";
const char* const ConnectionName = "quenvo session instance";

// A connection of its own to the session bus named now, whose name goes
// with the instance.
QDBusConnection ConnectToSessionBus() {
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty())
        return QDBusConnection::connectToBus(QDBusConnection::SessionBus, ConnectionName);
    return QDBusConnection::connectToBus(address, ConnectionName);
}

} // namespace

TSessionInstance::TSessionInstance() : Bus(ConnectToSessionBus()) {}

TSessionInstance::~TSessionInstance() {
    if (Registered) {
        Bus.unregisterService(ApplicationId);
        Bus.unregisterObject(ApplicationPath());
    }
    QDBusConnection::disconnectFromBus(ConnectionName);
}

bool TSessionInstance::Register() {
    // The object is in place before the name is taken, so a call that comes
    // with the name finds it.
    if (!Bus.registerObject(ApplicationPath(), this, QDBusConnection::ExportAllSlots))
        return false;
    if (Bus.registerService(ApplicationId))
        return Registered = true;
    Bus.unregisterObject(ApplicationPath());
    return false;
}

bool TSessionInstance::HandOver(const QStringList& files) {
    if (!Bus.isConnected() || Register())
        return false;
    // The name is taken: the session's first start is running.
    QDBusMessage call =
        QDBusMessage::createMethodCall(ApplicationId, ApplicationPath(), ApplicationInterface,
                                       files.isEmpty() ? "Activate" : "Open");
    if (!files.isEmpty())
        call << FileUris(files);
    call << QVariantMap();
    // Without its answer the files may not have arrived: this start goes on
    // by itself rather than lose them.
    return Bus.call(call).type() == QDBusMessage::ReplyMessage;
}

void TSessionInstance::Activate(const QVariantMap&) {
    emit Activated();
}

void TSessionInstance::Open(const QStringList& uris, const QVariantMap&) {
    emit Activated();
    const QStringList files = FilesOfUris(uris);
    if (!files.isEmpty())
        emit FilesHandedOver(files);
}
