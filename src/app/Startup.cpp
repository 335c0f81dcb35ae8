#include "app/Startup.h"

#include "app/FrmMainForm.h"
#include "convert/FrmConverting.h"
#include "profiles/FrmOption.h"
#include "support/CommonLib.h"

#include <QApplication>
#include <QIcon>

int RunQuenvo() {
    QApplication::setApplicationName(ApplicationTitle);
    // The desktop entry's name, by which Wayland compositors and docks find
    // the program's icon and group its windows.
    QGuiApplication::setDesktopFileName("org.quenvo.Quenvo");
    QApplication::setWindowIcon(QIcon(":/art/icon.png"));

    // The main window is created first: it is the application's main window.
    TFrmMainForm mainForm;
    if (!mainForm.FormCreate())
        return 0;
    // Created hidden; they live until the program ends.
    TfrmConverting frmConverting;
    TfrmOption frmOption;

    mainForm.show();
    return QApplication::exec();
}
