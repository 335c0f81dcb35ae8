#include "convert/EncoderName.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QSet>

#include <csignal>

pid_t TCommonLib::GetProcessIdByName(const QString& exeName) {
    const pid_t pid = SysFunc->FindProcess(exeName);
    if (pid == 0)
        AppFunc->WriteLog("Get Process id error.");
    return pid;
}

bool TCommonLib::TerminateProcessByName(const QString& exeName) {
    EnableDebugPrivilege();
    const auto now = std::chrono::steady_clock::now();
    const std::chrono::milliseconds grace(Timing().KillGraceMs);
    bool lastSucceeded = false;
    QSet<pid_t> running;
    for (const TProcessEntry& entry : ProcessSnapshot()) {
        running.insert(entry.Pid);
        const QString fileName = StrFunc->TextAfterLast(entry.ExeName, "/");
        if (fileName.compare(exeName, Qt::CaseInsensitive) != 0 &&
            entry.ExeName.compare(exeName, Qt::CaseInsensitive) != 0)
            continue;
        // An encoder asked to stop still writes the index of its output,
        // which takes the longer the more it has converted.
        const auto first = TerminateAttempted.constFind(entry.Pid);
        const bool graceOver = first != TerminateAttempted.cend() && now - *first >= grace;
        lastSucceeded = ::kill(entry.Pid, graceOver ? SIGKILL : SIGTERM) == 0;
        if (first == TerminateAttempted.cend())
            TerminateAttempted.insert(entry.Pid, now);
    }
    // A process that has gone is forgotten, so a later process given the
    // same id starts again with SIGTERM.
    TerminateAttempted.removeIf(
        [&](const auto& attempt) { return !running.contains(attempt.key()); });
    if (!lastSucceeded)
        AppFunc->WriteLog("Terminate process error.");
    return lastSucceeded;
}

void TCommonLib::StopEncoder(const QString& path) {
    const QString names[] = {StrFunc->TextAfterLast(path, "/"), EncoderProcessName};
    for (const QString& name : names) {
        for (int attempt = 0; attempt < StopAttemptLimit && GetProcessIdByName(name) != 0;
             ++attempt) {
            TerminateProcessByName(name);
            PumpingSleep(Timing().ProcessPollMs);
            ProcessMessages();
        }
    }
}

bool TCommonLib::EnableDebugPrivilege() {
    return SetPrivilege(0, "SeDebugPrivilege", true);
}

bool TCommonLib::SetPrivilege(int, const QString&, bool) {
    return true;
}
