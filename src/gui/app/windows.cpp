#include "app/windows.h"

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

} // namespace quarvex
