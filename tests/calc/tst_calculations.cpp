#include "calc/calculations.h"
#include "overview/items.h"
#include "testmain.h"

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::MapFields)

class TestCalculations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void golden_data();
    void golden();
    void formsAgree();
    void convertedInputsAndValues();
};

namespace {

using A = AnalyteId;

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

// The result box keeps its text (no result written).
const QString Kept = u"<kept>"_s;

struct Named {
    const char* name;
    Calculation calculation;
};
constexpr Named Calculations[] = {
    {"AmylaseClearance", AmylaseClearance},
    {"CreatinineClearanceEstimated", CreatinineClearanceEstimated},
    {"FractionalPotassiumExcretion", FractionalPotassiumExcretion},
    {"FractionalSodiumExcretion", FractionalSodiumExcretion},
    {"PhosphorusClearanceEstimated", PhosphorusClearanceEstimated},
    {"RenalCalciumClearance", RenalCalciumClearance},
    {"RFI", RFI},
    {"UrateCreatinineRatio", UrateCreatinineRatio},
    {"UreaCreatinineRatios", UreaCreatinineRatios},
    {"UrinaryPotassiumExcretion", UrinaryPotassiumExcretion},
    {"UrineProteinCreatinineRatio", UrineProteinCreatinineRatio},
    {"GeneralResults", GeneralResults},
    {"CholHDL", CholHDL},
    {"LDLHDL", LDLHDL},
    {"Adult3", Adult3},
    {"ASTALT", ASTALT},
    {"AlbuminGlobulin", AlbuminGlobulin},
    {"Bilirubin", Bilirubin},
    {"FerritinStores", FerritinStores},
    {"TransferrinSat", TransferrinSat},
    {"TIBCCalculated", TIBCCalculated},
    {"TransferrinCalculated", TransferrinCalculated},
};

Calculation calculationNamed(const QString& name) {
    for (const Named& n : Calculations) {
        if (name == QLatin1String(n.name))
            return n.calculation;
    }
    return nullptr;
}

// "Age=40; Weight=70 kg; Gender=Male": each value field by its name, then its
// unit text after the first blank.
MapFields F(const char* entries) {
    MapFields fields;
    for (const QString& entry : QString::fromLatin1(entries).split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = entry.trimmed();
        const qsizetype eq = trimmed.indexOf(u'=');
        const QString name = trimmed.left(eq);
        const QString rest = trimmed.mid(eq + 1);
        const qsizetype blank = rest.indexOf(u' ');
        for (const Analyte& a : analytes()) {
            if (a.fieldName() == name)
                fields.set(a.id, rest.left(blank), blank < 0 ? QString() : rest.mid(blank + 1));
        }
    }
    return fields;
}

QString line(const QString& name, const QString& result, const QString& interpretation) {
    return name + u'\t' + result + u'\t' + interpretation;
}

// The screen's lipid summary, lines broken by two CRs and ending in two.
QString summary(const QString& total, const QString& hdl, const QString& ldl) {
    return u"Total Cholesterol: "_s + total + u"\r\rHDL Cholesterol: "_s + hdl +
           u"\r\rLDL Cholesterol: "_s + ldl + u"\r\r"_s;
}

// Texts of the items, as the program shows them.
const QString GfrNormal = u"Based on GFR, renal function is normal."_s;
const QString GfrSlight = u"Based on GFR, renal function is slightly impaired."_s;
const QString GfrMild = u"Based on GFR, renal function is mildly impaired."_s;
const QString GfrModerate = u"Based on GFR, renal function is moderately impaired."_s;
const QString GfrSevere = u"Based on GFR, renal function is severely impaired."_s;
const QString AmyNormal = u"Amylase Clearance -to- Creatinine Clearance appear normal."_s;
const QString AmyHigh =
    u"The result indicates acute pancreatitis but may also occur in burns, diabetic ketoacidosis, acute defects in renal tubular function, severe renal insufficiency, dudodenal perforation, and pancreatic cancer. "_s;
const QString AmyLow =
    u"The result indicates macroamylasemia (polymerization of amylase to amylase or to immunoglobulins."_s;
const QString UrateLow =
    u"Ratios below 1.0 are seen in patients with acute renal failure due to other causes."_s;
const QString UrateHigh =
    u"Ratios above 1.0 are seen in most patients with acute renal failure due to hyperuricemia."_s;
const QString BunLow =
    u"The BUN-creatinine ratio is low, perhaps due to renal dialysis, acute tubular necrosis, low protein diet or starvation, syndrome of inappropriate ADH secretion, pregnancy, severe liver disease, inherited hyperammonemia."_s;
const QString BunHigh =
    u"The BUN-creatinine ratio is elevated, perhaps due to prerenal azotemia, postrenal azotemia, catabolic state with reduced muscle mass, drug (tetracycline glucocorticoid) effects, impaired renal function with urine reabsorption for example with ureterocolostomy, impaired renal function with excess protein intake/production or with excess tissue breakdown as may occur with GI bleeding thyrotoxicosis infection Cushing's syndrome surgery burns cachexia high fever or high protein diet."_s;
const QString BunGi = u"The BUN-creatinine ratio suggests upper GI bleeding."_s;
const QString CrHigh =
    u"The elevated creatinine ratio is perhaps due to prerenal azotemia, acute glomerulonephritis, or hepatorenal syndrome."_s;
const QString CrLow =
    u"The low creatinine ratio is perhaps due to acute tubular necrosis (acute oliguric renal failure), acute obstructive renal failure, or acute nonoliguric renal failure."_s;
const QString UreaHigh =
    u"The elevated urea ratio is perhaps due to prerenal azotemia, acute obstructive renal failure, or acute glomerulonephritis."_s;
const QString UreaLow =
    u"The low urea ratio is due to acute tubular necrosis (acute oliguric renal failure)."_s;
const QString UreaLegend =
    u"The first number represents the BUN to Creatinine ratio.\r\rThe second number represents the Creatinine to Creatinine ratio.\r\rThe third number represents the BUN to BUN ratio."_s;
const QString KLong =
    u"An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' (inadequate potassium conservation)."_s;
const QString KShort =
    u"An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'."_s;
const QString AstViral = u"The AST to ALT ratio indicates acute viral hepatitis."_s;
const QString AstCholestasis = u"The AST to ALT ratio indicates extrahepatic cholestasis."_s;
const QString AstNormal = u"The AST to ALT ratio is normal."_s;
const QString AstChronic =
    u"The AST to ALT ratio is slightly increased and indicates chronic hepatitis."_s;
const QString AstAlcoholic =
    u"The AST to ALT ratio indicates alcoholic hepatitis, cirrhosis, intrahepatic cholestasis, or hepatocellular carcinoma."_s;
const QString AstDrug = u"The AST to ALT ratio indicates drug hepatotoxicity."_s;
const QString AstMi = u"The AST to ALT ratio indicates acute MI."_s;
const QString AgLow =
    u"The Albumin to Globumin ratio is low and found in states with low albumin (protein wastage malnutrition decreased production) or high globulins (polyclonal or monoclonal gammopathies) or both.Disorders with low ratios include cirrhosis and other liver diseases, chronic glomerulonephritis, nephrotic syndrome, myeloma macroglobulinemia, sarcoidosis and other granulomatous diseases, collagen vascular diseases, severe infections, inflammatory states, cachexia, burns, or ulcerative colitis."_s;
const QString AgHigh =
    u"The Albumin to Globumin ratio is high but often clinically insignificant except in hypogammaglobulinemia."_s;
const QString BiliGilbert =
    u"The ratio of direct to total serum bilirubin indicates constitutional hyperbilirubinemia (Gilbert's Crigler-Najjar etc.)."_s;
const QString BiliHepatocellular =
    u"The ratio of direct to total serum bilirubin indicates hepatocellular disease more likely than extrahepatic obstruction."_s;
const QString BiliEither = u"may be either hepatocellular disease or extrahepatic obstruction."_s;
const QString BiliObstruction =
    u"extrahepatic obstruction more likely than hepatocellular disease."_s;
const QString FerritinHigh =
    u"Serum ferritin level is high and in an adult represents iron overload."_s;
const QString FerritinLow =
    u"Serum ferritin level is low and usually indicative of iron deficiency anemia."_s;
const QString FerritinNormal = u"Serum ferritin level appears normal."_s;
const QString SatHigh =
    u"Serum Transferrin Saturation is increased and may be due to hemochromatosis, hemosiderosis, or thalassemia."_s;
const QString SatLow =
    u"Serum Transferrin Saturation is decreased and may be due to iron deficiency anemia or anemia of chronic disease."_s;
const QString SatNormal = u"Serum Transferrin Saturation is normal."_s;
const QString TibcHigh =
    u"Total Iron Binding Capacity is increased and may be due to iron deficiency anemia, acute and chronic blood loss, acute liver damage, or late pregnancy."_s;
const QString TibcLow =
    u"Total Iron Binding Capacity is decreased and may be due hemochromatosis, cirrhosis, thalassemia, anemia of chronic disease, or nephrosis."_s;
const QString TibcNormal = u"Total Iron Binding Capacity is normal."_s;
const QString TfHigh =
    u"Calculated transferrin is increased and may be due to iron deficiency anemia, pregnancy, or estrogen therapy."_s;
const QString TfLow =
    u"Calculated transferrin is decreased and may be due to chronic inflammation, malnutrition, liver disease, nephrotic syndrome, or iron overload."_s;
const QString TfNormal = u"Calculated transferrin is normal."_s;

QString risk(const QString& phrase) {
    return u"The risk of coronary artery disease is "_s + phrase + u" the 'average American'."_s;
}

// An item whose one row carries the screen's texts.
void single(const char* tag, const char* item, const MapFields& fields, const QString& rowName,
            const QString& result, const QString& interpretation, const QLocale& locale = English) {
    QTest::addRow("%s", tag) << QString::fromLatin1(item) << fields << locale << result
                             << interpretation << QString()
                             << QStringList{line(rowName, result, interpretation)};
}

} // namespace

void TestCalculations::golden_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("moreInfo");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("rows");

    // Creatinine clearance (Cockcroft and Gault).
    const char* crcl = "CreatinineClearanceEstimated";
    const QString gfr = u"Creatinine Clearance (GFR)"_s;
    single("GFR male 40 y 70 kg 1.0", crcl,
           F("Age=40; Weight=70 kg; Gender=Male; SerumCreatinine=1.0 mg/dL"), gfr,
           u"97.22 mL/min"_s, GfrNormal);
    single("GFR female divides by 85", crcl,
           F("Age=40; Weight=70 kg; Gender=Female; SerumCreatinine=1.0 mg/dL"), gfr,
           u"82.35 mL/min"_s, GfrNormal);
    single("GFR lbs and umol/L", crcl,
           F("Age=40; Weight=154 lbs; Gender=Male; SerumCreatinine=88.4 umol/L"), gfr,
           u"97.22 mL/min"_s, GfrNormal);
    single("GFR German locale", crcl,
           F("Age=40; Weight=70 kg; Gender=Male; SerumCreatinine=1,0 mg/dL"), gfr,
           u"97,22 mL/min"_s, GfrNormal, German);
    single("GFR 51.85 mildly", crcl,
           F("Age=60; Weight=70 kg; Gender=Male; SerumCreatinine=1.5 mg/dL"), gfr,
           u"51.85 mL/min"_s, GfrMild);
    single("GFR 64.81 no text", crcl,
           F("Age=60; Weight=70 kg; Gender=Male; SerumCreatinine=1.2 mg/dL"), gfr,
           u"64.81 mL/min"_s, QString());
    single("GFR exactly 80 no text", crcl,
           F("Age=60; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr, u"80.00 mL/min"_s,
           QString());
    single("GFR 80.004 shown 80.00 normal", crcl,
           F("Age=60; Weight=72.0036 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr,
           u"80.00 mL/min"_s, GfrNormal);
    single("GFR exactly 62.5 no text", crcl,
           F("Age=15; Weight=85 kg; Gender=Female; SerumCreatinine=2 mg/dL"), gfr,
           u"62.50 mL/min"_s, QString());
    single("GFR exactly 52 slightly", crcl,
           F("Age=88; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr, u"52.00 mL/min"_s,
           GfrSlight);
    single("GFR exactly 42 mildly", crcl,
           F("Age=98; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr, u"42.00 mL/min"_s,
           GfrMild);
    single("GFR exactly 28 moderately", crcl,
           F("Age=112; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr, u"28.00 mL/min"_s,
           GfrModerate);
    single("GFR 27 severely", crcl,
           F("Age=113; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr, u"27.00 mL/min"_s,
           GfrSevere);
    single("GFR age above 140 negative", crcl,
           F("Age=150; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"), gfr,
           u"-10.00 mL/min"_s, GfrSevere);

    const char* phos = "PhosphorusClearanceEstimated";
    const QString phosRow = u"Phosphorus Clearance"_s;
    single("phosphorus male 3.5", phos,
           F("Age=40; Weight=70 kg; Gender=Male; SerumPhosphorus=3.5 mg/dL"), phosRow,
           u"27.78 mL/min"_s, QString());
    single("phosphorus 1.13 mmol/L", phos,
           F("Age=40; Weight=70 kg; Gender=Male; SerumPhosphorus=1.13 mmol/L"), phosRow,
           u"27.79 mL/min"_s, QString());
    single("phosphorus female divides by 85", phos,
           F("Age=40; Weight=70 kg; Gender=Female; SerumPhosphorus=3.5 mg/dL"), phosRow,
           u"23.53 mL/min"_s, QString());

    // Amylase to creatinine clearance.
    const char* amy = "AmylaseClearance";
    const QString amyRow = u"Amylase Clearance"_s;
    const char* renal = "SerumCreatinine=1.0 mg/dL; UrineCreatinine=100 mg/dL; ";
    auto withRenal = [&](const char* more) { return F((QByteArray(renal) + more).constData()); };
    single("amylase 3 normal", amy, withRenal("SerumAmylase=100; UrineAmylase=300"), amyRow,
           u"3.00 %"_s, AmyNormal);
    single("amylase exactly 5 normal", amy, withRenal("SerumAmylase=100; UrineAmylase=500"), amyRow,
           u"5.00 %"_s, AmyNormal);
    single("amylase exactly 1 normal", amy, withRenal("SerumAmylase=100; UrineAmylase=100"), amyRow,
           u"1.00 %"_s, AmyNormal);
    single("amylase 5.001 pancreatitis", amy, withRenal("SerumAmylase=100; UrineAmylase=500.1"),
           amyRow, u"5.00 %"_s, AmyHigh);
    single("amylase 0.999 macroamylasemia", amy, withRenal("SerumAmylase=100; UrineAmylase=99.9"),
           amyRow, u"1.00 %"_s, AmyLow);
    single("amylase creatinines in umol/L and mmol/L", amy,
           F("SerumCreatinine=88.4 umol/L; UrineCreatinine=8.84 mmol/L; SerumAmylase=100; "
             "UrineAmylase=300"),
           amyRow, u"3.00 %"_s, AmyNormal);
    single("amylase absurd inputs: not a number, no text", amy,
           F("SerumCreatinine=1e-320 mg/dL; UrineCreatinine=30000 mg/dL; SerumAmylase=1e-320; "
             "UrineAmylase=30000"),
           amyRow, u"not a number %"_s, QString());

    // Fractional excretions, calcium clearance and failure index.
    single("potassium fraction", "FractionalPotassiumExcretion",
           withRenal("SerumPotassium=4; UrinePotassium=40"), u"Fractional Potassium Excretion"_s,
           u"0.10 "_s, QString());
    single("potassium fraction absurd inputs: infinity", "FractionalPotassiumExcretion",
           F("SerumCreatinine=30000 mg/dL; UrineCreatinine=1e-300 mg/dL; SerumPotassium=1e-300; "
             "UrinePotassium=30000"),
           u"Fractional Potassium Excretion"_s, u"infinity "_s, QString());
    single("sodium percentage", "FractionalSodiumExcretion",
           withRenal("SerumSodium=140; UrineSodium=40"), u"Fractional Sodium Excretion"_s,
           u"0.29 % FE-Na"_s, QString());
    single("renal failure index", "RFI", withRenal("UrineSodium=40"), u"Renal Failure Index"_s,
           u"0.40 mEq/L"_s, QString());
    single("calcium ratio", "RenalCalciumClearance",
           withRenal("SerumCalcium=10 mg/dL; UrineCalcium=10 mg/dL"), u"Renal Calcium Clearance"_s,
           u"0.01 "_s, QString());
    single("calcium ratio mixed units", "RenalCalciumClearance",
           F("SerumCreatinine=88.4 umol/L; UrineCreatinine=100 mg/dL; SerumCalcium=2.5 mmol/L; "
             "UrineCalcium=10 mg/dL"),
           u"Renal Calcium Clearance"_s, u"0.01 "_s, QString());

    // Urate to creatinine.
    const char* urate = "UrateCreatinineRatio";
    const QString urateRow = u"Urate to Creatinine Ratio"_s;
    single("urate 1.00 below", urate, F("SerumCreatinine=5 mg/dL; SerumUrate=5 mg/dL"), urateRow,
           u"1.00"_s, UrateLow);
    single("urate umol/L below", urate, F("SerumCreatinine=442 umol/L; SerumUrate=297.4 umol/L"),
           urateRow, u"1.00"_s, UrateLow);
    single("urate 5.01 above", urate, F("SerumCreatinine=5 mg/dL; SerumUrate=5.01 mg/dL"), urateRow,
           u"1.00"_s, UrateHigh);

    // Urea and creatinine: three ratios, the legend and the box.
    const auto urea = [](const char* tag, const char* entries, const QString& r1, const QString& i1,
                         const QString& r2, const QString& i2, const QString& r3,
                         const QString& i3) {
        QTest::addRow("%s", tag) << u"UreaCreatinineRatios"_s << F(entries) << English
                                 << r1 + u" ; "_s + r2 + u" ; "_s + r3 << UreaLegend
                                 << u"Serum BUN to Serum Creatinine ratio: "_s + r1 +
                                        u"\rUrine Creatinine to Serum Creatinine: "_s + r2 +
                                        u"\rUrine BUN to Serum BUN ratio: "_s + r3 + u"\r\r"_s +
                                        i1 + u"\r\r"_s + i2 + u"\r\r"_s + i3
                                 << QStringList{line(u"Urea to Creatinine Ratio"_s, r1, i1),
                                                line(u"Creatinine to Creatinine Ratio"_s, r2, i2),
                                                line(u"Urea to Urea Ratio"_s, r3, i3)};
    };
    urea("urea ratios at the upper normal edges",
         "SerumCreatinine=1.5 mg/dL; UrineCreatinine=60 mg/dL; SerumUrea=30 mg/dL; "
         "UrineUrea=240 mg/dL",
         u"20.00"_s, {}, u"40.00"_s, {}, u"8.00"_s, {});
    urea("urea ratios at the lower normal edges",
         "SerumCreatinine=1 mg/dL; UrineCreatinine=20 mg/dL; SerumUrea=10 mg/dL; "
         "UrineUrea=30 mg/dL",
         u"10.00"_s, {}, u"20.00"_s, {}, u"3.00"_s, {});
    urea("urea ratios all low",
         "SerumCreatinine=1 mg/dL; UrineCreatinine=10 mg/dL; SerumUrea=9 mg/dL; "
         "UrineUrea=18 mg/dL",
         u"9.00"_s, BunLow, u"10.00"_s, CrLow, u"2.00"_s, UreaLow);
    urea("urea ratios 30.01 elevated",
         "SerumCreatinine=1.5 mg/dL; UrineCreatinine=60 mg/dL; SerumUrea=30.01 mg/dL; "
         "UrineUrea=240 mg/dL",
         u"20.01"_s, BunHigh, u"40.00"_s, {}, u"8.00"_s, {});
    urea("urea R1 exactly 36 elevated",
         "SerumCreatinine=1 mg/dL; UrineCreatinine=30 mg/dL; SerumUrea=36 mg/dL; "
         "UrineUrea=180 mg/dL",
         u"36.00"_s, BunHigh, u"30.00"_s, {}, u"5.00"_s, {});
    urea("urea R1 40 bleeding",
         "SerumCreatinine=1 mg/dL; UrineCreatinine=30 mg/dL; SerumUrea=40 mg/dL; "
         "UrineUrea=200 mg/dL",
         u"40.00"_s, BunGi, u"30.00"_s, {}, u"5.00"_s, {});
    urea("urea ratios SI units, high",
         "SerumCreatinine=88.4 umol/L; UrineCreatinine=8.84 mmol/L; SerumUrea=5 mmol/L; "
         "UrineUrea=300 mmol/L",
         u"14.01"_s, {}, u"100.00"_s, CrHigh, u"60.00"_s, UreaHigh);

    // Urinary potassium: the row keeps the short note.
    QTest::addRow("potassium excretion 40 x 1500")
        << u"UrinaryPotassiumExcretion"_s << F("UrinePotassium=40; UrineVolume=1500") << English
        << u"60.00 mEq/24 "_s << KLong << QString()
        << QStringList{line(u"Urinary Potassium Excretion"_s, u"60.00 mEq/24 "_s, KShort)};

    // Urine protein to creatinine.
    const char* protein = "UrineProteinCreatinineRatio";
    const QString proteinRow = u"Urine Protein to Creatinine Ratio"_s;
    single("protein 0.05 healthy", protein, F("UrineProtein=0.05; UrineCreatinine=100 mg/dL"),
           proteinRow, u"0.05"_s, u"Ratio is that of a healthy person."_s);
    single("protein exactly 0.1 trace", protein, F("UrineProtein=1; UrineCreatinine=1000 mg/dL"),
           proteinRow, u"0.10"_s, u"Ratio indicates trace proteinuria."_s);
    single("protein exactly 0.2 low grade", protein,
           F("UrineProtein=0.2; UrineCreatinine=100 mg/dL"), proteinRow, u"0.20"_s,
           u"Ratio indicates low grade proteinuria."_s);
    single("protein 1.00 moderate", protein, F("UrineProtein=1; UrineCreatinine=100 mg/dL"),
           proteinRow, u"1.00"_s, u"Ratio indicates moderate proteinuria"_s);
    single("protein creatinine 8.84 mmol/L", protein,
           F("UrineProtein=1; UrineCreatinine=8.84 mmol/L"), proteinRow, u"1.00"_s,
           u"Ratio indicates moderate proteinuria"_s);
    single("protein exactly 3.5 nephrotic", protein,
           F("UrineProtein=3.5; UrineCreatinine=100 mg/dL"), proteinRow, u"3.50"_s,
           u"Ratio indicates nephrotic syndrome."_s);

    // Cholesterol level interpretation: three classes, rows of words.
    const auto general = [](const char* tag, const char* entries, const QString& total,
                            const QString& hdl, const QString& ldl) {
        QTest::addRow("%s", tag)
            << u"GeneralResults"_s << F(entries) << English << Kept << summary(total, hdl, ldl)
            << QString()
            << QStringList{line(u"Total Cholesterol"_s, total, u"Total Cholesterol: "_s + total),
                           line(u"HDL Cholesterol"_s, hdl, u"HDL Cholesterol: "_s + hdl),
                           line(u"LDL Cholesterol"_s, ldl, u"LDL Cholesterol: "_s + ldl)};
    };
    QTest::addRow("general literal")
        << u"GeneralResults"_s << F("Gender=Female; Chol=199 mg/dL; HDL=40 mg/dL; LDL=129 mg/dL")
        << English << Kept
        << u"Total Cholesterol: desirable\r\rHDL Cholesterol: 1.9 times average\r\rLDL "
           u"Cholesterol: desirable\r\r"_s
        << QString()
        << QStringList{u"Total Cholesterol\tdesirable\tTotal Cholesterol: desirable"_s,
                       u"HDL Cholesterol\t1.9 times average\tHDL Cholesterol: 1.9 times average"_s,
                       u"LDL Cholesterol\tdesirable\tLDL Cholesterol: desirable"_s};
    general("general 200 borderline, woman 45, LDL 130",
            "Gender=Female; Chol=200 mg/dL; HDL=45 mg/dL; LDL=130 mg/dL", u"borderline high"_s,
            u"1.9 times average"_s, u"borderline high"_s);
    general("general 5.18 mmol/L is 200, woman 45.01, LDL 160",
            "Gender=Female; Chol=5.18 mmol/L; HDL=45.01 mg/dL; LDL=160 mg/dL", u"borderline high"_s,
            u"1.6 times average"_s, u"high"_s);
    general("general 240 high, woman 75",
            "Gender=Female; Chol=240 mg/dL; HDL=75 mg/dL; LDL=100 mg/dL", u"high"_s,
            u"0.5 times average"_s, u"desirable"_s);
    general("general woman 75.01 longevity",
            "Gender=Female; Chol=180 mg/dL; HDL=75.01 mg/dL; LDL=100 mg/dL", u"desirable"_s,
            u"longevity"_s, u"desirable"_s);
    general("general man 25", "Gender=Male; Chol=180 mg/dL; HDL=25 mg/dL; LDL=100 mg/dL",
            u"desirable"_s, u"2 times average"_s, u"desirable"_s);
    general("general man 25.01", "Gender=Male; Chol=180 mg/dL; HDL=25.01 mg/dL; LDL=100 mg/dL",
            u"desirable"_s, u"1.8 times average"_s, u"desirable"_s);
    general("general man 58", "Gender=Male; Chol=180 mg/dL; HDL=58 mg/dL; LDL=100 mg/dL",
            u"desirable"_s, u"0.7"_s, u"desirable"_s);
    general("general man 70", "Gender=Male; Chol=180 mg/dL; HDL=70 mg/dL; LDL=100 mg/dL",
            u"desirable"_s, u"0.5 times average"_s, u"desirable"_s);
    general("general man 70.01", "Gender=Male; Chol=180 mg/dL; HDL=70.01 mg/dL; LDL=100 mg/dL",
            u"desirable"_s, u"longevity"_s, u"desirable"_s);
    general("general man HDL in mmol/L",
            "Gender=Male; Chol=180 mg/dL; HDL=1.295 mmol/L; LDL=100 mg/dL", u"desirable"_s,
            u"average"_s, u"desirable"_s);
    general("general other gender: no risk text",
            "Gender=male; Chol=180 mg/dL; HDL=50 mg/dL; LDL=100 mg/dL", u"desirable"_s, {},
            u"desirable"_s);

    // Total cholesterol to HDL.
    const char* cholHdl = "CholHDL";
    const QString cholHdlRow = u"Total Cholesterol-to-HDL Cholesterol Ratio"_s;
    single("CholHDL man exactly 3.4", cholHdl, F("Gender=Male; Chol=170 mg/dL; HDL=50 mg/dL"),
           cholHdlRow, u"3.40"_s, risk(u"less than 50% than that of"_s));
    single("CholHDL man exactly 4.9 two blanks", cholHdl,
           F("Gender=Male; Chol=245 mg/dL; HDL=50 mg/dL"), cholHdlRow, u"4.90"_s,
           u"The risk of coronary artery disease is 50% than that of  the 'average American'."_s);
    single("CholHDL man 4.95 joins the next band", cholHdl,
           F("Gender=Male; Chol=247.5 mg/dL; HDL=50 mg/dL"), cholHdlRow, u"4.95"_s,
           risk(u"that of"_s));
    single("CholHDL man exactly 23.3", cholHdl, F("Gender=Male; Chol=233 mg/dL; HDL=10 mg/dL"),
           cholHdlRow, u"23.30"_s, risk(u"twice that of"_s));
    single("CholHDL man 23.31", cholHdl, F("Gender=Male; Chol=233.1 mg/dL; HDL=10 mg/dL"),
           cholHdlRow, u"23.31"_s, risk(u"3 times that of"_s));
    single("CholHDL woman exactly 10.9", cholHdl, F("Gender=Female; Chol=218 mg/dL; HDL=20 mg/dL"),
           cholHdlRow, u"10.90"_s, risk(u"twice that of"_s));
    single("CholHDL woman 10.91", cholHdl, F("Gender=Female; Chol=218.2 mg/dL; HDL=20 mg/dL"),
           cholHdlRow, u"10.91"_s, risk(u"3 times that of"_s));
    single("CholHDL woman 4.35 on par", cholHdl, F("Gender=Female; Chol=217.5 mg/dL; HDL=50 mg/dL"),
           cholHdlRow, u"4.35"_s, risk(u"on par with"_s));
    single("CholHDL mixed units 4.00", cholHdl, F("Gender=Male; Chol=5.18 mmol/L; HDL=50 mg/dL"),
           cholHdlRow, u"4.00"_s, risk(u"50% than that of "_s));
    single("CholHDL 150 over 38", cholHdl, F("Gender=Female; Chol=150 mg/dL; HDL=38 mg/dL"),
           cholHdlRow, u"3.95"_s, risk(u"50% than that of "_s));
    single("CholHDL other gender: no phrase", cholHdl, F("Gender=; Chol=150 mg/dL; HDL=38 mg/dL"),
           cholHdlRow, u"3.95"_s,
           u"The risk of coronary artery disease is  the 'average American'."_s);

    // LDL to HDL.
    const QString ldlHdlRow = u"LDL to HDL ratio"_s;
    const QString cardio = u"Risk of cardiovascular disease: "_s;
    single("LDLHDL 0.4 very low", "LDLHDL", F("LDL=20 mg/dL; HDL=50 mg/dL"), ldlHdlRow, u"0.40"_s,
           cardio + u"very low"_s);
    single("LDLHDL exactly 0.5 low", "LDLHDL", F("LDL=25 mg/dL; HDL=50 mg/dL"), ldlHdlRow,
           u"0.50"_s, cardio + u"low"_s);
    single("LDLHDL exactly 3 moderate", "LDLHDL", F("LDL=150 mg/dL; HDL=50 mg/dL"), ldlHdlRow,
           u"3.00"_s, cardio + u"moderate"_s);
    single("LDLHDL exactly 6 moderate", "LDLHDL", F("LDL=300 mg/dL; HDL=50 mg/dL"), ldlHdlRow,
           u"6.00"_s, cardio + u"moderate"_s);
    single("LDLHDL 6.01 high", "LDLHDL", F("LDL=300.5 mg/dL; HDL=50 mg/dL"), ldlHdlRow, u"6.01"_s,
           cardio + u"high"_s);

    // ATP III: words on the screen, plain mg/dL numbers in the rows.
    const auto atp3 = [](const char* tag, const char* entries, const QLocale& locale,
                         const QStringList& values, const QString& total, const QString& hdl,
                         const QString& ldl) {
        QTest::addRow("%s", tag)
            << u"Adult3"_s << F(entries) << locale << Kept << summary(total, hdl, ldl) << QString()
            << QStringList{
                   line(u"ATP3: Total Cholesterol"_s, values[0], u"Total Cholesterol: "_s + total),
                   line(u"ATP3 :HDL Cholesterol"_s, values[1], u"HDL Cholesterol: "_s + hdl),
                   line(u"ATP3: LDL Cholesterol"_s, values[2], u"LDL Cholesterol: "_s + ldl)};
    };
    atp3("ATP3 lower edges", "Chol=200 mg/dL; HDL=40 mg/dL; LDL=100 mg/dL", English,
         {u"200"_s, u"40"_s, u"100"_s}, u"borderline high"_s, u"intermediate"_s,
         u"near or above optimal"_s);
    atp3("ATP3 upper edges", "Chol=240 mg/dL; HDL=60 mg/dL; LDL=190 mg/dL", English,
         {u"240"_s, u"60"_s, u"190"_s}, u"high"_s, u"intermediate"_s, u"very high"_s);
    atp3("ATP3 just outside", "Chol=199.9 mg/dL; HDL=39.99 mg/dL; LDL=189.9 mg/dL", English,
         {u"199.9"_s, u"39.99"_s, u"189.9"_s}, u"desirable"_s, u"low"_s, u"high"_s);
    atp3("ATP3 5 mmol/L in German", "Chol=5 mmol/L; HDL=60,01 mg/dL; LDL=99 mg/dL", German,
         {u"193,050193050193"_s, u"60,01"_s, u"99"_s}, u"desirable"_s, u"high"_s, u"optimal"_s);
    atp3("ATP3 LDL 130 and 160", "Chol=5.18 mmol/L; HDL=50 mg/dL; LDL=130 mg/dL", English,
         {u"200"_s, u"50"_s, u"130"_s}, u"borderline high"_s, u"intermediate"_s,
         u"borderline high"_s);

    // AST to ALT, N = 0.8.
    const QString astRow = u"AST to ALT ratio"_s;
    single("AST/ALT exactly 0.65", "ASTALT", F("AST=65; ALT=100"), astRow, u"0.65 "_s, AstViral);
    single("AST/ALT 0.79", "ASTALT", F("AST=79; ALT=100"), astRow, u"0.79 "_s, AstCholestasis);
    single("AST/ALT exactly 0.8", "ASTALT", F("AST=80; ALT=100"), astRow, u"0.80 "_s, AstNormal);
    single("AST/ALT exactly 1.3", "ASTALT", F("AST=130; ALT=100"), astRow, u"1.30 "_s, AstChronic);
    single("AST/ALT exactly 1.5", "ASTALT", F("AST=150; ALT=100"), astRow, u"1.50 "_s, AstChronic);
    single("AST/ALT exactly 2", "ASTALT", F("AST=200; ALT=100"), astRow, u"2.00 "_s, AstAlcoholic);
    single("AST/ALT exactly 3", "ASTALT", F("AST=300; ALT=100"), astRow, u"3.00 "_s, AstDrug);
    single("AST/ALT 3.01", "ASTALT", F("AST=301; ALT=100"), astRow, u"3.01 "_s, AstMi);

    const QString agRow = u"Albumin to Globulin ratio"_s;
    single("A/G exactly 1", "AlbuminGlobulin", F("Albumin=4 g/dL; Globulin=4 g/dL"), agRow,
           u"1.00 "_s, AgHigh);
    single("A/G 0.99 three-part text", "AlbuminGlobulin", F("Albumin=3.96 g/dL; Globulin=4 g/dL"),
           agRow, u"0.99 "_s, AgLow);
    single("A/G albumin in g/L", "AlbuminGlobulin", F("Albumin=40 g/L; Globulin=2.5 g/dL"), agRow,
           u"1.60 "_s, AgHigh);

    const QString biliRow = u"Bilirubin to Bilirubin ratio"_s;
    single("bilirubin 18", "Bilirubin", F("BilirubinDirect=0.9 mg/dL; BilirubinTotal=5 mg/dL"),
           biliRow, u"18.00 % "_s, BiliGilbert);
    single("bilirubin exactly 20", "Bilirubin",
           F("BilirubinDirect=1 mg/dL; BilirubinTotal=5 mg/dL"), biliRow, u"20.00 % "_s,
           BiliHepatocellular);
    single("bilirubin exactly 40", "Bilirubin",
           F("BilirubinDirect=2 mg/dL; BilirubinTotal=5 mg/dL"), biliRow, u"40.00 % "_s,
           BiliEither);
    single("bilirubin exactly 60", "Bilirubin",
           F("BilirubinDirect=3 mg/dL; BilirubinTotal=5 mg/dL"), biliRow, u"60.00 % "_s,
           BiliObstruction);
    single("bilirubin umol/L direct", "Bilirubin",
           F("BilirubinDirect=34.2 umol/L; BilirubinTotal=2.0 mg/dL"), biliRow, u"100.00 % "_s,
           BiliObstruction);

    // Ferritin: no result on the screen, an empty result cell in the row.
    const auto ferritin = [](const char* tag, const char* entries, const QString& text) {
        QTest::addRow("%s", tag) << u"FerritinStores"_s << F(entries) << English << Kept << text
                                 << QString()
                                 << QStringList{line(u"Ferritin Stores"_s, QString(), text)};
    };
    ferritin("ferritin exactly 10", "Ferritin=10 ng/ml", FerritinNormal);
    ferritin("ferritin 9.9", "Ferritin=9.9 ug/L", FerritinLow);
    ferritin("ferritin exactly 220", "Ferritin=220 ug/L", FerritinNormal);
    ferritin("ferritin 220.1", "Ferritin=220.1 ng/ml", FerritinHigh);
    ferritin("ferritin 449.4 pmol/L", "Ferritin=449.4 pmol/L", FerritinNormal);

    const QString satRow = u"Transferrin Saturation"_s;
    single("saturation 33.33", "TransferrinSat", F("Iron=100 ug/dL; TIBC=300 ug/dL"), satRow,
           u"33.33 % "_s, SatNormal);
    single("saturation iron in umol/L", "TransferrinSat", F("Iron=17.9 umol/L; TIBC=300 ug/dL"),
           satRow, u"33.33 % "_s, SatNormal);
    single("saturation exactly 55", "TransferrinSat", F("Iron=55 ug/dL; TIBC=100 ug/dL"), satRow,
           u"55.00 % "_s, SatNormal);
    single("saturation 55.01", "TransferrinSat", F("Iron=55.01 ug/dL; TIBC=100 ug/dL"), satRow,
           u"55.01 % "_s, SatHigh);
    single("saturation exactly 16", "TransferrinSat", F("Iron=16 ug/dL; TIBC=100 ug/dL"), satRow,
           u"16.00 % "_s, SatNormal);
    single("saturation 15.99", "TransferrinSat", F("Iron=15.99 ug/dL; TIBC=100 ug/dL"), satRow,
           u"15.99 % "_s, SatLow);

    const QString tibcRow = u"Total Iron Binding Capacity"_s;
    single("TIBC from 2.5 g/L", "TIBCCalculated", F("Transferrin=2.5 g/L"), tibcRow,
           u"357.50 ug/dL "_s, TibcNormal);
    single("TIBC 248.82", "TIBCCalculated", F("Transferrin=174 mg/dL"), tibcRow, u"248.82 ug/dL "_s,
           TibcLow);
    single("TIBC 449.02", "TIBCCalculated", F("Transferrin=314 mg/dL"), tibcRow, u"449.02 ug/dL "_s,
           TibcNormal);
    single("TIBC 450.45", "TIBCCalculated", F("Transferrin=315 mg/dL"), tibcRow, u"450.45 ug/dL "_s,
           TibcHigh);

    const QString tfRow = u"Transferrin Calculated"_s;
    single("transferrin 210", "TransferrinCalculated", F("TIBC=300 ug/dL"), tfRow,
           u"210.00 mg/dL "_s, TfNormal);
    single("transferrin from umol/L", "TransferrinCalculated", F("TIBC=53.7 umol/L"), tfRow,
           u"210.00 mg/dL "_s, TfNormal);
    single("transferrin 196", "TransferrinCalculated", F("TIBC=280 ug/dL"), tfRow,
           u"196.00 mg/dL "_s, TfLow);
    single("transferrin 364", "TransferrinCalculated", F("TIBC=520 ug/dL"), tfRow,
           u"364.00 mg/dL "_s, TfHigh);
    single("transferrin exactly 360", "TransferrinCalculated", F("TIBC=514.2857142857143 ug/dL"),
           tfRow, u"360.00 mg/dL "_s, TfNormal);
}

void TestCalculations::golden() {
    QFETCH(QString, item);
    QFETCH(MapFields, fields);
    QFETCH(QLocale, locale);
    QFETCH(QString, result);
    QFETCH(QString, moreInfo);
    QFETCH(QString, message);
    QFETCH(QStringList, rows);

    const Calculation calculation = calculationNamed(item);
    QVERIFY(calculation);
    const Outcome outcome = calculation(fields, locale);

    QCOMPARE(outcome.result.value_or(Kept), result);
    QCOMPARE(outcome.moreInfo, moreInfo);
    QCOMPARE(outcome.message, message);
    QStringList lines;
    for (const ResultRow& row : outcome.rows)
        lines << row.line();
    QCOMPARE(lines, rows);
}

// Across all 22 items from one set of fields: the row form repeats the screen
// form's texts except where the items word them differently.
void TestCalculations::formsAgree() {
    const MapFields fields =
        F("Age=40; Weight=70 kg; Gender=Male; SerumCreatinine=1.0 mg/dL; "
          "UrineCreatinine=100 mg/dL; SerumSodium=140; UrineSodium=40; SerumPotassium=4; "
          "UrinePotassium=40; SerumCalcium=10 mg/dL; UrineCalcium=10 mg/dL; "
          "SerumPhosphorus=3.5 mg/dL; SerumUrea=15 mg/dL; UrineUrea=600 mg/dL; "
          "SerumUrate=5 mg/dL; SerumAmylase=100; UrineAmylase=300; UrineProtein=1; "
          "UrineVolume=1500; Chol=5 mmol/L; HDL=50 mg/dL; LDL=130 mg/dL; AST=80; ALT=100; "
          "BilirubinDirect=1 mg/dL; BilirubinTotal=5 mg/dL; Albumin=4 g/dL; Globulin=2.5 g/dL; "
          "Iron=100 ug/dL; TIBC=300 ug/dL; Ferritin=100 ng/ml; Transferrin=250 mg/dL");
    const QString cr2 = u"\r\r"_s;

    for (const OverviewItem& item : overviewItems()) {
        const QString name = QString::fromLatin1(item.listText);
        const Outcome outcome = item.calculation(fields, English);
        QVERIFY2(!outcome.rows.isEmpty(), qPrintable(name));
        if (item.calculation == GeneralResults || item.calculation == Adult3) {
            QVERIFY(!outcome.result);
            QCOMPARE(outcome.rows.size(), 3);
            QString joined;
            for (const ResultRow& row : outcome.rows)
                joined += row.interpretation + cr2;
            QCOMPARE(outcome.moreInfo, joined);
        } else if (item.calculation == UreaCreatinineRatios) {
            QCOMPARE(outcome.rows.size(), 3);
            QCOMPARE(*outcome.result, outcome.rows[0].result + u" ; "_s + outcome.rows[1].result +
                                          u" ; "_s + outcome.rows[2].result);
            QVERIFY(outcome.message.endsWith(cr2 + outcome.rows[0].interpretation + cr2 +
                                             outcome.rows[1].interpretation + cr2 +
                                             outcome.rows[2].interpretation));
        } else {
            QCOMPARE(outcome.rows.size(), 1);
            const ResultRow& row = outcome.rows.front();
            if (item.calculation == FerritinStores) {
                QVERIFY(!outcome.result);
                QVERIFY(row.result.isEmpty());
            } else {
                QCOMPARE(row.result, *outcome.result);
            }
            if (item.calculation == UrinaryPotassiumExcretion)
                QVERIFY(outcome.moreInfo.startsWith(row.interpretation.chopped(2)));
            else
                QCOMPARE(row.interpretation, outcome.moreInfo);
        }
        if (item.calculation != UreaCreatinineRatios)
            QVERIFY2(outcome.message.isEmpty(), qPrintable(name));
    }
}

// The working: each input as typed and converted, and the unrounded value.
void TestCalculations::convertedInputsAndValues() {
    const Outcome outcome = CreatinineClearanceEstimated(
        F("Age=40; Weight=154 lbs; Gender=Female; SerumCreatinine=88.4 umol/L"), English);
    QCOMPARE(outcome.inputs.size(), 4);
    QCOMPARE(outcome.inputs[1].id, A::Weight);
    QCOMPARE(outcome.inputs[1].typed, 154.0);
    QCOMPARE(outcome.inputs[1].converted, 154.0 / 2.2);
    QCOMPARE(outcome.inputs[2].valueText, u"Female"_s);
    QCOMPARE(outcome.inputs[3].converted, 1.0);
    QCOMPARE(outcome.values, QList<double>{(100.0 * (154.0 / 2.2)) / (1.0 * 85.0)});

    const Outcome protein =
        UrineProteinCreatinineRatio(F("UrineProtein=1,5; UrineCreatinine=100 mg/dL"), German);
    QCOMPARE(protein.inputs[1].typed, 1.5);
    QCOMPARE(protein.inputs[1].converted, 150.0);
    QCOMPARE(*protein.result, u"1,50"_s);
}

QUARVEX_TEST_MAIN(TestCalculations)
#include "tst_calculations.moc"
