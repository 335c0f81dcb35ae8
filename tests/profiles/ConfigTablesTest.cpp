#include "profiles/ConfigInfo.h"

#include <gtest/gtest.h>

using namespace Unit_ConfigInfo;

namespace {

struct TOptionCase {
    const char* Name;
    QStringList (*List)();
    int Shown;
    QString Default;
};

const TOptionCase OptionCases[] = {
    {"output types", OutputTypeList, 4, "Kivo MPEG-4 Video Files (*.mp4)"},
    {"qualities", QualityList, 5, "Normal Quality"},
    {"sizes", VideoSizeList, 3, "160x112"},
    {"video bitrates", VideoBitrateList, 5, "1000"},
    {"frame rates", FrameRateList, 7, "25"},
    {"aspect ratios", AspectRatioList, 2, "4:3"},
    {"audio bitrates", AudioBitrateList, 9, "48"},
    {"sample rates", SampleRateList, 4, "48000"},
    {"volume gains", VolumeGainList, 21, "200"},
    {"channels", ChannelList, 2, "2 channels, Stereo"},
};

TEST(OptionLists, EndWithTheDefaultPosition) {
    for (const TOptionCase& c : OptionCases) {
        const QStringList list = c.List();
        ASSERT_EQ(list.size(), c.Shown + 1) << c.Name;
        bool ok = false;
        const int position = list.last().toInt(&ok);
        ASSERT_TRUE(ok && position >= 0 && position < c.Shown) << c.Name;
        EXPECT_EQ(list[position], c.Default) << c.Name;
    }
    EXPECT_EQ(VolumeGainList().mid(0, 21).join(","),
              "0,25,50,75,100,125,150,175,200,225,250,275,300,325,350,375,400,425,450,475,500");
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
    EXPECT_EQ(AacPresetList(), M4aPresetList());
    EXPECT_EQ(AacPresetList(), Mp3PresetList());
    EXPECT_EQ(VideoPresetList()[2], "1|4|2|5|1|2");
    EXPECT_TRUE(PresetListOfOutputType(-1).isEmpty());
}

TEST(OutputTypeColumns, FourEntriesByType) {
    EXPECT_EQ(ExtensionList(), QStringList({".mp4", ".aac", ".m4a", ".mp3"}));
    EXPECT_EQ(CodecOptionList()[0], "-vcodec mpeg4 -acodec aac");
    EXPECT_EQ(CodecOptionList()[3], "-acodec mp3 -vn");
    EXPECT_EQ(FormatList(), QStringList(4, "none"));
}

} // namespace
