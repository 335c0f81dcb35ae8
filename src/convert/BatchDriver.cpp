// The batch: every row of the job list converted in turn through the
// encoder, then the end actions.
#include "convert/AdvanceSystem.h"
#include "convert/BatchOnDesktop.h"
#include "convert/CommandForm.h"
#include "convert/EncoderName.h"
#include "convert/ProgramEnd.h"
#include "convert/ProgressDisplay.h"
#include "media/JobListModel.h"
#include "media/JobRow.h"
#include "support/Controls.h"
#include "support/Desktop.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QRegularExpression>

TProgressDisplay ProgressDisplay;

namespace {

bool Ticked(const QCheckBox* box) {
    return box && box->isChecked();
}

// The batch's figures for the job being converted, as they stand now.
TProgressJob ProgressJob() {
    const TCustomProc& proc = *CustomProc;
    const TCommonLib::TConvertParameterStruct& params = CommonLib->ConvertParams;
    return {proc.RowCount,
            proc.CurrentRow,
            proc.OutputCount,
            proc.JobCutSeconds,
            CommandForm(params.CodecParam),
            params.SourceFile,
            params.EncoderPath};
}

void ShowProgressWindow() {
    if (ProgressDisplay.Show)
        ProgressDisplay.Show(ProgressJob());
    if (Controls.Main.Window)
        Controls.Main.Window->setEnabled(false);
}

void HideProgressWindow() {
    if (ProgressDisplay.Hide)
        ProgressDisplay.Hide();
    if (Controls.Main.Window)
        Controls.Main.Window->setEnabled(true);
}

// The last line the encoder wrote: its status lines end in "\r", its
// messages in "\n".
QString LastLine(const QString& output) {
    const QStringList lines = output.split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        if (!lines[i].trimmed().isEmpty())
            return lines[i].trimmed();
    return "no output";
}

// Logs a failed job; gives the file and its reason as the failure list
// shows them.
QString ReportFailure(const QString& sourceFile, const QString& reason) {
    const QString failure = sourceFile + " - " + reason;
    AppFunc->WriteLog("Convert error: " + failure);
    return failure;
}

// Leaves the windows as a user can work with them however the batch ends,
// unless the program is ending at once.
struct TBatchScope {
    bool ProgramEnding = false;
    TBatchScope() { CustomProc->BatchRunning = true; }
    ~TBatchScope() {
        CustomProc->BatchRunning = false;
        if (!ProgramEnding)
            HideProgressWindow();
    }
};

} // namespace

void TCustomProc::StopBatch() {
    CurrentRow = RowCount;
    BatchStopped = true;
}

namespace {

// The job's output file, created empty when its name was chosen. It goes
// again unless the job is kept: a failed job leaves no file that doesn't
// play, nor an empty one.
struct TReservedOutput {
    bool Keep = false;
    ~TReservedOutput() {
        if (!Keep)
            FileFunc->DiscardReservedOutput(CustomProc->JobOutputPath);
    }
};

} // namespace

// Runs the job of one row; the reason it failed, or nothing.
static QString RunJob(const QString& sourceFile) {
    TCustomProc& proc = *CustomProc;
    proc.CommandLine = proc.CreateConvertParameter(sourceFile);
    TReservedOutput output;
    AppFunc->WriteLog("parameter: " + CommandLineText(proc.CommandLine));
    proc.OutputCount = 0;

    TAdvanceSystem runner;
    ShowProgressWindow();
    ProcessMessages();
    PumpingSleep(Timing().BeforeRunMs);
    ProcessMessages();

    QString lastOutput;
    bool ran = false;
    // A stop during the pause leaves the job unstarted.
    if (!proc.BatchStopped) {
        ran = runner.RunAndCapture(proc.CommandLine, [&](const QString& text) {
            lastOutput = text;
            // Clicks, repaints and the stop are served here while the encoder runs.
            ProcessMessages();
            ++proc.OutputCount;
            if (ProgressDisplay.OnEncoderOutput)
                ProgressDisplay.OnEncoderOutput(text, ProgressJob());
        });
    }
    ProcessMessages();
    PumpingSleep(Timing().AfterRunMs);
    while (SysFunc->FindProcess(EncoderProcessName) != 0) {
        PumpingSleep(Timing().ProcessPollMs);
        ProcessMessages();
    }

    const bool written = QFileInfo(proc.JobOutputPath).size() > 0;
    if (proc.BatchStopped) {
        // A stopped encoder closes its output so that what it holds plays.
        output.Keep = written;
        return {}; // a stopped job is no failure
    }
    if (!ran)
        return "the encoder could not be started";
    if (runner.ExitCode() != 0 || !written)
        return LastLine(lastOutput);
    output.Keep = true;
    return {};
}

void TCustomProc::RunBatch() {
    const TJobListModel* jobList = JobListModel;
    if (BatchRunning || !jobList)
        return; // batches never nest, not even while a stopped one winds down
    TBatchScope scope;
    BatchStopped = false;
    CurrentRow = 0;
    RowCount = jobList->rowCount();
    if (RowCount == 0) {
        CommonLib->ShowNoFilesMessage();
        return;
    }
    TBatchOnDesktop onDesktop;

    QStringList failed;
    // Rows added while a stopped batch winds down wait for the next Convert.
    while (!BatchStopped && CurrentRow <= jobList->rowCount() - 1) {
        if (jobList->Text(CurrentRow, dxtrlchkCheckStatus) == "True") {
            const QString sourceFile = jobList->Text(CurrentRow, dxtrlSourceFileName);
            if (const QString reason = RunJob(sourceFile); !reason.isEmpty())
                failed << ReportFailure(sourceFile, reason);
        }
        ++CurrentRow;
    }

    const bool shutdown = Ticked(Controls.Main.chkShutdown);
    onDesktop.JobsDone(BatchStopped, shutdown, RowCount - int(failed.size()), int(failed.size()));
    // An unattended batch still powers off; the log holds its failures.
    if (!BatchStopped && !failed.isEmpty() && !shutdown)
        CommonLib->ShowMessageBox("These files could not be converted:\n" + failed.join('\n'), 1);
    if (Ticked(Controls.Main.chkShowOutputDirectory))
        CommonLib->OpenFolderInExplorer(CommonLib->ConvertParams.OutputFolder);
    if (shutdown) {
        CommonLib->ShutdownComputer();
        scope.ProgramEnding = true;
        EndProgramNow();
    }
}

void TCommonLib::ShowNoFilesMessage() const {
    ShowMessageBox("Please add media files you want to convert into the list.", 1);
}

void TCommonLib::OpenFolderInExplorer(const QString& folder) const {
    Desktop().OpenUrl(folder);
}

void TCommonLib::ShutdownComputer() const {
    EnableShutdownPrivilege();
    PowerOff();
}

// Powering off is granted by logind; there is no privilege to enable.
bool TCommonLib::EnableShutdownPrivilege() const {
    return true;
}

bool TCommonLib::PowerOff() const {
    EnableShutdownPrivilege();
    return Desktop().PowerOff();
}
