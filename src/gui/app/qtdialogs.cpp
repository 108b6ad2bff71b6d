#include "app/qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace quarvex {

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

namespace {

QString dialogText(const char* text)
{
    return QCoreApplication::translate("quarvex::QtDialogs", text);
}

void nameOk(QMessageBox& box)
{
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "OK")));
}

} // namespace

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
    nameOk(box);
    box.exec();
}

void QtDialogs::detailedMessage(const QString& text, const QString& detail, MessageIcon icon,
                                const QString& title)
{
    QMessageBox box(boxIconOf(icon), title, displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(detail);
    nameOk(box);
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
    box.button(QMessageBox::Yes)
        ->setText(dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "&Yes")));
    box.button(QMessageBox::No)
        ->setText(dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "&No")));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quarvex

namespace quarvex {

SaveChoice QtDialogs::askToSave(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, displayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "Save")),
                                      QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "Discard")),
                      QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(
        dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "Cancel")), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == discard)
        return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool QtDialogs::confirm(const QString& text, const QString& title, const QString& action)
{
    QMessageBox box(QMessageBox::Question, title, displayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(action, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(
        dialogText(QT_TRANSLATE_NOOP("quarvex::QtDialogs", "Cancel")), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtDialogs::fileName(FileDialogMode mode, const QString& title, const QString& path,
                            const QString& filter)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    const QFileInfo start(path);
    if (start.isDir()) {
        dialog.setDirectory(path);
    } else {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (mode == FileDialogMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        static const QRegularExpression suffix(QStringLiteral("\\*\\.(\\w+)"));
        if (const QRegularExpressionMatch m = suffix.match(filter); m.hasMatch())
            dialog.setDefaultSuffix(m.captured(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quarvex
