#include "app/qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace quarvex {

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtDialogs::beep()
{
    QApplication::beep();
}

namespace {

QMessageBox::Icon boxIconOf(MessageIcon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    return boxIcon;
}

} // namespace

void QtDialogs::message(const QString& text, MessageIcon icon, const QString& title)
{
    QMessageBox box(boxIconOf(icon), title, displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtDialogs::detailedMessage(const QString& text, const QString& detail, MessageIcon icon,
                                const QString& title)
{
    QMessageBox box(boxIconOf(icon), title, displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(detail);
    box.exec();
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, displayText(prompt),
                              QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

bool QtDialogs::question(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, displayText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quarvex
