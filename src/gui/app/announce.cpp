#include "app/announce.h"

#include <QAccessible>
#include <QWidget>

namespace quarvex {

namespace {

AnnouncementWatcher g_watcher = nullptr;

void send(QAccessibleEvent* event)
{
    if (g_watcher)
        g_watcher(event);
    QAccessible::updateAccessibility(event);
}

} // namespace

void announce(QWidget* widget, const QString& text)
{
    // Set quietly, then told once as a changed name and once as an alert:
    // the same text said again (a second Check, the same verdict) is an
    // alert again.
    const bool changed = widget->accessibleName() != text;
    widget->setAccessibleName(text);
    if (changed) {
        QAccessibleEvent named(widget, QAccessible::NameChanged);
        send(&named);
    }
    QAccessibleEvent alert(widget, QAccessible::Alert);
    send(&alert);
}

void watchAnnouncements(AnnouncementWatcher watcher)
{
    g_watcher = watcher;
}

} // namespace quarvex
