#include "Transcoder.h"

#include "DecodeShortcuts.h"
#include "FrameQueue.h"
#include "InputReader.h"
#include "PipelineStage.h"
#include "RateConverter.h"
#include "RavlinError.h"
#include "SoundShaper.h"
#include "StopSignal.h"
#include "StreamWorker.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>
#include <thread>
#include <vector>

#ifndef RAVLIN_VERSION
#define RAVLIN_VERSION "0"
#endif

namespace {

constexpr auto StatusPeriod = std::chrono::milliseconds(500);
// Frames waiting per stream, by the bytes they hold: two 1920x1080 pictures (3 MB
// each) or a dozen of 640x480; a few seconds of sound, which comes in bursts.
constexpr size_t VideoQueueBytes = 8 << 20;
constexpr size_t AudioQueueBytes = 1 << 20;

AVRational SaneFrameRate(const AVStream* stream) {
    for (AVRational rate : {stream->avg_frame_rate, stream->r_frame_rate}) {
        if (rate.num > 0 && rate.den > 0 && av_q2d(rate) >= 1 && av_q2d(rate) <= 120) {
            // MPEG-4 time bases stop at 65535 ticks a second.
            if (rate.num > 65535 || rate.den > 65535)
                rate = av_d2q(av_q2d(rate), 65535);
            return rate;
        }
    }
    return AVRational{25, 1};
}

int NearestSampleRate(const AVCodec* codec, int wanted) {
    if (!codec->supported_samplerates)
        return wanted;
    int best = codec->supported_samplerates[0];
    for (const int* rate = codec->supported_samplerates; *rate; ++rate)
        if (std::abs(*rate - wanted) < std::abs(best - wanted))
            best = *rate;
    return best;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string Kbits(int64_t bitrate) {
    return bitrate > 0 ? ", " + std::to_string(bitrate / 1000) + " kbit/s" : "";
}

// The stages' threads, joined however the run is left. Should the run end early (a
// thread that can't be started, a status line that can't be written), the queues close
// first, so that no stage waits on one for ever and the join returns.
class TStageThreads {
public:
    TStageThreads(TFrameQueue& video, TFrameQueue& audio) : Queues{&video, &audio} {}
    TStageThreads(const TStageThreads&) = delete;
    TStageThreads& operator=(const TStageThreads&) = delete;
    ~TStageThreads() {
        if (!Threads.empty())
            for (TFrameQueue* queue : Queues)
                queue->Close();
    }
    void Start(TPipelineStage& stage) {
        Threads.emplace_back([&stage] { stage.Run(); });
    }
    // After every stage has finished.
    void Join() { Threads.clear(); }

private:
    std::array<TFrameQueue*, 2> Queues;
    std::vector<std::jthread> Threads;
};

} // namespace

TTranscoder::TTranscoder(const TRavlinOptions& options, const TStatusPrinter& console)
    : Options(options), Console(console) {
    CheckOutputPath();
    Output = std::make_unique<TOutputFile>(options.OutputPath, options.FormatName);
    const AVOutputFormat* format = Output->Format();
    // Sound-only containers name a picture codec for cover art: that is no video.
    const bool videoContainer = format->video_codec != AV_CODEC_ID_NONE &&
                                format->video_codec != AV_CODEC_ID_PNG &&
                                format->video_codec != AV_CODEC_ID_MJPEG;
    const bool wantVideo = !options.NoVideo && (videoContainer || !options.VideoCodec.empty());
    const bool wantAudio = format->audio_codec != AV_CODEC_ID_NONE || !options.AudioCodec.empty();
    Input = std::make_unique<TInputFile>(options.InputPath, wantVideo, wantAudio);
    if (wantAudio && !wantVideo && Input->AudioIndex() < 0)
        throw TRavlinError("the input \"" + options.InputPath +
                           "\" has no sound that can be decoded");
    if (Input->VideoIndex() < 0 && Input->AudioIndex() < 0)
        throw TRavlinError("the input \"" + options.InputPath +
                           "\" has no video or sound that can be decoded");
    if (Input->VideoIndex() >= 0)
        SetUpVideo();
    if (Input->AudioIndex() >= 0)
        SetUpAudio();
}

void TTranscoder::CheckOutputPath() const {
    struct stat existing {};
    if (stat(Options.OutputPath.c_str(), &existing) == 0) {
        if (SameFile(Options.InputPath, Options.OutputPath))
            throw TRavlinError("the output \"" + Options.OutputPath + "\" is the input itself");
        if (!Options.Overwrite)
            throw TRavlinError("the output \"" + Options.OutputPath +
                               "\" exists already (-y replaces it)");
    }
}

void TTranscoder::SetUpVideo() {
    const AVCodecContext* decoder = Input->VideoDecoder();
    const AVStream* stream = Input->Stream(Input->VideoIndex());
    // The picture as it shows: turned upright, a quarter turn swaps its sides.
    const bool swaps = Input->VideoTurn().Swaps;
    const int width = swaps ? decoder->height : decoder->width;
    const int height = swaps ? decoder->width : decoder->height;
    TVideoTarget target;
    target.Codec = FindEncoder(Options.VideoCodec, AVMEDIA_TYPE_VIDEO, Output->Format());
    target.Width = Options.Width.value_or(width);
    target.Height = Options.Height.value_or(height);
    if (target.Width <= 0 || target.Height <= 0)
        throw TRavlinError("cannot tell the picture size of the input (use -s WxH)");
    target.FrameRate = Options.FrameRateNum
                           ? AVRational{*Options.FrameRateNum, *Options.FrameRateDen}
                           : SaneFrameRate(stream);
    AVRational display;
    if (Options.AspectNum) {
        display = AVRational{*Options.AspectNum, *Options.AspectDen};
    } else {
        AVRational sar = decoder->sample_aspect_ratio.num ? decoder->sample_aspect_ratio
                                                          : stream->sample_aspect_ratio;
        if (sar.num <= 0 || sar.den <= 0)
            sar = AVRational{1, 1};
        if (swaps)
            sar = av_inv_q(sar);
        display = av_mul_q(sar, AVRational{std::max(width, 1), std::max(height, 1)});
    }
    // The pixel shape that makes the picture of this size show at that aspect.
    av_reduce(&target.SampleAspect.num, &target.SampleAspect.den,
              static_cast<int64_t>(display.num) * target.Height,
              static_cast<int64_t>(display.den) * target.Width, 65535);
    target.Bitrate = Options.VideoBitrate.value_or(0);
    Video.emplace(target, *Output);
    SkipUnseenDecoding(*Input->VideoDecoder(), target.Width, target.Height);
}

void TTranscoder::SetUpAudio() {
    const AVCodecContext* decoder = Input->AudioDecoder();
    TAudioTarget target;
    target.Codec = FindEncoder(Options.AudioCodec, AVMEDIA_TYPE_AUDIO, Output->Format());
    target.SampleRate =
        Options.SampleRate.value_or(NearestSampleRate(target.Codec, decoder->sample_rate));
    target.Channels = Options.Channels.value_or(std::clamp(decoder->ch_layout.nb_channels, 1, 2));
    target.Bitrate = Options.AudioBitrate.value_or(0);
    Audio.emplace(target, *Output);
}

std::string TTranscoder::Banner() const {
    std::string text = "ravlin " RAVLIN_VERSION ", converter to MPEG-4 video and sound files\n";
    text += Input->Describe();
    text += "Output: " + Options.OutputPath + " (" + Output->FormatName() + ")\n";
    char line[200];
    if (Video) {
        const AVCodecContext* codec = Video->Context();
        std::snprintf(line, sizeof line, "  Video: %s, %dx%d, %.3f fps, aspect %d:%d%s\n",
                      codec->codec->name, codec->width, codec->height, av_q2d(codec->framerate),
                      Options.AspectNum.value_or(codec->width * codec->sample_aspect_ratio.num),
                      Options.AspectDen.value_or(codec->height * codec->sample_aspect_ratio.den),
                      Kbits(codec->bit_rate).c_str());
        text += line;
    }
    if (Audio) {
        const AVCodecContext* codec = Audio->Context();
        std::snprintf(line, sizeof line, "  Audio: %s, %d Hz, %d channel%s%s\n", codec->codec->name,
                      codec->sample_rate, codec->ch_layout.nb_channels,
                      codec->ch_layout.nb_channels == 1 ? "" : "s", Kbits(codec->bit_rate).c_str());
        text += line;
    }
    return text + "Converting, Ctrl+C stops.\n";
}

int TTranscoder::Run() {
    Console.Print(Banner());
    Output->Open();
    Input->SeekTo(Options.StartSeconds);

    const double shift = Input->OriginSeconds() + Options.StartSeconds;
    const double segmentEnd = Options.StartSeconds + Options.LengthSeconds.value_or(
                                                         std::numeric_limits<double>::infinity());
    TFrameQueue videoQueue(VideoQueueBytes), audioQueue(AudioQueueBytes);
    std::optional<TRateConverter> videoShaper;
    std::optional<TSoundShaper> audioShaper;
    std::vector<std::unique_ptr<TPipelineStage>> stages;
    if (Video) {
        std::optional<int64_t> frames;
        if (Options.LengthSeconds)
            frames = std::llround(*Options.LengthSeconds * av_q2d(Video->Context()->framerate));
        videoShaper.emplace(Input->Stream(Input->VideoIndex())->time_base, shift,
                            Video->Context()->framerate, frames);
        stages.push_back(std::make_unique<TStreamWorker>(videoQueue, *Video, Input->VideoTurn()));
    }
    if (Audio) {
        std::optional<int64_t> samples;
        if (Options.LengthSeconds)
            samples = std::llround(*Options.LengthSeconds * Audio->Context()->sample_rate);
        audioShaper.emplace(Audio->Context(), Input->Stream(Input->AudioIndex())->time_base, shift,
                            Options.VolumeFactor, samples);
        stages.push_back(std::make_unique<TStreamWorker>(audioQueue, *Audio));
    }
    auto target = [](TFrameQueue& queue, auto& shaper) {
        return shaper ? TInputReader::TStreamTarget{&queue, &*shaper}
                      : TInputReader::TStreamTarget{};
    };
    stages.push_back(std::make_unique<TInputReader>(*Input, target(videoQueue, videoShaper),
                                                    target(audioQueue, audioShaper), segmentEnd));

    // Reading and decoding run beside the encoding of each stream, so every core has work.
    TStageThreads threads(videoQueue, audioQueue);
    for (auto& stage : stages)
        threads.Start(*stage);

    auto allDone = [&] {
        for (const auto& stage : stages)
            if (!stage->Finished())
                return false;
        return true;
    };
    auto failure = [&] {
        for (const auto& stage : stages)
            if (const std::string reason = stage->Failure(); !reason.empty())
                return reason;
        return std::string();
    };

    bool windingDown = false;
    auto nextStatus = std::chrono::steady_clock::now() + StatusPeriod;
    while (!allDone()) {
        // Every stage wakes this wait as it ends, so the run ends the moment the work does.
        const auto untilStatus = std::chrono::ceil<std::chrono::milliseconds>(
            nextStatus - std::chrono::steady_clock::now());
        WaitForStop(static_cast<int>(std::max<int64_t>(1, untilStatus.count())));
        if (!windingDown && (StopRequested() || !failure().empty())) {
            // Frames still queued are dropped; what the encoders hold is written.
            windingDown = true;
            videoQueue.Close();
            audioQueue.Close();
        }
        if (std::chrono::steady_clock::now() >= nextStatus) {
            Console.PrintStatus(FormatStatusLine(Output->Progress(), Video.has_value()));
            nextStatus += StatusPeriod;
        }
    }
    threads.Join();
    return Finish(StopRequested(), failure());
}

int TTranscoder::Finish(bool stopped, std::string failure) {
    if (failure.empty()) {
        try {
            Output->Finish();
        } catch (const TRavlinError& error) {
            failure = error.what();
        }
    }
    const TOutputProgress progress = Output->Progress();
    Console.Print(FormatStatusLine(progress, Video.has_value()) + "\n" +
                  FormatSummary(progress, Video.has_value()));
    const bool nothing = progress.VideoFrames == 0 && progress.AudioBytes == 0;
    if (!failure.empty()) {
        if (nothing)
            Output->Discard();
        throw TRavlinError(failure);
    }
    if (stopped) {
        Console.Print("ravlin: stopped; the output holds what was converted until then\n");
        return 2;
    }
    if (nothing) {
        Output->Discard();
        throw TRavlinError("nothing of the segment could be decoded from \"" + Options.InputPath +
                           "\"");
    }
    return 0;
}
