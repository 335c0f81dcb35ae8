#include "RavlinError.h"

extern "C" {
#include <libavutil/error.h>
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return text;
}

std::string FfErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

int CheckFf(int code, const std::string& what) {
    if (code < 0)
        throw TRavlinError(what + ": " + FfErrorText(code));
    return code;
}
