#include "PreviewFixture.h"

#include "media/PreviewState.h"
#include "support/Globals.h"

#include <QPainter>
#include <QTest>

namespace {

class SegmentSelection : public PreviewTest {
protected:
    TSegmentSelection& Selection() { return Area->Selection; }
    TPreviewState& State() { return Area->State; }
    // Selects one row and clicks it.
    void Click(int row) {
        Select({row});
        Selection().actDxTreeListOnClickExecute();
    }
};

TEST_F(SegmentSelection, RowClickPlacesMarkersWithEvenRounding) {
    struct Case {
        const char *duration, *start, *end;
        int panel2, panel3;
    } cases[] = {
        {"00:01:40", "00:00:30", "00:01:20", 66, 45}, // 65.4 -> 65, 174.4 -> 174
        {"00:01:40", "00:00:00", "00:01:40", 1, 1},   // full length
        {"00:03:20", "00:00:50", "00:02:30", 55, 55}, // 54.5 -> 54, 163.5 -> 164
        {"00:59:59", "00:00:00", "00:59:59", 1, 1},
    };
    for (const Case& c : cases) {
        Jobs.Clear();
        Bar->SetPanel2Width(1);
        Bar->SetPanel3Width(1);
        AddRow("/clip.mp4", c.duration, c.start, c.end);
        Click(0);
        EXPECT_EQ(Bar->Panel2Width(), c.panel2) << c.start;
        EXPECT_EQ(Bar->Panel3Width(), c.panel3) << c.end;
        EXPECT_TRUE(State().MarkersReady);
        EXPECT_EQ(Text(0, 4), c.start) << "placing the markers writes no time";
    }
    EXPECT_EQ(Bar->Splitter1Left(), 2);
    EXPECT_EQ(Bar->Splitter2Left(), 238);
}

// A real press and release on either marker, without moving, writes its
// time and the cut again from the marker's place.
TEST_F(SegmentSelection, MoveThatEndsWhereItStartedWritesTheSameTimes) {
    AddRow("/clip.mp4", "00:01:40", "00:00:30", "00:01:20");
    Click(0);
    for (const auto& [marker, column, time] :
         {std::tuple{Bar->Splitter1, 4, "00:00:30"}, std::tuple{Bar->Splitter2, 5, "00:01:20"}}) {
        Jobs.SetText(0, column, "");
        Jobs.SetText(0, 6, "");
        QTest::mouseClick(marker, Qt::LeftButton, {}, QPoint(10, 9));
        EXPECT_EQ(Text(0, column), time);
        EXPECT_EQ(Text(0, 6), "00:00:50") << time;
    }
    EXPECT_EQ(State().EndTimeText, "00:01:20");
}

TEST_F(SegmentSelection, DraggedMarkersResizeLiveAndStopAtOnePixel) {
    AddRow("/long.mp4", "00:59:59");
    Click(0);
    Selection().Splitter2Moved();
    EXPECT_EQ(Text(0, 5), "00:59:59");

    QTest::mousePress(Bar->Splitter1, Qt::LeftButton, {}, QPoint(10, 9));
    QTest::mouseMove(Bar->Splitter1, QPoint(40, 9));
    EXPECT_EQ(Bar->Panel2Width(), 31) << "resized while the button is still down";
    EXPECT_EQ(Text(0, 4), "00:00:00") << "the time is written when the drag ends";
    QTest::mouseMove(Bar->Splitter1, QPoint(-400, 9));
    QTest::mouseRelease(Bar->Splitter1, Qt::LeftButton, {}, QPoint(-400, 9));
    EXPECT_EQ(Bar->Panel2Width(), 1);
    EXPECT_EQ(Bar->Splitter1->cursor().shape(), Qt::PointingHandCursor);

    // The end marker dragged all the way left stops next to the start marker.
    QTest::mousePress(Bar->Splitter2, Qt::LeftButton, {}, QPoint(10, 9));
    QTest::mouseMove(Bar->Splitter2, QPoint(-400, 9));
    QTest::mouseRelease(Bar->Splitter2, Qt::LeftButton, {}, QPoint(-400, 9));
    EXPECT_EQ(Bar->Panel4Width(), 1);
    EXPECT_EQ(Text(0, 5), "00:00:00");
    EXPECT_EQ(Text(0, 6), "00:00:00");
    EXPECT_EQ(State().EndTimeText, "00:00:00");
}

TEST_F(SegmentSelection, SelectedRowsGetTheTimeOfTheRowClickedLast) {
    AddRow("/long.mp4", "00:01:40");
    AddRow("/short.mp4", "00:00:50");
    Click(0);
    Select({0, 1});
    Selection().Splitter2Moved();
    EXPECT_EQ(Text(0, 5), "00:01:40");
    EXPECT_EQ(Text(1, 5), "00:01:40") << "beyond the shorter row's own length";
    EXPECT_EQ(Text(1, 6), "00:01:40");
    // With both selected, a click takes the last row in list order.
    Selection().actDxTreeListOnClickExecute();
    EXPECT_EQ(State().TotalSeconds, 50);
}

TEST_F(SegmentSelection, ClickOnTheLoadedRowChangesNothing) {
    AddRow("/loaded.mp4", "00:01:40", "00:00:30", "00:01:20");
    CommonLib->CurrentFile = "/loaded.mp4";
    Click(0);
    EXPECT_EQ(Bar->Panel2Width(), 1);
    EXPECT_EQ(State().TotalSeconds, 0);
    EXPECT_FALSE(State().MarkersReady);
}

TEST_F(SegmentSelection, MoveBeforeAnyClickWritesZero) {
    AddRow("/clip.mp4", "00:01:40", "00:00:30", "00:01:20");
    Select({0});
    Bar->SetPanel2Width(100);
    Selection().Splitter1Moved();
    EXPECT_EQ(Text(0, 4), "00:00:00");
    Bar->SetPanel3Width(100);
    Selection().Splitter2Moved();
    EXPECT_EQ(Text(0, 5), "00:00:00");
    EXPECT_FALSE(State().MarkersReady);
}

TEST_F(SegmentSelection, NudgeStepsFromTheExactKeySet) {
    struct Case {
        Qt::KeyboardModifiers keys;
        Qt::MouseButtons held;
        int step;
    } cases[] = {
        {Qt::ControlModifier, Qt::LeftButton, 1},
        {Qt::ShiftModifier, Qt::LeftButton, 10},
        {Qt::NoModifier, Qt::LeftButton, 5},
        {Qt::ControlModifier | Qt::ShiftModifier, Qt::LeftButton, 5},
        {Qt::AltModifier, Qt::LeftButton, 5},
        {Qt::ControlModifier, Qt::LeftButton | Qt::RightButton, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TSegmentSelection::NudgeStep(Qt::LeftButton, c.keys, c.held), c.step);
}

TEST_F(SegmentSelection, NudgeTable) {
    // Panel2 and Panel3 start at 50, leaving the segment 118 wide.
    enum Picture { P2, P4, P3 };
    struct Case {
        Picture picture;
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        int panel2, panel3; // expected widths
        int startColumnTouched;
    } cases[] = {
        {P2, Qt::LeftButton, Qt::NoModifier, 55, 50, 4},
        {P2, Qt::RightButton, Qt::ShiftModifier, 40, 50, 4},
        {P4, Qt::LeftButton, Qt::ControlModifier, 51, 50, 4},
        {P4, Qt::LeftButton, Qt::ShiftModifier, 60, 50, 4},
        {P4, Qt::RightButton, Qt::NoModifier, 50, 55, 5},
        {P3, Qt::RightButton, Qt::ShiftModifier, 50, 60, 5},
        {P3, Qt::LeftButton, Qt::ControlModifier, 50, 49, 5},
        {P3, Qt::MiddleButton, Qt::NoModifier, 50, 50, 0},
    };
    for (const Case& c : cases) {
        Jobs.Clear();
        AddRow("/clip.mp4", "00:01:40");
        Click(0);
        Bar->SetPanel2Width(50);
        Bar->SetPanel3Width(50);
        Jobs.SetText(0, 4, "-");
        Jobs.SetText(0, 5, "-");
        QWidget* picture = c.picture == P2   ? static_cast<QWidget*>(Bar->Panel2)
                           : c.picture == P4 ? static_cast<QWidget*>(Bar->Panel4)
                                             : static_cast<QWidget*>(Bar->Panel3);
        QTest::mousePress(picture, c.button, c.keys, QPoint(0, 5));
        QTest::mouseRelease(picture, c.button, c.keys, QPoint(0, 5));
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(Bar->Panel2Width(), c.panel2) << row;
        EXPECT_EQ(Bar->Panel3Width(), c.panel3) << row;
        EXPECT_EQ(Text(0, 4) != "-", c.startColumnTouched == 4) << row;
        EXPECT_EQ(Text(0, 5) != "-", c.startColumnTouched == 5) << row;
    }
}

TEST_F(SegmentSelection, NudgesKeepEveryPictureOnePixelWide) {
    AddRow("/clip.mp4", "00:01:40");
    Click(0);
    // Panel2 is 1 wide: a right press can't narrow it.
    Selection().Panel2MouseDown(Qt::RightButton, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(Bar->Panel2Width(), 1);
    Selection().Panel3MouseDown(Qt::LeftButton, Qt::ControlModifier, Qt::LeftButton);
    EXPECT_EQ(Bar->Panel3Width(), 1);
    // Closing the segment stops while it is wider than the step.
    for (int i = 0; i < 100; ++i)
        Selection().Panel4MouseDown(Qt::LeftButton, Qt::ShiftModifier, Qt::LeftButton);
    EXPECT_EQ(Bar->Panel4Width(), 6);
    Selection().Panel4MouseDown(Qt::LeftButton, Qt::NoModifier, Qt::LeftButton);
    EXPECT_EQ(Bar->Panel4Width(), 1);
    Selection().Panel4MouseDown(Qt::RightButton, Qt::NoModifier, Qt::RightButton);
    Selection().Panel3MouseDown(Qt::RightButton, Qt::ControlModifier, Qt::RightButton);
    Selection().Panel2MouseDown(Qt::LeftButton, Qt::ControlModifier, Qt::LeftButton);
    EXPECT_EQ(Bar->Panel4Width(), 1);
}

TEST_F(SegmentSelection, MarkersShowBlackInTheButtonFace) {
    QImage picture(18, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).fillRect(0, 0, 9, 20, Qt::white);
    Bar->SetMarkerPictures(picture, picture);
    const QImage shown = Bar->Splitter1->grab().toImage();
    const QColor face = Bar->Splitter1->palette().color(QPalette::Button);
    EXPECT_EQ(shown.pixelColor(2, 9), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(17, 9), face);
}

} // namespace
