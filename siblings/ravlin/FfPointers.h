#pragma once

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

// Owning pointers for the library's objects, each freed by its own free function.
struct TCodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct TFrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct TPacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct TInputContextFree {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct TResamplerFree {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
struct TScalerFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct TAudioFifoFree {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

using TCodecContextPtr = std::unique_ptr<AVCodecContext, TCodecContextFree>;
using TFramePtr = std::unique_ptr<AVFrame, TFrameFree>;
using TPacketPtr = std::unique_ptr<AVPacket, TPacketFree>;
using TInputContextPtr = std::unique_ptr<AVFormatContext, TInputContextFree>;
using TResamplerPtr = std::unique_ptr<SwrContext, TResamplerFree>;
using TScalerPtr = std::unique_ptr<SwsContext, TScalerFree>;
using TAudioFifoPtr = std::unique_ptr<AVAudioFifo, TAudioFifoFree>;

inline TFramePtr NewFrame() {
    return TFramePtr(av_frame_alloc());
}
inline TPacketPtr NewPacket() {
    return TPacketPtr(av_packet_alloc());
}
