#pragma once

#include <cstdio>
#include <cstdlib>

// A check that an input broke: the fuzzer keeps the input as a crash, the
// corpus replay fails.
inline void FuzzCheck(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", property);
    std::abort();
}
