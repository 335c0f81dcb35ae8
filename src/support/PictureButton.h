#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn from pictures: one each for its normal, hot (mouse over),
// pressed and disabled states. A state without a picture of its own shows
// the normal picture.
class TPictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // name: what the button does, its tooltip and accessible name.
    explicit TPictureButton(const QString& name, QWidget* parent = nullptr);

    // Loads base + ".png", base + "_hot.png", base + "_down.png" and
    // base + "_disabled.png"; missing files leave those states to the normal picture.
    void LoadPictures(const QString& base);
    void SetPictures(const QPixmap& normal, const QPixmap& hot, const QPixmap& pressed,
                     const QPixmap& disabled = {});

    // The picture the button shows in its current state.
    const QPixmap& CurrentPicture() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap Normal, Hot, Pressed, Disabled;
};
