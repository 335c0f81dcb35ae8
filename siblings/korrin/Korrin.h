#pragma once

// The About window library beside quenvo.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// The product information as the About window receives it: nine texts (an
// empty text as a null pointer), then a one-byte value in a 32-bit slot.
typedef struct {
    const char* Maker;
    const char* Product;
    const char* ProductText;
    const char* TitleText;
    const char* HomePage;
    const char* EMail;
    const char* Reserved;
    const char* ProductText2;
    const char* AppFolder;
    uint32_t Value;
} TKorrinSoftInfo;

// Further settings of the About window; all zero.
typedef struct {
    uint32_t Values[8];
} TKorrinExtra;

// Shows the About window modally; application is the QApplication object.
typedef void (*TShowAboutForm)(void* application, TKorrinSoftInfo info, TKorrinExtra extra);

void ShowAboutForm(void* application, TKorrinSoftInfo info, TKorrinExtra extra);

#ifdef __cplusplus
}
#endif
