#pragma once

#include "app/analytewidgets.h"
#include "app/fieldmarks.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quarvex {

// frmData, "Data Entry": every analyte of the overview, age, gender and weight
// above the tab strip, the blood values on "Blood" and the 24-hour urine
// values on "Urine".
class DataEntryWindow final : public QWidget
{
    Q_OBJECT
public:
    DataEntryWindow();

    // The fields the overview evaluates (both pages, whatever tab is shown).
    AnalyteForm& form() { return m_form; }
    const AnalyteForm& form() const { return m_form; }

    // The tab page that is visible: 1 blood, 2 urine.
    int currentFrame() const { return m_currentFrame; }

    // The error count of the last evaluation against this screen.
    int errors() const;
    void setErrors(int errors);

    // The marks of the fields at fault and the hints beside the fields.
    FieldMarks* marks() const { return m_marks; }

    // Empties every value field and chooser; the tab stays.
    void clearFields();

Q_SIGNALS:
    // OK: list the items that the fields allow.
    void listRequested();

private:
    void tabClicked(int index);

    AnalyteForm m_form{CaptionSet::DataEntry};
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_errors = nullptr;
    int m_currentFrame = 1;
    FieldMarks* m_marks = nullptr;
};

} // namespace quarvex
