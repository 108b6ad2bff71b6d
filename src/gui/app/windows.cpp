#include "app/windows.h"

#include "app/scrollfit.h"
#include "app/tooltips.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <algorithm>

namespace quarvex {

namespace {

// The size the window's layout asks for, as far as the screen has room.
void takeLaidOutSize(QWidget* window)
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
}

} // namespace

void centreOnScreen(QWidget* window)
{
    takeLaidOutSize(window);
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void placeBeside(QWidget* window, const QWidget* anchor)
{
    takeLaidOutSize(window);
    QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = anchor->frameGeometry();
    // The frame the window will have; before it is first shown Qt knows none.
    const QSize frameExtra = (window->frameGeometry().size() - window->size())
                                 .expandedTo(anchor->frameGeometry().size() - anchor->size());
    const QSize outer = window->size() + frameExtra;
    int x = beside.right() + 1;
    if (x + outer.width() > room.right() + 1) {
        const int left = beside.left() - outer.width();
        x = left >= room.left() ? left : room.right() + 1 - outer.width();
    }
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
    const int y = std::clamp(beside.top(), room.top(),
                             std::max(room.top(), room.bottom() + 1 - outer.height()));
    window->move(x, y);
}

void prepareWindow(QWidget* window)
{
    applyToolTips(window);
}

} // namespace quarvex
