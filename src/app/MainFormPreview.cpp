#include "app/FrmMainForm.h"

#include "media/JobListView.h"
#include "media/PreviewArea.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "support/PictureButton.h"
#include "support/ScaledPicture.h"

void TFrmMainForm::ConnectPreview() {
    Panel1->SetPictures(ScaledPicture(":/art/trim_outside.png"),
                        ScaledPicture(":/art/trim_inside.png"));
    Panel1->SetMarkerPictures(ScaledPicture(":/art/marker_start.png").toImage(),
                              ScaledPicture(":/art/marker_end.png").toImage());
    Preview = std::make_unique<TPreviewArea>(DSVideoWindowEx1, Panel1);
    TPreviewPlayback& playback = Preview->Playback;
    connect(btnPlay, &QAbstractButton::clicked, this, [&playback] { playback.btnPlayClick(); });
    connect(btnPause, &QAbstractButton::clicked, this, [&playback] { playback.btnPauseClick(); });
    connect(RzBmpButton1, &QAbstractButton::clicked, this,
            [&playback] { playback.RzBmpButton1Click(); });
    connect(dxTreeSourceFileInfo, &QTreeWidget::itemDoubleClicked, this,
            [&playback] { playback.dxTreeSourceFileInfoDblClick(); });
    connect(dxTreeSourceFileInfo, &QTreeWidget::itemClicked, this,
            [this] { Preview->Selection.actDxTreeListOnClickExecute(); });
    connect(dxTreeSourceFileInfo, &TJobListView::RowChosenByKey, this,
            [this] { Preview->Selection.actDxTreeListOnClickExecute(); });
}

void TFrmMainForm::ClosePreview() {
    if (Preview)
        Preview->Close();
}

void TFrmMainForm::StopPreviewAfterListChange() {
    if (Preview)
        Preview->Playback.JobListChanged();
}
