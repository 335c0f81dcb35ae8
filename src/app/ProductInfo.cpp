#include "app/ProductInfo.h"

#include "app/SiblingFiles.h"
#include "support/Controls.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "tesso/Tesso.h"

#include <QLabel>
#include <QLibrary>

RecSoftInfo SoftInfo;

void LoadProductInfo() {
    ProcessMessages();
    const QString folder = AppFunc->ApplicationFolder();
    QLibrary library(folder + ResourceLibraryName);
    if (library.load()) {
        if (auto loadString =
                reinterpret_cast<decltype(&TessoLoadString)>(library.resolve("TessoLoadString"))) {
            for (const unsigned id : {0u, 1u, 2u, 3u, 4u, 5u, 7u}) {
                char buffer[ProductTextBuffer] = {};
                loadString(id, buffer, ProductTextBuffer);
                buffer[ProductTextBuffer - 1] = '\0';
                SoftInfo.Text[id] = QString::fromUtf8(buffer);
            }
        }
        library.unload();
    }
    SoftInfo.Text[siReserved].clear();
    SoftInfo.Text[siAppFolder] = folder;
    SoftInfo.Value = 0;
    if (Controls.Main.lblTitle)
        Controls.Main.lblTitle->setText(SoftInfo.Text[siProduct] + " " +
                                        SoftInfo.Text[siTitleText]);
}
