#pragma once

#include <QWidget>

namespace quarvex {

// The disclaimer text as the program holds it; its two line breaks are
// carriage returns (shown as line breaks through displayText).
QString disclaimerText();

// The disclaimer frmDisclaimer: the text, "Continue" to the switchboard and
// "Exit", which closes it (the program ends with it). Given a case file,
// Continue also opens it on the data entry screen.
class DisclaimerWindow : public QWidget
{
    Q_OBJECT
public:
    explicit DisclaimerWindow(const QString& casePath = {});

private:
    void proceed();

    QString m_casePath;
};

} // namespace quarvex
