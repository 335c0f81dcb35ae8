#include "profiles/ProfileChoice.h"
#include "profiles/ConfigFiles.h"
#include "profiles/ConfigInfo.h"
#include "profiles/IntegerText.h"
#include "support/CustomProc.h"
#include "support/Globals.h"

using namespace Unit_ConfigInfo;

namespace {

// Selects each field's position in its list, in order, leaving out the
// fields equal to skip. A position outside a list leaves it unselected; a
// field that is not a whole number raises with the fields before it applied.
void SelectProfileFields(const QStringList& fields, const QString& skip) {
    for (qsizetype f = 0; f < fields.size() && f < ProfileFieldCount; ++f)
        if (fields[f] != skip)
            Choice().Select(TChoiceList(f), StrToInt(fields[f]));
}

} // namespace

void FillOptionList(TChoiceList list, const QStringList& optionList) {
    Choice().Fill(list, optionList.mid(0, optionList.size() - 1),
                  optionList.isEmpty() ? -1 : StrToInt(optionList.last()));
}

void FillProfileList(TChoiceList list) {
    const QStringList qualities = QualityList();
    Choice().Fill(
        list, qualities.mid(0, qualities.size() - 1) + CommonLib->ReadConfigSections(ProfileFile),
        StrToInt(qualities.last()));
}

void TCustomProc::FillProfileLists() const {
    FillOptionList(TChoiceList::OutputType, OutputTypeList());
    FillProfileList(TChoiceList::Profile);
    FillOptionList(TChoiceList::AspectRatio, AspectRatioList());
    FillOptionList(TChoiceList::VideoBitrate, VideoBitrateList());
    FillOptionList(TChoiceList::AudioBitrate, AudioBitrateList());
    FillOptionList(TChoiceList::Channels, ChannelList());
    FillOptionList(TChoiceList::FrameRate, FrameRateList());
    FillOptionList(TChoiceList::SampleRate, SampleRateList());
    FillOptionList(TChoiceList::VolumeGain, VolumeGainList());
    FillOptionList(TChoiceList::VideoSize, VideoSizeList());
    Choice().Fill(TChoiceList::CustomProfile, CommonLib->ReadConfigSections(ProfileFile), -1);
}

void TCustomProc::ApplyProfile() const {
    TConversionChoice& choice = Choice();
    const int profile = choice.Position(TChoiceList::Profile);
    if (profile >= QualityCount()) {
        choice.Select(TChoiceList::CustomProfile, profile - QualityCount());
        LoadSelectedCustomProfile();
        return;
    }
    const int outputType = choice.Position(TChoiceList::OutputType);
    if (outputType >= 0 && outputType <= 3)
        choice.EnableVideoOptions(outputType == 0);
    const QStringList presets = PresetListOfOutputType(outputType);
    const QString preset =
        profile >= 0 && profile < presets.size() ? presets[profile] : QString(NeutralProfile);
    SelectProfileFields(CommonLib->SplitText(preset, '|'), "none");
}

QString TCustomProc::SelectedCustomProfileValue() const {
    return CommonLib->ReadConfigValue(ProfileFile,
                                      Choice().SelectedText(TChoiceList::CustomProfile));
}

void TCustomProc::LoadSelectedCustomProfile() const {
    const QString value = SelectedCustomProfileValue();
    if (value.isEmpty())
        return;
    const QStringList pieces = CommonLib->SplitText(value, '|');
    if (pieces.size() == ProfileFieldCount)
        SelectProfileFields(pieces, QString());
}
