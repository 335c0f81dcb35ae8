// The batch over the main window's job list, with the windows and the
// desktop following it, then the end actions.
#include "convert/BatchDriver.h"

#include "convert/BatchOnDesktop.h"
#include "convert/BatchProgress.h"
#include "convert/CommandForm.h"
#include "convert/FrmConverting.h"
#include "convert/ProgramEnd.h"
#include "media/JobListModel.h"
#include "media/JobRow.h"
#include "support/Controls.h"
#include "support/Desktop.h"
#include "support/Globals.h"

#include <QWidget>

#include <optional>

namespace {

void EnableMainWindow(bool enabled) {
    if (Controls.Main.Window)
        Controls.Main.Window->setEnabled(enabled);
}

// The batch's reading of the job list.
TJobRows JobListRows(const TJobListModel* jobList) {
    return {[jobList] { return jobList->rowCount(); },
            [jobList](int row) -> std::optional<QString> {
                if (jobList->Text(row, dxtrlchkCheckStatus) != "True")
                    return std::nullopt;
                return jobList->Text(row, dxtrlSourceFileName);
            }};
}

// The command line of a row's job, and what the progress window shows of it.
TBatchJob MakeJob(const QString& sourceFile) {
    TBatchJob job;
    job.Call = CustomProc->CreateConvertParameter(sourceFile);
    job.OutputPath = CustomProc->JobOutputPath;
    job.CutSeconds = CustomProc->JobCutSeconds;
    job.Form = CommandForm(CommonLib->ConvertParams.CodecParam);
    return job;
}

// What follows the batch's end: the desktop is told, failures are listed,
// the output folder opened and the computer powered off as the person
// chose. True when the program is ending at once.
bool EndActions(TBatchOnDesktop& onDesktop, bool stopped, const QStringList& failed,
                const TBatchEnd& end) {
    onDesktop.JobsDone(stopped, end.Shutdown);
    // An unattended batch still powers off; the log holds its failures.
    if (!stopped && !failed.isEmpty() && !end.Shutdown)
        CommonLib->ShowMessageBox("These files could not be converted:\n" + failed.join('\n'), 1);
    if (end.ShowOutputDirectory)
        CommonLib->OpenFolderInExplorer(CommonLib->ConvertParams.OutputFolder);
    if (!end.Shutdown)
        return false;
    CommonLib->ShutdownComputer();
    EndProgramNow();
    return true;
}

// Leaves the windows as a user can work with them however the batch ends,
// unless the program is ending at once.
struct TWindowsBack {
    bool ProgramEnding = false;
    ~TWindowsBack() {
        if (ProgramEnding)
            return;
        if (TfrmConverting* window = ProgressWindow())
            window->hide();
        EnableMainWindow(true);
    }
};

} // namespace

void RunJobList(const TEncoderTools& encoder, const std::function<TBatchEnd()>& endChoice) {
    const TJobListModel* jobList = JobListModel;
    if (CustomProc->BatchRunning || !jobList)
        return; // batches never nest, not even while a stopped one winds down
    TWindowsBack windowsBack;
    TBatch batch(*CustomProc, JobListRows(jobList), MakeJob, encoder);
    TBatchProgress progress(batch);
    if (TfrmConverting* window = ProgressWindow()) {
        QObject::connect(&batch, &TBatch::JobStarting, window, &TfrmConverting::ShowForJob);
        QObject::connect(&batch, &TBatch::Output, window, &TfrmConverting::OnEncoderOutput);
        QObject::connect(&progress, &TBatchProgress::Changed, window, &TfrmConverting::ShowFigures);
        QObject::connect(window, &TfrmConverting::StopConfirmed, &progress, &TBatchProgress::Stop);
    }
    QObject::connect(&batch, &TBatch::JobStarting, [] { EnableMainWindow(false); });
    QObject::connect(&batch, &TBatch::NoRows, [] { CommonLib->ShowNoFilesMessage(); });
    std::optional<TBatchOnDesktop> onDesktop;
    QObject::connect(&batch, &TBatch::Started, [&] { onDesktop.emplace(progress); });
    QObject::connect(&batch, &TBatch::Finished, [&](bool stopped, const QStringList& failed) {
        windowsBack.ProgramEnding = EndActions(*onDesktop, stopped, failed, endChoice());
    });
    batch.Run();
}

void TCustomProc::RunBatch(const std::function<TBatchEnd()>& endChoice) {
    RunJobList(ChildEncoder(), endChoice);
}

void TCustomProc::StopBatch() {
    CurrentRow = RowCount;
    BatchStopped = true;
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
