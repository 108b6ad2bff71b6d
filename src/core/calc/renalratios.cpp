// Renal ratios and excretion rates.

#include "calc/items.h"
#include "calc/rowwork.h"

#include <QStringBuilder>

namespace quarvex {

namespace {

using A = AnalyteId;
using R = SourceRole;
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

// The KDIGO 2012 protein to creatinine categories in mg/g, decided on the
// whole number shown.
constexpr Band KdigoProteinBands[] = {
    {150.0, false, "KDIGO category A1: normal to mildly increased proteinuria."},
    {500.0, true, "KDIGO category A2: moderately increased proteinuria."},
    {AndAbove, false, "KDIGO category A3: severely increased proteinuria."},
};
// The same categories in KDIGO's own mg/mmol table, for urine creatinine
// typed in mmol/L, with the mg/g table's edges kept (15 is A2's first value,
// 50 its last). They are not the mg/g limits converted (15 mg/mmol is 133 mg/g).
constexpr Band KdigoProteinMmolBands[] = {
    {15.0, false, "KDIGO category A1: normal to mildly increased proteinuria."},
    {50.0, true, "KDIGO category A2: moderately increased proteinuria."},
    {AndAbove, false, "KDIGO category A3: severely increased proteinuria."},
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
constexpr FormulaOp ProteinInMgPerDl = named(
    mul, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "urine protein in mg/dL"), nullptr, "mg/dL");
constexpr FormulaOp ProteinOps[] = {in(A::UrineProtein), num(100.0), ProteinInMgPerDl,
                                    in(A::UrineCreatinine), div};
constexpr Formula ProteinFormula{"UPCR", ProteinOps, Shown::Fixed2, ""};
// The same ratio in mg of protein per g of creatinine.
constexpr FormulaOp ProteinGramOps[] = {
    in(A::UrineProtein), num(100.0), ProteinInMgPerDl, in(A::UrineCreatinine), div,
    num(1000.0),         mul};
constexpr Formula ProteinGramFormula{"UPCR", ProteinGramOps, Shown::Whole, " mg/g"};
// With urine creatinine typed in mmol/L: mg of protein per mmol of creatinine,
// urine protein in mg/L (g/L times 1000) over urine creatinine as typed.
constexpr FormulaOp ProteinMmolOps[] = {
    in(A::UrineProtein), num(1000.0),
    named(mul, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "urine protein in mg/L"), nullptr,
          "mg/L"),
    in(A::UrineCreatinine, "mmol/L"), div};
constexpr Formula ProteinMmolFormula{"UPCR", ProteinMmolOps, Shown::Whole, " mg/mmol"};
constexpr UnitVariant ProteinMmolRow[] = {
    {A::UrineCreatinine, "mmol/L", &ProteinMmolFormula, KdigoProteinMmolBands},
};

// The screen of the urea ratios: the three results in one line, what they
// are below it, and a message with the results and their texts.
void ureaRatiosScreen(Outcome& outcome, std::span<const QString>)
{
    const QString& t1 = outcome.rows[0].result;
    const QString& t2 = outcome.rows[1].result;
    const QString& t3 = outcome.rows[2].result;
    const QString& i1 = outcome.rows[0].interpretation;
    const QString& i2 = outcome.rows[1].interpretation;
    const QString& i3 = outcome.rows[2].interpretation;

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
}

// The row carries the shorter note, the screen the longer one.
void potassiumExcretionScreen(Outcome& outcome, std::span<const QString>)
{
    outcome.moreInfo =
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' "
                       "(inadequate potassium conservation).");
}

// clang-format off
constexpr SourceRow UricAcidSources[] = {
    {R::Formula, "R4", "Random urine uric acid / urine creatinine ratio (mg/mg)."},
    {R::Bands, "R4", ">1.0 acute uric acid nephropathy; <0.75 other causes of acute renal failure; 0.75–1.0 indeterminate."},
    {R::Bands, "R48", "Urine ratio reference interval (≥18 years) <0.60."},
    {R::Guidance, "R75", "Urine uric acid/creatinine >1 in a random sample in acute uric acid nephropathy."},
};
constexpr SourceRow PotassiumRateSources[] = {
    {R::Bands, "R22", "\">20 mEq/24 h implies wastage\" (urinary-potassium-excretion-rate)."},
    {R::Bands, "R76", "<20 mmol/24 h means non-renal loss."},
    {R::Guidance, "R21", "The spot urine K/Cr ratio."},
    {R::Guidance, "R71", "Urine K/Cr tells renal from non-renal loss."},
};
constexpr SourceRow UreaRatiosSources[] = {
    {R::Formula, "R19", "The BUN/creatinine ratio."},
    {R::Formula, "R77", "The BUN/creatinine ratio."},
    {R::Formula, "R3", "Urine/plasma ratios."},
    {R::Bands, "R19", "BUN/creatinine 10–20 normal, >20 prerenal or catabolic causes (textbook convention)."},
    {R::Bands, "R18", "Ratio >36 in upper gastrointestinal bleeding: sensitivity 90 %, specificity 27 %."},
    {R::Bands, "R3", "U/P creatinine >40 prerenal, <20 ATN; U/P urea >8 prerenal, <3 ATN."},
    {R::Bands, "R73", "U/P creatinine >40 vs <20; U/P urea >8 vs <3."},
};
constexpr SourceRow ProteinRatioSources[] = {
    {R::Formula, "R20", "Single voided urine samples estimate quantitative proteinuria."},
    {R::Bands, "R20", "<0.2 normal, >3.5 nephrotic range."},
    {R::Guidance, "R10", "KDIGO 2012 categories."},
    {R::Guidance, "R78", "A1 <150, A2 150–500, A3 >500 mg/g."},
};

constexpr const char* UrateStepNotes[] = {
    "Changed: an older form divided serum urate by serum creatinine, which gives almost everyone a ratio above 1; the 1.0 cut-off (Kelton, Kelley & Holmes 1978) belongs to urine uric acid ÷ urine creatinine in a random urine sample.",
    "Read only in acute renal failure: a healthy adult's ratio (below 0.60) says nothing about renal failure.",
};
constexpr const char* UrateNotFailing =
    "%1 is not raised. The urine uric acid to creatinine ratio separates acute uric acid "
    "nephropathy from other causes of acute renal failure; in a person without acute renal "
    "failure it says nothing about the kidneys (healthy adults have a ratio below 0.60).";

constexpr ContextRule UrateCreatinineRatioContext[] = {
    {0, {when::notAboveUpper(A::SerumCreatinine)}, UrateNotFailing, "R4 R75 R48",
     "urate-ratio.creatinine-not-raised"},
    {0, {when::notGiven(A::SerumCreatinine)},
     "Serum creatinine is not known. The urine uric acid to creatinine ratio is read only in "
     "acute renal failure, to separate acute uric acid nephropathy from other causes; healthy "
     "adults have a ratio below 0.60.",
     "R4 R75 R48", "urate-ratio.creatinine-unknown"},
    // Kelton's series between its two cut-offs, in acute renal failure.
    {0, {when::rowFromTo(0.75, 1.0), when::aboveUpper(A::SerumCreatinine)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "A ratio of %1 lies from 0.75 to 1.0, where the ratio is indeterminate: it points to "
         "other causes of acute renal failure only below 0.75 and to acute uric acid nephropathy "
         "only above 1.0."),
     "R4", "urate-ratio.indeterminate"},
};
constexpr ContextRule UrinaryPotassiumExcretionContext[] = {
    {0, {when::belowLower(A::SerumPotassium), when::rowBelow(20.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 is low and the excretion of %2 mEq/24 hours is below 20: the kidneys are "
         "conserving potassium, which fits a potassium loss outside the kidneys rather than renal "
         "wasting."),
     "R76 R71", "urinary-potassium.conservation"},
    {0, {when::notBelowLower(A::SerumPotassium)},
     "%1 is not low. An excretion above 20 mEq/24 hours means renal potassium wasting only in a "
     "patient with a low serum potassium (hypokalaemia).",
     "R76 R71", "urinary-potassium.potassium-not-low"},
    {0, {when::notGiven(A::SerumPotassium)},
     "Serum potassium is not known. An excretion above 20 mEq/24 hours means renal potassium "
     "wasting only in a patient with a low serum potassium (hypokalaemia); the rate needs that "
     "value, and a complete 24-hour collection, to be read.",
     "R76 R71", "urinary-potassium.potassium-unknown"},
};
constexpr EvidenceNote UrinaryPotassiumExcretionEvidence[] = {
    {-1, NoteKind::Dated,
     "A spot urine potassium to creatinine ratio is the usual index in practice; the rate needs a "
     "complete 24-hour collection.", "R21 R71"},
};
constexpr ContextRule UreaCreatinineRatiosContext[] = {
    // The urine-to-serum creatinine and urea ratios; the BUN to creatinine ratio
    // (row 0) also reads states other than kidney injury.
    {1, {when::notAboveUpper(A::SerumCreatinine)}, KidneyIndicesNote, KidneyIndicesSources,
     "urine-creatinine-ratio.creatinine-not-raised"},
    {2, {when::notAboveUpper(A::SerumCreatinine)}, KidneyIndicesNote, KidneyIndicesSources,
     "urine-urea-ratio.creatinine-not-raised"},
};
constexpr EvidenceNote UreaCreatinineRatiosEvidence[] = {
    {0, NoteKind::Dated,
     "A BUN to creatinine ratio above 36 is a weak sign of upper GI bleeding (specificity 27 %).",
     "R18"},
};
constexpr EvidenceNote UrineProteinCreatinineRatioEvidence[] = {
    {-1, NoteKind::Dated,
     "KDIGO 2012 grades the ratio as normal to mildly increased below 0.15 mg/mg (150 mg/g), "
     "moderately increased from 0.15 to 0.5 and severely increased above 0.5; the albumin to "
     "creatinine ratio is preferred.", "R10 R78"},
    {-1, NoteKind::Unsourced,
     "No source was found for the bands at 0.1 and 1.0; below 0.2 (normal) and above 3.5 "
     "(nephrotic range) are Ginsberg's.", "R20"},
};
constexpr SourceRow ProteinCategorySources[] = {
    {R::Formula, "R20", "Single voided urine samples estimate quantitative proteinuria."},
    {R::Bands, "R10", "KDIGO 2012 categories of albuminuria and proteinuria; protein to creatinine in mg/mmol A1 <15, A2 15–50, A3 >50."},
    {R::Bands, "R78", "A1 <150, A2 150–500, A3 >500 mg/g."},
    {R::Guidance, "R10", "The albumin to creatinine ratio is preferred (A1 <30, A2 30–300, A3 >300 mg/g)."},
};
constexpr const char* ProteinCategoryStepNotes[] = {
    "Added beside the protein to creatinine ratio in mg/mg: KDIGO gives its categories in mg/g (0.15 mg/mg is 150 mg/g) and in mg/mmol (15 mg/mmol); the ratio is worked in mg/mmol when urine creatinine is typed in mmol/L, else in mg/g, and read from that unit's table on the whole number shown.",
};
// clang-format on

} // namespace

// clang-format off
// Urine uric acid over urine creatinine in a random urine sample, both in
// mg/dL; the 1.0 cut-off belongs to this urine ratio only.
extern constexpr ItemDescriptor UrateCreatinineRatioItem{
    .id = ItemId::UrateCreatinineRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Uric Acid-to-Creatinine Ratio"),
    .key = "urate-creatinine-ratio",
    .checkList = {A::UrineCreatinine, A::UrineUrate},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Urate to Creatinine Ratio"), .formula = &UrateFormula, .bands = UrateBands}},
    .origins = {
        .formulaOrigin = "Kelton, Kelley & Holmes 1978: random urine uric acid ÷ urine creatinine (mg/mg). An older form divided serum urate by serum creatinine, to which the cut-off does not apply.",
        .bandsOrigin = ">1.0 acute uric acid nephropathy, <0.75 other causes of acute renal failure, 0.75–1.0 indeterminate (Mayo catalogue quoting Kelton); the urine ratio of healthy adults is below 0.60.",
        .guidance = "Read only in acute renal failure: a healthy adult's ratio (<0.60) says nothing about renal failure.",
        .caveat = "The uric acid-to-creatinine ratio is read only in acute renal failure, from a random urine sample.",
        .sources = UricAcidSources,
        .stepNotes = UrateStepNotes,
    },
    .notes = {.context = UrateCreatinineRatioContext},
};

extern constexpr ItemDescriptor UrinaryPotassiumExcretionItem{
    .id = ItemId::UrinaryPotassiumExcretion,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Urinary Potassium Excretion Rate"),
    .key = "urinary-potassium-excretion",
    .checkList = {A::UrineVolume, A::UrinePotassium},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Urinary Potassium Excretion"), .formula = &ExcretionFormula,
                 .prefix = "An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'."}},
    .screenForm = potassiumExcretionScreen,
    .origins = {
        .formulaOrigin = "The standard timed-urine excretion: concentration × 24-hour volume.",
        .bandsOrigin = "\">20 mEq/24 h implies wastage\" from calculator documentation; <20 mmol/24 h means non-renal loss (Carroll & Oh, quoted).",
        .guidance = "Only meaningful when the patient is hypokalaemic; needs a complete 24-hour collection; the spot urine K/Cr ratio is preferred in practice.",
        .caveat = "A 24-hour potassium excretion above 20 mEq only means renal wasting when the patient is hypokalaemic.",
        .sources = PotassiumRateSources,
    },
    .notes = {.context = UrinaryPotassiumExcretionContext, .evidence = UrinaryPotassiumExcretionEvidence},
};

extern constexpr ItemDescriptor UreaCreatinineRatiosItem{
    .id = ItemId::UreaCreatinineRatios,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Urea Nitrogen and Creatinine Ratios"),
    .key = "urea-creatinine-ratios",
    .checkList = {A::SerumCreatinine, A::UrineCreatinine, A::SerumUrea, A::UrineUrea},
    .rowList = {
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "Urea to Creatinine Ratio"), .formula = &BunCreatinineFormula, .bands = BunCreatinineBands},
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "Creatinine to Creatinine Ratio"), .formula = &CreatinineCreatinineFormula, .bands = CreatinineCreatinineBands},
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "Urea to Urea Ratio"), .formula = &UreaUreaFormula, .bands = UreaUreaBands},
    },
    .screenForm = ureaRatiosScreen,
    .origins = {
        .formulaOrigin = "The BUN/creatinine ratio from classic physiology; the urine/plasma ratios from Miller 1978.",
        .bandsOrigin = "BUN/creatinine 10–20 normal, >20 prerenal or catabolic causes (textbook convention), >36 upper gastrointestinal bleeding (Ernst 1999); U/P creatinine >40 prerenal, <20 ATN; U/P urea >8 prerenal, <3 ATN.",
        .guidance = "Older texts pair an elevated U/P urea ratio with ATN, inverted against Miller (a high U/P urea ratio means prerenal); this program pairs <3 with ATN and >8 with prerenal. A BUN/creatinine ratio >36 is a weak discriminator (specificity 27 %).",
        .caveat = "\"Urea\" means urea nitrogen (BUN): a report giving urea mass in mg/dL must first be divided by 2.14, or every urea ratio is 2.14× too high.",
        .sources = UreaRatiosSources,
    },
    .notes = {.context = UreaCreatinineRatiosContext, .evidence = UreaCreatinineRatiosEvidence},
};

extern constexpr ItemDescriptor UrineProteinCreatinineRatioItem{
    .id = ItemId::UrineProteinCreatinineRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Urine Protein to Urine Creatinine Ratio"),
    .key = "protein-creatinine-ratio",
    .checkList = {A::UrineCreatinine, A::UrineProtein},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Urine Protein to Creatinine Ratio"), .formula = &ProteinFormula, .bands = ProteinBands}},
    .origins = {
        .formulaOrigin = "Ginsberg et al. 1983.",
        .bandsOrigin = "<0.2 normal and >3.5 nephrotic range (Ginsberg 1983); the origin of the intermediate 0.1 and 1.0 bands was not found.",
        .guidance = "KDIGO 2012 protein/creatinine categories: <150 mg/g (<0.15 mg/mg) normal to mildly, 150–500 moderately, >500 severely increased; albumin/creatinine is preferred (A1 <30, A2 30–300, A3 >300 mg/g).",
        .caveat = "The ratio is in mg/mg, while KDIGO uses mg/g or mg/mmol (0.15 mg/mg = 150 mg/g = 15 mg/mmol).",
        .sources = ProteinRatioSources,
    },
    .notes = {.evidence = UrineProteinCreatinineRatioEvidence},
};
// clang-format on

// clang-format off
extern constexpr ItemDescriptor ProteinuriaCategoryItem{
    .id = ItemId::ProteinuriaCategory,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Proteinuria Category (KDIGO)"),
    .key = "proteinuria-category",
    .checkList = {A::UrineCreatinine, A::UrineProtein},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Proteinuria Category (KDIGO)"), .formula = &ProteinGramFormula, .bands = KdigoProteinBands,
                 .unitVariants = ProteinMmolRow}},
    .inputOrder = InputOrder::Formulas,
    .origins = {
        .formulaOrigin = "The urine protein to creatinine ratio (Ginsberg et al. 1983) in the units of the urine creatinine typed: with mg/dL in mg/g, urine protein (g/L × 100 = mg/dL) ÷ urine creatinine (mg/dL) × 1000; with mmol/L in mg/mmol, urine protein (g/L × 1000 = mg/L) ÷ urine creatinine (mmol/L).",
        .bandsOrigin = "The KDIGO 2012 protein to creatinine categories, from the table of the ratio's unit: A1 <150, A2 150–500, A3 >500 mg/g; A1 <15, A2 15–50, A3 >50 mg/mmol.",
        .guidance = "KDIGO prefers the albumin to creatinine ratio (A1 <30, A2 30–300, A3 >300 mg/g).",
        .caveat = "A category of proteinuria, not of the albuminuria that KDIGO prefers. KDIGO's mg/mmol limits are not exact conversions of its mg/g limits (creatinine 113.12 mg/mmol: 15 mg/mmol is 133 mg/g, 50 mg/mmol is 442 mg/g), so a ratio between 133 and 150 mg/g is A1 in mg/g but A2 in mg/mmol, and one between 442 and 500 mg/g A2 in mg/g but A3 in mg/mmol: the category follows the unit the urine creatinine is typed in.",
        .sources = ProteinCategorySources,
        .stepNotes = ProteinCategoryStepNotes,
    },
};
// clang-format on

} // namespace quarvex
