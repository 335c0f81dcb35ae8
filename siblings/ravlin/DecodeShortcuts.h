#pragma once

#include "FfPointers.h"

// Lets the video decoder leave out work whose effect the output barely shows.
// storedWidth x storedHeight is the size the scaler brings the picture to as it
// is stored, before any turn.
// Where the picture shrinks at least four times across and four times down, no
// picture is deblocked: every 4x4 block edge falls inside the footprint of one
// output pixel, so the scaling averages away both the unsmoothed edges and most
// of the error that spreads from unfiltered pictures to those predicted from
// them (on a 1920x1080 natural picture shrunk to 320x240, 0.03 to 0.08 dB of
// PSNR; on sharp test patterns and text, 0.5 to 2 dB off a picture still above
// 40 dB, for 3 to 5 % of the job's time). Where it shrinks less in one
// direction (a 1280x720 or a turned 1080x1920 picture to 320x240), that spread
// error shows, so where the area shrinks to a quarter or less only the pictures
// no other picture is predicted from go unfiltered.
void SkipUnseenDecoding(AVCodecContext& decoder, int storedWidth, int storedHeight);
