#include "korrin/Korrin.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString Text(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

QLabel* AddLine(QVBoxLayout* layout, const QString& text, int pixels = 0, bool bold = false) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    if (pixels || bold) {
        QFont font = label->font();
        if (pixels)
            font.setPixelSize(pixels);
        font.setBold(bold);
        label->setFont(font);
    }
    layout->addWidget(label);
    return label;
}

QLabel* AddLink(QVBoxLayout* layout, const QString& caption, const QString& target,
                const QString& shown) {
    QLabel* label =
        AddLine(layout, QString("%1 <a href=\"%2\">%3</a>")
                            .arg(caption, target.toHtmlEscaped(), shown.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    return label;
}

} // namespace

extern "C" __attribute__((visibility("default"))) void
ShowAboutForm(void* application, TKorrinSoftInfo info, TKorrinExtra) {
    auto* app = static_cast<QApplication*>(application);
    const QString product = Text(info.Product);

    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle("About " + product);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* columns = new QHBoxLayout(&dialog);
    auto* icon = new QLabel;
    if (app)
        icon->setPixmap(app->windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    columns->addWidget(icon);

    auto* lines = new QVBoxLayout;
    columns->addLayout(lines);
    AddLine(lines, (product + " " + Text(info.TitleText)).trimmed(), 18, true);
    if (info.ProductText)
        AddLine(lines, Text(info.ProductText));
    if (info.ProductText2)
        AddLine(lines, Text(info.ProductText2));
    if (info.Maker)
        AddLine(lines, "Made by " + Text(info.Maker));
    if (info.HomePage)
        AddLink(lines, "Home page:", Text(info.HomePage), Text(info.HomePage));
    if (info.EMail)
        AddLink(lines, "Support:", "mailto:" + Text(info.EMail), Text(info.EMail));
    if (info.AppFolder)
        AddLine(lines, "Installed in " + Text(info.AppFolder))
            ->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    lines->addSpacing(8);
    lines->addWidget(buttons);
    dialog.setMinimumWidth(380);
    dialog.exec();
}
