#include "app/logo.h"
#include "app/qtdialogs.h"
#include "app/startup.h"

#include <QApplication>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char* argv[])
{
    // Setting up the fonts takes several milliseconds before the first window
    // with text can be shown: load the font configuration while the display
    // connection is made, and fill Qt's font database while the splash screen
    // is being built, each on another core.
    std::thread fontConfig([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfig.join();
    std::thread fonts([] { QFontDatabase::families(); });
    QApplication::setApplicationName(QStringLiteral("Quarvex"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUARVEX_VERSION_MAJOR)
                                            .arg(QUARVEX_VERSION_MINOR)
                                            .arg(QUARVEX_VERSION_PATCH));
    QApplication::setWindowIcon(quarvex::appIcon());
    quarvex::QtDialogs dialogs;
    quarvex::setDialogs(&dialogs);
    quarvex::modStartup();
    fonts.join();
    return QApplication::exec();
}
