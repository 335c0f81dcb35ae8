#include "DecodeShortcuts.h"

void SkipUnseenDecoding(AVCodecContext& decoder, int outputWidth, int outputHeight) {
    const long source = static_cast<long>(decoder.width) * decoder.height;
    const long output = static_cast<long>(outputWidth) * outputHeight;
    if (output > 0 && source >= 4 * output)
        decoder.skip_loop_filter = AVDISCARD_NONREF;
}
