#include "media/SegmentSelection.h"

#include "media/PreviewState.h"
#include "media/TrimBar.h"
#include "support/Controls.h"
#include "support/Globals.h"

#include <QTreeWidget>

#include <cmath>
#include <exception>

namespace {

constexpr int BarWidth = TTrimBar::DefaultWidth;

// Halves go to the even neighbour, as the default rounding mode does.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

void RedrawList() {
    if (QTreeWidget* list = Controls.Main.dxTreeSourceFileInfo)
        list->viewport()->update();
}

} // namespace

void TSegmentSelection::actDxTreeListOnClickExecute() {
    TTrimBar* bar = Controls.Main.Panel1;
    if (!bar)
        return;
    bar->SetBarWidth(BarWidth);
    const int s1 = bar->Splitter1Width();
    const int s2 = bar->Splitter2Width();
    for (QTreeWidgetItem* row : SelectedRows(Controls.Main.dxTreeSourceFileInfo)) {
        if (row->text(1) == CommonLib->CurrentFile)
            continue;
        CustomProc->StopPlayback();
        State.TotalSeconds = ReadTimeCode(row->text(3));
        const qint32 start = ReadTimeCode(row->text(4));
        const qint32 end = ReadTimeCode(row->text(5));
        State.MarkersReady = false;
        // A row without a length has no place for its markers.
        if (State.TotalSeconds > 0) {
            const double total = State.TotalSeconds;
            int p2 = RoundEven(start / total * (BarWidth - 2 - 2 * s1)) + 1;
            if (std::abs(p2 - bar->Panel2Width()) <= 1)
                p2 = bar->Panel2Width();
            int p3 = BarWidth - s1 - s2 - 2 - RoundEven(end / total * (BarWidth - 2 - s1 - s2)) + 1;
            if (std::abs(p3 - bar->Panel3Width()) <= 2)
                p3 = bar->Panel3Width();
            // Both at once: measured against the previous row's other
            // picture, one of them would be cut short.
            bar->PlaceMarkers(p2, p3);
        }
        State.MarkersReady = true;
    }
}

void TSegmentSelection::Splitter1Moved() {
    TTrimBar* bar = Controls.Main.Panel1;
    if (!bar)
        return;
    bar->SetBarWidth(BarWidth);
    const int percent = (bar->Splitter1Left() - 2 + bar->Splitter1Width() - 20) * 121 / BarWidth;
    const qint64 start = static_cast<qint64>(State.TotalSeconds) * percent / 100;
    for (QTreeWidgetItem* row : SelectedRows(Controls.Main.dxTreeSourceFileInfo)) {
        row->setText(4, CommonLib->FormatTimeCode(start));
        row->setText(6, CommonLib->FormatTimeCode(CustomProc->CutSeconds(row->text(1))));
        if (State.MarkersReady) {
            try {
                CommonLib->SeekPreview(Controls.Main.FilterGraph, start * 1000);
            } catch (const std::exception&) {
                // Nothing loaded: only the time is written.
            }
        }
        RedrawList();
    }
}

void TSegmentSelection::Splitter2Moved() {
    TTrimBar* bar = Controls.Main.Panel1;
    if (!bar)
        return;
    bar->SetBarWidth(BarWidth);
    const int percent =
        (bar->Splitter2Left() - 2 + bar->Splitter2Width() - 20 - bar->Splitter1Width()) * 121 /
        BarWidth;
    const qint64 end = static_cast<qint64>(State.TotalSeconds) * percent / 100;
    for (QTreeWidgetItem* row : SelectedRows(Controls.Main.dxTreeSourceFileInfo)) {
        const QString text = CommonLib->FormatTimeCode(end);
        row->setText(5, text);
        State.EndTimeText = text;
        row->setText(6, CommonLib->FormatTimeCode(CustomProc->CutSeconds(row->text(1))));
        RedrawList();
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
    Controls.Main.Panel1->SetPanel2Width(Controls.Main.Panel1->Panel2Width() + step);
    Splitter1Moved();
}

void TSegmentSelection::MoveEnd(int step) {
    Controls.Main.Panel1->SetPanel3Width(Controls.Main.Panel1->Panel3Width() - step);
    Splitter2Moved();
}

void TSegmentSelection::Panel2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        Qt::MouseButtons held) {
    TTrimBar* bar = Controls.Main.Panel1;
    if (!bar)
        return;
    bar->SetBarWidth(BarWidth);
    const int step = NudgeStep(button, modifiers, held);
    if (button == Qt::LeftButton && bar->Panel4Width() > step)
        MoveStart(step);
    else if (button == Qt::RightButton && bar->Panel2Width() > step)
        MoveStart(-step);
}

void TSegmentSelection::Panel4MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        Qt::MouseButtons held) {
    TTrimBar* bar = Controls.Main.Panel1;
    if (!bar)
        return;
    bar->SetBarWidth(BarWidth);
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
    TTrimBar* bar = Controls.Main.Panel1;
    if (!bar)
        return;
    bar->SetBarWidth(BarWidth);
    const int step = NudgeStep(button, modifiers, held);
    if (button == Qt::RightButton && bar->Panel4Width() > step)
        MoveEnd(-step);
    else if (button == Qt::LeftButton && bar->Panel3Width() > step)
        MoveEnd(step);
}
