#pragma once

#include "profiles/ConversionChoice.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The options dialog: custom profiles and the eight advanced settings. It is
// created hidden at start-up, lives until the program ends and is shown
// without being modal. Its lists show the conversion choice and publish the
// user's changes into it.
class TfrmOption : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOption(QWidget* parent = nullptr);
    ~TfrmOption() override;

    QLabel* lblCustomProfile;
    QComboBox* cbbCustomProfile;
    QPushButton* btnAdd;
    QPushButton* btnSave;
    QPushButton* btnDel;
    QGroupBox* grpAdvOptions;
    QComboBox* cbbVideoSize;
    QComboBox* cbbVideoBitrate;
    QComboBox* cbbFramerate;
    QComboBox* cbbAspectratio;
    QComboBox* cbbAudioBitrate;
    QComboBox* cbbAudioSample;
    QComboBox* cbbAudioVolumeGain;
    QComboBox* cbbAudioChannels;
    QPushButton* btnApply;
    QPushButton* btnCancel;

    // Events; the user's actions on the controls raise them, code that
    // selects entries never does.
    void FormShow();
    void cbbCustomProfileChange();
    void btnAddClick();
    void btnSaveClick();
    void btnDelClick();
    void btnApplyClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The lists whose positions FormShow remembers for Cancel, and those.
    inline static const QList<TChoiceList> ShownLists = {
        TChoiceList::VideoSize,   TChoiceList::VideoBitrate, TChoiceList::FrameRate,
        TChoiceList::AspectRatio, TChoiceList::AudioBitrate, TChoiceList::SampleRate,
        TChoiceList::VolumeGain,  TChoiceList::Channels,     TChoiceList::CustomProfile};
    QList<int> ShownSelections;
    bool Placed = false;

    void cbbCustomProfileEdited(const QString& text);
    // Replaces the custom-profile entries by the file's and selects the last.
    void RefreshCustomProfiles();
    void ShowChoice();
};
