// Rewrites one INI file in a loop, alternating between two large contents,
// until it is killed. The atomic-rewrite test kills it at random moments.
#include "profiles/IniFiles32.h"

#include <QByteArray>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int lines = QByteArray(argv[2]).toInt();
    for (unsigned round = 0;; ++round) {
        TIniFile32 ini(path);
        const char fill = round % 2 ? 'b' : 'a';
        ini.Lines.clear();
        for (int i = 0; i < lines; ++i)
            ini.Lines.append("k" + QByteArray::number(i) + "=" + QByteArray(200, fill));
        ini.WriteString("round", "fill", QString(QChar(fill)));
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
