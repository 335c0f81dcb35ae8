#include "Options.h"
#include "RavlinError.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= line.size()) {
        const size_t blank = line.find(' ', start);
        words.push_back(
            line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos)
            break;
        start = blank + 1;
    }
    return words; // blanks next to each other give empty words, as a naive split would
}

std::string Refusal(const std::string& line) {
    try {
        ParseOptions(Words(line));
    } catch (const TRavlinError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(Options, VideoFormOfTheBuilder) {
    const TRavlinOptions options = ParseOptions(Words(
        "-y -i /v/holiday.avi -vcodec mpeg4 -acodec aac -b 768 -s 320x240 -r 29.97 -aspect 16:9 "
        "-ab 128  -ac 2 -ar 44100 -ss 00:01:02 -t 95 /q/holiday.mp4"));
    EXPECT_TRUE(options.Overwrite);
    EXPECT_EQ(options.InputPath, "/v/holiday.avi");
    EXPECT_EQ(options.OutputPath, "/q/holiday.mp4");
    EXPECT_EQ(options.VideoCodec, "mpeg4");
    EXPECT_EQ(options.AudioCodec, "aac");
    EXPECT_EQ(options.VideoBitrate, 768000);
    EXPECT_EQ(options.Width, 320);
    EXPECT_EQ(options.Height, 240);
    EXPECT_EQ(options.FrameRateNum, 2997);
    EXPECT_EQ(options.FrameRateDen, 100);
    EXPECT_EQ(options.AspectNum, 16);
    EXPECT_EQ(options.AspectDen, 9);
    EXPECT_EQ(options.AudioBitrate, 128000);
    EXPECT_FALSE(options.VolumeFactor.has_value()); // the lone blank of an unselected volume
    EXPECT_EQ(options.Channels, 2);
    EXPECT_EQ(options.SampleRate, 44100);
    EXPECT_DOUBLE_EQ(options.StartSeconds, 62);
    EXPECT_EQ(options.LengthSeconds, 95);
    EXPECT_FALSE(options.NoVideo);
    // An empty segment is a valid line; the run refuses it with its reason.
    EXPECT_EQ(ParseOptions(Words("-i a -t 0 b")).LengthSeconds, 0.0);
}

TEST(Options, AudioFormOfTheBuilder) {
    const TRavlinOptions options =
        ParseOptions(Words("-y -i in.avi -acodec mp3 -vn -ab 48 -vol 250 -ac 1 -ar 22050 out.mp3"));
    EXPECT_TRUE(options.NoVideo);
    EXPECT_EQ(options.AudioCodec, "mp3");
    EXPECT_DOUBLE_EQ(*options.VolumeFactor, 2.5);
    EXPECT_EQ(options.Channels, 1);
    EXPECT_DOUBLE_EQ(options.StartSeconds, 0);
    EXPECT_FALSE(options.LengthSeconds.has_value());
}

TEST(Options, FrameRatesStayExact) {
    for (const auto& [text, num, den] :
         {std::tuple{"14.985", 2997, 200}, {"23.967", 23967, 1000}, {"15", 15, 1}, {"30", 30, 1}}) {
        const TRavlinOptions options = ParseOptions(Words(std::string("-i a -r ") + text + " b"));
        EXPECT_EQ(options.FrameRateNum, num) << text;
        EXPECT_EQ(options.FrameRateDen, den) << text;
    }
}

TEST(Options, BadLinesAreRefusedWithTheReason) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"-i a -fast b", "unknown option -fast"},
        {"-i a -fa\nst b", "unknown option -fa?st"},
        {"-i a -b fast b", "-b"},
        {"-i a -b 0 b", "-b"},
        {"-i a -s 320 b", "-s"},
        {"-i a -s 0x240 b", "-s"},
        {"-i a -r 0 b", "-r"},
        {"-i a -aspect wide b", "-aspect"},
        {"-i a -vol 501 b", "-vol"},
        {"-i a -vol -5 b", "-vol"},
        {"-i a -ac stereo b", "-ac"},
        {"-i a -ar 44.1 b", "-ar"},
        {"-i a -ss 1:2:3:4 b", "-ss"},
        {"-i a -ss soon b", "-ss"},
        {"-i a -t -1 b", "-t"},
        {"-i a -t", "-t needs a value"},
        {"-y b", "no input"},
        {"-i a", "no output"},
        {"-i a b c", "more than one output"},
    };
    for (const auto& [line, reason] : cases) {
        const std::string refusal = Refusal(line);
        EXPECT_NE(refusal.find(reason), std::string::npos) << line << " gave: " << refusal;
        EXPECT_EQ(refusal.find('\n'), std::string::npos);
    }
}

TEST(Options, TimeTexts) {
    for (const auto& [text, seconds] : {std::pair{"00:00:00", 0.0},
                                        {"00:01:35", 95.0},
                                        {"01:00:00", 3600.0},
                                        {"02:03.5", 123.5},
                                        {"95", 95.0},
                                        {"12.25", 12.25},
                                        {"00:00:01.720", 1.72}}) {
        ASSERT_TRUE(ParseTimeText(text).has_value()) << text;
        EXPECT_DOUBLE_EQ(*ParseTimeText(text), seconds) << text;
    }
    for (const char* text :
         {"", ":", "1::2", "a:b:c", "1.5:00", "-3", "1:2:3:4", "888888888888888", "277778:00:00"})
        EXPECT_FALSE(ParseTimeText(text).has_value()) << text;
}
