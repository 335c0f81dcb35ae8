#include "BatchFixture.h"

#include "support/PictureButton.h"

#include <QProgressBar>
#include <QStatusBar>
#include <QTest>

namespace {

// What the progress window shows: its label, file, bars and the encoder's
// latest words.
QString Shown(const TfrmConverting& form) {
    return QString("%1 | %2 | %3 of %4 | %5 of %6 | %7")
        .arg(form.lblPersent->text(), form.lblCurFileName->text())
        .arg(form.ProgressBar1->value())
        .arg(form.ProgressBar1->maximum())
        .arg(form.pbTotal->value())
        .arg(form.pbTotal->maximum())
        .arg(form.statState->currentMessage().section('\n', 0, 0).trimmed());
}

// The first job's banner leaves the bars and the label as the window came
// up; in the second of three jobs they follow the encoder's status lines.
TEST_F(Batch, ProgressWindowShowsTheTextAndTheFiguresOfTheBatch) {
    AddRow("one.avi");
    AddRow("two.avi", 10);
    AddRow("three.avi");
    QStringList seen;
    Encoder.AfterChunk = [&] {
        const int row = CustomProc->CurrentRow, chunk = CustomProc->OutputCount;
        if ((row == 0 && chunk == 1) || (row == 1 && chunk == 3))
            seen << Shown(Form);
    };
    Run();
    const QString src = F.Folder.Path() + "src/";
    EXPECT_EQ(seen, (QStringList{"Current: 1, Total: 3 | " + src +
                                     "one.avi | 0 of 1 | 0 of 1 | ravlin 1.0.0, converter to "
                                     "MPEG-4 video and sound files",
                                 "Current: 2 , Total: 3. | " + src +
                                     "two.avi | 2 of 10 | 110 of 300 | frame=   50 q=2.0 "
                                     "size=     110kB time=2.0 bitrate= 386.6kbits/s"}));
}

TEST_F(Batch, ProgressWindowAnimationLightsSquaresInTurn) {
    Form.show();
    for (int step = 1; step <= 7; ++step) {
        Form.tmrChangingTimer();
        const int lit = (step - 1) % 6;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Form.img[i]->isVisible(), i == lit) << step << " " << i;
    }
}

// The Stop button and the close box ask first; No keeps the work going. A
// stop by the button empties the bars, a close keeps them.
TEST_F(Batch, ProgressWindowStopAndCloseAskAndOnlyYesStops) {
    for (const bool byButton : {false, true}) {
        AddRow(byButton ? "by button.avi" : "by close.avi");
        AddRow("never.avi");
        Dialogs.Messages.clear();
        QStringList seen;
        Encoder.AfterChunk = [&] {
            if (CustomProc->OutputCount != 3 || CustomProc->CurrentRow != 0)
                return;
            for (const int answer : {mrNo, mrYes}) {
                Dialogs.Answers = {answer};
                if (byButton)
                    QTest::mouseClick(Form.btnStop, Qt::LeftButton);
                else
                    Form.close();
                seen << QString("%1 %2 %3 %4 | ")
                                .arg(Form.isVisible())
                                .arg(Main.isEnabled())
                                .arg(CustomProc->CurrentRow)
                                .arg(CustomProc->BatchStopped) +
                            Shown(Form).section(" | ", 2, 3);
            }
        };
        const int calls = int(Encoder.Calls.size());
        Run();
        EXPECT_EQ(Encoder.Calls.size(), calls + 1);
        EXPECT_EQ(seen, (QStringList{"1 0 0 0 | 2 of 3 | 33 of 200",
                                     byButton ? "0 1 2 1 | 0 of 3 | 0 of 0"
                                              : "0 1 2 1 | 2 of 3 | 33 of 200"}))
            << byButton;
        const QString question = byButton ? "Are you sure you want to stop the work ? "
                                          : "Are you sure to stop processing ?";
        EXPECT_EQ(Dialogs.MessageTexts(), (QStringList{question, question}));
        EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::None);
        EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgButtons::YesNo);
        F.Jobs.Clear();
    }
}

} // namespace
