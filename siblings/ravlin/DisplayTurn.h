#pragma once

#include <string>

struct AVStream;

// How a video stream's pictures are to be turned to show upright, as its
// display matrix says (phones store portrait video lying on its side and say
// so there): quarter turns and mirrorings. Other angles are left alone.
struct TDisplayTurn {
    // The libavfilter chain that turns a picture upright; empty when it is upright.
    std::string Filters;
    // The turn swaps the picture's width and height.
    bool Swaps = false;

    bool Upright() const { return Filters.empty(); }
};

TDisplayTurn DisplayTurnOf(const AVStream* stream);
