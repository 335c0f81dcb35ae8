#include "convert/BatchProgress.h"

#include "convert/Batch.h"

TBatchProgress::TBatchProgress(const TBatch& batch) {
    connect(&batch, &TBatch::Started, this, [this](int rowCount) {
        Model.Show(rowCount);
        emit Changed(Model);
    });
    connect(&batch, &TBatch::JobStarting, this, [this] {
        Model.StartJob();
        emit Changed(Model);
    });
    connect(&batch, &TBatch::Output, this, &TBatchProgress::Output);
    connect(&batch, &TBatch::JobFinished, this, [this](const QString&, const QString& failure) {
        ++(failure.isEmpty() ? ConvertedJobs : FailedJobs);
    });
}

void TBatchProgress::Stop() {
    Model.Stop();
    emit Changed(Model);
}

void TBatchProgress::Output(const QString& text, const TProgressJob& job) {
    Model.Refresh(text, job);
    emit Changed(Model);
    const TBarFigures& bar = Model.Overall;
    // A stop moves the row past the last one.
    if (job.CurrentRow >= job.RowCount || bar.Maximum <= bar.Minimum || bar.Value < bar.Minimum)
        return;
    emit OverallMoved(double(bar.Value - bar.Minimum) / double(bar.Maximum - bar.Minimum));
}
