#pragma once

class QPushButton;
class QWidget;

namespace quarvex {

// Gives a top-level window that is not a dialog the keyboard behaviour of one:
// Enter (Return or the keypad's Enter) that no field of the window used
// presses the focused button, or else defaultButton when it is visible and
// enabled (a disabled default button leaves Enter without effect).
// defaultButton may be nullptr: Enter then presses a focused button only.
void pressDefaultOnEnter(QWidget* window, QPushButton* defaultButton);

} // namespace quarvex
