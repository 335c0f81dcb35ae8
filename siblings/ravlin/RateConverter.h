#pragma once

#include "StreamShaper.h"

#include <cstdint>
#include <optional>

// Video at a constant frame rate from the segment's start. Each decoded frame is
// due at the output frame nearest its time; output frame n shows the last frame
// due at or before n, and the first frame also fills any gap before it. Frames
// due before the segment's start are dropped unscaled, and the last frame is
// repeated up to where it ends. The frames handed on share the decoded
// pictures; their pts count output frames.
class TRateConverter : public TStreamShaper {
public:
    // shift: where the segment starts, in seconds on the source's time line;
    // frameLimit: the frames of the segment's length, nullopt to the source's end.
    TRateConverter(AVRational sourceTimeBase, double shift, AVRational rate,
                   std::optional<int64_t> frameLimit);

    bool Push(TFramePtr frame, const TFrameSink& sink) override;
    void Finish(int64_t endPts, const TFrameSink& sink) override;

private:
    int64_t Due(int64_t pts) const;
    // Hands on the held frame for every output frame before due.
    bool ShowUntil(int64_t due, const TFrameSink& sink);

    AVRational OutputTimeBase;
    std::optional<int64_t> Limit;
    TFramePtr Held;
    int64_t Next = 0;
};
