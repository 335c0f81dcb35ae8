#pragma once

#include <QStringList>

// The fixed vocabulary of conversion choices. A list that fills a drop-down
// list ends with one extra element: the decimal position of its default
// entry. Every operation returns a new list in table order.
namespace Unit_ConfigInfo {

// Output-type captions and "0".
QStringList OutputTypeList();
// Quality names and "2" ("Normal Quality").
QStringList QualityList();
// How many qualities there are: the custom profiles follow them in a
// profile list.
int QualityCount();
QStringList VideoSizeList();
QStringList VideoBitrateList();
QStringList FrameRateList();
QStringList AspectRatioList();
QStringList AudioBitrateList();
QStringList SampleRateList();
QStringList VolumeGainList();
QStringList ChannelList();

// Per output type, read by output-type index; no default element.
QStringList ExtensionList();
QStringList CodecOptionList();
QStringList FormatList();

// Profile parameter strings by quality position; no default element. Six
// fields joined by "|": video size, frame rate, video bitrate, audio
// bitrate, channels, sample rate, each a position or "none".
QStringList VideoPresetList();
QStringList AacPresetList();
QStringList M4aPresetList();
QStringList Mp3PresetList();

// The preset list of an output-type position; empty for no output type.
QStringList PresetListOfOutputType(int outputType);

// The profile string that changes nothing.
inline constexpr const char* NeutralProfile = "none|none|none|none|none|none";

} // namespace Unit_ConfigInfo
