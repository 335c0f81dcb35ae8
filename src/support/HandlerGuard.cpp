#include "support/HandlerGuard.h"

#include "support/CommonLib.h"
#include "support/Dialogs.h"
#include "support/Errors.h"

#include <exception>

QString TopLevelErrorText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + ".";
    return message;
}

namespace {
void ShowTopLevelError(const QString& message) {
    Dialogs().MessageBox(ApplicationTitle, TopLevelErrorText(message), TMsgIcon::Error,
                         TMsgButtons::Ok);
}
} // namespace

bool DeliverGuarded(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (const EQuenvoError& error) {
        ShowTopLevelError(error.Message());
    } catch (const std::exception& error) {
        ShowTopLevelError(QString::fromUtf8(error.what()));
    }
    return false;
}
