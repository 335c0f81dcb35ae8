#pragma once

#include "PeakLimiter.h"
#include "StreamShaper.h"

#include <cstdint>
#include <optional>
#include <vector>

// The sound of the output: cut at the segment's start to the sample, a late start
// and gaps filled with silence so the sound keeps in step with the picture,
// resampled to the encoder's rate and channels with the volume applied, kept
// from clipping by a limiter, brought to the encoder's sample format, and
// handed on in frames of the encoder's size up to the segment's last sample.
// The pts of the frames handed on count output samples.
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
    // The conversion's buffer, with room for at least `samples`.
    float* const* Room(int samples);
    // Converts the frame's samples from `skip` on into the fifo; a null frame
    // flushes what the conversion holds. Returns the samples converted.
    int Resample(const AVFrame* frame, int skip);
    // Passes the first `count` samples of the buffer through the limiter into the fifo.
    void Store(int count);
    // Fills the frame's samples from the fifo, in the encoder's sample format.
    void Read(AVFrame& frame);
    // Flushes the conversion whole.
    void Drain();
    // Hands on whole encoder frames, and the rest too when `all`.
    bool Deliver(bool all, const TFrameSink& sink);

    const AVCodecContext* Encoder;
    std::optional<double> Volume;
    std::optional<int64_t> Limit;
    int FrameSize; // 0: the encoder takes any number of samples

    TResamplerPtr Resampler;
    TPeakLimiter Limiter;
    int Unprimed;            // samples the limiter gives before the first of the sound
    TResamplerPtr Formatter; // to the encoder's sample format, where it is not the limiter's
    TAudioFifoPtr Fifo;
    TFramePtr Converted;
    int Rate = 0, Format = -1;
    AVChannelLayout Layout{};
    bool Started = false; // the segment's first sample has been seen
    int64_t Samples = 0;  // handed on so far
};
