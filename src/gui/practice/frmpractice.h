#pragma once

#include "calc/itemid.h"
#include "practice/exercise.h"
#include "practice/grade.h"

#include <QPointer>
#include <QScrollArea>
#include <QSet>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarvex {

class WorkedStepsWindow;

// The scroll area of the step rows: never sideways (the rows wrap to its
// width), as tall as the rows need, down to a few rows when the window has
// no more height.
class PracticeStepsArea final : public QScrollArea
{
    Q_OBJECT
public:
    explicit PracticeStepsArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// The Practice window frmPractice: the learner works a generated case of an
// item step by step and Check grades every asked step. The case comes from
// a seed ("Case 1234"), so the same number gives the same case to everyone;
// the level decides which steps are asked. The run's score counts the
// exercises right at their first Check.
class PracticeWindow final : public QWidget
{
    Q_OBJECT
public:
    PracticeWindow();

    // A new case of the item at the level chosen.
    void practise(ItemId item);
    // The case with this seed of the item chosen, at the level chosen.
    void openCase(quint64 seed);
    void setLevel(int level);

    const Exercise& exercise() const { return m_exercise; }
    // The grade of the last Check, or nothing before one.
    const std::optional<Grade>& lastGrade() const { return m_grade; }
    int exercisesDone() const { return m_done; }
    int exercisesRightFirstTime() const { return m_rightFirstTime; }
    // The answer as typed (a choice's text) of an asked step.
    QString answer(const QString& stepId) const;
    // The Worked Steps window of the exercise if open, or nullptr.
    WorkedStepsWindow* stepsWindow() const;

    // The buttons.
    void check();
    void showStep();
    void newCase();
    void showWorkedSteps();
    // From sheet…: asks for a sheet file and an exercise's code, and opens that exercise.
    void fromSheet();
    // Opens the exercise of a sheet file with this code; on a fault says why
    // (through the Dialogs) and returns false.
    bool openSheetExercise(const QString& path, const QString& code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct StepRow {
        QString id;
        QLabel* prompt = nullptr;
        QLineEdit* edit = nullptr;   // a number, or a given value
        QComboBox* choice = nullptr; // a band
        QLabel* unit = nullptr;
        QLabel* mark = nullptr;
        QLabel* feedback = nullptr;
        QWidget* answerWidget() const;
    };
    // Carried: wrong from the case, right from the learner's earlier answers.
    enum class StepState { Open, Right, Wrong, Shown, Carried };

    void start(ItemId item, quint64 seed, int level);
    void buildRows();
    void clearRows();
    void setState(int row, StepState state, const QString& feedback);
    // The mark a step shows ("Right", "Given", or none while open).
    QString markText(int row) const;
    // The row's mark and feedback as a screen reader reads them.
    void describeRow(int row);
    void announceVerdict();
    // Grows the window (within the screen) until the steps need no scrolling.
    void fitToContent();
    // A step right, shown, or carried while carried answers count as right.
    bool settled(qsizetype row) const;
    // The asked steps all settled: the exercise is done.
    bool finished() const;
    // Counts the exercise in the run once: right when its first Check was.
    void count(bool right);
    void updateAfterCheck();
    void updateScore();
    ItemId chosenItem() const;
    int chosenLevel() const;

    Exercise m_exercise;
    std::optional<Grade> m_grade;
    QList<StepRow> m_rows; // one per step, in step order
    QList<StepState> m_states;
    QList<QString> m_feedback; // as shown under each row
    // The last Check found nothing typed in.
    bool m_nothingAnswered = false;
    // The step whose answer field had the keyboard last.
    int m_current = -1;
    bool m_counted = false;
    // The first Check found every asked step right.
    bool m_firstRight = false;
    int m_done = 0;
    int m_rightFirstTime = 0;
    bool m_updating = false;

    QComboBox* m_item;
    QComboBox* m_level;
    QLineEdit* m_caseNumber;
    QLabel* m_caseText;
    PracticeStepsArea* m_stepsArea;
    QWidget* m_stepsBox;
    QGridLayout* m_stepsGrid;
    QPushButton* m_check;
    QPushButton* m_showStep;
    QPushButton* m_newCase;
    QPushButton* m_worksheet;
    QPushButton* m_fromSheet;
    QString m_sheetPath; // the sheet file last opened
    QPushButton* m_workedSteps;
    QPushButton* m_nextLevel;
    QPushButton* m_sameLevel;
    QLabel* m_score;
    QLabel* m_verdict;
    QCheckBox* m_countCarried;
    QPointer<WorkedStepsWindow> m_stepsWindow;
};

// Shows the Practice window (it exists once), on a new case of the item when
// one is given.
PracticeWindow* showPractice(std::optional<ItemId> item = std::nullopt);

} // namespace quarvex
