#pragma once

#include <span>

class QWidget;

namespace quarvex {

// The tooltip of one main control of a window, both named by object name;
// `windows` lists one or more window names separated by blanks.
struct ControlTip {
    const char* windows;
    const char* control;
    const char* tip;
};

std::span<const ControlTip> controlTips();

// Gives the window's main controls their tooltips (a control the window does
// not have is passed over). The analyte fields carry their own.
void applyToolTips(QWidget* window);

} // namespace quarvex
