#pragma once

#include "convert/ProgressModel.h"

#include <QObject>

class TBatch;

// The running batch's progress, read once out of the encoder's output: the
// one model that the progress window's bars and label, the launcher's bar
// and the notification's counts all follow.
class TBatchProgress final : public QObject {
    Q_OBJECT
public:
    explicit TBatchProgress(const TBatch& batch);

    // The person stopped the batch with the Stop button: the bars empty.
    void Stop();

    // Jobs of this batch that were converted, and that failed, so far.
    int Converted() const { return ConvertedJobs; }
    int Failed() const { return FailedJobs; }

signals:
    // The bars or the label changed, also those of a stopped batch.
    void Changed(const TProgressModel& figures);
    // The overall bar's share of its range, from 0 to 1, while the batch
    // runs; a stopped batch has none to show.
    void OverallMoved(double share);

private:
    void Output(const QString& text, const TProgressJob& job);

    TProgressModel Model;
    int ConvertedJobs = 0;
    int FailedJobs = 0;
};
