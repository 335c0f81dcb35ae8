#include "app/AboutBox.h"

#include "app/ProductInfo.h"
#include "app/SiblingFiles.h"
#include "korrin/Korrin.h"
#include "support/Globals.h"

#include <QCoreApplication>
#include <QLibrary>

void ShowAbout() {
    QLibrary library(AppFunc->ApplicationFolder() + AboutLibraryName);
    if (!library.load())
        return;
    auto showAboutForm = reinterpret_cast<TShowAboutForm>(library.resolve("ShowAboutForm"));
    if (!showAboutForm) {
        library.unload();
        return;
    }
    QByteArray texts[9];
    const char* pointers[9];
    for (int i = 0; i < 9; ++i) {
        texts[i] = SoftInfo.Text[i].toUtf8();
        pointers[i] = texts[i].isEmpty() ? nullptr : texts[i].constData();
    }
    const TKorrinSoftInfo info{pointers[0], pointers[1], pointers[2], pointers[3], pointers[4],
                               pointers[5], pointers[6], pointers[7], pointers[8], SoftInfo.Value};
    const TKorrinExtra extra{};
    showAboutForm(QCoreApplication::instance(), info, extra);
    library.unload();
}
