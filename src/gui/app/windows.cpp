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

void placeBeside(QWidget* window, const QWidget* anchor, const QList<const QWidget*>& keepInSight)
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
    QSize outer = window->size() + frameExtra;
    const int rightRoom = room.right() - beside.right();
    const int leftRoom = beside.left() - room.left();
    const bool rightWider = rightRoom >= leftRoom;
    const int least =
        window->minimumSizeHint().expandedTo(window->minimumSize()).width() + frameExtra.width();
    int x = 0;
    bool over = false;
    if (outer.width() <= rightRoom) {
        x = beside.right() + 1;
    } else if (outer.width() <= leftRoom) {
        x = beside.left() - outer.width();
    } else if (std::max(rightRoom, leftRoom) >= least) {
        // Narrowed to the side with more room.
        outer.setWidth(std::max(rightRoom, leftRoom));
        window->resize(outer - frameExtra);
        x = rightWider ? beside.right() + 1 : beside.left() - outer.width();
    } else {
        x = rightWider ? room.right() + 1 - outer.width() : room.left();
        over = true;
    }
    x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - outer.width()));
    const auto topFor = [&](int top) {
        return std::clamp(top, room.top(),
                          std::max(room.top(), room.bottom() + 1 - outer.height()));
    };
    int y = topFor(beside.top());

    // Over the anchor: off what must stay in sight, above it or below it,
    // shortened to the room there as far as the window may be.
    QRect keep;
    for (const QWidget* w : keepInSight) {
        if (w && w->isVisible())
            keep |= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }
    if (over && keep.isValid() && QRect(QPoint(x, y), outer).intersects(keep)) {
        const int lowest = window->minimumSizeHint().expandedTo(window->minimumSize()).height() +
                           frameExtra.height();
        const int above = keep.top() - room.top();
        const int below = room.bottom() - keep.bottom();
        if (std::max(above, below) >= lowest) {
            const bool up = above >= below;
            outer.setHeight(std::min(outer.height(), std::max(above, below)));
            window->resize(outer - frameExtra);
            y = up ? std::min(topFor(beside.top()), keep.top() - outer.height())
                   : keep.bottom() + 1;
        }
    }
    window->move(x, y);
}

void prepareWindow(QWidget* window)
{
    applyToolTips(window);
}

} // namespace quarvex
