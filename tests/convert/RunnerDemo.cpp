// Runs a program through the encoder runner and prints every chunk of
// output as it is handed on, with the time since the start, so a person can
// watch the runner work. With no arguments it runs the chatty test child
// (a status line every 200 ms, a burst of 3000 bytes, a last word just
// before it ends); otherwise the first argument is the program and the
// others its arguments.

#include "convert/AdvanceSystem.h"
#include "support/Globals.h"
#include "support/ProgramCall.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    CreateGlobalObjects();
    const QStringList words = app.arguments().mid(1);
    const TProgramCall call =
        words.isEmpty() ? TProgramCall{QCoreApplication::applicationDirPath() + "/chatty_child",
                                       {"every:200:12", "write:3000", "sleep:700", "line:goodbye"}}
                        : TProgramCall{words.first(), words.mid(1)};
    const QString commandLine = CommandLineText(call);

    std::printf("command line: %s\n", qPrintable(commandLine));
    QElapsedTimer clock;
    clock.start();
    int chunks = 0;
    TAdvanceSystem runner;
    const bool ran = runner.RunAndCapture(call, [&](const QString& text) {
        ++chunks;
        const QByteArray bytes = text.toUtf8();
        std::printf("--- %7.3f s  chunk %d, %lld bytes:\n%s%s", clock.elapsed() / 1000.0, chunks,
                    qlonglong(bytes.size()), bytes.constData(), bytes.endsWith('\n') ? "" : "\n");
        std::fflush(stdout);
    });
    if (!ran) {
        std::printf("could not start: %s\n", qPrintable(commandLine));
        return 1;
    }
    std::printf("--- %7.3f s  ended after %d chunks, exit code %d\n", clock.elapsed() / 1000.0,
                chunks, runner.ExitCode());
    return 0;
}
