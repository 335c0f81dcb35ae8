// A resource library whose picture and texts the tests choose: it reads
// them, at every call, from the folder named by FAKE_TESSO_DATA
// (<name>.jpg for the pictures, such as ImgFlash.jpg, and <id>.txt).

#include "tesso/Tesso.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Read(const std::string& name, bool* found = nullptr) {
    const char* folder = std::getenv("FAKE_TESSO_DATA");
    std::ifstream file(std::string(folder ? folder : ".") + "/" + name, std::ios::binary);
    if (found)
        *found = bool(file);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Picture;

} // namespace

extern "C" {

__attribute__((visibility("default"))) const void*
TessoFindResource(const char* name, const char* type, size_t* size) {
    if (std::strcmp(type, "jpeg") != 0)
        return nullptr;
    bool found = false;
    Picture = Read(std::string(name) + ".jpg", &found);
    if (!found)
        return nullptr;
    *size = Picture.size();
    return Picture.data();
}

__attribute__((visibility("default"))) int TessoLoadString(unsigned id, char* buffer, int size) {
    const std::string text = Read(std::to_string(id) + ".txt");
    const size_t length = std::min(text.size(), size_t(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return int(length);
}
}
