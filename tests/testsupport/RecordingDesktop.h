#pragma once

#include "support/Desktop.h"
#include "testsupport/WindowGuards.h"

#include <QStringList>

#include <functional>

// Records what would have gone to the desktop; never opens or powers off.
// It stands in for the desktop while it lives.
class TRecordingDesktop final : public TDesktop {
public:
    void OpenUrl(const QString& target) override { Opened << target; }
    bool PowerOff() override {
        ++PowerOffs;
        if (OnPowerOff)
            OnPowerOff();
        return true;
    }
    QStringList Opened;
    int PowerOffs = 0;
    std::function<void()> OnPowerOff; // runs as the power-off is asked for

private:
    TDesktopGuard Installed{this};
};
