#include "app/logo.h"
#include "app/qtdialogs.h"
#include "app/startup.h"
#include "i18n/language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <thread>

namespace {

struct StartArguments {
    QString casePath;
    QString language; // empty for one Quarvex does not speak
};

// The case file named on the command line (quarvex FILE, as the desktop
// entry passes it), or an empty text, and the language: --lang, else the
// environment's. --help and --version answer and end the program here.
StartArguments startArguments(const QApplication& app)
{
    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("Clinical laboratory calculator for learning."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("case"),
                                    QStringLiteral("A case file (.quarvex) to open on the Data "
                                                   "Entry screen once the disclaimer is accepted."),
                                    QStringLiteral("[case]"));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("The language of the windows: de or en (default: the system's)."),
        QStringLiteral("language"));
    arguments.addOption(language);
    arguments.process(app);
    const QStringList cases = arguments.positionalArguments();
    return {cases.isEmpty() ? QString() : QFileInfo(cases.constFirst()).absoluteFilePath(),
            arguments.isSet(language) ? quarvex::parseLanguage(arguments.value(language))
                                      : quarvex::languageFromEnvironment()};
}

} // namespace

int main(int argc, char* argv[])
{
    // Setting up the fonts takes several milliseconds before the first window
    // with text can be shown: load the font configuration while the display
    // connection is made, and fill Qt's font database while the splash screen
    // is being built, each on another core.
    std::thread fontConfig([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfig.join();
    QApplication::setApplicationName(QStringLiteral("Quarvex"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUARVEX_VERSION_MAJOR)
                                            .arg(QUARVEX_VERSION_MINOR)
                                            .arg(QUARVEX_VERSION_PATCH));
    const StartArguments start = startArguments(app);
    if (start.language.isEmpty()) {
        std::fputs("quarvex: --lang takes de or en\n", stderr);
        return 2;
    }
    quarvex::installLanguage(start.language);
    std::thread fonts([] { QFontDatabase::families(); });
    QApplication::setWindowIcon(quarvex::appIcon());
    quarvex::QtDialogs dialogs;
    quarvex::setDialogs(&dialogs);
    quarvex::modStartup(quarvex::SplashInterval, start.casePath);
    fonts.join();
    return QApplication::exec();
}
