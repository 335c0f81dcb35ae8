#pragma once

#include <QDialog>

// The progress window shown while a batch runs. One instance, created hidden
// at start-up and kept.
class TfrmConverting : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConverting(QWidget* parent = nullptr);
};
