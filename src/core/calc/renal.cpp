// Renal clearances and fractional excretions.

#include "calc/calculations.h"
#include "calc/rowwork.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using namespace rowwork;

// Amylase-to-creatinine clearance ratio, in percent.
constexpr Band AmylaseBands[] = {
    {1.0, false,
     "The result indicates macroamylasemia (polymerization of amylase to amylase or to "
     "immunoglobulins."},
    {5.0, true, "Amylase Clearance -to- Creatinine Clearance appear normal."},
    {AndAbove, false,
     "The result indicates acute pancreatitis but may also occur in burns, diabetic "
     "ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, "
     "dudodenal perforation, and pancreatic cancer. "},
};

// Estimated creatinine clearance (GFR), in mL/min; 62.5 up to 80 gives no text.
constexpr Band ClearanceBands[] = {
    {28.0, false, "Based on GFR, renal function is severely impaired."},
    {42.0, false, "Based on GFR, renal function is moderately impaired."},
    {52.0, false, "Based on GFR, renal function is mildly impaired."},
    {62.5, false, "Based on GFR, renal function is slightly impaired."},
    {80.0, true, nullptr},
    {AndAbove, false, "Based on GFR, renal function is normal."},
};

using namespace op;

// Amylase clearance over creatinine clearance, in percent.
constexpr FormulaOp AmylaseOps[] = {in(A::SerumCreatinine),
                                    in(A::UrineCreatinine),
                                    div,
                                    in(A::UrineAmylase),
                                    in(A::SerumAmylase),
                                    div,
                                    mul,
                                    num(100.0),
                                    mul};
constexpr Formula AmylaseFormula{"ACCR", AmylaseOps, Shown::Fixed2, " %"};

// Cockcroft and Gault with the given serum value in mg/dL:
// ((140 - age) * weight) / (constant * serum), the constant 72 for Male and 85 for Female.
constexpr FormulaOp ClearanceOps[] = {
    num(CockcroftGaultAgeLimit), in(A::Age), sub, in(A::Weight), mul, gender(72.0, 85.0),
    in(A::SerumCreatinine),      mul,        div};
constexpr Formula ClearanceFormula{"CrCl", ClearanceOps, Shown::Fixed2, " mL/min"};

// A renal clearance, U x V / P, of a 24-hour urine collection (1440 minutes):
// (urine phosphorus * urine volume) / (serum phosphorus * 1440), in mL/min.
constexpr FormulaOp PhosphorusOps[] = {
    in(A::UrinePhosphorus), in(A::UrineVolume), mul, in(A::SerumPhosphorus), num(1440.0), mul, div};
constexpr Formula PhosphorusFormula{"PCl", PhosphorusOps, Shown::Fixed2, " mL/min"};

// A fraction, not a percentage.
constexpr FormulaOp PotassiumOps[] = {in(A::UrinePotassium),
                                      in(A::SerumPotassium),
                                      div,
                                      in(A::UrineCreatinine),
                                      in(A::SerumCreatinine),
                                      div,
                                      div};
constexpr Formula PotassiumFormula{"FEK", PotassiumOps, Shown::Fixed2, " "};

constexpr FormulaOp SodiumOps[] = {in(A::UrineSodium),
                                   in(A::SerumSodium),
                                   div,
                                   in(A::UrineCreatinine),
                                   in(A::SerumCreatinine),
                                   div,
                                   div,
                                   num(100.0),
                                   mul};
constexpr Formula SodiumFormula{"FENa", SodiumOps, Shown::Fixed2, " % FE-Na"};

constexpr FormulaOp CalciumOps[] = {in(A::UrineCalcium),
                                    in(A::SerumCalcium),
                                    div,
                                    in(A::UrineCreatinine),
                                    in(A::SerumCreatinine),
                                    div,
                                    div};
constexpr Formula CalciumFormula{"CaCl", CalciumOps, Shown::Fixed2, " "};

constexpr FormulaOp RfiOps[] = {in(A::UrineSodium), in(A::UrineCreatinine), in(A::SerumCreatinine),
                                div, div};
constexpr Formula RfiFormula{"RFI", RfiOps, Shown::Fixed2, " mEq/L"};

} // namespace

Outcome AmylaseClearance(const Inputs& in)
{
    const Worked ratio = work(AmylaseFormula, AmylaseBands, in);
    return oneRow(ratio, ratio.bandText);
}

// Cockcroft and Gault: ((140 - age) * weight) / (serum creatinine * constant),
// serum creatinine in mg/dL. The item's checks keep the age below
// CockcroftGaultAgeLimit, so the clearance stays positive.
Outcome CreatinineClearanceEstimated(const Inputs& in)
{
    const Worked clearance = work(ClearanceFormula, ClearanceBands, in);
    return oneRow(clearance, clearance.bandText);
}

Outcome FractionalPotassiumExcretion(const Inputs& in)
{
    return oneRow(work(PotassiumFormula, {}, in), {});
}

Outcome FractionalSodiumExcretion(const Inputs& in)
{
    return oneRow(work(SodiumFormula, {}, in), {});
}

// The renal clearance U x V / P of phosphorus from a 24-hour urine, in mL/min:
// (urine phosphorus * urine volume) / (serum phosphorus * 1440), both
// phosphorus values in mg/dL and the volume in mL.
Outcome PhosphorusClearanceEstimated(const Inputs& in)
{
    return oneRow(work(PhosphorusFormula, {}, in), {});
}

Outcome RenalCalciumClearance(const Inputs& in)
{
    return oneRow(work(CalciumFormula, {}, in), {});
}

Outcome RFI(const Inputs& in)
{
    return oneRow(work(RfiFormula, {}, in), {});
}

} // namespace quarvex
