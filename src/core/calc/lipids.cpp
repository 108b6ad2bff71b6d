// Lipids and coronary risk.

#include "calc/calculations.h"
#include "calc/rowwork.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using namespace rowwork;

// Total cholesterol, mg/dL (also the ATP III classes).
constexpr Band CholesterolBands[] = {
    {200.0, false, "desirable"},
    {240.0, false, "borderline high"},
    {AndAbove, false, "high"},
};

// Relative coronary risk by HDL in mg/dL; each band includes its upper bound.
constexpr Band HdlRiskFemale[] = {
    {40.0, true, "1.9 times average"}, {45.0, true, "1.9 times average"},
    {50.0, true, "1.6 times average"}, {55.0, true, "1.3 times average"},
    {60.0, true, "average"},           {65.0, true, "0.8 times average"},
    {70.0, true, "0.6 times average"}, {75.0, true, "0.5 times average"},
    {AndAbove, false, "longevity"},
};
constexpr Band HdlRiskMale[] = {
    {25.0, true, "2 times average"},   {30.0, true, "1.8 times average"},
    {35.0, true, "1.8 times average"}, {40.0, true, "1.5 times average"},
    {45.0, true, "1.2 times average"}, {50.0, true, "average"},
    {55.0, true, "0.8 times average"}, {60.0, true, "0.7"},
    {65.0, true, "0.6 times average"}, {70.0, true, "0.5 times average"},
    {AndAbove, false, "longevity"},
};

constexpr Band LdlBands[] = {
    {130.0, false, "desirable"},
    {160.0, false, "borderline high"},
    {AndAbove, false, "high"},
};

// Total cholesterol over HDL: the bands join without gaps, each from above
// the previous bound up to and including its own.
constexpr Band CholHdlFemale[] = {
    {3.3, true, "less than 50% than that of"},
    {4.3, true, "50% than that of "},
    {6.9, true, "on par with"},
    {10.9, true, "twice that of"},
    {AndAbove, false, "3 times that of"},
};
constexpr Band CholHdlMale[] = {
    {3.4, true, "less than 50% than that of"},
    {4.9, true, "50% than that of "},
    {9.5, true, "that of"},
    {23.3, true, "twice that of"},
    {AndAbove, false, "3 times that of"},
};

constexpr Band LdlHdlBands[] = {
    {0.5, false, "very low"},
    {3.0, false, "low"},
    {6.0, true, "moderate"},
    {AndAbove, false, "high"},
};

constexpr Band Atp3HdlBands[] = {
    {40.0, false, "low"},
    {60.0, true, "intermediate"},
    {AndAbove, false, "high"},
};
constexpr Band Atp3LdlBands[] = {
    {100.0, false, "optimal"},         {130.0, false, "near or above optimal"},
    {160.0, false, "borderline high"}, {190.0, false, "high"},
    {AndAbove, false, "very high"},
};

using namespace op;

// The class rows take the value itself.
constexpr FormulaOp CholOps[] = {in(A::Chol)};
constexpr FormulaOp HdlOps[] = {in(A::HDL)};
constexpr FormulaOp LdlOps[] = {in(A::LDL)};
constexpr Formula CholClass{"TC", CholOps, Shown::Text, ""};
constexpr Formula HdlClass{"HDL", HdlOps, Shown::Text, ""};
constexpr Formula LdlClass{"LDL", LdlOps, Shown::Text, ""};
// ATP III rows show each value in mg/dL as a plain number.
constexpr Formula CholValue{"TC", CholOps, Shown::Plain, ""};
constexpr Formula HdlValue{"HDL", HdlOps, Shown::Plain, ""};
constexpr Formula LdlValue{"LDL", LdlOps, Shown::Plain, ""};

constexpr FormulaOp CholHdlOps[] = {in(A::Chol), in(A::HDL), div};
constexpr Formula CholHdlFormula{"TC/HDL", CholHdlOps, Shown::Fixed2, ""};

constexpr FormulaOp LdlHdlOps[] = {in(A::LDL), in(A::HDL), div};
constexpr Formula LdlHdlFormula{"LDL/HDL", LdlHdlOps, Shown::Fixed2, ""};

// The band table of a gender-dependent text: "Male" and "Female" have their
// own; any other gender text gives no text.
std::span<const Band> byGender(const QString& gender, std::span<const Band> male,
                               std::span<const Band> female)
{
    if (gender == QLatin1String(GenderMale))
        return male;
    if (gender == QLatin1String(GenderFemale))
        return female;
    return {};
}

// The three lipid classes as the screen shows them and as rows.
struct LipidClasses {
    QString total;
    QString hdl;
    QString ldl;
};

const QString TotalPrefix = QStringLiteral("Total Cholesterol: ");
const QString HdlPrefix = QStringLiteral("HDL Cholesterol: ");
const QString LdlPrefix = QStringLiteral("LDL Cholesterol: ");

QString lipidSummary(const LipidClasses& classes)
{
    return TotalPrefix + classes.total + CR + CR + HdlPrefix + classes.hdl + CR + CR + LdlPrefix +
           classes.ldl + CR + CR;
}

} // namespace

Outcome GeneralResults(const Inputs& in)
{
    const ConvertedInput& gender = in[A::Gender];
    const Worked total = work(CholClass, CholesterolBands, in);
    const Worked hdl = work(HdlClass, byGender(gender.valueText, HdlRiskMale, HdlRiskFemale), in);
    const Worked ldl = work(LdlClass, LdlBands, in);
    const LipidClasses classes{total.bandText, hdl.bandText, ldl.bandText};

    Outcome outcome;
    outcome.moreInfo = lipidSummary(classes);
    outcome.rows = {
        ResultRow{{}, classes.total, TotalPrefix + classes.total},
        ResultRow{{}, classes.hdl, HdlPrefix + classes.hdl},
        ResultRow{{}, classes.ldl, LdlPrefix + classes.ldl},
    };
    outcome.values = {total.value, hdl.value, ldl.value};
    outcome.working = {total.working, hdl.working, ldl.working};
    return outcome;
}

Outcome CholHDL(const Inputs& in)
{
    const ConvertedInput& gender = in[A::Gender];
    const Worked ratio =
        work(CholHdlFormula, byGender(gender.valueText, CholHdlMale, CholHdlFemale), in);
    const QString sentence = QStringLiteral("The risk of coronary artery disease is ") +
                             ratio.bandText + QStringLiteral(" the 'average American'.");

    return oneRow(ratio, sentence);
}

Outcome LDLHDL(const Inputs& in)
{
    const Worked ratio = work(LdlHdlFormula, LdlHdlBands, in);
    const QString interpretation =
        QStringLiteral("Risk of cardiovascular disease: ") + ratio.bandText;

    return oneRow(ratio, interpretation);
}

Outcome Adult3(const Inputs& in)
{
    const Worked total = work(CholValue, CholesterolBands, in);
    const Worked hdl = work(HdlValue, Atp3HdlBands, in);
    const Worked ldl = work(LdlValue, Atp3LdlBands, in);
    const LipidClasses classes{total.bandText, hdl.bandText, ldl.bandText};

    Outcome outcome;
    outcome.moreInfo = lipidSummary(classes);
    outcome.rows = {
        ResultRow{{}, total.result, TotalPrefix + classes.total},
        ResultRow{{}, hdl.result, HdlPrefix + classes.hdl},
        ResultRow{{}, ldl.result, LdlPrefix + classes.ldl},
    };
    outcome.values = {total.value, hdl.value, ldl.value};
    outcome.working = {total.working, hdl.working, ldl.working};
    return outcome;
}

} // namespace quarvex
