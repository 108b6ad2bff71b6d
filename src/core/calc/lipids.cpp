// Lipids and coronary risk.

#include "calc/calculations.h"
#include "calc/steps.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using namespace steps;

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

QString genderText(double value, const QString& gender, std::span<const Band> male,
                   std::span<const Band> female)
{
    return text(bandText(value, byGender(gender, male, female)));
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
    const ConvertedInput& chol = in[A::Chol];
    const ConvertedInput& hdl = in[A::HDL];
    const ConvertedInput& ldl = in[A::LDL];
    const ConvertedInput& gender = in[A::Gender];

    const LipidClasses classes{
        text(bandText(chol.converted, CholesterolBands)),
        genderText(hdl.converted, gender.valueText, HdlRiskMale, HdlRiskFemale),
        text(bandText(ldl.converted, LdlBands)),
    };

    Outcome outcome;
    outcome.moreInfo = lipidSummary(classes);
    outcome.rows = {
        ResultRow{{}, classes.total, TotalPrefix + classes.total},
        ResultRow{{}, classes.hdl, HdlPrefix + classes.hdl},
        ResultRow{{}, classes.ldl, LdlPrefix + classes.ldl},
    };
    outcome.inputs = {chol, hdl, ldl, gender};
    outcome.values = {chol.converted, hdl.converted, ldl.converted};
    return outcome;
}

Outcome CholHDL(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& chol = in[A::Chol];
    const ConvertedInput& hdl = in[A::HDL];
    const ConvertedInput& gender = in[A::Gender];

    const double ratio = chol.converted / hdl.converted;
    const QString phrase = genderText(ratio, gender.valueText, CholHdlMale, CholHdlFemale);
    const QString sentence = QStringLiteral("The risk of coronary artery disease is ") + phrase +
                             QStringLiteral(" the 'average American'.");

    return oneRow({chol, hdl, gender}, ratio, formatFixed2(ratio, locale), sentence);
}

Outcome LDLHDL(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& ldl = in[A::LDL];
    const ConvertedInput& hdl = in[A::HDL];

    const double ratio = ldl.converted / hdl.converted;
    const QString interpretation =
        QStringLiteral("Risk of cardiovascular disease: ") + text(bandText(ratio, LdlHdlBands));

    return oneRow({ldl, hdl}, ratio, formatFixed2(ratio, locale), interpretation);
}

Outcome Adult3(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& chol = in[A::Chol];
    const ConvertedInput& hdl = in[A::HDL];
    const ConvertedInput& ldl = in[A::LDL];

    const LipidClasses classes{
        text(bandText(chol.converted, CholesterolBands)),
        text(bandText(hdl.converted, Atp3HdlBands)),
        text(bandText(ldl.converted, Atp3LdlBands)),
    };

    Outcome outcome;
    outcome.moreInfo = lipidSummary(classes);
    // The rows show each value in mg/dL as a plain number.
    outcome.rows = {
        ResultRow{{}, formatPlain(chol.converted, locale), TotalPrefix + classes.total},
        ResultRow{{}, formatPlain(hdl.converted, locale), HdlPrefix + classes.hdl},
        ResultRow{{}, formatPlain(ldl.converted, locale), LdlPrefix + classes.ldl},
    };
    outcome.inputs = {chol, hdl, ldl};
    outcome.values = {chol.converted, hdl.converted, ldl.converted};
    return outcome;
}

} // namespace quarvex
