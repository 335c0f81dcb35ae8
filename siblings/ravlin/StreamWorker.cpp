#include "StreamWorker.h"

#include "RavlinError.h"

#include <cstdio>

extern "C" {
#include <libavutil/pixdesc.h>
}

TStreamWorker::TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder, AVRational sourceTimeBase,
                             double segmentShift)
    : Encoder(encoder), Queue(queue), TimeBase(sourceTimeBase), Shift(segmentShift) {}

std::string TStreamWorker::SourceTimeBase() const {
    return std::to_string(TimeBase.num) + "/" + std::to_string(TimeBase.den);
}

std::string TStreamWorker::ShiftFilter(const char* name) const {
    char text[96];
    std::snprintf(text, sizeof text, "%s=PTS-%.6f/TB", name, Shift);
    return text;
}

std::string TStreamWorker::Failure() const {
    return Failed.load() ? Reason : std::string();
}

void TStreamWorker::Run() {
    try {
        bool atEnd = false;
        int64_t inputEnd = 0;
        while (!atEnd) {
            TFramePtr frame = Queue.Pop();
            if (!frame)
                break;
            if (!Graph || !FitsGraph(frame.get())) {
                // Let the old graph give up what it holds before the new one takes over.
                if (Graph) {
                    Graph->Close(inputEnd);
                    atEnd = !DrainGraph();
                }
                Graph = BuildGraph(frame.get(), !Graph);
            }
            inputEnd = frame->pts + frame->pkt_duration;
            Graph->Push(frame.get());
            atEnd = atEnd || !DrainGraph();
        }
        if (!atEnd && Graph) {
            Graph->Close(inputEnd);
            DrainGraph();
        }
        Queue.Close();
        Encoder.Encode(nullptr);
    } catch (const TRavlinError& error) {
        Reason = error.what();
        Failed = true;
        Queue.Close();
    }
    Done = true;
}

bool TStreamWorker::DrainGraph() {
    TFramePtr filtered = NewFrame();
    while (Graph->Pull(filtered.get()) >= 0) {
        const bool more = Emit(filtered.get());
        av_frame_unref(filtered.get());
        if (!more)
            return false;
    }
    return true;
}

TVideoWorker::TVideoWorker(TFrameQueue& queue, TStreamEncoder& encoder, AVRational sourceTimeBase,
                           double segmentShift, std::optional<int64_t> frameLimit)
    : TStreamWorker(queue, encoder, sourceTimeBase, segmentShift), Limit(frameLimit) {}

bool TVideoWorker::FitsGraph(const AVFrame* frame) const {
    return frame->width == Width && frame->height == Height && frame->format == Format;
}

std::unique_ptr<TFilterGraph> TVideoWorker::BuildGraph(const AVFrame* frame, bool first) {
    Width = frame->width;
    Height = frame->height;
    Format = frame->format;
    const AVCodecContext* target = Encoder.Context();
    const AVRational sar =
        frame->sample_aspect_ratio.num ? frame->sample_aspect_ratio : AVRational{1, 1};
    char source[256];
    std::snprintf(source, sizeof source,
                  "video_size=%dx%d:pix_fmt=%d:time_base=%s:pixel_aspect=%d/%d", Width, Height,
                  Format, SourceTimeBase().c_str(), sar.num, sar.den);
    // The rate is made constant before scaling, so no dropped frame is ever scaled.
    // start_time pads or trims the segment's first frame to exactly 0.
    char chain[512];
    std::snprintf(chain, sizeof chain, "%s,fps=fps=%d/%d%s,scale=%d:%d,setsar=%d/%d,format=%s",
                  ShiftFilter("setpts").c_str(), target->framerate.num, target->framerate.den,
                  first ? ":start_time=0" : "", target->width, target->height,
                  target->sample_aspect_ratio.num, target->sample_aspect_ratio.den,
                  av_get_pix_fmt_name(target->pix_fmt));
    return std::make_unique<TFilterGraph>(AVMEDIA_TYPE_VIDEO, source, chain);
}

bool TVideoWorker::Emit(AVFrame* frame) {
    const AVCodecContext* target = Encoder.Context();
    const int64_t pts = av_rescale_q(frame->pts, Graph->OutputTimeBase(), target->time_base);
    if (pts < 0 || pts <= LastPts)
        return true; // before the segment, or a repeat after the input changed shape
    if (Limit && pts >= *Limit)
        return false;
    frame->pts = pts;
    frame->pict_type = AV_PICTURE_TYPE_NONE;
    Encoder.Encode(frame);
    LastPts = pts;
    return !Limit || pts + 1 < *Limit;
}

TAudioWorker::TAudioWorker(TFrameQueue& queue, TStreamEncoder& encoder, AVRational sourceTimeBase,
                           double segmentShift, std::optional<double> volume,
                           std::optional<int64_t> sampleLimit)
    : TStreamWorker(queue, encoder, sourceTimeBase, segmentShift), Volume(volume),
      Limit(sampleLimit) {}

bool TAudioWorker::FitsGraph(const AVFrame* frame) const {
    return frame->sample_rate == Rate && frame->format == Format &&
           av_channel_layout_compare(&frame->ch_layout, &Layout) == 0;
}

std::unique_ptr<TFilterGraph> TAudioWorker::BuildGraph(const AVFrame* frame, bool first) {
    Rate = frame->sample_rate;
    Format = frame->format;
    av_channel_layout_uninit(&Layout);
    av_channel_layout_copy(&Layout, &frame->ch_layout);
    AVChannelLayout described{};
    // A source that only tells the channel count gets the usual layout for it.
    if (Layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&described, Layout.nb_channels);
    else
        av_channel_layout_copy(&described, &Layout);
    char layoutText[128] = {};
    av_channel_layout_describe(&described, layoutText, sizeof layoutText);
    av_channel_layout_uninit(&described);

    const AVCodecContext* target = Encoder.Context();
    char targetLayout[128] = {};
    av_channel_layout_describe(&target->ch_layout, targetLayout, sizeof targetLayout);
    char source[320];
    std::snprintf(source, sizeof source,
                  "time_base=%s:sample_rate=%d:sample_fmt=%s:channel_layout=%s",
                  SourceTimeBase().c_str(), Rate,
                  av_get_sample_fmt_name(static_cast<AVSampleFormat>(Format)), layoutText);
    std::string chain = ShiftFilter("asetpts") + ",atrim=start=0";
    if (Volume)
        chain += ",volume=" + std::to_string(*Volume);
    // async pads a late start and gaps with silence so the sound keeps in step with the picture.
    chain += ",aresample=" + std::to_string(target->sample_rate) + ":async=1" +
             (first ? ":first_pts=0" : "") +
             ",aformat=sample_fmts=" + av_get_sample_fmt_name(target->sample_fmt) +
             ":sample_rates=" + std::to_string(target->sample_rate) +
             ":channel_layouts=" + targetLayout;
    auto graph = std::make_unique<TFilterGraph>(AVMEDIA_TYPE_AUDIO, source, chain);
    if (!(target->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && target->frame_size > 0)
        graph->SetFrameSize(static_cast<unsigned>(target->frame_size));
    return graph;
}

bool TAudioWorker::Emit(AVFrame* frame) {
    if (Limit) {
        const int64_t room = *Limit - Samples;
        if (room <= 0)
            return false;
        if (frame->nb_samples > room)
            frame->nb_samples = static_cast<int>(room);
    }
    frame->pts = Samples;
    Samples += frame->nb_samples;
    Encoder.Encode(frame);
    return !Limit || Samples < *Limit;
}
