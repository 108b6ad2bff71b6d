#include "analytes/unitnotes.h"

#include <QStringList>

namespace quarvex {

namespace {

using A = AnalyteId;

constexpr const char* EqPerL = "mEq/L or mmol/L: milliequivalents or millimoles per litre, the "
                               "same number for a singly charged ion";

// clang-format off
constexpr UnitNote Notes[] = {
    {A::Weight, "kg", "kg: kilograms"},
    {A::Weight, "lbs", "lbs: pounds"},
    {A::SerumCreatinine, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::SerumCreatinine, "umol/L", "umol/L: micromoles per litre"},
    {A::UrineCreatinine, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::UrineCreatinine, "mmol/L", "mmol/L: millimoles per litre"},
    {A::SerumSodium, "mEq/L or mmol/L", EqPerL},
    {A::UrineSodium, "mEq/L or mmol/L", EqPerL},
    {A::SerumPotassium, "mEq/L or mmol/L", EqPerL},
    {A::UrinePotassium, "mEq/L or mmol/L", EqPerL},
    {A::SerumCalcium, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::SerumCalcium, "mmol/L", "mmol/L: millimoles per litre"},
    {A::UrineCalcium, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::UrineCalcium, "mmol/L", "mmol/L: millimoles per litre"},
    {A::SerumPhosphorus, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::SerumPhosphorus, "mmol/L", "mmol/L: millimoles per litre"},
    {A::UrinePhosphorus, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::UrinePhosphorus, "mmol/L", "mmol/L: millimoles per litre"},
    // The mmol/L conversion gives urea nitrogen, so mg/dL must be urea
    // nitrogen too: a urea mass in mg/dL is 2.14 times larger.
    {A::SerumUrea, "mg/dL", "mg/dL of urea nitrogen (BUN)"},
    {A::SerumUrea, "mmol/L", "mmol/L of urea"},
    {A::UrineUrea, "mg/dL", "mg/dL of urea nitrogen (BUN)"},
    {A::UrineUrea, "mmol/L", "mmol/L of urea"},
    {A::SerumUrate, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::SerumUrate, "umol/L", "umol/L: micromoles per litre"},
    {A::UrineUrate, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::UrineUrate, "mmol/L", "mmol/L: millimoles per litre"},
    {A::SerumAmylase, "U/L", "U/L: units of enzyme activity per litre"},
    {A::UrineAmylase, "U/L", "U/L: units of enzyme activity per litre"},
    {A::UrineProtein, "g/L", "g/L: grams per litre"},
    {A::UrineVolume, "ml", "ml: millilitres of urine collected in 24 hours"},
    {A::Chol, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::Chol, "mmol/L", "mmol/L: millimoles per litre"},
    {A::HDL, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::HDL, "mmol/L", "mmol/L: millimoles per litre"},
    {A::LDL, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::LDL, "mmol/L", "mmol/L: millimoles per litre"},
    {A::Triglycerides, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::Triglycerides, "mmol/L", "mmol/L: millimoles per litre"},
    {A::AST, "IU/L", "IU/L: international units of enzyme activity per litre"},
    {A::ALT, "IU/L", "IU/L: international units of enzyme activity per litre"},
    {A::BilirubinDirect, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::BilirubinDirect, "umol/L", "umol/L: micromoles per litre"},
    {A::BilirubinTotal, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::BilirubinTotal, "umol/L", "umol/L: micromoles per litre"},
    {A::Albumin, "g/dL", "g/dL: grams per decilitre"},
    {A::Albumin, "g/L", "g/L: grams per litre"},
    {A::Globulin, "g/dL", "g/dL: grams per decilitre"},
    {A::Globulin, "g/L", "g/L: grams per litre"},
    {A::Iron, "ug/dL", "ug/dL: micrograms per decilitre"},
    {A::Iron, "umol/L", "umol/L: micromoles per litre"},
    {A::TIBC, "ug/dL", "ug/dL: micrograms of iron bound per decilitre"},
    {A::TIBC, "umol/L", "umol/L: micromoles of iron bound per litre"},
    {A::Ferritin, "ng/ml", "ng/ml: nanograms per millilitre"},
    {A::Ferritin, "ug/L", "ug/L: micrograms per litre, the same number as ng/ml"},
    {A::Ferritin, "pmol/L", "pmol/L: picomoles per litre"},
    {A::Transferrin, "mg/dL", "mg/dL: milligrams per decilitre"},
    {A::Transferrin, "g/L", "g/L: grams per litre"},
};
// clang-format on

} // namespace

std::span<const UnitNote> unitNotes()
{
    return Notes;
}

QString unitNote(AnalyteId analyte, const QString& unit)
{
    for (const UnitNote& note : Notes) {
        if (note.analyte == analyte && unit == QLatin1String(note.unit))
            return QString::fromLatin1(note.note);
    }
    return {};
}

QString unitNotes(AnalyteId analyte)
{
    QStringList lines;
    for (const UnitNote& note : Notes) {
        if (note.analyte == analyte)
            lines << QString::fromLatin1(note.note);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace quarvex
