#include "app/sysinfo.h"

#include "app/dialogs.h"

#include <QProcess>
#include <QStandardPaths>

namespace quarvex {

const QList<SysInfoTool>& sysInfoTools()
{
    static const QList<SysInfoTool> tools{
        {"hardinfo2", {}},
        {"hardinfo", {}},
        {"kinfocenter", {}},
        {"gnome-control-center", {QStringLiteral("info-overview")}},
    };
    return tools;
}

bool StartSysInfo()
{
    for (const SysInfoTool& tool : sysInfoTools()) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(tool.program));
        if (path.isEmpty())
            continue;
        if (QProcess::startDetached(path, tool.arguments))
            return true;
    }
    dialogs().message(QStringLiteral("System Information Is Unavailable At This Time"),
                      MessageIcon::None);
    return false;
}

} // namespace quarvex
