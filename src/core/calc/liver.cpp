// Liver function and iron studies.

#include "calc/calculations.h"
#include "calc/rowwork.h"

namespace quarvex {

namespace {

using A = AnalyteId;
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

} // namespace

Outcome ASTALT(const Inputs& in)
{
    const Worked ratio = work(AstAltFormula, AstAltBands, in);
    return oneRow(ratio, ratio.bandText);
}

Outcome AlbuminGlobulin(const Inputs& in)
{
    const Worked ratio = work(AlbuminGlobulinFormula, AlbuminGlobulinBands, in);
    return oneRow(ratio, ratio.bandText);
}

Outcome Bilirubin(const Inputs& in)
{
    const Worked percent = work(BilirubinFormula, BilirubinBands, in);
    return oneRow(percent, percent.bandText);
}

Outcome FerritinStores(const Inputs& in)
{
    const Worked ferritin = work(FerritinFormula, FerritinBands, in);
    Outcome outcome = oneRow(ferritin, ferritin.bandText);
    outcome.result.reset();
    return outcome;
}

Outcome TransferrinSat(const Inputs& in)
{
    const Worked saturation = work(SaturationFormula, SaturationBands, in);
    return oneRow(saturation, saturation.bandText);
}

Outcome TIBCCalculated(const Inputs& in)
{
    const Worked tibc = work(TibcFormula, TibcBands, in);
    return oneRow(tibc, tibc.bandText);
}

Outcome TransferrinCalculated(const Inputs& in)
{
    const Worked transferrin = work(TransferrinFormula, TransferrinBands, in);
    return oneRow(transferrin, transferrin.bandText);
}

} // namespace quarvex
