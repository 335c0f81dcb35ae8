#pragma once

#include <QStringList>

class QTreeView;
class TJobListModel;
class TMediaGraph;
class TOpenSourceDialog;

// The job list's operations on its model (JobListModel.h) and its view.

// Shows the open dialog starting in initialFolder; the chosen full paths in
// the dialog's order (only the first of repeated paths when removeDuplicates
// is set), empty when it was cancelled.
QStringList ChooseSourceFiles(TOpenSourceDialog& dialog, bool removeDuplicates,
                              const QString& initialFolder);
// Appends a Job row for each name that is not listed yet, carries a source
// extension and lasts at least one second. Names already listed or of
// another type are skipped silently; a file whose duration or size can't be
// read gets a warning box of its own. One probe graph serves the whole call.
void AddSourceFiles(TJobListModel& jobs, const QStringList& names);
// The same with the probe graph given (tests use their own graph).
void AddSourceFiles(TJobListModel& jobs, const QStringList& names, TMediaGraph& graph);
// The file's duration in whole seconds; 0 when it can't be read.
int ProbeDuration(const QString& path, TMediaGraph& graph);
// Deletes the rows selected in the list from its model; the row above the
// focused one, if it survives, gets the focus and the selection.
void RemoveSelectedJobs(QTreeView* list);
