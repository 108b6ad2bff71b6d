#pragma once

#include "app/dialogs.h"

namespace quarvex {

// The real dialogs: QApplication::beep, QMessageBox, QInputDialog, QFileDialog
// and QPrintDialog.
class QtDialogs final : public Dialogs
{
public:
    void beep() override;
    void message(const QString& text, MessageIcon icon, const QString& title) override;
    void detailedMessage(const QString& text, const QString& detail, MessageIcon icon,
                         const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    bool question(const QString& text, const QString& title) override;
    SaveChoice askToSave(const QString& text, const QString& title) override;
    bool confirm(const QString& text, const QString& title, const QString& action) override;
    // Qt's own file dialog, not the platform's, so that it can be worked
    // like any other window of the program.
    QString fileName(FileDialogMode mode, const QString& title, const QString& path,
                     const QString& filter) override;
    bool choosePrinter(QPrinter& printer) override;
};

// Texts of the program break lines with a carriage return; Qt's widgets want
// a line feed. Used for display only: the texts themselves keep their CRs.
QString displayText(const QString& text);

} // namespace quarvex
