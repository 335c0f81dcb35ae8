#include "profiles/FrmOption.h"

#include "profiles/ChoiceBinding.h"
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
    ShowChoice();
}

TfrmOption::~TfrmOption() {
    // The main window must not show a dialog that is gone.
    if (Controls.Option.Window == this)
        Controls.Option = TOptionControls();
}

void TfrmOption::ShowChoice() {
    Controls.Option.Window = this;
    TConversionChoice& choice = Choice();
    ShowChoiceList(cbbVideoSize, TChoiceList::VideoSize);
    ShowChoiceList(cbbFramerate, TChoiceList::FrameRate);
    ShowChoiceList(cbbVideoBitrate, TChoiceList::VideoBitrate);
    ShowChoiceList(cbbAudioBitrate, TChoiceList::AudioBitrate);
    ShowChoiceList(cbbAudioChannels, TChoiceList::Channels);
    ShowChoiceList(cbbAudioSample, TChoiceList::SampleRate);
    ShowChoiceList(cbbAspectratio, TChoiceList::AspectRatio);
    ShowChoiceList(cbbAudioVolumeGain, TChoiceList::VolumeGain);
    ShowChoiceList(cbbCustomProfile, TChoiceList::CustomProfile);
    const auto showName = [this, &choice] {
        if (cbbCustomProfile->currentText() != choice.CustomProfileName())
            cbbCustomProfile->setEditText(choice.CustomProfileName());
    };
    showName();
    connect(&choice, &TConversionChoice::CustomProfileNamed, this, showName);
    connect(cbbCustomProfile->lineEdit(), &QLineEdit::textChanged, &choice,
            &TConversionChoice::NameCustomProfile);
    const auto enableVideoLists = [this](bool enabled) {
        for (QComboBox* list : {cbbVideoSize, cbbFramerate, cbbVideoBitrate, cbbAspectratio})
            list->setEnabled(enabled);
    };
    enableVideoLists(choice.VideoOptionsEnabled());
    connect(&choice, &TConversionChoice::VideoOptionsEnabledChanged, this, enableVideoLists);
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
    TConversionChoice& choice = Choice();
    const QString text = choice.CustomProfileName();
    // No entry is selected, even one that bears the name in the field.
    choice.Fill(TChoiceList::CustomProfile, CommonLib->ReadConfigSections(ProfileFile), -1);
    choice.NameCustomProfile(text);
    // With an empty field, the custom profile chosen in the main window.
    if (text.isEmpty())
        choice.Select(TChoiceList::CustomProfile,
                      choice.Position(TChoiceList::Profile) - Unit_ConfigInfo::QualityCount());
    ShownSelections.clear();
    for (TChoiceList list : ShownLists)
        ShownSelections << choice.Position(list);
}

void TfrmOption::cbbCustomProfileChange() {
    CustomProc->LoadSelectedCustomProfile();
}

void TfrmOption::cbbCustomProfileEdited(const QString& text) {
    // A typed name selects no entry, so nothing is loaded while typing.
    QLineEdit* edit = cbbCustomProfile->lineEdit();
    const int cursor = edit->cursorPosition();
    Choice().Select(TChoiceList::CustomProfile, -1);
    Choice().NameCustomProfile(text);
    edit->setCursorPosition(cursor);
    cbbCustomProfileChange();
}

void TfrmOption::RefreshCustomProfiles() {
    // Selecting the last entry names it; with none left the field is empty.
    const QStringList names = CommonLib->ReadConfigSections(ProfileFile);
    Choice().Fill(TChoiceList::CustomProfile, names, int(names.size()) - 1);
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
    FillProfileList(TChoiceList::Profile);
    hide();
}

void TfrmOption::btnCancelClick() {
    for (qsizetype i = 0; i < ShownLists.size() && i < ShownSelections.size(); ++i)
        Choice().Select(ShownLists[i], ShownSelections[i]);
    hide();
}
