#include "StreamEncoder.h"

#include "CodecThreads.h"
#include "RavlinError.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {

const char* EncoderNameFor(const std::string& name) {
    if (name == "xvid")
        return avcodec_find_encoder_by_name("libxvid") ? "libxvid" : "mpeg4";
    if (name == "mp3")
        return "libmp3lame";
    return name.c_str();
}

template <typename T> bool Lists(const T* list, T value, T end) {
    if (!list)
        return true; // the encoder takes any
    for (; *list != end; ++list)
        if (*list == value)
            return true;
    return false;
}

std::string Describe(const AVChannelLayout& layout) {
    char text[64] = {};
    av_channel_layout_describe(&layout, text, sizeof text);
    return text;
}

} // namespace

const AVCodec* FindEncoder(const std::string& name, AVMediaType kind,
                           const AVOutputFormat* format) {
    const AVCodec* codec = nullptr;
    if (name.empty()) {
        const AVCodecID id = kind == AVMEDIA_TYPE_VIDEO ? format->video_codec : format->audio_codec;
        codec = id == AV_CODEC_ID_MP3 ? avcodec_find_encoder_by_name("libmp3lame") : nullptr;
        if (!codec && id != AV_CODEC_ID_NONE)
            codec = avcodec_find_encoder(id);
    } else {
        codec = avcodec_find_encoder_by_name(EncoderNameFor(name));
    }
    const char* what = kind == AVMEDIA_TYPE_VIDEO ? "video" : "sound";
    if (!codec || codec->type != kind)
        throw TRavlinError(std::string("no ") + what + " encoder " +
                           (name.empty() ? "for the " + std::string(format->name) + " format"
                                         : "named \"" + name + "\""));
    return codec;
}

TStreamEncoder::TStreamEncoder(const TVideoTarget& target, TOutputFile& output)
    : Codec(avcodec_alloc_context3(target.Codec)) {
    Codec->width = target.Width;
    Codec->height = target.Height;
    Codec->pix_fmt = Lists(target.Codec->pix_fmts, AV_PIX_FMT_YUV420P, AV_PIX_FMT_NONE)
                         ? AV_PIX_FMT_YUV420P
                         : target.Codec->pix_fmts[0];
    Codec->framerate = target.FrameRate;
    Codec->time_base = av_inv_q(target.FrameRate);
    Codec->sample_aspect_ratio = target.SampleAspect;
    if (target.Bitrate > 0) {
        Codec->bit_rate = target.Bitrate;
        // Hold the bitrate within a quarter second's worth of bits: the library's
        // default tolerance lets short clips come out at several times the rate asked.
        Codec->bit_rate_tolerance = target.Bitrate / 4;
    }
    // Predicting the first coefficients of intra blocks from their neighbours'
    // saves bits at next to no cost, and every MPEG-4 player decodes it.
    if (target.Codec->id == AV_CODEC_ID_MPEG4)
        Codec->flags |= AV_CODEC_FLAG_AC_PRED;
    Codec->thread_count = CodecThreads(target.Width, target.Height);
    Open(output);
}

TStreamEncoder::TStreamEncoder(const TAudioTarget& target, TOutputFile& output)
    : Codec(avcodec_alloc_context3(target.Codec)) {
    const AVCodec* codec = target.Codec;
    // Planar float is what the usual decoders give: no conversion where the encoder takes it.
    Codec->sample_fmt = Lists(codec->sample_fmts, AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_NONE)
                            ? AV_SAMPLE_FMT_FLTP
                            : codec->sample_fmts[0];
    if (!Lists(codec->supported_samplerates, target.SampleRate, 0))
        throw TRavlinError(std::string("the ") + codec->name + " encoder cannot take " +
                           std::to_string(target.SampleRate) + " Hz");
    Codec->sample_rate = target.SampleRate;
    av_channel_layout_default(&Codec->ch_layout, target.Channels);
    if (codec->ch_layouts) {
        bool found = false;
        for (const AVChannelLayout* layout = codec->ch_layouts; layout->nb_channels; ++layout)
            found = found || av_channel_layout_compare(layout, &Codec->ch_layout) == 0;
        if (!found)
            throw TRavlinError(std::string("the ") + codec->name + " encoder cannot take " +
                               Describe(Codec->ch_layout) + " sound");
    }
    Codec->time_base = AVRational{1, target.SampleRate};
    if (target.Bitrate > 0)
        Codec->bit_rate = target.Bitrate;
    Open(output);
}

void TStreamEncoder::Open(TOutputFile& output) {
    if (!output.CanHold(Codec->codec->id))
        throw TRavlinError("the " + output.FormatName() + " format cannot hold " +
                           avcodec_get_name(Codec->codec->id));
    if (output.NeedsGlobalHeader())
        Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    CheckFf(avcodec_open2(Codec.get(), Codec->codec, nullptr),
            std::string("cannot open the ") + Codec->codec->name + " encoder");
    StreamIndex = output.AddStream(Codec.get());
    Output = &output;
}

void TStreamEncoder::Encode(const AVFrame* frame) {
    const int sent = avcodec_send_frame(Codec.get(), frame);
    if (sent == AVERROR_EOF)
        return; // flushed already
    CheckFf(sent, std::string("the ") + Codec->codec->name + " encoder failed");
    while (true) {
        const int code = avcodec_receive_packet(Codec.get(), Packet.get());
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return;
        CheckFf(code, std::string("the ") + Codec->codec->name + " encoder failed");
        if (Packet->duration <= 0 && Codec->codec_type == AVMEDIA_TYPE_VIDEO)
            Packet->duration = av_rescale_q(1, av_inv_q(Codec->framerate), Codec->time_base);
        Output->Write(StreamIndex, Packet.get(), Codec->time_base);
        av_packet_unref(Packet.get());
    }
}
