#include "InputFile.h"

#include "CodecThreads.h"
#include "RavlinError.h"
#include "SourceOpening.h"
#include "StopSignal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {

// Lets a blocked read give up when a stop is asked.
int InterruptOnStop(void*) {
    return StopRequested() ? 1 : 0;
}

// Packets kept while reading on to the segment's start: a few groups of
// pictures. A source with fewer key frames is decoded from its start instead.
constexpr size_t AheadBytes = 64 << 20;

// A time on the source's line in the library's units; a source's own start
// can lie anywhere in the time stamps' range: the sum must not overflow them.
int64_t Ticks(double seconds) {
    return static_cast<int64_t>(std::clamp(seconds * AV_TIME_BASE, -0x1p62, 0x1p62));
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
    if (int code = OpenSourceFile(&context, Path); code < 0)
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
    TimeLine = std::make_unique<TJoinedTimeLine>(Format.get());
    AVFormatContext* context = Format.get();
    if (wantVideo) {
        const int index = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        // A cover picture is not a video.
        if (index >= 0 && !(context->streams[index]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            VideoCodec = OpenDecoder(index);
            if (VideoCodec) {
                VideoStream = index;
                Turn = DisplayTurnOf(context->streams[index]);
            }
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
    const double origin = OriginSeconds(), target = origin + seconds;
    // Where the clock may jump, a time stamp tells where a packet lies only
    // once the packets before it are joined: such sources are read from the start.
    if (!TJoinedTimeLine::Joins(Format.get())) {
        // Formats that seek by searching their time stamps can land after the
        // key frame before the start: then the seek goes further back.
        for (double back = 0; target - back > origin; back = std::max(1.0, back * 2)) {
            const int64_t at = Ticks(target - back);
            if (avformat_seek_file(Format.get(), -1, INT64_MIN, at, at, 0) < 0)
                break;
            const TReadAhead found = ReadAheadTo(target);
            if (found == TReadAhead::Found)
                return;
            if (found == TReadAhead::TooLong)
                break;
        }
    }
    // A failed seek can leave the reading anywhere, even at the end: read from
    // the start again. Without a key frame before the segment (or with too
    // few to keep what lies between), everything is decoded from the start
    // and the frames before the segment are dropped.
    Reopen();
    if (ReadAheadTo(target) != TReadAhead::Found)
        Reopen();
}

void TInputFile::Reopen() {
    Ahead.clear();
    Format = OpenContainer();
    TimeLine = std::make_unique<TJoinedTimeLine>(Format.get());
    for (int index : {VideoStream, AudioStream})
        if (index >= 0)
            Format->streams[index]->discard = AVDISCARD_DEFAULT;
}

int TInputFile::ReadJoined(AVPacket* packet) {
    const int code = av_read_frame(Format.get(), packet);
    if (code >= 0)
        TimeLine->Join(packet);
    return code;
}

int TInputFile::ReadPacket(AVPacket* packet) {
    if (Ahead.empty())
        return ReadJoined(packet);
    av_packet_move_ref(packet, Ahead.front().get());
    Ahead.pop_front();
    return 0;
}

TInputFile::TReadAhead TInputFile::ReadAheadTo(double target) {
    Ahead.clear();
    // Decoding starts at a key frame of the video, or of the sound without one.
    const int anchor = VideoStream >= 0 ? VideoStream : AudioStream;
    bool keyFound = false;
    size_t bytes = 0;
    auto seconds = [this](const AVPacket* packet, int64_t stamp) {
        return stamp * av_q2d(Format->streams[packet->stream_index]->time_base);
    };
    while (!StopRequested()) {
        TPacketPtr packet = NewPacket();
        const int code = ReadJoined(packet.get());
        if (code == AVERROR(EAGAIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (code < 0)
            break; // the source ends before the segment starts
        const int index = packet->stream_index;
        if (index != VideoStream && index != AudioStream)
            continue;
        const int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (index == anchor) {
            // Decoding order: no key frame after this one shows at or before the target.
            const int64_t dts = packet->dts != AV_NOPTS_VALUE ? packet->dts : pts;
            if (dts != AV_NOPTS_VALUE && seconds(packet.get(), dts) > target) {
                Ahead.push_back(std::move(packet));
                return keyFound ? TReadAhead::Found : TReadAhead::Late;
            }
            if (packet->flags & AV_PKT_FLAG_KEY) {
                keyFound = true;
                // Decoding starts here; sound that ends before this picture shows is not needed.
                const double key = pts != AV_NOPTS_VALUE ? seconds(packet.get(), pts) : target;
                std::erase_if(Ahead, [&](const TPacketPtr& held) {
                    const int64_t at = held->pts != AV_NOPTS_VALUE ? held->pts : held->dts;
                    return held->stream_index == anchor ||
                           (at != AV_NOPTS_VALUE &&
                            seconds(held.get(), at + std::max<int64_t>(held->duration, 0)) <= key);
                });
                bytes = 0;
                for (const TPacketPtr& held : Ahead)
                    bytes += static_cast<size_t>(held->size);
            } else if (!keyFound) {
                continue; // undecodable without the key frame before it
            }
        }
        bytes += static_cast<size_t>(packet->size);
        if (bytes > AheadBytes)
            return TReadAhead::TooLong;
        Ahead.push_back(std::move(packet));
    }
    return keyFound ? TReadAhead::Found : TReadAhead::Late;
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
        std::snprintf(line, sizeof line, "  Video: %s, %dx%d, %.3g fps%s%s\n",
                      VideoCodec->codec->name, VideoCodec->width, VideoCodec->height,
                      rate.den ? av_q2d(rate) : 0.0,
                      Turn.Upright() ? "" : ", turned upright: ", Turn.Filters.c_str());
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
