#include "StatusPrinter.h"

#include <gtest/gtest.h>

TEST(StatusLine, VideoAndSoundShapes) {
    TOutputProgress progress;
    progress.VideoFrames = 250;
    progress.Quality = 3;
    progress.Bytes = 1024 * 1024;
    progress.Seconds = 10;
    EXPECT_EQ(FormatStatusLine(progress, true),
              "frame=  250 q=3.0 size=    1024kB time=10.0 bitrate= 838.9kbits/s\r");
    progress.Bytes = 123 * 1024 + 500;
    progress.Seconds = 12.34;
    EXPECT_EQ(FormatStatusLine(progress, false),
              "size=     123kB time=12.3 bitrate=  82.0kbits/s\r");
}

TEST(StatusLine, UnknownTimeBeforeAnythingIsWritten) {
    const TOutputProgress nothing;
    EXPECT_EQ(FormatStatusLine(nothing, true),
              "frame=    0 q=0.0 size=       0kB time=10000000000.0 bitrate=   0.0kbits/s\r");
    EXPECT_EQ(FormatStatusLine(nothing, false),
              "size=       0kB time=10000000000.0 bitrate=   0.0kbits/s\r");
}

TEST(StatusLine, SummaryHoldsNoEqualsSign) {
    TOutputProgress progress;
    progress.VideoFrames = 100;
    progress.VideoBytes = 2048;
    progress.AudioBytes = 1024;
    progress.Bytes = 4096;
    progress.Seconds = 4;
    EXPECT_EQ(FormatSummary(progress, true),
              "Written: video 100 frames 2kB, sound 1kB, file 4kB, 4.00 s\n");
    EXPECT_EQ(FormatSummary(progress, false), "Written: sound 1kB, file 4kB, 4.00 s\n");
}
