#include "analytes/analyte.h"

#include <QCoreApplication>
#include <QStringList>

namespace quarvex {

namespace {

using A = AnalyteId;
using K = UnitKind;

constexpr const char* EqPerL = "mEq/L or mmol/L";

constexpr UnitChoice same(const char* text)
{
    return {text, 1.0, 1.0};
}
constexpr UnitChoice div(const char* text, double d)
{
    return {text, 1.0, d};
}
constexpr UnitChoice mul(const char* text, double m)
{
    return {text, m, 1.0};
}

// clang-format off
constexpr std::array<Analyte, AnalyteCount> Table{{
    {A::Age,             QT_TRANSLATE_NOOP("quarvex::Analyte", "Age"), "Age", QT_TRANSLATE_NOOP("quarvex::Analyte", "Age:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Age:"),          K::None,  nullptr, {}, 0, false},
    {A::Weight,          QT_TRANSLATE_NOOP("quarvex::Analyte", "Weight"), "Weight", QT_TRANSLATE_NOOP("quarvex::Analyte", "Weight:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Weight:"),       K::List,  nullptr, {same("kg"), div("lbs", 2.2)}, 2, false},
    {A::Gender,          QT_TRANSLATE_NOOP("quarvex::Analyte", "Gender"), "Gender", QT_TRANSLATE_NOOP("quarvex::Analyte", "Gender:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Gender:"),       K::None,  nullptr, {}, 0, false},
    {A::SerumCreatinine, QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum creatinine"), "SerumCreatinine", QT_TRANSLATE_NOOP("quarvex::Analyte", "Creatinine:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Creatinine:"),   K::List,  nullptr, {same("mg/dL"), div("umol/L", 88.4)}, 2, true},
    {A::UrineCreatinine, QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine creatinine"), "UrineCreatinine", QT_TRANSLATE_NOOP("quarvex::Analyte", "Creatinine:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Creatinine:"),   K::List,  nullptr, {same("mg/dL"), {"mmol/L", 1000.0, 88.4}}, 2, false},
    {A::SerumSodium,     QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum sodium"), "SerumSodium", QT_TRANSLATE_NOOP("quarvex::Analyte", "Sodium:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Sodium:"),       K::Fixed, EqPerL,  {}, 0, false},
    {A::UrineSodium,     QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine sodium"), "UrineSodium", QT_TRANSLATE_NOOP("quarvex::Analyte", "Sodium:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Sodium:"),       K::Fixed, EqPerL,  {}, 0, false},
    {A::SerumPotassium,  QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum potassium"), "SerumPotassium", QT_TRANSLATE_NOOP("quarvex::Analyte", "Potassium:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Potassium:"),    K::Fixed, EqPerL,  {}, 0, false},
    {A::UrinePotassium,  QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine potassium"), "UrinePotassium", QT_TRANSLATE_NOOP("quarvex::Analyte", "Potassium:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Potassium:"),    K::Fixed, EqPerL,  {}, 0, false},
    {A::SerumCalcium,    QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum calcium"), "SerumCalcium", QT_TRANSLATE_NOOP("quarvex::Analyte", "Calcium:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Calcium:"),      K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.25)}, 2, true},
    {A::UrineCalcium,    QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine calcium"), "UrineCalcium", QT_TRANSLATE_NOOP("quarvex::Analyte", "Calcium:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Calcium:"),      K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.25)}, 2, false},
    {A::SerumPhosphorus, QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum phosphorus"), "SerumPhosphorus", QT_TRANSLATE_NOOP("quarvex::Analyte", "Phosphorus:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Phosphorus:"),   K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.323)}, 2, true},
    {A::UrinePhosphorus, QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine phosphorus"), "UrinePhosphorus", QT_TRANSLATE_NOOP("quarvex::Analyte", "Phosphorus:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Phosphorus:"),   K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.323)}, 2, true},
    {A::SerumUrea,       QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum urea"), "SerumUrea", QT_TRANSLATE_NOOP("quarvex::Analyte", "Urea:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Urea:"),         K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.357)}, 2, true},
    {A::UrineUrea,       QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine urea"), "UrineUrea", QT_TRANSLATE_NOOP("quarvex::Analyte", "Urea:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Urea:"),         K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.357)}, 2, true},
    {A::SerumUrate,      QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum urate"), "SerumUrate", QT_TRANSLATE_NOOP("quarvex::Analyte", "Urate:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Urate:"),        K::List,  nullptr, {same("mg/dL"), div("umol/L", 59.48)}, 2, true},
    {A::UrineUrate,      QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine urate"), "UrineUrate", QT_TRANSLATE_NOOP("quarvex::Analyte", "Urate:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Urate:"),        K::List,  nullptr, {same("mg/dL"), {"mmol/L", 1000.0, 59.48}}, 2, true},
    {A::SerumAmylase,    QT_TRANSLATE_NOOP("quarvex::Analyte", "Serum amylase"), "SerumAmylase", QT_TRANSLATE_NOOP("quarvex::Analyte", "Amylase:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Amylase:"),      K::Fixed, "U/L",   {}, 0, false},
    {A::UrineAmylase,    QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine amylase"), "UrineAmylase", QT_TRANSLATE_NOOP("quarvex::Analyte", "Amylase:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Amylase:"),      K::Fixed, "U/L",   {}, 0, false},
    {A::UrineProtein,    QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine protein"), "UrineProtein", QT_TRANSLATE_NOOP("quarvex::Analyte", "Protein:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Protein:"),      K::Fixed, "g/L",   {}, 0, false},
    {A::UrineVolume,     QT_TRANSLATE_NOOP("quarvex::Analyte", "Urine volume"), "UrineVolume", QT_TRANSLATE_NOOP("quarvex::Analyte", "Volume:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Volume:"),       K::Fixed, "ml",    {}, 0, false},
    {A::Chol,            QT_TRANSLATE_NOOP("quarvex::Analyte", "Total cholesterol"), "Chol", QT_TRANSLATE_NOOP("quarvex::Analyte", "Total Cholesterol:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Cholesterol:"),  K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.0259)}, 2, true},
    {A::HDL,             QT_TRANSLATE_NOOP("quarvex::Analyte", "HDL cholesterol"), "HDL", QT_TRANSLATE_NOOP("quarvex::Analyte", "HDL Cholesterol:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "HDL:"),          K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.0259)}, 2, true},
    {A::LDL,             QT_TRANSLATE_NOOP("quarvex::Analyte", "LDL cholesterol"), "LDL", QT_TRANSLATE_NOOP("quarvex::Analyte", "LDL Cholesterol: "), QT_TRANSLATE_NOOP("quarvex::Analyte", "LDL: "),         K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.0259)}, 2, true},
    {A::Triglycerides,   QT_TRANSLATE_NOOP("quarvex::Analyte", "Triglycerides"), "Triglycerides", QT_TRANSLATE_NOOP("quarvex::Analyte", "Triglycerides:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Triglycerides:"), K::List, nullptr, {same("mg/dL"), mul("mmol/L", 88.57)}, 2, true},
    {A::AST,             QT_TRANSLATE_NOOP("quarvex::Analyte", "AST"), "AST", QT_TRANSLATE_NOOP("quarvex::Analyte", "AST:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "AST:"),          K::Fixed, "IU/L",  {}, 0, false},
    {A::ALT,             QT_TRANSLATE_NOOP("quarvex::Analyte", "ALT"), "ALT", QT_TRANSLATE_NOOP("quarvex::Analyte", "ALT:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "ALT:"),          K::Fixed, "IU/L",  {}, 0, false},
    {A::BilirubinDirect, QT_TRANSLATE_NOOP("quarvex::Analyte", "Direct bilirubin"), "BilirubinDirect", QT_TRANSLATE_NOOP("quarvex::Analyte", "Bilirubin direct:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Bilirubin direct:"), K::List, nullptr, {same("mg/dL"), div("umol/L", 17.1)}, 2, false},
    {A::BilirubinTotal,  QT_TRANSLATE_NOOP("quarvex::Analyte", "Total bilirubin"), "BilirubinTotal", QT_TRANSLATE_NOOP("quarvex::Analyte", "Bilirubin total:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Bilirubin total:"),  K::List, nullptr, {same("mg/dL"), div("umol/L", 17.1)}, 2, false},
    {A::Albumin,         QT_TRANSLATE_NOOP("quarvex::Analyte", "Albumin"), "Albumin", QT_TRANSLATE_NOOP("quarvex::Analyte", "Albumin:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Albumin:"),      K::List,  nullptr, {same("g/dL"), div("g/L", 10.0)}, 2, false},
    {A::Globulin,        QT_TRANSLATE_NOOP("quarvex::Analyte", "Globulin"), "Globulin", QT_TRANSLATE_NOOP("quarvex::Analyte", "Globulin:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Globulin:"),     K::List,  nullptr, {same("g/dL"), div("g/L", 10.0)}, 2, false},
    {A::Iron,            QT_TRANSLATE_NOOP("quarvex::Analyte", "Iron"), "Iron", QT_TRANSLATE_NOOP("quarvex::Analyte", "Iron:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Iron:"),         K::List,  nullptr, {same("ug/dL"), div("umol/L", 0.179)}, 2, true},
    {A::TIBC,            QT_TRANSLATE_NOOP("quarvex::Analyte", "TIBC"), "TIBC", QT_TRANSLATE_NOOP("quarvex::Analyte", "TIBC:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "TIBC:"),         K::List,  nullptr, {same("ug/dL"), div("umol/L", 0.179)}, 2, false},
    {A::Ferritin,        QT_TRANSLATE_NOOP("quarvex::Analyte", "Ferritin"), "Ferritin", QT_TRANSLATE_NOOP("quarvex::Analyte", "Ferritin:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Ferritin:"),     K::List,  nullptr, {same("ng/ml"), same("ug/L"), div("pmol/L", 2.247)}, 3, false},
    {A::Transferrin,     QT_TRANSLATE_NOOP("quarvex::Analyte", "Transferrin"), "Transferrin", QT_TRANSLATE_NOOP("quarvex::Analyte", "Transferrin:"), QT_TRANSLATE_NOOP("quarvex::Analyte", "Transferrin:"),  K::List,  nullptr, {same("mg/dL"), mul("g/L", 100.0)}, 2, false},
}};
// clang-format on

static_assert(listedInIdOrder(Table),
              "the analyte table must list the analytes in AnalyteId order");

} // namespace

std::span<const Analyte> analytes()
{
    return Table;
}

const Analyte& analyte(AnalyteId id)
{
    return Table[size_t(id)];
}

QString Analyte::labelName() const
{
    if (id == AnalyteId::HDL)
        return QStringLiteral("HDLLabell");
    return fieldName() + QStringLiteral("Label");
}

QString Analyte::shownName() const
{
    return QCoreApplication::translate(AnalyteContext, name);
}

QString Analyte::shownUnitName() const
{
    //: The name of an analyte's unit list, for screen readers: "Serum creatinine unit".
    return QCoreApplication::translate("quarvex::Analyte", "%1 unit").arg(shownName());
}

QString Analyte::shownCaption() const
{
    return QCoreApplication::translate(AnalyteContext, caption);
}

QString Analyte::shownDataCaption() const
{
    return QCoreApplication::translate(AnalyteContext, dataCaption);
}

QStringList Analyte::listItems() const
{
    if (id == AnalyteId::Gender)
        return {QString::fromLatin1(GenderMale), QString::fromLatin1(GenderFemale)};
    QStringList items;
    for (const UnitChoice& u : unitChoices())
        items << QString::fromLatin1(u.text);
    return items;
}

} // namespace quarvex
