#pragma once

#include "analytes/inputs.h"
#include "calc/outcome.h"

namespace quarvex {

// A calculation computes one item from the one reading of the inputs (after
// the item's checks passed) and returns its outcome. It is reached through the
// item's descriptor (calc/items.h), which knows its checks and names its rows.
using Calculation = Outcome (*)(const Inputs& inputs);

// Cockcroft and Gault subtract the age from 140: from this age on the
// formula gives no clearance.
inline constexpr double CockcroftGaultAgeLimit = 140.0;

// Renal clearances and fractional excretions.
Outcome AmylaseClearance(const Inputs& inputs);
Outcome CreatinineClearanceEstimated(const Inputs& inputs);
Outcome FractionalPotassiumExcretion(const Inputs& inputs);
Outcome FractionalSodiumExcretion(const Inputs& inputs);
Outcome PhosphorusClearanceEstimated(const Inputs& inputs);
Outcome RenalCalciumClearance(const Inputs& inputs);
Outcome RFI(const Inputs& inputs);

// Renal ratios and excretion rates.
Outcome UrateCreatinineRatio(const Inputs& inputs);
Outcome UreaCreatinineRatios(const Inputs& inputs);
Outcome UrinaryPotassiumExcretion(const Inputs& inputs);
Outcome UrineProteinCreatinineRatio(const Inputs& inputs);

// Lipids and coronary risk.
Outcome GeneralResults(const Inputs& inputs);
Outcome CholHDL(const Inputs& inputs);
Outcome LDLHDL(const Inputs& inputs);
Outcome Adult3(const Inputs& inputs);

// Liver function and iron studies.
Outcome ASTALT(const Inputs& inputs);
Outcome AlbuminGlobulin(const Inputs& inputs);
Outcome Bilirubin(const Inputs& inputs);
Outcome FerritinStores(const Inputs& inputs);
Outcome TransferrinSat(const Inputs& inputs);
Outcome TIBCCalculated(const Inputs& inputs);
Outcome TransferrinCalculated(const Inputs& inputs);

} // namespace quarvex
