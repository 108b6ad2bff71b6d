#include "app/analytewidgets.h"

#include "analytes/unitnotes.h"
#include "app/accessiblechoicelist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>

namespace quarvex {

namespace {

// Age and Weight take a few characters only, but enough for a value with
// decimals ("70.5", "154.25"): a longer text would be cut without a word.
constexpr int AgeWeightMaxLength = 7;

} // namespace

QWidget* AnalyteWidgets::valueWidget() const
{
    return value ? static_cast<QWidget*>(value) : static_cast<QWidget*>(choice);
}

QWidget* AnalyteWidgets::unitWidget() const
{
    if (unitList)
        return unitList;
    return fixedUnit;
}

QList<QWidget*> AnalyteWidgets::group() const
{
    QList<QWidget*> widgets{caption, valueWidget()};
    if (QWidget* unit = unitWidget())
        widgets << unit;
    return widgets;
}

QComboBox* makeChoiceList(const QStringList& items, QWidget* parent)
{
    auto* list = new ChoiceList(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    if (QCompleter* completer = list->completer())
        completer->setCaseSensitivity(Qt::CaseSensitive);
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    onAssistiveChoice(list, [list](int row) { list->setCurrentIndex(row); });
    return list;
}

void onAssistiveChoice(QComboBox* list, std::function<void(int)> chosen)
{
    QAbstractItemView* view = list->view();
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, list,
                     [list, view, chosen = std::move(chosen)] {
                         const QModelIndexList rows = view->selectionModel()->selectedRows();
                         if (rows.size() != 1 || rows.first() == view->currentIndex())
                             return;
                         list->hidePopup();
                         chosen(rows.first().row());
                     });
}

ChoiceList::ChoiceList(QWidget* parent)
    : QComboBox(parent)
{
    keepChoiceListNames();
}

void setChoiceListName(QComboBox* list, const QString& name)
{
    list->setAccessibleName(name);
    list->view()->setAccessibleName(name);
    if (QLineEdit* edit = list->lineEdit())
        edit->setAccessibleName(name);
}

AnalyteForm::AnalyteForm(CaptionSet captions)
    : m_captions(captions)
{}

const AnalyteWidgets& AnalyteForm::add(AnalyteId id, QWidget* parent)
{
    Q_ASSERT(!m_widgets.contains(id));
    const Analyte& a = analyte(id);
    AnalyteWidgets w{id};

    w.caption = new QLabel(
        m_captions == CaptionSet::DataEntry ? a.shownDataCaption() : a.shownCaption(), parent);
    w.caption->setObjectName(a.labelName());

    if (id == AnalyteId::Gender) {
        // Each entry shows its value in the language installed and holds the
        // value itself, which is what the form reads ("Male", "Female").
        const QStringList values = a.listItems();
        QStringList shown;
        for (const QString& v : values)
            shown << (v == QLatin1String(GenderMale) ? tr("Male") : tr("Female"));
        w.choice = makeChoiceList(shown, parent);
        for (int row = 0; row < values.size(); ++row)
            w.choice->setItemData(row, values[row]);
        w.choice->setObjectName(a.fieldName());
        setChoiceListName(w.choice, a.shownName());
        w.choice->setToolTip(tr("%1, Male or Female").arg(a.shownName()));
        w.caption->setBuddy(w.choice);
    } else {
        w.value = new QLineEdit(parent);
        w.value->setObjectName(a.fieldName());
        w.value->setAccessibleName(a.shownName());
        if (id == AnalyteId::Age || id == AnalyteId::Weight)
            w.value->setMaxLength(AgeWeightMaxLength);
        QString tip;
        if (id == AnalyteId::Age)
            tip = tr("%1, in years").arg(a.shownName());
        else if (a.unitKind == UnitKind::Fixed)
            tip = tr("%1, in %2").arg(a.shownName(), QString::fromLatin1(a.fixedUnit));
        else
            tip = tr("%1, in the unit picked beside it").arg(a.shownName());
        w.value->setToolTip(tip);
        w.caption->setBuddy(w.value);
    }

    switch (a.unitKind) {
    case UnitKind::None:
        break;
    case UnitKind::List:
        w.unitList = makeChoiceList(a.listItems(), parent);
        w.unitList->setObjectName(a.unitFieldName());
        setChoiceListName(w.unitList, a.shownUnitName());
        // The list says what each of its units means, and so does each entry.
        w.unitList->setToolTip(shownUnitNotes(id));
        for (int row = 0; row < w.unitList->count(); ++row)
            w.unitList->setItemData(row, shownUnitNote(id, w.unitList->itemText(row)),
                                    Qt::ToolTipRole);
        break;
    case UnitKind::Fixed:
        w.fixedUnit = new QLabel(QString::fromLatin1(a.fixedUnit), parent);
        w.fixedUnit->setObjectName(a.unitFieldName());
        w.fixedUnit->setToolTip(shownUnitNotes(id));
        break;
    }

    m_order << id;
    return *m_widgets.insert(id, w);
}

const AnalyteWidgets& AnalyteForm::widgets(AnalyteId id) const
{
    Q_ASSERT(m_widgets.contains(id));
    return *m_widgets.constFind(id);
}

void AnalyteForm::clear()
{
    for (const AnalyteWidgets& w : std::as_const(m_widgets)) {
        if (w.value)
            w.value->clear();
        if (w.choice) {
            w.choice->setCurrentIndex(-1);
            w.choice->setEditText(QString());
        }
        if (w.unitList) {
            w.unitList->setCurrentIndex(-1);
            w.unitList->setEditText(QString());
        }
    }
}

QString AnalyteForm::value(AnalyteId id) const
{
    auto it = m_widgets.constFind(id);
    if (it == m_widgets.constEnd())
        return {};
    if (it->value)
        return it->value->text();
    // An entry's text gives its value; anything else typed is read as typed.
    const QString text = it->choice->currentText();
    const int row = it->choice->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return row >= 0 ? it->choice->itemData(row).toString() : text;
}

QString AnalyteForm::unit(AnalyteId id) const
{
    auto it = m_widgets.constFind(id);
    if (it == m_widgets.constEnd() || !it->unitList)
        return {};
    return it->unitList->currentText();
}

void AnalyteForm::setValue(AnalyteId id, const QString& text)
{
    const AnalyteWidgets& w = widgets(id);
    if (w.value)
        w.value->setText(text);
    else if (const int row = w.choice->findData(text); row >= 0)
        w.choice->setEditText(w.choice->itemText(row));
    else
        w.choice->setEditText(text);
}

void AnalyteForm::setUnit(AnalyteId id, const QString& text)
{
    const AnalyteWidgets& w = widgets(id);
    Q_ASSERT(w.unitList);
    w.unitList->setEditText(text);
}

} // namespace quarvex
