#include "convert/FrmConverting.h"

TfrmConverting::TfrmConverting(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Converting");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFixedSize(435, 222);
}
