#pragma once

#include <QList>
#include <QString>

#include <sys/types.h>

// One entry of the process list.
struct TProcessEntry {
    pid_t Pid = 0;
    QString ExeName; // the file name of the program it was started from
};

// The process list is the list of the children this program started itself
// and has not reaped yet: the only processes it may wait for or signal. A
// process of the same name that another program started, of this user or
// another, is never in it. A child is noted right after its start and
// forgotten when it is reaped, so its id can't have gone to another process
// while it is listed.
void NoteStartedProcess(pid_t pid, const QString& program);
void ForgetStartedProcess(pid_t pid);

// The noted children that still run, oldest first. A child that has ended
// but is not reaped yet is left out: it runs no more.
QList<TProcessEntry> ProcessSnapshot();

// The process lookup by executable name.
class TSysFunc {
public:
    // The id of the last process in the list whose executable name equals
    // the given one (letter case ignored), or 0.
    pid_t FindProcess(const QString& exeName) const;
};
