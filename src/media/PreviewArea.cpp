#include "media/PreviewArea.h"

#include "media/PreviewControls.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "support/HandlerGuard.h"

TPreviewArea::TPreviewArea(TVideoWindow* videoWindow, TTrimBar* trimBar) {
    FilterGraph.BindVideoWindow(videoWindow);
    FilterGraph.BindTracker(&dstrckbrMainform);
    dstrckbrMainform.SetHandler([this](qint64 positionMs, qint64 durationMs) {
        Playback.dstrckbrMainformTimer(positionMs, durationMs);
    });
    PreviewControls.FilterGraph = &FilterGraph;
    PreviewControls.dstrckbrMainform = &dstrckbrMainform;
    PreviewControls.Panel1 = trimBar;
    if (!trimBar)
        return;
    trimBar->SetLengthSource([this] { return State.TotalSeconds; });
    QObject::connect(trimBar->Splitter1, &TTrimMarker::KeyDown, trimBar,
                     [this](int direction, Qt::KeyboardModifiers modifiers) {
                         Selection.Splitter1KeyDown(direction, modifiers);
                     });
    QObject::connect(trimBar->Splitter2, &TTrimMarker::KeyDown, trimBar,
                     [this](int direction, Qt::KeyboardModifiers modifiers) {
                         Selection.Splitter2KeyDown(direction, modifiers);
                     });
    QObject::connect(trimBar, &TTrimBar::Splitter1Moved, trimBar,
                     Guarded([this] { Selection.Splitter1Moved(); }));
    QObject::connect(trimBar, &TTrimBar::Splitter2Moved, trimBar,
                     Guarded([this] { Selection.Splitter2Moved(); }));
    QObject::connect(trimBar->Panel2, &TTrimPicture::MouseDown, trimBar,
                     Guarded([this](Qt::MouseButton b, Qt::KeyboardModifiers m,
                                    Qt::MouseButtons h) { Selection.Panel2MouseDown(b, m, h); }));
    QObject::connect(trimBar->Panel4, &TTrimPicture::MouseDown, trimBar,
                     Guarded([this](Qt::MouseButton b, Qt::KeyboardModifiers m,
                                    Qt::MouseButtons h) { Selection.Panel4MouseDown(b, m, h); }));
    QObject::connect(trimBar->Panel3, &TTrimPicture::MouseDown, trimBar,
                     Guarded([this](Qt::MouseButton b, Qt::KeyboardModifiers m,
                                    Qt::MouseButtons h) { Selection.Panel3MouseDown(b, m, h); }));
}

TPreviewArea::~TPreviewArea() {
    Close();
    FilterGraph.BindVideoWindow(nullptr);
    if (PreviewControls.FilterGraph == &FilterGraph) {
        PreviewControls.FilterGraph = nullptr;
        PreviewControls.dstrckbrMainform = nullptr;
        // The bar may outlive the state it reads its length from.
        if (PreviewControls.Panel1)
            PreviewControls.Panel1->SetLengthSource({});
        PreviewControls.Panel1 = nullptr;
    }
}

void TPreviewArea::Close() {
    FilterGraph.MakeInactive();
    FilterGraph.RemoveAllFilters();
}
