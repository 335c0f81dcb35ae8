#include "profiles/ConfigInfo.h"

#include <gtest/gtest.h>

using namespace Unit_ConfigInfo;

namespace {

struct TOptionCase {
    const char* Name;
    QStringList (*List)();
    QStringList Entries; // as shown, in order
    QString Default;
};

const TOptionCase OptionCases[] = {
    {"output types",
     OutputTypeList,
     {"Kivo MPEG-4 Video Files (*.mp4)", "AAC Advanced Audio Coding (*.aac)",
      "M4A MPEG Audio Files (*.m4a)", "MP3 Files (*.mp3)"},
     "Kivo MPEG-4 Video Files (*.mp4)"},
    {"qualities",
     QualityList,
     {"Low Quality", "Acceptable Quality", "Normal Quality", "Excellent Quality", "Superb Quality"},
     "Normal Quality"},
    {"sizes", VideoSizeList, {"160x112", "320x240", "368x208"}, "160x112"},
    {"video bitrates", VideoBitrateList, {"256", "512", "768", "1000", "1500"}, "1000"},
    {"frame rates", FrameRateList, {"14.985", "15", "23.967", "24", "25", "29.97", "30"}, "25"},
    {"aspect ratios", AspectRatioList, {"4:3", "16:9"}, "4:3"},
    {"audio bitrates",
     AudioBitrateList,
     {"16", "32", "48", "64", "80", "128", "160", "192", "224"},
     "48"},
    {"sample rates", SampleRateList, {"22050", "32000", "44100", "48000"}, "48000"},
    {"volume gains",
     VolumeGainList,
     {"0",   "25",  "50",  "75",  "100", "125", "150", "175", "200", "225", "250",
      "275", "300", "325", "350", "375", "400", "425", "450", "475", "500"},
     "200"},
    {"channels", ChannelList, {"1 channel, Mono", "2 channels, Stereo"}, "2 channels, Stereo"},
};

TEST(OptionLists, ShowTheirEntriesAndEndWithTheDefaultPosition) {
    for (const TOptionCase& c : OptionCases) {
        const QStringList list = c.List();
        ASSERT_EQ(list.size(), c.Entries.size() + 1) << c.Name;
        EXPECT_EQ(list.mid(0, c.Entries.size()), c.Entries) << c.Name;
        EXPECT_EQ(list.last(), QString::number(c.Entries.indexOf(c.Default))) << c.Name;
    }
}

TEST(PresetTables, EverySixFieldsIndexTheirLists) {
    // Field order: size, frame rate, video bitrate, audio bitrate, channels, sample rate.
    const QList<QStringList> fieldLists = {VideoSizeList(),    FrameRateList(), VideoBitrateList(),
                                           AudioBitrateList(), ChannelList(),   SampleRateList()};
    for (int type = 0; type < 4; ++type) {
        const QStringList presets = PresetListOfOutputType(type);
        ASSERT_EQ(presets.size(), 5);
        for (const QString& preset : presets) {
            const QStringList fields = preset.split('|');
            ASSERT_EQ(fields.size(), 6) << preset.toStdString();
            for (int f = 0; f < 6; ++f) {
                if (fields[f] == "none") {
                    EXPECT_TRUE(type > 0 && f < 3) << preset.toStdString();
                    continue;
                }
                const int position = fields[f].toInt();
                EXPECT_TRUE(position >= 0 && position < fieldLists[f].size() - 1)
                    << preset.toStdString();
            }
            if (type == 0)
                EXPECT_EQ(VideoSizeList()[fields[0].toInt()], "320x240");
            else
                EXPECT_EQ(fields.mid(0, 3), QStringList({"none", "none", "none"}));
        }
    }
    EXPECT_TRUE(PresetListOfOutputType(-1).isEmpty());
}

TEST(OutputTypeColumns, FourEntriesByType) {
    EXPECT_EQ(ExtensionList(), QStringList({".mp4", ".aac", ".m4a", ".mp3"}));
    EXPECT_EQ(CodecOptionList(), QStringList({"-vcodec mpeg4 -acodec aac", "-acodec aac -vn",
                                              "-acodec aac -vn", "-acodec mp3 -vn"}));
    EXPECT_EQ(FormatList(), QStringList(4, "none"));
}

} // namespace
