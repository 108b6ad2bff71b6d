#pragma once

#include <QString>

namespace quarvex {

// A control with its object name and the name a screen reader gives it.
template <class W>
W* named(W* widget, const char* objectName, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace quarvex
