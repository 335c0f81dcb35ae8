#include "media/JobList.h"
#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/JobRow.h"
#include "media/OpenSourceDialog.h"
#include "media/ProbeGraph.h"
#include "support/CommonLib.h"
#include "support/Errors.h"
#include "support/EventPump.h"
#include "support/Globals.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>

#include <algorithm>
#include <limits>

namespace {

const char* const ReadingError = "Files reading error! Please check your files.";

int FirstSelected(const QTreeView* list) {
    return SelectedRows(list).value(0, -1);
}

// The busy cursor for as long as a probe runs.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace

QStringList ChooseSourceFiles(TOpenSourceDialog& dialog, bool removeDuplicates,
                              const QString& initialFolder) {
    if (!dialog.Execute(initialFolder))
        return {};
    if (!removeDuplicates)
        return dialog.Files;
    QStringList names;
    QSet<QString> seen;
    for (const QString& name : dialog.Files)
        if (!seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    return names;
}

void AddSourceFiles(TJobListModel& jobs, const QStringList& names) {
    TProbeGraph graph;
    AddSourceFiles(jobs, names, graph);
}

void AddSourceFiles(TJobListModel& jobs, const QStringList& names, TMediaGraph& graph) {
    for (const QString& name : names) {
        if (jobs.Contains(name) || !IsSourceFile(name))
            continue;
        if (!IsFaithfulFileName(name)) {
            CommonLib->ShowMessageBox(ReadingError, 1);
            continue;
        }
        QString duration;
        qint64 size = -1;
        {
            const TBusyCursor busy;
            duration = CommonLib->FormatTimeCode(ProbeDuration(name, graph));
            if (duration != "00:00:00") {
                // A size that can't be read rejects the file like a duration.
                try {
                    size = CommonLib->ReadFileSize(name);
                } catch (const EQuenvoError&) {
                }
            }
        }
        if (duration == "00:00:00" || size < 0) {
            CommonLib->ShowMessageBox(ReadingError, 1);
            continue;
        }
        jobs.AddRow({"True", name, CommonLib->FormatFileSize(size), duration, "00:00:00", duration,
                     duration});
    }
    graph.MakeInactive();
}

int ProbeDuration(const QString& path, TMediaGraph& graph) {
    try {
        graph.RemoveAllFilters();
        graph.MakeActive();
        graph.RenderFile(path);
        const qint64 ms = graph.DurationMs();
        graph.MakeInactive();
        return int(std::clamp<qint64>(ms / 1000, 0, std::numeric_limits<int>::max()));
    } catch (const std::exception&) {
        return 0;
    }
}

qint64 TCommonLib::ReadFileSize(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EQuenvoError("Cannot open file \"" + path + "\". " + file.errorString());
    return file.size();
}

void RemoveSelectedJobs(QTreeView* target) {
    const QPointer<QTreeView> list(target);
    if (!list || FirstSelected(list) < 0)
        return;
    ProcessMessages();
    if (!list)
        return;
    // Persistent indexes follow the rows as others go and turn invalid when
    // their own row goes.
    const QPersistentModelIndex focused = list->currentIndex();
    QPersistentModelIndex noted = focused.isValid() ? list->indexAbove(focused) : QModelIndex();
    const bool hadFocus = focused.isValid();
    list->setUpdatesEnabled(false);
    // Pending events run between deletions and may change the list, so rows
    // are looked up afresh each time and the noted row checked before use.
    const auto finish = [&] {
        if (!list)
            return;
        if (noted.isValid()) {
            list->setCurrentIndex(noted);
            list->selectionModel()->select(noted, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
        } else if (hadFocus && !focused.isValid()) {
            list->selectionModel()->clearCurrentIndex();
        }
        list->setUpdatesEnabled(true);
    };
    try {
        while (list && FirstSelected(list) >= 0) {
            ProcessMessages();
            if (!list)
                break;
            const int row = FirstSelected(list);
            if (row < 0)
                break;
            list->model()->removeRow(row);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
