#pragma once

#include <QString>

#include <functional>

struct TProgramCall;

// Receives each chunk of console output that the encoder has just written.
using TOutputCallback = std::function<void(const QString&)>;

// Runs one encoder call as a child process and hands its console
// output to a callback until the child has ended. One instance serves one
// job. Runs on the user-interface thread and blocks its caller for the
// child's whole life, serving window events all the while.
class TAdvanceSystem {
public:
    // Every read of the child's output asks for at most this many bytes.
    static constexpr int ReadUnit = 1023;

    // Starts the call's program itself, each argument its own piece, with
    // the application folder as current folder, standard input a pipe that
    // is never written, standard output and standard error joined into one
    // pipe, in a process group of its own and with no other descriptor of
    // ours. Whenever output is waiting it is read in units of ReadUnit
    // bytes; of a larger backlog only the last unit is kept. The text read
    // goes to the callback, cut at its first zero byte, and a pause of
    // Timing().AfterOutputMs follows, which the child's end cuts short.
    // The child's end is noticed before the last look at the pipe, so its
    // final words still arrive, with no pause after them.
    // True once the child has been started and has ended (ExitCode() tells
    // how); false at once, without a callback and with nothing left open,
    // for an empty program or one that can't be started. While it runs the
    // child is in the process list (SysFunc.h), so it can be stopped.
    // Should the callback throw, the child's process group is killed and
    // reaped before the error travels on.
    bool RunAndCapture(const TProgramCall& call, const TOutputCallback& callback);

    // The exit code of the child of the last run; -1 when it was ended by
    // a signal or never started.
    int ExitCode() const { return LastExitCode; }

private:
    int LastExitCode = -1;
};
