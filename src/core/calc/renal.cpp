// Renal clearances and fractional excretions.

#include "calc/calculations.h"
#include "calc/steps.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using namespace steps;

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

constexpr double MaleConstant = 72.0;
constexpr double FemaleConstant = 85.0;

// A 24-hour urine collection, in minutes.
constexpr double MinutesPerDay = 1440.0;

} // namespace

Outcome AmylaseClearance(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& sAmy = in[A::SerumAmylase];
    const ConvertedInput& uAmy = in[A::UrineAmylase];
    const ConvertedInput& sCr = in[A::SerumCreatinine];
    const ConvertedInput& uCr = in[A::UrineCreatinine];

    const double ratio =
        ((sCr.converted / uCr.converted) * (uAmy.converted / sAmy.converted)) * 100.0;

    return oneRow({sAmy, uAmy, sCr, uCr}, ratio, resultText(ratio, " %", locale),
                  text(bandText(ratio, AmylaseBands)));
}

// Cockcroft and Gault: ((140 - age) * weight) / (serum creatinine * constant),
// serum creatinine in mg/dL. The item's checks keep the age below
// CockcroftGaultAgeLimit, so the clearance stays positive.
Outcome CreatinineClearanceEstimated(const Inputs& in)
{
    const ConvertedInput& age = in[A::Age];
    const ConvertedInput& weight = in[A::Weight];
    const ConvertedInput& gender = in[A::Gender];
    const ConvertedInput& sCr = in[A::SerumCreatinine];

    const double constant =
        gender.valueText == QLatin1String(GenderMale) ? MaleConstant : FemaleConstant;
    const double clearance =
        ((CockcroftGaultAgeLimit - age.converted) * weight.converted) / (sCr.converted * constant);

    return oneRow({age, weight, gender, sCr}, clearance,
                  resultText(clearance, " mL/min", in.locale()),
                  text(bandText(clearance, ClearanceBands)));
}

Outcome FractionalPotassiumExcretion(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& sCr = in[A::SerumCreatinine];
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    const ConvertedInput& sK = in[A::SerumPotassium];
    const ConvertedInput& uK = in[A::UrinePotassium];

    // A fraction, not a percentage.
    const double fraction = (uK.converted / sK.converted) / (uCr.converted / sCr.converted);

    return oneRow({sCr, uCr, sK, uK}, fraction, resultText(fraction, " ", locale), {});
}

Outcome FractionalSodiumExcretion(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& sCr = in[A::SerumCreatinine];
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    const ConvertedInput& sNa = in[A::SerumSodium];
    const ConvertedInput& uNa = in[A::UrineSodium];

    const double percent =
        ((uNa.converted / sNa.converted) / (uCr.converted / sCr.converted)) * 100.0;

    return oneRow({sCr, uCr, sNa, uNa}, percent, resultText(percent, " % FE-Na", locale), {});
}

// The renal clearance U x V / P of phosphorus from a 24-hour urine, in mL/min:
// (urine phosphorus * urine volume) / (serum phosphorus * 1440), both
// phosphorus values in mg/dL and the volume in mL.
Outcome PhosphorusClearanceEstimated(const Inputs& in)
{
    const ConvertedInput& sP = in[A::SerumPhosphorus];
    const ConvertedInput& uP = in[A::UrinePhosphorus];
    const ConvertedInput& volume = in[A::UrineVolume];

    const double clearance = (uP.converted * volume.converted) / (sP.converted * MinutesPerDay);

    return oneRow({sP, uP, volume}, clearance, resultText(clearance, " mL/min", in.locale()), {});
}

Outcome RenalCalciumClearance(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& sCr = in[A::SerumCreatinine];
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    const ConvertedInput& sCa = in[A::SerumCalcium];
    const ConvertedInput& uCa = in[A::UrineCalcium];

    const double ratio = (uCa.converted / sCa.converted) / (uCr.converted / sCr.converted);

    return oneRow({sCr, uCr, sCa, uCa}, ratio, resultText(ratio, " ", locale), {});
}

Outcome RFI(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& sCr = in[A::SerumCreatinine];
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    const ConvertedInput& uNa = in[A::UrineSodium];

    const double index = uNa.converted / (uCr.converted / sCr.converted);

    return oneRow({sCr, uCr, uNa}, index, resultText(index, " mEq/L", locale), {});
}

} // namespace quarvex
