#include "profiles/FrmOption.h"

#include "profiles/ConfigFiles.h"
#include "profiles/ConfigInfo.h"
#include "profiles/ProfileChoice.h"
#include "support/AccessibleNames.h"
#include "support/Controls.h"
#include "support/Globals.h"
#include "support/HandlerGuard.h"
#include "support/LayoutFonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QComboBox* MakeList(QWidget* parent, const QRect& at) {
    auto* list = new QComboBox(parent);
    list->setGeometry(at);
    // The longest entries ("2 channels, Stereo") need the narrow face.
    list->setFont(CondensedFont(list->font()));
    return list;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QRect& at) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(at);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& at) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    return label;
}

} // namespace

TfrmOption::TfrmOption(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Options");
    // A fixed dialog frame with only a close box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFixedSize(476, 260);
    SetLayoutFont(this);

    lblCustomProfile = new QLabel("Custom Profile:", this);
    lblCustomProfile->setGeometry(12, 14, 92, 22);
    cbbCustomProfile = MakeList(this, QRect(106, 14, 158, 22));
    NameByLabel(lblCustomProfile, cbbCustomProfile);
    cbbCustomProfile->setEditable(true);
    // Typed names stay names: no completion, and Enter adds no entry.
    cbbCustomProfile->setCompleter(nullptr);
    cbbCustomProfile->setInsertPolicy(QComboBox::NoInsert);
    cbbCustomProfile->lineEdit()->setMaxLength(255);
    // Leaving the field (a click on Save, Add or Delete, Tab, Enter) would
    // select and load the entry whose name was typed, replacing the user's
    // settings before they are stored: only picking an entry selects one.
    disconnect(cbbCustomProfile->lineEdit(), &QLineEdit::editingFinished, cbbCustomProfile,
               nullptr);
    btnAdd = MakeButton(this, "Add", QRect(272, 13, 60, 24));
    btnSave = MakeButton(this, "Save", QRect(338, 13, 60, 24));
    btnDel = MakeButton(this, "Delete", QRect(404, 13, 60, 24));

    grpAdvOptions = new QGroupBox("Advanced Options", this);
    grpAdvOptions->setGeometry(8, 48, 460, 166);
    // The right column's texts are longer ("2 channels, Stereo").
    constexpr int rowTop = 26, rowStep = 34, height = 22;
    const auto place = [&](int column, int row, const QString& caption) {
        const int left = column == 0 ? 4 : 208, labelWidth = column == 0 ? 122 : 120,
                  listWidth = column == 0 ? 76 : 126, top = rowTop + row * rowStep;
        QLabel* label = MakeLabel(grpAdvOptions, caption, QRect(left, top, labelWidth, height));
        QComboBox* list =
            MakeList(grpAdvOptions, QRect(left + labelWidth + 4, top, listWidth, height));
        NameByLabel(label, list);
        return list;
    };
    cbbVideoSize = place(0, 0, "Video Size:");
    cbbVideoBitrate = place(0, 1, "Video Bitrate(kbps):");
    cbbFramerate = place(0, 2, "Frame Rate(fps):");
    cbbAspectratio = place(0, 3, "Aspect Ratio:");
    cbbAudioBitrate = place(1, 0, "Audio Bitrate(kbps):");
    cbbAudioSample = place(1, 1, "Audio Sample(khz):");
    cbbAudioVolumeGain = place(1, 2, "Audio Volume(%):");
    cbbAudioChannels = place(1, 3, "Audio Channels:");

    btnApply = MakeButton(this, "OK", QRect(308, 224, 75, 25));
    btnApply->setDefault(true);
    btnCancel = MakeButton(this, "Cancel", QRect(389, 224, 75, 25));

    connect(cbbCustomProfile, &QComboBox::activated, this,
            Guarded([this] { cbbCustomProfileChange(); }));
    connect(cbbCustomProfile->lineEdit(), &QLineEdit::textEdited, this,
            Guarded(this, &TfrmOption::cbbCustomProfileEdited));
    connect(btnAdd, &QPushButton::clicked, this, Guarded(this, &TfrmOption::btnAddClick));
    connect(btnSave, &QPushButton::clicked, this, Guarded(this, &TfrmOption::btnSaveClick));
    connect(btnDel, &QPushButton::clicked, this, Guarded(this, &TfrmOption::btnDelClick));
    connect(btnApply, &QPushButton::clicked, this, Guarded(this, &TfrmOption::btnApplyClick));
    connect(btnCancel, &QPushButton::clicked, this, Guarded(this, &TfrmOption::btnCancelClick));
    BindControls();
}

TfrmOption::~TfrmOption() {
    // Logic must not reach lists that are gone.
    if (Controls.Option.Window == this)
        Controls.Option = TOptionControls();
}

void TfrmOption::BindControls() {
    TOptionControls& o = Controls.Option;
    o.Window = this;
    o.cbbCustomProfile = cbbCustomProfile;
    o.cbbVideoSize = cbbVideoSize;
    o.cbbFramerate = cbbFramerate;
    o.cbbVideoBitrate = cbbVideoBitrate;
    o.cbbAudioBitrate = cbbAudioBitrate;
    o.cbbAudioChannels = cbbAudioChannels;
    o.cbbAudioSample = cbbAudioSample;
    o.cbbAspectratio = cbbAspectratio;
    o.cbbAudioVolumeGain = cbbAudioVolumeGain;
}

QList<QComboBox*> TfrmOption::SnapshotLists() const {
    return {cbbVideoSize,   cbbVideoBitrate,    cbbFramerate,     cbbAspectratio,  cbbAudioBitrate,
            cbbAudioSample, cbbAudioVolumeGain, cbbAudioChannels, cbbCustomProfile};
}

void TfrmOption::showEvent(QShowEvent* event) {
    if (!Placed) {
        // Centred on the desktop the first time; later the user's place stays.
        Placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmOption::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btnCancelClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmOption::FormShow() {
    const QString text = cbbCustomProfile->currentText();
    cbbCustomProfile->clear();
    cbbCustomProfile->addItems(CommonLib->ReadConfigSections(ProfileFile));
    cbbCustomProfile->setCurrentIndex(-1);
    cbbCustomProfile->setEditText(text);
    // With an empty field, the custom profile chosen in the main window.
    if (text.isEmpty() && Controls.Main.cbbProfile)
        cbbCustomProfile->setCurrentIndex(std::max(-1, Controls.Main.cbbProfile->currentIndex() -
                                                           Unit_ConfigInfo::QualityCount()));
    ShownSelections.clear();
    for (const QComboBox* list : SnapshotLists())
        ShownSelections << list->currentIndex();
}

void TfrmOption::cbbCustomProfileChange() {
    CustomProc->LoadSelectedCustomProfile();
}

void TfrmOption::cbbCustomProfileEdited(const QString& text) {
    // A typed name selects no entry, so nothing is loaded while typing.
    QLineEdit* edit = cbbCustomProfile->lineEdit();
    const int cursor = edit->cursorPosition();
    cbbCustomProfile->setCurrentIndex(-1);
    cbbCustomProfile->setEditText(text);
    edit->setCursorPosition(cursor);
    cbbCustomProfileChange();
}

void TfrmOption::RefreshCustomProfiles() {
    cbbCustomProfile->clear();
    cbbCustomProfile->addItems(CommonLib->ReadConfigSections(ProfileFile));
    cbbCustomProfile->setCurrentIndex(cbbCustomProfile->count() - 1);
    if (cbbCustomProfile->count() == 0)
        cbbCustomProfile->clearEditText();
}

void TfrmOption::btnAddClick() {
    CustomProc->AddCustomProfile();
    RefreshCustomProfiles();
}

void TfrmOption::btnSaveClick() {
    CustomProc->SaveCustomProfile();
    RefreshCustomProfiles();
}

void TfrmOption::btnDelClick() {
    CustomProc->DeleteCustomProfile();
    RefreshCustomProfiles();
}

void TfrmOption::btnApplyClick() {
    if (Controls.Main.cbbProfile)
        FillProfileList(Controls.Main.cbbProfile);
    hide();
}

void TfrmOption::btnCancelClick() {
    const QList<QComboBox*> lists = SnapshotLists();
    for (qsizetype i = 0; i < lists.size() && i < ShownSelections.size(); ++i)
        lists[i]->setCurrentIndex(ShownSelections[i]);
    hide();
}
