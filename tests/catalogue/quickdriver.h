#pragma once

// Drives Quick Calculator mode the way a user does: the selector's category
// list, its item list and buttons, and the fields of a calculator screen.

#include "app/navigation.h"
#include "app/windows.h"
#include "catalogue/frmexplain.h"
#include "catalogue/frmmain.h"
#include "screens/calculatorscreen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace quarvex::test {

template <class T>
T* child(const QWidget* window, const char* name)
{
    return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

inline SelectorWindow* openSelector()
{
    showSelector();
    return openWindow<SelectorWindow>();
}

// Picks a category from the drop-down list, as with the mouse.
inline void pickCategory(SelectorWindow* selector, int position)
{
    auto* box = child<QComboBox>(selector, "Category");
    box->showPopup();
    QAbstractItemView* view = box->view();
    view->setCurrentIndex(view->model()->index(position, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

inline void clickItem(SelectorWindow* selector, int row)
{
    auto* list = child<QListWidget>(selector, "SubCat");
    QListWidgetItem* item = list->item(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      item ? list->visualItemRect(item).center() : QPoint(4, 4));
}

inline void press(const QWidget* window, const char* button)
{
    QPushButton* b = child<QPushButton>(window, button);
    QVERIFY2(b, button);
    QVERIFY2(b->isEnabled() && b->isVisible(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Category, item, Proceed; returns the screen that Proceed showed.
inline CalculatorScreen* proceedTo(int category, int position)
{
    SelectorWindow* selector = openSelector();
    pickCategory(selector, category);
    clickItem(selector, position);
    press(selector, "Proceed");
    return openCalculatorScreen(categories()[size_t(category)].screen);
}

// Types a value into a value field (or Gender's text) and picks or types a unit.
inline void type(QWidget* screen, const char* field, const QString& text)
{
    QWidget* w = child<QWidget>(screen, field);
    QVERIFY2(w, field);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) {
            box->setCurrentIndex(index);
        } else {
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), text);
        }
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(w);
    QVERIFY2(edit, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline QString text(const QWidget* screen, const char* name)
{
    if (auto* edit = child<QLineEdit>(screen, name))
        return edit->text();
    if (auto* box = child<QComboBox>(screen, name))
        return box->currentText();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

inline void closeEverything()
{
    closeWindow<KidneyScreen>();
    closeWindow<HeartScreen>();
    closeWindow<LiverScreen>();
    closeWindow<ExplainWindow>();
    closeWindow<SelectorWindow>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace quarvex::test
