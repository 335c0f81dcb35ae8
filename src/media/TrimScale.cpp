#include "media/TrimScale.h"

#include <cmath>
#include <cstdlib>

namespace {

// Halves go to the even neighbour, as the default rounding mode does.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

qint64 Seconds(int percent, qint32 total) {
    return static_cast<qint64>(total) * percent / 100;
}

} // namespace

TTrimMeasures PlaceForSegment(const TTrimMeasures& bar, qint32 start, qint32 end, qint32 total) {
    TTrimMeasures placed = bar;
    const double length = total;
    const int p2 = RoundEven(start / length * (bar.W - 2 - 2 * bar.S1)) + 1;
    if (std::abs(p2 - bar.P2) > 1)
        placed.P2 = p2;
    const int p3 =
        bar.W - bar.S1 - bar.S2 - 2 - RoundEven(end / length * (bar.W - 2 - bar.S1 - bar.S2)) + 1;
    if (std::abs(p3 - bar.P3) > 2)
        placed.P3 = p3;
    return placed;
}

qint64 StartSeconds(const TTrimMeasures& bar, int startLeft, qint32 total) {
    return Seconds((startLeft - 2 + bar.S1 - 20) * 121 / bar.W, total);
}

qint64 EndSeconds(const TTrimMeasures& bar, int endLeft, qint32 total) {
    return Seconds((endLeft - 2 + bar.S2 - 20 - bar.S1) * 121 / bar.W, total);
}
