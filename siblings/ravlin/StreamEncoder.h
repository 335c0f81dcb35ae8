#pragma once

#include "FfPointers.h"
#include "OutputFile.h"

#include <string>

// The video the output stream is to carry.
struct TVideoTarget {
    const AVCodec* Codec = nullptr;
    int Width = 0, Height = 0;
    AVRational FrameRate{25, 1};
    AVRational SampleAspect{1, 1};
    int Bitrate = 0; // bit/s; 0 leaves the encoder's default
};

// The sound the output stream is to carry.
struct TAudioTarget {
    const AVCodec* Codec = nullptr;
    int SampleRate = 44100;
    int Channels = 2;
    int Bitrate = 0;
};

// The encoder for a -vcodec/-acodec name ("xvid", "mp3" and "aac" are the short
// names the converter passes); an empty name takes the container's usual codec.
// Throws TRavlinError for a name without an encoder.
const AVCodec* FindEncoder(const std::string& name, AVMediaType kind, const AVOutputFormat* format);

// One opened encoder feeding one stream of the output file.
class TStreamEncoder {
public:
    TStreamEncoder(const TVideoTarget& target, TOutputFile& output);
    TStreamEncoder(const TAudioTarget& target, TOutputFile& output);

    const AVCodecContext* Context() const { return Codec.get(); }
    // Encodes one frame (pts in Context()->time_base) and writes the packets;
    // null flushes the encoder.
    void Encode(const AVFrame* frame);

private:
    void Open(TOutputFile& output);

    TCodecContextPtr Codec;
    TPacketPtr Packet = NewPacket();
    int StreamIndex = -1;
    TOutputFile* Output = nullptr;
};
