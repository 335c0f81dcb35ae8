#include "media/PreviewArea.h"

#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "support/Controls.h"

TPreviewArea::TPreviewArea(TVideoWindow* videoWindow, TTrimBar* trimBar) {
    FilterGraph.BindVideoWindow(videoWindow);
    FilterGraph.BindTracker(&dstrckbrMainform);
    dstrckbrMainform.SetHandler([this](qint64 positionMs, qint64 durationMs) {
        Playback.dstrckbrMainformTimer(positionMs, durationMs);
    });
    Controls.Main.FilterGraph = &FilterGraph;
    Controls.Main.dstrckbrMainform = &dstrckbrMainform;
    Controls.Main.Panel1 = trimBar;
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
                     [this] { Selection.Splitter1Moved(); });
    QObject::connect(trimBar, &TTrimBar::Splitter2Moved, trimBar,
                     [this] { Selection.Splitter2Moved(); });
    QObject::connect(trimBar->Panel2, &TTrimPicture::MouseDown, trimBar,
                     [this](Qt::MouseButton b, Qt::KeyboardModifiers m, Qt::MouseButtons h) {
                         Selection.Panel2MouseDown(b, m, h);
                     });
    QObject::connect(trimBar->Panel4, &TTrimPicture::MouseDown, trimBar,
                     [this](Qt::MouseButton b, Qt::KeyboardModifiers m, Qt::MouseButtons h) {
                         Selection.Panel4MouseDown(b, m, h);
                     });
    QObject::connect(trimBar->Panel3, &TTrimPicture::MouseDown, trimBar,
                     [this](Qt::MouseButton b, Qt::KeyboardModifiers m, Qt::MouseButtons h) {
                         Selection.Panel3MouseDown(b, m, h);
                     });
}

TPreviewArea::~TPreviewArea() {
    Close();
    FilterGraph.BindVideoWindow(nullptr);
    if (Controls.Main.FilterGraph == &FilterGraph) {
        Controls.Main.FilterGraph = nullptr;
        Controls.Main.dstrckbrMainform = nullptr;
        // The bar may outlive the state it reads its length from.
        if (Controls.Main.Panel1)
            Controls.Main.Panel1->SetLengthSource({});
        Controls.Main.Panel1 = nullptr;
    }
}

void TPreviewArea::Close() {
    FilterGraph.MakeInactive();
    FilterGraph.RemoveAllFilters();
}
