#include "app/Startup.h"

#include "app/FrmMainForm.h"
#include "app/SessionInstance.h"
#include "app/StartFiles.h"
#include "convert/FrmConverting.h"
#include "profiles/FrmOption.h"
#include "support/ApplicationId.h"
#include "support/CommonLib.h"

#include <QApplication>
#include <QIcon>

int RunQuenvo(const QStringList& words) {
    QApplication::setApplicationName(ApplicationTitle);
    // The desktop entry's name, by which Wayland compositors and docks find
    // the program's icon and group its windows.
    QGuiApplication::setDesktopFileName(ApplicationId);
    QApplication::setWindowIcon(QIcon(":/art/icon.png"));

    const QStringList files = StartFiles(words);
    TSessionInstance session;
    if (session.HandOver(files))
        return 0;

    // The main window is created first: it is the application's main window.
    TFrmMainForm mainForm;
    QObject::connect(&session, &TSessionInstance::Activated, &mainForm,
                     &TFrmMainForm::BringToFront);
    QObject::connect(&session, &TSessionInstance::FilesHandedOver, &mainForm,
                     &TFrmMainForm::OpenFiles);
    if (!mainForm.FormCreate())
        return 0;
    // Created hidden; they live until the program ends.
    TfrmConverting frmConverting;
    TfrmOption frmOption;

    mainForm.OpenFiles(files);
    mainForm.show();
    return QApplication::exec();
}
