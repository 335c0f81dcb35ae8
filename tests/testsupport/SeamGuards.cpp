#include "testsupport/SeamGuards.h"

#include "support/AppFunc.h"

TAppFolderGuard::TAppFolderGuard(const QString& folder)
    : Previous(TAppFunc::OverrideApplicationFolder(folder)) {}

TAppFolderGuard::~TAppFolderGuard() {
    TAppFunc::OverrideApplicationFolder(Previous);
}
