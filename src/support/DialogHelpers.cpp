#include "support/DialogHelpers.h"

#include "support/CommonLib.h"
#include "support/Dialogs.h"

#include <QFileInfo>

bool TCommonLib::ShowMessageBox(const QString& message, int kind) const {
    static constexpr TMsgIcon icons[] = {TMsgIcon::Error, TMsgIcon::Warning, TMsgIcon::Question,
                                         TMsgIcon::Information};
    const TMsgIcon icon = kind >= 0 && kind <= 3 ? icons[kind] : TMsgIcon::None;
    Dialogs().MessageBox(ApplicationTitle, message, icon, TMsgButtons::Ok);
    return true;
}

int ShowInfoMessage(const QString& message, int kind) {
    const TMsgButtons buttons = kind == 3   ? TMsgButtons::YesNoCancel
                                : kind == 2 ? TMsgButtons::YesNo
                                            : TMsgButtons::Ok;
    return Dialogs().MessageBox(ApplicationTitle, message, TMsgIcon::Information, buttons);
}

bool BrowseForFolder(const QString& title, const QString& /*root*/, QString& folder) {
    if (!QFileInfo(folder).isDir())
        folder.clear();
    return Dialogs().ChooseFolder(title, folder);
}
