#pragma once

#include <QDialog>

// The options dialog: custom profiles and the eight advanced settings. It is
// created hidden at start-up, lives until the program ends and is shown
// without being modal.
class TfrmOption : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOption(QWidget* parent = nullptr);
};
