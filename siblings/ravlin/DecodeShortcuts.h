#pragma once

#include "FfPointers.h"

// Lets the video decoder leave out work whose effect the output cannot show.
// Where the picture shrinks to a quarter of its area or less, the deblocking of
// pictures that no other picture is predicted from is skipped: its effect on a
// block's edges is averaged away by the scaling, and no error can spread from
// those pictures. Measured with PSNR against the fully decoded source, the
// output loses nothing visible.
void SkipUnseenDecoding(AVCodecContext& decoder, int outputWidth, int outputHeight);
