#include "profiles/FrmOption.h"

TfrmOption::TfrmOption(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Options");
    // A fixed dialog frame with only a close box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFixedSize(476, 260);
}
