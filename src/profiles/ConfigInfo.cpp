#include "profiles/ConfigInfo.h"

namespace Unit_ConfigInfo {

namespace {

// The audio-only types keep the three video settings as they are.
const QStringList AudioPresets = {"none|none|none|2|0|0", "none|none|none|4|1|1",
                                  "none|none|none|5|1|2", "none|none|none|7|1|2",
                                  "none|none|none|8|1|3"};

} // namespace

QStringList OutputTypeList() {
    return {"Kivo MPEG-4 Video Files (*.mp4)", "AAC Advanced Audio Coding (*.aac)",
            "M4A MPEG Audio Files (*.m4a)", "MP3 Files (*.mp3)", "0"};
}

QStringList QualityList() {
    return {"Low Quality",       "Acceptable Quality", "Normal Quality",
            "Excellent Quality", "Superb Quality",     "2"};
}

int QualityCount() {
    return int(QualityList().size()) - 1;
}

QStringList VideoSizeList() {
    return {"160x112", "320x240", "368x208", "0"};
}

QStringList VideoBitrateList() {
    return {"256", "512", "768", "1000", "1500", "3"};
}

QStringList FrameRateList() {
    return {"14.985", "15", "23.967", "24", "25", "29.97", "30", "4"};
}

QStringList AspectRatioList() {
    return {"4:3", "16:9", "0"};
}

QStringList AudioBitrateList() {
    return {"16", "32", "48", "64", "80", "128", "160", "192", "224", "2"};
}

QStringList SampleRateList() {
    return {"22050", "32000", "44100", "48000", "3"};
}

QStringList VolumeGainList() {
    QStringList gains;
    for (int gain = 0; gain <= 500; gain += 25)
        gains << QString::number(gain);
    gains << "8";
    return gains;
}

QStringList ChannelList() {
    return {"1 channel, Mono", "2 channels, Stereo", "1"};
}

QStringList ExtensionList() {
    return {".mp4", ".aac", ".m4a", ".mp3"};
}

QStringList CodecOptionList() {
    return {"-vcodec mpeg4 -acodec aac", "-acodec aac -vn", "-acodec aac -vn", "-acodec mp3 -vn"};
}

QStringList FormatList() {
    return {"none", "none", "none", "none"};
}

QStringList VideoPresetList() {
    return {"1|1|0|2|0|0", "1|2|1|4|1|1", "1|4|2|5|1|2", "1|5|3|7|1|2", "1|6|4|8|1|3"};
}

QStringList AacPresetList() {
    return AudioPresets;
}

QStringList M4aPresetList() {
    return AudioPresets;
}

QStringList Mp3PresetList() {
    return AudioPresets;
}

QStringList PresetListOfOutputType(int outputType) {
    switch (outputType) {
    case 0:
        return VideoPresetList();
    case 1:
        return AacPresetList();
    case 2:
        return M4aPresetList();
    case 3:
        return Mp3PresetList();
    default:
        return {};
    }
}

} // namespace Unit_ConfigInfo
