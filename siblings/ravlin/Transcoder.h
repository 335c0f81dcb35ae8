#pragma once

#include "InputFile.h"
#include "Options.h"
#include "OutputFile.h"
#include "StatusPrinter.h"
#include "StreamEncoder.h"

#include <memory>
#include <optional>

// One conversion from the source to the output, as the options ask.
class TTranscoder {
public:
    // Checks the paths, opens the source and prepares the output; throws
    // TRavlinError with the reason when the job cannot start.
    TTranscoder(const TRavlinOptions& options, const TStatusPrinter& console);

    // Converts, printing the banner and the status lines; returns the exit code
    // (0 when the output was written whole). Throws TRavlinError on a failure.
    int Run();

private:
    void CheckOutputPath() const;
    void SetUpVideo();
    void SetUpAudio();
    std::string Banner() const;
    int Finish(bool stopped, std::string failure);

    const TRavlinOptions& Options;
    const TStatusPrinter& Console;
    std::unique_ptr<TOutputFile> Output;
    std::unique_ptr<TInputFile> Input;
    std::optional<TStreamEncoder> Video;
    std::optional<TStreamEncoder> Audio;
};
