#include "media/SegmentSelection.h"

#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/JobRow.h"
#include "media/PreviewControls.h"
#include "media/PreviewPlayback.h"
#include "media/PreviewState.h"
#include "media/TrimBar.h"
#include "support/Controls.h"
#include "support/Globals.h"

#include <exception>

namespace {

constexpr int BarWidth = TTrimBar::DefaultWidth;

// The trim bar, set back to the width its arithmetic counts with before each
// handler reads or moves its markers; nullptr without one.
TTrimBar* TrimBar() {
    TTrimBar* bar = PreviewControls.Panel1;
    if (bar)
        bar->SetBarWidth(BarWidth);
    return bar;
}

// The selected rows; none without a bound job list.
QList<int> Selected() {
    return JobListModel ? SelectedRows(Controls.Main.dxTreeSourceFileInfo) : QList<int>();
}

QString Text(int row, TJobColumn column) {
    return JobListModel->Text(row, column);
}

// The Cut Time a marker move leaves the row, read as the batch reads it.
void ShowCutTime(int row) {
    JobListModel->SetText(
        row, dxtrlstclConvertDuration,
        CommonLib->FormatTimeCode(CustomProc->CutSeconds(Text(row, dxtrlSourceFileName))));
}

} // namespace

void TSegmentSelection::actDxTreeListOnClickExecute() {
    if (!TrimBar())
        return;
    for (const int row : Selected()) {
        if (Text(row, dxtrlSourceFileName) == CommonLib->CurrentFile)
            continue;
        CustomProc->StopPlayback();
        PlaceMarkersFrom(row);
    }
}

void TSegmentSelection::JobRowsRemoved() {
    for (const int row : Selected())
        PlaceMarkersFrom(row);
}

void TSegmentSelection::PlaceMarkersFrom(int row) {
    TTrimBar* bar = TrimBar();
    if (!bar)
        return;
    State.TotalSeconds = ReadTimeCode(Text(row, dxtrlSourceFileDuration));
    const qint32 start = ReadTimeCode(Text(row, dxtrlSourceFileStartTime));
    const qint32 end = ReadTimeCode(Text(row, dxtrlSourceFileEndTime));
    State.MarkersReady = false;
    // A row without a length has no place for its markers.
    if (State.TotalSeconds > 0) {
        const TTrimMeasures placed =
            PlaceForSegment(bar->Measures(), start, end, State.TotalSeconds);
        // Both at once: measured against the previous row's other
        // picture, one of them would be cut short.
        bar->PlaceMarkers(placed.P2, placed.P3);
    }
    State.MarkersReady = true;
}

void TSegmentSelection::Splitter1Moved() {
    TTrimBar* bar = TrimBar();
    if (!bar)
        return;
    const qint64 start = StartSeconds(bar->Measures(), bar->Splitter1Left(), State.TotalSeconds);
    for (const int row : Selected()) {
        JobListModel->SetText(row, dxtrlSourceFileStartTime, CommonLib->FormatTimeCode(start));
        ShowCutTime(row);
        if (State.MarkersReady) {
            try {
                SeekPreview(PreviewControls.FilterGraph, start * 1000);
            } catch (const std::exception&) {
                // Nothing loaded: only the time is written.
            }
        }
    }
}

void TSegmentSelection::Splitter2Moved() {
    TTrimBar* bar = TrimBar();
    if (!bar)
        return;
    const qint64 end = EndSeconds(bar->Measures(), bar->Splitter2Left(), State.TotalSeconds);
    for (const int row : Selected()) {
        const QString text = CommonLib->FormatTimeCode(end);
        JobListModel->SetText(row, dxtrlSourceFileEndTime, text);
        State.EndTimeText = text;
        ShowCutTime(row);
    }
}

int TSegmentSelection::NudgeStep(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 Qt::MouseButtons held) {
    // The keys and buttons count as one exact set.
    const Qt::KeyboardModifiers keys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held != Qt::MouseButtons(button))
        return 5;
    if (keys == Qt::ControlModifier)
        return 1;
    if (keys == Qt::ShiftModifier)
        return 10;
    return 5;
}

void TSegmentSelection::MoveStart(int step) {
    PreviewControls.Panel1->SetPanel2Width(PreviewControls.Panel1->Panel2Width() + step);
    Splitter1Moved();
}

void TSegmentSelection::MoveEnd(int step) {
    PreviewControls.Panel1->SetPanel3Width(PreviewControls.Panel1->Panel3Width() - step);
    Splitter2Moved();
}

void TSegmentSelection::Panel2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        Qt::MouseButtons held) {
    TTrimBar* bar = TrimBar();
    if (!bar)
        return;
    const int step = NudgeStep(button, modifiers, held);
    if (button == Qt::LeftButton && bar->Panel4Width() > step)
        MoveStart(step);
    else if (button == Qt::RightButton && bar->Panel2Width() > step)
        MoveStart(-step);
}

void TSegmentSelection::Panel4MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        Qt::MouseButtons held) {
    TTrimBar* bar = TrimBar();
    if (!bar)
        return;
    const int step = NudgeStep(button, modifiers, held);
    if (bar->Panel4Width() <= step)
        return;
    if (button == Qt::LeftButton)
        MoveStart(step);
    else if (button == Qt::RightButton)
        MoveEnd(-step);
}

void TSegmentSelection::Panel3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        Qt::MouseButtons held) {
    TTrimBar* bar = TrimBar();
    if (!bar)
        return;
    const int step = NudgeStep(button, modifiers, held);
    if (button == Qt::RightButton && bar->Panel4Width() > step)
        MoveEnd(-step);
    else if (button == Qt::LeftButton && bar->Panel3Width() > step)
        MoveEnd(step);
}

void TSegmentSelection::Splitter1KeyDown(int direction, Qt::KeyboardModifiers modifiers) {
    if (direction > 0)
        Panel4MouseDown(Qt::LeftButton, modifiers, Qt::LeftButton);
    else
        Panel2MouseDown(Qt::RightButton, modifiers, Qt::RightButton);
}

void TSegmentSelection::Splitter2KeyDown(int direction, Qt::KeyboardModifiers modifiers) {
    if (direction > 0)
        Panel3MouseDown(Qt::LeftButton, modifiers, Qt::LeftButton);
    else
        Panel3MouseDown(Qt::RightButton, modifiers, Qt::RightButton);
}
