// A child program for the runner's tests and demo. Each argument is one
// action, done in order:
//   write:N          N bytes in one write; byte i is 'a' + (i / 1023) % 26
//   line:TEXT        TEXT and a line end on standard output
//   err:TEXT         the same on standard error
//   every:MS:COUNT   COUNT status lines, one every MS milliseconds
//   zero             "abc", a zero byte, "def"
//   sleep:MS         stays silent for MS milliseconds
//   cwd              the current folder
//   pid              its process id
//   inherit          what the child was given: its open descriptors, its
//                    standard input, whether standard output and standard
//                    error share one pipe, whether it leads its own group
//   ignoreterm       ignores SIGTERM from now on
//   slowterm:MS      from now on SIGTERM ends it with exit code 0 after MS
//                    milliseconds, as an encoder that closes its file
//   exit:CODE        ends with that exit code
//   killself         ends by SIGKILL
//   args             prints every further argument in brackets and ends

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

void SleepMs(long ms) {
    timespec wait{ms / 1000, (ms % 1000) * 1000000};
    while (nanosleep(&wait, &wait) != 0) {
    }
}

std::string OpenDescriptors() {
    std::string list;
    DIR* dir = opendir("/proc/self/fd");
    if (!dir)
        return "?";
    const int own = dirfd(dir);
    // Sorted by number: collect the small numbers a child can have.
    bool open[1024] = {};
    while (const dirent* entry = readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        if (entry->d_name[0] != '.' && fd != own && fd >= 0 && fd < 1024)
            open[fd] = true;
    }
    closedir(dir);
    for (int fd = 0; fd < 1024; ++fd)
        if (open[fd]) {
            if (!list.empty())
                list += ',';
            list += std::to_string(fd);
        }
    return list;
}

std::string Inherited() {
    struct stat in {
    }, out{}, err{};
    fstat(0, &in);
    fstat(1, &out);
    fstat(2, &err);
    const bool joined =
        S_ISFIFO(out.st_mode) && out.st_ino == err.st_ino && out.st_dev == err.st_dev;
    const bool separateInput = S_ISFIFO(in.st_mode) && in.st_ino != out.st_ino;
    return "fds:" + OpenDescriptors() + " stdin:" + (separateInput ? "pipe" : "other") +
           " joined:" + (joined ? "yes" : "no") +
           " group:" + (getpgrp() == getpid() ? "own" : "shared") + "\n";
}

long StopTakesMs = 0;

void FinishSlowly(int) {
    SleepMs(StopTakesMs);
    _exit(0);
}

std::string Pattern(long count) {
    std::string bytes(size_t(count), ' ');
    for (long i = 0; i < count; ++i)
        bytes[size_t(i)] = char('a' + (i / 1023) % 26);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string action = argv[i];
        const auto value = [&](size_t prefix) { return action.substr(prefix); };
        if (action.rfind("write:", 0) == 0) {
            WriteAll(1, Pattern(std::atol(value(6).c_str())));
        } else if (action.rfind("line:", 0) == 0) {
            WriteAll(1, value(5) + "\n");
        } else if (action.rfind("err:", 0) == 0) {
            WriteAll(2, value(4) + "\n");
        } else if (action.rfind("every:", 0) == 0) {
            const long ms = std::atol(value(6).c_str());
            const long count = std::atol(value(action.find(':', 6) + 1).c_str());
            for (long n = 1; n <= count; ++n) {
                SleepMs(ms);
                WriteAll(1, "status " + std::to_string(n) + "\n");
            }
        } else if (action == "zero") {
            WriteAll(1, std::string("abc\0def", 7));
        } else if (action.rfind("sleep:", 0) == 0) {
            SleepMs(std::atol(value(6).c_str()));
        } else if (action == "cwd") {
            char folder[4096];
            WriteAll(1, std::string(getcwd(folder, sizeof folder) ? folder : "?") + "\n");
        } else if (action == "pid") {
            WriteAll(1, std::to_string(getpid()) + "\n");
        } else if (action == "inherit") {
            WriteAll(1, Inherited());
        } else if (action == "ignoreterm") {
            signal(SIGTERM, SIG_IGN);
        } else if (action.rfind("slowterm:", 0) == 0) {
            StopTakesMs = std::atol(value(9).c_str());
            signal(SIGTERM, FinishSlowly);
        } else if (action.rfind("exit:", 0) == 0) {
            return std::atoi(value(5).c_str());
        } else if (action == "killself") {
            raise(SIGKILL);
        } else if (action == "args") {
            std::string line;
            for (int k = i + 1; k < argc; ++k)
                line += std::string("[") + argv[k] + "]";
            WriteAll(1, line + "\n");
            return 0;
        } else {
            WriteAll(2, "chatty_child: unknown action " + action + "\n");
            return 2;
        }
    }
    return 0;
}
