#pragma once

#include <QStringList>

namespace quarvex {

// A system information program that the about box may start.
struct SysInfoTool {
    const char* program; // looked up on the PATH
    QStringList arguments;
};

// The programs tried, in order.
const QList<SysInfoTool>& sysInfoTools();

// Starts the first system information program found on the PATH that can be
// started (detached from this program). When there is none, says "System
// Information Is Unavailable At This Time" and returns false.
bool StartSysInfo();

} // namespace quarvex
