#include "PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float Ceiling = 0.841395142f; // -1.5 dBFS
constexpr double LookAheadSeconds = 0.005;
// The gain stays down a while after a peak, and then comes back slowly: gain
// that followed the waves of a low tone would distort it.
constexpr double HoldSeconds = 0.05;
constexpr double ReleaseSeconds = 0.15;
} // namespace

TPeakLimiter::TPeakLimiter(int channels, int sampleRate)
    : Window(std::max(1, static_cast<int>(std::lround(sampleRate * LookAheadSeconds)))),
      Reach(Window + static_cast<int>(std::lround(sampleRate * HoldSeconds))),
      Release(1 - std::exp(-1 / (ReleaseSeconds * sampleRate))),
      Delay(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(Window))),
      Recent(static_cast<size_t>(Window), 1.0), RecentSum(Window) {}

void TPeakLimiter::Process(float* const* planes, int count) {
    for (int i = 0; i < count; ++i, ++Index) {
        float peak = 0;
        for (const auto* plane = planes; plane != planes + Delay.size(); ++plane)
            peak = std::max(peak, std::fabs((*plane)[i]));
        // The lowest gain needed by any sample in the look-ahead, this one included, or held.
        while (!Dips.empty() && Dips.front().Index < Index - Reach)
            Dips.pop_front();
        if (peak > Ceiling) {
            const float gain = Ceiling / peak;
            while (!Dips.empty() && Dips.back().Gain >= gain)
                Dips.pop_back();
            Dips.push_back({Index, gain});
        }
        const double needed = Dips.empty() ? 1.0 : Dips.front().Gain;
        // Down at once, up slowly; close enough to 1 is 1, so the sound passes exactly again.
        Envelope = std::min(needed, Envelope > 0.99999 ? 1.0 : Envelope + (1 - Envelope) * Release);
        // Averaged over the look-ahead, the gain has reached what a peak needs when it comes out.
        double& oldest = Recent[static_cast<size_t>(Position)];
        RecentBelow += (Envelope < 1) - (oldest < 1);
        RecentSum += Envelope - oldest;
        oldest = Envelope;
        if (RecentBelow == 0)
            RecentSum = Window; // no rounding left behind by a dip
        const float gain = RecentBelow == 0 ? 1.0f : static_cast<float>(RecentSum / Window);
        for (size_t channel = 0; channel < Delay.size(); ++channel) {
            float& delayed = Delay[channel][static_cast<size_t>(Position)];
            const float incoming = planes[channel][i];
            planes[channel][i] = delayed * gain;
            delayed = incoming;
        }
        Position = Position + 1 == Window ? 0 : Position + 1;
    }
}
