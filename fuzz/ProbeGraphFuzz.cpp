// The probe graph on arbitrary file bytes: the render check and the duration
// of a source file that may be damaged or no film at all. Every input gets an
// answer within the render's time bound.
#include "FuzzCheck.h"
#include "FuzzFiles.h"

#include "media/ProbeGraph.h"

#include <QFile>

extern "C" {
#include <libavutil/log.h>
}

#include <chrono>

namespace {

// The job list's source extensions; the input's last byte picks the one its
// file is named with, as the libraries take the name into account too.
const char* const Extensions[] = {".3gp", ".3g2", ".avi", ".m4v", ".mp4",  ".mpeg", ".mpg", ".asf",
                                  ".mov", ".wmv", ".vob", ".rm",  ".rmvb", ".flv",  ".swf"};
constexpr size_t ExtensionCount = sizeof Extensions / sizeof *Extensions;

// Slack above the render's bound for the work after its last check.
constexpr int BoundSlackMs = 1000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET); // damaged files make the libraries chatty
        return true;
    }();
    (void)quiet;
    const char* extension = Extensions[size == 0 ? 0 : data[size - 1] % ExtensionCount];
    const QString path = WriteFuzzFile(QString("source") + extension, data, size);

    TProbeGraph graph;
    graph.MakeActive();
    const auto start = std::chrono::steady_clock::now();
    const int result = graph.RenderFile(path);
    const auto took = std::chrono::steady_clock::now() - start;
    const qint64 durationMs = graph.DurationMs();
    graph.MakeInactive();
    QFile::remove(path);

    FuzzCheck(took < std::chrono::milliseconds(RenderTimeoutMs + BoundSlackMs),
              "the render check ends within its time bound");
    FuzzCheck(result >= -1, "the render result is -1 or a count of streams without a decoder");
    FuzzCheck(durationMs >= 0, "a duration is not negative");
    FuzzCheck(result >= 0 || durationMs == 0, "a file that can't be rendered has no duration");
    FuzzCheck(graph.DurationMs() == 0, "an inactive graph holds no duration");
    return 0;
}
