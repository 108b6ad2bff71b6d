#pragma once

#include <QString>

class QAccessibleEvent;
class QWidget;

namespace quarvex {

// Tells a screen reader what the user should hear now (the verdict of a
// Check): the widget's accessible name becomes the text, and an alert on it
// is sent. Qt 6.4 has no announcement event; a reader says an alert's name.
void announce(QWidget* widget, const QString& text);

// Sees every event announce() sends, before Qt does. Qt passes events on only
// while a screen reader listens, so a test watches here; nullptr stops it.
using AnnouncementWatcher = void (*)(QAccessibleEvent* event);
void watchAnnouncements(AnnouncementWatcher watcher);

} // namespace quarvex
