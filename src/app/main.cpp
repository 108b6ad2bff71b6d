#include "app/qtdialogs.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvex"));
    quarvex::QtDialogs dialogs;
    quarvex::setDialogs(&dialogs);
    quarvex::modStartup();
    return QApplication::exec();
}
