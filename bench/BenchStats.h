#pragma once

// The figures every benchmark reports: its own CPU time and medians of runs.

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>

// CPU time of this process so far, user and system, in seconds.
inline double OwnCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The middle value, or the mean of the two middle ones.
template <typename Container> auto Median(Container values) {
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The count given as argument number index, at least 1; fallback when it is missing.
inline int CountArgument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}
