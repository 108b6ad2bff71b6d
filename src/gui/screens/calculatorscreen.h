#pragma once

#include "app/analytewidgets.h"
#include "app/fieldmarks.h"
#include "calc/derivation.h"
#include "catalogue/catalogue.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QGridLayout;
class QHBoxLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarvex {

class WorkedStepsWindow;

// What the three calculator screens share: the title, the Calculate and
// Clear All buttons, the result box, the interpretation label and the error
// count, and the analyte fields of the screen's category.
class CalculatorScreen : public QWidget
{
    Q_OBJECT
public:
    ScreenId screenId() const { return m_screenId; }

    // Applies one catalogue entry's settings (Proceed).
    void applySettings(const ScreenSettings& settings);
    // Sets TitleLabel, then the window caption, to the screen title.
    void setScreenTitle(const QString& title);
    QString screenTitle() const;
    // The item Calculate computes, set with the title on Proceed; none while
    // no entry was chosen, and Calculate then does nothing.
    void setItemId(std::optional<ItemId> id);
    std::optional<ItemId> itemId() const { return m_itemId; }
    // The text the More Info button shows: the interpretation of the result
    // that stands (lines broken by line feeds), or "Press Calculate first."
    // while no calculation stands.
    QString moreInfoText() const;
    // The notes on the result that stands, each in full on a line of its
    // own ("Note: …", "Dated: …"); empty when there are none.
    QString notesText() const;

    AnalyteForm& form() { return m_form; }
    const AnalyteForm& form() const { return m_form; }
    // The marks of the fields at fault and the hints beside the fields.
    FieldMarks* marks() const { return m_marks; }

    // The two buttons.
    void calculate();
    void clearAll();
    // Example Case: after a confirmation where a field holds a value, the
    // item's fields filled with a case of the scenario (the others emptied);
    // false when nothing was filled.
    bool fillExampleCase(const QString& scenario, quint64 seed);

    // The derivation of the result that stands, or nothing while none does.
    const std::optional<Derivation>& derivation() const { return m_derivation; }
    // Steps: the Worked Steps window of this screen, opened and brought to
    // the front; it follows every later Calculate while open.
    WorkedStepsWindow* showSteps();
    // The Worked Steps window if open, or nullptr.
    WorkedStepsWindow* stepsWindow() const;

Q_SIGNALS:
    // The derivation changed: a new result, or none stands any more.
    void derivationChanged();

protected:
    CalculatorScreen(ScreenId id, const QString& objectName, const QString& caption);

    // Caption at column, value at column + 1, unit field at column + 2.
    const AnalyteWidgets& addAnalyte(AnalyteId id, QGridLayout* grid, int row, int column);
    // A bold, underlined 12 pt heading ("Serum Values").
    QLabel* addHeading(const QString& objectName, const QString& text);
    // Calculate, Result, Clear and Steps side by side, and below them the
    // check line.
    QLayout* buttonRow();

    // Ends loading: keyboard order in the order the analytes were added (each
    // value before its unit list), then Calculate, Clear, extra; the analyte
    // groups start disabled when groupsStartDisabled; the error count is 0.
    void finishLoading(bool groupsStartDisabled, const QList<QWidget*>& afterButtons = {});

    void keyPressEvent(QKeyEvent* event) override;

    // What the screen lays out its controls on: inside a scroll area, which
    // shows only when the screen has no room for them.
    QWidget* m_content;
    QLabel* m_title;
    QPushButton* m_calculate;
    QPushButton* m_clear;
    QPushButton* m_steps;
    // Practice: the Practice window on the screen's item.
    QPushButton* m_practice;
    // Example Case: a menu of the clinical scenarios that report the item's
    // values; one fills the fields with a case of it.
    QPushButton* m_example;
    QLineEdit* m_result;
    QLabel* m_moreInfo;
    QLineEdit* m_errors;
    // "Check: …" under the result while the result that stands was computed
    // from a value with a hint; hidden otherwise.
    QWidget* m_checkLine;
    QLabel* m_checkText;
    // The notes on the result that stands, under the check line: what makes
    // the reading doubtful for this case in full, the evidence notes as their
    // tags with the sentences as the tooltip; hidden when there are none.
    QWidget* m_noteLine;
    QLabel* m_noteText;

private:
    // Shows the hints on the inputs of the result that stands and the notes
    // on it, each line hidden when it has nothing to say.
    void showCheckLine();
    // An information line: icon, then a selectable label.
    QWidget* infoLine(const QString& objectName, const QString& accessibleName, QLabel* text);
    void setMoreInfo(const QString& text);
    // Empties Result and MoreInfo: nothing stands beside values it was not
    // computed from.
    void clearResult();
    // Keeps the derivation of the result that stands and passes it on.
    void setDerivation(std::optional<Derivation> derivation);
    // Keyboard focus to the first value field the user can type into.
    void focusFirstField();

    ScreenId m_screenId;
    std::optional<ItemId> m_itemId;
    // The analyte groups' state after loading, which each Proceed starts from.
    bool m_groupsStartDisabled = false;
    // A Calculate succeeded since the last Proceed, failure or Clear All.
    bool m_resultStands = false;
    std::optional<Derivation> m_derivation;
    QPointer<WorkedStepsWindow> m_stepsWindow;
    AnalyteForm m_form;
    FieldMarks* m_marks = nullptr;
};

// frmKidney: the renal and urinary screen.
class KidneyScreen final : public CalculatorScreen
{
    Q_OBJECT
public:
    KidneyScreen();

private:
    QPushButton* m_moreInfoButton;
};

// frmHeart: cholesterol and coronary heart disease.
class HeartScreen final : public CalculatorScreen
{
    Q_OBJECT
public:
    HeartScreen();
};

// frmLiver: liver functions and iron studies.
class LiverScreen final : public CalculatorScreen
{
    Q_OBJECT
public:
    LiverScreen();
};

// The screen of a category: the open one or nullptr; created and loaded
// (not shown) if not open; shown and brought to the front.
CalculatorScreen* openCalculatorScreen(ScreenId id);
CalculatorScreen* ensureCalculatorScreen(ScreenId id);
CalculatorScreen* showCalculatorScreen(ScreenId id);

} // namespace quarvex
