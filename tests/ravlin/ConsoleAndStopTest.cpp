// What the progress window reads from the converter, and the stop by signal.
#include "RavlinHarness.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

const QRegularExpression VideoStatus(
    R"(^frame=[ \d]{4}\d+ q=\d+\.\d size=[ \d]{7}\d+kB time=\d+\.\d bitrate=[ \d]{3,}\d\.\dkbits/s$)");
const QRegularExpression
    SoundStatus(R"(^size=[ \d]{7}\d+kB time=\d+\.\d bitrate=[ \d]{3,}\d\.\dkbits/s$)");

// The time as the progress reader takes it: the text after the fourth "=" (video)
// or the second (sound), up to its first point.
QString ReaderTime(const QString& chunk, bool video) {
    const QStringList pieces = chunk.split('=');
    const int index = video ? 4 : 2;
    return pieces.size() > index ? pieces[index].section('.', 0, 0) : QString();
}

// A source long enough that the conversion is still running when the test acts.
QString LongSource(const TTestFolder& folder) {
    const QString source = folder.Path() + "long.avi";
    RunProgram(
        "ffmpeg",
        {"-nostdin", "-loglevel", "error", "-y",
         "-f",       "lavfi",     "-i",    "testsrc2=size=640x480:rate=30:duration=40",
         "-f",       "lavfi",     "-i",    "sine=frequency=440:sample_rate=48000:duration=40",
         "-ac",      "2",         "-c:v",  "mpeg4",
         "-q:v",     "6",         "-c:a",  "libmp3lame",
         source});
    return source;
}

} // namespace

TEST(Console, BannerThenStatusLinesTheReaderParses) {
    TTestFolder folder;
    const QString source = LongSource(folder);
    for (const bool video : {true, false}) {
        const QString output = folder.Path() + (video ? "out.mp4" : "out.m4a");
        const QStringList args =
            video ? VideoCommand(source, output,
                                 "-b 1500 -s 320x240 -r 30 -aspect 4:3 -ab 224 -ac 2 -ar 48000",
                                 "-ss 00:00:00 -t 12")
                  : AudioCommand(source, output, "aac", "-ab 224 -ac 2 -ar 48000",
                                 "-ss 00:00:00 -t 30");
        const TRavlinRun run = RunRavlin(args);
        ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();

        // The banner: program, version and input, no "=" that the reader could take for a status.
        const int firstStatus = run.Output.indexOf(video ? "frame=" : "size=");
        ASSERT_GT(firstStatus, 0);
        const QString banner = run.Output.left(firstStatus);
        EXPECT_TRUE(banner.startsWith("ravlin 1.")) << banner.toStdString();
        EXPECT_TRUE(banner.contains("Input: " + source));
        EXPECT_FALSE(banner.contains('='));

        // Then status lines, each ended by a carriage return, then the closing line.
        const QStringList lines = run.Output.mid(firstStatus).split('\r');
        ASSERT_GE(lines.size(), 2);
        double lastTime = -1;
        for (int i = 0; i + 1 < lines.size(); ++i) {
            EXPECT_TRUE((video ? VideoStatus : SoundStatus).match(lines[i]).hasMatch())
                << "status line: " << lines[i].toStdString();
            const QString time = ReaderTime(lines[i] + "\r" + lines[i + 1], video);
            if (time == "10000000000")
                continue; // nothing written yet
            EXPECT_GE(time.toDouble(), lastTime);
            lastTime = time.toDouble();
        }
        EXPECT_EQ(lastTime, video ? 12 : 30);
        EXPECT_TRUE(lines.last().trimmed().startsWith("Written: ")) << lines.last().toStdString();
    }
}

TEST(Stop, TerminateClosesAPlayablePartialFile) {
    TTestFolder folder;
    const QString source = LongSource(folder);
    const QString output = folder.Path() + "partial.mp4";
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::MergedChannels);
    encoder.start(RavlinPath(),
                  VideoCommand(source, output,
                               "-b 1500 -s 320x240 -r 30 -aspect 4:3 -ab 224 -ac 2 -ar 48000",
                               "-ss 00:00:00 -t 40"));
    ASSERT_TRUE(encoder.waitForStarted());
    // Wait for the first status line: the work is under way.
    QElapsedTimer clock;
    clock.start();
    while (!encoder.readAll().contains("frame=") && clock.elapsed() < 20000)
        encoder.waitForReadyRead(100);
    ASSERT_EQ(encoder.state(), QProcess::Running) << "the conversion ended before the stop";

    ::kill(static_cast<pid_t>(encoder.processId()), SIGTERM);
    ASSERT_TRUE(encoder.waitForFinished(10000));
    EXPECT_EQ(encoder.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(encoder.exitCode(), 0);
    // It stopped at the signal: the last words say so, not those of a finished job.
    EXPECT_TRUE(encoder.readAll().trimmed().endsWith(
        "ravlin: stopped; the output holds what was converted until then"));

    const TProbe probe = Probe(output);
    ASSERT_TRUE(probe.Readable);
    EXPECT_EQ(probe.Video.value("codec_name").toString(), "mpeg4");
    EXPECT_EQ(probe.Audio.value("codec_name").toString(), "aac");
    EXPECT_GT(probe.Seconds(probe.Format), 0.1);
    EXPECT_LT(probe.Seconds(probe.Format), 40);
}

// Quenvo reads nothing from the encoder while one of its questions is open. The
// conversion must go on regardless, so that a stop answered long after the
// console filled up still closes a file a player can open.
TEST(Stop, ConsoleNobodyReadsStallsNothing) {
    TTestFolder folder;
    const QString source = LongSource(folder);
    const QString output = folder.Path() + "unread.mp4";
    int console[2];
    ASSERT_EQ(pipe2(console, O_CLOEXEC), 0);
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::ForwardedChannels);
    encoder.setChildProcessModifier([end = console[1]] {
        dup2(end, STDOUT_FILENO);
        dup2(end, STDERR_FILENO);
    });
    encoder.start(RavlinPath(),
                  VideoCommand(source, output,
                               "-b 1500 -s 320x240 -r 30 -aspect 4:3 -ab 224 -ac 2 -ar 48000",
                               "-ss 00:00:00 -t 40"));
    ASSERT_TRUE(encoder.waitForStarted());
    ::close(console[1]);
    auto readSome = [&](int timeoutMs) {
        pollfd ready{console[0], POLLIN, 0};
        char text[4096];
        const ssize_t got =
            poll(&ready, 1, timeoutMs) == 1 ? read(console[0], text, sizeof text) : 0;
        return QByteArray(text, got > 0 ? int(got) : 0);
    };
    QByteArray seen;
    for (int waited = 0; !seen.contains("frame=") && waited < 200; ++waited)
        seen += readSome(100);
    ASSERT_TRUE(seen.contains("frame=")) << seen.toStdString();

    // Fill the console through a writer of our own, non-blocking so that the
    // encoder's end stays as it is.
    const int filler =
        open(qPrintable(QString("/proc/self/fd/%1").arg(console[0])), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(filler, 0);
    const QByteArray page(4096, 'x');
    while (write(filler, page.data(), page.size()) > 0) {
    }
    while (write(filler, "x", 1) > 0) {
    }
    ::close(filler);
    QThread::msleep(700); // a status line falls due meanwhile

    ::kill(static_cast<pid_t>(encoder.processId()), SIGTERM);
    QElapsedTimer clock;
    clock.start();
    bool closed = false;
    while (!closed && clock.elapsed() < 8000) {
        QThread::msleep(200);
        closed = Probe(output).Readable;
    }
    EXPECT_TRUE(closed) << "the stopped encoder did not close its file while its console was full";

    // Read again, as Quenvo does once the question is answered: the closing lines follow.
    clock.restart();
    while (!encoder.waitForFinished(10) && clock.elapsed() < 20000)
        seen += readSome(100);
    for (QByteArray rest = readSome(100); !rest.isEmpty(); rest = readSome(100))
        seen += rest;
    ::close(console[0]);
    EXPECT_EQ(encoder.exitStatus(), QProcess::NormalExit);
    // Stopped, or done just before the stop on a fast machine.
    EXPECT_TRUE(encoder.exitCode() == 2 || encoder.exitCode() == 0) << encoder.exitCode();
    EXPECT_TRUE(seen.contains("Written: ")) << seen.right(300).toStdString();
}
