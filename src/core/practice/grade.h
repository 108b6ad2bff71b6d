#pragma once

#include "practice/exercise.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace quarvex {

// The grade of one asked step.
struct StepGrade {
    QString id;
    bool answered = false;
    bool correct = false; // right, or carried and counted as right
    bool carried = false; // wrong from the case, right from the learner's own earlier answers
    QString expected;     // as the steps show it (numbers in the grading locale)
    QString feedback;     // one line
    QString slip;         // the id of the slip the answer matches; empty for none
};

struct Grade {
    QList<StepGrade> steps; // every asked step, in order
    int correct = 0; // counted right: right from the case, and the carried ones unless not counted
    int right = 0;   // right from the case itself
    int carried = 0; // right only from the learner's earlier answers
    int asked = 0;

    // The share of asked steps answered right, 0 to 1.
    double score() const { return asked > 0 ? double(correct) / asked : 0.0; }
    bool allCorrect() const { return asked > 0 && correct == asked; }
};

struct GradeOptions {
    // Whether a step right from the learner's own earlier answers counts as right.
    bool countCarried = true;
};

// Grades the answers (step id → text as typed) to the exercise's asked
// steps. A step that is wrong from the case but right when worked from the
// learner's own earlier answers is carried ("right from your earlier
// answer"); it counts as right unless `options` say otherwise. A number may be written in
// `locale`'s format or with a decimal point; a choice by its text (case and spacing aside) or its
// number in the list (1 for the first). A wrong answer that matches what a slip gives (in the
// step's tolerance) is named with the slip; any other is told how far off it is and which earlier
// steps it works from. A slip is named only where its own change gives the answer with the
// learner's earlier answers as they stand. Feedback numbers use `locale`.
Grade grade(const Exercise& exercise, const QHash<QString, QString>& answers, const QLocale& locale,
            const GradeOptions& options = {});

// An answer as a number: in the locale's format, or else with a decimal point.
std::optional<double> readAnswerNumber(const QString& text, const QLocale& locale);

// The index of the choice an answer names, or -1.
int choiceIndex(const ExerciseStep& step, const QString& answer);

} // namespace quarvex
