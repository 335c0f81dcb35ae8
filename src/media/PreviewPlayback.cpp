#include "media/PreviewPlayback.h"

#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/JobRow.h"
#include "media/PreviewControls.h"
#include "media/PreviewGraph.h"
#include "media/PreviewState.h"
#include "media/PreviewTracker.h"
#include "support/Controls.h"
#include "support/Errors.h"
#include "support/Globals.h"

#include <QLabel>
#include <QProgressBar>

#include <exception>

namespace {

TPreviewGraph* Graph() {
    return PreviewControls.FilterGraph;
}

bool GraphActive() {
    return Graph() && Graph()->Active();
}

void ShowLogo(bool shown) {
    if (QWidget* logo = Controls.Main.panLogo) {
        logo->setVisible(shown);
        if (shown)
            logo->raise();
    }
}

// Plays or pauses the loaded file; a failure shows the logo.
void RunGraph(bool play, bool& playing) {
    if (!GraphActive())
        return;
    try {
        Graph()->Run(play);
        playing = play;
        // A paused picture stays in view as well.
        ShowLogo(false);
    } catch (const std::exception&) {
        ShowLogo(true);
    }
}

// The selected rows' texts of the column; none without a bound job list.
QStringList SelectedTexts(TJobColumn column) {
    QStringList texts;
    if (JobListModel)
        for (const int row : SelectedRows(Controls.Main.dxTreeSourceFileInfo))
            texts << JobListModel->Text(row, column);
    return texts;
}

void ResetBar() {
    if (QProgressBar* bar = Controls.Main.pbPlayState)
        bar->setValue(0);
}

} // namespace

// ---- CustomProc and CommonLib

void TCustomProc::OpenAndPlay(const QString& path) {
    TPreviewGraph* graph = Graph();
    if (!graph)
        return;
    graph->MakeInactive();
    graph->RemoveAllFilters();
    graph->MakeActive();
    int result = -1;
    try {
        result = graph->RenderFile(path);
    } catch (const std::exception&) {
        // A render that fails outright counts as an unsuccessful one.
        result = -1;
    }
    // Only a loaded file is the current one: after a failed load Play loads
    // the selected rows again and a click on the row is served as usual.
    CommonLib->CurrentFile = result == 0 ? path : QString();
    if (result != 0) {
        AppFunc->WriteLog("Playing Video error.");
        graph->RemoveAllFilters();
        return;
    }
    RunGraph(true, Playing);
}

void TCustomProc::ResumePlayback() {
    RunGraph(true, Playing);
}

void TCustomProc::PausePlayback() {
    RunGraph(false, Playing);
}

void TCustomProc::StopPlayback() {
    if (!GraphActive())
        return;
    try {
        TPreviewGraph* graph = Graph();
        graph->Stop();
        graph->MakeInactive();
        graph->RemoveAllFilters();
        CommonLib->CurrentFile.clear();
        if (QLabel* time = Controls.Main.pnlCurTime)
            time->setText(CommonLib->FormatTimeCode(0));
        Playing = false;
        ShowLogo(true);
        if (TPreviewTracker* tracker = PreviewControls.dstrckbrMainform)
            tracker->SetPosition(0);
        ResetBar();
    } catch (const std::exception&) {
        ShowLogo(true);
        ResetBar();
    }
}

void SeekPreview(TPreviewGraph* graph, qint64 milliseconds) {
    if (!graph || !graph->Active())
        throw EQuenvoError("The preview graph has no file to seek in.");
    graph->SetPosition(milliseconds * 10000);
}

// ---- The main window's handlers

void TPreviewPlayback::btnPlayClick() {
    if (!CommonLib->CurrentFile.isEmpty()) {
        if (!CustomProc->Playing)
            CustomProc->ResumePlayback();
        return;
    }
    // Paths first: loading serves window events, which may change the list.
    for (const QString& path : SelectedTexts(dxtrlSourceFileName))
        CustomProc->OpenAndPlay(path);
}

void TPreviewPlayback::btnPauseClick() {
    if (!CommonLib->CurrentFile.isEmpty() && CustomProc->Playing)
        CustomProc->PausePlayback();
}

void TPreviewPlayback::RzBmpButton1Click() {
    CustomProc->StopPlayback();
}

void TPreviewPlayback::dxTreeSourceFileInfoDblClick() {
    const QStringList paths = SelectedTexts(dxtrlSourceFileName);
    const QStringList durations = SelectedTexts(dxtrlSourceFileDuration);
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i], &duration = durations[i];
        if (path != CommonLib->CurrentFile) {
            CustomProc->OpenAndPlay(path);
            State.TotalSeconds = ReadTimeCode(duration);
        } else {
            CustomProc->PausePlayback();
        }
    }
}

void TPreviewPlayback::dstrckbrMainformTimer(qint64 positionMs, qint64 durationMs) {
    TPreviewGraph* graph = Graph();
    if (!graph || !graph->Active())
        return;
    if (QProgressBar* bar = Controls.Main.pbPlayState) {
        if (const TPreviewTracker* tracker = PreviewControls.dstrckbrMainform) {
            bar->setMaximum(tracker->Maximum());
            bar->setMinimum(0);
            bar->setValue(tracker->Position());
        }
    }
    const qint64 seconds = graph->CurrentPosition() / 10'000'000;
    QLabel* time = Controls.Main.pnlCurTime;
    if (time)
        time->setText(CommonLib->FormatTimeCode(seconds));
    if (time && time->text() == State.EndTimeText) {
        SeekPreview(graph, 0);
        CustomProc->PausePlayback();
    }
    if (static_cast<quint64>(positionMs) >= static_cast<quint64>(durationMs)) {
        SeekPreview(graph, 0);
        CustomProc->StopPlayback();
    }
}

void TPreviewPlayback::JobListChanged() {
    CustomProc->StopPlayback();
}
