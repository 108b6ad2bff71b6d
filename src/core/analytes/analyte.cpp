#include "analytes/analyte.h"

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
    {A::Age,             "Age",               "Age",             "Age:",               "Age:",          K::None,  nullptr, {}, 0, false},
    {A::Weight,          "Weight",            "Weight",          "Weight:",            "Weight:",       K::List,  nullptr, {same("kg"), div("lbs", 2.2)}, 2, false},
    {A::Gender,          "Gender",            "Gender",          "Gender:",            "Gender:",       K::None,  nullptr, {}, 0, false},
    {A::SerumCreatinine, "Serum creatinine",  "SerumCreatinine", "Creatinine:",        "Creatinine:",   K::List,  nullptr, {same("mg/dL"), div("umol/L", 88.4)}, 2, true},
    {A::UrineCreatinine, "Urine creatinine",  "UrineCreatinine", "Creatinine:",        "Creatinine:",   K::List,  nullptr, {same("mg/dL"), {"mmol/L", 1000.0, 88.4}}, 2, false},
    {A::SerumSodium,     "Serum sodium",      "SerumSodium",     "Sodium:",            "Sodium:",       K::Fixed, EqPerL,  {}, 0, false},
    {A::UrineSodium,     "Urine sodium",      "UrineSodium",     "Sodium:",            "Sodium:",       K::Fixed, EqPerL,  {}, 0, false},
    {A::SerumPotassium,  "Serum potassium",   "SerumPotassium",  "Potassium:",         "Potassium:",    K::Fixed, EqPerL,  {}, 0, false},
    {A::UrinePotassium,  "Urine potassium",   "UrinePotassium",  "Potassium:",         "Potassium:",    K::Fixed, EqPerL,  {}, 0, false},
    {A::SerumCalcium,    "Serum calcium",     "SerumCalcium",    "Calcium:",           "Calcium:",      K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.25)}, 2, true},
    {A::UrineCalcium,    "Urine calcium",     "UrineCalcium",    "Calcium:",           "Calcium:",      K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.25)}, 2, false},
    {A::SerumPhosphorus, "Serum phosphorus",  "SerumPhosphorus", "Phosphorus:",        "Phosphorus:",   K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.323)}, 2, true},
    {A::UrinePhosphorus, "Urine phosphorus",  "UrinePhosphorus", "Phosphorus:",        "Phosphorus:",   K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.323)}, 2, true},
    {A::SerumUrea,       "Serum urea",        "SerumUrea",       "Urea:",              "Urea:",         K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.357)}, 2, true},
    {A::UrineUrea,       "Urine urea",        "UrineUrea",       "Urea:",              "Urea:",         K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.357)}, 2, true},
    {A::SerumUrate,      "Serum urate",       "SerumUrate",      "Urate:",             "Urate:",        K::List,  nullptr, {same("mg/dL"), div("umol/L", 59.48)}, 2, true},
    {A::UrineUrate,      "Urine urate",       "UrineUrate",      "Urate:",             "Urate:",        K::List,  nullptr, {same("mg/dL"), {"mmol/L", 1000.0, 59.48}}, 2, true},
    {A::SerumAmylase,    "Serum amylase",     "SerumAmylase",    "Amylase:",           "Amylase:",      K::Fixed, "U/L",   {}, 0, false},
    {A::UrineAmylase,    "Urine amylase",     "UrineAmylase",    "Amylase:",           "Amylase:",      K::Fixed, "U/L",   {}, 0, false},
    {A::UrineProtein,    "Urine protein",     "UrineProtein",    "Protein:",           "Protein:",      K::Fixed, "g/L",   {}, 0, false},
    {A::UrineVolume,     "Urine volume",      "UrineVolume",     "Volume:",            "Volume:",       K::Fixed, "ml",    {}, 0, false},
    {A::Chol,            "Total cholesterol", "Chol",            "Total Cholesterol:", "Cholesterol:",  K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.0259)}, 2, true},
    {A::HDL,             "HDL cholesterol",   "HDL",             "HDL Cholesterol:",   "HDL:",          K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.0259)}, 2, true},
    {A::LDL,             "LDL cholesterol",   "LDL",             "LDL Cholesterol: ",  "LDL: ",         K::List,  nullptr, {same("mg/dL"), div("mmol/L", 0.0259)}, 2, true},
    {A::Triglycerides,   "Triglycerides",     "Triglycerides",   "Triglycerides:",     "Triglycerides:", K::List, nullptr, {same("mg/dL"), mul("mmol/L", 88.57)}, 2, true},
    {A::AST,             "AST",               "AST",             "AST:",               "AST:",          K::Fixed, "IU/L",  {}, 0, false},
    {A::ALT,             "ALT",               "ALT",             "ALT:",               "ALT:",          K::Fixed, "IU/L",  {}, 0, false},
    {A::BilirubinDirect, "Direct bilirubin",  "BilirubinDirect", "Bilirubin direct:",  "Bilirubin direct:", K::List, nullptr, {same("mg/dL"), div("umol/L", 17.1)}, 2, false},
    {A::BilirubinTotal,  "Total bilirubin",   "BilirubinTotal",  "Bilirubin total:",   "Bilirubin total:",  K::List, nullptr, {same("mg/dL"), div("umol/L", 17.1)}, 2, false},
    {A::Albumin,         "Albumin",           "Albumin",         "Albumin:",           "Albumin:",      K::List,  nullptr, {same("g/dL"), div("g/L", 10.0)}, 2, false},
    {A::Globulin,        "Globulin",          "Globulin",        "Globulin:",          "Globulin:",     K::List,  nullptr, {same("g/dL"), div("g/L", 10.0)}, 2, false},
    {A::Iron,            "Iron",              "Iron",            "Iron:",              "Iron:",         K::List,  nullptr, {same("ug/dL"), div("umol/L", 0.179)}, 2, true},
    {A::TIBC,            "TIBC",              "TIBC",            "TIBC:",              "TIBC:",         K::List,  nullptr, {same("ug/dL"), div("umol/L", 0.179)}, 2, false},
    {A::Ferritin,        "Ferritin",          "Ferritin",        "Ferritin:",          "Ferritin:",     K::List,  nullptr, {same("ng/ml"), same("ug/L"), div("pmol/L", 2.247)}, 3, false},
    {A::Transferrin,     "Transferrin",       "Transferrin",     "Transferrin:",       "Transferrin:",  K::List,  nullptr, {same("mg/dL"), mul("g/L", 100.0)}, 2, false},
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
