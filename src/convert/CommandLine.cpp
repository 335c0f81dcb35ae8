// The command line of one job without the windows: the pieces read from the
// output-type tables and the two forms the pieces are joined in.
#include "convert/CommandLine.h"

#include "convert/CommandForm.h"
#include "profiles/ConfigInfo.h"

namespace {

QString TableEntry(const QStringList& table, int index) {
    return index >= 0 && index < table.size() ? table[index] : QString();
}

QStringList Words(const QString& pieces) {
    return pieces.split(' ', Qt::SkipEmptyParts);
}

} // namespace

QString OptionPiece(const QString& option, const QString& entry, const QString& fallback) {
    return entry.isEmpty() ? fallback : option + entry;
}

QString TCommonLib::GetCodecParam(int outputType) const {
    return OptionPiece(" ", TableEntry(Unit_ConfigInfo::CodecOptionList(), outputType),
                       " -vcodec xvid -acodec mp3");
}

QString TCommonLib::GetFormatParam(int outputType) const {
    const QString entry = TableEntry(Unit_ConfigInfo::FormatList(), outputType);
    return entry.isEmpty() || entry == "none" ? QString() : " -f " + entry;
}

QString TCommonLib::GetOutputExt(int outputType) const {
    return OptionPiece("", TableEntry(Unit_ConfigInfo::ExtensionList(), outputType), ".avi");
}

TProgramCall EncoderCall(const TCommonLib::TConvertParameterStruct& p, const QString& outputPath) {
    const QString audio = p.AudioBitrateParam + p.VolumeParam + p.ChannelsParam + p.SampleRateParam;
    QString options;
    switch (CommandForm(p.CodecParam)) {
    case TCommandForm::Video:
        options = p.CodecParam + p.VideoBitrateParam + p.VideoSizeParam + p.FrameRateParam +
                  p.AspectParam + audio;
        break;
    case TCommandForm::Audio:
        options = p.CodecParam + audio;
        break;
    case TCommandForm::None:
        return {};
    }
    return {p.EncoderPath, QStringList{"-y", "-i", p.SourceFile} + Words(options) +
                               Words(p.FormatParam + p.TimeParam) + QStringList{outputPath}};
}
