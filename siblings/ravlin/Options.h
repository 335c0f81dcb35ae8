#pragma once

#include <optional>
#include <string>
#include <vector>

// What one command line asks for. Unset optionals mean "as the source has it"
// (or the encoder's default where the source cannot tell).
struct TRavlinOptions {
    bool Overwrite = false;
    std::string InputPath;
    std::string OutputPath;
    std::string FormatName;           // -f; empty: from the output extension
    std::string VideoCodec;           // -vcodec as given
    std::string AudioCodec;           // -acodec as given
    bool NoVideo = false;             // -vn
    std::optional<int> VideoBitrate;  // bit/s
    std::optional<int> Width, Height; // -s
    std::optional<int> FrameRateNum, FrameRateDen;
    std::optional<int> AspectNum, AspectDen;
    std::optional<int> AudioBitrate;    // bit/s
    std::optional<double> VolumeFactor; // 1.0 leaves the sound as it is
    std::optional<int> Channels;
    std::optional<int> SampleRate;
    double StartSeconds = 0;             // -ss
    std::optional<double> LengthSeconds; // -t
};

// Reads the arguments that follow the program name. Empty arguments are
// skipped (the runner may leave them between blanks). Throws TRavlinError
// with a one-line reason for an unknown option, a missing or bad value.
TRavlinOptions ParseOptions(const std::vector<std::string>& args);

// "hh:mm:ss", "mm:ss" or plain seconds, each with optional decimals, up to
// 1e9 seconds; nullopt when malformed or longer.
std::optional<double> ParseTimeText(const std::string& text);
