#pragma once

#include <cstdint>
#include <vector>

struct AVFormatContext;
struct AVPacket;

// The time stamps of a source on one line from its start. Program and
// transport streams may let their clock jump: recordings joined into one
// file start it again. There each jump is taken out, so the packets after it
// follow on from those before; other formats keep their time stamps.
class TJoinedTimeLine {
public:
    explicit TJoinedTimeLine(const AVFormatContext* context);

    // Moves the audio or video packet's time stamps onto the joined line.
    // Packets must come in the order the file holds them, from its start.
    void Join(AVPacket* packet);
    // The formats whose clock may jump.
    static bool Joins(const AVFormatContext* context);

private:
    const AVFormatContext* Context;
    bool Joining;
    int64_t Offset = 0;                  // added to every time stamp, in AV_TIME_BASE units
    std::vector<int64_t> Last, Expected; // per stream, on the joined line
};
