#pragma once

#include "app/analytewidgets.h"
#include "app/fieldmarks.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class QTabWidget;

namespace quarvex {

// frmData, "Data Entry": every analyte of the overview, age, gender and weight
// above the tab strip, the blood values on "Blood" and the 24-hour urine
// values on "Urine". Above them the case buttons and the case's name, with a
// mark while the fields differ from what was last opened or saved.
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

    // Empties every value field and chooser and starts a new, untitled case
    // with nothing unsaved; the tab stays.
    void clearFields();

    // The case: the file it was last opened from or saved to (empty for a
    // new case), and whether the fields differ from what that file holds
    // (for a new case: from empty fields).
    QString casePath() const { return m_casePath; }
    bool hasUnsavedChanges() const;
    // Puts the fields of a case into every field (a field it does not name
    // is emptied) and makes path the case.
    void loadCase(const Fields& fields, const QString& path);
    // The fields are now what the file at path holds (an empty path: a new,
    // untitled case).
    void markSaved(const QString& path);
    // Every value and unit text, in the order of the screen.
    QStringList fieldTexts() const;

    // Asked before the window closes (EXIT or the close box): false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    // The local case file that the data, if dropped, would bring: one file
    // ending in ".quarvex"; otherwise empty.
    static QString droppedCase(const QMimeData* data);

Q_SIGNALS:
    // OK: list the items that the fields allow.
    void listRequested();
    // Clear, Open Case..., Save Case, Save Case As...
    void clearRequested();
    void openCaseRequested();
    void saveCaseRequested();
    void saveCaseAsRequested();
    // Example Case: a case of the scenario with this id was chosen from the
    // button's menu of clinical scenarios.
    void exampleCaseRequested(const QString& scenario);
    // A case file was dropped on the window (sent once the drop is over).
    void caseDropped(const QString& path);
    // The case name or the unsaved mark changed.
    void caseStateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tabClicked(int index);
    void fieldsEdited();
    void showCaseState();
    bool takeDrop(QEvent* event);

    AnalyteForm m_form{CaptionSet::DataEntry};
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_errors = nullptr;
    QLabel* m_caseLabel = nullptr;
    int m_currentFrame = 1;
    FieldMarks* m_marks = nullptr;
    QString m_casePath;
    QStringList m_savedTexts; // the fields as last opened or saved
    bool m_unsaved = false;
    std::function<bool()> m_closeGuard;
};

} // namespace quarvex
