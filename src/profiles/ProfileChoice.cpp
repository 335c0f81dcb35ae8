#include "profiles/ProfileChoice.h"
#include "profiles/ConfigFiles.h"
#include "profiles/ConfigInfo.h"
#include "profiles/IntegerText.h"
#include "support/Controls.h"
#include "support/CustomProc.h"
#include "support/Globals.h"

#include <QComboBox>

using namespace Unit_ConfigInfo;

namespace {

// Selects each field's position in its list, in order, leaving out the
// fields equal to skip. A position outside a list leaves it unselected; a
// field that is not a whole number raises with the fields before it applied.
void SelectProfileFields(const QStringList& fields, const QString& skip) {
    const QList<QComboBox*> lists = ProfileFieldLists();
    for (qsizetype f = 0; f < fields.size() && f < lists.size(); ++f)
        if (fields[f] != skip)
            lists[f]->setCurrentIndex(StrToInt(fields[f]));
}

} // namespace

QList<QComboBox*> ProfileFieldLists() {
    const TOptionControls& o = Controls.Option;
    return {o.cbbVideoSize,    o.cbbFramerate,     o.cbbVideoBitrate,
            o.cbbAudioBitrate, o.cbbAudioChannels, o.cbbAudioSample};
}

void FillOptionList(QComboBox* list, const QStringList& optionList) {
    list->clear();
    list->addItems(optionList.mid(0, optionList.size() - 1));
    list->setCurrentIndex(optionList.isEmpty() ? -1 : StrToInt(optionList.last()));
}

void FillProfileList(QComboBox* list) {
    const QStringList qualities = QualityList();
    list->clear();
    list->addItems(qualities.mid(0, qualities.size() - 1));
    list->addItems(CommonLib->ReadConfigSections(ProfileFile));
    list->setCurrentIndex(StrToInt(qualities.last()));
}

void TCustomProc::FillProfileLists() const {
    const TOptionControls& o = Controls.Option;
    FillOptionList(Controls.Main.cbbOutputFiletype, OutputTypeList());
    FillProfileList(Controls.Main.cbbProfile);
    FillOptionList(o.cbbAspectratio, AspectRatioList());
    FillOptionList(o.cbbVideoBitrate, VideoBitrateList());
    FillOptionList(o.cbbAudioBitrate, AudioBitrateList());
    FillOptionList(o.cbbAudioChannels, ChannelList());
    FillOptionList(o.cbbFramerate, FrameRateList());
    FillOptionList(o.cbbAudioSample, SampleRateList());
    FillOptionList(o.cbbAudioVolumeGain, VolumeGainList());
    FillOptionList(o.cbbVideoSize, VideoSizeList());
    o.cbbCustomProfile->clear();
    o.cbbCustomProfile->addItems(CommonLib->ReadConfigSections(ProfileFile));
    o.cbbCustomProfile->setCurrentIndex(-1);
}

void TCustomProc::ApplyProfile() const {
    const TOptionControls& o = Controls.Option;
    const int profile = Controls.Main.cbbProfile->currentIndex();
    if (profile >= QualityCount()) {
        o.cbbCustomProfile->setCurrentIndex(profile - QualityCount());
        LoadSelectedCustomProfile();
        return;
    }
    const int outputType = Controls.Main.cbbOutputFiletype->currentIndex();
    if (outputType >= 0 && outputType <= 3) {
        // Only the video type has a picture to size and pace.
        for (QComboBox* list :
             {o.cbbVideoSize, o.cbbFramerate, o.cbbVideoBitrate, o.cbbAspectratio})
            list->setEnabled(outputType == 0);
    }
    const QStringList presets = PresetListOfOutputType(outputType);
    const QString preset =
        profile >= 0 && profile < presets.size() ? presets[profile] : QString(NeutralProfile);
    SelectProfileFields(CommonLib->SplitText(preset, '|'), "none");
}

QString TCustomProc::SelectedCustomProfileValue() const {
    const QComboBox* list = Controls.Option.cbbCustomProfile;
    const QString name = list->currentIndex() >= 0 ? list->itemText(list->currentIndex()) : "";
    return CommonLib->ReadConfigValue(ProfileFile, name);
}

void TCustomProc::LoadSelectedCustomProfile() const {
    const QString value = SelectedCustomProfileValue();
    if (value.isEmpty())
        return;
    const QStringList pieces = CommonLib->SplitText(value, '|');
    if (pieces.size() == 6)
        SelectProfileFields(pieces, QString());
}
