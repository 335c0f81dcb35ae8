// ravlin's option parser on arbitrary argument lists: the input cut at zero
// bytes, as a command line reaches main. A line is either refused with a
// one-line reason or gives options the encoder can go on with.
#include "FuzzCheck.h"

#include "Options.h"
#include "RavlinError.h"

extern "C" {
#include <libavutil/avutil.h>
}

#include <cmath>
#include <string>
#include <vector>

namespace {

// Times become the libraries' 64-bit microsecond stamps and sample counts;
// a time that doesn't fit there is no use to the encoder.
bool UsableTime(double seconds) {
    return std::isfinite(seconds) && seconds >= 0 && seconds * AV_TIME_BASE < 0x1p62;
}

bool Positive(const std::optional<int>& value) {
    return !value || *value > 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += char(data[i]);
    }
    for (const std::string& arg : args)
        if (const auto seconds = ParseTimeText(arg))
            FuzzCheck(UsableTime(*seconds), "a time text gives a usable time");

    try {
        const TRavlinOptions options = ParseOptions(args);
        FuzzCheck(!options.InputPath.empty() && !options.OutputPath.empty(),
                  "an accepted line names its input and output");
        FuzzCheck(Positive(options.Width) && Positive(options.Height) &&
                      Positive(options.FrameRateNum) && Positive(options.FrameRateDen) &&
                      Positive(options.AspectNum) && Positive(options.AspectDen),
                  "sizes, frame rates and aspect ratios are positive");
        FuzzCheck(Positive(options.VideoBitrate) && Positive(options.AudioBitrate) &&
                      Positive(options.Channels) && Positive(options.SampleRate),
                  "bitrates, channels and sample rates are positive");
        FuzzCheck(!options.VolumeFactor ||
                      (std::isfinite(*options.VolumeFactor) && *options.VolumeFactor >= 0),
                  "a volume factor is finite and not negative");
        FuzzCheck(UsableTime(options.StartSeconds) &&
                      (!options.LengthSeconds || UsableTime(*options.LengthSeconds)),
                  "start and length are usable times");
    } catch (const TRavlinError& error) {
        const std::string reason = error.what();
        FuzzCheck(!reason.empty() && reason.find_first_of("\r\n") == std::string::npos,
                  "a refusal gives a one-line reason");
    }
    return 0;
}
