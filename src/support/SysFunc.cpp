#include "support/SysFunc.h"

#include <sys/wait.h>

namespace {

QList<TProcessEntry>& StartedProcesses() {
    static QList<TProcessEntry> processes;
    return processes;
}

// Asks without reaping, so the child's id stays ours until its runner
// reaps it.
bool StillRuns(pid_t pid) {
    siginfo_t info{};
    return ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

} // namespace

void NoteStartedProcess(pid_t pid, const QString& program) {
    StartedProcesses().append({pid, program.mid(program.lastIndexOf('/') + 1)});
}

void ForgetStartedProcess(pid_t pid) {
    StartedProcesses().removeIf([pid](const TProcessEntry& entry) { return entry.Pid == pid; });
}

QList<TProcessEntry> ProcessSnapshot() {
    QList<TProcessEntry> running;
    for (const TProcessEntry& entry : StartedProcesses())
        if (StillRuns(entry.Pid))
            running.append(entry);
    return running;
}

pid_t TSysFunc::FindProcess(const QString& exeName) const {
    pid_t found = 0;
    for (const TProcessEntry& entry : ProcessSnapshot())
        if (entry.ExeName.compare(exeName, Qt::CaseInsensitive) == 0)
            found = entry.Pid;
    return found;
}
