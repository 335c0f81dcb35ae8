#include "ConversionFixture.h"

#include "profiles/ConfigInfo.h"
#include "support/Controls.h"
#include "support/Globals.h"

#include <QFile>

namespace {

QComboBox* OptionList(QWidget* parent, const QStringList& elements) {
    auto* list = new QComboBox(parent);
    list->addItems(elements.mid(0, elements.size() - 1));
    list->setCurrentIndex(elements.last().toInt());
    return list;
}

} // namespace

TConversionFixture::TConversionFixture()
    : AppFolder(Folder.MakeFolder("my app")), AppFolderGuard(AppFolder) {
    using namespace Unit_ConfigInfo;
    QFile::copy(BuildAppFolder() + "ravlin", AppFolder + "ravlin");
    OutputFolder = Folder.Path() + "quenvo";

    cbbOutputFiletype = OptionList(&Main, OutputTypeList());
    edtOutputFolder = new QLineEdit(OutputFolder, &Main);
    chkShutdown = new QCheckBox(&Main);
    chkShowOutputDirectory = new QCheckBox(&Main);
    Jobs = new TJobListModel(&Main);
    List = new TJobListView(*Jobs, &Main);
    cbbCustomProfile = new QComboBox(&Options);
    cbbVideoSize = OptionList(&Options, VideoSizeList());
    cbbFramerate = OptionList(&Options, FrameRateList());
    cbbVideoBitrate = OptionList(&Options, VideoBitrateList());
    cbbAudioBitrate = OptionList(&Options, AudioBitrateList());
    cbbAudioChannels = OptionList(&Options, ChannelList());
    cbbAudioSample = OptionList(&Options, SampleRateList());
    cbbAspectratio = OptionList(&Options, AspectRatioList());
    cbbAudioVolumeGain = OptionList(&Options, VolumeGainList());
    SelectNormalQuality(0);

    Controls.Main = {};
    Controls.Main.Window = &Main;
    Controls.Main.cbbOutputFiletype = cbbOutputFiletype;
    Controls.Main.edtOutputFolder = edtOutputFolder;
    Controls.Main.chkShutdown = chkShutdown;
    Controls.Main.chkShowOutputDirectory = chkShowOutputDirectory;
    Controls.Main.dxTreeSourceFileInfo = List;
    JobListModel = Jobs;
    Controls.Option = {&Options,        cbbCustomProfile,  cbbVideoSize,     cbbFramerate,
                       cbbVideoBitrate, cbbAudioBitrate,   cbbAudioChannels, cbbAudioSample,
                       cbbAspectratio,  cbbAudioVolumeGain};
}

void TConversionFixture::SelectNormalQuality(int outputType) {
    cbbOutputFiletype->setCurrentIndex(outputType);
    // "1|4|2|5|1|2" for video, "none|none|none|5|1|2" for the audio types.
    if (outputType == 0) {
        cbbVideoSize->setCurrentIndex(1);
        cbbFramerate->setCurrentIndex(4);
        cbbVideoBitrate->setCurrentIndex(2);
    }
    cbbAudioBitrate->setCurrentIndex(5);
    cbbAudioChannels->setCurrentIndex(1);
    cbbAudioSample->setCurrentIndex(2);
}

void TConversionFixture::AddRow(const QString& path, const QString& start, const QString& end) {
    Jobs->AddRow({"True", path, "1 KB", end, start, end, "00:00:00"});
}

QStringList TConversionFixture::LogLines(const QString& containing) const {
    QFile log(AppFolder + "log.txt");
    QStringList lines;
    if (!log.open(QIODevice::ReadOnly))
        return lines;
    for (const QString& line : QString::fromUtf8(log.readAll()).split("\r\n"))
        if (line.contains(containing))
            lines << line.mid(line.indexOf('|') + 1);
    return lines;
}
