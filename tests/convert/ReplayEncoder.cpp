#include "BatchFixture.h"

#include <QFile>

TEncoderTools TReplayEncoder::Tools() {
    return {[this](const TProgramCall& call, const TOutputCallback& callback) {
                return Replay(call, callback);
            },
            ChildEncoder().StillRunning};
}

// The texts as real runs wrote them; a status line's figures follow its second.
std::optional<int> TReplayEncoder::Replay(const TProgramCall& call,
                                          const TOutputCallback& callback) {
    if (call.Program.isEmpty())
        return std::nullopt;
    Calls << call;
    const auto say = [&](const QString& text) {
        callback(text);
        if (AfterChunk)
            AfterChunk();
    };
    const QStringList& args = call.Arguments;
    const QString source = args.value(args.indexOf("-i") + 1), output = args.last();
    const int seconds = args.value(args.indexOf("-t") + 1).toInt();
    if (source.contains("/bad")) {
        say("ravlin: cannot open input \"" + source +
            "\": Invalid data found when processing input\n");
        return 1;
    }
    if (seconds == 0) {
        say("ravlin: nothing to convert: the segment is empty\n");
        return 1;
    }
    say("ravlin 1.0.0, converter to MPEG-4 video and sound files\nInput: " + source +
        " (avi, 60.00 s)\nOutput: " + output + "\nConverting, Ctrl+C stops.\n");
    QFile file(output);
    if (file.open(QIODevice::WriteOnly))
        file.write("replayed");
    const QString summary = "\nWritten: file %1kB, %2.00 s\n";
    for (int second = 1; second <= seconds; ++second) {
        const QString status = QString("size=%1kB time=%2.0 bitrate= 386.6kbits/s\r");
        say((args.contains("-vn") ? "" : QString("frame=%1 q=2.0 ").arg(25 * second, 5)) +
            status.arg(55 * second, 8).arg(second));
        if (CustomProc->BatchStopped) {
            say(summary.arg(55 * second).arg(second) +
                "ravlin: stopped; the output holds what was converted until then\n");
            return 2;
        }
    }
    say(summary.arg(55 * seconds).arg(seconds));
    return 0;
}
