#pragma once

#include <QWidget>

namespace quarvex {

// The disclaimer text as the program holds it; its two line breaks are
// carriage returns (shown as line breaks through displayText).
QString disclaimerText();

// The disclaimer frmDisclaimer: the text, "Continue" to the switchboard and
// "Exit", which closes it (the program ends with it).
class DisclaimerWindow : public QWidget
{
    Q_OBJECT
public:
    DisclaimerWindow();
};

} // namespace quarvex
