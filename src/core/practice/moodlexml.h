#pragma once

#include "practice/exercise.h"
#include "practice/worksheet.h"

#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>

namespace quarvex {

// One answer of a gap in an embedded-answers (cloze) question.
struct MoodleAnswer {
    QString text;      // a number with a decimal point ("60.85"), or a choice's text
    QString tolerance; // a number's absolute tolerance, with a decimal point; empty for a choice
    bool right = false;
    QString feedback;
};

// One line of a question: a value given, or a gap to fill in.
struct MoodleStep {
    QString label;
    QString prompt;
    QString unit;
    bool choice = false; // a drop-down list of the choices (MULTICHOICE), else NUMERICAL
    QString given;       // a given step's value as the steps show it; empty for a gap
    // A gap's answers: for a number the right one first, then each slip's value;
    // for a choice every choice in its order.
    QList<MoodleAnswer> answers;
};

// One exercise as a cloze question. The texts are plain text; the writer
// escapes them for where they go.
struct MoodleQuestion {
    QString name;     // the exercise's code
    QString caseText; // "A 67-year-old woman, 58 kg, serum creatinine 124 umol/L"
    QList<MoodleStep> steps;
    QString workedSteps; // HTML: the general feedback after the note on credit
};

// The question for an exercise: every step in order, the given ones with
// their values, each asked one as a gap. A number's gap accepts the expected
// answer within the step's tolerance (the result as shown: within half its
// last decimal), then, at 0 %, the value of each slip that changes it, first
// slip first as grading names them, with the slip's feedback. A band's gap
// lists the choices; a wrong one carries the feedback of the slip that gives
// it (one that leaves the row's result right first). Numbers in the gaps are
// written with a decimal point; the other texts are the exercise's.
MoodleQuestion moodleQuestion(const Exercise& exercise, const QString& code);

// Every exercise of a worksheet as a question, version by version, each
// named by `code(version, index)`: the version from 1, the exercise's place
// on its version from 0.
QList<MoodleQuestion> worksheetMoodleQuestions(const Worksheet& sheet,
                                               const std::function<QString(int, int)>& code);

// Writes Moodle XML: a category named "$course$/Quarvex/<title>" (the default
// worksheet title when it is empty), then the questions as cloze questions.
// Text that is not allowed in XML is replaced by U+FFFD. Returns false when
// the device fails.
bool writeMoodleXml(QIODevice& device, const QString& title,
                    const QList<MoodleQuestion>& questions);

// The title as one category of a Moodle category path: a "/" doubled (Moodle
// reads a single one as a separator), at most 255 characters.
QString moodleCategoryName(const QString& title);

// A number as Moodle reads it: a decimal point, no exponent, no group
// separator, to `digits` significant digits without trailing zeros.
QString moodleNumber(double value, int digits = 6);

} // namespace quarvex
