// Conversions of sources in every accepted container, with the converter's own
// command lines, checked with ffprobe.
#include "RavlinHarness.h"
#include "media/MediaSamples.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

struct TSourceKind {
    const char* Extension;
    QStringList Encoding;
};

// One source per accepted extension, in an encoding its container takes.
const std::vector<TSourceKind>& SourceKinds() {
    static const std::vector<TSourceKind> kinds{
        {".avi", {"-c:v", "mpeg4", "-q:v", "3", "-c:a", "libmp3lame"}},
        {".mov", {"-c:v", "mpeg4", "-q:v", "3", "-c:a", "aac"}},
        {".mp4", {"-c:v", "libx264", "-preset", "veryfast", "-c:a", "aac"}},
        {".m4v", {"-f", "mp4", "-c:v", "libx264", "-preset", "veryfast", "-c:a", "aac"}},
        {".3gp", {"-c:v", "mpeg4", "-q:v", "3", "-c:a", "aac", "-ar", "22050"}},
        {".3g2", {"-c:v", "mpeg4", "-q:v", "3", "-c:a", "aac", "-ar", "22050"}},
        {".mpg", {"-f", "mpeg", "-c:v", "mpeg1video", "-b:v", "1500k", "-c:a", "mp2"}},
        {".mpeg", {"-f", "mpeg", "-c:v", "mpeg2video", "-b:v", "1500k", "-c:a", "mp2"}},
        {".vob",
         {"-f", "vob", "-c:v", "mpeg2video", "-b:v", "1500k", "-c:a", "ac3", "-ar", "48000"}},
        {".asf", {"-f", "asf", "-c:v", "wmv2", "-b:v", "1500k", "-c:a", "wmav2"}},
        {".wmv", {"-c:v", "wmv2", "-b:v", "1500k", "-c:a", "wmav2"}},
        {".flv", {"-c:v", "flv1", "-b:v", "1500k", "-c:a", "libmp3lame"}},
        {".swf", {"-c:v", "flv1", "-b:v", "1500k", "-c:a", "libmp3lame"}},
        {".rm", {"-f", "rm", "-c:v", "rv20", "-b:v", "1500k", "-c:a", "ac3"}},
        {".rmvb", {"-f", "rm", "-c:v", "rv20", "-b:v", "1500k", "-c:a", "ac3"}},
    };
    return kinds;
}

constexpr double SourceSeconds = 4;

// The sources are made once for the whole program.
class SourceLibrary {
public:
    static SourceLibrary& Get() {
        static SourceLibrary library;
        return library;
    }
    QString Source(const QString& extension) const { return Folder.Path() + "source" + extension; }
    QString Output(const QString& name) const { return Folder.Path() + "out/" + name; }

private:
    SourceLibrary() {
        Folder.MakeFolder("out");
        for (const TSourceKind& kind : SourceKinds())
            MakeSource(Source(kind.Extension), SourceSeconds, kind.Encoding);
    }
    TTestFolder Folder;
};

void ExpectMp4Video(const TProbe& probe, int width, int height, double rate, const char* aspect) {
    ASSERT_TRUE(probe.Readable);
    EXPECT_EQ(probe.Format.value("format_name").toString().left(3), "mov");
    EXPECT_EQ(probe.Video.value("codec_name").toString(), "mpeg4");
    EXPECT_EQ(probe.Video.value("width").toInt(), width);
    EXPECT_EQ(probe.Video.value("height").toInt(), height);
    EXPECT_NEAR(probe.FrameRate(), rate, 0.001);
    EXPECT_EQ(probe.Video.value("display_aspect_ratio").toString(), aspect);
}

void ExpectAudio(const TProbe& probe, const char* codec, int channels, int rate) {
    EXPECT_EQ(probe.Audio.value("codec_name").toString(), codec);
    EXPECT_EQ(probe.Audio.value("channels").toInt(), channels);
    EXPECT_EQ(probe.Audio.value("sample_rate").toString().toInt(), rate);
}

double Kbits(const QJsonObject& part) {
    return part.value("bit_rate").toString().toDouble() / 1000;
}

} // namespace

class ContainerConversion : public ::testing::TestWithParam<TSourceKind> {};

// Every container, cut from inside (start at a second, two seconds long).
TEST_P(ContainerConversion, GivesTheNormalMp4ForASegment) {
    const QString extension = GetParam().Extension;
    const QString source = SourceLibrary::Get().Source(extension);
    ASSERT_TRUE(QFileInfo::exists(source)) << "ffmpeg could not make " << source.toStdString();
    const QString output = SourceLibrary::Get().Output("segment" + extension.mid(1) + ".mp4");

    const TRavlinRun run = RunRavlin(VideoCommand(
        source, output, "-b 768 -s 320x240 -r 25 -aspect 4:3 -ab 128 -vol 200 -ac 2 -ar 44100",
        "-ss 00:00:01 -t 2"));
    ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();

    const TProbe probe = Probe(output);
    ExpectMp4Video(probe, 320, 240, 25, "4:3");
    ExpectAudio(probe, "aac", 2, 44100);
    EXPECT_EQ(probe.Video.value("nb_frames").toString().toInt(), 50);
    EXPECT_NEAR(probe.Seconds(probe.Video), 2.0, 0.04);
    EXPECT_NEAR(probe.Seconds(probe.Audio), 2.0, 0.02);
    EXPECT_NEAR(probe.Video.value("start_time").toString().toDouble(), 0, 0.001);
}

INSTANTIATE_TEST_SUITE_P(Sources, ContainerConversion, ::testing::ValuesIn(SourceKinds()),
                         [](const auto& info) { return std::string(info.param.Extension + 1); });

// The two lines the builder writes for the "Normal Quality" of the MP4 and
// MP3 types, whole-file window included (the window outlasts the source).
TEST(WorkedExamples, ConvertTheWholeShortSource) {
    const QString source = SourceLibrary::Get().Source(".avi");
    const QString mp4 = SourceLibrary::Get().Output("holiday.mp4");
    const QString mp3 = SourceLibrary::Get().Output("holiday.mp3");
    const TRavlinRun video = RunRavlin(
        {"-y",      "-i",  source,  "-vcodec", "mpeg4",    "-acodec", "aac", "-b",   "768", "-s",
         "320x240", "-r",  "25",    "-aspect", "4:3",      "-ab",     "128", "-vol", "200", "-ac",
         "2",       "-ar", "44100", "-ss",     "00:00:00", "-t",      "95",  mp4});
    ASSERT_EQ(video.ExitCode, 0) << video.Output.toStdString();
    const TRavlinRun sound =
        RunRavlin({"-y", "-i", source, "-acodec", "mp3", "-vn", "-ab", "128", "-vol", "200", "-ac",
                   "2", "-ar", "44100", "-ss", "00:00:00", "-t", "95", mp3});
    ASSERT_EQ(sound.ExitCode, 0) << sound.Output.toStdString();

    const TProbe videoProbe = Probe(mp4);
    ExpectMp4Video(videoProbe, 320, 240, 25, "4:3");
    ExpectAudio(videoProbe, "aac", 2, 44100);
    // The picture lasts a frame past the four seconds in the AVI source.
    EXPECT_NEAR(videoProbe.Video.value("nb_frames").toString().toInt(), 100, 1);
    EXPECT_NEAR(videoProbe.Seconds(videoProbe.Format), SourceSeconds, 0.05);
    EXPECT_NEAR(Kbits(videoProbe.Video), 768, 768 * 0.15);
    EXPECT_NEAR(Kbits(videoProbe.Audio), 128, 128 * 0.15);

    const TProbe soundProbe = Probe(mp3);
    ASSERT_TRUE(soundProbe.Readable);
    EXPECT_EQ(soundProbe.Format.value("format_name").toString(), "mp3");
    EXPECT_TRUE(soundProbe.Video.isEmpty());
    ExpectAudio(soundProbe, "mp3", 2, 44100);
    // The source's MP3 sound is longer by its encoder's padding, and MP3 frames pad the end again.
    EXPECT_NEAR(soundProbe.Seconds(soundProbe.Format), SourceSeconds, 0.1);
    EXPECT_NEAR(Kbits(soundProbe.Audio), 128, 128 * 0.15);
}

// The index of an MP4 for a portable player lies before the media data.
TEST(WorkedExamples, Mp4IndexComesFirst) {
    const QString output = SourceLibrary::Get().Output("holiday.mp4");
    if (!QFileInfo::exists(output))
        GTEST_SKIP() << "made by ConvertTheWholeShortSource";
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(64 * 1024);
    ASSERT_GE(head.indexOf("moov"), 0);
    EXPECT_LT(head.indexOf("moov"), head.indexOf("mdat"));
}

struct TPreset {
    const char* Name;
    const char* Extension;
    QString VideoPieces; // empty for the sound types
    QString AudioPieces;
    const char* AudioCodec;
    int Channels, SampleRate;
    double VideoKbits, AudioKbits, FrameRate;
};

class PresetConversion : public ::testing::TestWithParam<TPreset> {};

// Low and Superb of every output type: three seconds of a four-second source.
TEST_P(PresetConversion, MatchesThePreset) {
    const TPreset& preset = GetParam();
    const QString source = SourceLibrary::Get().Source(".avi");
    const QString output = SourceLibrary::Get().Output(QString(preset.Name) + preset.Extension);
    const QString window = "-ss 00:00:00 -t 3";
    const bool video = !preset.VideoPieces.isEmpty();
    const QString codec = preset.AudioCodec == QString("mp3") ? "mp3" : "aac";
    const TRavlinRun run = RunRavlin(
        video ? VideoCommand(source, output, preset.VideoPieces + " " + preset.AudioPieces, window)
              : AudioCommand(source, output, codec, preset.AudioPieces, window));
    ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();

    const TProbe probe = Probe(output);
    ASSERT_TRUE(probe.Readable);
    ExpectAudio(probe, preset.AudioCodec, preset.Channels, preset.SampleRate);
    if (video) {
        ExpectMp4Video(probe, 320, 240, preset.FrameRate, "4:3");
        EXPECT_EQ(probe.Video.value("nb_frames").toString().toInt(),
                  std::lround(3 * preset.FrameRate));
        EXPECT_NEAR(Kbits(probe.Video), preset.VideoKbits, preset.VideoKbits * 0.15);
        EXPECT_NEAR(Kbits(probe.Audio), preset.AudioKbits, preset.AudioKbits * 0.15);
        EXPECT_NEAR(probe.Seconds(probe.Audio), 3.0, 0.02);
    } else {
        EXPECT_TRUE(probe.Video.isEmpty());
        // Raw AAC and MP3 frames cannot say where the sound ends inside the last frame.
        const double slack = QString(preset.Extension) == ".m4a" ? 0.02 : 0.1;
        const double seconds = probe.Seconds(probe.Format);
        EXPECT_NEAR(seconds, 3.0, slack);
        const double kbits = QFileInfo(output).size() * 8 / seconds / 1000;
        EXPECT_NEAR(kbits, preset.AudioKbits, preset.AudioKbits * 0.15);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, PresetConversion,
    ::testing::Values(
        TPreset{"LowMp4", ".mp4", "-b 256 -s 320x240 -r 15 -aspect 4:3",
                "-ab 48 -vol 200 -ac 1 -ar 22050", "aac", 1, 22050, 256, 48, 15},
        TPreset{"SuperbMp4", ".mp4", "-b 1500 -s 320x240 -r 30 -aspect 4:3",
                "-ab 224 -vol 200 -ac 2 -ar 48000", "aac", 2, 48000, 1500, 224, 30},
        TPreset{"LowAac", ".aac", "", "-ab 48 -vol 200 -ac 1 -ar 22050", "aac", 1, 22050, 0, 48, 0},
        TPreset{"SuperbAac", ".aac", "", "-ab 224 -vol 200 -ac 2 -ar 48000", "aac", 2, 48000, 0,
                224, 0},
        TPreset{"LowM4a", ".m4a", "", "-ab 48 -vol 200 -ac 1 -ar 22050", "aac", 1, 22050, 0, 48, 0},
        TPreset{"SuperbM4a", ".m4a", "", "-ab 224 -vol 200 -ac 2 -ar 48000", "aac", 2, 48000, 0,
                224, 0},
        TPreset{"LowMp3", ".mp3", "", "-ab 48 -vol 200 -ac 1 -ar 22050", "mp3", 1, 22050, 0, 48, 0},
        TPreset{"SuperbMp3", ".mp3", "", "-ab 224 -vol 200 -ac 2 -ar 48000", "mp3", 2, 48000, 0,
                224, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

// Sizes and aspects off the presets: 368x208 at 16:9, 160x112 at 4:3, the
// decimal rates, and the xvid fallback with MP3 sound.
TEST(PictureShape, SizeAspectAndRateAreExact) {
    const QString source = SourceLibrary::Get().Source(".mov");
    struct TCase {
        QString Pieces;
        int Width, Height;
        double Rate;
        const char* Aspect;
    };
    for (const TCase& shape :
         {TCase{"-s 368x208 -r 23.967 -aspect 16:9", 368, 208, 23.967, "16:9"},
          TCase{"-s 160x112 -r 14.985 -aspect 4:3", 160, 112, 14.985, "4:3"},
          TCase{"-s 320x240 -r 29.97 -aspect 16:9", 320, 240, 29.97, "16:9"}}) {
        const QString output = SourceLibrary::Get().Output(QString("shape%1.mp4").arg(shape.Width));
        const TRavlinRun run = RunRavlin(
            VideoCommand(source, output, "-b 512 " + shape.Pieces + " -ab 80 -ac 2 -ar 32000",
                         "-ss 00:00:00 -t 2"));
        ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();
        const TProbe probe = Probe(output);
        ExpectMp4Video(probe, shape.Width, shape.Height, shape.Rate, shape.Aspect);
        EXPECT_NEAR(probe.Video.value("nb_frames").toString().toInt(), 2 * shape.Rate, 1);
        ExpectAudio(probe, "aac", 2, 32000);
    }

    const QString xvid = SourceLibrary::Get().Output("fallback.mp4");
    const TRavlinRun run =
        RunRavlin({"-y",  "-i", source,    "-vcodec", "xvid", "-acodec", "mp3", "-b",
                   "512", "-s", "320x240", "-r",      "25",   "-aspect", "4:3", "-ab",
                   "64",  "",   "-ac",     "2",       "-ar",  "44100",   xvid});
    ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();
    const TProbe probe = Probe(xvid);
    ExpectMp4Video(probe, 320, 240, 25, "4:3");
    ExpectAudio(probe, "mp3", 2, 44100);
}

// The frames before the start are decoded but dropped: the first picture is
// the one at the start, as an independent cut with the ffmpeg program shows.
TEST(Segment, StartsAtTheFrameOfTheStartTime) {
    const QString source = SourceLibrary::Get().Source(".avi");
    const QString output = SourceLibrary::Get().Output("cut.mp4");
    const QString reference = SourceLibrary::Get().Output("cut-reference.mp4");
    ASSERT_EQ(
        RunRavlin(VideoCommand(source, output, "-b 1500 -s 320x240 -r 25 -ab 128 -ac 2 -ar 44100",
                               "-ss 1.72 -t 1.5"))
            .ExitCode,
        0);
    ASSERT_EQ(
        RunProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-ss", "1.72", "-i", source,
                              "-t", "1.5", "-c:v", "mpeg4", "-q:v", "2", "-an", reference}),
        0);
    const TProbe probe = Probe(output);
    EXPECT_EQ(probe.Video.value("nb_frames").toString().toInt(), 38); // 1.5 s at 25 fps, rounded
    EXPECT_NEAR(probe.Seconds(probe.Audio), 1.5, 0.02);

    // The noise of the source differs from frame to frame, so a frame off gives a far lower match.
    auto psnr = [&](int frameOfOutput) {
        QString log;
        RunProgram("ffmpeg",
                   {"-nostdin", "-hide_banner", "-i", output, "-i", reference, "-lavfi",
                    QString("[0:v]select=eq(n\\,%1)[a];[1:v]select=eq(n\\,0)[b];[a][b]psnr")
                        .arg(frameOfOutput),
                    "-f", "null", "-"},
                   &log);
        const int at = log.lastIndexOf("average:");
        return at < 0 ? 0.0 : log.mid(at + 8).section(' ', 0, 0).replace("inf", "99").toDouble();
    };
    const double first = psnr(0);
    EXPECT_GT(first, psnr(1) + 1) << "first " << first;
}

// Segment times count from the file's start in every container, also where
// the clock starts late (program and transport streams) or starts again
// midway (two recordings joined into one file, the second one's picture
// smaller): each of the first ten frames is the source frame due at the
// start plus n/25, as the source's own frames and time stamps tell.
TEST(Segment, FramesAreThoseDueFromTheFileStart) {
    TTestFolder folder;
    const QString first = folder.Path() + "first.mpg", second = folder.Path() + "second.mpg";
    const QString joined = folder.Path() + "joined.mpg", ts = folder.Path() + "clip.ts";
    const QString mkv = folder.Path() + "clip.mkv";
    ASSERT_TRUE(MakeSource(first, 3, LateClockMpegOptions()));
    ASSERT_TRUE(MakeSource(second, 3, QStringList{"-s", "240x180"} + LateClockMpegOptions()));
    ASSERT_TRUE(JoinFiles({first, second}, joined));
    ASSERT_TRUE(MakeSource(ts, 3, {"-c:v", "mpeg2video", "-b:v", "1500k", "-c:a", "mp2"}));
    ASSERT_TRUE(MakeSource(mkv, 3, {"-c:v", "mpeg4", "-q:v", "2", "-output_ts_offset", "5"}));
    // The recordings a source is made of, each decoded by itself: a decoder
    // may lose a recording's last picture where the next one starts.
    const struct {
        QString Source;
        QStringList Parts;
        double Start;
    } cases[] = {{first, {first}, 1},
                 {joined, {first, second}, 1},
                 {joined, {first, second}, 4.2},
                 {ts, {ts}, 1},
                 {mkv, {mkv}, 1.72}};
    for (const auto& c : cases) {
        const QString what = QFileInfo(c.Source).fileName() + " from " + QString::number(c.Start);
        const QString output = folder.Path() + "segment.mp4";
        const TRavlinRun run =
            RunRavlin(VideoCommand(c.Source, output, "-b 1500 -s 320x240 -r 25 -ab 128 -ar 44100",
                                   QString("-ss %1 -t 1").arg(c.Start)));
        ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();
        EXPECT_NEAR(Probe(output).Seconds(Probe(output).Audio), 1.0, 0.03) << what.toStdString();

        // The source's pictures and their times from its start, each recording
        // following on a frame after the one before.
        TPictures source;
        for (const QString& part : c.Parts) {
            const TPictures pictures = Pictures(part);
            ASSERT_EQ(pictures.Frames.size(), pictures.Seconds.size());
            const double offset = source.Seconds.isEmpty()
                                      ? -pictures.Start
                                      : source.Seconds.last() + 0.04 - pictures.Seconds.first();
            source.Frames += pictures.Frames;
            for (const double seconds : pictures.Seconds)
                source.Seconds << seconds + offset;
        }
        const TPictures shown = Pictures(output);
        ASSERT_GE(shown.Frames.size(), 10);
        for (int n = 0; n < 10; ++n) {
            qsizetype due = 0;
            for (qsizetype i = 0; i < source.Seconds.size(); ++i)
                if (std::abs(source.Seconds[i] - c.Start - n / 25.0) <
                    std::abs(source.Seconds[due] - c.Start - n / 25.0))
                    due = i;
            EXPECT_EQ(MostLike(shown.Frames[n], source.Frames), due)
                << what.toStdString() << ", frame " << n;
        }
    }
    // The whole of the joined file, at the second recording's size and after.
    const QString whole = folder.Path() + "whole.mp4";
    ASSERT_EQ(RunRavlin(VideoCommand(joined, whole, "-b 1500 -s 320x240 -r 25 -ab 128 -ar 44100",
                                     "-ss 0 -t 10"))
                  .ExitCode,
              0);
    const TProbe probe = Probe(whole);
    EXPECT_EQ(probe.Video.value("nb_frames").toString().toInt(), 150);
    EXPECT_NEAR(probe.Seconds(probe.Audio), 6.0, 0.05);
}

// A clip stored lying on its side, as phones store portrait video, or
// mirrored, comes out upright, with no turn of its own left in the output.
TEST(Turn, PicturesComeOutUpright) {
    TTestFolder folder;
    const QString stored = folder.Path() + "stored.mp4";
    ASSERT_TRUE(MakeSource(stored, 1, {"-c:v", "libx264", "-preset", "veryfast", "-c:a", "aac"}));
    const QByteArray lying = Pictures(stored).Frames.value(0);
    const struct {
        std::array<int, 4> Matrix;
        const char* Filters;
        int Width, Height;
    } cases[] = {{{0, 1, -1, 0}, "transpose=clock", 240, 320},
                 {{-1, 0, 0, -1}, "hflip,vflip", 320, 240},
                 {{0, -1, 1, 0}, "transpose=cclock", 240, 320},
                 {{-1, 0, 0, 1}, "hflip", 320, 240}};
    for (const auto& turn : cases) {
        const QString source = folder.Path() + "turned " + turn.Filters + ".mp4";
        ASSERT_TRUE(QFile::copy(stored, source));
        ASSERT_TRUE(SetDisplayMatrix(source, turn.Matrix));
        const QString output = folder.Path() + "upright " + turn.Filters + ".mp4";
        const TRavlinRun run = RunRavlin({"-y", "-i", source, "-vcodec", "mpeg4", "-acodec", "aac",
                                          "-b", "1500", "-ss", "0", "-t", "1", output});
        ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();
        const TProbe probe = Probe(output);
        EXPECT_EQ(probe.Video.value("width").toInt(), turn.Width) << turn.Filters;
        EXPECT_EQ(probe.Video.value("height").toInt(), turn.Height) << turn.Filters;
        EXPECT_FALSE(probe.Video.contains("side_data_list")) << turn.Filters;
        const QByteArray shown = Pictures(output).Frames.value(0);
        const double upright =
            PictureDifference(shown, Pictures(stored, turn.Filters).Frames.value(0));
        EXPECT_LT(upright, 4) << turn.Filters;
        EXPECT_LT(upright * 4, PictureDifference(shown, lying)) << turn.Filters;
    }
}

// A source whose frames come at uneven times comes out at the constant rate asked.
TEST(Segment, VariableRateSourceBecomesConstant) {
    TTestFolder folder;
    const QString source = folder.Path() + "uneven.mkv";
    ASSERT_TRUE(MakeSource(source, 4,
                           {"-vf", "select=not(between(n\\,40\\,80)*mod(n\\,4))", "-fps_mode",
                            "passthrough", "-c:v", "mpeg4", "-c:a", "aac"},
                           true, true));
    const QString output = folder.Path() + "even.mp4";
    const TRavlinRun run = RunRavlin(VideoCommand(
        source, output, "-b 512 -s 320x240 -r 25 -ab 64 -ac 2 -ar 44100", "-ss 0 -t 3"));
    ASSERT_EQ(run.ExitCode, 0) << run.Output.toStdString();
    const TProbe probe = Probe(output);
    EXPECT_NEAR(probe.FrameRate(), 25, 0.001);
    EXPECT_EQ(probe.Video.value("avg_frame_rate").toString(), "25/1");
    EXPECT_EQ(probe.Video.value("nb_frames").toString().toInt(), 75);
}

namespace {

struct TVolumeCase {
    const char* Name;
    const char* Source; // a sound of VolumeSource
    QString Pieces;     // the volume piece, with the codec's extension below
    const char* Extension;
    std::optional<double> Gain; // dB the sound's RMS level rises by over Versus
    // The volume piece of the same conversion the gain is measured against
    // (the MP3 coder changes a tone's level by itself); null: the source.
    const char* Versus;
    std::optional<double> Ceiling; // dBFS no decoded sample may pass
    // No gain and no ceiling: the output is silent.
};

// Tones made once: quiet stereo at -20 dBFS, loud stereo at -1.9 dBFS, loud 7.1
// at -6 dBFS in every channel (mixed to two channels, that is 3.9 dB beyond
// full scale before any gain), and the noisy stereo tone of the other sources;
// and speech with its peaks at -0.6 dBFS.
QString VolumeSource(const QString& name) {
    static TTestFolder folder;
    const QString path = folder.Path() + name + ".wav";
    if (QFileInfo::exists(path))
        return path;
    if (name == "noisy") {
        MakeSource(path, 2, {"-c:a", "pcm_s16le"}, false, true);
        return path;
    }
    if (name == "speech") {
        // The speech's consonants are what a lossy coder overshoots most.
        const QString voice = folder.Path() + "voice.wav";
        RunProgram("espeak-ng", {"-w", voice, "Quick, put the sixth clip back in the list."});
        RunProgram("ffmpeg", {"-nostdin", "-loglevel", "error", "-y", "-i", voice, "-af",
                              "aresample=48000,pan=stereo|c0=c0|c1=c0", "-c:a", "pcm_f32le", path});
        return path;
    }
    const QString tone = name == "quiet"  ? "0.1*sin(2*PI*440*t)"
                         : name == "loud" ? "0.8*sin(2*PI*440*t)"
                                          : "0.5*sin(2*PI*440*t)";
    const int channels = name == "surround" ? 8 : 2;
    RunProgram("ffmpeg",
               {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                QString("aevalsrc=%1:s=48000:d=2:c=%2")
                    .arg(QStringList(channels, tone).join('|'), channels == 8 ? "7.1" : "stereo"),
                "-c:a", "pcm_f32le", path});
    return path;
}

} // namespace

class VolumeConversion : public ::testing::TestWithParam<TVolumeCase> {};

// The gain is exact while the sound stays below full scale; where the gain or
// the mix to two channels would pass it, the peaks are held at -1.5 dBFS, so no
// decoded sample of the MP3 or the AAC reaches -0.5 dBFS and the sound stays loud.
TEST_P(VolumeConversion, GainsExactlyAndNeverClips) {
    const TVolumeCase& test = GetParam();
    const QString source = VolumeSource(test.Source);
    ASSERT_TRUE(QFileInfo::exists(source));
    auto convert = [&](const QString& pieces, const QString& name) {
        const QString output = SourceLibrary::Get().Output(name + test.Extension);
        const TRavlinRun run = RunRavlin(
            AudioCommand(source, output, test.Extension == QString(".mp3") ? "mp3" : "aac",
                         "-ab 128 " + pieces + " -ac 2 -ar 44100", "-ss 0 -t 2"));
        EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
        return SoundLevels(output);
    };
    const TSoundLevels levels = convert(test.Pieces, test.Name);
    if (test.Gain) {
        const double versus = test.Versus ? convert(test.Versus, QString(test.Name) + "Versus").Rms
                                          : SoundLevels(source).Rms;
        EXPECT_NEAR(levels.Rms - versus, *test.Gain, 0.1);
    }
    if (!test.Gain && !test.Ceiling) {
        EXPECT_LT(levels.Rms, -80);
    }
    if (test.Ceiling) {
        EXPECT_LE(levels.Peak, *test.Ceiling);
        // Held near -1.5 dBFS, not lower (the MP3 coder lowers a tone by half a dB).
        EXPECT_GT(levels.Peak, -2.5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Volume, VolumeConversion,
    ::testing::Values(
        TVolumeCase{"Unchanged", "quiet", "-vol 100", ".m4a", 0.0, nullptr, {}},
        TVolumeCase{"Omitted", "quiet", "", ".m4a", 0.0, "-vol 100", {}},
        TVolumeCase{"Doubled", "quiet", "-vol 200", ".m4a", 6.02, nullptr, {}},
        TVolumeCase{"DoubledMp3", "quiet", "-vol 200", ".mp3", 6.02, "-vol 100", {}},
        TVolumeCase{"Silent", "noisy", "-vol 0", ".m4a", {}, nullptr, {}},
        TVolumeCase{"LoudDoubled", "loud", "-vol 200", ".m4a", {}, nullptr, -0.5},
        TVolumeCase{"LoudDoubledMp3", "loud", "-vol 200", ".mp3", {}, nullptr, -0.5},
        TVolumeCase{"SurroundMixed", "surround", "-vol 200", ".m4a", {}, nullptr, -0.5},
        TVolumeCase{"SurroundMixedMp3", "surround", "-vol 200", ".mp3", {}, nullptr, -0.5},
        TVolumeCase{"LoudSpeech", "speech", "-vol 200", ".m4a", {}, nullptr, -0.5},
        TVolumeCase{"LoudSpeechMp3", "speech", "-vol 200", ".mp3", {}, nullptr, -0.5}),
    [](const auto& info) { return std::string(info.param.Name); });
