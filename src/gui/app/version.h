#pragma once

#include <QCoreApplication>
#include <QString>

namespace quarvex {

// "Version 2.0.1": the version of the build, as the splash screen and the
// about box show it.
inline QString versionText()
{
    return QCoreApplication::translate("quarvex::AboutWindow", "Version %1.%2.%3")
        .arg(QUARVEX_VERSION_MAJOR)
        .arg(QUARVEX_VERSION_MINOR)
        .arg(QUARVEX_VERSION_PATCH);
}

} // namespace quarvex
