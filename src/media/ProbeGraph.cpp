#include "media/ProbeGraph.h"

#include "ravlin/DisplayTurn.h"
#include "ravlin/JoinedTimeLine.h"
#include "ravlin/SourceOpening.h"

#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

using TClock = std::chrono::steady_clock;

int InterruptWhenLate(void* opaque) {
    return TClock::now() >= *static_cast<TClock::time_point*>(opaque) ? 1 : 0;
}

struct TCloseInput {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using TInput = std::unique_ptr<AVFormatContext, TCloseInput>;

bool IsAudioOrVideo(const AVStream* stream) {
    const AVMediaType type = stream->codecpar->codec_type;
    return type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_VIDEO;
}

qint64 StreamDurationMs(const AVStream* stream) {
    if (stream->duration == AV_NOPTS_VALUE || stream->duration <= 0)
        return 0;
    return av_rescale_q(stream->duration, stream->time_base, AVRational{1, 1000});
}

// The container's duration, else the longest audio or video stream's.
qint64 InputDurationMs(const AVFormatContext* context) {
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0)
        return av_rescale(context->duration, 1000, AV_TIME_BASE);
    qint64 longest = 0;
    for (unsigned i = 0; i < context->nb_streams; ++i)
        if (IsAudioOrVideo(context->streams[i]))
            longest = std::max(longest, StreamDurationMs(context->streams[i]));
    return longest;
}

// The span of the audio and video packets' timestamps on the joined time
// line, read to the end of the file. Demuxing alone tells it; nothing is
// decoded. 0 when the time is up first.
qint64 PacketSpanMs(AVFormatContext* context, const TClock::time_point& deadline) {
    AVPacket* packet = av_packet_alloc();
    if (!packet)
        return 0;
    TJoinedTimeLine line(context);
    int64_t first = AV_NOPTS_VALUE, last = AV_NOPTS_VALUE; // in AV_TIME_BASE units
    while (av_read_frame(context, packet) >= 0) {
        line.Join(packet);
        const AVStream* stream = context->streams[packet->stream_index];
        const int64_t at = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (IsAudioOrVideo(stream) && at != AV_NOPTS_VALUE) {
            const int64_t start = av_rescale_q(at, stream->time_base, AV_TIME_BASE_Q);
            const int64_t end = av_rescale_q(at + std::max<int64_t>(packet->duration, 0),
                                             stream->time_base, AV_TIME_BASE_Q);
            first = first == AV_NOPTS_VALUE ? start : std::min(first, start);
            last = last == AV_NOPTS_VALUE ? end : std::max(last, end);
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    if (TClock::now() >= deadline || first == AV_NOPTS_VALUE)
        return 0;
    return av_rescale(last - first, 1000, AV_TIME_BASE);
}

} // namespace

TRenderCheck CheckRender(const QString& path, int timeoutMs, TDurationNeed duration) {
    TRenderCheck check;
    if (!QFileInfo(path).isFile())
        return check;

    TClock::time_point deadline = TClock::now() + std::chrono::milliseconds(timeoutMs);
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw)
        return check;
    raw->interrupt_callback = AVIOInterruptCB{InterruptWhenLate, &deadline};
    // The context is freed when the open fails.
    if (OpenSourceFile(&raw, path.toStdString()) < 0)
        return check;
    const TInput input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0 || InterruptWhenLate(&deadline))
        return check;

    int streams = 0, undecodable = 0;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        if (!IsAudioOrVideo(stream))
            continue;
        ++streams;
        if (!avcodec_find_decoder(stream->codecpar->codec_id))
            ++undecodable;
    }
    // Nothing to play when no stream can be decoded.
    if (undecodable == streams)
        return check;
    check.Result = undecodable;
    // The video the encoder takes: never a cover picture.
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video >= 0 && !(input->streams[video]->disposition & AV_DISPOSITION_ATTACHED_PIC))
        check.TurnFilters = QString::fromStdString(DisplayTurnOf(input->streams[video]).Filters);
    check.DurationMs = InputDurationMs(input.get());
    const bool joins = TJoinedTimeLine::Joins(input.get());
    if ((check.DurationMs == 0 || joins) && duration == TDurationNeed::Measured) {
        // A joined file's own figure covers its first recording: the packets
        // tell the whole length when there is time to read them.
        const qint64 span = PacketSpanMs(input.get(), deadline);
        if (span > 0 || !joins)
            check.DurationMs = span;
    }
    return check;
}

TProbeGraph::TProbeGraph(int timeoutMs) : TimeoutMs(timeoutMs) {}

void TProbeGraph::MakeActive() {
    IsActive = true;
    Rendered = {};
}

void TProbeGraph::MakeInactive() {
    IsActive = false;
    Rendered = {};
}

bool TProbeGraph::Active() const {
    return IsActive;
}

void TProbeGraph::RemoveAllFilters() {
    Rendered = {};
}

int TProbeGraph::RenderFile(const QString& path) {
    Rendered = IsActive ? CheckRender(path, TimeoutMs) : TRenderCheck{};
    return Rendered.Result;
}

qint64 TProbeGraph::DurationMs() const {
    return Rendered.DurationMs;
}
