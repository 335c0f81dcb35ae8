#pragma once

#include "FfPointers.h"

#include <string>

struct AVFilterGraph;
struct AVFilterContext;

// Turns decoded pictures upright with a libavfilter chain (see TDisplayTurn),
// on the encoding thread once they are scaled. The chain is built for the
// first picture and again whenever the pictures change their size or format.
class TPictureTurner {
public:
    explicit TPictureTurner(std::string filters);
    ~TPictureTurner();
    TPictureTurner(const TPictureTurner&) = delete;
    TPictureTurner& operator=(const TPictureTurner&) = delete;

    // The picture turned, with the given picture's pts.
    TFramePtr Turn(TFramePtr picture);

private:
    void Build(const AVFrame* picture);

    std::string Filters;
    AVFilterGraph* Graph = nullptr;
    AVFilterContext* Source = nullptr;
    AVFilterContext* Sink = nullptr;
    int Width = 0, Height = 0, Format = -1;
};
