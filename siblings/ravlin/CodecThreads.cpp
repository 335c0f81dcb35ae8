#include "CodecThreads.h"

#include <algorithm>
#include <thread>

int CodecThreads(int width, int height) {
    constexpr long StandardDefinition = 720L * 576;
    if (static_cast<long>(width) * height <= StandardDefinition)
        return 1;
    return static_cast<int>(std::max(2u, std::thread::hardware_concurrency()));
}
