#include "Options.h"

#include "RavlinError.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

extern "C" {
#include <libavutil/rational.h>
}

namespace {

std::optional<double> ParseDecimal(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseWhole(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

[[noreturn]] void BadValue(const std::string& option, const std::string& value,
                           const std::string& expected) {
    throw TRavlinError("bad value \"" + value + "\" for " + option + " (" + expected + ")");
}

int WholeIn(const std::string& option, const std::string& value, int low, int high) {
    const auto number = ParseWhole(value);
    if (!number || *number < low || *number > high)
        BadValue(option, value,
                 "a whole number from " + std::to_string(low) + " to " + std::to_string(high));
    return *number;
}

double DecimalIn(const std::string& option, const std::string& value, double low, double high,
                 const std::string& expected) {
    const auto number = ParseDecimal(value);
    if (!number || *number < low || *number > high)
        BadValue(option, value, expected);
    return *number;
}

// "WxH" or "W:H" style pair of positive whole numbers.
std::optional<std::pair<int, int>> ParsePair(const std::string& text, char separator) {
    const auto cut = text.find(separator);
    if (cut == std::string::npos)
        return std::nullopt;
    const auto first = ParseWhole(text.substr(0, cut));
    const auto second = ParseWhole(text.substr(cut + 1));
    if (!first || !second || *first <= 0 || *second <= 0)
        return std::nullopt;
    return std::make_pair(*first, *second);
}

void SetSize(TRavlinOptions& options, const std::string& value) {
    const auto size = ParsePair(value, 'x');
    if (!size || size->first > 8192 || size->second > 8192)
        BadValue("-s", value, "WIDTHxHEIGHT up to 8192x8192");
    options.Width = size->first;
    options.Height = size->second;
}

void SetFrameRate(TRavlinOptions& options, const std::string& value) {
    const double rate = DecimalIn("-r", value, 1, 120, "frames per second from 1 to 120");
    // 29.97 must become 2997/100, not a float's approximation.
    const AVRational exact = av_d2q(rate, 100000);
    options.FrameRateNum = exact.num;
    options.FrameRateDen = exact.den;
}

void SetAspect(TRavlinOptions& options, const std::string& value) {
    if (const auto pair = ParsePair(value, ':')) {
        options.AspectNum = pair->first;
        options.AspectDen = pair->second;
        return;
    }
    const double ratio = DecimalIn("-aspect", value, 0.1, 10, "W:H such as 4:3 or 16:9");
    const AVRational exact = av_d2q(ratio, 10000);
    options.AspectNum = exact.num;
    options.AspectDen = exact.den;
}

// A length of 0 is a valid request: an empty segment, which the run refuses.
double TimeValue(const std::string& option, const std::string& value) {
    const auto seconds = ParseTimeText(value);
    if (!seconds || *seconds < 0)
        BadValue(option, value, "hh:mm:ss or seconds");
    return *seconds;
}

using TValueSetter = std::function<void(TRavlinOptions&, const std::string&)>;

const std::map<std::string, TValueSetter>& ValueOptions() {
    static const std::map<std::string, TValueSetter> table{
        {"-i", [](TRavlinOptions& o, const std::string& v) { o.InputPath = v; }},
        {"-f", [](TRavlinOptions& o, const std::string& v) { o.FormatName = v; }},
        {"-vcodec", [](TRavlinOptions& o, const std::string& v) { o.VideoCodec = v; }},
        {"-acodec", [](TRavlinOptions& o, const std::string& v) { o.AudioCodec = v; }},
        {"-b", [](TRavlinOptions& o,
                  const std::string& v) { o.VideoBitrate = WholeIn("-b", v, 16, 50000) * 1000; }},
        {"-s", SetSize},
        {"-r", SetFrameRate},
        {"-aspect", SetAspect},
        {"-ab", [](TRavlinOptions& o,
                   const std::string& v) { o.AudioBitrate = WholeIn("-ab", v, 8, 640) * 1000; }},
        {"-vol",
         [](TRavlinOptions& o, const std::string& v) {
             o.VolumeFactor = DecimalIn("-vol", v, 0, 500, "a percentage from 0 to 500") / 100;
         }},
        {"-ac",
         [](TRavlinOptions& o, const std::string& v) { o.Channels = WholeIn("-ac", v, 1, 8); }},
        {"-ar", [](TRavlinOptions& o,
                   const std::string& v) { o.SampleRate = WholeIn("-ar", v, 8000, 96000); }},
        {"-ss",
         [](TRavlinOptions& o, const std::string& v) { o.StartSeconds = TimeValue("-ss", v); }},
        {"-t",
         [](TRavlinOptions& o, const std::string& v) { o.LengthSeconds = TimeValue("-t", v); }},
    };
    return table;
}

} // namespace

std::optional<double> ParseTimeText(const std::string& text) {
    // Far beyond any source, and well inside the libraries' 64-bit
    // microsecond time stamps that a time becomes.
    constexpr double MaxSeconds = 1e9;
    if (text.empty())
        return std::nullopt;
    double total = 0;
    size_t start = 0;
    int parts = 0;
    while (true) {
        const size_t colon = text.find(':', start);
        const std::string part =
            text.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        const auto value = ParseDecimal(part);
        if (!value || *value < 0 || ++parts > 3)
            return std::nullopt;
        total = total * 60 + *value;
        if (colon == std::string::npos)
            return total <= MaxSeconds ? std::optional(total) : std::nullopt;
        if (part.find('.') != std::string::npos) // only the seconds may carry decimals
            return std::nullopt;
        start = colon + 1;
    }
}

TRavlinOptions ParseOptions(const std::vector<std::string>& args) {
    TRavlinOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty())
            continue;
        if (arg == "-y") {
            options.Overwrite = true;
        } else if (arg == "-vn") {
            options.NoVideo = true;
        } else if (const auto setter = ValueOptions().find(arg); setter != ValueOptions().end()) {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw TRavlinError("option " + arg + " needs a value");
            setter->second(options, args[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw TRavlinError("unknown option " + arg);
        } else if (options.OutputPath.empty()) {
            options.OutputPath = arg;
        } else {
            throw TRavlinError("more than one output file given: " + arg);
        }
    }
    if (options.InputPath.empty())
        throw TRavlinError("no input file given (-i FILE)");
    if (options.OutputPath.empty())
        throw TRavlinError("no output file given");
    return options;
}
