#include "analytes/unitnotes.h"

#include <QCoreApplication>
#include <QStringList>

namespace quarvex {

namespace {

using A = AnalyteId;

constexpr const char* EqPerL =
    QT_TRANSLATE_NOOP("quarvex::UnitNote", "mEq/L or mmol/L: milliequivalents or millimoles per "
                                           "litre, the same number for a singly charged ion");

// clang-format off
constexpr UnitNote Notes[] = {
    {A::Weight, "kg", QT_TRANSLATE_NOOP("quarvex::UnitNote", "kg: kilograms")},
    {A::Weight, "lbs", QT_TRANSLATE_NOOP("quarvex::UnitNote", "lbs: pounds")},
    {A::SerumCreatinine, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::SerumCreatinine, "umol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "umol/L: micromoles per litre")},
    {A::UrineCreatinine, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::UrineCreatinine, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::SerumSodium, "mEq/L or mmol/L", EqPerL},
    {A::UrineSodium, "mEq/L or mmol/L", EqPerL},
    {A::SerumPotassium, "mEq/L or mmol/L", EqPerL},
    {A::UrinePotassium, "mEq/L or mmol/L", EqPerL},
    {A::SerumCalcium, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::SerumCalcium, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::UrineCalcium, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::UrineCalcium, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::SerumPhosphorus, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::SerumPhosphorus, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::UrinePhosphorus, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::UrinePhosphorus, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    // The mmol/L conversion gives urea nitrogen, so mg/dL must be urea
    // nitrogen too: a urea mass in mg/dL is 2.14 times larger.
    {A::SerumUrea, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL of urea nitrogen (BUN)")},
    {A::SerumUrea, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L of urea")},
    {A::UrineUrea, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL of urea nitrogen (BUN)")},
    {A::UrineUrea, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L of urea")},
    {A::SerumUrate, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::SerumUrate, "umol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "umol/L: micromoles per litre")},
    {A::UrineUrate, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::UrineUrate, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::SerumAmylase, "U/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "U/L: units of enzyme activity per litre")},
    {A::UrineAmylase, "U/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "U/L: units of enzyme activity per litre")},
    {A::UrineProtein, "g/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "g/L: grams per litre")},
    {A::UrineVolume, "ml", QT_TRANSLATE_NOOP("quarvex::UnitNote", "ml: millilitres of urine collected in 24 hours")},
    {A::Chol, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::Chol, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::HDL, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::HDL, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::LDL, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::LDL, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::Triglycerides, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::Triglycerides, "mmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mmol/L: millimoles per litre")},
    {A::AST, "IU/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "IU/L: international units of enzyme activity per litre")},
    {A::ALT, "IU/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "IU/L: international units of enzyme activity per litre")},
    {A::BilirubinDirect, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::BilirubinDirect, "umol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "umol/L: micromoles per litre")},
    {A::BilirubinTotal, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::BilirubinTotal, "umol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "umol/L: micromoles per litre")},
    {A::Albumin, "g/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "g/dL: grams per decilitre")},
    {A::Albumin, "g/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "g/L: grams per litre")},
    {A::Globulin, "g/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "g/dL: grams per decilitre")},
    {A::Globulin, "g/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "g/L: grams per litre")},
    {A::Iron, "ug/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "ug/dL: micrograms per decilitre")},
    {A::Iron, "umol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "umol/L: micromoles per litre")},
    {A::TIBC, "ug/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "ug/dL: micrograms of iron bound per decilitre")},
    {A::TIBC, "umol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "umol/L: micromoles of iron bound per litre")},
    {A::Ferritin, "ng/ml", QT_TRANSLATE_NOOP("quarvex::UnitNote", "ng/ml: nanograms per millilitre")},
    {A::Ferritin, "ug/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "ug/L: micrograms per litre, the same number as ng/ml")},
    {A::Ferritin, "pmol/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "pmol/L: picomoles per litre")},
    {A::Transferrin, "mg/dL", QT_TRANSLATE_NOOP("quarvex::UnitNote", "mg/dL: milligrams per decilitre")},
    {A::Transferrin, "g/L", QT_TRANSLATE_NOOP("quarvex::UnitNote", "g/L: grams per litre")},
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

QString shownUnitNote(AnalyteId analyte, const QString& unit)
{
    for (const UnitNote& note : Notes) {
        if (note.analyte == analyte && unit == QLatin1String(note.unit))
            return QCoreApplication::translate("quarvex::UnitNote", note.note);
    }
    return {};
}

QString shownUnitNotes(AnalyteId analyte)
{
    QStringList lines;
    for (const UnitNote& note : Notes) {
        if (note.analyte == analyte)
            lines << QCoreApplication::translate("quarvex::UnitNote", note.note);
    }
    return lines.join(QLatin1Char('\n'));
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
