#include "RateConverter.h"

#include "RavlinError.h"

TRateConverter::TRateConverter(AVRational sourceTimeBase, double shift, AVRational rate,
                               std::optional<int64_t> frameLimit)
    : TimeBase(sourceTimeBase), OutputTimeBase(av_inv_q(rate)),
      ShiftTicks(shift / av_q2d(sourceTimeBase)), Limit(frameLimit) {}

int64_t TRateConverter::Due(int64_t pts) const {
    // The shift is taken off in whole source ticks, cut towards zero, before rounding to a frame.
    const auto shifted = static_cast<int64_t>(static_cast<double>(pts) - ShiftTicks);
    return av_rescale_q_rnd(shifted, TimeBase, OutputTimeBase,
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
