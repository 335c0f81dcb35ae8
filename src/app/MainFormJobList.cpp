// The main window's job-list handlers: adding through the open dialog and by
// drops from the file manager, removing and clearing.
#include "app/FrmMainForm.h"
#include "media/JobList.h"
#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/PreviewArea.h"
#include "support/Globals.h"
#include "support/HandlerGuard.h"
#include "support/PictureButton.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <utility>

namespace {

// The local files a drag carries, in its order; empty when it carries none.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            names << url.toLocalFile();
    return names;
}

} // namespace

void TFrmMainForm::ConnectJobList() {
    connect(btnOpenFile, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::btnOpenFileClick));
    connect(btnRemoveFile, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::btnRemoveFileClick));
    connect(btnClearFile, &QAbstractButton::clicked, this,
            Guarded(this, &TFrmMainForm::btnClearFileClick));
    connect(dxTreeSourceFileInfo, &TJobListView::dxTreeSourceFileInfoKeyDown, this,
            Guarded(this, &TFrmMainForm::btnRemoveFileClick));
    connect(dxTreeSourceFileInfo, &TJobListView::dxTreeSourceFileInfoEndDrag, this,
            Guarded(this, &TFrmMainForm::btnRemoveFileClick));
}

void TFrmMainForm::btnOpenFileClick() {
    const QString folder = CustomProc->LoadSourceFolder();
    const QStringList names = ChooseSourceFiles(dlgOpenSourceFile, true, folder);
    AddSourceFiles(*Jobs, names);
    // Also after a cancel: the dialog keeps the file name of its last choice.
    CustomProc->SaveSourceFolder(dlgOpenSourceFile.FileName);
}

void TFrmMainForm::btnRemoveFileClick() {
    RemoveSelectedJobs(dxTreeSourceFileInfo);
    StopPreviewAfterListChange();
    if (Preview)
        Preview->Selection.JobRowsRemoved();
}

void TFrmMainForm::btnClearFileClick() {
    Jobs->Clear();
    StopPreviewAfterListChange();
}

void TFrmMainForm::WMDropFiles(const QStringList& names) {
    AddSourceFiles(*Jobs, names);
}

void TFrmMainForm::OpenFiles(const QStringList& names) {
    if (!ShowDone || !isEnabled()) {
        WaitingFiles << names;
        return;
    }
    if (names.isEmpty())
        return;
    // Probing waits until the caller is served: the file manager that
    // started a drag, or the start that handed the files over.
    QMetaObject::invokeMethod(
        this, [this, names] { WMDropFiles(names); }, Qt::QueuedConnection);
}

void TFrmMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && ShowDone)
        OpenFiles(std::exchange(WaitingFiles, {}));
}

void TFrmMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TFrmMainForm::dropEvent(QDropEvent* event) {
    const QStringList names = DroppedFiles(event->mimeData());
    if (names.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenFiles(names);
}
