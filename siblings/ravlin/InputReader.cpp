#include "InputReader.h"

#include "StopSignal.h"

#include <thread>

namespace {
// Interleaving in real files spans a few seconds at most; beyond this the segment is surely read.
constexpr double ReadPastEndSeconds = 10;
} // namespace

TInputReader::TInputReader(TInputFile& input, TStreamTarget video, TStreamTarget audio,
                           double segmentEnd)
    : Input(input), SegmentEnd(segmentEnd) {
    Video = {input.VideoIndex(), input.VideoDecoder(), video};
    Audio = {input.AudioIndex(), input.AudioDecoder(), audio};
}

bool TInputReader::AnyWanted() const {
    return Video.Wanted() || Audio.Wanted();
}

void TInputReader::Work() {
    TPacketPtr packet = NewPacket();
    const double origin = Input.OriginSeconds();
    while (!StopRequested() && AnyWanted()) {
        const int code = Input.ReadPacket(packet.get());
        if (code == AVERROR(EAGAIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (code < 0)
            break; // the end, or damage the container cannot get past
        TStreamState* state = packet->stream_index == Video.Index   ? &Video
                              : packet->stream_index == Audio.Index ? &Audio
                                                                    : nullptr;
        if (state && state->Wanted()) {
            const int64_t stamp = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
            if (stamp != AV_NOPTS_VALUE &&
                stamp * av_q2d(Input.Stream(state->Index)->time_base) - origin >
                    SegmentEnd + ReadPastEndSeconds) {
                av_packet_unref(packet.get());
                break;
            }
            Decode(*state, packet.get());
        }
        av_packet_unref(packet.get());
    }
    // Drain the decoders and the shapers before the queues end, or their last frames are lost.
    for (TStreamState* state : {&Video, &Audio}) {
        if (state->Wanted() && !StopRequested()) {
            Decode(*state, nullptr);
            if (state->Wanted())
                state->Target.Shaper->Finish(state->NextPts, Sink(*state));
        }
        End(*state);
    }
}

void TInputReader::Abandon() {
    End(Video);
    End(Audio);
}

void TInputReader::End(TStreamState& state) {
    state.Complete = true;
    if (state.Target.Queue)
        state.Target.Queue->Finish();
}

TFrameSink TInputReader::Sink(TStreamState& state) {
    return [&state](TFramePtr frame) { return state.Target.Queue->Push(std::move(frame)); };
}

void TInputReader::Decode(TStreamState& state, const AVPacket* packet) {
    // Damaged packets are skipped: the decoder resynchronises on the next ones.
    if (avcodec_send_packet(state.Decoder, packet) < 0 && packet)
        return;
    const TFrameSink sink = Sink(state);
    while (true) {
        TFramePtr frame = NewFrame();
        if (avcodec_receive_frame(state.Decoder, frame.get()) < 0)
            return;
        Stamp(state, frame.get());
        if (!state.Target.Shaper->Push(std::move(frame), sink)) {
            End(state);
            return;
        }
    }
}

void TInputReader::Stamp(TStreamState& state, AVFrame* frame) {
    frame->pts = frame->best_effort_timestamp;
    if (frame->pts == AV_NOPTS_VALUE)
        frame->pts = state.NextPts == AV_NOPTS_VALUE ? 0 : state.NextPts;
    const AVRational timeBase = Input.Stream(state.Index)->time_base;
    int64_t length = 0;
    if (state.Decoder->codec_type == AVMEDIA_TYPE_AUDIO && frame->sample_rate > 0)
        length = av_rescale_q(frame->nb_samples, AVRational{1, frame->sample_rate}, timeBase);
    else if (frame->pkt_duration > 0)
        length = frame->pkt_duration;
    else if (const AVRational rate = Input.Stream(state.Index)->avg_frame_rate; rate.num > 0)
        length = av_rescale_q(1, av_inv_q(rate), timeBase);
    frame->pkt_duration = length;
    state.NextPts = frame->pts + length;
}
