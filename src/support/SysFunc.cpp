#include "support/SysFunc.h"

#include <QDir>
#include <QFile>

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

} // namespace

QList<TProcessEntry> ProcessSnapshot() {
    QList<TProcessEntry> entries;
    const QStringList pids = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& pidText : pids) {
        bool numeric = false;
        const pid_t pid = pidText.toInt(&numeric);
        if (!numeric)
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
