// Renal clearances and fractional excretions.

#include "calc/items.h"
#include "calc/rowwork.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using R = SourceRole;
using namespace rowwork;

// Cockcroft and Gault subtract the age from 140: from this age on the
// formula gives no clearance.
constexpr double CockcroftGaultAgeLimit = 140.0;

// Amylase-to-creatinine clearance ratio, in percent.
constexpr Band AmylaseBands[] = {
    {1.0, false,
     "The result indicates macroamylasemia (polymerization of amylase to amylase or to "
     "immunoglobulins."},
    {5.0, true, "Amylase Clearance -to- Creatinine Clearance appear normal."},
    {AndAbove, false,
     "The result indicates acute pancreatitis but may also occur in burns, diabetic "
     "ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, "
     "dudodenal perforation, and pancreatic cancer. "},
};

// Estimated creatinine clearance (GFR), in mL/min; 62.5 up to 80 gives no text.
constexpr Band ClearanceBands[] = {
    {28.0, false, "Based on GFR, renal function is severely impaired."},
    {42.0, false, "Based on GFR, renal function is moderately impaired."},
    {52.0, false, "Based on GFR, renal function is mildly impaired."},
    {62.5, false, "Based on GFR, renal function is slightly impaired."},
    {80.0, true, nullptr},
    {AndAbove, false, "Based on GFR, renal function is normal."},
};

// The KDIGO 2012 GFR categories in mL/min/1.73 m², decided on the whole
// number shown.
constexpr Band KdigoGfrBands[] = {
    {15.0, false, "KDIGO category G5: kidney failure."},
    {30.0, false, "KDIGO category G4: severely decreased."},
    {45.0, false, "KDIGO category G3b: moderately to severely decreased."},
    {60.0, false, "KDIGO category G3a: mildly to moderately decreased."},
    {90.0, false, "KDIGO category G2: mildly decreased."},
    {AndAbove, false, "KDIGO category G1: normal or high."},
};

// Fractional urea excretion in per cent, decided on the number shown with
// one decimal.
constexpr Band UreaFractionBands[] = {
    {35.0, true,
     "A fractional urea excretion of 35 % or less suggests a prerenal cause of acute kidney "
     "injury."},
    {50.0, false,
     "A fractional urea excretion between 35 % and 50 % does not separate prerenal from "
     "intrinsic causes."},
    {AndAbove, false,
     "A fractional urea excretion of 50 % or more suggests acute tubular necrosis."},
};

// The CKD-EPI equation is for adults.
constexpr double AdultAge = 18.0;

using namespace op;

// Amylase clearance over creatinine clearance, in percent.
constexpr FormulaOp AmylaseOps[] = {in(A::SerumCreatinine),
                                    in(A::UrineCreatinine),
                                    div,
                                    in(A::UrineAmylase),
                                    in(A::SerumAmylase),
                                    div,
                                    mul,
                                    num(100.0),
                                    mul};
constexpr Formula AmylaseFormula{"ACCR", AmylaseOps, Shown::Fixed2, " %"};

// Cockcroft and Gault with the given serum value in mg/dL:
// ((140 - age) * weight) / (constant * serum), the constant 72 for Male and 85 for Female.
constexpr FormulaOp ClearanceOps[] = {num(CockcroftGaultAgeLimit, "years"),
                                      in(A::Age),
                                      sub,
                                      in(A::Weight),
                                      mul,
                                      gender(72.0, 85.0),
                                      in(A::SerumCreatinine),
                                      mul,
                                      div};
constexpr Formula ClearanceFormula{"CrCl", ClearanceOps, Shown::Fixed2, " mL/min"};

// A renal clearance, U x V / P, of a 24-hour urine collection (1440 minutes):
// (urine phosphorus * urine volume) / (serum phosphorus * 1440), in mL/min.
constexpr FormulaOp PhosphorusOps[] = {
    in(A::UrinePhosphorus), in(A::UrineVolume), mul, in(A::SerumPhosphorus), num(1440.0), mul, div};
constexpr Formula PhosphorusFormula{"PCl", PhosphorusOps, Shown::Fixed2, " mL/min"};

// A fraction, not a percentage.
constexpr FormulaOp PotassiumOps[] = {in(A::UrinePotassium),
                                      in(A::SerumPotassium),
                                      div,
                                      in(A::UrineCreatinine),
                                      in(A::SerumCreatinine),
                                      div,
                                      div};
constexpr Formula PotassiumFormula{"FEK", PotassiumOps, Shown::Fixed2, " "};

constexpr FormulaOp SodiumOps[] = {in(A::UrineSodium),
                                   in(A::SerumSodium),
                                   div,
                                   in(A::UrineCreatinine),
                                   in(A::SerumCreatinine),
                                   div,
                                   div,
                                   num(100.0),
                                   mul};
constexpr Formula SodiumFormula{"FENa", SodiumOps, Shown::Fixed2, " % FE-Na"};

constexpr FormulaOp CalciumOps[] = {in(A::UrineCalcium),
                                    in(A::SerumCalcium),
                                    div,
                                    in(A::UrineCreatinine),
                                    in(A::SerumCreatinine),
                                    div,
                                    div};
constexpr Formula CalciumFormula{"CaCl", CalciumOps, Shown::Fixed2, " "};

// The CKD-EPI 2021 creatinine equation, serum creatinine in mg/dL:
// 142 × min(Scr/κ, 1)^α × max(Scr/κ, 1)^−1.200 × 0.9938^age × S, with
// κ 0.9 / 0.7, α −0.302 / −0.241 and S 1 / 1.012 for Male / Female.
constexpr FormulaOp EgfrOps[] = {
    num(142.0, "mL/min/1.73 m\u00b2"),
    in(A::SerumCreatinine),
    gender(0.9, 0.7, "\u03ba", "mg/dL"),
    named(div, nullptr, "Scr/\u03ba"), // op 3: worked once, used again below
    num(1.0),
    minOf,
    gender(-0.302, -0.241, "\u03b1"),
    power,
    mul,
    recall(3),
    num(1.0),
    maxOf,
    num(-1.2),
    power,
    mul,
    num(0.9938),
    in(A::Age),
    power,
    mul,
    gender(1.0, 1.012, "S"),
    mul,
};
constexpr Formula EgfrFormula{"eGFR", EgfrOps, Shown::Whole, " mL/min/1.73 m\u00b2",
                              "mL/min/1.73 m\u00b2"};

// (urine urea ÷ serum urea) ÷ (urine creatinine ÷ serum creatinine) × 100,
// each pair in one unit: a pair typed in one unit cancels as typed.
constexpr FormulaOp UreaFractionOps[] = {in(A::UrineUrea),
                                         in(A::SerumUrea),
                                         div,
                                         in(A::UrineCreatinine),
                                         in(A::SerumCreatinine),
                                         div,
                                         div,
                                         num(100.0),
                                         mul};
constexpr Formula UreaFractionFormula{"FEUrea", UreaFractionOps, Shown::Fixed1, " %"};

constexpr FormulaOp RfiOps[] = {in(A::UrineSodium), in(A::UrineCreatinine), in(A::SerumCreatinine),
                                div, div};
constexpr Formula RfiFormula{"RFI", RfiOps, Shown::Fixed2, " mEq/L"};

// clang-format off
constexpr const char* UrineIndexCaveat =
    "Renal urinary indices need the right patient and sample: they were validated in oliguric "
    "acute kidney injury before diuretics or fluids; diuretics, CKD, contrast and sepsis "
    "invalidate them (use fractional urea excretion <35 % on diuretics).";

constexpr SourceRow AmylaseSources[] = {
    {R::Formula, "U1", "The clearance-ratio concept."},
    {R::Formula, "R5", "Diagnostic use; normal 3.1 ± 1.1 %."},
    {R::Formula, "R6", "Mechanism of the raised ratio in acute pancreatitis."},
    {R::Bands, "R7", "1–5 % normal, <1 % macroamylasaemia, >5 % pancreatitis."},
    {R::Bands, "R22", "The same texts (amylase-clearance-to-creatinine-clearance)."},
    {R::Guidance, "R8", "ACG 2013: pain, lipase/amylase >3× the upper limit, imaging."},
    {R::Guidance, "R9", "ACG 2024: the same diagnostic criteria."},
};
constexpr SourceRow CreatinineClearanceSources[] = {
    {R::Formula, "R1", "The formula; women 15 % less."},
    {R::Formula, "R62", "The female constant 85."},
    {R::Guidance, "R10", "KDIGO 2012 GFR categories G1 ≥90, G2 60–89, G3a 45–59, G3b 30–44, G4 15–29, G5 <15 mL/min/1.73 m²."},
    {R::Guidance, "R11", "CKD-EPI 2021 race-free eGFR."},
    {R::Guidance, "R69", "Derived in a 96 % male population aged 18–92; still used for drug dosing."},
};
constexpr SourceRow PotassiumFractionSources[] = {
    {R::Formula, "R70", "The fractional excretion formula (×100 gives per cent)."},
    {R::Guidance, "R70", "In hypokalaemia, FEK below about 10 % means appropriate renal conservation."},
    {R::Guidance, "U3", "Classic study of FEK in hypokalaemia."},
    {R::Guidance, "R21", "The spot urine K/Cr ratio."},
    {R::Guidance, "R71", "Urine K/Cr tells renal from non-renal loss."},
};
constexpr SourceRow CalciumClearanceSources[] = {
    {R::Formula, "R17", "The calcium/creatinine clearance ratio used to tell FHH from primary hyperparathyroidism."},
    {R::Guidance, "R17", "Below 0.01 suggests FHH, above 0.02 favours PHPT, overlap 0.01–0.02."},
    {R::Guidance, "R72", "Christensen data: >0.02 excludes FHH."},
};
constexpr SourceRow RfiSources[] = {
    {R::Formula, "R3", "The renal failure index."},
    {R::Guidance, "R22", "RFI ≤1 prerenal, >1 ATN (renal-failure-index)."},
    {R::Guidance, "R74", "RFI <1 vs >1."},
    {R::Guidance, "R13", "Exceptions: diuretics, CKD, contrast, sepsis, myoglobinuria."},
    {R::Guidance, "R12", "Fractional urea excretion <35 % on diuretics."},
};
constexpr SourceRow SodiumFractionSources[] = {
    {R::Formula, "R2", "FENa <1 prerenal, >3 ATN."},
    {R::Formula, "R3", "Urinary diagnostic indices in acute renal failure."},
    {R::Guidance, "R73", "FENa <1 % prerenal, >2 % ATN."},
    {R::Guidance, "R74", "FENa <1 vs >2–3 %."},
    {R::Guidance, "R13", "Exceptions: diuretics, CKD, contrast, early obstruction, glomerulonephritis."},
    {R::Guidance, "R12", "Fractional urea excretion <35 % on diuretics."},
};
constexpr SourceRow PhosphorusSources[] = {
    {R::Guidance, "R14", "TmP/GFR nomogram."},
    {R::Guidance, "R15", "TmP/GFR algorithm."},
    {R::Guidance, "R16", "The algorithm performs better than the nomogram."},
    {R::Guidance, "R66", "Adult renal phosphorus threshold 2.7–4.1 mg/dL."},
};

constexpr const char* PhosphorusStepNotes[] = {
    "Changed: an older form put serum phosphorus into the Cockcroft–Gault creatinine formula, a number that measures nothing; this is the renal clearance U × V ÷ P, with serum and urine phosphorus in place of the creatinine values.",
};
constexpr EvidenceNote AmylaseClearanceEvidence[] = {
    {-1, NoteKind::Dated,
     "No longer recommended to diagnose acute pancreatitis (insensitive; raised by renal "
     "insufficiency, diabetic ketoacidosis and burns): diagnose by pain, lipase or amylase above "
     "3 times the upper limit, and imaging. Still useful to detect macroamylasaemia (below 1 %).",
     "R7 R8 R9"},
};
constexpr ContextRule CreatinineClearanceContext[] = {
    {0, {when::below(A::Age, 18.0)},
     "%1: Cockcroft and Gault derived the formula in adults aged 18 to 92 years; it is not valid "
     "below 18.",
     "R1 R69", "cockcroft-gault.under-18"},
};
constexpr EvidenceNote CreatinineClearanceEvidence[] = {
    {-1, NoteKind::Dated,
     "A Cockcroft-Gault creatinine clearance in mL/min, not a GFR in mL/min/1.73 m²; chronic "
     "kidney disease is staged with the KDIGO 2012 categories from the CKD-EPI 2021 eGFR. The "
     "formula is still used for drug dosing.", "R1 R10 R11 R69"},
    {-1, NoteKind::Unsourced,
     "The five bands have no traceable source (they are neither KDIGO nor K/DOQI stages), and "
     "62.5 to 80 mL/min has no text.", ""},
};
constexpr ContextRule FractionalPotassiumExcretionContext[] = {
    {0, {when::notBelowLower(A::SerumPotassium)},
     "%1 is not low. The fractional potassium excretion is read in a patient with a low serum "
     "potassium: below about 0.10 (10 %; it is shown here as a fraction) the kidneys are "
     "conserving potassium.",
     "R70", "fek.potassium-not-low"},
};
constexpr EvidenceNote FractionalPotassiumExcretionEvidence[] = {
    {-1, NoteKind::Dated,
     "Shown as a fraction, not in the usual per cent (0.10 is 10 %); in practice a spot urine "
     "potassium to creatinine ratio is the usual index.", "R70 R21 R71"},
};
constexpr CutOffNote RenalCalciumClearanceCutOffs[] = {
    {0, 0.01, 0.02,
     "In hypercalcaemia a ratio below 0.01 suggests familial hypocalciuric hypercalcaemia and one "
     "above 0.02 favours primary hyperparathyroidism; from 0.01 to 0.02 the two overlap.",
     "R17 R72"},
};
constexpr ContextRule RenalFailureIndexContext[] = {
    {0, {when::notAboveUpper(A::SerumCreatinine)}, KidneyIndicesNote, KidneyIndicesSources,
     "renal-failure-index.creatinine-not-raised"},
};
constexpr EvidenceNote RenalFailureIndexEvidence[] = {
    {-1, NoteKind::Dated,
     "Diuretics, chronic kidney disease, contrast media and sepsis make the index unreliable; on "
     "diuretics the fractional urea excretion (below 35 % prerenal) is preferred.", "R13 R12"},
};
constexpr ContextRule FractionalSodiumExcretionContext[] = {
    {0, {when::notAboveUpper(A::SerumCreatinine)}, KidneyIndicesNote, "R2 R3 R73 R13",
     "fena.creatinine-not-raised"},
};
constexpr EvidenceNote FractionalSodiumExcretionEvidence[] = {
    {-1, NoteKind::Dated,
     "Diuretics, chronic kidney disease, contrast media, early obstruction and glomerulonephritis "
     "make it unreliable; on diuretics the fractional urea excretion (below 35 % prerenal) is "
     "preferred.", "R13 R12"},
};
constexpr EvidenceNote PhosphorusClearanceEvidence[] = {
    {-1, NoteKind::Dated,
     "Renal phosphate handling is usually judged by the tubular reabsorption of phosphate and "
     "TmP/GFR (adults about 2.7 to 4.1 mg/dL) from paired serum and urine phosphate and "
     "creatinine.", "R14 R15 R16 R66"},
};

constexpr SourceRow EgfrSources[] = {
    {R::Formula, "R11", "The race-free 2021 CKD-EPI creatinine equation."},
    {R::Formula, "U14", "Its coefficients (κ 0.7 women / 0.9 men, α −0.241 / −0.302, −1.200, 0.9938, 1.012 for women) and three reference values."},
    {R::Bands, "R10", "KDIGO 2012 GFR categories G1 ≥90, G2 60–89, G3a 45–59, G3b 30–44, G4 15–29, G5 <15 mL/min/1.73 m²."},
    {R::Guidance, "R10", "Chronic kidney disease is staged by GFR category together with the albuminuria category."},
};
constexpr SourceRow UreaFractionSources[] = {
    {R::Formula, "R12", "The fractional excretion of urea in acute renal failure, useful on diuretics."},
    {R::Bands, "R12", "35 % or less points to a prerenal cause."},
    {R::Bands, "R73", "FEUrea below 35 % prerenal, above 35 % acute tubular necrosis."},
    {R::Guidance, "R13", "Urinary indices in acute kidney injury and their exceptions."},
};
constexpr const char* EgfrStepNotes[] = {
    "Added beside the Cockcroft–Gault clearance: laboratories report this race-free eGFR, normalised to 1.73 m² of body surface, and stage chronic kidney disease by its KDIGO category; the Cockcroft–Gault clearance in mL/min is still used for drug dosing.",
    "The category is read from the whole number shown, as a laboratory report gives it: 89.5 shows 90 and is G1.",
};
constexpr const char* UreaFractionStepNotes[] = {
    "Added beside the fractional sodium excretion: urea is reabsorbed in the proximal tubule, where loop and thiazide diuretics do not act, so the index keeps its meaning in a patient on diuretics.",
};
constexpr ContextRule UreaFractionContext[] = {
    {0, {when::notAboveUpper(A::SerumCreatinine)}, UreaFractionIndexNote, "R12 R73 R13",
     "feurea.creatinine-not-raised"},
};
// The eGFR is read as a stage of chronic kidney disease only from a steady
// creatinine and a lasting decrease; from 60 on only with markers of damage.
// The program's literature list quotes the guideline's categories, not its
// definition of chronic kidney disease: these notes say so.
constexpr ContextRule EgfrContext[] = {
    {0, {when::rowBelow(60.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "An eGFR of %1 needs a serum creatinine in a steady state: while the creatinine is "
         "still rising, as in acute kidney injury, it lags behind the fall in filtration, and "
         "neither the number nor its category describes the kidney function until the creatinine "
         "is stable. (No source for this note is on this program's literature list.)"),
     "", "egfr.steady-state", NoteBasis::Unsourced},
    {0, {when::rowBelow(60.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "The G categories stage chronic kidney disease only when the decrease has been present "
         "for more than 3 months: one eGFR of %1 is no stage of chronic kidney disease. (The "
         "guideline's definition of chronic kidney disease is not quoted on this program's "
         "literature list.)"),
     "", "egfr.three-months", NoteBasis::Unsourced},
    {0, {when::rowAbove(59.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "An eGFR of %1 in category G1 or G2 is chronic kidney disease only with markers of "
         "kidney damage, such as albuminuria, present for more than 3 months; without them it "
         "does not meet the definition of chronic kidney disease. (The guideline's definition of "
         "chronic kidney disease is not quoted on this program's literature list.)"),
     "", "egfr.g1-g2", NoteBasis::Unsourced},
};
constexpr EvidenceNote UreaFractionEvidence[] = {
    {-1, NoteKind::Unsourced,
     "The 50 % bound and the band between 35 % and 50 % were found in none of the sources here; "
     "they give 35 % or less as prerenal and above 35 % as intrinsic.", "R12 R73"},
};
// clang-format on

} // namespace

// clang-format off
extern constexpr ItemDescriptor AmylaseClearanceItem{
    .id = ItemId::AmylaseClearance,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Amylase Clearance to Creatinine Clearance"),
    .key = "amylase-creatinine-clearance-ratio",
    .checkList = {A::SerumAmylase, A::UrineAmylase, A::SerumCreatinine, A::UrineCreatinine},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Amylase Clearance"), .formula = &AmylaseFormula, .bands = AmylaseBands}},
    .origins = {
        .formulaOrigin = "The clearance-ratio concept (Levitt 1969); diagnostic use by Warshaw & Fuller 1975.",
        .bandsOrigin = "1–5 % normal, <1 % macroamylasaemia, >5 % pancreatitis (Wallach's).",
        .guidance = "Not recommended for diagnosing acute pancreatitis (insensitive; raised by renal insufficiency, DKA, burns); diagnose by pain, lipase/amylase >3× the upper limit and imaging (ACG 2013, 2024); still useful to detect macroamylasaemia (<1 %).",
        .caveat = "The amylase/creatinine clearance ratio is no longer used to diagnose pancreatitis (lipase/amylase >3× the upper limit); it is useful mainly to detect macroamylasaemia (<1 %).",
        .sources = AmylaseSources,
    },
    .notes = {.evidence = AmylaseClearanceEvidence},
};

// Cockcroft and Gault: ((140 - age) * weight) / (serum creatinine * constant),
// serum creatinine in mg/dL. The limit keeps the age below
// CockcroftGaultAgeLimit, so the clearance stays positive.
extern constexpr ItemDescriptor CreatinineClearanceItem{
    .id = ItemId::CreatinineClearance,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Creatinine Clearance Estimated (GFR)"),
    .key = "creatinine-clearance",
    .checkList = {A::Age, A::Weight, A::Gender, A::SerumCreatinine},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Creatinine Clearance (GFR)"), .formula = &ClearanceFormula, .bands = ClearanceBands}},
    .limitList = {{A::Age, CockcroftGaultAgeLimit, "Age: the formula needs an age below 140"}},
    .origins = {
        .formulaOrigin = "Cockcroft & Gault 1976; women 15 % less (÷85 ≈ ×0.847; exactly ÷84.7).",
        .bandsOrigin = "The five bands have no traceable source (not KDIGO, not K/DOQI); 62.5–80 mL/min has no text.",
        .guidance = "A creatinine clearance in mL/min, not a GFR in mL/min/1.73 m²; CKD is staged by the KDIGO 2012 categories from the CKD-EPI 2021 race-free eGFR; Cockcroft–Gault is still used for drug dosing.",
        .caveat = "\"GFR\" is a Cockcroft–Gault creatinine clearance (mL/min, not per 1.73 m², derived in 249 mostly male adults); its five bands have no traceable source. CKD is staged with KDIGO 2012 categories using CKD-EPI 2021 eGFR.",
        .sources = CreatinineClearanceSources,
    },
    .notes = {.context = CreatinineClearanceContext, .evidence = CreatinineClearanceEvidence},
};
static_assert(limitsOnChecks(CreatinineClearanceItem), "a formula limit must be on one of the item's checks");

extern constexpr ItemDescriptor FractionalPotassiumExcretionItem{
    .id = ItemId::FractionalPotassiumExcretion,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Fractional Potassium Excretion"),
    .key = "fractional-potassium-excretion",
    .checkList = {A::SerumCreatinine, A::UrineCreatinine, A::SerumPotassium, A::UrinePotassium},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Fractional Potassium Excretion"), .formula = &PotassiumFormula}},
    .origins = {
        .formulaOrigin = "The standard fractional-excretion formula (×100 gives per cent).",
        .bandsOrigin = "None: the program gives no interpretation.",
        .guidance = "Usually given in per cent (the program shows a fraction); in hypokalaemia FEK below about 10 % means appropriate renal conservation; the spot urine K/Cr ratio is the usual modern index.",
        .caveat = "FEK is shown as a fraction, not in per cent.",
        .sources = PotassiumFractionSources,
    },
    .notes = {.context = FractionalPotassiumExcretionContext, .evidence = FractionalPotassiumExcretionEvidence},
};

extern constexpr ItemDescriptor RenalCalciumClearanceItem{
    .id = ItemId::RenalCalciumClearance,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Renal Calcium Clearance to Creatinine Clearance"),
    .key = "calcium-creatinine-clearance-ratio",
    .checkList = {A::SerumCreatinine, A::UrineCreatinine, A::SerumCalcium, A::UrineCalcium},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Renal Calcium Clearance"), .formula = &CalciumFormula}},
    .origins = {
        .formulaOrigin = "The calcium/creatinine clearance ratio used to tell familial hypocalciuric hypercalcaemia (FHH) from primary hyperparathyroidism (PHPT).",
        .bandsOrigin = "None: the program gives no interpretation; in the literature <0.01 suggests FHH, >0.02 favours PHPT, with overlap between 0.01 and 0.02.",
        .guidance = "The international PHPT workshop guidelines (as discussed by Marx 2015) use a 0.01 cut-off, then gene testing (CASR, AP2S1, GNA11) for low values; vitamin D is replenished first.",
        .sources = CalciumClearanceSources,
    },
    .notes = {.cutOffs = RenalCalciumClearanceCutOffs},
};

extern constexpr ItemDescriptor RenalFailureIndexItem{
    .id = ItemId::RenalFailureIndex,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Renal Failure Index (RFI)"),
    .key = "renal-failure-index",
    .checkList = {A::SerumCreatinine, A::UrineCreatinine, A::UrineSodium},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Renal Failure Index"), .formula = &RfiFormula}},
    .origins = {
        .formulaOrigin = "Miller et al. 1978.",
        .bandsOrigin = "None: the program gives no interpretation; in the literature RFI ≤1 suggests prerenal failure and >1 (≥3 definite) acute tubular necrosis.",
        .guidance = "Valid only in oliguric acute kidney injury before diuretics or fluids; unreliable with diuretics, CKD, contrast, sepsis and myoglobinuria (Zarich 1985); fractional urea excretion <35 % is preferred on diuretics (Carvounis 2002).",
        .caveat = UrineIndexCaveat,
        .sources = RfiSources,
    },
    .notes = {.context = RenalFailureIndexContext, .evidence = RenalFailureIndexEvidence},
};

extern constexpr ItemDescriptor FractionalSodiumExcretionItem{
    .id = ItemId::FractionalSodiumExcretion,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Fractional Sodium Excretion"),
    .key = "fractional-sodium-excretion",
    .checkList = {A::SerumCreatinine, A::UrineCreatinine, A::SerumSodium, A::UrineSodium},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Fractional Sodium Excretion"), .formula = &SodiumFormula}},
    .origins = {
        .formulaOrigin = "Espinel 1976 (FENa <1 prerenal, >3 ATN); Miller 1978.",
        .bandsOrigin = "None: the program gives no interpretation; in the literature FENa <1 % suggests prerenal failure and >2 % acute tubular necrosis.",
        .guidance = "Exceptions to its diagnostic value: diuretics, CKD, contrast, early obstruction, glomerulonephritis (Zarich 1985); fractional urea excretion <35 % is preferred on diuretics (Carvounis 2002).",
        .caveat = UrineIndexCaveat,
        .sources = SodiumFractionSources,
    },
    .notes = {.context = FractionalSodiumExcretionContext, .evidence = FractionalSodiumExcretionEvidence},
};

// The renal clearance U x V / P of phosphorus from a 24-hour urine, in mL/min:
// (urine phosphorus * urine volume) / (serum phosphorus * 1440), both
// phosphorus values in mg/dL and the volume in mL.
extern constexpr ItemDescriptor PhosphorusClearanceItem{
    .id = ItemId::PhosphorusClearance,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Phosphorus Clearance Estimated"),
    .key = "phosphorus-clearance",
    .checkList = {A::SerumPhosphorus, A::UrinePhosphorus, A::UrineVolume},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Phosphorus Clearance"), .formula = &PhosphorusFormula}},
    .origins = {
        .formulaOrigin = "The renal clearance C = U × V ÷ P that the creatinine clearance also uses, here (urine phosphorus × urine volume) ÷ (serum phosphorus × 1440); a textbook definition with no single paper behind it. An older form put serum phosphorus into the Cockcroft–Gault formula, which measures nothing.",
        .bandsOrigin = "None.",
        .guidance = "Renal phosphate handling is usually judged by TRP and TmP/GFR from paired serum and urine phosphate and creatinine (Walton & Bijvoet nomogram 1975; Payne 1998 algorithm; Barth 2000); adult TmP/GFR ≈ 2.7–4.1 mg/dL.",
        .caveat = "Phosphorus clearance needs urine phosphorus and a complete 24-hour urine collection; in practice renal phosphate handling is judged by TRP/TmP-GFR.",
        .sources = PhosphorusSources,
        .stepNotes = PhosphorusStepNotes,
    },
    .notes = {.evidence = PhosphorusClearanceEvidence},
};
// clang-format on

// clang-format off
// The CKD-EPI 2021 creatinine equation, for adults; like Cockcroft–Gault it
// takes the age below 140, where the clearance of item 6 would end.
extern constexpr ItemDescriptor EgfrCkdEpiItem{
    .id = ItemId::EgfrCkdEpi,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "eGFR (CKD-EPI 2021)"),
    .key = "egfr-ckd-epi-2021",
    .checkList = {A::Age, A::Gender, A::SerumCreatinine},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "eGFR (CKD-EPI 2021)"), .formula = &EgfrFormula, .bands = KdigoGfrBands}},
    .limitList = {{.analyte = A::Age, .below = CockcroftGaultAgeLimit, .text = "Age: the formula needs an age below 140"},
                  {.analyte = A::Age, .text = "Age: the equation is for adults", .atLeast = AdultAge}},
    .origins = {
        .formulaOrigin = "Inker et al. 2021 (CKD-EPI), the creatinine equation without race: 142 × min(Scr/κ, 1)^α × max(Scr/κ, 1)^−1.200 × 0.9938^age × 1.012 for women.",
        .bandsOrigin = "The KDIGO 2012 GFR categories G1 to G5, read from the whole number shown.",
        .guidance = "The eGFR that laboratories report and KDIGO stages chronic kidney disease with, together with the albuminuria category; for drug dosing the Cockcroft–Gault clearance is still used.",
        .caveat = "An eGFR in mL/min/1.73 m², normalised to body surface and for adults; the Cockcroft–Gault clearance in mL/min is not on the same scale.",
        .sources = EgfrSources,
        .stepNotes = EgfrStepNotes,
    },
    .notes = {.context = EgfrContext},
};
static_assert(limitsOnChecks(EgfrCkdEpiItem), "a formula limit must be on one of the item's checks");

extern constexpr ItemDescriptor FractionalUreaExcretionItem{
    .id = ItemId::FractionalUreaExcretion,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Fractional Urea Excretion"),
    .key = "fractional-urea-excretion",
    .checkList = {A::SerumUrea, A::UrineUrea, A::SerumCreatinine, A::UrineCreatinine},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Fractional Urea Excretion"), .formula = &UreaFractionFormula, .bands = UreaFractionBands}},
    .inputOrder = InputOrder::Formulas,
    .origins = {
        .formulaOrigin = "Carvounis, Nisar & Guro-Razuman 2002: (urine urea × serum creatinine) ÷ (serum urea × urine creatinine) × 100.",
        .bandsOrigin = "35 % or less prerenal (Carvounis 2002); the 50 % bound for acute tubular necrosis and the band between were not found in these sources.",
        .guidance = "Preferred to the fractional sodium excretion in a patient on diuretics; like every urinary index it is read in acute kidney injury.",
        .caveat = UrineIndexCaveat,
        .sources = UreaFractionSources,
        .stepNotes = UreaFractionStepNotes,
    },
    .notes = {.context = UreaFractionContext, .evidence = UreaFractionEvidence},
};
// clang-format on

} // namespace quarvex
