#pragma once

#include "FfPointers.h"

#include <string>

// The source file: its container, the video and sound stream chosen for the
// job and their decoders. Streams the job does not use are discarded unread.
class TInputFile {
public:
    TInputFile(const std::string& path, bool wantVideo, bool wantAudio);

    AVFormatContext* Context() const { return Format.get(); }
    // Stream indexes, -1 when the source has no usable stream of that kind.
    int VideoIndex() const { return VideoStream; }
    int AudioIndex() const { return AudioStream; }
    AVCodecContext* VideoDecoder() const { return VideoCodec.get(); }
    AVCodecContext* AudioDecoder() const { return AudioCodec.get(); }
    AVStream* Stream(int index) const { return Format->streams[index]; }

    // Where the source's time line starts, in seconds; segment times count from here.
    double OriginSeconds() const;
    // Positions the reading at the key frame at or before the given segment time.
    void SeekTo(double seconds);
    // A short description of the source in a few lines, each ending in "\n".
    std::string Describe() const;

private:
    TInputContextPtr OpenContainer() const;
    TCodecContextPtr OpenDecoder(int index);

    std::string Path;
    bool WantVideo;
    TInputContextPtr Format;
    int VideoStream = -1;
    int AudioStream = -1;
    TCodecContextPtr VideoCodec;
    TCodecContextPtr AudioCodec;
};
