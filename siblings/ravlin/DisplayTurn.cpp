#include "DisplayTurn.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
int Sign(int32_t value) {
    return (value > 0) - (value < 0);
}
} // namespace

TDisplayTurn DisplayTurnOf(const AVStream* stream) {
    size_t size = 0;
    const auto* matrix = reinterpret_cast<const int32_t*>(
        av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size));
    if (!matrix || size < 9 * sizeof(int32_t))
        return {};
    // A stored pixel (x, y) shows at (a x + c y, b x + d y), y pointing down.
    const int a = Sign(matrix[0]), b = Sign(matrix[1]), c = Sign(matrix[3]), d = Sign(matrix[4]);
    if (b == 0 && c == 0) {
        if (a > 0 && d > 0)
            return {};
        if (a < 0 && d < 0)
            return {"hflip,vflip", false};
        if (a < 0 && d > 0)
            return {"hflip", false};
        if (a > 0 && d < 0)
            return {"vflip", false};
    }
    if (a == 0 && d == 0 && b != 0 && c != 0) {
        if (b > 0 && c < 0)
            return {"transpose=clock", true};
        if (b < 0 && c > 0)
            return {"transpose=cclock", true};
        // Mirrored across a diagonal.
        return {b > 0 ? "transpose=cclock_flip" : "transpose=clock_flip", true};
    }
    return {};
}
