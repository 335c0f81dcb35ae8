#include "app/FrmMainForm.h"

#include "media/JobListView.h"
#include "media/PreviewArea.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "support/HandlerGuard.h"
#include "support/PictureButton.h"
#include "support/ScaledPicture.h"

void TFrmMainForm::ConnectPreview() {
    Panel1->SetPictures(Art("trim_outside.png"), Art("trim_inside.png"));
    Panel1->SetMarkerPictures(Art("marker_start.png").toImage(), Art("marker_end.png").toImage());
    Preview = std::make_unique<TPreviewArea>(DSVideoWindowEx1, Panel1);
    TPreviewPlayback& playback = Preview->Playback;
    connect(btnPlay, &QAbstractButton::clicked, this,
            Guarded([&playback] { playback.btnPlayClick(); }));
    connect(btnPause, &QAbstractButton::clicked, this,
            Guarded([&playback] { playback.btnPauseClick(); }));
    connect(RzBmpButton1, &QAbstractButton::clicked, this,
            Guarded([&playback] { playback.RzBmpButton1Click(); }));
    connect(dxTreeSourceFileInfo, &QAbstractItemView::doubleClicked, this,
            Guarded([&playback] { playback.dxTreeSourceFileInfoDblClick(); }));
    connect(dxTreeSourceFileInfo, &QAbstractItemView::clicked, this,
            Guarded([this] { Preview->Selection.actDxTreeListOnClickExecute(); }));
    connect(dxTreeSourceFileInfo, &TJobListView::RowChosenByKey, this,
            Guarded([this] { Preview->Selection.actDxTreeListOnClickExecute(); }));
}

void TFrmMainForm::ClosePreview() {
    if (Preview)
        Preview->Close();
}

void TFrmMainForm::StopPreviewAfterListChange() {
    if (Preview)
        Preview->Playback.JobListChanged();
}
