#include "tesso/Tesso.h"

#include <algorithm>
#include <cstring>
#include <string_view>

// The splash picture and its variant for screens of twice the density,
// embedded at build time (ImgFlashData.c, ImgFlash2xData.c).
extern "C" const unsigned char ImgFlashData[];
extern "C" const size_t ImgFlashSize;
extern "C" const unsigned char ImgFlash2xData[];
extern "C" const size_t ImgFlash2xSize;

namespace {

struct TResource {
    const char* Name;
    const unsigned char* Data;
    const size_t& Size;
};

const TResource Pictures[] = {
    {"ImgFlash", ImgFlashData, ImgFlashSize},
    {"ImgFlash@2x", ImgFlash2xData, ImgFlash2xSize},
};

struct TStringEntry {
    unsigned Id;
    const char* Text;
};

// The product texts, by string id.
constexpr TStringEntry Strings[] = {
    {0, "Orvane Soft"},
    {1, "Quenvo"},
    {2, "Batch video converter for portable media players"},
    {3, "Video Converter"},
    {4, "https://www.orvanesoft.example/quenvo/"},
    {5, "support@orvanesoft.example"},
    {7, "Copyright (C) 2026 Orvane Soft. Licensed under the GNU GPL, version 3 or later."},
};

} // namespace

extern "C" __attribute__((visibility("default"))) const void*
TessoFindResource(const char* name, const char* type, size_t* size) {
    if (!name || !type || std::string_view(type) != "jpeg")
        return nullptr;
    for (const TResource& picture : Pictures) {
        if (std::string_view(name) != picture.Name)
            continue;
        if (size)
            *size = picture.Size;
        return picture.Data;
    }
    return nullptr;
}

extern "C" __attribute__((visibility("default"))) int TessoLoadString(unsigned id, char* buffer,
                                                                      int size) {
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    for (const TStringEntry& entry : Strings) {
        if (entry.Id != id)
            continue;
        const size_t length = std::min(std::strlen(entry.Text), size_t(size - 1));
        std::memcpy(buffer, entry.Text, length);
        buffer[length] = '\0';
        return int(length);
    }
    return 0;
}
