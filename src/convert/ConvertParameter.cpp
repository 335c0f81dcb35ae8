// The command line of one job: its pieces, gathered into ConvertParams from
// the job list and the conversion choice.
#include "convert/CommandLine.h"
#include "convert/EncoderName.h"
#include "media/JobListModel.h"
#include "media/JobRow.h"
#include "profiles/ConversionChoice.h"
#include "support/Globals.h"

#include <QDir>

namespace {

QString SelectedEntryPiece(QString (TCommonLib::*getter)(const QString&) const, TChoiceList list) {
    return (CommonLib->*getter)(Choice().SelectedText(list));
}

} // namespace

QString TCommonLib::GetVideoBitrateParam(const QString& entry) const {
    return OptionPiece(" -b ", entry, " -b 512");
}

QString TCommonLib::GetVideoSizeParam(const QString& entry) const {
    return OptionPiece(" -s ", entry, " -s 320x240");
}

QString TCommonLib::GetFrameRateParam(const QString& entry) const {
    return OptionPiece(" -r ", entry, " -r 25");
}

QString TCommonLib::GetAspectParam(const QString& entry) const {
    return OptionPiece(" -aspect ", entry, " -aspect 4:3");
}

QString TCommonLib::GetAudioBitrateParam(const QString& entry) const {
    return OptionPiece(" -ab ", entry, " -ab 64");
}

QString TCommonLib::GetVolumeParam(const QString& entry) const {
    return OptionPiece(" -vol ", entry, " ");
}

QString TCommonLib::GetChannelsParam(const QString& entry) const {
    // "2 channels, Stereo": the count is the first character.
    return OptionPiece(" -ac ", entry.left(1), " -ac 2");
}

QString TCommonLib::GetSampleRateParam(const QString& entry) const {
    return OptionPiece(" -ar ", entry, " -ar 44100");
}

QString TCustomProc::PrepareOutputFolder() {
    QString folder = Choice().OutputFolder();
    if (!folder.endsWith('/'))
        folder += '/';
    if (QDir().mkpath(folder))
        AppFunc->WriteLog("Output directory " + folder);
    else
        AppFunc->WriteLog("Output directory error. ->" + folder);
    return folder;
}

QString TCustomProc::GetStartTime(const QString& sourceFile) {
    QString startTime;
    if (!JobListModel)
        return startTime;
    for (const int row : JobListModel->RowsOfFile(sourceFile)) {
        startTime = JobListModel->Text(row, dxtrlSourceFileStartTime);
        LoadSelectedCustomProfile();
    }
    return startTime;
}

TProgramCall TCustomProc::CreateConvertParameter(const QString& sourceFile) {
    TCommonLib::TConvertParameterStruct& p = CommonLib->ConvertParams;
    // The selected custom profile is applied here, before any list is read.
    JobStartTime = GetStartTime(sourceFile);
    JobCutSeconds = !JobListModel || !JobListModel->Contains(sourceFile)
                        ? QString()
                        : QString::number(CutSeconds(sourceFile));
    p.TimeParam = JobStartTime.isEmpty() || JobCutSeconds.isEmpty()
                      ? QString()
                      : " -ss " + JobStartTime + " -t " + JobCutSeconds;
    p.EncoderPath = AppFunc->ApplicationFolder() + EncoderProcessName;
    p.SourceFile = sourceFile;

    using enum TChoiceList;
    const int outputType = Choice().Position(OutputType);
    p.CodecParam = CommonLib->GetCodecParam(outputType);
    p.VideoBitrateParam = SelectedEntryPiece(&TCommonLib::GetVideoBitrateParam, VideoBitrate);
    p.VideoSizeParam = SelectedEntryPiece(&TCommonLib::GetVideoSizeParam, VideoSize);
    p.FrameRateParam = SelectedEntryPiece(&TCommonLib::GetFrameRateParam, FrameRate);
    p.AspectParam = SelectedEntryPiece(&TCommonLib::GetAspectParam, AspectRatio);
    p.AudioBitrateParam = SelectedEntryPiece(&TCommonLib::GetAudioBitrateParam, AudioBitrate);
    p.VolumeParam = SelectedEntryPiece(&TCommonLib::GetVolumeParam, VolumeGain);
    p.ChannelsParam = SelectedEntryPiece(&TCommonLib::GetChannelsParam, Channels);
    p.SampleRateParam = SelectedEntryPiece(&TCommonLib::GetSampleRateParam, SampleRate);
    p.FormatParam = CommonLib->GetFormatParam(outputType);
    p.OutputFolder = PrepareOutputFolder();
    p.OutputName = FileFunc->FileNameWithoutExt(sourceFile);
    p.OutputExt = CommonLib->GetOutputExt(outputType);

    JobOutputPath = FileFunc->UniqueOutputPath(p.OutputFolder + p.OutputName + p.OutputExt);
    return EncoderCall(p, JobOutputPath);
}
