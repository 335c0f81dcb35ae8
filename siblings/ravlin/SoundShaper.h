#pragma once

#include "StreamShaper.h"

#include <cstdint>
#include <optional>
#include <vector>

// The sound of the output: cut at the segment's start to the sample, a late start
// and gaps filled with silence so the sound keeps in step with the picture,
// resampled to the encoder's rate, channels and sample format with the volume
// applied, and handed on in frames of the encoder's size up to the segment's
// last sample. The pts of the frames handed on count output samples.
class TSoundShaper : public TStreamShaper {
public:
    // shift: where the segment starts, in seconds on the source's time line;
    // sampleLimit: the samples of the segment's length, nullopt to the source's end.
    TSoundShaper(const AVCodecContext* encoder, AVRational sourceTimeBase, double shift,
                 std::optional<double> volume, std::optional<int64_t> sampleLimit);
    ~TSoundShaper() override;

    bool Push(TFramePtr frame, const TFrameSink& sink) override;
    // The end's time is not needed: the sound ends with its last sample.
    void Finish(int64_t endPts, const TFrameSink& sink) override;

private:
    bool Fits(const AVFrame* frame) const;
    void Configure(const AVFrame* frame);
    // Converts the frame's samples from `skip` on into the fifo; a null frame
    // flushes what the conversion holds. Returns the samples converted.
    int Resample(const AVFrame* frame, int skip);
    // Flushes the conversion whole.
    void Drain();
    // Hands on whole encoder frames, and the rest too when `all`.
    bool Deliver(bool all, const TFrameSink& sink);

    const AVCodecContext* Encoder;
    std::optional<double> Volume;
    std::optional<int64_t> Limit;
    int FrameSize; // 0: the encoder takes any number of samples

    TResamplerPtr Resampler;
    TAudioFifoPtr Fifo;
    TFramePtr Converted;
    int Rate = 0, Format = -1;
    AVChannelLayout Layout{};
    bool Started = false; // the segment's first sample has been seen
    int64_t Samples = 0;  // handed on so far
};
