#include "app/sysinfo.h"

#include "app/dialogs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QSysInfo>
#include <QWidget>

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

QString systemInfoText(const QWidget* window)
{
    QStringList lines;
    lines << QCoreApplication::translate("quarvex::SysInfo", "Platform: %1 (%2 kernel %3, %4)")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                      QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
    lines << QCoreApplication::translate("quarvex::SysInfo",
                                         "Qt: %1 (built with %2), platform plugin %3")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
                      QGuiApplication::platformName());
    const QScreen* screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QSize pixels = screen->size() * screen->devicePixelRatio();
        lines << QCoreApplication::translate(
                     "quarvex::SysInfo",
                     "Screen: %1, %2 x %3 pixels, scale factor %4, %5 dots per inch")
                     .arg(screen->name())
                     .arg(pixels.width())
                     .arg(pixels.height())
                     .arg(screen->devicePixelRatio())
                     .arg(qRound(screen->logicalDotsPerInch()));
    }
    return lines.join(QLatin1Char('\r'));
}

bool StartSysInfo(const QWidget* window)
{
    for (const SysInfoTool& tool : sysInfoTools()) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(tool.program));
        if (path.isEmpty())
            continue;
        if (QProcess::startDetached(path, tool.arguments))
            return true;
    }
    dialogs().message(systemInfoText(window), MessageIcon::Information,
                      QCoreApplication::translate("quarvex::SysInfo", "System Information"));
    return false;
}

} // namespace quarvex
