#include "app/accessiblechoicelist.h"

#include "app/analytewidgets.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace quarvex {

namespace {

// A drop-down list as Qt presents it (a combo box with its item list and text
// part as children, "Press" and "ShowMenu" to open it), named by its name.
class AccessibleChoiceList final : public QAccessibleWidget
{
public:
    explicit AccessibleChoiceList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {}

    QComboBox* list() const { return static_cast<QComboBox*>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.editable = list()->isEditable();
        return s;
    }

    QList<QObject*> parts() const
    {
        QList<QObject*> parts{list()->view()};
        if (QLineEdit* edit = list()->lineEdit())
            parts << edit;
        return parts;
    }

    int childCount() const override { return int(parts().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> p = parts();
        return index >= 0 && index < p.size() ? QAccessible::queryAccessibleInterface(p.at(index))
                                              : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(parts().indexOf(child->object())) : -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        if (QLineEdit* edit = list()->lineEdit(); edit && edit->hasFocus())
            return QAccessible::queryAccessibleInterface(edit);
        return QAccessibleWidget::focusChild();
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            if (list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// Asked first with the list's own class, before Qt's own interface for
// QComboBox is considered.
QAccessibleInterface* choiceListFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* list = qobject_cast<ChoiceList*>(object);
    return list ? new AccessibleChoiceList(list) : nullptr;
}

} // namespace

void keepChoiceListNames()
{
    static const bool installed = [] {
        QAccessible::installFactory(choiceListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quarvex
