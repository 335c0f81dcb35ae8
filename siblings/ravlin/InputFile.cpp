#include "InputFile.h"

#include "CodecThreads.h"
#include "RavlinError.h"
#include "StopSignal.h"

#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {

// Lets a blocked read give up when a stop is asked.
int InterruptOnStop(void*) {
    return StopRequested() ? 1 : 0;
}

std::string Seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", value);
    return text;
}

} // namespace

TInputContextPtr TInputFile::OpenContainer() const {
    AVFormatContext* context = avformat_alloc_context();
    context->interrupt_callback = {InterruptOnStop, nullptr};
    if (int code = avformat_open_input(&context, Path.c_str(), nullptr, nullptr); code < 0)
        throw TRavlinError("cannot open input \"" + Path + "\": " + FfErrorText(code));
    TInputContextPtr opened(context);
    // A sound-only job has the container skip the pictures from the start: not
    // even the probing of the streams reads or decodes them.
    if (!WantVideo)
        for (unsigned i = 0; i < context->nb_streams; ++i)
            if (context->streams[i]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
                context->streams[i]->discard = AVDISCARD_ALL;
    CheckFf(avformat_find_stream_info(context, nullptr),
            "cannot read the streams of \"" + Path + "\"");
    for (unsigned i = 0; i < context->nb_streams; ++i)
        context->streams[i]->discard = AVDISCARD_ALL;
    return opened;
}

TInputFile::TInputFile(const std::string& path, bool wantVideo, bool wantAudio)
    : Path(path), WantVideo(wantVideo) {
    Format = OpenContainer();
    AVFormatContext* context = Format.get();
    if (wantVideo) {
        const int index = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        // A cover picture is not a video.
        if (index >= 0 && !(context->streams[index]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            VideoCodec = OpenDecoder(index);
            if (VideoCodec)
                VideoStream = index;
        }
    }
    if (wantAudio) {
        const int index =
            av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, VideoStream, nullptr, 0);
        if (index >= 0) {
            AudioCodec = OpenDecoder(index);
            if (AudioCodec)
                AudioStream = index;
        }
    }
}

TCodecContextPtr TInputFile::OpenDecoder(int index) {
    AVStream* stream = Format->streams[index];
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return nullptr;
    TCodecContextPtr decoder(avcodec_alloc_context3(codec));
    if (avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0)
        return nullptr;
    decoder->pkt_timebase = stream->time_base;
    decoder->thread_count = stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
                                ? CodecThreads(decoder->width, decoder->height)
                                : 1;
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return nullptr;
    stream->discard = AVDISCARD_DEFAULT;
    return decoder;
}

double TInputFile::OriginSeconds() const {
    return Format->start_time == AV_NOPTS_VALUE
               ? 0.0
               : static_cast<double>(Format->start_time) / AV_TIME_BASE;
}

void TInputFile::SeekTo(double seconds) {
    if (seconds <= 0)
        return;
    // A source's own start can lie anywhere in the time stamps' range: the
    // sum must not overflow them.
    const auto target =
        static_cast<int64_t>(std::min((OriginSeconds() + seconds) * AV_TIME_BASE, 0x1p62));
    if (avformat_seek_file(Format.get(), -1, INT64_MIN, target, target, 0) >= 0)
        return;
    // A failed seek can leave the reading anywhere, even at the end: read a source
    // that cannot seek from its start again; the frames before the segment are dropped.
    Format = OpenContainer();
    for (int index : {VideoStream, AudioStream})
        if (index >= 0)
            Format->streams[index]->discard = AVDISCARD_DEFAULT;
}

std::string TInputFile::Describe() const {
    std::string text = "Input: " + Path + " (" + Format->iformat->name;
    if (Format->duration > 0)
        text += ", " + Seconds(static_cast<double>(Format->duration) / AV_TIME_BASE);
    text += ")\n";
    if (VideoCodec) {
        const AVStream* stream = Format->streams[VideoStream];
        const AVRational rate =
            stream->avg_frame_rate.num ? stream->avg_frame_rate : stream->r_frame_rate;
        char line[160];
        std::snprintf(line, sizeof line, "  Video: %s, %dx%d, %.3g fps\n", VideoCodec->codec->name,
                      VideoCodec->width, VideoCodec->height, rate.den ? av_q2d(rate) : 0.0);
        text += line;
    }
    if (AudioCodec) {
        char layout[64] = {};
        av_channel_layout_describe(&AudioCodec->ch_layout, layout, sizeof layout);
        char line[160];
        std::snprintf(line, sizeof line, "  Audio: %s, %d Hz, %s\n", AudioCodec->codec->name,
                      AudioCodec->sample_rate, layout);
        text += line;
    }
    return text;
}
