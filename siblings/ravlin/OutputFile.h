#pragma once

#include "FfPointers.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <sys/types.h>

// Progress figures of the output, as far as it has been handed to the muxer.
struct TOutputProgress {
    int64_t Bytes = 0;
    int VideoFrames = 0;
    double Quality = 0;  // quantiser of the last video frame
    double Seconds = -1; // output time written, -1 while nothing was written
    int64_t VideoBytes = 0;
    int64_t AudioBytes = 0;
};

// The output container. Packets come from several encoding threads; the file
// takes them one at a time and interleaves them.
class TOutputFile {
public:
    // formatName forces the container; empty picks it from the path's extension.
    TOutputFile(const std::string& path, const std::string& formatName);
    ~TOutputFile();

    const AVOutputFormat* Format() const { return Context->oformat; }
    std::string FormatName() const { return Context->oformat->name; }
    bool NeedsGlobalHeader() const { return Context->oformat->flags & AVFMT_GLOBALHEADER; }
    bool CanHold(AVCodecID codec) const;

    // Adds a stream for an opened encoder; returns its index.
    int AddStream(const AVCodecContext* encoder);
    // Opens the file and writes the header. A file that is there already
    // (the empty one the caller reserved, or one -y lets us replace) is
    // written in place; a symbolic link, a file that isn't a plain one or
    // one with a second name is refused, so nothing else is written through
    // it.
    void Open();
    // Takes the packet's data; its times are in the encoder's time base.
    void Write(int stream, AVPacket* packet, AVRational encoderTimeBase);
    // Writes what is left and the index; the file is complete after this.
    void Finish();
    // Removes the file (after a failure that left nothing worth keeping),
    // if it still is the one written. An output that was opened but never
    // finished is discarded when the object goes: without its index it
    // doesn't play.
    void Discard();

    TOutputProgress Progress() const;

private:
    void CloseFile();

    std::string Path;
    AVFormatContext* Context = nullptr;
    mutable std::mutex Lock;
    TOutputProgress Figures;
    int Fd = -1;
    dev_t Device = 0;
    ino_t Inode = 0;
    bool Opened = false;
    bool Finished = false;
};
