// Liver function and iron studies.

#include "calc/items.h"
#include "calc/rowwork.h"

namespace quarvex {

namespace {

using A = AnalyteId;
using R = SourceRole;
using namespace rowwork;

// AST over ALT; normal from 0.8 up to but not including 1.3.
constexpr Band AstAltBands[] = {
    {0.65, true, "The AST to ALT ratio indicates acute viral hepatitis."},
    {0.8, false, "The AST to ALT ratio indicates extrahepatic cholestasis."},
    {1.3, false, "The AST to ALT ratio is normal."},
    {1.5, true, "The AST to ALT ratio is slightly increased and indicates chronic hepatitis."},
    {2.0, true,
     "The AST to ALT ratio indicates alcoholic hepatitis, cirrhosis, intrahepatic cholestasis, or "
     "hepatocellular carcinoma."},
    {3.0, true, "The AST to ALT ratio indicates drug hepatotoxicity."},
    {AndAbove, false, "The AST to ALT ratio indicates acute MI."},
};

// The low-ratio text is three sentences run together.
constexpr Band AlbuminGlobulinBands[] = {
    {1.0, false,
     "The Albumin to Globumin ratio is low and found in states with low albumin (protein wastage "
     "malnutrition decreased production) or high globulins (polyclonal or monoclonal "
     "gammopathies) or both."
     "Disorders with low ratios include cirrhosis and other liver diseases, chronic "
     "glomerulonephritis, nephrotic syndrome, myeloma macroglobulinemia, sarcoidosis and other "
     "granulomatous diseases, "
     "collagen vascular diseases, severe infections, inflammatory states, cachexia, burns, or "
     "ulcerative colitis."},
    {AndAbove, false,
     "The Albumin to Globumin ratio is high but often clinically insignificant except in "
     "hypogammaglobulinemia."},
};

// Direct over total bilirubin, in percent.
constexpr Band BilirubinBands[] = {
    {20.0, false,
     "The ratio of direct to total serum bilirubin indicates constitutional hyperbilirubinemia "
     "(Gilbert's Crigler-Najjar etc.)."},
    {40.0, false,
     "The ratio of direct to total serum bilirubin indicates hepatocellular disease more likely "
     "than extrahepatic obstruction."},
    {60.0, false, "may be either hepatocellular disease or extrahepatic obstruction."},
    {AndAbove, false, "extrahepatic obstruction more likely than hepatocellular disease."},
};

// Ferritin, ng/mL.
constexpr Band FerritinBands[] = {
    {10.0, false, "Serum ferritin level is low and usually indicative of iron deficiency anemia."},
    {220.0, true, "Serum ferritin level appears normal."},
    {AndAbove, false, "Serum ferritin level is high and in an adult represents iron overload."},
};

// Transferrin saturation, percent.
constexpr Band SaturationBands[] = {
    {16.0, false,
     "Serum Transferrin Saturation is decreased and may be due to iron deficiency anemia or "
     "anemia of chronic disease."},
    {55.0, true, "Serum Transferrin Saturation is normal."},
    {AndAbove, false,
     "Serum Transferrin Saturation is increased and may be due to hemochromatosis, "
     "hemosiderosis, or thalassemia."},
};

// Calculated TIBC, ug/dL: normal from 250 up to 450.
constexpr Band TibcBands[] = {
    {250.0, false,
     "Total Iron Binding Capacity is decreased and may be due hemochromatosis, cirrhosis, "
     "thalassemia, anemia of chronic disease, or nephrosis."},
    {450.0, true, "Total Iron Binding Capacity is normal."},
    {AndAbove, false,
     "Total Iron Binding Capacity is increased and may be due to iron deficiency anemia, acute "
     "and chronic blood loss, acute liver damage, or late pregnancy."},
};

// Calculated transferrin, mg/dL: normal from 200 up to 360.
constexpr Band TransferrinBands[] = {
    {200.0, false,
     "Calculated transferrin is decreased and may be due to chronic inflammation, malnutrition, "
     "liver disease, nephrotic syndrome, or iron overload."},
    {360.0, true, "Calculated transferrin is normal."},
    {AndAbove, false,
     "Calculated transferrin is increased and may be due to iron deficiency anemia, pregnancy, "
     "or estrogen therapy."},
};

using namespace op;

constexpr FormulaOp AstAltOps[] = {in(A::AST), in(A::ALT), div};
constexpr Formula AstAltFormula{"AST/ALT", AstAltOps, Shown::Fixed2, " "};

constexpr FormulaOp AlbuminGlobulinOps[] = {in(A::Albumin), in(A::Globulin), div};
constexpr Formula AlbuminGlobulinFormula{"A/G", AlbuminGlobulinOps, Shown::Fixed2, " "};

constexpr FormulaOp BilirubinOps[] = {in(A::BilirubinDirect), in(A::BilirubinTotal), div,
                                      num(100.0), mul};
constexpr Formula BilirubinFormula{"Direct %", BilirubinOps, Shown::Fixed2, " % "};

// No result number: the screen keeps its Result, the row's result is empty.
constexpr FormulaOp FerritinOps[] = {in(A::Ferritin)};
constexpr Formula FerritinFormula{"Ferritin", FerritinOps, Shown::Text, ""};

constexpr FormulaOp SaturationOps[] = {in(A::Iron), in(A::TIBC), div, num(100.0), mul};
constexpr Formula SaturationFormula{"TSAT", SaturationOps, Shown::Fixed2, " % "};

constexpr FormulaOp TibcOps[] = {in(A::Transferrin), num(1.43), mul};
constexpr Formula TibcFormula{"TIBC", TibcOps, Shown::Fixed2, " ug/dL "};

constexpr FormulaOp TransferrinOps[] = {in(A::TIBC), num(0.7), mul};
constexpr Formula TransferrinFormula{"Transferrin", TransferrinOps, Shown::Fixed2, " mg/dL "};

// No result number: the screen keeps its Result, the row's result is empty.
void ferritinScreen(Outcome& outcome, std::span<const QString>)
{
    outcome.result.reset();
}

// clang-format off
constexpr const char* IronConversionCaveat =
    "The TIBC/transferrin interconversion (1.43/0.7) is approximate (theory 1.40) and depends on "
    "the laboratory method.";

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
constexpr ContextRule AstAltRatioContext[] = {
    {0, {when::notAboveUpper(A::AST), when::notAboveUpper(A::ALT)},
     "%1 and %2 are not raised. The AST to ALT ratio helps to tell liver "
     "diseases apart only when the aminotransferases are raised; its text does not apply here.",
     "R34 R35", "ast-alt.not-raised"},
    {0, {when::aboveUpper(A::AST), when::rowAbove(2.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 is raised and the AST to ALT ratio of %2 is above 2, which suggests alcoholic liver "
         "disease (a mean ratio of 2.85 in alcoholic liver disease in Cohen and Kaplan's series); "
         "the ratio is supportive only."),
     "R33 R34", "ast-alt.alcohol"},
    // R98 gives above 5000 as usually ischaemic or drug-induced; the lower
    // bound of 1000 IU/L for aminotransferases this high is the program's.
    {0, {when::above(A::AST, 1000.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 is very high: aminotransferases in the thousands point to ischaemic hepatitis (shock "
         "liver) or a toxic or drug-induced injury, above 5000 IU/L usually one of these, and the "
         "ratio does not tell liver diseases apart. (The bound of 1000 IU/L for this note is a "
         "reasoned estimate, not from a source.)"),
     "R98", "ast-alt.ischaemic", NoteBasis::ReasonedEstimate},
};
constexpr EvidenceNote AstAltRatioEvidence[] = {
    {-1, NoteKind::Dated,
     "\"Acute MI\" is obsolete: myocardial infarction is diagnosed by cardiac troponin. The ratio "
     "is supportive only.", "R36 R34 R35"},
    {-1, NoteKind::Unsourced,
     "No source was found for \"above 3: acute MI\" and \"2 to 3: drug hepatotoxicity\"; the "
     "bound 0.8 is this program's own choice.", ""},
};
constexpr ContextRule AlbuminGlobulinRatioContext[] = {
    // Every ratio of 1 or more reads "high".
    {0, {when::rowFromTo(1.0, 2.5)},
     "A ratio of %1 is within the usual adult range (1 or more; 1.5 to 2.5 in textbooks): "
     "\"high\" does not mean abnormal here.",
     "R22 R80", "albumin-globulin.usual-range"},
};
constexpr EvidenceNote AlbuminGlobulinRatioEvidence[] = {
    {-1, NoteKind::Dated,
     "A low-value test: serum protein electrophoresis, immunofixation and immunoglobulin "
     "measurement are preferred.", "R22 R81"},
};
constexpr ContextRule BilirubinRatioContext[] = {
    {0, {when::notAboveUpper(A::BilirubinTotal)},
     "%1 is not raised. The direct fraction separates the causes of a raised bilirubin; at a "
     "normal total bilirubin its text does not apply.",
     "R7 R59", "bilirubin.not-raised"},
    {0, {when::aboveUpper(A::BilirubinTotal), when::rowBelow(20.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 is raised with a direct fraction of %2 %, below 20 %: an indirect (unconjugated) "
         "hyperbilirubinaemia, as in haemolysis or Gilbert's syndrome. (Haemolysis as its cause "
         "is not stated by a source on this program's literature list.)"),
     "R7 R59", "bilirubin.indirect", NoteBasis::Unsourced},
};
constexpr EvidenceNote BilirubinRatioEvidence[] = {
    {-1, NoteKind::Dated,
     "Direct bilirubin includes delta bilirubin, so the ratio lags recovery, and it cannot "
     "reliably tell hepatocellular from obstructive disease: imaging is needed.", "R59 R35"},
};
// Ferritin read with the transferrin saturation of the same case, worked by
// its own item.
constexpr ContextRule FerritinStoresContext[] = {
    {0, {when::topBand(), when::otherRow(ItemId::TransferrinSaturation, 0, -AndAbove, 20.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "A ferritin of %1 ng/mL with a transferrin saturation of %2, below 20 %, is not iron "
         "overload, which needs a raised saturation as well (above 45 % in women, 50 % in men): "
         "ferritin rises with inflammation, so consider an inflammatory state such as the anaemia "
         "of chronic disease."),
     "R41 R56 R86", "ferritin.inflammation"},
    {0, {when::topBand(), when::otherRow(ItemId::TransferrinSaturation, 0, 20.0, 45.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "A ferritin of %1 ng/mL with a transferrin saturation of %2 is not iron overload, which "
         "needs a saturation above 45 % in women and above 50 % in men as well; ferritin also "
         "rises with inflammation, infection, liver injury and renal failure."),
     "R41 R56", "ferritin.not-overload"},
    {0, {when::below(A::Ferritin, 15.0), when::rowFromTo(10.0, 15.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 is below 15 ug/L, the WHO cut-off for iron deficiency in "
         "apparently healthy adults (below 70 ug/L with infection or inflammation), although "
         "its band reads normal."),
     "R39", "ferritin.who-deficiency"},
    {0, {when::below(A::Ferritin, 70.0), when::otherRow(ItemId::TransferrinSaturation, 0, -AndAbove, 20.0)},
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse",
         "%1 with a transferrin saturation of %2, below 20 %, fits iron deficiency: WHO puts "
         "iron deficiency below a ferritin of 15 ug/L in apparently healthy adults and below "
         "70 ug/L with infection or inflammation."),
     "R39 R86", "ferritin.low-saturation"},
};
constexpr EvidenceNote FerritinStoresEvidence[] = {
    {-1, NoteKind::Dated,
     "Bands of the 1970s: WHO 2020 puts iron deficiency below 15 ug/L in healthy adults and below "
     "70 ug/L with infection or inflammation; iron overload needs a raised transferrin "
     "saturation as well (EASL 2022). Ferritin rises with inflammation.", "R38 R39 R40 R41"},
};
constexpr EvidenceNote TransferrinSaturationEvidence[] = {
    {-1, NoteKind::Dated,
     "The upper limit of 55 % misses early iron overload: EASL 2022 uses above 45 % (women) and "
     "above 50 % (men) with a raised ferritin.", "R41 R60 R86"},
    {-1, NoteKind::Unsourced, "No source was found for the limit of 55 %.", ""},
};
constexpr EvidenceNote TibcCalculatedEvidence[] = {
    {-1, NoteKind::Dated,
     "The factor 1.43 is about 2 % above theory (1.40) and the relation depends on the method; "
     "many laboratories report transferrin and its saturation directly.", "R42 R85 R87"},
};
constexpr EvidenceNote TransferrinCalculatedEvidence[] = {
    {-1, NoteKind::Dated,
     "The factor 0.7 is approximate (theory 0.716) and the relation depends on the method (0.83 "
     "times TIBC minus 5.6 in hospital patients).", "R42 R87"},
};
// clang-format on

} // namespace

// clang-format off
extern constexpr ItemDescriptor AstAltRatioItem{
    .id = ItemId::AstAltRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "AST-to-ALT (SGOT-to-SGPT) Ratio"),
    .key = "ast-alt-ratio",
    .checkList = {A::AST, A::ALT},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "AST to ALT ratio"), .formula = &AstAltFormula, .bands = AstAltBands}},
    .origins = {
        .formulaOrigin = "De Ritis, Coltorti & Giusti 1957.",
        .bandsOrigin = "Group means in Cohen & Kaplan 1979 (>2 suggests alcoholic disease); sources for \">3 = acute MI\" and \"2–3 = drugs\" were not found.",
        .guidance = "The ratio is supportive only; \"acute MI\" is obsolete: myocardial infarction is diagnosed by cardiac troponin (Fourth Universal Definition 2018).",
        .ownChoice = "The bound 0.8 between the cholestasis and normal bands is this program's own choice.",
        .caveat = "AST/ALT above 3 = \"acute MI\" is obsolete (MI is diagnosed by troponin); the bands rest on small older series and are supportive only.",
        .sources = AstAltSources,
    },
    .notes = {.context = AstAltRatioContext, .evidence = AstAltRatioEvidence},
};

extern constexpr ItemDescriptor AlbuminGlobulinRatioItem{
    .id = ItemId::AlbuminGlobulinRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Serum Albumin-to-Globulin Ratio"),
    .key = "albumin-globulin-ratio",
    .checkList = {A::Albumin, A::Globulin},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Albumin to Globulin ratio"), .formula = &AlbuminGlobulinFormula, .bands = AlbuminGlobulinBands}},
    .origins = {
        .formulaOrigin = "The A/G ratio, in use since Epstein 1912.",
        .bandsOrigin = "<1 low, as in public calculator documentation; reference ≥1; 1.5–2.5 in textbooks.",
        .guidance = "A low-value test: serum protein electrophoresis, immunofixation and immunoglobulin quantitation are preferred.",
        .sources = AlbuminGlobulinSources,
    },
    .notes = {.context = AlbuminGlobulinRatioContext, .evidence = AlbuminGlobulinRatioEvidence},
};

extern constexpr ItemDescriptor BilirubinRatioItem{
    .id = ItemId::BilirubinRatio,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Serum Direct -to- Total Bilirubin Ratio"),
    .key = "direct-total-bilirubin-ratio",
    .checkList = {A::BilirubinDirect, A::BilirubinTotal},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Bilirubin to Bilirubin ratio"), .formula = &BilirubinFormula, .bands = BilirubinBands}},
    .origins = {
        .formulaOrigin = "Bilirubin fractionation (van den Bergh); no single origin.",
        .bandsOrigin = "<20 % constitutional (Gilbert, Crigler-Najjar), 20–40 hepatocellular, 40–60 either, >50–60 obstruction (Wallach's).",
        .guidance = "Conjugated hyperbilirubinaemia is direct >20 % or >2 mg/dL (StatPearls); \"direct\" includes delta bilirubin, so the ratio lags recovery, and it cannot reliably tell hepatocellular from obstructive disease: imaging is needed.",
        .sources = BilirubinSources,
    },
    .notes = {.context = BilirubinRatioContext, .evidence = BilirubinRatioEvidence},
};

extern constexpr ItemDescriptor FerritinStoresItem{
    .id = ItemId::FerritinStores,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Serum Ferritin and Estimate of Iron Stores"),
    .key = "ferritin-iron-stores",
    .checkList = {A::Ferritin},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Ferritin Stores"), .formula = &FerritinFormula, .bands = FerritinBands}},
    .screenForm = ferritinScreen,
    .origins = {
        .formulaOrigin = "Ferritin reflects iron stores (Jacobs 1972, Cook 1974); 1 ug/L ≈ 8–10 mg stored iron.",
        .bandsOrigin = "<10 low (Jacobs 1972), 10–220 normal, >220 overload, as in calculator documentation.",
        .guidance = "Dated: WHO 2020 sets iron deficiency at <15 ug/L in apparently healthy adults and <70 ug/L with infection or inflammation; AGA 2020 uses 45 ng/mL in anaemia; overload needs TSAT as well (EASL 2022).",
        .caveat = "Ferritin bands (<10 low, >220 high) are 1970s values, and ferritin rises with inflammation; values above 32767 ug/L, as seen in HLH and liver failure, cannot be entered: a missing result is not a normal result.",
        .sources = FerritinSources,
    },
    .notes = {.context = FerritinStoresContext, .evidence = FerritinStoresEvidence},
};

extern constexpr ItemDescriptor TransferrinSaturationItem{
    .id = ItemId::TransferrinSaturation,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Serum Transferrin Saturation"),
    .key = "transferrin-saturation",
    .checkList = {A::Iron, A::TIBC},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Transferrin Saturation"), .formula = &SaturationFormula, .bands = SaturationBands}},
    .origins = {
        .formulaOrigin = "The standard iron ÷ TIBC × 100.",
        .bandsOrigin = "<16 % low, 16–55 normal, >55 high; no source was found for 55.",
        .guidance = "Normal is about 20/25–50 % (Harrison's; PMC3934467); EASL 2022 uses TSAT >45 % (women) / >50 % (men) with raised ferritin for haemochromatosis, so an upper limit of 55 % misses early overload; use a fasting morning sample.",
        .caveat = "The upper limit of 55 % is too high for haemochromatosis screening (EASL 2022: >45 % women, >50 % men).",
        .sources = TransferrinSaturationSources,
    },
    .notes = {.evidence = TransferrinSaturationEvidence},
};

extern constexpr ItemDescriptor TibcCalculatedItem{
    .id = ItemId::TibcCalculated,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Total Iron Binding Capacity (TIBC)"),
    .key = "tibc-calculated",
    .checkList = {A::Transferrin},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Total Iron Binding Capacity"), .formula = &TibcFormula, .bands = TibcBands}},
    .origins = {
        .formulaOrigin = "Two iron atoms per transferrin give TIBC (umol/L) ≈ 25 × transferrin (g/L), ×1.40 in ug/dL per mg/dL (Gambino 1997); regression factors vary, and some calculators use ×1.25.",
        .bandsOrigin = "250–450 ug/dL, close to the common reference interval 240–450.",
        .guidance = "1.43 is about 2 % above theory; chemically measured TIBC over-reads the transferrin-bound capacity (albumin binding); many laboratories now report transferrin and TSAT directly.",
        .ownChoice = "The bands 250 and 450 ug/dL are this program's own choice.",
        .caveat = IronConversionCaveat,
        .sources = TibcSources,
    },
    .notes = {.evidence = TibcCalculatedEvidence},
};

extern constexpr ItemDescriptor TransferrinCalculatedItem{
    .id = ItemId::TransferrinCalculated,
    .listText = QT_TRANSLATE_NOOP("quarvex::Item", "Transferrin"),
    .key = "transferrin-calculated",
    .checkList = {A::TIBC},
    .rowList = {{.name = QT_TRANSLATE_NOOP("quarvex::Item", "Transferrin Calculated"), .formula = &TransferrinFormula, .bands = TransferrinBands}},
    .origins = {
        .formulaOrigin = "The inverse of the TIBC factor (0.7 × 1.43 ≈ 1.00; theory 0.716).",
        .bandsOrigin = "200–360 mg/dL, equal to the common reference interval 2.0–3.6 g/L.",
        .guidance = "As for TIBC; in hospital patients the regression is TFN = 0.83 TIBC − 5.6 (Crosby 1984): the relation depends on the laboratory method.",
        .ownChoice = "The bands 200 and 360 mg/dL are this program's own choice.",
        .caveat = IronConversionCaveat,
        .sources = TransferrinSources,
    },
    .notes = {.evidence = TransferrinCalculatedEvidence},
};
// clang-format on

} // namespace quarvex
