#pragma once

#include "FrameQueue.h"
#include "InputFile.h"
#include "PipelineStage.h"
#include "StreamShaper.h"

#include <limits>

// The reading thread's work: demux the source, decode the used streams, shape
// their frames for the segment and hand them to the streams' queues.
class TInputReader : public TPipelineStage {
public:
    // Where one used stream's frames go; a null queue for a stream the job does not use.
    struct TStreamTarget {
        TFrameQueue* Queue = nullptr;
        TStreamShaper* Shaper = nullptr;
    };

    // Reading ends at the source's end, at a stop, when no stream wants frames
    // any more, or once the packets run well past segmentEnd (seconds on the
    // source's time line).
    TInputReader(TInputFile& input, TStreamTarget video, TStreamTarget audio,
                 double segmentEnd = std::numeric_limits<double>::infinity());

protected:
    void Work() override;
    void Abandon() override;

private:
    struct TStreamState {
        int Index = -1;
        AVCodecContext* Decoder = nullptr;
        TStreamTarget Target;
        int64_t NextPts = AV_NOPTS_VALUE;
        bool Complete = false; // the segment is whole, or the queue wants no more
        bool Wanted() const { return Target.Queue && !Complete && !Target.Queue->Closed(); }
    };

    void Decode(TStreamState& state, const AVPacket* packet);
    void Stamp(TStreamState& state, AVFrame* frame);
    static TFrameSink Sink(TStreamState& state);
    // The stream's frames are all handed on.
    static void End(TStreamState& state);
    bool AnyWanted() const;

    TInputFile& Input;
    TStreamState Video, Audio;
    double SegmentEnd;
};
