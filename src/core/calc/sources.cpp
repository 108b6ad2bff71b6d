#include "calc/sources.h"

#include <span>

namespace quarvex {

namespace {

using I = ItemId;
using R = SourceRole;

struct SourceRow {
    SourceRole role;
    const char* id;
    const char* note; // what the source supports for this item
};

struct ItemRow {
    ItemId item;
    const char* formulaOrigin;
    const char* bandsOrigin;
    const char* guidance;
    const char* ownChoice;
    const char* caveat;
    std::span<const SourceRow> sources;
};

// Learner caveats that more than one item shares.
constexpr const char* LipidCaveat =
    "Lipid classes are partly outdated or differ from their source: ATP I LDL classes, HDL = 60 "
    "called \"intermediate\" where ATP III says \"high\", class-based targets replaced in 2018, "
    "very high HDL linked with higher mortality, and historical ratio bands with gaps.";
constexpr const char* UrineIndexCaveat =
    "Renal urinary indices need the right patient and sample: they were validated in oliguric "
    "acute kidney injury before diuretics or fluids; diuretics, CKD, contrast and sepsis "
    "invalidate them (use fractional urea excretion <35 % on diuretics).";
constexpr const char* IronConversionCaveat =
    "The TIBC/transferrin interconversion (1.43/0.7) is approximate (theory 1.40) and depends on "
    "the laboratory method.";

// clang-format off
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
constexpr SourceRow AstAltSources[] = {
    {R::Formula, "R31", "The De Ritis ratio."},
    {R::Formula, "R32", "Laboratory tests in viral hepatitis and other liver diseases."},
    {R::Bands, "R33", "Group means: viral 0.74, obstructive 0.81, chronic hepatitis 1.3, postnecrotic cirrhosis 1.74, alcoholic 2.85; >2 suggests alcoholic disease."},
    {R::Guidance, "R34", "The ratio is supportive only."},
    {R::Guidance, "R35", "The ratio is supportive only; healthy ALT upper limits 29–33 U/L (men), 19–25 (women)."},
    {R::Guidance, "R36", "Myocardial infarction is diagnosed by cardiac troponin."},
};
constexpr SourceRow AlbuminGlobulinSources[] = {
    {R::Formula, "R79", "History of the A/G ratio since Epstein 1912."},
    {R::Bands, "R22", "<1 low; reference ≥1 (serum-albumin-to-globulin-ratio)."},
    {R::Bands, "R80", "1.5–2.5 in textbooks."},
    {R::Guidance, "R81", "The A/G ratio should no longer be ordered."},
};
constexpr SourceRow BilirubinSources[] = {
    {R::Bands, "R7", "<20 % constitutional; 20–40 hepatocellular; 40–60 either; >50–60 obstruction."},
    {R::Bands, "R22", "initial-testing-to-determine-causes-hyperbilirubinemia."},
    {R::Bands, "R37", "Jaundice is visible above 2.5–3 mg/dL."},
    {R::Guidance, "R59", "Conjugated hyperbilirubinaemia: direct >20 % or >2 mg/dL."},
    {R::Guidance, "R35", "Evaluation of abnormal liver chemistries."},
};
constexpr SourceRow FerritinSources[] = {
    {R::Formula, "R38", "Ferritin reflects iron stores."},
    {R::Formula, "R44", "Ferritin as a measure of iron stores."},
    {R::Formula, "U2", "1 ug/L ferritin ≈ 8–10 mg stored iron."},
    {R::Formula, "R82", "1 ug/L ferritin ≈ 8–10 mg stored iron."},
    {R::Bands, "R38", "<10 ng/mL = iron-deficient erythropoiesis."},
    {R::Bands, "R22", "The same bands (serum-ferritin-and-estimate-of-body-iron-stores)."},
    {R::Guidance, "R39", "Iron deficiency <15 ug/L in apparently healthy adults, <70 ug/L with infection or inflammation."},
    {R::Guidance, "R40", "45 ng/mL in anaemia."},
    {R::Guidance, "R41", "Overload: ferritin >200 (women) / >300 (men) with TSAT >45 % / >50 %."},
    {R::Guidance, "R56", "Ferritin >50,000 ug/L in renal failure, liver injury, infection, HLH."},
};
constexpr SourceRow TransferrinSaturationSources[] = {
    {R::Guidance, "R60", "Normal TSAT 25–50 %."},
    {R::Guidance, "R86", "Normal TSAT 20–50 %."},
    {R::Guidance, "R41", "Haemochromatosis: TSAT >45 % (women) / >50 % (men) with raised ferritin."},
};
constexpr SourceRow TibcSources[] = {
    {R::Formula, "R42", "Two iron atoms per transferrin: TIBC (umol/L) ≈ 25 × transferrin (g/L)."},
    {R::Formula, "R59", "Transferrin 79.6 kDa, two iron binding sites."},
    {R::Formula, "R43", "Regression factors vary."},
    {R::Formula, "R84", "Some calculators use ×1.25."},
    {R::Bands, "R83", "Common reference interval 240–450 ug/dL."},
    {R::Guidance, "R85", "Chemically measured TIBC over-reads the transferrin-bound capacity."},
};
constexpr SourceRow TransferrinSources[] = {
    {R::Formula, "R42", "Inverse of the TIBC factor (theory 0.716)."},
    {R::Bands, "R86", "Common reference interval 2.0–3.6 g/L."},
    {R::Guidance, "R87", "In hospital patients TFN = 0.83 TIBC − 5.6."},
};

constexpr ItemRow Items[] = {
    {I::CholesterolLevels,
     "Plain lipid values, with HDL as a protective factor from the Framingham Study.",
     "Total cholesterol and LDL classes are the NCEP ATP I (1988) classes; the HDL \"times average\" table is Framingham-derived, its exact printed source not found; the \"longevity\" label follows the concept of familial hyperalphalipoproteinaemia.",
     "Dated: the LDL classes were superseded by ATP III (2001) and by the risk-based statin groups of the 2018 AHA/ACC guideline; very high HDL is not protective (Madsen 2017), so \"longevity\" is misleading.",
     "",
     LipidCaveat, CholesterolSources},
    {I::CholesterolHdlRatio,
     "The Castelli/Framingham ratio (\"Castelli index\").",
     "Framingham half-average, average and twice-average values, seen only in secondary consumer pages; the three-times-average bounds (23.3 men, 10.9 women) were not found in any source.",
     "Not a current guideline classification: AHA/consumer target below 5 (optimum 3.5); Kinosian 1994 high-risk thresholds 6.4 (men) / 5.6 (women); risk is now estimated with multivariable equations (2018 AHA/ACC).",
     "Closing the gaps the published bands leave (4.9–5.0 and 9.5–9.6 for men, 4.3–4.4 and 6.9–7.0 for women) is this program's own choice: each band runs from just above the bound before it up to and including its own.",
     LipidCaveat, CholHdlSources},
    {I::LdlHdlRatio,
     "A ratio used in Framingham-era risk work.",
     "The bands match public calculator documentation; their primary source was not found.",
     "Historical: not used by ATP III (2001) or the 2018 AHA/ACC guideline; a popular target is below 3.5.",
     "",
     LipidCaveat, LdlHdlSources},
    {I::Adult3,
     "NCEP ATP III (2001).",
     "The ATP III classes for total cholesterol, HDL and LDL.",
     "Differs at 60 mg/dL: ATP III calls HDL ≥60 \"high\" and has no \"intermediate\" class, while this program calls 40–60 inclusive \"intermediate\"; ATP III was updated in 2004 (Grundy, Circulation 2004) and replaced by the 2018 AHA/ACC guideline.",
     "",
     LipidCaveat, Atp3Sources},
    {I::AmylaseClearance,
     "The clearance-ratio concept (Levitt 1969); diagnostic use by Warshaw & Fuller 1975.",
     "1–5 % normal, <1 % macroamylasaemia, >5 % pancreatitis (Wallach's).",
     "Not recommended for diagnosing acute pancreatitis (insensitive; raised by renal insufficiency, DKA, burns); diagnose by pain, lipase/amylase >3× the upper limit and imaging (ACG 2013, 2024); still useful to detect macroamylasaemia (<1 %).",
     "",
     "The amylase/creatinine clearance ratio is no longer used to diagnose pancreatitis (lipase/amylase >3× the upper limit); it is useful mainly to detect macroamylasaemia (<1 %).",
     AmylaseSources},
    {I::CreatinineClearance,
     "Cockcroft & Gault 1976; women 15 % less (÷85 ≈ ×0.847; exactly ÷84.7).",
     "The five bands have no traceable source (not KDIGO, not K/DOQI); 62.5–80 mL/min has no text.",
     "A creatinine clearance in mL/min, not a GFR in mL/min/1.73 m²; CKD is staged by the KDIGO 2012 categories from the CKD-EPI 2021 race-free eGFR; Cockcroft–Gault is still used for drug dosing.",
     "",
     "\"GFR\" is a Cockcroft–Gault creatinine clearance (mL/min, not per 1.73 m², derived in 249 mostly male adults); its five bands have no traceable source. CKD is staged with KDIGO 2012 categories using CKD-EPI 2021 eGFR.",
     CreatinineClearanceSources},
    {I::FractionalPotassiumExcretion,
     "The standard fractional-excretion formula (×100 gives per cent).",
     "None: the program gives no interpretation.",
     "Usually given in per cent (the program shows a fraction); in hypokalaemia FEK below about 10 % means appropriate renal conservation; the spot urine K/Cr ratio is the usual modern index.",
     "",
     "FEK is shown as a fraction, not in per cent.",
     PotassiumFractionSources},
    {I::RenalCalciumClearance,
     "The calcium/creatinine clearance ratio used to tell familial hypocalciuric hypercalcaemia (FHH) from primary hyperparathyroidism (PHPT).",
     "None: the program gives no interpretation; in the literature <0.01 suggests FHH, >0.02 favours PHPT, with overlap between 0.01 and 0.02.",
     "The international PHPT workshop guidelines (as discussed by Marx 2015) use a 0.01 cut-off, then gene testing (CASR, AP2S1, GNA11) for low values; vitamin D is replenished first.",
     "",
     "",
     CalciumClearanceSources},
    {I::RenalFailureIndex,
     "Miller et al. 1978.",
     "None: the program gives no interpretation; in the literature RFI ≤1 suggests prerenal failure and >1 (≥3 definite) acute tubular necrosis.",
     "Valid only in oliguric acute kidney injury before diuretics or fluids; unreliable with diuretics, CKD, contrast, sepsis and myoglobinuria (Zarich 1985); fractional urea excretion <35 % is preferred on diuretics (Carvounis 2002).",
     "",
     UrineIndexCaveat, RfiSources},
    {I::FractionalSodiumExcretion,
     "Espinel 1976 (FENa <1 prerenal, >3 ATN); Miller 1978.",
     "None: the program gives no interpretation; in the literature FENa <1 % suggests prerenal failure and >2 % acute tubular necrosis.",
     "Exceptions to its diagnostic value: diuretics, CKD, contrast, early obstruction, glomerulonephritis (Zarich 1985); fractional urea excretion <35 % is preferred on diuretics (Carvounis 2002).",
     "",
     UrineIndexCaveat, SodiumFractionSources},
    {I::PhosphorusClearance,
     "The renal clearance C = U × V ÷ P that the creatinine clearance also uses, here (urine phosphorus × urine volume) ÷ (serum phosphorus × 1440); a textbook definition with no single paper behind it. An older form put serum phosphorus into the Cockcroft–Gault formula, which measures nothing.",
     "None.",
     "Renal phosphate handling is usually judged by TRP and TmP/GFR from paired serum and urine phosphate and creatinine (Walton & Bijvoet nomogram 1975; Payne 1998 algorithm; Barth 2000); adult TmP/GFR ≈ 2.7–4.1 mg/dL.",
     "",
     "Phosphorus clearance needs urine phosphorus and a complete 24-hour urine collection; in practice renal phosphate handling is judged by TRP/TmP-GFR.",
     PhosphorusSources},
    {I::UrateCreatinineRatio,
     "Kelton, Kelley & Holmes 1978: random urine uric acid ÷ urine creatinine (mg/mg). An older form divided serum urate by serum creatinine, to which the cut-off does not apply.",
     ">1.0 acute uric acid nephropathy, <0.75 other causes of acute renal failure, 0.75–1.0 indeterminate (Mayo catalogue quoting Kelton); the urine ratio of healthy adults is below 0.60.",
     "Read only in acute renal failure: a healthy adult's ratio (<0.60) says nothing about renal failure.",
     "",
     "The uric acid-to-creatinine ratio is read only in acute renal failure, from a random urine sample.",
     UricAcidSources},
    {I::UrinaryPotassiumExcretion,
     "The standard timed-urine excretion: concentration × 24-hour volume.",
     "\">20 mEq/24 h implies wastage\" from calculator documentation; <20 mmol/24 h means non-renal loss (Carroll & Oh, quoted).",
     "Only meaningful when the patient is hypokalaemic; needs a complete 24-hour collection; the spot urine K/Cr ratio is preferred in practice.",
     "",
     "A 24-hour potassium excretion above 20 mEq only means renal wasting when the patient is hypokalaemic.",
     PotassiumRateSources},
    {I::UreaCreatinineRatios,
     "The BUN/creatinine ratio from classic physiology; the urine/plasma ratios from Miller 1978.",
     "BUN/creatinine 10–20 normal, >20 prerenal or catabolic causes (textbook convention), >36 upper gastrointestinal bleeding (Ernst 1999); U/P creatinine >40 prerenal, <20 ATN; U/P urea >8 prerenal, <3 ATN.",
     "Older texts pair an elevated U/P urea ratio with ATN, inverted against Miller (a high U/P urea ratio means prerenal); this program pairs <3 with ATN and >8 with prerenal. A BUN/creatinine ratio >36 is a weak discriminator (specificity 27 %).",
     "",
     "\"Urea\" means urea nitrogen (BUN): a report giving urea mass in mg/dL must first be divided by 2.14, or every urea ratio is 2.14× too high.",
     UreaRatiosSources},
    {I::UrineProteinCreatinineRatio,
     "Ginsberg et al. 1983.",
     "<0.2 normal and >3.5 nephrotic range (Ginsberg 1983); the origin of the intermediate 0.1 and 1.0 bands was not found.",
     "KDIGO 2012 protein/creatinine categories: <150 mg/g (<0.15 mg/mg) normal to mildly, 150–500 moderately, >500 severely increased; albumin/creatinine is preferred (A1 <30, A2 30–300, A3 >300 mg/g).",
     "",
     "The ratio is in mg/mg, while KDIGO uses mg/g or mg/mmol (0.15 mg/mg = 150 mg/g = 15 mg/mmol).",
     ProteinRatioSources},
    {I::AstAltRatio,
     "De Ritis, Coltorti & Giusti 1957.",
     "Group means in Cohen & Kaplan 1979 (>2 suggests alcoholic disease); sources for \">3 = acute MI\" and \"2–3 = drugs\" were not found.",
     "The ratio is supportive only; \"acute MI\" is obsolete: myocardial infarction is diagnosed by cardiac troponin (Fourth Universal Definition 2018).",
     "The bound 0.8 between the cholestasis and normal bands is this program's own choice.",
     "AST/ALT above 3 = \"acute MI\" is obsolete (MI is diagnosed by troponin); the bands rest on small older series and are supportive only.",
     AstAltSources},
    {I::AlbuminGlobulinRatio,
     "The A/G ratio, in use since Epstein 1912.",
     "<1 low, as in public calculator documentation; reference ≥1; 1.5–2.5 in textbooks.",
     "A low-value test: serum protein electrophoresis, immunofixation and immunoglobulin quantitation are preferred.",
     "",
     "",
     AlbuminGlobulinSources},
    {I::BilirubinRatio,
     "Bilirubin fractionation (van den Bergh); no single origin.",
     "<20 % constitutional (Gilbert, Crigler-Najjar), 20–40 hepatocellular, 40–60 either, >50–60 obstruction (Wallach's).",
     "Conjugated hyperbilirubinaemia is direct >20 % or >2 mg/dL (StatPearls); \"direct\" includes delta bilirubin, so the ratio lags recovery, and it cannot reliably tell hepatocellular from obstructive disease: imaging is needed.",
     "",
     "",
     BilirubinSources},
    {I::FerritinStores,
     "Ferritin reflects iron stores (Jacobs 1972, Cook 1974); 1 ug/L ≈ 8–10 mg stored iron.",
     "<10 low (Jacobs 1972), 10–220 normal, >220 overload, as in calculator documentation.",
     "Dated: WHO 2020 sets iron deficiency at <15 ug/L in apparently healthy adults and <70 ug/L with infection or inflammation; AGA 2020 uses 45 ng/mL in anaemia; overload needs TSAT as well (EASL 2022).",
     "",
     "Ferritin bands (<10 low, >220 high) are 1970s values, and ferritin rises with inflammation; values above 32767 ug/L, as seen in HLH and liver failure, cannot be entered: a missing result is not a normal result.",
     FerritinSources},
    {I::TransferrinSaturation,
     "The standard iron ÷ TIBC × 100.",
     "<16 % low, 16–55 normal, >55 high; no source was found for 55.",
     "Normal is about 20/25–50 % (Harrison's; PMC3934467); EASL 2022 uses TSAT >45 % (women) / >50 % (men) with raised ferritin for haemochromatosis, so an upper limit of 55 % misses early overload; use a fasting morning sample.",
     "",
     "The upper limit of 55 % is too high for haemochromatosis screening (EASL 2022: >45 % women, >50 % men).",
     TransferrinSaturationSources},
    {I::TibcCalculated,
     "Two iron atoms per transferrin give TIBC (umol/L) ≈ 25 × transferrin (g/L), ×1.40 in ug/dL per mg/dL (Gambino 1997); regression factors vary, and some calculators use ×1.25.",
     "250–450 ug/dL, close to the common reference interval 240–450.",
     "1.43 is about 2 % above theory; chemically measured TIBC over-reads the transferrin-bound capacity (albumin binding); many laboratories now report transferrin and TSAT directly.",
     "The bands 250 and 450 ug/dL are this program's own choice.",
     IronConversionCaveat, TibcSources},
    {I::TransferrinCalculated,
     "The inverse of the TIBC factor (0.7 × 1.43 ≈ 1.00; theory 0.716).",
     "200–360 mg/dL, equal to the common reference interval 2.0–3.6 g/L.",
     "As for TIBC; in hospital patients the regression is TFN = 0.83 TIBC − 5.6 (Crosby 1984): the relation depends on the laboratory method.",
     "The bands 200 and 360 mg/dL are this program's own choice.",
     IronConversionCaveat, TransferrinSources},
};

constexpr bool everyItemInIdOrder()
{
    for (size_t i = 0; i < std::size(Items); ++i) {
        if (Items[i].item != ItemId(i))
            return false;
    }
    return std::size(Items) == size_t(ItemCount);
}
static_assert(everyItemInIdOrder(), "the sources table holds every item once, in ItemId order");

// Lines for an item's worked steps: what changed from the item's older form
// and why, and when the result may be read at all.
struct StepNoteRow {
    ItemId item;
    const char* note;
};

constexpr StepNoteRow StepNotes[] = {
    {I::PhosphorusClearance,
     "Changed: an older form put serum phosphorus into the Cockcroft–Gault creatinine formula, a number that measures nothing; this is the renal clearance U × V ÷ P, with serum and urine phosphorus in place of the creatinine values."},
    {I::UrateCreatinineRatio,
     "Changed: an older form divided serum urate by serum creatinine, which gives almost everyone a ratio above 1; the 1.0 cut-off (Kelton, Kelley & Holmes 1978) belongs to urine uric acid ÷ urine creatinine in a random urine sample."},
    {I::UrateCreatinineRatio,
     "Read only in acute renal failure: a healthy adult's ratio (below 0.60) says nothing about renal failure."},
};
// clang-format on

QString text(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

QString sourceRoleName(SourceRole role)
{
    switch (role) {
    case SourceRole::Formula:
        return QStringLiteral("formula");
    case SourceRole::Bands:
        return QStringLiteral("bands");
    case SourceRole::Guidance:
        return QStringLiteral("guidance");
    }
    return {};
}

namespace {

ItemSources buildSources(const ItemRow& row)
{
    ItemSources result{row.item,
                       text(row.formulaOrigin),
                       text(row.bandsOrigin),
                       text(row.guidance),
                       text(row.ownChoice),
                       text(row.caveat),
                       {}};
    for (const SourceRow& s : row.sources) {
        const Reference* reference = findReference(QString::fromLatin1(s.id));
        Q_ASSERT(reference); // the table names only ids of the reference list
        if (!reference)
            continue;
        QStringList note;
        if (*s.note)
            note << text(s.note);
        if (const QString checked = reference->verificationNote(); !checked.isEmpty())
            note << checked;
        result.sources.append({s.role, reference, note.join(QLatin1Char(' '))});
    }
    return result;
}

// The texts of every item's sources, built once: a derivation asks for them
// every time, and copies share the strings.
const QList<ItemSources>& builtSources()
{
    static const QList<ItemSources> built = [] {
        QList<ItemSources> all;
        for (const ItemRow& row : Items)
            all << buildSources(row);
        return all;
    }();
    return built;
}

} // namespace

std::optional<ItemSources> itemSources(ItemId item)
{
    const QList<ItemSources>& all = builtSources();
    if (int(item) < 0 || int(item) >= all.size())
        return std::nullopt;
    return all.at(int(item));
}

QStringList stepNotes(ItemId item)
{
    QStringList notes;
    for (const StepNoteRow& row : StepNotes) {
        if (row.item == item)
            notes << text(row.note);
    }
    return notes;
}

} // namespace quarvex
