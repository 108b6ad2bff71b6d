// Renal ratios and excretion rates.

#include "calc/calculations.h"
#include "calc/steps.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using namespace steps;

constexpr Band UrateBands[] = {
    {1.0, true,
     "Ratios below 1.0 are seen in patients with acute renal failure due to other causes."},
    {AndAbove, false,
     "Ratios above 1.0 are seen in most patients with acute renal failure due to hyperuricemia."},
};

// R1, serum urea nitrogen over serum creatinine; 10 up to 20 gives no text and
// exactly 36 still counts as elevated.
constexpr Band BunCreatinineBands[] = {
    {10.0, false,
     "The BUN-creatinine ratio is low, perhaps due to renal dialysis, acute tubular necrosis, low "
     "protein diet or starvation, syndrome of inappropriate ADH secretion, pregnancy, severe liver "
     "disease, inherited hyperammonemia."},
    {20.0, true, nullptr},
    {36.0, true,
     "The BUN-creatinine ratio is elevated, perhaps due to prerenal azotemia, postrenal azotemia, "
     "catabolic state with reduced muscle mass, drug (tetracycline glucocorticoid) effects, "
     "impaired renal function with urine reabsorption for example with ureterocolostomy, "
     "impaired renal function with excess protein intake/production or with excess tissue "
     "breakdown as may occur with GI bleeding thyrotoxicosis infection Cushing's syndrome surgery "
     "burns cachexia high fever or high protein diet."},
    {AndAbove, false, "The BUN-creatinine ratio suggests upper GI bleeding."},
};

// R2, urine creatinine over serum creatinine.
constexpr Band CreatinineCreatinineBands[] = {
    {20.0, false,
     "The low creatinine ratio is perhaps due to acute tubular necrosis (acute oliguric renal "
     "failure), acute obstructive renal failure, or acute nonoliguric renal failure."},
    {40.0, true, nullptr},
    {AndAbove, false,
     "The elevated creatinine ratio is perhaps due to prerenal azotemia, acute "
     "glomerulonephritis, or hepatorenal syndrome."},
};

// R3, urine urea nitrogen over serum urea nitrogen: a high ratio points to a
// prerenal cause, a low one to tubular necrosis, as with the creatinine ratio.
constexpr Band UreaUreaBands[] = {
    {3.0, false,
     "The low urea ratio is due to acute tubular necrosis (acute oliguric renal failure)."},
    {8.0, true, nullptr},
    {AndAbove, false,
     "The elevated urea ratio is perhaps due to prerenal azotemia, acute obstructive renal "
     "failure, or acute glomerulonephritis."},
};

constexpr Band ProteinBands[] = {
    {0.1, false, "Ratio is that of a healthy person."},
    {0.2, false, "Ratio indicates trace proteinuria."},
    {1.0, false, "Ratio indicates low grade proteinuria."},
    {3.5, false, "Ratio indicates moderate proteinuria"},
    {AndAbove, false, "Ratio indicates nephrotic syndrome."},
};

// Urine protein is typed in g/L and used in mg/dL.
constexpr double ProteinGramsPerLitreToMgPerDl = 100.0;

} // namespace

// Urine uric acid over urine creatinine in a random urine sample, both in
// mg/dL; the 1.0 cut-off belongs to this urine ratio only.
Outcome UrateCreatinineRatio(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    const ConvertedInput& uUrate = in[A::UrineUrate];

    const double ratio = uUrate.converted / uCr.converted;

    return oneRow({uCr, uUrate}, ratio, resultText(ratio, "", locale),
                  text(bandText(ratio, UrateBands)));
}

Outcome UreaCreatinineRatios(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& sCr = in[A::SerumCreatinine];
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    const ConvertedInput& sUrea = in[A::SerumUrea];
    const ConvertedInput& uUrea = in[A::UrineUrea];

    const double r1 = sUrea.converted / sCr.converted;
    const double r2 = uCr.converted / sCr.converted;
    const double r3 = uUrea.converted / sUrea.converted;

    const QString i1 = text(bandText(r1, BunCreatinineBands));
    const QString i2 = text(bandText(r2, CreatinineCreatinineBands));
    const QString i3 = text(bandText(r3, UreaUreaBands));

    const QString t1 = formatFixed2(r1, locale);
    const QString t2 = formatFixed2(r2, locale);
    const QString t3 = formatFixed2(r3, locale);

    Outcome outcome;
    outcome.result = t1 + QStringLiteral(" ; ") + t2 + QStringLiteral(" ; ") + t3;
    outcome.moreInfo =
        QStringLiteral("The first number represents the BUN to Creatinine ratio.") + CR + CR +
        QStringLiteral("The second number represents the Creatinine to "
                       "Creatinine ratio.") +
        CR + CR + QStringLiteral("The third number represents the BUN to BUN ratio.");
    outcome.message = QStringLiteral("Serum BUN to Serum Creatinine ratio: ") + t1 + CR +
                      QStringLiteral("Urine Creatinine to Serum Creatinine: ") + t2 + CR +
                      QStringLiteral("Urine BUN to Serum BUN ratio: ") + t3 + CR + CR + i1 + CR +
                      CR + i2 + CR + CR + i3;
    outcome.rows = {
        ResultRow{{}, t1, i1},
        ResultRow{{}, t2, i2},
        ResultRow{{}, t3, i3},
    };
    outcome.inputs = {sCr, uCr, sUrea, uUrea};
    outcome.values = {r1, r2, r3};
    return outcome;
}

Outcome UrinaryPotassiumExcretion(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& volume = in[A::UrineVolume];
    const ConvertedInput& uK = in[A::UrinePotassium];

    // mEq per 24 hours from mEq/L and mL.
    const double excretion = uK.converted * volume.converted / 1000.0;

    Outcome outcome = oneRow(
        {volume, uK}, excretion, resultText(excretion, " mEq/24 ", locale),
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' "
                       "(inadequate potassium conservation)."));
    // The row carries the shorter note.
    outcome.rows.front().interpretation =
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'.");
    return outcome;
}

Outcome UrineProteinCreatinineRatio(const Inputs& in)
{
    const QLocale& locale = in.locale();
    const ConvertedInput& uCr = in[A::UrineCreatinine];
    ConvertedInput protein = in[A::UrineProtein];
    protein.converted = protein.typed * ProteinGramsPerLitreToMgPerDl;

    const double ratio = protein.converted / uCr.converted;

    return oneRow({uCr, protein}, ratio, resultText(ratio, "", locale),
                  text(bandText(ratio, ProteinBands)));
}

} // namespace quarvex
