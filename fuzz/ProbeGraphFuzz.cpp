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
#include <cstdarg>
#include <cstdint>

namespace {

// The job list's source extensions; the input's last byte picks the one its
// file is named with, as the libraries take the name into account too.
const char* const Extensions[] = {".3gp", ".3g2", ".avi", ".m4v", ".mp4",  ".mpeg", ".mpg", ".asf",
                                  ".mov", ".wmv", ".vob", ".rm",  ".rmvb", ".flv",  ".swf"};
constexpr size_t ExtensionCount = sizeof Extensions / sizeof *Extensions;

// Slack above the render's bound for the work after its last check.
constexpr int BoundSlackMs = 1000;

// The libraries are not built for coverage. The places they log from, debug
// messages included, stand in: each message format met is a feature that
// libFuzzer sees (as extra counters), so it keeps the inputs that lead the
// demuxers and decoders down new paths.
constexpr int LogSiteBits = 14;
__attribute__((section("__libfuzzer_extra_counters"))) uint8_t LogSites[1 << LogSiteBits];

void CountLogSite(void*, int level, const char* format, va_list) {
    const auto site =
        (reinterpret_cast<uintptr_t>(format) ^ uintptr_t(level)) * 0x9E3779B97F4A7C15ull >>
        (64 - LogSiteBits);
    if (LogSites[site] < 255)
        ++LogSites[site];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool counting = [] {
        av_log_set_callback(CountLogSite); // which also keeps the libraries quiet
        return true;
    }();
    (void)counting;
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
