#pragma once

#include "FfPointers.h"

#include <functional>

// Takes each frame ready for the encoder; false when no more are wanted.
using TFrameSink = std::function<bool(TFramePtr)>;

// Turns one stream's decoded frames, stamped on the source's time line, into
// the frames its encoder takes: cut to the segment, which starts at 0, and in
// the output's timing.
class TStreamShaper {
public:
    virtual ~TStreamShaper() = default;
    // Takes a decoded frame; false once the segment is complete or the sink wants no more.
    virtual bool Push(TFramePtr frame, const TFrameSink& sink) = 0;
    // No more frames: endPts (source time base) is where the last one ends.
    virtual void Finish(int64_t endPts, const TFrameSink& sink) = 0;

protected:
    // shift: where the segment starts, in seconds on the source's time line.
    TStreamShaper(AVRational sourceTimeBase, double shift)
        : TimeBase(sourceTimeBase), ShiftTicks(shift / av_q2d(sourceTimeBase)) {}
    // A source time on the segment's line, still in source ticks: the shift
    // is taken off in whole ticks, cut towards zero.
    int64_t OnSegment(int64_t pts) const {
        return static_cast<int64_t>(static_cast<double>(pts) - ShiftTicks);
    }

    const AVRational TimeBase;

private:
    const double ShiftTicks;
};
