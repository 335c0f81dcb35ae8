#include "FilterGraph.h"

#include "RavlinError.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace {

struct TInOutFree {
    void operator()(AVFilterInOut* list) const { avfilter_inout_free(&list); }
};
using TInOutPtr = std::unique_ptr<AVFilterInOut, TInOutFree>;

TInOutPtr Endpoint(const char* name, AVFilterContext* filter) {
    TInOutPtr end(avfilter_inout_alloc());
    end->name = av_strdup(name);
    end->filter_ctx = filter;
    end->pad_idx = 0;
    end->next = nullptr;
    return end;
}

} // namespace

TFilterGraph::TFilterGraph(AVMediaType kind, const std::string& sourceArgs,
                           const std::string& chain)
    : Graph(avfilter_graph_alloc()) {
    const bool audio = kind == AVMEDIA_TYPE_AUDIO;
    const std::string what =
        audio ? "cannot set up the sound filters" : "cannot set up the video filters";
    CheckFf(avfilter_graph_create_filter(&Source,
                                         avfilter_get_by_name(audio ? "abuffer" : "buffer"), "in",
                                         sourceArgs.c_str(), nullptr, Graph.get()),
            what);
    CheckFf(avfilter_graph_create_filter(&Sink,
                                         avfilter_get_by_name(audio ? "abuffersink" : "buffersink"),
                                         "out", nullptr, nullptr, Graph.get()),
            what);
    // The chain's open input is fed by the source, its open output feeds the sink.
    TInOutPtr chainInput = Endpoint("in", Source);
    TInOutPtr chainOutput = Endpoint("out", Sink);
    AVFilterInOut* inputs = chainOutput.release();
    AVFilterInOut* outputs = chainInput.release();
    const int parsed =
        avfilter_graph_parse_ptr(Graph.get(), chain.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    CheckFf(parsed, what);
    CheckFf(avfilter_graph_config(Graph.get(), nullptr), what);
}

void TFilterGraph::SetFrameSize(unsigned samples) {
    av_buffersink_set_frame_size(Sink, samples);
}

void TFilterGraph::Push(AVFrame* frame) {
    CheckFf(av_buffersrc_add_frame_flags(Source, frame, 0), "filtering failed");
}

void TFilterGraph::Close(int64_t pts) {
    av_buffersrc_close(Source, pts, 0);
}

int TFilterGraph::Pull(AVFrame* frame) {
    return av_buffersink_get_frame(Sink, frame);
}

AVRational TFilterGraph::OutputTimeBase() const {
    return av_buffersink_get_time_base(Sink);
}
