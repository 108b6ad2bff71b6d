#include "app/keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace quarvex {

namespace {

// Sees the key presses that reach the window, including those that a field
// left unused and that travel up to it.
class EnterFilter final : public QObject
{
public:
    EnterFilter(QWidget* window, QPushButton* defaultButton)
        : QObject(window)
        , m_window(window)
        , m_default(defaultButton)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        QPushButton* target = qobject_cast<QPushButton*>(m_window->focusWidget());
        if (!target)
            target = m_default;
        if (target && target->isEnabled() && target->isVisible())
            target->click();
        key->accept();
        return true;
    }

private:
    QWidget* m_window;
    QPointer<QPushButton> m_default;
};

} // namespace

void pressDefaultOnEnter(QWidget* window, QPushButton* defaultButton)
{
    if (defaultButton)
        defaultButton->setDefault(true);
    window->installEventFilter(new EnterFilter(window, defaultButton));
}

} // namespace quarvex
