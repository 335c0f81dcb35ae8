#include "PictureTurner.h"

#include "RavlinError.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

TPictureTurner::TPictureTurner(std::string filters) : Filters(std::move(filters)) {}

TPictureTurner::~TPictureTurner() {
    avfilter_graph_free(&Graph);
}

void TPictureTurner::Build(const AVFrame* picture) {
    avfilter_graph_free(&Graph);
    Graph = avfilter_graph_alloc();
    if (!Graph)
        throw TRavlinError("out of memory");
    // One thread: the other streams' work and the encoder have the other cores.
    Graph->nb_threads = 1;
    const std::string source =
        "video_size=" + std::to_string(picture->width) + "x" + std::to_string(picture->height) +
        ":pix_fmt=" + std::to_string(picture->format) + ":time_base=1/1:pixel_aspect=1/1";
    CheckFf(avfilter_graph_create_filter(&Source, avfilter_get_by_name("buffer"), "in",
                                         source.c_str(), nullptr, Graph),
            "cannot turn the pictures of the input");
    CheckFf(avfilter_graph_create_filter(&Sink, avfilter_get_by_name("buffersink"), "out", nullptr,
                                         nullptr, Graph),
            "cannot turn the pictures of the input");
    AVFilterInOut* outputs = avfilter_inout_alloc();
    AVFilterInOut* inputs = avfilter_inout_alloc();
    if (!outputs || !inputs) {
        avfilter_inout_free(&outputs);
        avfilter_inout_free(&inputs);
        throw TRavlinError("out of memory");
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = Source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = Sink;
    const int parsed = avfilter_graph_parse_ptr(Graph, Filters.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    CheckFf(parsed, "cannot turn the pictures of the input");
    CheckFf(avfilter_graph_config(Graph, nullptr), "cannot turn the pictures of the input");
    Width = picture->width;
    Height = picture->height;
    Format = picture->format;
}

TFramePtr TPictureTurner::Turn(TFramePtr picture) {
    if (!Graph || picture->width != Width || picture->height != Height || picture->format != Format)
        Build(picture.get());
    const int64_t pts = picture->pts;
    CheckFf(av_buffersrc_add_frame(Source, picture.get()), "cannot turn a picture");
    TFramePtr turned = NewFrame();
    if (!turned)
        throw TRavlinError("out of memory");
    CheckFf(av_buffersink_get_frame(Sink, turned.get()), "cannot turn a picture");
    turned->pts = pts;
    return turned;
}
