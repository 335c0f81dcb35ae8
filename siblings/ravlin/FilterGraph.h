#pragma once

#include "FfPointers.h"

#include <string>

// One stream's filter chain between a buffer source and a buffer sink.
class TFilterGraph {
public:
    // sourceArgs configure the (a)buffer source; chain is the filter text between source and sink.
    TFilterGraph(AVMediaType kind, const std::string& sourceArgs, const std::string& chain);

    // Makes the sink hand out frames of exactly this many samples (the last may be shorter).
    void SetFrameSize(unsigned samples);
    // Hands a frame to the graph; the frame is left empty.
    void Push(AVFrame* frame);
    // No more input: pts is where the last frame ends, in the source's time base.
    void Close(int64_t pts);
    // 0 with a frame, AVERROR(EAGAIN) when the graph needs input, AVERROR_EOF at its end.
    int Pull(AVFrame* frame);
    AVRational OutputTimeBase() const;

private:
    TFilterGraphPtr Graph;
    AVFilterContext* Source = nullptr;
    AVFilterContext* Sink = nullptr;
};
