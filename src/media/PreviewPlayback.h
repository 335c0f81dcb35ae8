#pragma once

#include <QtGlobal>

class TPreviewGraph;
struct TPreviewState;

// Moves the preview to an absolute position in milliseconds; raises
// EQuenvoError when the graph is missing or not active.
void SeekPreview(TPreviewGraph* graph, qint64 milliseconds);

// The main window's preview handlers: the Play, Pause and Stop buttons, the
// double-click on a row, the tracker's tick and the stop after the job list
// changes. They act on the controls bound in Controls.Main and
// PreviewControls.
class TPreviewPlayback {
public:
    explicit TPreviewPlayback(TPreviewState& state) : State(state) {}

    void btnPlayClick();
    void btnPauseClick();
    void RzBmpButton1Click();
    void dxTreeSourceFileInfoDblClick();
    // Called by the position tracker once a tick.
    void dstrckbrMainformTimer(qint64 positionMs, qint64 durationMs);
    // After Remove, Delete, a drag out of the list and Clear.
    void JobListChanged();

private:
    TPreviewState& State;
};
