#pragma once

#include <cstdint>
#include <deque>
#include <vector>

// Keeps raised or mixed-down sound from clipping. Sound that stays below full
// scale passes unchanged. Where a peak would pass full scale, the gain falls
// smoothly over the look-ahead before it, so that the peak comes out at
// -1 dBFS, stays down a moment and rises slowly again after it; while the gain is down, every peak
// above -1 dBFS is held there too, so a loud passage keeps an even ceiling.
// All channels share one gain, which keeps the stereo picture in place.
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
