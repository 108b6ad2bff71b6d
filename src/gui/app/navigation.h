#pragma once

#include <QString>

namespace quarvex {

// The Quick Calculator selector frmMain, which the switchboard opens; it
// lives in its own subsystem. The Comprehensive Overview is an object of the
// switchboard's (overview/overviewwindows.h).
void showSelector();

// Shows the target window and sets its text to the interpretation of the
// source screen ("Explain", "Kidney": the renal screen's More Info). A
// failure beeps and shows its text in a message box. It lives with the
// selector (selector/forms.*), which knows both windows; the screens call it
// through this declaration and so never include the selector.
void ShowMoreInfo(const QString& target, const QString& source);

} // namespace quarvex
