#include "ConversionFixture.h"

#include "convert/CommandForm.h"
#include "support/Globals.h"
#include "support/ProgramCall.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class CommandLine : public ::testing::Test {
protected:
    TConversionFixture F;
    const QString Source = "/video/holiday.avi";
    // The call's text as the log shows it. The output file the build
    // created goes again, as after a job that failed.
    QString Build(const QString& source) {
        const TProgramCall call = CustomProc->CreateConvertParameter(source);
        FileFunc->DiscardReservedOutput(CustomProc->JobOutputPath);
        return CommandLineText(call);
    }
};

TEST_F(CommandLine, WorkedExamplesComeOutExactly) {
    F.AddRow(Source, "00:00:00", "00:01:35");
    const QString out = F.OutputFolder + "/";
    EXPECT_EQ(Build(Source), F.AppFolder +
                                 "ravlin -y -i \"/video/holiday.avi\" -vcodec mpeg4 "
                                 "-acodec aac -b 768 -s 320x240 -r 25 -aspect 4:3 -ab "
                                 "128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 95 \"" +
                                 out + "holiday.mp4\"");
    const TCommonLib::TConvertParameterStruct& p = CommonLib->ConvertParams;
    EXPECT_EQ(p.EncoderPath, F.AppFolder + "ravlin");
    EXPECT_EQ(p.CodecParam, " -vcodec mpeg4 -acodec aac");
    EXPECT_EQ(p.FormatParam, "");
    EXPECT_EQ(p.TimeParam, " -ss 00:00:00 -t 95");
    EXPECT_EQ(p.OutputFolder, out);
    EXPECT_EQ(p.OutputName, "holiday");
    EXPECT_EQ(p.OutputExt, ".mp4");
    EXPECT_EQ(CustomProc->JobStartTime, "00:00:00");
    EXPECT_EQ(CustomProc->JobCutSeconds, "95");
    EXPECT_TRUE(QDir(out).exists());
    EXPECT_EQ(F.LogLines("Output directory"), QStringList{"Output directory " + out});

    F.SelectNormalQuality(3);
    EXPECT_EQ(Build(Source), F.AppFolder +
                                 "ravlin -y -i \"/video/holiday.avi\" -acodec mp3 -vn "
                                 "-ab 128 -vol 200 -ac 2 -ar 44100 -ss 00:00:00 -t 95 \"" +
                                 out + "holiday.mp3\"");
}

TEST_F(CommandLine, OutputFolderWithOrWithoutFinalSlash) {
    F.AddRow(Source, "00:00:00", "00:00:10");
    for (const QString& text : {F.OutputFolder, F.OutputFolder + "/"}) {
        F.Choice.SetOutputFolder(text);
        Build(Source);
        EXPECT_EQ(CommonLib->ConvertParams.OutputFolder, F.OutputFolder + "/")
            << text.toStdString();
    }
}

TEST_F(CommandLine, OutputNameNeverClashesWithAnEntryOfTheFolder) {
    F.AddRow(Source, "00:00:00", "00:00:10");
    const QString out = F.OutputFolder + "/";
    F.Folder.WriteFile("quenvo/holiday.avi");
    EXPECT_TRUE(Build(Source).endsWith(" \"" + out + "holiday_1.mp4\""));
    F.Folder.WriteFile("quenvo/holiday_1.txt");
    EXPECT_TRUE(Build(Source).endsWith(" \"" + out + "holiday_2.mp4\""));
    EXPECT_EQ(CustomProc->JobOutputPath, out + "holiday_2.mp4");
}

TEST_F(CommandLine, FallbackPiecesForListsWithoutSelection) {
    F.AddRow(Source, "00:00:00", "00:00:10");
    for (int list = 0; list <= int(TChoiceList::OutputType); ++list)
        F.Choice.Select(TChoiceList(list), -1);
    // No volume gives a lone space, which is no argument.
    EXPECT_EQ(Build(Source),
              F.AppFolder +
                  "ravlin -y -i \"/video/holiday.avi\" -vcodec xvid -acodec mp3 -b 512 "
                  "-s 320x240 -r 25 -aspect 4:3 -ab 64 -ac 2 -ar 44100 -ss 00:00:00 "
                  "-t 10 \"" +
                  F.OutputFolder + "/holiday.avi\"");
}

TEST_F(CommandLine, ChannelsPieceKeepsTheCountOnly) {
    const QStringList channels = F.Choice.Entries(TChoiceList::Channels);
    EXPECT_EQ(CommonLib->GetChannelsParam(channels.value(1)), " -ac 2"); // "2 channels, Stereo"
    EXPECT_EQ(CommonLib->GetChannelsParam(channels.value(0)), " -ac 1"); // "1 channel, Mono"
    EXPECT_EQ(CommonLib->GetChannelsParam(channels.value(5)), " -ac 2"); // no such entry
}

TEST_F(CommandLine, PathInTwoRowsTakesTheLaterRowsTimes) {
    F.AddRow(Source, "00:00:05", "00:00:20");
    F.AddRow(Source, "00:01:00", "00:01:30");
    EXPECT_TRUE(Build(Source).contains(" -ss 00:01:00 -t 30 "));
    // Names that differ in letter case are two files, each with its times.
    F.AddRow("/video/Clip.avi", "00:00:01", "00:00:11");
    F.AddRow("/video/clip.avi", "00:00:02", "00:00:04");
    EXPECT_TRUE(Build("/video/Clip.avi").contains(" -ss 00:00:01 -t 10 "));
    EXPECT_TRUE(Build("/video/clip.avi").contains(" -ss 00:00:02 -t 2 "));
}

TEST_F(CommandLine, NoMatchingRowCarriesNoTimeWindow) {
    F.AddRow("/video/other.avi", "00:00:05", "00:00:20");
    const QString line = Build(Source);
    EXPECT_FALSE(line.contains("-ss"));
    EXPECT_EQ(CustomProc->JobStartTime, "");
    EXPECT_EQ(CustomProc->JobCutSeconds, "");
}

TEST(CommandFormTest, FollowsTheTrimmedCodecOptionsInExactCase) {
    const struct {
        const char* Codec;
        TCommandForm Form;
    } cases[] = {
        {" -vcodec mpeg4 -acodec aac", TCommandForm::Video},
        {"   \t-vcodec mpeg4", TCommandForm::Video},
        {" \x01-acodec mp3 -vn", TCommandForm::Audio},
        {" -VCODEC mpeg4", TCommandForm::None},
        {" -Acodec mp3", TCommandForm::None},
        {"", TCommandForm::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandForm(c.Codec), c.Form) << c.Codec;
}

TEST_F(CommandLine, EncoderPathWithSpacesStaysUnquoted) {
    F.AddRow(Source, "00:00:00", "00:00:10");
    ASSERT_TRUE(F.AppFolder.contains(' '));
    EXPECT_TRUE(Build(Source).startsWith(F.AppFolder + "ravlin -y -i \""));
}

// A file name is data: whatever it holds, it is one argument of its own,
// and the program is the encoder's path itself.
TEST_F(CommandLine, PathsAreArgumentsOfTheirOwnWhateverTheyHold) {
    const QString hostile = "/video/a\" -f mp4 TARGET -vn -vcodec x/say \"cheese\"\n.avi";
    F.AddRow(hostile, "00:00:00", "00:00:10");
    const TProgramCall call = CustomProc->CreateConvertParameter(hostile);
    FileFunc->DiscardReservedOutput(CustomProc->JobOutputPath);
    EXPECT_EQ(call.Program, F.AppFolder + "ravlin");
    EXPECT_EQ(call.Arguments.mid(0, 3), QStringList({"-y", "-i", hostile}));
    EXPECT_EQ(call.Arguments.last(), F.OutputFolder + "/say \"cheese\"\n.mp4");
    EXPECT_EQ(call.Arguments.size(), 28);
    EXPECT_TRUE(
        CommandLineText(call).endsWith(" \"" + F.OutputFolder + "/say \\\"cheese\\\"\n.mp4\""));
}

} // namespace

namespace {

TEST_F(CommandLine, SelectedCustomProfileOverridesTheListsAtEveryBuild) {
    F.AddRow(Source, "00:00:00", "00:00:10");
    F.Folder.WriteFile("my app/Config/UserProfileInfo.ini", "[mine]\r\nmine=0|6|4|8|0|3\r\n");
    F.Choice.Fill(TChoiceList::CustomProfile, {"mine"}, 0);
    const QString custom = " -vcodec mpeg4 -acodec aac -b 1500 -s 160x112 -r 30 -aspect 4:3 "
                           "-ab 224 -vol 200 -ac 1 -ar 48000 ";
    EXPECT_TRUE(Build(Source).contains(custom));
    F.SelectNormalQuality(0); // the main window's quality, chosen meanwhile
    EXPECT_TRUE(Build(Source).contains(custom));
}

} // namespace
