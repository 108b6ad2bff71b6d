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
    bool correct = false;
    QString expected; // as the steps show it (numbers in the grading locale)
    QString feedback; // one line
    QString slip;     // the id of the slip the answer matches; empty for none
};

struct Grade {
    QList<StepGrade> steps; // every asked step, in order
    int correct = 0;
    int asked = 0;

    // The share of asked steps answered right, 0 to 1.
    double score() const { return asked > 0 ? double(correct) / asked : 0.0; }
    bool allCorrect() const { return asked > 0 && correct == asked; }
};

// Grades the answers (step id → text as typed) to the exercise's asked
// steps. A number may be written in `locale`'s format or with a decimal
// point; a choice by its text (case and spacing aside) or its number in the
// list (1 for the first). A wrong answer that matches what a slip gives (in
// the step's tolerance) is named with the slip; any other is told how far off
// it is and which earlier steps it works from. Feedback numbers use `locale`.
Grade grade(const Exercise& exercise, const QHash<QString, QString>& answers,
            const QLocale& locale);

// An answer as a number: in the locale's format, or else with a decimal point.
std::optional<double> readAnswerNumber(const QString& text, const QLocale& locale);

// The index of the choice an answer names, or -1.
int choiceIndex(const ExerciseStep& step, const QString& answer);

} // namespace quarvex
