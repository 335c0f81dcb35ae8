#include "media/JobRow.h"
#include "media/JobListModel.h"
#include "media/TrimScale.h"
#include "support/Errors.h"
#include "support/Globals.h"

#include <gtest/gtest.h>

namespace {

// A row click with the bar at 260 and markers of 20: the travel is 218 pixels.
TEST(TrimScale, RowClickPlacesMarkersWithEvenRounding) {
    const struct {
        qint32 Start, End, Total;
        int P2, P3; // current widths
        int NewP2, NewP3;
    } cases[] = {
        {30, 80, 100, 1, 1, 66, 45},    // 65.4 -> 65, 174.4 -> 174
        {0, 100, 100, 60, 60, 1, 1},    // the whole row
        {50, 150, 200, 1, 1, 55, 55},   // 54.5 -> 54, 163.5 -> 164
        {66, 173, 218, 66, 45, 66, 45}, // one pixel off either way: kept
        {67, 171, 218, 66, 45, 68, 48}, // two and three off: moved
        {66, 172, 218, 66, 45, 66, 45}, // two off at the end: kept
    };
    for (const auto& c : cases) {
        const TTrimMeasures bar{260, 20, 20, c.P2, c.P3};
        const TTrimMeasures placed = PlaceForSegment(bar, c.Start, c.End, c.Total);
        EXPECT_EQ(placed.P2, c.NewP2) << c.Start << " of " << c.Total;
        EXPECT_EQ(placed.P3, c.NewP3) << c.End << " of " << c.Total;
    }
}

// A marker's time moves in whole percent steps of the row, 0 to 100 over
// its travel: the start marker's left edge runs from 2 to 219, the end
// marker's from 21 to 238 on a bar with a one-pixel frame.
TEST(TrimScale, MarkerPositionsGiveWholePercentsOfTheRow) {
    const TTrimMeasures bar;
    const struct {
        bool Start;
        int Left;
        qint32 Total;
        qint64 Seconds;
    } cases[] = {
        {true, 2, 100, 0},        {true, 23, 10, 0},        {true, 24, 10, 1}, // 9 %, 10 %
        {true, 219, 100, 100},    {false, 21, 100, 0},      {false, 238, 100, 100},
        {false, 238, 3599, 3599}, {false, 130, 3599, 1799}, // 50 %
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Start ? StartSeconds(bar, c.Left, c.Total) : EndSeconds(bar, c.Left, c.Total),
                  c.Seconds)
            << c.Start << " " << c.Left;
}

// The trim bar reads a row's times leniently, the cut length strictly.
TEST(TimeCode, TwoReadings) {
    EXPECT_EQ(ReadTimeCode("01:02:03"), 3723);
    EXPECT_EQ(TimeCodeSeconds("01:02:03"), 3723);
    EXPECT_EQ(ReadTimeCode("00:01:30.9"), 90);
    EXPECT_THROW(TimeCodeSeconds("00:01:30.9"), EQuenvoError);
    EXPECT_EQ(ReadTimeCode("01:02:03:04"), 3723);
    EXPECT_EQ(TimeCodeSeconds("01:02:03:04"), 0);
    EXPECT_EQ(ReadTimeCode("02:03"), 0);
    EXPECT_EQ(TimeCodeSeconds("02:03"), 0);
}

TEST(JobRow, SourceFilesByExtension) {
    EXPECT_TRUE(IsSourceFile("/v/Clip.AVI"));
    EXPECT_TRUE(IsSourceFile("/v/a.rmvb"));
    EXPECT_FALSE(IsSourceFile("/v/film.avi/inside"));
    EXPECT_FALSE(IsSourceFile("/v/.avi.txt"));
    EXPECT_EQ(SourceExtensions().size(), 15);
}

TEST(JobListModel, CutSecondsIsEndMinusStartOfTheLastMatchingRow) {
    TJobListModel jobs;
    JobListModel = &jobs;
    jobs.AddRow({"True", "/v/a.mp4", "", "", "00:00:10", "00:01:05"});
    jobs.AddRow({"True", "/v/b.mp4", "", "", "01:00:00", "02:00:30"});
    jobs.AddRow({"True", "/v/a.mp4", "", "", "00:00:05", "00:00:20"});
    jobs.AddRow({"True", "/v/A.mp4", "", "", "00:00:01", "00:00:02"});
    EXPECT_EQ(CustomProc->CutSeconds("/v/a.mp4"), 15);
    EXPECT_EQ(CustomProc->CutSeconds("/v/b.mp4"), 3630);
    // Names that differ in letter case are other files.
    EXPECT_EQ(CustomProc->CutSeconds("/v/A.mp4"), 1);
    EXPECT_EQ(CustomProc->CutSeconds("/v/B.mp4"), 0);
    EXPECT_EQ(CustomProc->CutSeconds("/v/c.mp4"), 0);
    jobs.SetText(1, dxtrlSourceFileEndTime, "00:x:00");
    EXPECT_THROW(CustomProc->CutSeconds("/v/b.mp4"), EQuenvoError);
    JobListModel = nullptr;
    EXPECT_EQ(CustomProc->CutSeconds("/v/a.mp4"), 0) << "no list, no rows";
}

} // namespace
