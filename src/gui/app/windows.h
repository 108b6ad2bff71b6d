#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

namespace quarvex {

// Every window of the program is modeless and exists at most once: it is
// created on first use, brought to the front when shown again, and destroyed
// when closed (its state goes with it). The program ends when its last
// window closes (QApplication's quitOnLastWindowClosed).

void centreOnScreen(QWidget* window);
// Gives the window the size its layout asks for within the screen and places
// it beside the anchor window it belongs to: to its right, or to its left
// when the right has no room, top edges level, always within the screen.
// When neither side has room for it, it goes on the side with more room,
// narrowed as far as it may be; failing that over the anchor, moved (and
// shortened as far as it may be) off the anchor's widgets keepInSight, such
// as a result and its buttons.
void placeBeside(QWidget* window, const QWidget* anchor,
                 const QList<const QWidget*>& keepInSight = {});
// What a window gets before it is first shown: the tooltips of its controls.
void prepareWindow(QWidget* window);

template <class W>
QPointer<W>& windowSlot()
{
    static QPointer<W> slot;
    // A closed window has given up WA_DeleteOnClose and waits for deletion:
    // it no longer counts as open.
    if (slot && !slot->testAttribute(Qt::WA_DeleteOnClose))
        slot = nullptr;
    return slot;
}

// The open window of this kind, or nullptr.
template <class W>
W* openWindow()
{
    return windowSlot<W>().data();
}

// The window of this kind, created (not shown) if it is not open.
template <class W, class... Args>
W* ensureWindow(Args&&... args)
{
    QPointer<W>& slot = windowSlot<W>();
    if (!slot) {
        W* window = new W(std::forward<Args>(args)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
        slot = window;
    }
    return slot.data();
}

// Shows the window of this kind (creating it centred on the screen the
// first time) and brings it to the front.
template <class W, class... Args>
W* showWindow(Args&&... args)
{
    const bool wasOpen = openWindow<W>() != nullptr && openWindow<W>()->isVisible();
    W* window = ensureWindow<W>(std::forward<Args>(args)...);
    if (!wasOpen) {
        prepareWindow(window);
        centreOnScreen(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// Closes the window of this kind if it is open.
template <class W>
void closeWindow()
{
    if (W* window = openWindow<W>())
        window->close();
}

} // namespace quarvex
