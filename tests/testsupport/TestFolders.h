#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder for one test; its path ends in "/".
class TTestFolder {
public:
    TTestFolder();
    QString Path() const;
    // Creates a file (and its folders) below the folder; returns its full path.
    QString WriteFile(const QString& relative, const QByteArray& content = {}) const;
    QString MakeFolder(const QString& relative) const;

private:
    QTemporaryDir Dir;
};

// The build tree's application folder (quenvo, ravlin and siblings), ending in "/".
QString BuildAppFolder();

// The messages of log.txt in a folder, each without its date, of the lines
// that contain the text; none when there is no log.
QStringList LogMessages(const QString& folder, const QString& containing = {});

// Runs a program to its end; returns its exit code (-1 when it could not
// start or timed out). Output goes to the given text when one is passed.
int RunProgram(const QString& program, const QStringList& args, QString* output = nullptr,
               int timeoutMs = 120000);

// Makes a sample media file with the ffmpeg program from lavfi sources:
// ffmpegArgs are placed between the inputs and the output path.
// Example: MakeMedia(path, 3, {"-c:v", "mpeg4"}).
bool MakeMedia(const QString& path, double seconds, const QStringList& ffmpegArgs,
               bool withVideo = true, bool withAudio = true);

// Root may write almost anywhere, so a folder that a test really cannot
// write is a read-only bind mount, made in a mount namespace of the test's
// own so that nothing outside the test sees it.

// Whether this process runs in a mount namespace made by RunTestWithPrivateMounts.
bool HasPrivateMounts();

// Runs the current test again, alone, in a child process with a private
// mount namespace (unshare); returns its exit code and puts its output in
// *output.
int RunTestWithPrivateMounts(QString* output);

// Mounts a folder read-only onto itself while it lives; only with private
// mounts, so a test never changes the machine's mounts.
class TReadOnlyMount {
public:
    explicit TReadOnlyMount(const QString& folder);
    ~TReadOnlyMount();
    bool ReadOnly() const { return Remounted; }

private:
    QByteArray Folder;
    bool Bound = false, Remounted = false;
};
