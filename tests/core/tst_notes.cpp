#include "analytes/format.h"
#include "calc/derivation.h"
#include "calc/notes.h"
#include "coretestmain.h"
#include "literature/references.h"
#include "overview/json.h"
#include "overview/overview.h"
#include "testfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <vector>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::ItemId)

namespace {

QList<Note> ofKind(const QList<Note>& notes, NoteKind kind)
{
    QList<Note> out;
    for (const Note& note : notes) {
        if (note.kind == kind)
            out << note;
    }
    return out;
}

// Computes the item from the fields and returns the notes of one row.
QList<Note> notesFor(ItemId id, int row, const MapFields& fields, const QLocale& locale,
                     Outcome* computed = nullptr)
{
    const Inputs inputs(fields, locale);
    const ItemDescriptor& d = item(id);
    const QList<Finding> findings = d.findings(inputs);
    if (!findings.isEmpty())
        qFatal("the test case does not compute: %s", qPrintable(findings.front().text));
    const Outcome outcome = d.compute(inputs);
    if (computed)
        *computed = outcome;
    return rowNotes(id, row, inputs, outcome, locale);
}

bool sameText(const char* a, const char* b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

// One side of one band edge of one row: the value just beside the edge that
// "###0.00" shows as the edge itself.
struct EdgeCase {
    QString name;
    ItemId item;
    int row;
    QString gender;
    double value;
    QString interpretation; // the text of the band that holds the value
    bool crosses;           // the shown edge lies in a band with another text
};

// Every edge of every band table behind a "###0.00" result, for both genders
// (tables chosen by gender differ): just below and just above the edge.
std::vector<EdgeCase> edgeCases()
{
    std::vector<EdgeCase> cases;
    std::set<const Band*> seen;
    for (const char* gender : {GenderMale, GenderFemale}) {
        MapFields fields = exampleFields();
        fields.setValue(AnalyteId::Gender, QString::fromLatin1(gender));
        const Inputs inputs(fields, English);
        for (const ItemDescriptor& d : overviewItems()) {
            const Outcome outcome = d.compute(inputs);
            for (int row = 0; row < outcome.working.size(); ++row) {
                const RowWorking& working = outcome.working[row];
                if (!working.formula || working.formula->shown != Shown::Fixed2 ||
                    working.bands.empty() || !seen.insert(working.bands.data()).second)
                    continue;
                for (size_t i = 0; i + 1 < working.bands.size(); ++i) {
                    const Band& band = working.bands[i];
                    const char* lower = band.text;
                    const char* upper = working.bands[i + 1].text;
                    // An edge that belongs to the upper band misleads from just
                    // below; one that belongs to the lower band from just above.
                    const double wrong = band.inclusive ? band.upTo + 0.004 : band.upTo - 0.004;
                    const double right = band.inclusive ? band.upTo - 0.004 : band.upTo + 0.004;
                    const QString name =
                        u"item %1 row %2 edge %3 %4"_s.arg(int(d.id)).arg(row).arg(band.upTo).arg(
                            QString::fromLatin1(gender));
                    cases.push_back({name + u" beyond"_s, d.id, row, QString::fromLatin1(gender),
                                     wrong, QString::fromLatin1(band.inclusive ? upper : lower),
                                     !sameText(lower, upper)});
                    cases.push_back({name + u" inside"_s, d.id, row, QString::fromLatin1(gender),
                                     right, QString::fromLatin1(band.inclusive ? lower : upper),
                                     false});
                }
            }
        }
    }
    return cases;
}

} // namespace

class TestNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void context_data();
    void context();
    void namedNotes_data();
    void namedNotes();
    void sharedNoteShownOnce();
    void roundingAtEveryBandEdge_data();
    void roundingAtEveryBandEdge();
    void edgeCasesReachTheBandTables();
    void roundingOfRealCases_data();
    void roundingOfRealCases();
    void calciumCutOffs_data();
    void calciumCutOffs();
    void notesComeInKindOrder();
    void tablesPointAtRealRowsAndReferences();
    void fillTemplate_data();
    void fillTemplate();
    void templatesOfEveryNote_data();
    void templatesOfEveryNote();
    void exampleCaseLineIsLean();
};

// The context rules the table below covers (those of namedNotes are worked
// there).
const QSet<QString> PlainRules{
    u"hdl.longevity"_s,
    u"ast-alt.not-raised"_s,
    u"albumin-globulin.usual-range"_s,
    u"bilirubin.not-raised"_s,
    u"cockcroft-gault.under-18"_s,
    u"fek.potassium-not-low"_s,
    u"renal-failure-index.creatinine-not-raised"_s,
    u"fena.creatinine-not-raised"_s,
    u"feurea.creatinine-not-raised"_s,
    u"urate-ratio.creatinine-not-raised"_s,
    u"urate-ratio.creatinine-unknown"_s,
    u"urinary-potassium.potassium-not-low"_s,
    u"urinary-potassium.potassium-unknown"_s,
    u"urine-creatinine-ratio.creatinine-not-raised"_s,
    u"urine-urea-ratio.creatinine-not-raised"_s,
};

// Each context rule with a case that raises it and a neighbouring case that
// does not: the limits follow the typed unit and the gender, and without a
// gender the wider of the men's and women's limits counts.
void TestNotes::context_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected"); // a part of the one context note; empty for none

    const auto add = [](const char* name, ItemId id, int row, const QString& fields,
                        const QString& expected, const QLocale& locale = English) {
        QTest::newRow(name) << id << row << F(fields) << locale << expected;
    };
    using I = ItemId;

    add("AST/ALT: both normal, no gender", I::AstAltRatio, 0, u"AST=20; ALT=32"_s,
        u"AST 20 IU/L (adult reference 9–40 IU/L, men and women) and ALT 32 IU/L (adult "
        "reference 7–55 IU/L, men and women) are not raised"_s);
    add("AST/ALT: ALT above the men's limit", I::AstAltRatio, 0, u"AST=20; ALT=56"_s, {});
    add("AST/ALT: ALT above the women's limit", I::AstAltRatio, 0,
        u"Gender=Female; AST=20; ALT=32"_s, {});
    add("AST/ALT: men, both at their upper limits", I::AstAltRatio, 0,
        u"Gender=Male; AST=40; ALT=55"_s, u"AST 40 IU/L (adult reference 10–40 IU/L, men)"_s);
    add("AST/ALT: men, AST raised", I::AstAltRatio, 0, u"Gender=Male; AST=41; ALT=30"_s, {});

    add("bilirubin: total at its upper limit", I::BilirubinRatio, 0,
        u"BilirubinDirect=0.3 mg/dL; BilirubinTotal=1.2 mg/dL"_s,
        u"Total bilirubin 1.2 mg/dL (adult reference 0.1–1.2 mg/dL) is not raised"_s);
    add("bilirubin: total raised", I::BilirubinRatio, 0,
        u"BilirubinDirect=0.3 mg/dL; BilirubinTotal=1.3 mg/dL"_s, {});
    add("bilirubin: total normal in umol/L", I::BilirubinRatio, 0,
        u"BilirubinDirect=5 umol/L; BilirubinTotal=20.5 umol/L"_s,
        u"20.5 umol/L (adult reference 1.71–20.5 umol/L)"_s);
    add("bilirubin: total raised in umol/L", I::BilirubinRatio, 0,
        u"BilirubinDirect=5 umol/L; BilirubinTotal=21 umol/L"_s, {});

    add("potassium excretion: serum potassium at its lower limit", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1500; UrinePotassium=40; SerumPotassium=3.5"_s,
        u"Serum potassium 3.5 mEq/L (adult reference 3.5–5 mEq/L) is not low"_s);
    add("potassium excretion: serum potassium low", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1500; UrinePotassium=40; SerumPotassium=3.4"_s, {});
    add("potassium excretion: serum potassium not typed", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1500; UrinePotassium=40"_s, u"Serum potassium is not known"_s);
    add("potassium excretion: serum potassium unreadable", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1500; UrinePotassium=40; SerumPotassium=abc"_s,
        u"Serum potassium is not known"_s);

    const QString fek =
        u"SerumCreatinine=1 mg/dL; UrineCreatinine=100 mg/dL; UrinePotassium=40; "_s;
    add("FEK: serum potassium normal", I::FractionalPotassiumExcretion, 0,
        fek + u"SerumPotassium=4"_s, u"Serum potassium 4 mEq/L (adult reference 3.5–5 mEq/L)"_s);
    add("FEK: serum potassium low", I::FractionalPotassiumExcretion, 0,
        fek + u"SerumPotassium=3.2"_s, {});

    const QString rfi = u"UrineCreatinine=100 mg/dL; UrineSodium=20; "_s;
    add("RFI: creatinine normal for either sex, no gender", I::RenalFailureIndex, 0,
        rfi + u"SerumCreatinine=1.2 mg/dL"_s,
        u"Serum creatinine 1.2 mg/dL (adult reference 0.6–1.3 mg/dL, men and women)"_s);
    add("RFI: creatinine above the women's limit", I::RenalFailureIndex, 0,
        rfi + u"Gender=Female; SerumCreatinine=1.2 mg/dL"_s, {});
    add("RFI: creatinine at the men's upper limit", I::RenalFailureIndex, 0,
        rfi + u"Gender=Male; SerumCreatinine=1.3 mg/dL"_s,
        u"(adult reference 0.7–1.3 mg/dL, men)"_s);
    add("RFI: creatinine raised", I::RenalFailureIndex, 0,
        rfi + u"Gender=Male; SerumCreatinine=1.4 mg/dL"_s, {});
    add("RFI: creatinine normal in umol/L, German", I::RenalFailureIndex, 0,
        rfi + u"SerumCreatinine=88,4 umol/L"_s,
        u"Serum creatinine 88,4 umol/L (adult reference 53,04–114,9 umol/L, men and women)"_s,
        German);
    add("RFI: creatinine raised in umol/L", I::RenalFailureIndex, 0,
        rfi + u"SerumCreatinine=116 umol/L"_s, {});

    const QString fena = u"UrineCreatinine=100 mg/dL; UrineSodium=20; SerumSodium=140; "_s;
    add("FENa: creatinine normal", I::FractionalSodiumExcretion, 0,
        fena + u"SerumCreatinine=0.9 mg/dL"_s, u"acute tubular necrosis"_s);
    add("FENa: creatinine raised", I::FractionalSodiumExcretion, 0,
        fena + u"SerumCreatinine=2 mg/dL"_s, {});
    // The fractional urea excretion is the index read on diuretics: its note
    // never limits it to "before diuretics".
    const QString feurea =
        u"UrineCreatinine=100 mg/dL; SerumUrea=30 mg/dL; UrineUrea=900 mg/dL; "_s;
    add("FEUrea: creatinine normal", I::FractionalUreaExcretion, 0,
        feurea + u"SerumCreatinine=0.9 mg/dL"_s,
        u"unlike the fractional sodium excretion, keeps its meaning on diuretics"_s);
    add("FEUrea: creatinine raised", I::FractionalUreaExcretion, 0,
        feurea + u"SerumCreatinine=2 mg/dL"_s, {});

    const QString urea = u"UrineCreatinine=100 mg/dL; SerumUrea=15 mg/dL; UrineUrea=900 mg/dL; "_s;
    add("urea ratios: BUN/creatinine is not a urinary index", I::UreaCreatinineRatios, 0,
        urea + u"SerumCreatinine=1 mg/dL"_s, {});
    add("urea ratios: creatinine ratio, creatinine normal", I::UreaCreatinineRatios, 1,
        urea + u"SerumCreatinine=1 mg/dL"_s, u"Serum creatinine 1 mg/dL"_s);
    add("urea ratios: urea ratio, creatinine normal", I::UreaCreatinineRatios, 2,
        urea + u"SerumCreatinine=1 mg/dL"_s, u"Serum creatinine 1 mg/dL"_s);
    add("urea ratios: urea ratio, creatinine raised", I::UreaCreatinineRatios, 2,
        urea + u"SerumCreatinine=2 mg/dL"_s, {});

    const QString urate = u"UrineUrate=40 mg/dL; UrineCreatinine=110 mg/dL"_s;
    add("uric acid ratio: creatinine normal", I::UrateCreatinineRatio, 0,
        urate + u"; SerumCreatinine=1.1 mg/dL"_s, u"healthy adults have a ratio below 0.60"_s);
    add("uric acid ratio: creatinine raised", I::UrateCreatinineRatio, 0,
        urate + u"; SerumCreatinine=2.5 mg/dL"_s, {});
    add("uric acid ratio: creatinine not typed", I::UrateCreatinineRatio, 0, urate,
        u"Serum creatinine is not known"_s);

    const QString cg = u"Weight=60 kg; Gender=Male; SerumCreatinine=1 mg/dL; "_s;
    add("Cockcroft-Gault: age 17", I::CreatinineClearance, 0, cg + u"Age=17"_s,
        u"Age 17: Cockcroft and Gault"_s);
    add("Cockcroft-Gault: age 18", I::CreatinineClearance, 0, cg + u"Age=18"_s, {});

    const QString lipids = u"Chol=220 mg/dL; LDL=100 mg/dL; "_s;
    add("HDL: men above 70 read as longevity", I::CholesterolLevels, 1,
        lipids + u"Gender=Male; HDL=71 mg/dL"_s, u"not protective"_s);
    add("HDL: men at 70", I::CholesterolLevels, 1, lipids + u"Gender=Male; HDL=70 mg/dL"_s, {});
    add("HDL: women at 72 (not yet longevity)", I::CholesterolLevels, 1,
        lipids + u"Gender=Female; HDL=72 mg/dL"_s, {});
    add("HDL: women above 75", I::CholesterolLevels, 1, lipids + u"Gender=Female; HDL=76 mg/dL"_s,
        u"not protective"_s);
    add("HDL: men in mmol/L", I::CholesterolLevels, 1, lipids + u"Gender=Male; HDL=1.9 mmol/L"_s,
        u"not protective"_s);
    add("HDL: the total cholesterol row", I::CholesterolLevels, 0,
        lipids + u"Gender=Male; HDL=71 mg/dL"_s, {});

    add("A/G: 1.6 within the usual range", I::AlbuminGlobulinRatio, 0,
        u"Albumin=4 g/dL; Globulin=2.5 g/dL"_s, u"A ratio of 1.6 is within"_s);
    add("A/G: 1.0 in g/L, German", I::AlbuminGlobulinRatio, 0, u"Albumin=40 g/L; Globulin=40 g/L"_s,
        u"A ratio of 1 is within"_s, German);
    add("A/G: 2.5", I::AlbuminGlobulinRatio, 0, u"Albumin=5 g/dL; Globulin=2 g/dL"_s,
        u"A ratio of 2.5 is within"_s);
    add("A/G: 2.6", I::AlbuminGlobulinRatio, 0, u"Albumin=5.2 g/dL; Globulin=2 g/dL"_s, {});
    add("A/G: low", I::AlbuminGlobulinRatio, 0, u"Albumin=3 g/dL; Globulin=3.5 g/dL"_s, {});
}

void TestNotes::context()
{
    QFETCH(ItemId, id);
    QFETCH(int, row);
    QFETCH(MapFields, fields);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    // The rules of this table; the others have their own table below.
    QList<Note> notes = ofKind(notesFor(id, row, fields, locale), NoteKind::Context);
    notes.removeIf([](const Note& note) { return !PlainRules.contains(note.id); });
    if (expected.isEmpty()) {
        QVERIFY2(notes.isEmpty(), qPrintable(notes.value(0).text));
        return;
    }
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.front().text.contains(expected), qPrintable(notes.front().text));
    QVERIFY(!notes.front().text.contains(QRegularExpression(u"%\\d"_s)));
    QVERIFY(!notes.front().sources.isEmpty());
    for (const QString& id : notes.front().sources)
        QVERIFY2(findReference(id), qPrintable(id));
}

// Each named note with a case that raises it and a neighbouring case that
// does not, the numbers worked by hand.
void TestNotes::namedNotes_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("expected"); // parts of its text; empty: not raised

    const auto add = [](const char* name, ItemId id, int row, const QString& fields,
                        const char* note, const QStringList& expected = {}) {
        QTest::newRow(name) << id << row << F(fields) << QString::fromLatin1(note) << expected;
    };
    using I = ItemId;

    // CKD-EPI 2021, men aged 60: 142 × (Scr/0.9)^−1.2 × 0.9938^60.
    const QString atn = u"Age=60; Gender=Male; SerumCreatinine=4.5 mg/dL"_s;     // 14.18
    const QString healthy = u"Age=60; Gender=Male; SerumCreatinine=1.0 mg/dL"_s; // 86.14
    const QString edge = u"Age=60; Gender=Male; SerumCreatinine=1.36 mg/dL"_s;   // 59.57, shown 60
    add("eGFR 14: steady state", I::EgfrCkdEpi, 0, atn, "egfr.steady-state",
        {u"An eGFR of 14 needs a serum creatinine in a steady state"_s,
         u"No source for this note"_s});
    add("eGFR 14: three months", I::EgfrCkdEpi, 0, atn, "egfr.three-months",
        {u"one eGFR of 14 is no stage"_s});
    add("eGFR 14: not G1/G2", I::EgfrCkdEpi, 0, atn, "egfr.g1-g2");
    add("eGFR 86: G1/G2", I::EgfrCkdEpi, 0, healthy, "egfr.g1-g2",
        {u"An eGFR of 86 in category G1 or G2"_s});
    add("eGFR 86: no steady-state note", I::EgfrCkdEpi, 0, healthy, "egfr.steady-state");
    add("eGFR 59.57 shown 60: read as shown", I::EgfrCkdEpi, 0, edge, "egfr.three-months");
    add("eGFR 59.57 shown 60: G2", I::EgfrCkdEpi, 0, edge, "egfr.g1-g2", {u"An eGFR of 60 in"_s});

    // Transferrin saturation = iron ÷ TIBC × 100.
    const QString ferritin = u"TIBC=400 ug/dL; "_s;
    add("ferritin 350, TSAT 17.5: inflammation", I::FerritinStores, 0,
        ferritin + u"Ferritin=350 ng/ml; Iron=70 ug/dL"_s, "ferritin.inflammation",
        {u"A ferritin of 350 ng/mL with a transferrin saturation of 17.50 %, below 20 %, is not "
         "iron overload"_s,
         u"anaemia of chronic disease"_s});
    add("ferritin 350, TSAT 17.5: not the 20–45 % note", I::FerritinStores, 0,
        ferritin + u"Ferritin=350 ng/ml; Iron=70 ug/dL"_s, "ferritin.not-overload");
    add("ferritin 350, TSAT 25: no inflammation note", I::FerritinStores, 0,
        ferritin + u"Ferritin=350 ng/ml; Iron=100 ug/dL"_s, "ferritin.inflammation");
    add("ferritin 350 without iron: no saturation to read", I::FerritinStores, 0,
        u"Ferritin=350 ng/ml"_s, "ferritin.inflammation");
    add("ferritin 600, TSAT 25: not overload", I::FerritinStores, 0,
        ferritin + u"Ferritin=600 ng/ml; Iron=100 ug/dL"_s, "ferritin.not-overload",
        {u"A ferritin of 600 ng/mL with a transferrin saturation of 25.00 % is not iron "
         "overload"_s});
    add("ferritin 600, TSAT 50: may be overload", I::FerritinStores, 0,
        ferritin + u"Ferritin=600 ng/ml; Iron=200 ug/dL"_s, "ferritin.not-overload");
    add("ferritin 12: below the WHO cut-off", I::FerritinStores, 0,
        ferritin + u"Ferritin=12 ng/ml; Iron=32 ug/dL"_s, "ferritin.who-deficiency",
        {u"Ferritin 12 ng/ml is below 15 ug/L, the WHO cut-off"_s});
    add("ferritin 15: at the WHO cut-off", I::FerritinStores, 0,
        ferritin + u"Ferritin=15 ng/ml; Iron=32 ug/dL"_s, "ferritin.who-deficiency");
    add("ferritin 12, TSAT 8: iron deficiency", I::FerritinStores, 0,
        ferritin + u"Ferritin=12 ng/ml; Iron=32 ug/dL"_s, "ferritin.low-saturation",
        {u"Ferritin 12 ng/ml with a transferrin saturation of 8.00 %, below 20 %, fits iron "
         "deficiency"_s});
    add("ferritin 12, TSAT 25", I::FerritinStores, 0,
        ferritin + u"Ferritin=12 ng/ml; Iron=100 ug/dL"_s, "ferritin.low-saturation");
    add("ferritin 80, TSAT 8", I::FerritinStores, 0,
        ferritin + u"Ferritin=80 ng/ml; Iron=32 ug/dL"_s, "ferritin.low-saturation");

    add("AST/ALT 2.5 with AST raised: alcohol", I::AstAltRatio, 0, u"AST=250; ALT=100"_s,
        "ast-alt.alcohol", {u"the AST to ALT ratio of 2.50 is above 2"_s});
    add("AST/ALT 2.0", I::AstAltRatio, 0, u"AST=200; ALT=100"_s, "ast-alt.alcohol");
    add("AST/ALT 2.5 with AST normal", I::AstAltRatio, 0, u"AST=30; ALT=12"_s, "ast-alt.alcohol");
    add("AST 4500, ALT 2800: ischaemic hepatitis", I::AstAltRatio, 0, u"AST=4500; ALT=2800"_s,
        "ast-alt.ischaemic",
        {u"AST 4500 IU/L is very high"_s, u"ischaemic hepatitis"_s, u"reasoned estimate"_s});
    add("AST 1000, ALT 800", I::AstAltRatio, 0, u"AST=1000; ALT=800"_s, "ast-alt.ischaemic");

    // Friedewald 150 − 60 − 380/5 = 14; Sampson 36.
    const QString lipids = u"HDL=60 mg/dL; "_s;
    add("Friedewald 14 at TG 380: beside Sampson", I::LdlFriedewald, 0,
        lipids + u"Chol=150 mg/dL; Triglycerides=380 mg/dL"_s, "friedewald.low-ldl",
        {u"Triglycerides 380 mg/dL is above 150 mg/dL and this LDL cholesterol of 14 mg/dL is "
         "below 70"_s,
         u"Sampson's equation gives 36 mg/dL"_s});
    add("Friedewald 60 at TG 150", I::LdlFriedewald, 0,
        lipids + u"Chol=150 mg/dL; Triglycerides=150 mg/dL"_s, "friedewald.low-ldl");
    add("Friedewald 84 at TG 380", I::LdlFriedewald, 0,
        lipids + u"Chol=220 mg/dL; Triglycerides=380 mg/dL"_s, "friedewald.low-ldl");

    const QString classes = u"Gender=Female; Chol=220 mg/dL; LDL=100 mg/dL; "_s;
    add("HDL 38, women: a relative risk", I::CholesterolLevels, 1, classes + u"HDL=38 mg/dL"_s,
        "hdl.relative-risk",
        {u"relative to the average risk"_s, u"an HDL cholesterol of 38 mg/dL"_s});
    add("HDL 76, women: longevity", I::CholesterolLevels, 1, classes + u"HDL=76 mg/dL"_s,
        "hdl.relative-risk");

    const QString urate = u"UrineCreatinine=100 mg/dL; SerumCreatinine=3 mg/dL; "_s;
    add("urate ratio 0.90: indeterminate", I::UrateCreatinineRatio, 0,
        urate + u"UrineUrate=90 mg/dL"_s, "urate-ratio.indeterminate",
        {u"A ratio of 0.9 lies from 0.75 to 1.0"_s});
    add("urate ratio 0.74", I::UrateCreatinineRatio, 0, urate + u"UrineUrate=74 mg/dL"_s,
        "urate-ratio.indeterminate");
    add("urate ratio 1.01", I::UrateCreatinineRatio, 0, urate + u"UrineUrate=101 mg/dL"_s,
        "urate-ratio.indeterminate");
    add("urate ratio 0.90, creatinine normal", I::UrateCreatinineRatio, 0,
        u"UrineCreatinine=100 mg/dL; SerumCreatinine=1 mg/dL; UrineUrate=90 mg/dL"_s,
        "urate-ratio.indeterminate");

    // 15 mEq/L × 1000 mL ÷ 1000 = 15 mEq/24 h.
    add("urinary K 15 in hypokalaemia: conservation", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1000; UrinePotassium=15; SerumPotassium=3.0"_s,
        "urinary-potassium.conservation",
        {u"Serum potassium 3 mEq/L (adult reference 3.5–5 mEq/L) is low and the excretion of "
         "15.00 mEq/24 hours is below 20"_s});
    add("urinary K 20 in hypokalaemia", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1000; UrinePotassium=20; SerumPotassium=3.0"_s,
        "urinary-potassium.conservation");
    add("urinary K 15, serum potassium normal", I::UrinaryPotassiumExcretion, 0,
        u"UrineVolume=1000; UrinePotassium=15; SerumPotassium=4.0"_s,
        "urinary-potassium.conservation");

    add("bilirubin 4.0 total, 0.6 direct: indirect", I::BilirubinRatio, 0,
        u"BilirubinDirect=0.6 mg/dL; BilirubinTotal=4.0 mg/dL"_s, "bilirubin.indirect",
        {u"Total bilirubin 4 mg/dL"_s, u"direct fraction of 15.00 %"_s,
         u"haemolysis or Gilbert's syndrome"_s});
    add("bilirubin 4.0 total, 1.0 direct", I::BilirubinRatio, 0,
        u"BilirubinDirect=1.0 mg/dL; BilirubinTotal=4.0 mg/dL"_s, "bilirubin.indirect");
    add("bilirubin 1.0 total, 0.1 direct: total normal", I::BilirubinRatio, 0,
        u"BilirubinDirect=0.1 mg/dL; BilirubinTotal=1.0 mg/dL"_s, "bilirubin.indirect");
}

void TestNotes::namedNotes()
{
    QFETCH(ItemId, id);
    QFETCH(int, row);
    QFETCH(MapFields, fields);
    QFETCH(QString, note);
    QFETCH(QStringList, expected);

    QList<Note> notes = notesFor(id, row, fields, English);
    notes.removeIf([&](const Note& n) { return n.id != note; });
    if (expected.isEmpty()) {
        QVERIFY2(notes.isEmpty(), qPrintable(notes.value(0).text));
        return;
    }
    QCOMPARE(notes.size(), 1);
    const Note& raised = notes.front();
    QCOMPARE(raised.kind, NoteKind::Context);
    for (const QString& part : expected)
        QVERIFY2(raised.text.contains(part), qPrintable(raised.text));
    QVERIFY(!raised.text.contains(QRegularExpression(u"%\\d"_s)));
    QCOMPARE(quarvex::fillTemplate(raised.pattern, raised.arguments), raised.text);
    for (const QString& source : raised.sources)
        QVERIFY2(findReference(source), qPrintable(source));
}

// The healthy example: its normal creatinine beside four urinary indices is
// one note naming the four rows, on the first of them; a note already shown
// for two rows of one item takes in a third.
void TestNotes::sharedNoteShownOnce()
{
    const Inputs inputs(exampleFields(), English);
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    const QList<QList<Note>> notes = resultRowNotes(inputs, evaluations);
    const QList<ResultRow> rows = resultRows(evaluations);
    QCOMPARE(notes.size(), rows.size());
    const QStringList indices{u"Renal Failure Index"_s, u"Fractional Sodium Excretion"_s,
                              u"Creatinine to Creatinine Ratio"_s, u"Urea to Urea Ratio"_s};
    int shown = 0;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (const Note& note : notes[r]) {
            if (!note.text.contains(u"This urinary index separates"_s))
                continue;
            ++shown;
            QCOMPARE(rows[r].name, indices.front());
            QCOMPARE(note.rows, indices);
            QVERIFY2(note.text.startsWith(indices.join(u", "_s) + u": Serum creatinine "_s),
                     qPrintable(note.text));
            QCOMPARE(quarvex::fillTemplate(note.pattern, note.arguments), note.text);
        }
    }
    QCOMPARE(shown, 1);

    // The worked steps of the urea ratios: under the first row that carries
    // it, naming both; the rows' own notes (the JSON's) stay whole.
    for (const ItemEvaluation& evaluation : evaluations) {
        if (evaluation.item->id != ItemId::UreaCreatinineRatios)
            continue;
        const Derivation d = derive(*evaluation.item, inputs, *evaluation.outcome);
        QCOMPARE(d.rows.size(), 3);
        QCOMPARE(d.rows[1].shownNotes.size(), 1);
        QVERIFY(d.rows[1].shownNotes.front().text.startsWith(
            u"Creatinine to Creatinine Ratio, Urea to Urea Ratio: Serum creatinine"_s));
        QVERIFY(d.rows[2].shownNotes.isEmpty());
        QCOMPARE(d.rows[2].notes.size(), 1);
        QCOMPARE(d.rows[2].notes.front().text, d.rows[1].notes.front().text);
    }

    const auto context = [](const QString& text) {
        return Note{NoteKind::Context, text, {}, {}, {}, text, {}};
    };
    QList<QList<Note>> lists{{context(u"A."_s)}, {}, {context(u"A."_s), context(u"B."_s)}};
    showSharedOnce(lists, {u"one"_s, u"two"_s, u"three"_s});
    QCOMPARE(lists[0].front().text, u"one, three: A."_s);
    QCOMPARE(lists[2].size(), 1);
    QCOMPARE(lists[2].front().text, u"B."_s);
    QList<QList<Note>> again{{}, lists[0], {context(u"A."_s)}};
    showSharedOnce(again, {u"zero"_s, u"one"_s, u"four"_s});
    QCOMPARE(again[1].front().text, u"one, three, four: A."_s);
    QCOMPARE(again[1].front().pattern, u"one, three, four: A."_s);
    QVERIFY(again[2].isEmpty());
    // Evidence notes are the rows' own, shown on each.
    QList<QList<Note>> evidence{{Note{NoteKind::Dated, u"D."_s, {}, {}, {}, {}, {}}},
                                {Note{NoteKind::Dated, u"D."_s, {}, {}, {}, {}, {}}}};
    showSharedOnce(evidence, {u"a"_s, u"b"_s});
    QCOMPARE(evidence[1].size(), 1);
    QCOMPARE(evidence[0].front().text, u"D."_s);
}

void TestNotes::roundingAtEveryBandEdge_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("gender");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("interpretation");
    QTest::addColumn<bool>("crosses");
    QTest::addColumn<QLocale>("locale");

    for (const EdgeCase& c : edgeCases()) {
        for (const QLocale& locale : {English, German}) {
            const QString name = c.name + u' ' + locale.name();
            QTest::newRow(qPrintable(name)) << c.item << c.row << c.gender << c.value
                                            << c.interpretation << c.crosses << locale;
        }
    }
}

// A value just beside a band edge that the result shows as the edge itself:
// from the side where the shown number lies in a band of another text, the
// note names both numbers, the edge and the interpretation given; from the
// other side, or where both bands read alike, there is no rounding note.
void TestNotes::roundingAtEveryBandEdge()
{
    QFETCH(ItemId, id);
    QFETCH(int, row);
    QFETCH(QString, gender);
    QFETCH(double, value);
    QFETCH(QString, interpretation);
    QFETCH(bool, crosses);
    QFETCH(QLocale, locale);

    MapFields fields = exampleFields();
    fields.setValue(AnalyteId::Gender, gender);
    Outcome outcome = item(id).compute(Inputs(fields, English));
    const Formula& formula = *outcome.working[row].formula;
    outcome.values[row] = value;
    const QString shown = formatFixed2(value, locale);
    outcome.rows[row].result = shown + QString::fromLatin1(formula.suffix);
    outcome.rows[row].interpretation = interpretation;

    // A reading written in the locale; its values play no part in rounding.
    const Inputs written(MapFields{}, locale);
    const QList<Note> notes =
        ofKind(rowNotes(id, row, written, outcome, locale), NoteKind::Rounding);
    if (!crosses) {
        QVERIFY2(notes.isEmpty(), qPrintable(notes.value(0).text));
        return;
    }
    QCOMPARE(notes.size(), 1);
    const QString& text = notes.front().text;
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QVERIFY2(text.startsWith(u"Shown as "_s + shown + u';'), qPrintable(text));
    QVERIFY2(text.contains(plain.toString(value, 'f', 4)), qPrintable(text));
    QVERIFY2(
        text.contains(interpretation.isEmpty() ? u"no interpretation"_s : interpretation.trimmed()),
        qPrintable(text));
}

// The generated edges reach the tables the reports found misleading.
void TestNotes::edgeCasesReachTheBandTables()
{
    const std::vector<EdgeCase> cases = edgeCases();
    const auto has = [&cases](ItemId id, double edge) {
        return std::any_of(cases.begin(), cases.end(), [&](const EdgeCase& c) {
            return c.item == id && c.crosses && std::abs(c.value - edge) < 0.005;
        });
    };
    QVERIFY(has(ItemId::AstAltRatio, 0.8));
    QVERIFY(has(ItemId::AlbuminGlobulinRatio, 1.0));
    QVERIFY(has(ItemId::CholesterolHdlRatio, 23.3)); // men's table
    QVERIFY(has(ItemId::CholesterolHdlRatio, 10.9)); // women's table
    QVERIFY(has(ItemId::UreaCreatinineRatios, 36.0));
}

// The cases the review found, computed from typed values.
void TestNotes::roundingOfRealCases_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected"); // the whole note; empty for none

    QTest::newRow("AST 35, ALT 44") << ItemId::AstAltRatio << F(u"AST=35; ALT=44"_s) << English
                                    << u"Shown as 0.80; the unrounded value is 0.7955, below 0.8, "
                                       "so: The AST to ALT ratio indicates extrahepatic "
                                       "cholestasis."_s;
    QTest::newRow("AST 35, ALT 44, German")
        << ItemId::AstAltRatio << F(u"AST=35; ALT=44"_s) << German
        << u"Shown as 0,80; the unrounded value is 0,7955, below 0,8, so: The AST to ALT ratio "
           "indicates extrahepatic cholestasis."_s;
    QTest::newRow("AST 36, ALT 44")
        << ItemId::AstAltRatio << F(u"AST=36; ALT=44"_s) << English << QString();
    QTest::newRow("albumin 3.98, globulin 4.0")
        << ItemId::AlbuminGlobulinRatio << F(u"Albumin=3.98 g/dL; Globulin=4.0 g/dL"_s) << English
        << u"Shown as 1.00; the unrounded value is 0.9950, below 1, so: The Albumin to Globumin "
           "ratio is low"_s;
    QTest::newRow("albumin 4.0, globulin 4.0")
        << ItemId::AlbuminGlobulinRatio << F(u"Albumin=4.0 g/dL; Globulin=4.0 g/dL"_s) << English
        << QString();
    // 62.5 up to 80 mL/min gives no text: the shown 62.50 would say nothing.
    QTest::newRow("clearance just below 62.5")
        << ItemId::CreatinineClearance
        << F(u"Age=40; Weight=44.997 kg; Gender=Male; SerumCreatinine=1 mg/dL"_s) << English
        << u"Shown as 62.50; the unrounded value is 62.4958, below 62.5, so: Based on GFR, "
           "renal function is slightly impaired."_s;
}

void TestNotes::roundingOfRealCases()
{
    QFETCH(ItemId, id);
    QFETCH(MapFields, fields);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    const QList<Note> notes = ofKind(notesFor(id, 0, fields, locale), NoteKind::Rounding);
    if (expected.isEmpty()) {
        QVERIFY2(notes.isEmpty(), qPrintable(notes.value(0).text));
        return;
    }
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.front().text.startsWith(expected), qPrintable(notes.front().text));
}

// The calcium clearance ratio has no band table; its note always gives the
// value to four decimals (more where four would land on a cut-off) and where
// it lies against 0.01 and 0.02.
void TestNotes::calciumCutOffs_data()
{
    QTest::addColumn<QString>("urineCalcium"); // over 1000: the ratio
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("between") << u"12.8"_s << English
                             << u"Shown as 0.01; the ratio is 0.0128, between 0.01 and 0.02."_s;
    QTest::newRow("between, German")
        << u"12,8"_s << German << u"Shown as 0,01; the ratio is 0,0128, between 0,01 and 0,02."_s;
    QTest::newRow("below") << u"7.5"_s << English
                           << u"Shown as 0.01; the ratio is 0.0075, below 0.01."_s;
    QTest::newRow("at the low cut-off")
        << u"10"_s << English << u"Shown as 0.01; the ratio is 0.0100, at 0.01."_s;
    QTest::newRow("just below the low cut-off")
        << u"9.996"_s << English << u"Shown as 0.01; the ratio is 0.009996, below 0.01."_s;
    QTest::newRow("at the high cut-off")
        << u"20"_s << English << u"Shown as 0.02; the ratio is 0.0200, at 0.02."_s;
    QTest::newRow("above") << u"25"_s << English
                           << u"Shown as 0.03; the ratio is 0.0250, above 0.02."_s;
}

void TestNotes::calciumCutOffs()
{
    QFETCH(QString, urineCalcium);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    const MapFields fields = F(u"SerumCreatinine=1 mg/dL; UrineCreatinine=100 mg/dL; "
                               "SerumCalcium=10 mg/dL; UrineCalcium="_s +
                               urineCalcium + u" mg/dL"_s);
    const QList<Note> notes =
        ofKind(notesFor(ItemId::RenalCalciumClearance, 0, fields, locale), NoteKind::Rounding);
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.front().text.startsWith(expected), qPrintable(notes.front().text));
    QVERIFY(notes.front().text.contains(u"familial hypocalciuric hypercalcaemia"_s));
    QCOMPARE(notes.front().sources, QStringList({u"R17"_s, u"R72"_s}));
}

// Context first, then rounding, then the evidence tags; the evidence notes
// carry the short tags the windows show.
void TestNotes::notesComeInKindOrder()
{
    const QList<Note> notes = notesFor(ItemId::AstAltRatio, 0, F(u"AST=35; ALT=44"_s), English);
    QList<NoteKind> kinds;
    for (const Note& note : notes)
        kinds << note.kind;
    QCOMPARE(kinds, QList<NoteKind>({NoteKind::Context, NoteKind::Rounding, NoteKind::Dated,
                                     NoteKind::Unsourced}));
    QCOMPARE(noteTag(NoteKind::Dated), u"dated"_s);
    QCOMPARE(noteTag(NoteKind::Unsourced), u"no source"_s);
    QVERIFY(noteTag(NoteKind::Context).isEmpty());
    QCOMPARE(noteKindName(NoteKind::Unsourced), u"unsourced"_s);

    // The ferritin bands are the dated ones of the 1970s.
    const QList<Note> ferritin =
        notesFor(ItemId::FerritinStores, 0, F(u"Ferritin=120 ng/ml"_s), English);
    QCOMPARE(ofKind(ferritin, NoteKind::Dated).size(), 1);
    QVERIFY(ofKind(ferritin, NoteKind::Dated).front().sources.contains(u"R39"_s));
}

// Every rule names a row its item has and only references of the list; each
// row gets at most one dated and one unsourced sentence; a context text uses
// no placeholder beyond its conditions.
void TestNotes::tablesPointAtRealRowsAndReferences()
{
    const auto resolves = [](const char* ids) {
        for (const QString& id : QString::fromLatin1(ids).split(u' ', Qt::SkipEmptyParts)) {
            if (!findReference(id))
                return false;
        }
        return true;
    };
    QSet<QString> ids;
    for (const ItemDescriptor& d : overviewItems()) {
        const int rows = int(d.rowNames().size());
        for (const ContextRule& rule : d.notes.context) {
            QVERIFY2(rule.row >= -1 && rule.row < rows, rule.text);
            // Every rule has an id of its own; a note no source states says so.
            QVERIFY2(rule.id, rule.text);
            QVERIFY2(!ids.contains(QString::fromLatin1(rule.id)), rule.id);
            ids.insert(QString::fromLatin1(rule.id));
            QVERIFY2(QRegularExpression(u"^[a-z0-9-]+\\.[a-z0-9-]+$"_s)
                         .match(QString::fromLatin1(rule.id))
                         .hasMatch(),
                     rule.id);
            if (rule.basis == NoteBasis::Unsourced)
                QVERIFY2(QByteArray(rule.text).contains("literature list"), rule.text);
            if (rule.basis == NoteBasis::ReasonedEstimate)
                QVERIFY2(QByteArray(rule.text).contains("reasoned estimate"), rule.text);
            QVERIFY2(resolves(rule.sources), rule.text);
            QVERIFY2(!rule.conditions().empty(), rule.text);
            const QString text = QString::fromUtf8(rule.text);
            for (const QRegularExpressionMatch& m :
                 QRegularExpression(u"%(\\d)"_s).globalMatch(text))
                QVERIFY2(m.captured(1).toInt() <= int(rule.conditions().size()), rule.text);
        }
        for (const CutOffNote& cut : d.notes.cutOffs) {
            QVERIFY(cut.row >= 0 && cut.row < rows);
            QVERIFY(cut.low < cut.high);
            QVERIFY(resolves(cut.sources));
        }
        for (const EvidenceNote& note : d.notes.evidence) {
            QVERIFY2(note.kind == NoteKind::Dated || note.kind == NoteKind::Unsourced, note.text);
            QVERIFY2(note.row >= -1 && note.row < rows, note.text);
            QVERIFY2(resolves(note.sources), note.text);
            QVERIFY2(std::strlen(note.text) > 0, "an evidence note without a sentence");
        }
        for (int row = 0; row < rows; ++row) {
            for (NoteKind kind : {NoteKind::Dated, NoteKind::Unsourced}) {
                const auto count = std::count_if(
                    d.notes.evidence.begin(), d.notes.evidence.end(), [&](const EvidenceNote& n) {
                        return n.kind == kind && (n.row < 0 || n.row == row);
                    });
                QVERIFY2(count <= 1, d.listText);
            }
        }
    }
}

void TestNotes::fillTemplate_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("filled");
    QTest::newRow("in order") << u"%1 is %2."_s << QStringList{u"a"_s, u"b"_s} << u"a is b."_s;
    QTest::newRow("out of order") << u"%2 %1"_s << QStringList{u"a"_s, u"b"_s} << u"b a"_s;
    QTest::newRow("an argument's own %1 is not read again")
        << u"%1 and %2"_s << QStringList{u"%2"_s, u"b"_s} << u"%2 and b"_s;
    QTest::newRow("no argument for it: stays") << u"%1 %3"_s << QStringList{u"a"_s} << u"a %3"_s;
    QTest::newRow("a per cent sign") << u"10 % of %1%"_s << QStringList{u"a"_s} << u"10 % of a%"_s;
    QTest::newRow("%0 is no place") << u"%0%1"_s << QStringList{u"a"_s} << u"%0a"_s;
    QTest::newRow("nothing to fill") << u"plain"_s << QStringList() << u"plain"_s;
}

void TestNotes::fillTemplate()
{
    QFETCH(QString, sentence);
    QFETCH(QStringList, arguments);
    QFETCH(QString, filled);
    QCOMPARE(quarvex::fillTemplate(sentence, arguments), filled);
}

void TestNotes::templatesOfEveryNote_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addRow("C") << u"C"_s;
    QTest::addRow("de_DE") << u"de_DE"_s;
}

// Every template a line can name: its places numbered from %1 on without a
// gap, its id naming the note, each pair of id and text listed once; and the
// notes of the example-like cases of the tests above are their templates
// filled with their arguments.
void TestNotes::templatesOfEveryNote()
{
    QFETCH(QString, locale);
    const QList<NoteTemplate> all = noteTemplates(QLocale(locale));
    QVERIFY(all.size() > ItemCount);
    QSet<QString> seen;
    static const QRegularExpression place(u"%([1-9])"_s);
    for (const NoteTemplate& t : all) {
        QVERIFY2(!seen.contains(t.id + u'\n' + t.text), qPrintable(t.id));
        seen.insert(t.id + u'\n' + t.text);
        QVERIFY2(!t.id.isEmpty() && !t.text.contains(u"%0"_s), qPrintable(t.id));
        int highest = 0;
        QSet<int> used;
        for (const QRegularExpressionMatch& m : place.globalMatch(t.text)) {
            used.insert(m.captured(1).toInt());
            highest = std::max(highest, m.captured(1).toInt());
        }
        QCOMPARE(used.size(), highest);
    }
    // A creatinine that is not raised, beside the urinary indices: a note whose
    // text is its template filled, the template one of those listed.
    MapFields fields = exampleFields();
    const Inputs inputs(fields, QLocale(locale));
    int notes = 0;
    for (const ItemEvaluation& evaluation : evaluateItems(inputs)) {
        if (!evaluation.computable())
            continue;
        for (size_t r = 0; r < evaluation.item->rowNames().size(); ++r) {
            for (const Note& note : caseNotes(evaluation.item->id, int(r), inputs,
                                              *evaluation.outcome, QLocale(locale))) {
                ++notes;
                // As a lean line takes it, a note keeps its id, template and arguments.
                const QList<Note> lean =
                    caseNotes(evaluation.item->id, int(r), inputs, *evaluation.outcome,
                              QLocale(locale), NoteParts::Template);
                QVERIFY(std::any_of(lean.begin(), lean.end(), [&](const Note& other) {
                    return other.id == note.id && other.pattern == note.pattern &&
                           other.arguments == note.arguments;
                }));
                QCOMPARE(quarvex::fillTemplate(note.pattern, note.arguments), note.text);
                QVERIFY2(seen.contains(note.id + u'\n' + note.pattern), qPrintable(note.text));
                QVERIFY(note.kind == NoteKind::Context || note.kind == NoteKind::Rounding);
            }
        }
    }
    QVERIFY(notes > 0);
}

// The example case as a lean JSON line: at most 2 KB, every note named by
// its template with the case's numbers, none written out as its text.
void TestNotes::exampleCaseLineIsLean()
{
    const Inputs inputs(exampleFields(), QLocale::c());
    QByteArray line;
    appendCaseLine(line, u"example", inputs, evaluateItems(inputs));
    QVERIFY2(line.size() <= 2048, QByteArray::number(line.size()));
    const QList<NoteTemplate> templates = noteTemplates(QLocale::c());
    QStringList found;
    for (const QJsonValue note : QJsonDocument::fromJson(line)[u"notes"_s].toArray()) {
        const QJsonArray entry = note.toArray();
        QVERIFY2(entry.at(1).isDouble(), qPrintable(entry.at(1).toString()));
        QStringList arguments;
        for (qsizetype a = 2; a < entry.size(); ++a)
            arguments << entry.at(a).toString();
        found << templates.value(entry.at(1).toInt()).id + u' ' + arguments.join(u' ');
    }
    // A serum potassium of 4.2 mEq/L is not low; a serum creatinine of 1.1 mg/dL
    // (a man) is not raised, beside the fractional sodium excretion.
    QVERIFY2(found.contains(u"fek.potassium-not-low 4.2"_s), qPrintable(found.join(u", ")));
    QVERIFY2(found.contains(u"fena.creatinine-not-raised 1.1"_s), qPrintable(found.join(u", ")));
}

QUARVEX_CORE_TEST_MAIN(TestNotes)
#include "tst_notes.moc"
