#pragma once

#include "app/dialogs.h"

namespace quarvex {

// The real dialogs: QApplication::beep, QMessageBox and QInputDialog.
class QtDialogs final : public Dialogs
{
public:
    void beep() override;
    void message(const QString& text, MessageIcon icon, const QString& title) override;
    void detailedMessage(const QString& text, const QString& detail, MessageIcon icon,
                         const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    bool question(const QString& text, const QString& title) override;
};

// Texts of the program break lines with a carriage return; Qt's widgets want
// a line feed. Used for display only: the texts themselves keep their CRs.
QString displayText(const QString& text);

} // namespace quarvex
