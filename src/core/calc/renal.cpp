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

// Cockcroft and Gault with the given serum value in mg/dL:
// ((140 - age) * weight) / (serum * constant).
Outcome cockcroftGault(AnalyteId serum, const Fields& fields, const QLocale& locale,
                       const char* rowName, std::span<const Band> bands)
{
    const ConvertedInput age = convertInput(A::Age, fields, locale);
    const ConvertedInput weight = convertInput(A::Weight, fields, locale);
    const ConvertedInput gender = textInput(A::Gender, fields);
    const ConvertedInput serumValue = convertInput(serum, fields, locale);

    const double constant =
        gender.valueText == QLatin1String(GenderMale) ? MaleConstant : FemaleConstant;
    const double clearance =
        ((140.0 - age.converted) * weight.converted) / (serumValue.converted * constant);

    const QString result = resultText(clearance, " mL/min", locale);
    const QString interpretation = bands.empty() ? QString() : text(bandText(clearance, bands));
    return oneRow({age, weight, gender, serumValue}, clearance, result, interpretation, rowName);
}

} // namespace

Outcome AmylaseClearance(const Fields& fields, const QLocale& locale)
{
    const ConvertedInput sAmy = convertInput(A::SerumAmylase, fields, locale);
    const ConvertedInput uAmy = convertInput(A::UrineAmylase, fields, locale);
    const ConvertedInput sCr = convertInput(A::SerumCreatinine, fields, locale);
    const ConvertedInput uCr = convertInput(A::UrineCreatinine, fields, locale);

    const double ratio =
        ((sCr.converted / uCr.converted) * (uAmy.converted / sAmy.converted)) * 100.0;

    return oneRow({sAmy, uAmy, sCr, uCr}, ratio, resultText(ratio, " %", locale),
                  text(bandText(ratio, AmylaseBands)), "Amylase Clearance");
}

Outcome CreatinineClearanceEstimated(const Fields& fields, const QLocale& locale)
{
    return cockcroftGault(A::SerumCreatinine, fields, locale, "Creatinine Clearance (GFR)",
                          ClearanceBands);
}

Outcome FractionalPotassiumExcretion(const Fields& fields, const QLocale& locale)
{
    const ConvertedInput sCr = convertInput(A::SerumCreatinine, fields, locale);
    const ConvertedInput uCr = convertInput(A::UrineCreatinine, fields, locale);
    const ConvertedInput sK = convertInput(A::SerumPotassium, fields, locale);
    const ConvertedInput uK = convertInput(A::UrinePotassium, fields, locale);

    // A fraction, not a percentage.
    const double fraction = (uK.converted / sK.converted) / (uCr.converted / sCr.converted);

    return oneRow({sCr, uCr, sK, uK}, fraction, resultText(fraction, " ", locale), {},
                  "Fractional Potassium Excretion");
}

Outcome FractionalSodiumExcretion(const Fields& fields, const QLocale& locale)
{
    const ConvertedInput sCr = convertInput(A::SerumCreatinine, fields, locale);
    const ConvertedInput uCr = convertInput(A::UrineCreatinine, fields, locale);
    const ConvertedInput sNa = convertInput(A::SerumSodium, fields, locale);
    const ConvertedInput uNa = convertInput(A::UrineSodium, fields, locale);

    const double percent =
        ((uNa.converted / sNa.converted) / (uCr.converted / sCr.converted)) * 100.0;

    return oneRow({sCr, uCr, sNa, uNa}, percent, resultText(percent, " % FE-Na", locale), {},
                  "Fractional Sodium Excretion");
}

Outcome PhosphorusClearanceEstimated(const Fields& fields, const QLocale& locale)
{
    return cockcroftGault(A::SerumPhosphorus, fields, locale, "Phosphorus Clearance", {});
}

Outcome RenalCalciumClearance(const Fields& fields, const QLocale& locale)
{
    const ConvertedInput sCr = convertInput(A::SerumCreatinine, fields, locale);
    const ConvertedInput uCr = convertInput(A::UrineCreatinine, fields, locale);
    const ConvertedInput sCa = convertInput(A::SerumCalcium, fields, locale);
    const ConvertedInput uCa = convertInput(A::UrineCalcium, fields, locale);

    const double ratio = (uCa.converted / sCa.converted) / (uCr.converted / sCr.converted);

    return oneRow({sCr, uCr, sCa, uCa}, ratio, resultText(ratio, " ", locale), {},
                  "Renal Calcium Clearance");
}

Outcome RFI(const Fields& fields, const QLocale& locale)
{
    const ConvertedInput sCr = convertInput(A::SerumCreatinine, fields, locale);
    const ConvertedInput uCr = convertInput(A::UrineCreatinine, fields, locale);
    const ConvertedInput uNa = convertInput(A::UrineSodium, fields, locale);

    const double index = uNa.converted / (uCr.converted / sCr.converted);

    return oneRow({sCr, uCr, uNa}, index, resultText(index, " mEq/L", locale), {},
                  "Renal Failure Index");
}

} // namespace quarvex
