#pragma once

#include <QList>
#include <QString>

#include <sys/types.h>

// One entry of the process list.
struct TProcessEntry {
    pid_t Pid = 0;
    QString ExeName; // the executable's file name as the system reports it
};

// The running processes of the user running this program, the ones it may
// signal, in the order the system lists them. Other users' processes are
// none of its business, even those of the same name. Processes that have
// ended but not yet been reaped are left out: they run no more.
QList<TProcessEntry> ProcessSnapshot();

// The process lookup by executable name.
class TSysFunc {
public:
    // The id of the last process in the list whose executable name equals
    // the given one (letter case ignored), or 0.
    pid_t FindProcess(const QString& exeName) const;
};
