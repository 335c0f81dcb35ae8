#pragma once

#include "media/PreviewGraph.h"
#include "media/PreviewPlayback.h"
#include "media/PreviewState.h"
#include "media/PreviewTracker.h"
#include "media/SegmentSelection.h"

class TTrimBar;
class TVideoWindow;

// What the main window owns for its preview: the preview graph with its
// tracker, the preview state and the handlers of playback and trim bar.
// It binds the video window into the graph and the graph, the tracker and
// the trim bar into PreviewControls, and unbinds them when it goes.
class TPreviewArea {
public:
    TPreviewArea(TVideoWindow* videoWindow, TTrimBar* trimBar);
    ~TPreviewArea();
    TPreviewArea(const TPreviewArea&) = delete;
    TPreviewArea& operator=(const TPreviewArea&) = delete;

    // The main window closes: nothing of the preview remains.
    void Close();

    TPreviewGraph FilterGraph;
    TPreviewTracker dstrckbrMainform{FilterGraph};
    TPreviewState State;
    TPreviewPlayback Playback{State};
    TSegmentSelection Selection{State};
};
