#include "convert/EncoderName.h"
#include "support/AppFunc.h"
#include "support/CommonLib.h"
#include "support/EventPump.h"
#include "support/StrFunc.h"
#include "support/SysFunc.h"
#include "support/Timing.h"

#include <csignal>

pid_t TCommonLib::GetProcessIdByName(const QString& exeName) {
    const pid_t pid = TSysFunc().FindProcess(exeName);
    if (pid == 0)
        TAppFunc().WriteLog("Get Process id error.");
    return pid;
}

bool TCommonLib::TerminateProcessByName(const QString& exeName) {
    EnableDebugPrivilege();
    bool lastSucceeded = false;
    QSet<pid_t> running;
    for (const TProcessEntry& entry : ProcessSnapshot()) {
        running.insert(entry.Pid);
        const QString fileName = TStrFunc().TextAfterLast(entry.ExeName, "/");
        if (fileName.compare(exeName, Qt::CaseInsensitive) != 0 &&
            entry.ExeName.compare(exeName, Qt::CaseInsensitive) != 0)
            continue;
        const int signal = TerminateAttempted.contains(entry.Pid) ? SIGKILL : SIGTERM;
        lastSucceeded = ::kill(entry.Pid, signal) == 0;
        TerminateAttempted.insert(entry.Pid);
    }
    // A process that has gone is forgotten, so a later process given the
    // same id starts again with SIGTERM.
    TerminateAttempted.intersect(running);
    if (!lastSucceeded)
        TAppFunc().WriteLog("Terminate process error.");
    return lastSucceeded;
}

void TCommonLib::StopEncoder(const QString& path) {
    const QString names[] = {TStrFunc().TextAfterLast(path, "/"), EncoderProcessName};
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
