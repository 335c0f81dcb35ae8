#pragma once

#include "convert/AdvanceSystem.h"
#include "convert/ProgressModel.h"
#include "support/ProgramCall.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class TCustomProc;

// The job list as the batch reads it, row by row at every step, since rows
// may be added while it runs.
struct TJobRows {
    std::function<int()> Count;
    // The source file of a row that takes part; nothing for an unticked one.
    std::function<std::optional<QString>(int row)> CheckedSource;
};

// One job's encoder call and what the progress display is told of it.
struct TBatchJob {
    TProgramCall Call;
    QString OutputPath; // created empty when the call was made
    QString CutSeconds;
    TCommandForm Form = TCommandForm::None;
};

// How the batch starts the encoder and learns of its end.
struct TEncoderTools {
    // Runs the call to its end, handing over every chunk of its console
    // output; its exit code, or nothing when it could not be started.
    std::function<std::optional<int>(const TProgramCall&, const TOutputCallback&)> Run;
    // Whether an encoder this program started is still running.
    std::function<bool()> StillRunning;
};

// The encoder as a child process (TAdvanceSystem), found among our own
// children by its name.
TEncoderTools ChildEncoder();

// Converts the rows of the job list one after the other on the
// user-interface thread, serving window events (a stop among them) all the
// while. Its figures are CustomProc's batch figures, which a stop changes.
class TBatch final : public QObject {
    Q_OBJECT
public:
    TBatch(TCustomProc& figures, TJobRows rows, std::function<TBatchJob(const QString&)> makeJob,
           TEncoderTools encoder);

    // Runs the batch; nothing when one is running already, not even while
    // a stopped one winds down.
    void Run();

signals:
    // The batch has rows to work through, as many as the list held then.
    void Started(int rowCount);
    // Before every job's pause; the job is not started yet.
    void JobStarting(const TProgressJob& job);
    // A chunk of the encoder's output, with the figures as they stand once
    // the pending window events have run.
    void Output(const QString& text, const TProgressJob& job);
    // A job is over; the file and its reason when it failed.
    void JobFinished(const QString& sourceFile, const QString& failure);
    // The rows are done or the batch was stopped; the failed files with
    // their reasons. The batch still counts as running until it returns.
    void Finished(bool stopped, const QStringList& failures);
    // A batch was asked for with no row in the list.
    void NoRows();

private:
    QString RunJob(const QString& sourceFile);
    TProgressJob Figures() const;

    TCustomProc& Proc;
    TJobRows Rows;
    std::function<TBatchJob(const QString&)> MakeJob;
    TEncoderTools Encoder;
    QString SourceFile; // of the job being worked on
    TBatchJob Job;
};
