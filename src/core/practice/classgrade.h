#pragma once

#include "batch/batchrun.h"
#include "calc/itemid.h"
#include "practice/worksheet.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QIODevice;

namespace quarvex {

// The columns every class answer sheet has; the others are step ids.
inline constexpr char StudentColumn[] = "Student";
inline constexpr char ItemColumn[] = "Item";
inline constexpr char SeedColumn[] = "Seed";
inline constexpr char LevelColumn[] = "Level";
inline constexpr char GeneratorColumn[] = "Generator"; // the generator version (GeneratorVersion)
// Optional: the scenario ids the exercise was drawn from, separated by blanks or "+".
inline constexpr char ScenarioColumn[] = "Scenario";
// Instead of Item, Seed, Level and Generator, with the sheet: the exercise code.
inline constexpr char CodeColumn[] = "Code";

// The most rows graded in one run: a class, or a whole year's classes. The
// graded rows are kept, as the CSV they become, until every row is read (the
// columns of the output depend on every exercise), so their number is
// bounded: a file with more is refused before anything is written.
inline constexpr int MaxClassRows = 20000;

// True for a column name of the form a step id takes in some exercise
// ("convert-SerumCreatinine", "step-2", "row1-band", "result"); a column of
// a class file that is none of these and no known column is passed through.
bool isStepIdForm(const QString& name);

struct ClassGradeOptions {
    QLocale locale = QLocale::c(); // how answers are read and numbers written
    bool countCarried = true;      // a step right from the student's earlier answer counts right
    // The sheet the class file's exercise codes belong to; without it a Code
    // column is refused.
    std::optional<WorksheetSettings> sheet;
    // A problem with the input, one line starting with "line N: " when it
    // concerns a line, as batch mode reports them.
    std::function<void(const QString& problem)> report;
};

// One student's line of the gradebook: what the student's graded exercises
// came to, overall and item by item.
struct GradebookRow {
    QString student;      // the Student cell as given
    QStringList identity; // the cells of the gradebook's identity columns
    int exercises = 0;
    double scoreSum = 0;         // of the exercises' scores, each 0 to 1
    QList<double> itemScoreSums; // by item column; shorter: no exercise of the later items
    QList<int> itemExercises;

    // The total: the mean of the student's exercise scores × 100.
    double totalPercent() const;
    // The mean of the student's scores on the item column's exercises × 100,
    // or nothing when the student has none of that item.
    std::optional<double> itemPercent(int column) const;
};

// A class's results, one row per student in the order first met in the class
// file; a student is the Student cell with the identity cells of that row.
struct ClassGradebook {
    // The columns of the class file that name the student to a learning
    // platform's grade import, passed into the gradebook as they are, in the
    // header's order: Email, Email address, ID number, Username, ID, SIS User
    // ID, SIS Login ID, Section (names compared without case).
    QStringList identityColumns;
    QList<ItemId> items; // the item columns: the sheet's items, else in the order first met
    QList<GradebookRow> students;
    char delimiter = ','; // the class file's
};

// Whether a class file's column names the student for a grade import.
bool isIdentityColumn(const QString& name);

// Writes the gradebook as CSV with its delimiter: Student, the identity
// columns, Total and one column per item headed by the item's id; the cells
// are percentages from 0 to 100 with two decimals in `locale`'s format (no
// group separator, no "%"), an item's cell empty when the student has no
// exercise of it. Cells from the class file are guarded as appendCsvText
// says. False when a write fails (the device says why).
bool writeGradebook(const ClassGradebook& gradebook, const QLocale& locale, QIODevice& device);

// How often one step of one item was answered right in the class.
struct StepShare {
    ItemId item{};
    QString step;  // the step id
    int right = 0; // counted right (carried steps too, unless not counted)
    int asked = 0; // exercises that asked it
};

struct ClassGradeSummary {
    BatchSummary::Status status = BatchSummary::Status::Done; // as batch mode's
    qint64 students = 0;                                      // the gradebook's rows
    qint64 exercises = 0;                                     // rows graded
    qint64 skipped = 0;                                       // rows skipped
    qint64 unused = 0;    // rows with neither a student nor an answer, left out
    double meanScore = 0; // of the graded rows, 0 to 1
    // Every slip named, with the number of students who made it at least once,
    // most first (ties in the slip table's order).
    QList<std::pair<QString, int>> slips;
    QList<StepShare> steps; // by item column, then in the order the steps come
    ClassGradebook gradebook;
    QString error; // for ReadFailed and WriteFailed
};

// Grades a class's answers: a CSV input (batch mode's rules: RFC 4180, UTF-8,
// the delimiter from the header line) with the columns Student, Item, Seed,
// Level and Generator, optionally Scenario, and one column per step id; a step
// absent or empty is a blank answer. A header without Generator is refused (the
// answers are to an earlier generator's exercises), as is a row of another
// generator version. With the sheet in the options, a Code column may stand
// instead of Item, Seed, Level, Generator and Scenario: each row's exercise
// is the one its code names on the sheet, and a code that is mistyped, of
// another sheet or of an exercise the sheet lacks is reported with its line
// and the row skipped. A Code column without the sheet is refused. Writes CSV
// with the same delimiter: Student, Code (where the input has it), Item, Seed,
// Level, Generator, Scenario (where the input or sheet has it), Score,
// Right, Fully right, Asked, and for every step id asked in any row "<id>: mark" (right,
// wrong, blank; empty when the row's exercise does not ask it), "<id>: slip"
// and "<id>: feedback", and last the columns of the input that are neither
// known ones nor of a step id's form (an e-mail address, an ID number), as
// they are, named once in a warning. Texts from the input are guarded as
// appendCsvText says. A row with an unknown item, a seed or level out of
// range, or an answer to a step its exercise does not have is reported with
// its line and skipped, as is a row with answers but no student and a row
// batch mode would skip; a row with neither a student nor an answer (a
// version nobody got) is left out. Over MaxClassRows rows the run is refused
// (status Refused) and nothing written.
ClassGradeSummary gradeClass(QIODevice& input, QIODevice& output,
                             const ClassGradeOptions& options = {});

// Lines for a person, joined by line feeds:
// "28 students, 168 exercises, mean score 0.82"
// "slips (students who made them): conversion-not-done 5, wrong-factor 3"
// "right, ldl-friedewald: step-1 27 of 28 (96 %), result 20 of 28 (71 %)", one line per item.
QString classSummaryText(const ClassGradeSummary& summary, const QLocale& locale);

} // namespace quarvex
