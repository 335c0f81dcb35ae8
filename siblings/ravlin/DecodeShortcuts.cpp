#include "DecodeShortcuts.h"

void SkipUnseenDecoding(AVCodecContext& decoder, int storedWidth, int storedHeight) {
    if (storedWidth <= 0 || storedHeight <= 0)
        return;
    if (decoder.width >= 4 * storedWidth && decoder.height >= 4 * storedHeight)
        decoder.skip_loop_filter = AVDISCARD_ALL;
    else if (static_cast<long>(decoder.width) * decoder.height >= 4L * storedWidth * storedHeight)
        decoder.skip_loop_filter = AVDISCARD_NONREF;
}
