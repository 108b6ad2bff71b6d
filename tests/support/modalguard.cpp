#include "modalguard.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace quarvex::test {

ModalGuard::ModalGuard(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalGuard::sweep);
    m_timer.start();
}

void ModalGuard::sweep()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    QString text = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        text += QStringLiteral(": ") + box->text();
    m_caught << text;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace quarvex::test
