#include "RateConverter.h"

#include "RavlinError.h"

TRateConverter::TRateConverter(AVRational sourceTimeBase, double shift, AVRational rate,
                               std::optional<int64_t> frameLimit)
    : TStreamShaper(sourceTimeBase, shift), OutputTimeBase(av_inv_q(rate)), Limit(frameLimit) {}

int64_t TRateConverter::Due(int64_t pts) const {
    // The shift is taken off before rounding to a frame.
    return av_rescale_q_rnd(OnSegment(pts), TimeBase, OutputTimeBase,
                            static_cast<AVRounding>(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
}

bool TRateConverter::ShowUntil(int64_t due, const TFrameSink& sink) {
    for (; Next < due; ++Next) {
        if (Limit && Next >= *Limit)
            return false;
        TFramePtr shown(av_frame_clone(Held.get()));
        if (!shown)
            throw TRavlinError("out of memory");
        shown->pts = Next;
        if (!sink(std::move(shown)))
            return false;
    }
    return !Limit || Next < *Limit;
}

bool TRateConverter::Push(TFramePtr frame, const TFrameSink& sink) {
    const int64_t due = Due(frame->pts);
    const bool more = !Held || ShowUntil(due, sink);
    Held = std::move(frame);
    return more;
}

void TRateConverter::Finish(int64_t endPts, const TFrameSink& sink) {
    if (Held)
        ShowUntil(Due(endPts), sink);
    Held.reset();
}
