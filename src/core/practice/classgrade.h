#pragma once

#include "batch/batchrun.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
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
    // A problem with the input, one line starting with "line N: " when it
    // concerns a line, as batch mode reports them.
    std::function<void(const QString& problem)> report;
};

struct ClassGradeSummary {
    BatchSummary::Status status = BatchSummary::Status::Done; // as batch mode's
    qint64 students = 0;  // different Student texts among the graded rows
    qint64 exercises = 0; // rows graded
    qint64 skipped = 0;   // rows skipped
    double meanScore = 0; // of the graded rows, 0 to 1
    // The slips named most often, most first (ties in the slip table's order), at most three.
    QList<std::pair<QString, int>> slips;
    QString error; // for ReadFailed and WriteFailed
};

// Grades a class's answers: a CSV input (batch mode's rules: RFC 4180, UTF-8,
// the delimiter from the header line) with the columns Student, Item, Seed,
// Level and Generator, optionally Scenario, and one column per step id; a step
// absent or empty is a blank answer. A header without Generator is refused (the
// answers are to an earlier generator's exercises), as is a row of another
// generator version. Writes CSV with the same delimiter: Student, Item, Seed,
// Level, Generator, Scenario (where the input has it), Score,
// Right, Fully right, Asked, and for every step id asked in any row "<id>: mark" (right,
// wrong, blank; empty when the row's exercise does not ask it), "<id>: slip"
// and "<id>: feedback", and last the columns of the input that are neither
// known ones nor of a step id's form (an e-mail address, an ID number), as
// they are, named once in a warning. Texts from the input are guarded as
// appendCsvText says. A row with an unknown item, a seed or level out of
// range, or an answer to a step its exercise does not have is reported with
// its line and skipped, as is a row batch mode would skip. Over MaxClassRows
// rows the run is refused (status Refused) and nothing written.
ClassGradeSummary gradeClass(QIODevice& input, QIODevice& output,
                             const ClassGradeOptions& options = {});

// "28 students, 84 exercises, mean score 0.82; most frequent slips:
// conversion-not-done 5, wrong-factor 3, rounded-too-early 1".
QString classSummaryText(const ClassGradeSummary& summary, const QLocale& locale);

} // namespace quarvex
