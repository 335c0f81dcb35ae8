// Runs a fuzz target without libFuzzer: every file named on the command line,
// and every file below a folder named there, goes through the target once, in
// name order. CTest replays each target's corpus this way in every build.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            inputs.emplace_back(argv[i]);
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(argv[i]))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...: no input found\n", argv[0]);
        return 2;
    }
    for (const fs::path& input : inputs) {
        // A buffer of exactly the input's size, so that a read past its end
        // is caught as it would be under libFuzzer.
        const size_t size = fs::file_size(input);
        const auto data = std::make_unique<uint8_t[]>(size);
        std::ifstream file(input, std::ios::binary);
        if (!file.read(reinterpret_cast<char*>(data.get()), std::streamsize(size))) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 2;
        }
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(data.get(), size);
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
