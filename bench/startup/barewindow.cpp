// The yardstick for Quarvex's start-up figures: a Qt Widgets program that
// opens one empty window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
