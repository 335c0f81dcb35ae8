#include "app/FrmMainForm.h"

#include "profiles/ChoiceBinding.h"
#include "support/Controls.h"
#include "support/Globals.h"
#include "support/HandlerGuard.h"
#include "support/PictureButton.h"

#include <QComboBox>
#include <QLineEdit>

void TFrmMainForm::ConnectOutputChoices() {
    ShowChoiceList(cbbOutputFiletype, TChoiceList::OutputType);
    ShowChoiceList(cbbProfile, TChoiceList::Profile);
    TConversionChoice& choice = Choice();
    choice.SetOutputFolder(edtOutputFolder->text());
    connect(edtOutputFolder, &QLineEdit::textChanged, &choice, &TConversionChoice::SetOutputFolder);
    // activated, not currentIndexChanged: filling and selecting by code
    // must not apply a profile.
    connect(cbbOutputFiletype, &QComboBox::activated, this,
            Guarded(this, &TFrmMainForm::cbbOutputFiletypeChange));
    connect(cbbProfile, &QComboBox::activated, this,
            Guarded(this, &TFrmMainForm::cbbProfileChange));
    connect(btnOptions, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::btnOptionsClick));
    connect(btnSelectOutputFolder, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::btnSelectOutputFolderClick));
}

void TFrmMainForm::cbbOutputFiletypeChange() {
    CustomProc->ApplyProfile();
}

void TFrmMainForm::cbbProfileChange() {
    CustomProc->ApplyProfile();
}

void TFrmMainForm::btnOptionsClick() {
    // Not modal: the main window stays usable while the dialog is open.
    QWidget* options = Controls.Option.Window;
    if (!options)
        return;
    options->show();
    options->raise();
    options->activateWindow();
}

void TFrmMainForm::btnSelectOutputFolderClick() {
    edtOutputFolder->setText(CommonLib->SelectOutputFolder(edtOutputFolder->text()));
}
