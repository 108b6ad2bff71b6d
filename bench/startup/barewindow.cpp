// The yardsticks for Quarvex's start-up figures: a Qt Widgets program that
// opens one empty window and nothing else, or, with --text, one window that
// shows a line of bold text (which costs Qt's font database set-up, as every
// window with text does).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool text = QCoreApplication::arguments().contains(QStringLiteral("--text"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (text) {
        auto* label = new QLabel(QStringLiteral("Quarvex"), &window);
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(29.25);
        label->setFont(font);
    }
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
