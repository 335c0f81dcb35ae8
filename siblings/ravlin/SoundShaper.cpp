#include "SoundShaper.h"

#include "RavlinError.h"

#include <algorithm>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

TSoundShaper::TSoundShaper(const AVCodecContext* encoder, AVRational sourceTimeBase, double shift,
                           std::optional<double> volume, std::optional<int64_t> sampleLimit)
    : TStreamShaper(sourceTimeBase, shift), Encoder(encoder), Volume(volume), Limit(sampleLimit),
      FrameSize(!(encoder->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) &&
                        encoder->frame_size > 0
                    ? encoder->frame_size
                    : 0),
      Fifo(av_audio_fifo_alloc(encoder->sample_fmt, encoder->ch_layout.nb_channels, 4096)),
      Converted(NewFrame()) {
    if (!Fifo || !Converted)
        throw TRavlinError("out of memory");
}

TSoundShaper::~TSoundShaper() {
    av_channel_layout_uninit(&Layout);
}

bool TSoundShaper::Fits(const AVFrame* frame) const {
    return frame->sample_rate == Rate && frame->format == Format &&
           av_channel_layout_compare(&frame->ch_layout, &Layout) == 0;
}

void TSoundShaper::Configure(const AVFrame* frame) {
    const bool first = !Resampler;
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

    SwrContext* context = nullptr;
    // The library only reads the layouts it is given.
    const int allocated = swr_alloc_set_opts2(
        &context, const_cast<AVChannelLayout*>(&Encoder->ch_layout), Encoder->sample_fmt,
        Encoder->sample_rate, &described, static_cast<AVSampleFormat>(Format), Rate, 0, nullptr);
    av_channel_layout_uninit(&described);
    Resampler.reset(context);
    CheckFf(allocated, "cannot set up the sound conversion");
    // Filling and trimming keeps the sound on the time stamps; the first sample is due at 0.
    av_opt_set_double(context, "async", 1, 0);
    if (first)
        av_opt_set_int(context, "first_pts", 0, 0);
    if (Volume && *Volume > 0) {
        av_opt_set_double(context, "rematrix_volume", *Volume, 0);
    } else if (Volume) {
        // The mixing volume cannot be 0: silence is a mix of nothing.
        const std::vector<double> nothing(
            static_cast<size_t>(Layout.nb_channels) * Encoder->ch_layout.nb_channels, 0.0);
        CheckFf(swr_set_matrix(context, nothing.data(), Layout.nb_channels),
                "cannot set up the sound conversion");
    }
    CheckFf(swr_init(context), "cannot set up the sound conversion");
}

int TSoundShaper::Resample(const AVFrame* frame, int skip) {
    const int count = frame ? frame->nb_samples - skip : 0;
    // A flush gives up what the filter holds back, a frame's worth at a time.
    const int room =
        std::max(CheckFf(swr_get_out_samples(Resampler.get(), count), "sound conversion failed"),
                 frame ? 0 : 4096);
    if (Converted->nb_samples < room) {
        av_frame_unref(Converted.get());
        Converted->format = Encoder->sample_fmt;
        Converted->nb_samples = room;
        CheckFf(av_channel_layout_copy(&Converted->ch_layout, &Encoder->ch_layout),
                "out of memory");
        CheckFf(av_frame_get_buffer(Converted.get(), 0), "out of memory");
    }
    std::vector<const uint8_t*> input;
    if (frame) {
        const bool planar = av_sample_fmt_is_planar(static_cast<AVSampleFormat>(Format));
        const int channels = frame->ch_layout.nb_channels;
        const int offset = skip * av_get_bytes_per_sample(static_cast<AVSampleFormat>(Format)) *
                           (planar ? 1 : channels);
        for (int plane = 0; plane < (planar ? channels : 1); ++plane)
            input.push_back(frame->extended_data[plane] + offset);
    }
    const int converted = swr_convert(Resampler.get(), Converted->extended_data, room,
                                      frame ? input.data() : nullptr, count);
    CheckFf(converted, "sound conversion failed");
    if (converted > 0 &&
        av_audio_fifo_write(Fifo.get(), reinterpret_cast<void**>(Converted->extended_data),
                            converted) < converted)
        throw TRavlinError("out of memory");
    return converted;
}

void TSoundShaper::Drain() {
    while (Resample(nullptr, 0) > 0) {
    }
}

bool TSoundShaper::Deliver(bool all, const TFrameSink& sink) {
    while (true) {
        const int held = av_audio_fifo_size(Fifo.get());
        int count = FrameSize == 0 ? held : std::min(held, FrameSize);
        if (count == 0 || (count < FrameSize && !all))
            return true;
        if (Limit)
            count = static_cast<int>(std::min<int64_t>(count, *Limit - Samples));
        if (count <= 0)
            return false;
        TFramePtr frame = NewFrame();
        frame->format = Encoder->sample_fmt;
        frame->sample_rate = Encoder->sample_rate;
        frame->nb_samples = count;
        CheckFf(av_channel_layout_copy(&frame->ch_layout, &Encoder->ch_layout), "out of memory");
        CheckFf(av_frame_get_buffer(frame.get(), 0), "out of memory");
        av_audio_fifo_read(Fifo.get(), reinterpret_cast<void**>(frame->extended_data), count);
        frame->pts = Samples;
        Samples += count;
        if (!sink(std::move(frame)) || (Limit && Samples >= *Limit))
            return false;
    }
}

bool TSoundShaper::Push(TFramePtr frame, const TFrameSink& sink) {
    const int64_t shifted = OnSegment(frame->pts);
    int skip = 0;
    if (!Started) {
        // The segment starts inside or after this frame: what lies before its start goes.
        const int64_t first = av_rescale_q(shifted, TimeBase, AVRational{1, frame->sample_rate});
        if (first + frame->nb_samples <= 0)
            return true;
        skip = static_cast<int>(std::max<int64_t>(0, -first));
        Started = true;
    }
    if (!Resampler || !Fits(frame.get())) {
        // The source changed its sound midway: what the old conversion holds goes out first.
        if (Resampler) {
            Drain();
            if (!Deliver(false, sink))
                return false;
        }
        Configure(frame.get());
    }
    const int64_t pts = shifted + av_rescale_q(skip, AVRational{1, frame->sample_rate}, TimeBase);
    // Times in 1/(input rate x output rate) as the conversion counts them.
    swr_next_pts(Resampler.get(),
                 av_rescale(pts, static_cast<int64_t>(TimeBase.num) * Rate * Encoder->sample_rate,
                            TimeBase.den));
    Resample(frame.get(), skip);
    return Deliver(false, sink);
}

void TSoundShaper::Finish(int64_t, const TFrameSink& sink) {
    if (!Resampler)
        return;
    Drain();
    Deliver(true, sink);
}
