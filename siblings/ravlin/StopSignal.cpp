#include "StopSignal.h"

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

std::atomic<bool> Stopped{false};
// The handler and WakeWaiter write a byte here so that a waiting thread wakes at once.
int WakePipe[2] = {-1, -1};

void Wake() {
    if (WakePipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] ssize_t ignored = write(WakePipe[1], &byte, 1);
    }
}

void OnStopSignal(int) {
    Stopped.store(true);
    Wake();
}

} // namespace

void InstallStopHandlers() {
    // Neither end blocks: a full pipe already holds a wake-up, an empty one has nothing to drain.
    if (WakePipe[0] < 0 && pipe2(WakePipe, O_NONBLOCK | O_CLOEXEC) != 0)
        WakePipe[0] = WakePipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // A reader that went away must not kill the run halfway through the file.
    signal(SIGPIPE, SIG_IGN);
}

bool StopRequested() {
    return Stopped.load();
}

bool WaitForStop(int timeoutMs) {
    if (WakePipe[0] < 0) {
        usleep(static_cast<useconds_t>(timeoutMs) * 1000);
        return Stopped.load();
    }
    pollfd wake{WakePipe[0], POLLIN, 0};
    if (poll(&wake, 1, timeoutMs) > 0) {
        char drained[64];
        while (read(WakePipe[0], drained, sizeof drained) > 0) {
        }
    }
    return Stopped.load();
}

void WakeWaiter() {
    Wake();
}
