// Lipids and coronary risk.

#include "calc/items.h"
#include "calc/rowwork.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using R = SourceRole;
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

// Non-HDL cholesterol in mg/dL, decided on the whole number shown.
constexpr Band NonHdlBands[] = {
    {130.0, false, "desirable"},       {160.0, false, "above desirable"},
    {190.0, false, "borderline high"}, {220.0, false, "high"},
    {AndAbove, false, "very high"},
};

// Friedewald's estimate holds up to 400 mg/dL of triglycerides, Sampson's up
// to 800 mg/dL.
constexpr double FriedewaldTriglycerides = 400.0;
constexpr double SampsonTriglycerides = 800.0;

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

constexpr FormulaOp NonHdlOps[] = {in(A::Chol), in(A::HDL), sub};
constexpr Formula NonHdlFormula{"Non-HDL", NonHdlOps, Shown::Whole, " mg/dL"};

// TC − HDL − TG/5, all in mg/dL.
// The 5 is the mass ratio of triglycerides to cholesterol in VLDL, so TG ÷ 5
// estimates the VLDL cholesterol.
constexpr FormulaOp FriedewaldOps[] = {
    in(A::Chol),
    in(A::HDL),
    named(sub, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "non-HDL cholesterol")),
    in(A::Triglycerides),
    num(5.0),
    named(div, QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "VLDL cholesterol \u2248 TG \u00f7 5")),
    sub};
constexpr Formula FriedewaldFormula{"LDL", FriedewaldOps, Shown::Whole, " mg/dL"};

// TC/0.948 − HDL/0.971 − (TG/8.56 + TG × (TC − HDL)/2140 − TG²/16100) − 9.44,
// all in mg/dL; 2140 and 16100 are in mg/dL, so every term is.
// clang-format off
constexpr FormulaOp SampsonOps[] = {
    in(A::Chol), num(0.948), div,
    in(A::HDL), num(0.971), div,
    sub,
    in(A::Triglycerides), num(8.56), div,
    in(A::Triglycerides), in(A::Chol), in(A::HDL), sub, mul, num(2140.0, "mg/dL"), div,
    add,
    in(A::Triglycerides), num(2.0), power, num(16100.0, "mg/dL"), div,
    sub,
    sub,
    num(9.44),
    sub,
};
// clang-format on
constexpr Formula SampsonFormula{"LDL", SampsonOps, Shown::Whole, " mg/dL"};

// The screen's summary of the three lipid classes: each row's
// interpretation ("HDL Cholesterol: average"), each followed by an empty line.
QString lipidSummary(const Outcome& outcome)
{
    QString summary;
    for (const ResultRow& row : outcome.rows)
        summary += row.interpretation + CR + CR;
    return summary;
}

// The classes are the rows' results too; the screen shows only the summary.
void cholesterolClassesScreen(Outcome& outcome, std::span<const QString> classes)
{
    for (qsizetype i = 0; i < outcome.rows.size(); ++i)
        outcome.rows[i].result = classes[size_t(i)];
    outcome.moreInfo = lipidSummary(outcome);
}

// The rows show the values; the screen shows only the summary.
void adult3Screen(Outcome& outcome, std::span<const QString>)
{
    outcome.moreInfo = lipidSummary(outcome);
}

// clang-format off
constexpr const char* LipidCaveat =
    "Lipid classes are partly outdated or differ from their source: ATP I LDL classes, HDL = 60 "
    "called \"intermediate\" where ATP III says \"high\", class-based targets replaced in 2018, "
    "very high HDL linked with higher mortality, and historical ratio bands with gaps.";

constexpr SourceRow CholesterolSources[] = {
    {R::Formula, "R26", "HDL as a protective factor (Framingham)."},
    {R::Formula, "R27", "HDL and other lipids in coronary heart disease."},
    {R::Formula, "R28", "Coronary heart disease incidence by lipoprotein cholesterol (Framingham)."},
    {R::Bands, "R24", "Total cholesterol <200/200–239/≥240 and LDL <130/130–159/≥160 mg/dL: the NCEP ATP I classes."},
    {R::Bands, "U5", "The concept behind the \"longevity\" label (familial hyperalphalipoproteinaemia)."},
    {R::Guidance, "R23", "ATP III (2001) superseded the LDL classes."},
    {R::Guidance, "R25", "2018 AHA/ACC guideline: risk-based statin groups."},
    {R::Guidance, "R30", "Very high HDL: U-shaped mortality, lowest at about 73 mg/dL (men) / 93 mg/dL (women), HR 2.06 at ≥116 mg/dL in men."},
};
constexpr SourceRow CholHdlSources[] = {
    {R::Formula, "R28", "The total cholesterol to HDL ratio (Castelli index)."},
    {R::Formula, "R29", "Coronary risk by ratio."},
    {R::Bands, "R67", "Framingham half-average 3.4 (men) / 3.3 (women), average 5.0 / 4.4, twice average 9.6 / 7.0."},
    {R::Guidance, "R67", "AHA/consumer target below 5, optimum 3.5."},
    {R::Guidance, "R29", "High-risk thresholds 6.4 (men) / 5.6 (women)."},
    {R::Guidance, "R25", "Risk is now estimated with multivariable equations."},
};
constexpr SourceRow LdlHdlSources[] = {
    {R::Formula, "R29", "The ratio as used in Framingham-era risk work."},
    {R::Bands, "R22", "Bands 0.5–3 low, 3–6 moderate, >6 high (ldl-hdl-ratio)."},
    {R::Guidance, "R23", "ATP III does not use the ratio."},
    {R::Guidance, "R25", "The 2018 AHA/ACC guideline does not use the ratio."},
    {R::Guidance, "R68", "Popular target below 3.5."},
};
constexpr SourceRow Atp3Sources[] = {
    {R::Formula, "R23", "The ATP III classification."},
    {R::Bands, "R23", "LDL <100 optimal, 100–129 near/above optimal, 130–159 borderline high, 160–189 high, ≥190 very high; HDL <40 low, ≥60 high."},
    {R::Guidance, "R25", "The 2018 AHA/ACC guideline replaced ATP III."},
};
constexpr ContextRule CholesterolLevelsContext[] = {
    // The last band of the HDL risk table reads "longevity".
    {1, {when::topBand()},
     "Very high HDL cholesterol is not protective: in two large cohorts mortality was lowest near "
     "73 mg/dL in men and 93 mg/dL in women and higher above that (about twice as high in men "
     "from 116 mg/dL), so \"longevity\" is misleading.",
     "R30 U5", "hdl.longevity"},
    {1, {when::notTopBand()},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "The HDL text is the risk of coronary heart disease relative to the average risk, not "
         "a measure of the HDL cholesterol itself: at an HDL cholesterol of %1 mg/dL a risk above "
         "average goes with a low HDL, a risk below average with a high one."),
     "R26 R28", "hdl.relative-risk"},
};
constexpr EvidenceNote CholesterolLevelsEvidence[] = {
    {1, NoteKind::Unsourced,
     "No printed source was found for the HDL risk table (\"times average\"); it is derived from "
     "Framingham data.", "R26 R27 R28"},
    {2, NoteKind::Dated,
     "These LDL classes are those of ATP I (1988); ATP III (2001) and then the 2018 AHA/ACC "
     "guideline, which treats by risk group, replaced them.", "R24 R23 R25"},
};
constexpr EvidenceNote CholesterolHdlRatioEvidence[] = {
    {-1, NoteKind::Dated,
     "Not a current guideline classification: risk is now estimated with multivariable equations; "
     "a ratio below 5 is a common target, 3.5 the optimum.", "R25 R67 R29"},
    {-1, NoteKind::Unsourced,
     "The \"3 times\" bounds (23.3 for men, 10.9 for women) were found in no source; the other "
     "values are quoted only by secondary sources.", "R67"},
};
constexpr EvidenceNote LdlHdlRatioEvidence[] = {
    {-1, NoteKind::Dated,
     "Historical: neither ATP III nor the 2018 AHA/ACC guideline uses the LDL to HDL ratio; a "
     "popular target is below 3.5.", "R23 R25 R68"},
    {-1, NoteKind::Unsourced,
     "The bands match public calculator documentation; their primary source was not found.", "R22"},
};
constexpr EvidenceNote Adult3Evidence[] = {
    {0, NoteKind::Dated,
     "ATP III (2001, updated 2004) was replaced by the 2018 AHA/ACC guideline, which treats by "
     "risk group rather than by these classes.", "R23 R25"},
    {1, NoteKind::Dated,
     "ATP III calls HDL cholesterol of 60 mg/dL or more \"high\" and has no \"intermediate\" "
     "class; this item calls 40 to 60 mg/dL \"intermediate\". ATP III was replaced by the 2018 "
     "AHA/ACC guideline.", "R23 R25"},
    {2, NoteKind::Dated,
     "ATP III (2001, updated 2004) was replaced by the 2018 AHA/ACC guideline, which treats by "
     "risk group rather than by these classes.", "R23 R25"},
};

constexpr SourceRow NonHdlSources[] = {
    {R::Formula, "U13", "Non-HDL cholesterol: total cholesterol less HDL cholesterol."},
    {R::Bands, "U13", "<130 desirable, 130–159 above desirable, 160–189 borderline high, 190–219 high, ≥220 mg/dL very high."},
    {R::Guidance, "R25", "The 2018 AHA/ACC guideline treats by risk group."},
};
constexpr SourceRow FriedewaldSources[] = {
    {R::Formula, "U11", "LDL = TC − HDL − TG/5 (mg/dL); not valid at TG above 400 mg/dL."},
    {R::Bands, "R23", "The ATP III LDL classes."},
    {R::Guidance, "U12", "Sampson's equation holds up to 800 mg/dL of triglycerides."},
};
constexpr SourceRow SampsonSources[] = {
    {R::Formula, "U12", "The Sampson (NIH) equation, for triglycerides up to 800 mg/dL; check value 123.4 mg/dL."},
    {R::Bands, "R23", "The ATP III LDL classes."},
    {R::Guidance, "U11", "Friedewald's estimate, not valid above 400 mg/dL of triglycerides."},
};
constexpr const char* NonHdlStepNotes[] = {
    "Added beside the cholesterol classes: non-HDL cholesterol is the cholesterol of every lipoprotein but HDL, needs no triglycerides and has its own classes.",
};
constexpr const char* FriedewaldStepNotes[] = {
    "Added beside the typed LDL: most laboratories calculate LDL cholesterol rather than measure it; Friedewald's estimate (1972) takes the VLDL cholesterol as a fifth of the triglycerides and fails above 400 mg/dL.",
};
constexpr const char* SampsonStepNotes[] = {
    "Added beside Friedewald's estimate: Sampson's equation (2020) holds up to 800 mg/dL of triglycerides.",
};
// Friedewald's estimate at a low LDL and raised triglycerides, beside
// Sampson's from the same values, worked by the Sampson item.
constexpr ContextRule LdlFriedewaldContext[] = {
    {0, {when::above(A::Triglycerides, 150.0), when::rowBelow(70.0),
         when::otherRowShown(ItemId::LdlSampson, 0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 is above 150 mg/dL and this LDL cholesterol of %2 mg/dL is below 70: there "
         "Friedewald's estimate falls short of the LDL cholesterol. Sampson's equation gives %3 "
         "from the same values. (No source on this program's literature list states the "
         "shortfall.)"),
     "U11 U12", "friedewald.low-ldl", NoteBasis::Unsourced},
};
constexpr EvidenceNote LdlCalculatedEvidence[] = {
    {0, NoteKind::Dated,
     "The ATP III LDL classes were replaced by the 2018 AHA/ACC guideline, which treats by risk "
     "group rather than by these classes.", "R23 R25"},
};
// clang-format on

} // namespace

// clang-format off
extern constexpr ItemDescriptor CholesterolLevelsItem{
    .id = ItemId::CholesterolLevels,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Cholesterol Level Interpretation"),
    .key = "cholesterol-levels",
    .checkList = {A::Gender, A::Chol, A::HDL, A::LDL},
    .rowList = {
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "Total Cholesterol"), .formula = &CholClass, .bands = CholesterolBands, .prefix = "Total Cholesterol: "},
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "HDL Cholesterol"), .formula = &HdlClass, .bands = HdlRiskMale, .femaleBands = HdlRiskFemale, .prefix = "HDL Cholesterol: "},
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "LDL Cholesterol"), .formula = &LdlClass, .bands = LdlBands, .prefix = "LDL Cholesterol: "},
    },
    .inputOrder = InputOrder::Formulas,
    .screenForm = cholesterolClassesScreen,
    .origins = {
        .formulaOrigin = "Plain lipid values, with HDL as a protective factor from the Framingham Study.",
        .bandsOrigin = "Total cholesterol and LDL classes are the NCEP ATP I (1988) classes; the HDL \"times average\" table is Framingham-derived, its exact printed source not found; the \"longevity\" label follows the concept of familial hyperalphalipoproteinaemia.",
        .guidance = "Dated: the LDL classes were superseded by ATP III (2001) and by the risk-based statin groups of the 2018 AHA/ACC guideline; very high HDL is not protective (Madsen 2017), so \"longevity\" is misleading.",
        .caveat = LipidCaveat,
        .sources = CholesterolSources,
    },
    .notes = {.context = CholesterolLevelsContext, .evidence = CholesterolLevelsEvidence},
};

extern constexpr ItemDescriptor CholesterolHdlRatioItem{
    .id = ItemId::CholesterolHdlRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Total Cholesterol-to-HDL Cholesterol Ratio"),
    .key = "cholesterol-hdl-ratio",
    .checkList = {A::Gender, A::Chol, A::HDL},
    .rowList = {
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "Total Cholesterol-to-HDL Cholesterol Ratio"), .formula = &CholHdlFormula, .bands = CholHdlMale, .femaleBands = CholHdlFemale,
         .prefix = "The risk of coronary artery disease is ", .suffix = " the 'average American'."},
    },
    .inputOrder = InputOrder::Formulas,
    .origins = {
        .formulaOrigin = "The Castelli/Framingham ratio (\"Castelli index\").",
        .bandsOrigin = "Framingham half-average, average and twice-average values, seen only in secondary consumer pages; the three-times-average bounds (23.3 men, 10.9 women) were not found in any source.",
        .guidance = "Not a current guideline classification: AHA/consumer target below 5 (optimum 3.5); Kinosian 1994 high-risk thresholds 6.4 (men) / 5.6 (women); risk is now estimated with multivariable equations (2018 AHA/ACC).",
        .ownChoice = "Closing the gaps the published bands leave (4.9–5.0 and 9.5–9.6 for men, 4.3–4.4 and 6.9–7.0 for women) is this program's own choice: each band runs from just above the bound before it up to and including its own.",
        .caveat = LipidCaveat,
        .sources = CholHdlSources,
    },
    .notes = {.evidence = CholesterolHdlRatioEvidence},
};

extern constexpr ItemDescriptor LdlHdlRatioItem{
    .id = ItemId::LdlHdlRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "LDL Cholesterol-to-HDL Cholesterol Ratio"),
    .key = "ldl-hdl-ratio",
    .checkList = {A::HDL, A::LDL},
    .rowList = {
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "LDL to HDL ratio"), .formula = &LdlHdlFormula, .bands = LdlHdlBands, .prefix = "Risk of cardiovascular disease: "},
    },
    .inputOrder = InputOrder::Formulas,
    .origins = {
        .formulaOrigin = "A ratio used in Framingham-era risk work.",
        .bandsOrigin = "The bands match public calculator documentation; their primary source was not found.",
        .guidance = "Historical: not used by ATP III (2001) or the 2018 AHA/ACC guideline; a popular target is below 3.5.",
        .caveat = LipidCaveat,
        .sources = LdlHdlSources,
    },
    .notes = {.evidence = LdlHdlRatioEvidence},
};

extern constexpr ItemDescriptor Adult3Item{
    .id = ItemId::Adult3,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Adult Treatment Panel III Classification"),
    .key = "atp3-classification",
    .checkList = {A::Chol, A::HDL, A::LDL},
    .rowList = {
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "ATP3: Total Cholesterol"), .formula = &CholValue, .bands = CholesterolBands, .prefix = "Total Cholesterol: "},
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "ATP3 :HDL Cholesterol"), .formula = &HdlValue, .bands = Atp3HdlBands, .prefix = "HDL Cholesterol: "},
        {.name = QT_TRANSLATE_NOOP("quarvex::Item", "ATP3: LDL Cholesterol"), .formula = &LdlValue, .bands = Atp3LdlBands, .prefix = "LDL Cholesterol: "},
    },
    .inputOrder = InputOrder::Formulas,
    .screenForm = adult3Screen,
    .origins = {
        .formulaOrigin = "NCEP ATP III (2001).",
        .bandsOrigin = "The ATP III classes for total cholesterol, HDL and LDL.",
        .guidance = "Differs at 60 mg/dL: ATP III calls HDL ≥60 \"high\" and has no \"intermediate\" class, while this program calls 40–60 inclusive \"intermediate\"; ATP III was updated in 2004 (Grundy, Circulation 2004) and replaced by the 2018 AHA/ACC guideline.",
        .caveat = LipidCaveat,
        .sources = Atp3Sources,
    },
    .notes = {.evidence = Adult3Evidence},
};
// clang-format on

// clang-format off
extern constexpr ItemDescriptor NonHdlCholesterolItem{
    .id = ItemId::NonHdlCholesterol,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Non-HDL Cholesterol"),
    .key = "non-hdl-cholesterol",
    .checkList = {A::Chol, A::HDL},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Non-HDL Cholesterol"), .formula = &NonHdlFormula, .bands = NonHdlBands, .prefix = "Non-HDL cholesterol: "}},
    .inputOrder = InputOrder::Formulas,
    .positiveList = {{0, A::HDL, "HDL cholesterol: the formula needs HDL cholesterol below total cholesterol"}},
    .origins = {
        .formulaOrigin = "Total cholesterol less HDL cholesterol (National Lipid Association 2014).",
        .bandsOrigin = "The National Lipid Association classes, 30 mg/dL above the LDL classes, read from the whole number shown.",
        .guidance = "A target beside LDL cholesterol; the 2018 AHA/ACC guideline treats by risk group.",
        .sources = NonHdlSources,
        .stepNotes = NonHdlStepNotes,
    },
};
static_assert(limitsOnChecks(NonHdlCholesterolItem), "a positive row must be on one of the item's checks");

extern constexpr ItemDescriptor LdlFriedewaldItem{
    .id = ItemId::LdlFriedewald,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "LDL Cholesterol (Friedewald)"),
    .key = "ldl-friedewald",
    .checkList = {A::Chol, A::HDL, A::Triglycerides},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "LDL Cholesterol (Friedewald)"), .formula = &FriedewaldFormula, .bands = Atp3LdlBands, .prefix = "LDL Cholesterol: "}},
    .inputOrder = InputOrder::Formulas,
    .limitList = {{.analyte = A::Triglycerides, .text = "Triglycerides: the formula needs triglycerides of 400 mg/dL or less", .atMost = FriedewaldTriglycerides}},
    .positiveList = {{0, A::HDL, "HDL cholesterol: the calculated LDL cholesterol would be zero or less"}},
    .origins = {
        .formulaOrigin = "Friedewald, Levy & Fredrickson 1972: TC − HDL − TG/5 in mg/dL, the VLDL cholesterol taken as a fifth of the triglycerides.",
        .bandsOrigin = "The ATP III LDL classes (as \"ATP3: LDL Cholesterol\"), read from the whole number shown.",
        .guidance = "Not valid above 400 mg/dL of triglycerides; Sampson's equation (2020) holds up to 800 mg/dL. The 2018 AHA/ACC guideline treats by risk group rather than by LDL classes.",
        .caveat = "A calculated LDL cholesterol; Friedewald's work used fasting samples, and the estimate fails above 400 mg/dL of triglycerides.",
        .sources = FriedewaldSources,
        .stepNotes = FriedewaldStepNotes,
    },
    .notes = {.context = LdlFriedewaldContext, .evidence = LdlCalculatedEvidence},
};
static_assert(limitsOnChecks(LdlFriedewaldItem), "a formula limit must be on one of the item's checks");

extern constexpr ItemDescriptor LdlSampsonItem{
    .id = ItemId::LdlSampson,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "LDL Cholesterol (Sampson)"),
    .key = "ldl-sampson",
    .checkList = {A::Chol, A::HDL, A::Triglycerides},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "LDL Cholesterol (Sampson)"), .formula = &SampsonFormula, .bands = Atp3LdlBands, .prefix = "LDL Cholesterol: "}},
    .inputOrder = InputOrder::Formulas,
    .limitList = {{.analyte = A::Triglycerides, .text = "Triglycerides: the formula needs triglycerides of 800 mg/dL or less", .atMost = SampsonTriglycerides}},
    .positiveList = {{0, A::HDL, "HDL cholesterol: the calculated LDL cholesterol would be zero or less"}},
    .origins = {
        .formulaOrigin = "Sampson et al. 2020 (NIH equation): TC/0.948 − HDL/0.971 − (TG/8.56 + TG × non-HDL/2140 − TG²/16100) − 9.44 in mg/dL.",
        .bandsOrigin = "The ATP III LDL classes (as \"ATP3: LDL Cholesterol\"), read from the whole number shown.",
        .guidance = "Holds up to 800 mg/dL of triglycerides, where Friedewald's estimate stops at 400 mg/dL. The 2018 AHA/ACC guideline treats by risk group rather than by LDL classes.",
        .caveat = "A calculated LDL cholesterol; its coefficients are as widely reproduced.",
        .sources = SampsonSources,
        .stepNotes = SampsonStepNotes,
    },
    .notes = {.evidence = LdlCalculatedEvidence},
};
static_assert(limitsOnChecks(LdlSampsonItem), "a formula limit must be on one of the item's checks");
// clang-format on

} // namespace quarvex
