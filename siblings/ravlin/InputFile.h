#pragma once

#include "DisplayTurn.h"
#include "FfPointers.h"
#include "JoinedTimeLine.h"

#include <deque>
#include <memory>
#include <string>

// The source file: its container, the video and sound stream chosen for the
// job and their decoders. Streams the job does not use are discarded unread.
class TInputFile {
public:
    TInputFile(const std::string& path, bool wantVideo, bool wantAudio);

    // Stream indexes, -1 when the source has no usable stream of that kind.
    int VideoIndex() const { return VideoStream; }
    int AudioIndex() const { return AudioStream; }
    AVCodecContext* VideoDecoder() const { return VideoCodec.get(); }
    AVCodecContext* AudioDecoder() const { return AudioCodec.get(); }
    AVStream* Stream(int index) const { return Format->streams[index]; }
    // How the chosen video's pictures are turned to show upright.
    const TDisplayTurn& VideoTurn() const { return Turn; }

    // Where the source's time line starts, in seconds; segment times count from here.
    double OriginSeconds() const;
    // Positions the reading at the key frame at or before the given segment time.
    void SeekTo(double seconds);
    // The next packet on the source's time line (see TJoinedTimeLine), as
    // av_read_frame returns it: first those the seek read ahead.
    int ReadPacket(AVPacket* packet);
    // A short description of the source in a few lines, each ending in "\n".
    std::string Describe() const;

private:
    enum class TReadAhead { Found, Late, TooLong };

    TInputContextPtr OpenContainer() const;
    TCodecContextPtr OpenDecoder(int index);
    // Reading from the start again.
    void Reopen();
    int ReadJoined(AVPacket* packet);
    // Reads on to the used streams' packets due after target (seconds on the
    // source's time line) and keeps what decoding from the last key frame at
    // or before it needs. Late when the reading met no such key frame.
    TReadAhead ReadAheadTo(double target);

    std::string Path;
    bool WantVideo;
    TInputContextPtr Format;
    int VideoStream = -1;
    int AudioStream = -1;
    TCodecContextPtr VideoCodec;
    TCodecContextPtr AudioCodec;
    TDisplayTurn Turn;
    std::unique_ptr<TJoinedTimeLine> TimeLine;
    std::deque<TPacketPtr> Ahead;
};
