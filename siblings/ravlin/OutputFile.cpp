#include "OutputFile.h"

#include "RavlinError.h"

#include <cstdio>

extern "C" {
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
}

TOutputFile::TOutputFile(const std::string& path, const std::string& formatName) : Path(path) {
    const char* name = formatName.empty() ? nullptr : formatName.c_str();
    if (name && !av_guess_format(name, nullptr, nullptr))
        throw TRavlinError("unknown output format \"" + formatName + "\"");
    if (avformat_alloc_output_context2(&Context, nullptr, name, path.c_str()) < 0 || !Context)
        throw TRavlinError("no output format known for \"" + path + "\" (use -f FORMAT)");
}

TOutputFile::~TOutputFile() {
    if (Context && Context->pb)
        avio_closep(&Context->pb);
    avformat_free_context(Context);
}

bool TOutputFile::CanHold(AVCodecID codec) const {
    // Formats without a codec table answer "unknown"; their header check has the last word.
    return avformat_query_codec(Context->oformat, codec, FF_COMPLIANCE_NORMAL) != 0;
}

int TOutputFile::AddStream(const AVCodecContext* encoder) {
    AVStream* stream = avformat_new_stream(Context, nullptr);
    if (!stream)
        throw TRavlinError("cannot add a stream to the output");
    CheckFf(avcodec_parameters_from_context(stream->codecpar, encoder),
            "cannot add a stream to the output");
    stream->codecpar->codec_tag = 0; // the container picks its own tag
    stream->time_base = encoder->time_base;
    if (encoder->codec_type == AVMEDIA_TYPE_VIDEO) {
        stream->sample_aspect_ratio = encoder->sample_aspect_ratio;
        stream->avg_frame_rate = encoder->framerate;
    }
    return stream->index;
}

void TOutputFile::Open() {
    if (!(Context->oformat->flags & AVFMT_NOFILE))
        CheckFf(avio_open(&Context->pb, Path.c_str(), AVIO_FLAG_WRITE),
                "cannot create the output \"" + Path + "\"");
    AVDictionary* options = nullptr;
    // Players on portable devices want the index before the media data.
    if (Context->priv_data && av_opt_find(Context->priv_data, "movflags", nullptr, 0, 0))
        av_dict_set(&options, "movflags", "+faststart", 0);
    const int code = avformat_write_header(Context, &options);
    av_dict_free(&options);
    CheckFf(code, "cannot write the output header");
    Opened = true;
}

void TOutputFile::Write(int stream, AVPacket* packet, AVRational encoderTimeBase) {
    const AVStream* target = Context->streams[stream];
    const bool video = target->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
    size_t qualitySize = 0;
    const uint8_t* quality =
        av_packet_get_side_data(packet, AV_PKT_DATA_QUALITY_STATS, &qualitySize);
    const double end = (packet->pts + packet->duration) * av_q2d(encoderTimeBase);

    std::lock_guard guard(Lock);
    packet->stream_index = stream;
    // The header may have changed the stream's time base: rescale to what it is now.
    av_packet_rescale_ts(packet, encoderTimeBase, target->time_base);
    (video ? Figures.VideoBytes : Figures.AudioBytes) += packet->size;
    if (video) {
        ++Figures.VideoFrames;
        if (quality && qualitySize >= 4)
            Figures.Quality = AV_RL32(quality) / static_cast<double>(FF_QP2LAMBDA);
    }
    if (end > Figures.Seconds)
        Figures.Seconds = end;
    CheckFf(av_interleaved_write_frame(Context, packet), "cannot write to the output");
    Figures.Bytes = Context->pb ? avio_tell(Context->pb) : 0;
}

void TOutputFile::Finish() {
    std::lock_guard guard(Lock);
    if (!Opened)
        return;
    Opened = false;
    CheckFf(av_interleaved_write_frame(Context, nullptr), "cannot write to the output");
    CheckFf(av_write_trailer(Context), "cannot complete the output");
    if (Context->pb) {
        Figures.Bytes = avio_size(Context->pb);
        avio_closep(&Context->pb);
    }
}

void TOutputFile::Discard() {
    std::lock_guard guard(Lock);
    if (Context->pb)
        avio_closep(&Context->pb);
    Opened = false;
    std::remove(Path.c_str());
}

TOutputProgress TOutputFile::Progress() const {
    std::lock_guard guard(Lock);
    return Figures;
}
