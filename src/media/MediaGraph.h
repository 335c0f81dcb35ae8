#pragma once

#include <QString>
#include <QtGlobal>

// The media engine as the system uses it: a graph that is made active,
// given a file to render, asked for its duration and made inactive again.
// The probe graph of the job list and the preview graph share this face.
class TMediaGraph {
public:
    virtual ~TMediaGraph() = default;

    // Creates the engine behind the graph; a new graph holds nothing.
    virtual void MakeActive() = 0;
    // Releases the engine: nothing of the previous file remains.
    virtual void MakeInactive() = 0;
    virtual bool Active() const = 0;
    // Empties the graph.
    virtual void RemoveAllFilters() = 0;
    // Builds what would play the file: 0 when every audio and video stream
    // can be decoded, > 0 when some stream can't, < 0 when the file can't
    // be opened or holds no audio or video stream.
    virtual int RenderFile(const QString& path) = 0;
    // The rendered file's duration in milliseconds; 0 when it can't be told.
    virtual qint64 DurationMs() const = 0;
};
