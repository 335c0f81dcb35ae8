#pragma once

#include "media/MediaGraph.h"

// What rendering a file tells: the render result of TMediaGraph::RenderFile
// (0 every audio and video stream decodable, > 0 some stream not, < 0 the
// file can't be opened or no audio or video stream of it can be decoded),
// the duration in milliseconds (0 when it can't be told) and the libavfilter
// chain that shows its video upright (empty when it shows as stored).
struct TRenderCheck {
    int Result = -1;
    qint64 DurationMs = 0;
    QString TurnFilters;
};

// How long one render may take before it is given up as unreadable.
inline constexpr int RenderTimeoutMs = 5000;

// The render check on the FFmpeg libraries: opens the file as the encoder
// does (a file of a media format, nothing it names), reads its stream
// information and asks for a decoder of every audio and video stream. It is
// bounded by timeoutMs (an interrupt callback), so a damaged or endless file
// ends as unopenable instead of blocking. Only regular files are opened: a
// pipe or device could block the open itself. Nothing stays open afterwards.
// The preview graph runs this same check before it hands a file to its player.
// A container that tells no duration, or whose clock may jump (recordings
// joined into one program stream), has its packets read through to measure
// it, unless the caller has no use for the duration.
enum class TDurationNeed { Measured, Unused };
TRenderCheck CheckRender(const QString& path, int timeoutMs = RenderTimeoutMs,
                         TDurationNeed duration = TDurationNeed::Measured);

// The probe graph of the job list: a graph that is never played and bound to
// no window; rendering runs CheckRender and keeps its result and duration
// until the graph is emptied or made inactive.
class TProbeGraph final : public TMediaGraph {
public:
    explicit TProbeGraph(int timeoutMs = RenderTimeoutMs);

    void MakeActive() override;
    void MakeInactive() override;
    bool Active() const override;
    void RemoveAllFilters() override;
    // Fails with a negative result when the graph is not active.
    int RenderFile(const QString& path) override;
    qint64 DurationMs() const override;

private:
    int TimeoutMs;
    bool IsActive = false;
    TRenderCheck Rendered;
};
