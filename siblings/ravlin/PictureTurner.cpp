#include "PictureTurner.h"

#include "RavlinError.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavfilter/version.h>
}

#include <dlfcn.h>

namespace {

// The filter library is loaded only for a source that is turned: linked in,
// it and the many libraries it needs would cost every job start-up time and
// memory.
class TFilterLibrary {
public:
    static const TFilterLibrary& Get() {
        static const TFilterLibrary library;
        if (!library.Handle)
            throw TRavlinError("cannot turn the pictures of the input: " + library.Failure);
        return library;
    }

    decltype(&avfilter_graph_alloc) GraphAlloc;
    decltype(&avfilter_graph_free) GraphFree;
    decltype(&avfilter_get_by_name) GetByName;
    decltype(&avfilter_graph_create_filter) CreateFilter;
    decltype(&avfilter_inout_alloc) InOutAlloc;
    decltype(&avfilter_inout_free) InOutFree;
    decltype(&avfilter_graph_parse_ptr) Parse;
    decltype(&avfilter_graph_config) Config;
    decltype(&av_buffersrc_add_frame) AddFrame;
    decltype(&av_buffersink_get_frame) GetFrame;

private:
    TFilterLibrary() {
        const std::string name = "libavfilter.so." + std::to_string(LIBAVFILTER_VERSION_MAJOR);
        Handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (Handle) {
            Find(GraphAlloc, "avfilter_graph_alloc");
            Find(GraphFree, "avfilter_graph_free");
            Find(GetByName, "avfilter_get_by_name");
            Find(CreateFilter, "avfilter_graph_create_filter");
            Find(InOutAlloc, "avfilter_inout_alloc");
            Find(InOutFree, "avfilter_inout_free");
            Find(Parse, "avfilter_graph_parse_ptr");
            Find(Config, "avfilter_graph_config");
            Find(AddFrame, "av_buffersrc_add_frame");
            Find(GetFrame, "av_buffersink_get_frame");
        }
        if (!Handle) {
            const char* error = dlerror();
            Failure = error ? error : name + " lacks a function";
        }
    }
    template <typename T> void Find(T& function, const char* symbol) {
        function = reinterpret_cast<T>(dlsym(Handle, symbol));
        if (!function)
            Handle = nullptr; // a library without all of them is of no use
    }

    void* Handle = nullptr;
    std::string Failure;
};

} // namespace

TPictureTurner::TPictureTurner(std::string filters) : Filters(std::move(filters)) {}

TPictureTurner::~TPictureTurner() {
    if (Graph)
        TFilterLibrary::Get().GraphFree(&Graph);
}

void TPictureTurner::Build(const AVFrame* picture) {
    const TFilterLibrary& library = TFilterLibrary::Get();
    library.GraphFree(&Graph);
    Graph = library.GraphAlloc();
    if (!Graph)
        throw TRavlinError("out of memory");
    // One thread: the other streams' work and the encoder have the other cores.
    Graph->nb_threads = 1;
    const std::string source =
        "video_size=" + std::to_string(picture->width) + "x" + std::to_string(picture->height) +
        ":pix_fmt=" + std::to_string(picture->format) + ":time_base=1/1:pixel_aspect=1/1";
    CheckFf(library.CreateFilter(&Source, library.GetByName("buffer"), "in", source.c_str(),
                                 nullptr, Graph),
            "cannot turn the pictures of the input");
    CheckFf(library.CreateFilter(&Sink, library.GetByName("buffersink"), "out", nullptr, nullptr,
                                 Graph),
            "cannot turn the pictures of the input");
    AVFilterInOut* outputs = library.InOutAlloc();
    AVFilterInOut* inputs = library.InOutAlloc();
    if (!outputs || !inputs) {
        library.InOutFree(&outputs);
        library.InOutFree(&inputs);
        throw TRavlinError("out of memory");
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = Source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = Sink;
    const int parsed = library.Parse(Graph, Filters.c_str(), &inputs, &outputs, nullptr);
    library.InOutFree(&outputs);
    library.InOutFree(&inputs);
    CheckFf(parsed, "cannot turn the pictures of the input");
    CheckFf(library.Config(Graph, nullptr), "cannot turn the pictures of the input");
    Width = picture->width;
    Height = picture->height;
    Format = picture->format;
}

TFramePtr TPictureTurner::Turn(TFramePtr picture) {
    if (!Graph || picture->width != Width || picture->height != Height || picture->format != Format)
        Build(picture.get());
    const TFilterLibrary& library = TFilterLibrary::Get();
    const int64_t pts = picture->pts;
    CheckFf(library.AddFrame(Source, picture.get()), "cannot turn a picture");
    TFramePtr turned = NewFrame();
    if (!turned)
        throw TRavlinError("out of memory");
    CheckFf(library.GetFrame(Sink, turned.get()), "cannot turn a picture");
    turned->pts = pts;
    return turned;
}
