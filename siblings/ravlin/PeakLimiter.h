#pragma once

#include <cstdint>
#include <deque>
#include <vector>

// Keeps raised or mixed-down sound from clipping. Sound that stays below
// -1.5 dBFS passes unchanged. Where a peak would pass it, the gain falls
// smoothly over the look-ahead before it, so that the peak comes out at
// -1.5 dBFS, stays down a moment and rises slowly again after it. The room
// left below full scale is what the lossy coders add to a peak of loud
// speech (up to 0.5 dB in AAC at 128 kbit/s), so the decoded sound stays
// below -0.5 dBFS. All channels share one gain, which keeps the stereo
// picture in place.
class TPeakLimiter {
public:
    TPeakLimiter(int channels, int sampleRate);

    // Samples each channel is delayed by: the first Latency() samples out are silence.
    int Latency() const { return Window; }
    // Limits `count` samples of planar float sound in place.
    void Process(float* const* planes, int count);

private:
    // The gain a sample needs, and since when.
    struct TDip {
        int64_t Index;
        float Gain;
    };

    const int Window;     // the look-ahead, in samples
    const int Reach;      // how far back a peak keeps the gain down
    const double Release; // the share of the way back to 1 the gain rises each sample
    std::vector<std::vector<float>> Delay; // per channel, the look-ahead's samples
    std::vector<double> Recent;            // the last Window envelope values, for the smoothing
    std::deque<TDip> Dips;                 // ascending gains needed inside the look-ahead
    double RecentSum;
    int RecentBelow = 0; // envelope values under 1 in Recent
    double Envelope = 1;
    int Position = 0;
    int64_t Index = 0;
};
