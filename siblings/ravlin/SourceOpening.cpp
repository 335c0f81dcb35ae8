#include "SourceOpening.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include <cstring>

namespace {

// Formats that open further files or network addresses named inside the source.
bool ReachesElsewhere(const AVInputFormat* format) {
    if (format->flags & AVFMT_NOFILE)
        return true; // reads no file of its own: devices, image sequences, network sessions
    for (const char* name :
         {"hls", "dash", "concat", "imf", "vobsub", "sdp", "rtp", "sap", "webm_dash_manifest"})
        if (std::strcmp(format->name, name) == 0)
            return true;
    return false;
}

std::string MediaFormats() {
    std::string names;
    void* state = nullptr;
    while (const AVInputFormat* format = av_demuxer_iterate(&state)) {
        if (ReachesElsewhere(format))
            continue;
        if (!names.empty())
            names += ',';
        names += format->name;
    }
    return names;
}

} // namespace

int OpenSourceFile(AVFormatContext** context, const std::string& path) {
    static const std::string formats = MediaFormats();
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    av_dict_set(&options, "format_whitelist", formats.c_str(), 0);
    // The protocol named outright: no part of a file name is taken for another one.
    const std::string url = "file:" + path;
    const int code = avformat_open_input(context, url.c_str(), nullptr, &options);
    av_dict_free(&options);
    // A format off the list is refused as one the libraries do not know.
    return code == AVERROR(EINVAL) ? AVERROR_INVALIDDATA : code;
}
