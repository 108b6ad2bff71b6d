#pragma once

#include "analytes/fields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QList>

#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

namespace quarvex {

// The widgets of one analyte on a screen: caption label, value field and unit
// field (an editable unit list, a fixed unit caption, or nothing).
struct AnalyteWidgets {
    AnalyteId id;
    QLabel* caption = nullptr;
    QLineEdit* value = nullptr;  // every analyte but Gender
    QComboBox* choice = nullptr; // Gender's list: "Male", "Female" shown translated, as item data
    QComboBox* unitList = nullptr;
    QLabel* fixedUnit = nullptr;

    QWidget* valueWidget() const; // value or choice
    QWidget* unitWidget() const;  // unitList or fixedUnit (nullptr when none)
    // Caption, value and unit: the analyte's "group" that a screen enables or disables.
    QList<QWidget*> group() const;
};

// Which caption text the widgets carry: the calculator screens' or the data entry screen's.
enum class CaptionSet { Calculator, DataEntry };

// Builds and holds the analyte widgets of one screen, and reads them as Fields.
// Every widget carries its object name (SerumCreatinine, UnitSerumCreatinine,
// SerumCreatinineLabel) and an accessible name that says what it is ("Serum
// creatinine", "Serum creatinine unit"); each caption label is its field's buddy.
// Unit lists and Gender are editable, filled in list order and start empty.
class AnalyteForm final : public Fields
{
    Q_DECLARE_TR_FUNCTIONS(quarvex::AnalyteForm)

public:
    explicit AnalyteForm(CaptionSet captions = CaptionSet::Calculator);

    // Creates the widgets of an analyte, parented to parent. The caller lays them out.
    const AnalyteWidgets& add(AnalyteId id, QWidget* parent);

    bool has(AnalyteId id) const { return m_widgets.contains(id); }
    const AnalyteWidgets& widgets(AnalyteId id) const;
    const QList<AnalyteId>& order() const { return m_order; }

    // Empties every value field, unit list and Gender; the list items stay and
    // so do the fixed unit captions.
    void clear();

    QString value(AnalyteId id) const override;
    QString unit(AnalyteId id) const override;

    // For tests and tools: type a value text or a unit text into the fields
    // (Gender's "Male" or "Female" shows as its entry does).
    void setValue(AnalyteId id, const QString& text);
    void setUnit(AnalyteId id, const QString& text);

private:
    CaptionSet m_captions;
    QHash<AnalyteId, AnalyteWidgets> m_widgets;
    QList<AnalyteId> m_order;
};

// The class of the program's drop-down lists (units, Gender, the selector's
// Category), so that screen readers are given their names as names and their
// texts as values (see keepChoiceListNames).
class ChoiceList : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);
};

// An editable drop-down list that starts with no choice and keeps whatever the
// user types as typed (no case folding, nothing added to the list).
QComboBox* makeChoiceList(const QStringList& items, QWidget* parent);

// Calls chosen(row) when an entry of the list is selected without the list's
// current entry moving to it: that is how an assistive tool picks an entry
// (the "Toggle" action of a screen reader's list item), where the keyboard,
// the mouse and the program move the current entry as well.
void onAssistiveChoice(QComboBox* list, std::function<void(int)> chosen);

// Names an editable drop-down list, its text part and its list of entries
// alike, so that a screen reader says the same whichever of them it reports.
void setChoiceListName(QComboBox* list, const QString& name);

} // namespace quarvex
