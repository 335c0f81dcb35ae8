#pragma once

#include "FfPointers.h"

// Brings decoded pictures to the encoder's size and pixel format, on the
// encoding thread. A picture already in that shape goes through untouched.
class TPictureScaler {
public:
    explicit TPictureScaler(const AVCodecContext* encoder) : Encoder(encoder) {}

    // The picture in the encoder's shape, with the given picture's pts.
    TFramePtr Scale(TFramePtr picture);

private:
    const AVCodecContext* Encoder;
    TScalerPtr Context;
};
