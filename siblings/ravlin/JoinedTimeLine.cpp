#include "JoinedTimeLine.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
// As far as the clock may leap forward before it counts as started anew, and as
// far back as interleaving may place a packet; the ffmpeg program's figures.
constexpr int64_t LeapLimit = 10 * int64_t{AV_TIME_BASE};
constexpr int64_t BackLimit = AV_TIME_BASE / 10;
} // namespace

TJoinedTimeLine::TJoinedTimeLine(const AVFormatContext* context)
    : Context(context), Joining(Joins(context)) {}

bool TJoinedTimeLine::Joins(const AVFormatContext* context) {
    return context->iformat->flags & AVFMT_TS_DISCONT;
}

void TJoinedTimeLine::Join(AVPacket* packet) {
    if (!Joining || packet->dts == AV_NOPTS_VALUE)
        return;
    const AVStream* stream = Context->streams[packet->stream_index];
    const AVMediaType type = stream->codecpar->codec_type;
    if (type != AVMEDIA_TYPE_AUDIO && type != AVMEDIA_TYPE_VIDEO)
        return;
    // Streams can appear midway in these formats.
    const auto index = static_cast<size_t>(packet->stream_index);
    if (index >= Last.size()) {
        Last.resize(index + 1, AV_NOPTS_VALUE);
        Expected.resize(index + 1, AV_NOPTS_VALUE);
    }
    const AVRational base = stream->time_base;
    int64_t dts = av_rescale_q(packet->dts, base, AV_TIME_BASE_Q) + Offset;
    if (Expected[index] != AV_NOPTS_VALUE) {
        const int64_t delta = dts - Expected[index];
        if (delta > LeapLimit || delta < -LeapLimit || dts + BackLimit < Last[index]) {
            // The clock started again: this packet follows on where the stream stood.
            Offset -= delta;
            dts -= delta;
        }
    }
    const int64_t shift = av_rescale_q(Offset, AV_TIME_BASE_Q, base);
    packet->dts += shift;
    if (packet->pts != AV_NOPTS_VALUE)
        packet->pts += shift;
    Last[index] = dts;
    Expected[index] =
        dts + (packet->duration > 0 ? av_rescale_q(packet->duration, base, AV_TIME_BASE_Q) : 0);
}
