#include "media/JobList.h"
#include "media/JobListView.h"
#include "media/JobRow.h"
#include "media/OpenSourceDialog.h"
#include "media/ProbeGraph.h"
#include "support/CommonLib.h"
#include "support/Controls.h"
#include "support/CustomProc.h"
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

bool IsListed(const QTreeWidget* list, const QString& name) {
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (list->topLevelItem(row)->text(dxtrlSourceFileName) == name)
            return true;
    return false;
}

QTreeWidgetItem* FirstSelected(const QTreeWidget* list) {
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (list->topLevelItem(row)->isSelected())
            return list->topLevelItem(row);
    return nullptr;
}

bool Contains(const QTreeWidget* list, const QTreeWidgetItem* item) {
    return item && list->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) >= 0;
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

void AddSourceFiles(QTreeWidget* list, const QStringList& names) {
    TProbeGraph graph;
    AddSourceFiles(list, names, graph);
}

void AddSourceFiles(QTreeWidget* list, const QStringList& names, TMediaGraph& graph) {
    for (const QString& name : names) {
        if (IsListed(list, name) || !IsSourceFile(name))
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
        auto* row = new QTreeWidgetItem(list);
        row->setText(dxtrlchkCheckStatus, "True");
        row->setText(dxtrlSourceFileName, name);
        row->setText(dxtrlSourceFileSize, CommonLib->FormatFileSize(size));
        row->setText(dxtrlSourceFileDuration, duration);
        row->setText(dxtrlSourceFileStartTime, "00:00:00");
        row->setText(dxtrlSourceFileEndTime, duration);
        row->setText(dxtrlstclConvertDuration, duration);
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

void RemoveSelectedJobs(QTreeWidget* target) {
    const QPointer<QTreeWidget> list(target);
    if (!list || !FirstSelected(list))
        return;
    ProcessMessages();
    if (!list)
        return;
    QTreeWidgetItem* focused = list->currentItem();
    QTreeWidgetItem* noted = focused ? list->itemAbove(focused) : nullptr;
    bool focusedGone = false;
    list->setUpdatesEnabled(false);
    // Pending events run between deletions and may change the list, so rows
    // are looked up afresh each time and the noted row checked before use.
    const auto finish = [&] {
        if (!list)
            return;
        if (Contains(list, noted)) {
            list->setCurrentItem(noted);
            noted->setSelected(true);
        } else if (focusedGone) {
            list->selectionModel()->clearCurrentIndex();
        }
        list->setUpdatesEnabled(true);
    };
    try {
        while (list && FirstSelected(list)) {
            ProcessMessages();
            if (!list)
                break;
            QTreeWidgetItem* row = FirstSelected(list);
            if (!row)
                break;
            if (row == noted)
                noted = nullptr;
            if (row == focused)
                focusedGone = true;
            delete row;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

bool ClearJobs(QTreeWidget* list) {
    if (!list)
        return false;
    list->clear();
    return true;
}

QList<QTreeWidgetItem*> JobRowsOfFile(const QTreeWidget* list, const QString& path) {
    QList<QTreeWidgetItem*> rows;
    if (!list)
        return rows;
    // Exactly: Clip.avi and clip.avi are two files, each with its own times.
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* job = list->topLevelItem(row);
        if (job->text(dxtrlSourceFileName) == path)
            rows << job;
    }
    return rows;
}

int TCustomProc::CutSeconds(const QString& path) const {
    int cut = 0;
    for (const QTreeWidgetItem* job : JobRowsOfFile(Controls.Main.dxTreeSourceFileInfo, path))
        cut = TimeCodeSeconds(job->text(dxtrlSourceFileEndTime)) -
              TimeCodeSeconds(job->text(dxtrlSourceFileStartTime));
    return cut;
}
