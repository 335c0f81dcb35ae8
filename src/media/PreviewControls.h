#pragma once

class TPreviewGraph;
class TPreviewTracker;
class TTrimBar;

// The main window's preview engine, its position tracker and the trim bar,
// bound by the preview area while it lives (the other controls are in
// support/Controls.h). nullptr while no preview area is there.
struct TPreviewControls {
    TPreviewGraph* FilterGraph = nullptr;
    TPreviewTracker* dstrckbrMainform = nullptr;
    TTrimBar* Panel1 = nullptr;
};

extern TPreviewControls PreviewControls;
