#pragma once

#include <QStringList>

class QWidget;

namespace quarvex {

// A system information program that the about box may start.
struct SysInfoTool {
    const char* program; // looked up on the PATH
    QStringList arguments;
};

// The programs tried, in order.
const QList<SysInfoTool>& sysInfoTools();

// What this program can tell of the system itself: the platform, the Qt
// version it runs on and the screen of the window (size, scale factor).
QString systemInfoText(const QWidget* window);

// Starts the first system information program found on the PATH that can be
// started (detached from this program). When there is none, shows
// systemInfoText in a box and returns false.
bool StartSysInfo(const QWidget* window = nullptr);

} // namespace quarvex
