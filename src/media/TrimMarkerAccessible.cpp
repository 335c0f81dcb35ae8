#include "media/TrimMarkerAccessible.h"

#include "media/TrimBar.h"

#include <QAccessibleWidget>

namespace {

class TTrimMarkerAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TTrimMarkerAccessible(TTrimMarker* marker)
        : QAccessibleWidget(marker, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override {
        const TTrimBar* bar = Bar();
        return bar ? bar->Seconds(Marker()) : 0;
    }
    void setCurrentValue(const QVariant& value) override {
        if (TTrimBar* bar = Bar())
            bar->MoveTo(Marker(), value.toLongLong());
    }
    QVariant maximumValue() const override {
        const TTrimBar* bar = Bar();
        return bar ? bar->Length() : 0;
    }
    QVariant minimumValue() const override { return 0; }
    // A marker moves in steps of one percent of the row's length.
    QVariant minimumStepSize() const override {
        const TTrimBar* bar = Bar();
        return bar ? bar->Length() / 100.0 : 0.0;
    }

private:
    const TTrimMarker* Marker() const { return static_cast<const TTrimMarker*>(object()); }
    TTrimBar* Bar() const { return qobject_cast<TTrimBar*>(widget()->parentWidget()); }
};

QAccessibleInterface* TrimMarkerFactory(const QString&, QObject* object) {
    if (auto* marker = qobject_cast<TTrimMarker*>(object))
        return new TTrimMarkerAccessible(marker);
    return nullptr;
}

} // namespace

void InstallTrimMarkerAccessible() {
    static const bool installed = (QAccessible::installFactory(TrimMarkerFactory), true);
    (void)installed;
}
