#pragma once

// Drives Quick Calculator mode the way a user does: the selector's category
// list, its item list and buttons, and the fields of a calculator screen.

#include "app/navigation.h"
#include "app/windows.h"
#include "fakedialogs.h"
#include "practice/frmpractice.h"
#include "screens/calculatorscreen.h"
#include "selector/frmexplain.h"
#include "selector/frmmain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
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
    box->view()->setCurrentIndex(box->view()->model()->index(position, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
}

inline void clickItem(SelectorWindow* selector, int row)
{
    auto* list = child<QListWidget>(selector, "SubCat");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

inline void press(const QWidget* window, const char* button)
{
    QPushButton* b = child<QPushButton>(window, button);
    QVERIFY2(b && b->isEnabled() && b->isVisible(), button);
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

// Types into a value field; a unit list picks the unit when it offers the text.
inline void type(QWidget* screen, const QString& field, const QString& text)
{
    QWidget* w = screen->findChild<QWidget*>(field);
    QVERIFY2(w, qPrintable(field));
    auto* box = qobject_cast<QComboBox*>(w);
    const int index = box ? box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    if (index >= 0)
        return box->setCurrentIndex(index);
    auto* edit = box ? box->lineEdit() : qobject_cast<QLineEdit*>(w);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Types "Field=text" pairs, separated by blanks, in order.
inline void typeAll(QWidget* screen, const QString& inputs)
{
    for (const QString& input : inputs.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        type(screen, input.section(QLatin1Char('='), 0, 0), input.section(QLatin1Char('='), 1));
}

// Proceeds to the item, types the inputs and presses Calculate; returns the screen.
inline CalculatorScreen* calculated(int category, int position, const char* inputs)
{
    CalculatorScreen* screen = proceedTo(category, position);
    typeAll(screen, QString::fromLatin1(inputs));
    press(screen, "Calculate");
    return screen;
}

// The text of a field, a list or a label.
inline QString text(const QWidget* screen, const char* name)
{
    if (auto* edit = child<QLineEdit>(screen, name))
        return edit->text();
    if (auto* box = child<QComboBox>(screen, name))
        return box->currentText();
    if (auto* label = child<QLabel>(screen, name))
        return label->text();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// Presses Calculate and compares what the user then sees: the dialogs in
// order, each given by the start of its trace ("beep", "critical", ...),
// then Errors, Result and MoreInfo (line feeds for CR).
inline void calculate(CalculatorScreen* screen, FakeDialogs& fake, const char* dialogs,
                      const char* errors, const char* result, const char* interpretation)
{
    fake.clear();
    press(screen, "Calculate");
    const QStringList expected = QString::fromLatin1(dialogs).split(u'|', Qt::SkipEmptyParts);
    QStringList shown = fake.trace();
    for (qsizetype i = 0; i < shown.size() && i < expected.size(); ++i)
        shown[i].truncate(expected[i].size());
    QCOMPARE(shown, expected);
    QCOMPARE(text(screen, "Errors"), QString::fromLatin1(errors));
    QCOMPARE(text(screen, "Result"), QString::fromLatin1(result));
    QCOMPARE(text(screen, "MoreInfo"), QString::fromLatin1(interpretation));
}

// The fully enabled groups by field name, then after " / " the disabled
// controls of groups only partly disabled; each part sorted.
inline QString groups(CalculatorScreen* screen)
{
    QStringList enabled, off;
    for (AnalyteId id : screen->form().order()) {
        const QList<QWidget*> group = screen->form().widgets(id).group();
        QStringList groupOff;
        for (QWidget* w : group) {
            if (!w->isEnabled())
                groupOff << w->objectName();
        }
        if (groupOff.isEmpty())
            enabled << analyte(id).fieldName();
        else if (groupOff.size() < group.size())
            off << groupOff;
    }
    enabled.sort();
    off.sort();
    if (!off.isEmpty())
        enabled << QStringLiteral("/") << off;
    return enabled.join(QLatin1Char(' '));
}

// The object names of the visible top-level windows, sorted.
// The visible top-level window with this object name, or null.
inline QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}

inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    names.sort();
    return names;
}

inline void closeEverything()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The Practice window on an item's case 1 at level 2, every step answered
// "1" and checked.
inline PracticeWindow* practiceChecked(ItemId item)
{
    PracticeWindow* window = ensureWindow<PracticeWindow>();
    window->practise(item);
    window->openCase(1);
    window->setLevel(2);
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (edit->objectName().startsWith(QLatin1String("Answer_")) && !edit->isReadOnly())
            edit->setText(QStringLiteral("1"));
    }
    window->check();
    return showWindow<PracticeWindow>();
}

} // namespace quarvex::test
