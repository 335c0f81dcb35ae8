#pragma once

#include <QObject>
#include <QString>

// Keeps the desktop's screen saver and monitor power-saving off while asked
// to, through org.freedesktop.ScreenSaver on the session bus. Without a
// session bus or that service it silently does nothing.
class TScreenSaverInhibitor final : public QObject {
    Q_OBJECT

public:
    explicit TScreenSaverInhibitor(QObject* parent = nullptr);
    ~TScreenSaverInhibitor() override;

    void SetInhibited(bool inhibited);

    // The bus service asked; tests point it at a stand-in service.
    static QString Service;

private:
    void Release();

    bool Wanted = false;
    bool Pending = false;
    bool Held = false;
    quint32 Cookie = 0;
};
