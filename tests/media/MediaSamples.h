#pragma once

#include <QString>
#include <QStringList>

// Sample sources for the job-list tests, made with the ffmpeg program.

// The encoder options that make a small file of the given container type
// (".avi", ".3gp" ...); the fifteen source extensions are all covered.
QStringList SampleOptions(const QString& extension);

// Makes a sample of the path's container type; false when ffmpeg failed.
bool MakeSample(const QString& path, double seconds);

// Makes an AVI whose video FourCC names a codec no decoder knows, so only its
// audio stream can be decoded.
bool MakeUndecodableVideoAvi(const QString& path, double seconds);
