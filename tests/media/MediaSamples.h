#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Sample sources for the job-list tests, made with the ffmpeg program.

// The encoder options that make a small file of the given container type
// (".avi", ".3gp" ...); the fifteen source extensions are all covered.
QStringList SampleOptions(const QString& extension);

// Makes a sample of the path's container type; false when ffmpeg failed.
bool MakeSample(const QString& path, double seconds);

// Makes an AVI whose video FourCC names a codec no decoder knows, so only its
// audio stream can be decoded.
bool MakeUndecodableVideoAvi(const QString& path, double seconds);

// Makes an AVI whose only stream, its video, names a codec no decoder knows.
bool MakeUndecodableOnlyAvi(const QString& path, double seconds);

// The ffmpeg options of an MPEG program stream whose clock starts at 10 s, as
// DVD and camcorder recordings' do.
QStringList LateClockMpegOptions();

// Joins files byte by byte, as two recordings copied into one file are.
bool JoinFiles(const QStringList& parts, const QString& path);

// Writes the display matrix of every video track's header in an MP4 (the
// ffmpeg program cannot): the whole parts of a, b, c, d, where a stored pixel
// (x, y) shows at (a x + c y, b x + d y). {0, 1, -1, 0} is a phone's portrait
// clip, to be turned a quarter clockwise.
bool SetDisplayMatrix(const QString& mp4, const std::array<int, 4>& matrix);

// A small text file named like a video that is a playlist of another file.
QString WritePlaylist(const QString& path, const QString& target);
