#include "modalguard.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace quarvex::test {

ModalGuard::ModalGuard()
{
    m_timer.callOnTimeout([this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        m_caught << modal->windowTitle() + (box ? QStringLiteral(": ") + box->text() : QString());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    m_timer.start(10);
}

} // namespace quarvex::test
