#pragma once

#include <QString>

// The product information, read at start-up from the resource library.
struct RecSoftInfo {
    QString Text[9];
    quint8 Value = 0;
};

// Slots of RecSoftInfo::Text.
enum TSoftInfoSlot {
    siMaker = 0,
    siProduct = 1,
    siProductText = 2,
    siTitleText = 3,
    siHomePage = 4,
    siEMail = 5,
    siReserved = 6,
    siProductText2 = 7,
    siAppFolder = 8,
};

extern RecSoftInfo SoftInfo;

// Length of the buffer each product text is read into, its zero included.
constexpr int ProductTextBuffer = 254;

// Reads the product texts from libTesso.so into SoftInfo, records the
// application folder and sets the main window's title label.
void LoadProductInfo();
