#pragma once

#include <QString>
#include <QStringList>

// The open dialog of the Add button. It keeps the file name of its last
// accepted choice, which a cancel leaves as it was: the source folder that
// is remembered after the dialog comes from it.
class TOpenSourceDialog {
public:
    // The entries of the dialog's filter list, in their order, as
    // "Shown text (patterns)"; the dialog shows the text alone. The first
    // is preselected.
    static QStringList Filters();

    // Shows the multi-select dialog starting in initialFolder; false when
    // cancelled. Files then holds the chosen full paths in the dialog's
    // order and FileName the first of them.
    bool Execute(const QString& initialFolder);

    QString FileName;
    QStringList Files;
};
