#include "ProfileTestFixture.h"

#include "support/Errors.h"

namespace {

const QStringList NormalVideo = {"320x240", "25",  "768", "128", "2 channels, Stereo",
                                 "44100",   "4:3", "200"};

using ProfileChoice = ProfileFixture;

TEST_F(ProfileChoice, DefaultPositionsBeforeAnyPresetThenStartUpState) {
    WriteProfiles("\r\n[Travel]\r\nTravel=1|4|2|5|1|2\r\n");
    CustomProc->FillProfileLists();
    EXPECT_EQ(OutputType.count(), 4);
    EXPECT_EQ(OutputType.currentText(), "Kivo MPEG-4 Video Files (*.mp4)");
    EXPECT_EQ(Entries(&Profile), QStringList({"Low Quality", "Acceptable Quality", "Normal Quality",
                                              "Excellent Quality", "Superb Quality", "Travel"}));
    EXPECT_EQ(Profile.currentText(), "Normal Quality");
    EXPECT_EQ(Settings(), QStringList({"160x112", "25", "1000", "48", "2 channels, Stereo", "48000",
                                       "4:3", "200"}));
    EXPECT_EQ(Form->cbbAudioVolumeGain->count(), 21);
    EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList{"Travel"});
    EXPECT_EQ(Form->cbbCustomProfile->currentIndex(), -1);
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "");

    CustomProc->ApplyProfile();
    EXPECT_EQ(Settings(), NormalVideo);
    EXPECT_EQ(VideoListsEnabled(), QList<bool>(4, true));
}

TEST_F(ProfileChoice, AudioTypesDisableVideoListsKeepThemAndSwitchingBackAppliesVideo) {
    StartUp();
    Form->cbbVideoSize->setCurrentIndex(2);
    Form->cbbAspectratio->setCurrentIndex(1);
    for (int type = 1; type <= 3; ++type) {
        Pick(OutputType, type);
        Pick(Profile, 0);
        EXPECT_EQ(VideoListsEnabled(), QList<bool>(4, false)) << type;
        EXPECT_EQ(Settings(), QStringList({"368x208", "25", "768", "48", "1 channel, Mono", "22050",
                                           "16:9", "200"}))
            << type;
        EXPECT_TRUE(Form->cbbAudioBitrate->isEnabled() && Form->cbbAudioVolumeGain->isEnabled());
    }
    Pick(OutputType, 0);
    EXPECT_EQ(VideoListsEnabled(), QList<bool>(4, true));
    EXPECT_EQ(Settings(), QStringList({"320x240", "15", "256", "48", "1 channel, Mono", "22050",
                                       "16:9", "200"}));
}

TEST_F(ProfileChoice, NoQualityOrCustomProfileChangesAspectOrVolume) {
    WriteProfiles("\r\n[Small]\r\nSmall=0|1|0|2|0|0\r\n");
    StartUp();
    Form->cbbAspectratio->setCurrentIndex(1);
    Form->cbbAudioVolumeGain->setCurrentIndex(0);
    for (int type = 0; type < 4; ++type)
        for (int profile = 0; profile < 6; ++profile) {
            OutputType.setCurrentIndex(type);
            Pick(Profile, profile);
            EXPECT_EQ(Settings().mid(6), QStringList({"16:9", "0"})) << type << "/" << profile;
        }
}

TEST_F(ProfileChoice, CustomProfileAppliesItsSixPositionsBeforeTheDialogWasShown) {
    WriteProfiles("\r\n[A]\r\nA=1|4|2|5|1|2\r\n\r\n[Small]\r\nSmall=2|0|4|8|0|3\r\n");
    StartUp();
    Pick(OutputType, 2); // audio type: video lists disabled
    Pick(Profile, 6);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "Small");
    EXPECT_EQ(Settings(), QStringList({"368x208", "14.985", "1500", "224", "1 channel, Mono",
                                       "48000", "4:3", "200"}));
    EXPECT_EQ(VideoListsEnabled(), QList<bool>(4, false));
}

TEST_F(ProfileChoice, StoredValuesThatDontFitApplyWhatTheyCan) {
    WriteProfiles("\r\n[Five]\r\nFive=2|0|4|8|0|\r\n"
                  "\r\n[Out]\r\nOut=7|-1|4||0|3\r\n"
                  "\r\n[Bad]\r\nBad=2|x|4|8|0|3\r\n"
                  "\r\n[None]\r\nNone=none|0|0|0|0|0\r\n");
    StartUp();
    Pick(Profile, 5); // a trailing "|" leaves five pieces: nothing
    EXPECT_EQ(Settings(), NormalVideo);
    Pick(Profile, 6); // out-of-list positions select nothing; empty pieces are skipped
    EXPECT_EQ(Form->cbbVideoSize->currentIndex(), -1);
    EXPECT_EQ(Form->cbbFramerate->currentIndex(), -1);
    EXPECT_EQ(Form->cbbAudioBitrate->currentText(), "128");
    EXPECT_EQ(Form->cbbAudioSample->currentText(), "48000");

    StartUp();
    Profile.setCurrentIndex(7); // stops at the piece that is no number
    EXPECT_THROW(CustomProc->ApplyProfile(), EQuenvoError);
    EXPECT_EQ(Settings().mid(0, 3), QStringList({"368x208", "25", "768"}));
    Profile.setCurrentIndex(8); // "none" means nothing special in a stored value
    EXPECT_THROW(CustomProc->ApplyProfile(), EQuenvoError);
}

TEST_F(ProfileChoice, MainListMapsToDialogListByPosition) {
    WriteProfiles("\r\n[A]\r\nA=0|0|0|0|0|0\r\n\r\n[B]\r\nB=2|6|4|8|1|3\r\n");
    StartUp();
    Form->cbbCustomProfile->setEditText("A");
    Form->btnDelClick(); // deleted in the dialog, still listed in the main window
    Pick(Profile, 5);
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "B");
    EXPECT_EQ(Settings().first(), "368x208");
    Pick(Profile, 6); // no dialog entry at that position
    EXPECT_EQ(Form->cbbCustomProfile->currentIndex(), -1);
    EXPECT_EQ(Settings().first(), "368x208");
}

} // namespace
