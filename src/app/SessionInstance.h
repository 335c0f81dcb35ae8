#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// One window per user session. The first start owns the application's name
// on the session bus and serves the desktop's application interface there:
// Open with the URIs of files to add, Activate to come to the front. A later
// start hands its files to it instead of opening a window. Without a session
// bus every start runs on its own.
class TSessionInstance final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    TSessionInstance();
    ~TSessionInstance() override;
    TSessionInstance(const TSessionInstance&) = delete;
    TSessionInstance& operator=(const TSessionInstance&) = delete;

    // True when a running Quenvo took the files (with none, when it came to
    // the front): this start has nothing more to do. False when this start
    // is the session's first, or runs on its own.
    bool HandOver(const QStringList& files);

public slots:
    // The desktop's application interface, as the bus calls it.
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);

signals:
    // Another start asked for the window.
    void Activated();
    // Another start handed over these files (full paths).
    void FilesHandedOver(const QStringList& files);

private:
    bool Register();

    QDBusConnection Bus;
    bool Registered = false;
};
