#pragma once

// The steps of an exercise, built from its outcome and derivation. Used only
// inside src/core/practice.

#include "practice/exercise.h"

namespace quarvex::practice {

// "serum creatinine": an analyte's name as it reads inside a sentence.
QString personName(AnalyteId id);
// The unit of a case value as a person writes it.
QString shownUnit(const CaseValue& value);

// Lists the steps of an exercise whose outcome and derivation are set.
void buildSteps(Exercise& exercise);

} // namespace quarvex::practice
