#include "convert/AdvanceSystem.h"

#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/ProgramCall.h"
#include "support/SysFunc.h"
#include "support/Timing.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The longest the runner waits for a silent child before it serves window
// events again.
constexpr int SilentWaitMs = 50;

// A descriptor that is closed when it goes out of scope.
class TFd {
public:
    TFd() = default;
    explicit TFd(int fd) : Fd(fd) {}
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    ~TFd() { Close(); }
    int Get() const { return Fd; }
    void Reset(int fd) {
        Close();
        Fd = fd;
    }
    void Close() {
        if (Fd >= 0)
            ::close(Fd);
        Fd = -1;
    }

private:
    int Fd = -1;
};

struct TPipe {
    TFd Read;
    TFd Write;
    bool Open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return false;
        Read.Reset(fds[0]);
        Write.Reset(fds[1]);
        return true;
    }
};

// A started child, listed among the processes this program may wait for
// and stop until it is reaped. Should the run be left early, its process
// group is killed and the child reaped, so no encoder runs on unread and no
// zombie stays behind.
class TChild {
public:
    TChild(pid_t pid, const QString& program) : Pid(pid), PidFd(OpenPidFd(pid)) {
        NoteStartedProcess(pid, program);
    }
    TChild(const TChild&) = delete;
    TChild& operator=(const TChild&) = delete;
    ~TChild() {
        if (Reaped)
            return;
        ForgetStartedProcess(Pid);
        ::kill(-Pid, SIGKILL);
        ::kill(Pid, SIGKILL);
        int status;
        while (::waitpid(Pid, &status, 0) < 0 && errno == EINTR) {
        }
    }

    // Reaps the child once it has ended; true from then on.
    bool Ended() {
        if (Reaped)
            return true;
        int status = 0;
        pid_t result;
        do {
            result = ::waitpid(Pid, &status, WNOHANG);
        } while (result < 0 && errno == EINTR);
        if (result == 0)
            return false;
        ForgetStartedProcess(Pid);
        Reaped = true;
        Code = result == Pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return true;
    }

    int ExitCode() const { return Code; }
    // Readable once the child has ended; -1 where the system has no such
    // descriptor (then the wait simply times out).
    int EndFd() const { return PidFd.Get(); }

private:
    static int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
        return int(::syscall(SYS_pidfd_open, pid, 0)); // close-on-exec by default
#else
        (void)pid;
        return -1;
#endif
    }

    pid_t Pid;
    TFd PidFd;
    bool Reaped = false;
    int Code = -1;
};

// Starts the program itself, never one found along PATH or by taking a
// name apart.
bool Spawn(const TProgramCall& call, const QString& folder, int stdinFd, int outputFd, pid_t& pid) {
    const QByteArray program = call.Program.toUtf8();
    const QByteArray folderPath = folder.toUtf8();
    std::vector<QByteArray> texts{program};
    for (const QString& argument : call.Arguments)
        texts.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdinFd, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, folderPath.constData());
    // Descriptors opened without close-on-exec (by a library, say) stay
    // with us as well.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t noSignals, allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);

    const int result =
        posix_spawn(&pid, program.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return result == 0;
}

int BytesWaiting(int fd) {
    int count = 0;
    return ::ioctl(fd, FIONREAD, &count) == 0 ? count : 0;
}

ssize_t ReadUnitFrom(int fd, char* buffer) {
    ssize_t got;
    do {
        got = ::read(fd, buffer, TAdvanceSystem::ReadUnit);
    } while (got < 0 && errno == EINTR);
    return got;
}

// Reads what is waiting in the pipe. Of a backlog larger than one unit the
// units are read one after the other while a read fills the unit and more
// is waiting; only the last one is kept. False when nothing was waiting.
bool ReadLatest(int fd, QByteArray& chunk) {
    const int waiting = BytesWaiting(fd);
    if (waiting <= 0)
        return false;
    char buffer[TAdvanceSystem::ReadUnit];
    ssize_t got = ReadUnitFrom(fd, buffer);
    if (got <= 0)
        return false;
    if (waiting > TAdvanceSystem::ReadUnit) {
        while (got == TAdvanceSystem::ReadUnit && BytesWaiting(fd) > 0) {
            const ssize_t next = ReadUnitFrom(fd, buffer);
            if (next <= 0)
                break;
            got = next;
        }
    }
    chunk = QByteArray(buffer, got);
    return true;
}

QString TextOf(const QByteArray& chunk) {
    return QString::fromUtf8(chunk.constData(), qstrnlen(chunk.constData(), chunk.size()));
}

// True once the pipe's writers have all gone and nothing is left to read: such
// a pipe stays readable for ever and is left out of later waits so they don't spin.
bool HungUp(int outputFd) {
    pollfd fd{outputFd, POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR)) && !(fd.revents & POLLIN);
}

// Serves window events for at most ms, ending early once one of the
// descriptors (-1 for none) is readable. The wait runs in a local event
// loop, so window events are served the moment they arrive. A box opened
// from one of those events runs its own loop inside this one; each
// notifier therefore disarms itself when it fires, or a descriptor that
// stays readable (the child's end, a closed pipe) would wake that loop
// again and again until the box is answered.
void WaitForReadable(int ms, int firstFd, int secondFd) {
    const int fds[] = {firstFd, secondFd};
    if (!QCoreApplication::instance()) {
        pollfd polled[2];
        nfds_t count = 0;
        for (const int fd : fds)
            if (fd >= 0)
                polled[count++] = {fd, POLLIN, 0};
        ::poll(polled, count, ms);
        return;
    }
    QEventLoop loop;
    std::optional<QSocketNotifier> notifiers[2];
    for (int i = 0; i < 2; ++i) {
        if (fds[i] < 0)
            continue;
        QSocketNotifier& notifier = notifiers[i].emplace(fds[i], QSocketNotifier::Read);
        QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&notifier, &loop] {
            notifier.setEnabled(false);
            loop.quit();
        });
    }
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(PumpFlags());
}

} // namespace

bool TAdvanceSystem::RunAndCapture(const TProgramCall& call, const TOutputCallback& callback) {
    LastExitCode = -1;
    if (call.Program.isEmpty())
        return false;
    TPipe input, output;
    if (!input.Open() || !output.Open())
        return false;
    pid_t pid = 0;
    if (!Spawn(call, AppFunc->ApplicationFolder(), input.Read.Get(), output.Write.Get(), pid))
        return false;
    // The child has its own copies; the write end of its input stays with
    // us, unwritten, for the whole run.
    input.Read.Close();
    output.Write.Close();
    const int outputFd = output.Read.Get();
    ::fcntl(outputFd, F_SETFL, ::fcntl(outputFd, F_GETFL) | O_NONBLOCK);

    TChild child(pid, call.Program);
    bool pipeHungUp = false;
    for (;;) {
        // The end is noticed before the look at the pipe, so what the child
        // wrote just before it ended is still passed on.
        const bool ended = child.Ended();
        QByteArray chunk;
        if (ReadLatest(outputFd, chunk)) {
            if (callback)
                callback(TextOf(chunk));
            // The pause paces the reads while the child writes; once it has
            // ended there is nothing left to pace, so its end cuts the pause
            // short and the job goes on at once.
            if (!ended)
                WaitForReadable(Timing().AfterOutputMs, child.EndFd(), -1);
        } else if (!ended) {
            WaitForReadable(SilentWaitMs, pipeHungUp ? -1 : outputFd, child.EndFd());
            if (!pipeHungUp && HungUp(outputFd))
                pipeHungUp = true;
        }
        if (ended)
            break;
    }
    LastExitCode = child.ExitCode();
    return true;
}
