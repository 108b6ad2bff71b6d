#pragma once

#include "overview/disclaimer.h"

#include <QWidget>

namespace quarvex {

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
