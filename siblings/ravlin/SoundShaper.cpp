#include "SoundShaper.h"

#include "RavlinError.h"

#include <algorithm>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {
// What the conversion gives and the limiter works on: planar float, which keeps
// a raised sound's peaks beyond full scale until the limiter has brought them back.
constexpr AVSampleFormat WorkFormat = AV_SAMPLE_FMT_FLTP;

// A conversion between two shapes of sound, not yet started.
TResamplerPtr NewConversion(const AVChannelLayout& toLayout, AVSampleFormat toFormat, int toRate,
                            const AVChannelLayout& fromLayout, AVSampleFormat fromFormat,
                            int fromRate) {
    SwrContext* context = nullptr;
    // The library only reads the layouts it is given.
    const int allocated = swr_alloc_set_opts2(
        &context, const_cast<AVChannelLayout*>(&toLayout), toFormat, toRate,
        const_cast<AVChannelLayout*>(&fromLayout), fromFormat, fromRate, 0, nullptr);
    TResamplerPtr conversion(context);
    CheckFf(allocated, "cannot set up the sound conversion");
    return conversion;
}
} // namespace

TSoundShaper::TSoundShaper(const AVCodecContext* encoder, AVRational sourceTimeBase, double shift,
                           std::optional<double> volume, std::optional<int64_t> sampleLimit)
    : TStreamShaper(sourceTimeBase, shift), Encoder(encoder), Volume(volume), Limit(sampleLimit),
      FrameSize(!(encoder->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) &&
                        encoder->frame_size > 0
                    ? encoder->frame_size
                    : 0),
      Limiter(encoder->ch_layout.nb_channels, encoder->sample_rate), Unprimed(Limiter.Latency()),
      Fifo(av_audio_fifo_alloc(WorkFormat, encoder->ch_layout.nb_channels, 4096)),
      Converted(NewFrame()) {
    if (!Fifo || !Converted)
        throw TRavlinError("out of memory");
    if (encoder->sample_fmt != WorkFormat) {
        Formatter = NewConversion(encoder->ch_layout, encoder->sample_fmt, encoder->sample_rate,
                                  encoder->ch_layout, WorkFormat, encoder->sample_rate);
        CheckFf(swr_init(Formatter.get()), "cannot set up the sound conversion");
    }
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

    Resampler = NewConversion(Encoder->ch_layout, WorkFormat, Encoder->sample_rate, described,
                              static_cast<AVSampleFormat>(Format), Rate);
    av_channel_layout_uninit(&described);
    SwrContext* context = Resampler.get();
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

float* const* TSoundShaper::Room(int samples) {
    if (Converted->nb_samples < samples) {
        av_frame_unref(Converted.get());
        Converted->format = WorkFormat;
        Converted->nb_samples = samples;
        CheckFf(av_channel_layout_copy(&Converted->ch_layout, &Encoder->ch_layout),
                "out of memory");
        CheckFf(av_frame_get_buffer(Converted.get(), 0), "out of memory");
    }
    return reinterpret_cast<float* const*>(Converted->extended_data);
}

int TSoundShaper::Resample(const AVFrame* frame, int skip) {
    const int count = frame ? frame->nb_samples - skip : 0;
    // A flush gives up what the filter holds back, a frame's worth at a time.
    const int room =
        std::max(CheckFf(swr_get_out_samples(Resampler.get(), count), "sound conversion failed"),
                 frame ? 0 : 4096);
    Room(room);
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
    Store(converted);
    return converted;
}

void TSoundShaper::Store(int count) {
    float* const* planes = reinterpret_cast<float* const*>(Converted->extended_data);
    Limiter.Process(planes, count);
    // The limiter's first samples out are the silence it started with: they go.
    const int skip = std::min(count, Unprimed);
    Unprimed -= skip;
    std::vector<void*> data;
    for (int plane = 0; plane < Encoder->ch_layout.nb_channels; ++plane)
        data.push_back(planes[plane] + skip);
    if (count > skip && av_audio_fifo_write(Fifo.get(), data.data(), count - skip) < count - skip)
        throw TRavlinError("out of memory");
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
        Read(*frame);
        frame->pts = Samples;
        Samples += count;
        if (!sink(std::move(frame)) || (Limit && Samples >= *Limit))
            return false;
    }
}

void TSoundShaper::Read(AVFrame& frame) {
    if (!Formatter) {
        av_audio_fifo_read(Fifo.get(), reinterpret_cast<void**>(frame.extended_data),
                           frame.nb_samples);
        return;
    }
    Room(frame.nb_samples);
    av_audio_fifo_read(Fifo.get(), reinterpret_cast<void**>(Converted->extended_data),
                       frame.nb_samples);
    CheckFf(swr_convert(Formatter.get(), frame.extended_data, frame.nb_samples,
                        const_cast<const uint8_t**>(Converted->extended_data), frame.nb_samples),
            "sound conversion failed");
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
    // Silence after the end pushes the limiter's last samples out.
    const int tail = Limiter.Latency();
    float* const* planes = Room(tail);
    for (int channel = 0; channel < Encoder->ch_layout.nb_channels; ++channel)
        std::fill_n(planes[channel], tail, 0.0f);
    Store(tail);
    Deliver(true, sink);
}
