#include "convert/Batch.h"

#include "convert/EncoderName.h"
#include "support/CustomProc.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QFileInfo>
#include <QRegularExpression>

TEncoderTools ChildEncoder() {
    return {[](const TProgramCall& call, const TOutputCallback& callback) -> std::optional<int> {
                TAdvanceSystem runner;
                if (!runner.RunAndCapture(call, callback))
                    return std::nullopt;
                return runner.ExitCode();
            },
            [] { return SysFunc->FindProcess(EncoderProcessName) != 0; }};
}

namespace {

// The last line the encoder wrote: its status lines end in "\r", its
// messages in "\n".
QString LastLine(const QString& output) {
    const QStringList lines = output.split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        if (!lines[i].trimmed().isEmpty())
            return lines[i].trimmed();
    return "no output";
}

// The job's output file, created empty when its name was chosen. It goes
// again unless the job is kept: a failed job leaves no file that doesn't
// play, nor an empty one.
struct TReservedOutput {
    const QString& Path;
    bool Keep = false;
    ~TReservedOutput() {
        if (!Keep)
            FileFunc->DiscardReservedOutput(Path);
    }
};

// The batch counts as running from its start until it returns, however it ends.
struct TRunningFlag {
    bool& Running;
    explicit TRunningFlag(bool& running) : Running(running) { Running = true; }
    ~TRunningFlag() { Running = false; }
};

} // namespace

TBatch::TBatch(TCustomProc& figures, TJobRows rows,
               std::function<TBatchJob(const QString&)> makeJob, TEncoderTools encoder)
    : Proc(figures), Rows(std::move(rows)), MakeJob(std::move(makeJob)),
      Encoder(std::move(encoder)) {}

TProgressJob TBatch::Figures() const {
    return {Proc.RowCount, Proc.CurrentRow, Proc.OutputCount, Job.CutSeconds,
            Job.Form,      SourceFile,      Job.Call.Program};
}

void TBatch::Run() {
    if (Proc.BatchRunning)
        return; // batches never nest, not even while a stopped one winds down
    const TRunningFlag running(Proc.BatchRunning);
    Proc.BatchStopped = false;
    Proc.CurrentRow = 0;
    Proc.RowCount = Rows.Count();
    if (Proc.RowCount == 0) {
        emit NoRows();
        return;
    }
    emit Started(Proc.RowCount);
    QStringList failed;
    // Rows added while a stopped batch winds down wait for the next Convert.
    while (!Proc.BatchStopped && Proc.CurrentRow <= Rows.Count() - 1) {
        if (const std::optional<QString> sourceFile = Rows.CheckedSource(Proc.CurrentRow)) {
            const QString reason = RunJob(*sourceFile);
            if (!reason.isEmpty()) {
                failed << *sourceFile + " - " + reason;
                AppFunc->WriteLog("Convert error: " + failed.last());
            }
            emit JobFinished(*sourceFile, reason);
        }
        ++Proc.CurrentRow;
    }
    emit Finished(Proc.BatchStopped, failed);
}

// Runs the job of one row; the reason it failed, or nothing.
QString TBatch::RunJob(const QString& sourceFile) {
    SourceFile = sourceFile;
    Job = MakeJob(sourceFile);
    Proc.CommandLine = Job.Call;
    TReservedOutput output{Job.OutputPath};
    AppFunc->WriteLog("parameter: " + CommandLineText(Job.Call));
    Proc.OutputCount = 0;

    emit JobStarting(Figures());
    ProcessMessages();
    PumpingSleep(Timing().BeforeRunMs);
    ProcessMessages();

    QString lastOutput;
    std::optional<int> exitCode;
    // A stop during the pause leaves the job unstarted.
    if (!Proc.BatchStopped) {
        exitCode = Encoder.Run(Job.Call, [&](const QString& text) {
            lastOutput = text;
            // Clicks, repaints and the stop are served here while the encoder runs.
            ProcessMessages();
            ++Proc.OutputCount;
            emit Output(text, Figures());
        });
    }
    ProcessMessages();
    PumpingSleep(Timing().AfterRunMs);
    while (Encoder.StillRunning()) {
        PumpingSleep(Timing().ProcessPollMs);
        ProcessMessages();
    }

    const bool written = QFileInfo(Job.OutputPath).size() > 0;
    if (Proc.BatchStopped) {
        // A stopped encoder closes its output so that what it holds plays.
        output.Keep = written;
        return {}; // a stopped job is no failure
    }
    if (!exitCode)
        return "the encoder could not be started";
    if (*exitCode != 0 || !written)
        return LastLine(lastOutput);
    output.Keep = true;
    return {};
}
