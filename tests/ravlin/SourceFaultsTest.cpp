// Sources that are damaged, empty, not media at all or missing a stream, and
// command lines the converter must refuse.
#include "RavlinHarness.h"
#include "media/MediaSamples.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A failure gives a non-zero exit and ends with one line of reason.
void ExpectRefusal(const TRavlinRun& run, const QString& reasonPart) {
    EXPECT_NE(run.ExitCode, 0);
    const QString last = run.Output.trimmed().section('\n', -1);
    EXPECT_TRUE(last.startsWith("ravlin: ")) << run.Output.toStdString();
    EXPECT_TRUE(last.contains(reasonPart, Qt::CaseInsensitive))
        << "reason: " << last.toStdString() << ", expected: " << reasonPart.toStdString();
}

const QString NormalMp4 = "-b 768 -s 320x240 -r 25 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100";

} // namespace

TEST(BadSources, NotMediaFailAtOnceWithoutOutput) {
    TTestFolder folder;
    const QString text = folder.WriteFile("letter.avi", "Dear friend,\nthis is no video.\n");
    const QString empty = folder.WriteFile("empty.avi");
    // Files that name other files are no media: a playlist and a list to join.
    ASSERT_TRUE(MakeSource(folder.Path() + "clip.mp4", 1, {}));
    const QString playlist = WritePlaylist(folder.Path() + "funny.avi", folder.Path() + "clip.mp4");
    const QString list = folder.WriteFile("list.mpg", "ffconcat version 1.0\nfile 'clip.mp4'\n");
    for (const QString& source : {text, empty, folder.Path() + "missing.avi", playlist, list}) {
        const QString output = folder.Path() + "out.mp4";
        const TRavlinRun run = RunRavlin(VideoCommand(source, output, NormalMp4), 20000);
        ExpectRefusal(run, "cannot open input");
        // Refused before any work: not one status line.
        EXPECT_FALSE(run.Output.contains("frame=")) << run.Output.toStdString();
        EXPECT_FALSE(QFileInfo::exists(output));
    }
}

TEST(BadSources, DamagedFilesConvertWhatCanBeDecoded) {
    TTestFolder folder;
    const QString whole = folder.Path() + "whole.avi";
    ASSERT_TRUE(MakeSource(whole, 3, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
    QFile in(whole);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();

    // Cut off after 60 %, and overwritten with garbage in the middle.
    const QString truncated = folder.WriteFile("truncated.avi", bytes.left(bytes.size() * 6 / 10));
    QByteArray garbled = bytes;
    for (qsizetype i = garbled.size() / 3; i < garbled.size() / 2; i += 7)
        garbled[i] = static_cast<char>(i * 31);
    const QString damaged = folder.WriteFile("damaged.avi", garbled);

    for (const QString& source : {truncated, damaged}) {
        const QString output = folder.Path() + QFileInfo(source).baseName() + ".mp4";
        const TRavlinRun run = RunRavlin(VideoCommand(source, output, NormalMp4), 30000);
        ASSERT_EQ(run.ExitCode, 0) << source.toStdString() << run.Output.toStdString();
        const TProbe probe = Probe(output);
        ASSERT_TRUE(probe.Readable);
        EXPECT_GT(probe.Seconds(probe.Format), 0.5);
        EXPECT_EQ(probe.Video.value("codec_name").toString(), "mpeg4");
    }
}

TEST(BadSources, MissingStreamsAreLeftOutOrRefused) {
    TTestFolder folder;
    const QString silent = folder.Path() + "silent.avi";
    const QString blind = folder.Path() + "blind.wav";
    ASSERT_TRUE(MakeSource(silent, 2, {"-c:v", "mpeg4"}, true, false));
    ASSERT_TRUE(MakeSource(blind, 2, {}, false, true));

    const QString noSound = folder.Path() + "nosound.mp4";
    ASSERT_EQ(RunRavlin(VideoCommand(silent, noSound, NormalMp4)).ExitCode, 0);
    TProbe probe = Probe(noSound);
    EXPECT_EQ(probe.Video.value("codec_name").toString(), "mpeg4");
    EXPECT_TRUE(probe.Audio.isEmpty());

    const QString noPicture = folder.Path() + "nopicture.mp4";
    ASSERT_EQ(RunRavlin(VideoCommand(blind, noPicture, NormalMp4)).ExitCode, 0);
    probe = Probe(noPicture);
    EXPECT_TRUE(probe.Video.isEmpty());
    EXPECT_EQ(probe.Audio.value("codec_name").toString(), "aac");

    const QString mp3 = folder.Path() + "nosound.mp3";
    ExpectRefusal(RunRavlin(AudioCommand(silent, mp3, "mp3", "-ab 128 -ac 2 -ar 44100")),
                  "no sound");
    EXPECT_FALSE(QFileInfo::exists(mp3));

    const QString unknown = folder.Path() + "unknown.avi";
    ASSERT_TRUE(MakeUndecodableOnlyAvi(unknown, 2));
    ExpectRefusal(RunRavlin(VideoCommand(unknown, noSound, NormalMp4)),
                  "no video or sound that can be decoded");
}

TEST(BadSources, LateOrEmptySegmentIsAFailure) {
    TTestFolder folder;
    const QString source = folder.Path() + "short.avi";
    ASSERT_TRUE(MakeSource(source, 2, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
    const QString output = folder.Path() + "late.mp4";
    for (const auto& [window, reason] :
         {std::pair{"-ss 00:01:00 -t 5", "nothing"},
          {"-ss 00:00:01 -t 0", "nothing to convert: the segment is empty"}}) {
        ExpectRefusal(RunRavlin(VideoCommand(source, output, NormalMp4, window)), reason);
        EXPECT_FALSE(QFileInfo::exists(output)) << window;
    }
}

TEST(CommandLine, ExistingOutputNeedsOverwrite) {
    TTestFolder folder;
    const QString source = folder.Path() + "clip.avi";
    ASSERT_TRUE(MakeSource(source, 1, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
    const QString output = folder.WriteFile("clip.mp3", "keep me");

    QStringList args = AudioCommand(source, output, "mp3", "-ab 128 -ac 2 -ar 44100");
    args.removeAll("-y");
    ExpectRefusal(RunRavlin(args), "exists");
    QFile kept(output);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep me");
    kept.close();

    ASSERT_EQ(RunRavlin(AudioCommand(source, output, "mp3", "-ab 128 -ac 2 -ar 44100")).ExitCode,
              0);
    EXPECT_EQ(Probe(output).Audio.value("codec_name").toString(), "mp3");

    ExpectRefusal(RunRavlin(AudioCommand(source, source, "mp3", "-ab 128")), "input itself");

    // Nothing else is written through the output's name: a symbolic link,
    // or a second name of another file, is refused and its file kept.
    const QString other = folder.WriteFile("other.txt", "someone else's");
    const QString linked = folder.Path() + "linked.mp3";
    for (const bool symbolic : {true, false}) {
        QFile::remove(linked);
        ASSERT_EQ(symbolic ? ::symlink(QFile::encodeName(other).constData(),
                                       QFile::encodeName(linked).constData())
                           : ::link(QFile::encodeName(other).constData(),
                                    QFile::encodeName(linked).constData()),
                  0);
        EXPECT_NE(RunRavlin(AudioCommand(source, linked, "mp3", "-ab 128")).ExitCode, 0);
        QFile otherFile(other);
        ASSERT_TRUE(otherFile.open(QIODevice::ReadOnly));
        EXPECT_EQ(otherFile.readAll(), "someone else's") << symbolic;
    }
}

// A disk that fills up while the output is written leaves no output that
// wouldn't play, not even the empty file the caller had reserved for it.
TEST(CommandLine, FullDiskLeavesNoOutputBehind) {
    TTestFolder folder;
    const QString source = folder.Path() + "clip.avi";
    ASSERT_TRUE(MakeSource(source, 8, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
    const QString disk = folder.MakeFolder("disk");
    // A small disk of its own, in a mount namespace of this run only.
    const QString script = "disk=$1; shift; mount -t tmpfs -o size=200k quenvo-full \"$disk\" || "
                           "exit 99; : > \"$disk/clip.mp4\"; \"$@\"; echo \"exit=$?\"; echo left:; "
                           "ls -A \"$disk\"";
    QString out;
    const int code = RunProgram("unshare",
                                QStringList{"--user", "--map-root-user", "--mount", "sh", "-c",
                                            script, "sh", disk, RavlinPath()} +
                                    VideoCommand(source, disk + "clip.mp4", NormalMp4),
                                &out, 60000);
    if (code == 99 || !out.contains("left:"))
        GTEST_SKIP() << "no mount namespace here: " << out.toStdString();
    EXPECT_TRUE(out.contains("ravlin: cannot write to the output")) << out.toStdString();
    EXPECT_TRUE(out.contains("exit=1")) << out.toStdString();
    EXPECT_TRUE(out.trimmed().endsWith("left:")) << out.toStdString();
}

TEST(CommandLine, BadOptionsAndPlacesAreRefused) {
    TTestFolder folder;
    const QString source = folder.Path() + "clip.avi";
    ASSERT_TRUE(MakeSource(source, 1, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
    const QString output = folder.Path() + "clip.mp4";
    ExpectRefusal(RunRavlin(VideoCommand(source, output, "-b 768 -fast")), "unknown option -fast");
    ExpectRefusal(RunRavlin(VideoCommand(source, output, "-s 320by240")), "-s");
    ExpectRefusal(RunRavlin(VideoCommand(source, output, "-vol loud")), "-vol");
    ExpectRefusal(
        RunRavlin(VideoCommand(source, folder.Path() + "no/such/folder/x.mp4", NormalMp4)),
        "cannot create the output");
    ExpectRefusal(
        RunRavlin({"-y", "-i", source, "-acodec", "aac", "-vn", "-f", "nosuchformat", output}),
        "unknown output format");
    EXPECT_FALSE(QFileInfo::exists(output));
}

// -f forces the container whatever the extension says.
TEST(CommandLine, ForcedFormatWins) {
    TTestFolder folder;
    const QString source = folder.Path() + "clip.avi";
    ASSERT_TRUE(MakeSource(source, 1, {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
    const QString output = folder.Path() + "clip.bin";
    ASSERT_EQ(
        RunRavlin({"-y", "-i", source, "-acodec", "aac", "-vn", "-ab", "64", "-f", "adts", output})
            .ExitCode,
        0);
    EXPECT_EQ(Probe(output).Format.value("format_name").toString(), "aac");
}
