#pragma once

#include "analytes/fields.h"
#include "calc/outcome.h"

#include <QLocale>

#include <span>

namespace quarvex {

// A calculation reads its inputs from a screen's fields (after the item's
// checks passed), converts each by its own unit text and returns its outcome.
using Calculation = Outcome (*)(const Fields& fields, const QLocale& locale);

// The analytes whose checks decide whether a calculation can run, in the
// order the checks run (the same on the calculator screens and in the overview).
std::span<const AnalyteId> checksOf(Calculation calculation);

// Renal clearances and fractional excretions.
Outcome AmylaseClearance(const Fields& fields, const QLocale& locale = QLocale());
Outcome CreatinineClearanceEstimated(const Fields& fields, const QLocale& locale = QLocale());
Outcome FractionalPotassiumExcretion(const Fields& fields, const QLocale& locale = QLocale());
Outcome FractionalSodiumExcretion(const Fields& fields, const QLocale& locale = QLocale());
Outcome PhosphorusClearanceEstimated(const Fields& fields, const QLocale& locale = QLocale());
Outcome RenalCalciumClearance(const Fields& fields, const QLocale& locale = QLocale());
Outcome RFI(const Fields& fields, const QLocale& locale = QLocale());

// Renal ratios and excretion rates.
Outcome UrateCreatinineRatio(const Fields& fields, const QLocale& locale = QLocale());
Outcome UreaCreatinineRatios(const Fields& fields, const QLocale& locale = QLocale());
Outcome UrinaryPotassiumExcretion(const Fields& fields, const QLocale& locale = QLocale());
Outcome UrineProteinCreatinineRatio(const Fields& fields, const QLocale& locale = QLocale());

// Lipids and coronary risk.
Outcome GeneralResults(const Fields& fields, const QLocale& locale = QLocale());
Outcome CholHDL(const Fields& fields, const QLocale& locale = QLocale());
Outcome LDLHDL(const Fields& fields, const QLocale& locale = QLocale());
Outcome Adult3(const Fields& fields, const QLocale& locale = QLocale());

// Liver function and iron studies.
Outcome ASTALT(const Fields& fields, const QLocale& locale = QLocale());
Outcome AlbuminGlobulin(const Fields& fields, const QLocale& locale = QLocale());
Outcome Bilirubin(const Fields& fields, const QLocale& locale = QLocale());
Outcome FerritinStores(const Fields& fields, const QLocale& locale = QLocale());
Outcome TransferrinSat(const Fields& fields, const QLocale& locale = QLocale());
Outcome TIBCCalculated(const Fields& fields, const QLocale& locale = QLocale());
Outcome TransferrinCalculated(const Fields& fields, const QLocale& locale = QLocale());

} // namespace quarvex
