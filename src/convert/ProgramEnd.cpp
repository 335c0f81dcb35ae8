#include "convert/ProgramEnd.h"

#include <cstdlib>

namespace {
std::function<void()>& replacement() {
    static std::function<void()> end;
    return end;
}
} // namespace

void EndProgramNow() {
    if (replacement()) {
        replacement()();
        return;
    }
    std::_Exit(0); // the log is flushed line by line; nothing else must run
}

void SetProgramEnd(std::function<void()> end) {
    replacement() = std::move(end);
}
