// The main window with three sources in its job list, converted through the
// Convert button as a person would, for screenshots of the progress window.
// Run it on a display (Xvfb); it ends when the batch is done.
#include "app/FrmMainForm.h"
#include "convert/FrmConverting.h"
#include "media/JobList.h"
#include "profiles/FrmOption.h"
#include "support/AppFunc.h"
#include "support/Controls.h"
#include "support/Globals.h"
#include "support/PictureButton.h"
#include "testsupport/TestFolders.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TTestFolder folder;
    const QString appFolder = folder.MakeFolder("app");
    QFile::copy(BuildAppFolder() + "ravlin", appFolder + "ravlin");
    TAppFunc::OverrideApplicationFolder(appFolder);
    CreateGlobalObjects();

    TFrmMainForm mainForm;
    TfrmConverting frmConverting;
    TfrmOption frmOption;
    CustomProc->FillProfileLists();
    CustomProc->ApplyProfile();
    mainForm.edtOutputFolder->setText(folder.Path() + "quenvo");
    Controls.Main.chkShowOutputDirectory->setChecked(false); // never open a file manager here
    QStringList sources;
    for (const char* name : {"holiday.avi", "party.avi", "beach.avi"}) {
        sources << folder.Path() + name;
        MakeMedia(sources.last(), 30, {"-c:v", "mpeg4", "-c:a", "mp3"});
    }
    AddSourceFiles(*mainForm.Jobs, sources);
    mainForm.show();
    QTimer::singleShot(1500, [&] {
        mainForm.btnConvert->click();
        QApplication::quit();
    });
    return QApplication::exec();
}
