#include "support/SysFunc.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

// Reads the state letter and the name of /proc/PID/stat. The name may hold
// blanks and parentheses; it runs from the first "(" to the last ")".
bool ReadStat(const QString& pidText, QString& name, char& state) {
    QFile file("/proc/" + pidText + "/stat");
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = file.readAll();
    const qsizetype open = stat.indexOf('(');
    const qsizetype close = stat.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= stat.size())
        return false;
    name = QString::fromUtf8(stat.mid(open + 1, close - open - 1));
    state = stat.at(close + 2);
    return true;
}

// True when the process runs for the given user: the real user id on the
// "Uid:" line of /proc/PID/status.
bool RunsFor(const QString& pidText, uid_t user) {
    QFile file("/proc/" + pidText + "/status");
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("Uid:")) {
            bool numeric = false;
            const uint real = line.mid(4).simplified().split(' ').value(0).toUInt(&numeric);
            return numeric && real == user;
        }
    return false;
}

} // namespace

QList<TProcessEntry> ProcessSnapshot() {
    QList<TProcessEntry> entries;
    const QStringList pids =
        QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& pidText : pids) {
        bool numeric = false;
        const pid_t pid = pidText.toInt(&numeric);
        if (!numeric || !RunsFor(pidText, ::getuid()))
            continue;
        QString name;
        char state = 0;
        if (!ReadStat(pidText, name, state) || state == 'Z' || state == 'X')
            continue;
        entries.append({pid, name});
    }
    return entries;
}

pid_t TSysFunc::FindProcess(const QString& exeName) const {
    pid_t found = 0;
    for (const TProcessEntry& entry : ProcessSnapshot())
        if (entry.ExeName.compare(exeName, Qt::CaseInsensitive) == 0)
            found = entry.Pid;
    return found;
}
