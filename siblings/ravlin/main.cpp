// ravlin: converts one source file to an MPEG-4 video or a sound file.
// Usage: ravlin [-y] -i SOURCE [options] OUTPUT
#include "Options.h"
#include "PictureScaler.h"
#include "RavlinError.h"
#include "StatusPrinter.h"
#include "StopSignal.h"
#include "Transcoder.h"

#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv) {
    const TStatusPrinter console(STDERR_FILENO);
    // The library's own chatter would land between the status lines that the
    // progress reader parses; every failure is reported here in one line instead.
    av_log_set_level(AV_LOG_QUIET);
    AvoidSlowGathers();
    InstallStopHandlers();
    try {
        const TRavlinOptions options =
            ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.LengthSeconds == 0.0)
            throw TRavlinError("nothing to convert: the segment is empty");
        TTranscoder transcoder(options, console);
        return transcoder.Run();
    } catch (const std::exception& error) {
        console.Print(std::string("ravlin: ") + error.what() + "\n");
        return 1;
    }
}
