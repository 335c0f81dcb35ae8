#pragma once

#include "FrameQueue.h"
#include "InputFile.h"

#include <atomic>
#include <cstdint>
#include <limits>

// The reading thread's work: demux the source, decode the used streams and
// hand the frames, time-stamped, to the streams' queues.
class TInputReader {
public:
    // A queue is null for a stream the job does not use. Reading ends at the
    // source's end, at a stop, when no queue wants frames any more, or once the
    // packets run well past segmentEnd (seconds on the source's time line).
    TInputReader(TInputFile& input, TFrameQueue* video, TFrameQueue* audio,
                 double segmentEnd = std::numeric_limits<double>::infinity());

    void Run();
    int64_t DecodedFrames() const { return Decoded.load(); }

private:
    struct TStreamState {
        int Index = -1;
        AVCodecContext* Decoder = nullptr;
        TFrameQueue* Queue = nullptr;
        int64_t NextPts = AV_NOPTS_VALUE;
        bool Wanted() const { return Queue && !Queue->Closed(); }
    };

    void Decode(TStreamState& state, const AVPacket* packet);
    void Stamp(TStreamState& state, AVFrame* frame);
    bool AnyWanted() const;

    TInputFile& Input;
    TStreamState Video, Audio;
    double SegmentEnd;
    std::atomic<int64_t> Decoded{0};
};
