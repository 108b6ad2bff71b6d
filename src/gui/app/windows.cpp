#include "app/windows.h"

#include "app/scrollfit.h"
#include "app/tooltips.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace quarvex {

void centreOnScreen(QWidget* window)
{
    window->adjustSize();
    // adjustSize keeps a window within two thirds of the screen and leaves
    // out the height its word-wrapped texts need: the window takes the size
    // its layout asks for, as far as the screen has room.
    if (QLayout* layout = window->layout()) {
        const QSize room = roomOnScreen(window);
        QSize size = window->sizeHint().expandedTo(window->minimumSize());
        if (layout->hasHeightForWidth())
            size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
        window->resize(size.boundedTo(room).expandedTo(window->minimumSize()));
    }
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void prepareWindow(QWidget* window)
{
    applyToolTips(window);
}

} // namespace quarvex
