#include "ConversionFixture.h"

#include "convert/FrmConverting.h"
#include "support/Globals.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

const QString VideoStatus = "frame=  250 q=3.0 size=    1024kB time=10.0 bitrate= 838.9kbits/s";

class ProgressWindow : public ::testing::Test {
protected:
    void SetUp() override {
        CustomProc->RowCount = 3;
        CustomProc->CurrentRow = 1;
        CustomProc->JobCutSeconds = "95";
        CommonLib->ConvertParams.CodecParam = " -vcodec mpeg4 -acodec aac";
        CommonLib->ConvertParams.EncoderPath = F.AppFolder + "ravlin";
        Form.show();
        CustomProc->OutputCount = 0;
    }
    TConversionFixture F;
    TScriptedDialogs Dialogs;
    TfrmConverting Form;
};

TEST_F(ProgressWindow, VideoChunksMoveTheBarsFromThePreviousFigures) {
    EXPECT_EQ(Form.lblPersent->text(), "Current: 1, Total: 3");
    Form.OnEncoderOutput("ravlin version 1\r\n");
    EXPECT_EQ(Form.statState->currentMessage(), "ravlin version 1\r\n");
    EXPECT_EQ(Form.ProgressBar1->value(), 0);
    EXPECT_EQ(Form.ProgressBar1->maximum(), 1);
    EXPECT_EQ(Form.lblPersent->text(), "Current: 1, Total: 3");

    Form.OnEncoderOutput(VideoStatus);
    EXPECT_EQ(Form.ProgressBar1->value(), 10);
    EXPECT_EQ(Form.ProgressBar1->maximum(), 95);
    Form.OnEncoderOutput("size=  100kB time=5.5 bitrate=  50.0kbits/s"); // four pieces
    EXPECT_EQ(Form.ProgressBar1->value(), 10);
    EXPECT_EQ(Form.pbTotal->value(), 110);
    EXPECT_EQ(Form.pbTotal->maximum(), 300);
    EXPECT_EQ(Form.lblPersent->text(), "Current: 2 , Total: 3.");

    Form.OnEncoderOutput(
        "frame=  250 q=3.0 size=    1024kB time=10000000000.00 bitrate= 0.0kbits/s");
    EXPECT_EQ(Form.ProgressBar1->value(), 10);
    Form.OnEncoderOutput("frame=  300 q=3.0 size=    1200kB time=12.0 bitrate"); // five pieces
    EXPECT_EQ(Form.ProgressBar1->value(), 12);
}

TEST_F(ProgressWindow, AudioChunkTakesTheThirdPiece) {
    CommonLib->ConvertParams.CodecParam = " -acodec mp3 -vn";
    Form.OnEncoderOutput("banner");
    Form.OnEncoderOutput("size=     123kB time=12.3 bitrate= 128.0kbits/s");
    EXPECT_EQ(Form.ProgressBar1->value(), 12);
}

TEST_F(ProgressWindow, CutLengthZeroLeavesOverallBarAndLabel) {
    Form.OnEncoderOutput("banner");
    Form.OnEncoderOutput(VideoStatus);
    Form.OnEncoderOutput(VideoStatus);
    CustomProc->JobCutSeconds = "0";
    Form.OnEncoderOutput(VideoStatus); // the per-file maximum becomes 0 here
    ASSERT_EQ(Form.ProgressBar1->maximum(), 0);
    CustomProc->CurrentRow = 2;
    Form.OnEncoderOutput(VideoStatus);
    EXPECT_EQ(Form.pbTotal->value(), 110);
    EXPECT_EQ(Form.lblPersent->text(), "Current: 2 , Total: 3.");
}

TEST_F(ProgressWindow, AnimationLightsSquaresInTurn) {
    for (int step = 1; step <= 7; ++step) {
        Form.tmrChangingTimer();
        const int lit = (step - 1) % 6;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Form.img[i]->isVisible(), i == lit) << step << " " << i;
    }
}

TEST_F(ProgressWindow, StopAsksAndOnlyYesStops) {
    F.Main.setEnabled(false);
    Dialogs.Answers = {mrNo};
    Form.btnStop1Click();
    ASSERT_EQ(Dialogs.Messages.size(), 1);
    EXPECT_EQ(Dialogs.Messages[0].Text, "Are you sure you want to stop the work ? ");
    EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::None);
    EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgButtons::YesNo);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_EQ(CustomProc->CurrentRow, 1);

    Dialogs.Answers = {mrYes};
    Form.btnStop1Click();
    EXPECT_FALSE(Form.isVisible());
    EXPECT_TRUE(F.Main.isEnabled());
    EXPECT_EQ(CustomProc->CurrentRow, 3);
    EXPECT_TRUE(CustomProc->BatchStopped);
    EXPECT_EQ(Form.lblPersent->text(), "Current: 1, Total: ...");
    EXPECT_EQ(Form.pbTotal->maximum(), 0);
}

TEST_F(ProgressWindow, CloseAsksAndNoKeepsTheWork) {
    F.Main.setEnabled(false);
    Dialogs.Answers = {mrNo};
    Form.close();
    EXPECT_EQ(Dialogs.MessageTexts(), QStringList{"Are you sure to stop processing ?"});
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(F.Main.isEnabled());

    Form.OnEncoderOutput("banner");
    Form.OnEncoderOutput(VideoStatus);
    Dialogs.Answers = {mrYes};
    Form.close();
    EXPECT_FALSE(Form.isVisible());
    EXPECT_TRUE(F.Main.isEnabled());
    EXPECT_EQ(CustomProc->CurrentRow, 3);
    EXPECT_EQ(Form.ProgressBar1->value(), 10); // the bars keep their values
}

} // namespace
