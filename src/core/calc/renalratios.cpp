// Renal ratios and excretion rates.

#include "calc/calculations.h"
#include "calc/rowwork.h"

#include <QStringBuilder>

namespace quarvex {

namespace {

using A = AnalyteId;
using namespace rowwork;

constexpr Band UrateBands[] = {
    {1.0, true,
     "Ratios below 1.0 are seen in patients with acute renal failure due to other causes."},
    {AndAbove, false,
     "Ratios above 1.0 are seen in most patients with acute renal failure due to hyperuricemia."},
};

// BUN/Cr, serum urea nitrogen over serum creatinine; 10 up to 20 gives no text and
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

// UCr/SCr, urine creatinine over serum creatinine.
constexpr Band CreatinineCreatinineBands[] = {
    {20.0, false,
     "The low creatinine ratio is perhaps due to acute tubular necrosis (acute oliguric renal "
     "failure), acute obstructive renal failure, or acute nonoliguric renal failure."},
    {40.0, true, nullptr},
    {AndAbove, false,
     "The elevated creatinine ratio is perhaps due to prerenal azotemia, acute "
     "glomerulonephritis, or hepatorenal syndrome."},
};

// UUN/SUN, urine urea nitrogen over serum urea nitrogen: a high ratio points to a
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

using namespace op;

// Random urine: urine uric acid / urine creatinine, both in mg/dL.
constexpr FormulaOp UrateOps[] = {in(A::UrineUrate), in(A::UrineCreatinine), div};
constexpr Formula UrateFormula{"Urate/Cr", UrateOps, Shown::Fixed2, ""};

constexpr FormulaOp BunCreatinineOps[] = {in(A::SerumUrea), in(A::SerumCreatinine), div};
constexpr FormulaOp CreatinineCreatinineOps[] = {in(A::UrineCreatinine), in(A::SerumCreatinine),
                                                 div};
constexpr FormulaOp UreaUreaOps[] = {in(A::UrineUrea), in(A::SerumUrea), div};
constexpr Formula BunCreatinineFormula{"BUN/Cr", BunCreatinineOps, Shown::Fixed2, ""};
constexpr Formula CreatinineCreatinineFormula{"UCr/SCr", CreatinineCreatinineOps, Shown::Fixed2,
                                              ""};
constexpr Formula UreaUreaFormula{"UUN/SUN", UreaUreaOps, Shown::Fixed2, ""};

// mEq per 24 hours from mEq/L and mL.
constexpr FormulaOp ExcretionOps[] = {in(A::UrinePotassium), in(A::UrineVolume), mul, num(1000.0),
                                      div};
constexpr Formula ExcretionFormula{"UK24", ExcretionOps, Shown::Fixed2, " mEq/24 "};

// Urine protein is typed in g/L and used in mg/dL (times 100).
constexpr FormulaOp ProteinOps[] = {in(A::UrineProtein), num(100.0), mul, in(A::UrineCreatinine),
                                    div};
constexpr Formula ProteinFormula{"UPCR", ProteinOps, Shown::Fixed2, ""};

} // namespace

// Urine uric acid over urine creatinine in a random urine sample, both in
// mg/dL; the 1.0 cut-off belongs to this urine ratio only.
Outcome UrateCreatinineRatio(const Inputs& in)
{
    const Worked ratio = work(UrateFormula, UrateBands, in);
    return oneRow(ratio, ratio.bandText);
}

Outcome UreaCreatinineRatios(const Inputs& in)
{
    const Worked r1 = work(BunCreatinineFormula, BunCreatinineBands, in);
    const Worked r2 = work(CreatinineCreatinineFormula, CreatinineCreatinineBands, in);
    const Worked r3 = work(UreaUreaFormula, UreaUreaBands, in);

    const QString& t1 = r1.result;
    const QString& t2 = r2.result;
    const QString& t3 = r3.result;
    const QString& i1 = r1.bandText;
    const QString& i2 = r2.bandText;
    const QString& i3 = r3.bandText;

    Outcome outcome;
    outcome.result = QString(t1 % QStringLiteral(" ; ") % t2 % QStringLiteral(" ; ") % t3);
    // Built with % (QStringBuilder): each text in one allocation.
    outcome.moreInfo =
        QStringLiteral("The first number represents the BUN to Creatinine ratio.") % CR % CR %
        QStringLiteral("The second number represents the Creatinine to "
                       "Creatinine ratio.") %
        CR % CR % QStringLiteral("The third number represents the BUN to BUN ratio.");
    outcome.message = QStringLiteral("Serum BUN to Serum Creatinine ratio: ") % t1 % CR %
                      QStringLiteral("Urine Creatinine to Serum Creatinine: ") % t2 % CR %
                      QStringLiteral("Urine BUN to Serum BUN ratio: ") % t3 % CR % CR % i1 % CR %
                      CR % i2 % CR % CR % i3;
    outcome.rows = {
        ResultRow{{}, t1, i1},
        ResultRow{{}, t2, i2},
        ResultRow{{}, t3, i3},
    };
    outcome.values = {r1.value, r2.value, r3.value};
    outcome.working = {r1.working, r2.working, r3.working};
    return outcome;
}

Outcome UrinaryPotassiumExcretion(const Inputs& in)
{
    Outcome outcome = oneRow(
        work(ExcretionFormula, {}, in),
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' "
                       "(inadequate potassium conservation)."));
    // The row carries the shorter note.
    outcome.rows.front().interpretation =
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'.");
    return outcome;
}

Outcome UrineProteinCreatinineRatio(const Inputs& in)
{
    const Worked ratio = work(ProteinFormula, ProteinBands, in);
    return oneRow(ratio, ratio.bandText);
}

} // namespace quarvex
