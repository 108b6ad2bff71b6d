#include "app/windows.h"

#include "app/tooltips.h"

#include <QGuiApplication>
#include <QScreen>

namespace quarvex {

void centreOnScreen(QWidget* window)
{
    window->adjustSize();
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
