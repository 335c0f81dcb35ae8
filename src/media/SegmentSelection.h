#pragma once

#include <Qt>

struct TPreviewState;

// The trim bar's logic: a row click places the markers from the row's
// segment, a marker move writes its time into the selected rows, a press on
// a picture nudges a marker. Acts on PreviewControls' trim bar and the job
// list of Controls.Main and its rows in JobListModel.
class TSegmentSelection {
public:
    explicit TSegmentSelection(TPreviewState& state) : State(state) {}

    void actDxTreeListOnClickExecute();
    // After rows were removed: the row that takes the selection places the
    // markers, even the file the preview holds, so that no later nudge
    // writes its times from a removed row's length.
    void JobRowsRemoved();
    void Splitter1Moved();
    void Splitter2Moved();
    void Panel2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         Qt::MouseButtons held);
    void Panel4MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         Qt::MouseButtons held);
    void Panel3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         Qt::MouseButtons held);
    // A marker stepped with Left (-1) or Right (+1): the step and its
    // conditions are those of the press beside the marker that moves it the
    // same way.
    void Splitter1KeyDown(int direction, Qt::KeyboardModifiers modifiers);
    void Splitter2KeyDown(int direction, Qt::KeyboardModifiers modifiers);

    // Pixels a nudge moves: Ctrl alone 1, Shift alone 10, anything else 5.
    static int NudgeStep(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         Qt::MouseButtons held);

private:
    void PlaceMarkersFrom(int row);
    void MoveStart(int step);
    void MoveEnd(int step);

    TPreviewState& State;
};
