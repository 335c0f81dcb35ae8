#pragma once

#include "FilterGraph.h"
#include "FrameQueue.h"
#include "StreamEncoder.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The encoding thread of one output stream: takes decoded frames from its queue,
// filters them into the output's shape, cuts them to the segment and encodes them.
// The segment's start is at 0 after the filters; the input frames keep the
// source's time stamps.
class TStreamWorker {
public:
    TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder, AVRational sourceTimeBase,
                  double segmentShift);
    virtual ~TStreamWorker() = default;

    void Run();
    bool Finished() const { return Done.load(); }
    // The reason the stream failed, empty while it did not.
    std::string Failure() const;

protected:
    // The filter chain for input frames like this one; first is false when the
    // input changed its shape midway and the graph is built anew.
    virtual std::unique_ptr<TFilterGraph> BuildGraph(const AVFrame* frame, bool first) = 0;
    // Whether frames like this one fit the graph built for the earlier ones.
    virtual bool FitsGraph(const AVFrame* frame) const = 0;
    // Encodes one filtered frame; false once the segment's end is reached.
    virtual bool Emit(AVFrame* frame) = 0;

    std::string SourceTimeBase() const;
    std::string ShiftFilter(const char* name) const;

    TStreamEncoder& Encoder;
    std::unique_ptr<TFilterGraph> Graph;

private:
    bool DrainGraph();

    TFrameQueue& Queue;
    AVRational TimeBase;
    double Shift;
    std::atomic<bool> Done{false};
    std::atomic<bool> Failed{false};
    std::string Reason;
};

// Video: constant frame rate from the segment's start, exact size and aspect.
class TVideoWorker : public TStreamWorker {
public:
    // frameLimit: frames that make the segment's length; nullopt runs to the source's end.
    TVideoWorker(TFrameQueue& queue, TStreamEncoder& encoder, AVRational sourceTimeBase,
                 double segmentShift, std::optional<int64_t> frameLimit);

protected:
    std::unique_ptr<TFilterGraph> BuildGraph(const AVFrame* frame, bool first) override;
    bool FitsGraph(const AVFrame* frame) const override;
    bool Emit(AVFrame* frame) override;

private:
    std::optional<int64_t> Limit;
    int64_t LastPts = -1;
    int Width = 0, Height = 0, Format = -1;
};

// Sound: the volume, the channel count and the sample rate of the output, cut
// to the sample at both ends of the segment.
class TAudioWorker : public TStreamWorker {
public:
    TAudioWorker(TFrameQueue& queue, TStreamEncoder& encoder, AVRational sourceTimeBase,
                 double segmentShift, std::optional<double> volume,
                 std::optional<int64_t> sampleLimit);
    ~TAudioWorker() override { av_channel_layout_uninit(&Layout); }

protected:
    std::unique_ptr<TFilterGraph> BuildGraph(const AVFrame* frame, bool first) override;
    bool FitsGraph(const AVFrame* frame) const override;
    bool Emit(AVFrame* frame) override;

private:
    std::optional<double> Volume;
    std::optional<int64_t> Limit;
    int64_t Samples = 0;
    int Rate = 0, Format = -1;
    AVChannelLayout Layout{};
};
