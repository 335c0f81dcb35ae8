#pragma once

#include "OutputFile.h"

#include <string>

// The status line for the figures so far, ended by "\r":
// "frame=%5d q=%.1f size=%8dkB time=%.1f bitrate=%6.1fkbits/s" when the output
// has video, the part from "size=" on when it is sound only. The time reads
// 10000000000 while nothing has been written.
std::string FormatStatusLine(const TOutputProgress& progress, bool hasVideo);

// The closing line: what was written, by stream.
std::string FormatSummary(const TOutputProgress& progress, bool hasVideo);

// Console output. Every text goes out in one write to the unbuffered error
// channel, so a reader at the other end of a pipe gets whole lines.
class TStatusPrinter {
public:
    explicit TStatusPrinter(int fd) : Fd(fd) {}
    // Waits for room at the other end: what was written must reach the reader.
    void Print(const std::string& text) const;
    // Leaves a status line out while the reader's pipe is full: a reader busy
    // elsewhere (a question open in Quenvo) must not stall the conversion, and
    // the next line tells the same figures anyway.
    void PrintStatus(const std::string& line) const;

private:
    int Fd;
};
