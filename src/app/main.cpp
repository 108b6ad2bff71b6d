#include "app/logo.h"
#include "app/qtdialogs.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvex"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUARVEX_VERSION_MAJOR)
                                            .arg(QUARVEX_VERSION_MINOR)
                                            .arg(QUARVEX_VERSION_PATCH));
    QApplication::setWindowIcon(quarvex::appIcon());
    quarvex::QtDialogs dialogs;
    quarvex::setDialogs(&dialogs);
    quarvex::modStartup();
    return QApplication::exec();
}
