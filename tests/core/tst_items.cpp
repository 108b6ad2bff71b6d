#include "catalogue/catalogue.h"
#include "coretestmain.h"
#include "overview/overview.h"

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::ScreenId)

class TestItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overviewOrder();
    void creatinineClearanceNeedsGender_data();
    void creatinineClearanceNeedsGender();
    void clearanceAgeLimit_data();
    void clearanceAgeLimit();
    void screenDispatch_data();
    void screenDispatch();
    void catalogueEntriesCompute();
};

namespace {

QString fieldNames(std::span<const AnalyteId> ids)
{
    QStringList names;
    for (AnalyteId id : ids)
        names << analyte(id).fieldName();
    return names.join(u' ');
}

QString joined(std::span<const char* const> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromLatin1(text);
    return out.join(u'|');
}

} // namespace

// The 22 items in the order of the list, grid and export, each with its
// checks in the order they run and the names of its rows.
void TestItems::overviewOrder()
{
    // clang-format off
    const struct {
        const char* listText;
        const char* checks;
        const char* rows;
    } expected[] = {
        {"Cholesterol Level Interpretation", "Gender Chol HDL LDL", "Total Cholesterol|HDL Cholesterol|LDL Cholesterol"},
        {"Total Cholesterol-to-HDL Cholesterol Ratio", "Gender Chol HDL", "Total Cholesterol-to-HDL Cholesterol Ratio"},
        {"LDL Cholesterol-to-HDL Cholesterol Ratio", "HDL LDL", "LDL to HDL ratio"},
        {"Adult Treatment Panel III Classification", "Chol HDL LDL", "ATP3: Total Cholesterol|ATP3 :HDL Cholesterol|ATP3: LDL Cholesterol"},
        {"Amylase Clearance to Creatinine Clearance", "SerumAmylase UrineAmylase SerumCreatinine UrineCreatinine", "Amylase Clearance"},
        {"Creatinine Clearance Estimated (GFR)", "Age Weight Gender SerumCreatinine", "Creatinine Clearance (GFR)"},
        {"Fractional Potassium Excretion", "SerumCreatinine UrineCreatinine SerumPotassium UrinePotassium", "Fractional Potassium Excretion"},
        {"Renal Calcium Clearance to Creatinine Clearance", "SerumCreatinine UrineCreatinine SerumCalcium UrineCalcium", "Renal Calcium Clearance"},
        {"Renal Failure Index (RFI)", "SerumCreatinine UrineCreatinine UrineSodium", "Renal Failure Index"},
        {"Fractional Sodium Excretion", "SerumCreatinine UrineCreatinine SerumSodium UrineSodium", "Fractional Sodium Excretion"},
        {"Phosphorus Clearance Estimated", "SerumPhosphorus UrinePhosphorus UrineVolume", "Phosphorus Clearance"},
        {"Uric Acid-to-Creatinine Ratio", "UrineCreatinine UrineUrate", "Urate to Creatinine Ratio"},
        {"Urinary Potassium Excretion Rate", "UrineVolume UrinePotassium", "Urinary Potassium Excretion"},
        {"Urea Nitrogen and Creatinine Ratios", "SerumCreatinine UrineCreatinine SerumUrea UrineUrea", "Urea to Creatinine Ratio|Creatinine to Creatinine Ratio|Urea to Urea Ratio"},
        {"Urine Protein to Urine Creatinine Ratio", "UrineCreatinine UrineProtein", "Urine Protein to Creatinine Ratio"},
        {"AST-to-ALT (SGOT-to-SGPT) Ratio", "AST ALT", "AST to ALT ratio"},
        {"Serum Albumin-to-Globulin Ratio", "Albumin Globulin", "Albumin to Globulin ratio"},
        {"Serum Direct -to- Total Bilirubin Ratio", "BilirubinDirect BilirubinTotal", "Bilirubin to Bilirubin ratio"},
        {"Serum Ferritin and Estimate of Iron Stores", "Ferritin", "Ferritin Stores"},
        {"Serum Transferrin Saturation", "Iron TIBC", "Transferrin Saturation"},
        {"Total Iron Binding Capacity (TIBC)", "Transferrin", "Total Iron Binding Capacity"},
        {"Transferrin", "TIBC", "Transferrin Calculated"},
    };
    // clang-format on
    const std::span<const ItemDescriptor> items = overviewItems();
    QCOMPARE(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) {
        const ItemDescriptor& d = items[i];
        QCOMPARE(d.listText, expected[i].listText);
        QCOMPARE(fieldNames(d.checks()), QString::fromLatin1(expected[i].checks));
        QCOMPARE(joined(d.rowNames()), QString::fromLatin1(expected[i].rows));
        QCOMPARE(&item(d.id), &d);
    }
}

void TestItems::creatinineClearanceNeedsGender_data()
{
    QTest::addColumn<QString>("gender");
    QTest::addColumn<QStringList>("findings"); // kind name: text
    QTest::addColumn<QString>("row");          // empty: not computable

    QTest::addRow("no gender") << QString() << QStringList{u"no-gender: Gender: not chosen"_s}
                               << QString();
    QTest::addRow("gender typed in lower case")
        << u"female"_s << QStringList{u"no-gender: Gender: \"female\" is not one of Male, Female"_s}
        << QString();
    QTest::addRow("Female")
        << u"Female"_s << QStringList()
        << u"Creatinine Clearance (GFR)\t82.35 mL/min\tBased on GFR, renal function is normal."_s;
    QTest::addRow("Male") << u"Male"_s << QStringList()
                          << u"Creatinine Clearance (GFR)\t97.22 mL/min\tBased on GFR, renal "
                             u"function is normal."_s;
}

void TestItems::creatinineClearanceNeedsGender()
{
    QFETCH(QString, gender);
    QFETCH(QStringList, findings);
    QFETCH(QString, row);
    using A = AnalyteId;
    const MapFields fields{{A::Age, {u"40"_s, {}}},
                           {A::Weight, {u"70"_s, u"kg"_s}},
                           {A::Gender, {gender, {}}},
                           {A::SerumCreatinine, {u"1.0"_s, u"mg/dL"_s}}};
    const QList<ItemEvaluation> evaluations = evaluateItems(Inputs(fields));
    const ItemEvaluation& clearance = evaluations[int(ItemId::CreatinineClearance)];
    QCOMPARE(clearance.item, &item(ItemId::CreatinineClearance));
    QStringList seen;
    for (const Finding& f : clearance.findings)
        seen << kindName(f.kind) + u": "_s + f.text;
    QCOMPARE(seen, findings);
    QCOMPARE(clearance.computable(), !row.isEmpty());
    const QStringList listed = computableListTexts(evaluations);
    QCOMPARE(listed.contains(u"Creatinine Clearance Estimated (GFR)"_s), !row.isEmpty());
    const QList<ResultRow> rows = resultRows(evaluations);
    QCOMPARE(rows.isEmpty() ? QString() : rows.first().line(), row);
}

// Cockcroft and Gault give no clearance from an age of 140 on: the item is not
// computable, with a finding in the Age check's place among the others.
void TestItems::clearanceAgeLimit_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QStringList>("findings"); // kind name: text
    QTest::addColumn<QString>("result");       // empty: not computable

    const QString outside = u"outside-formula: Age: the formula needs an age below 140"_s;
    QTest::addRow("139.99 still gives a clearance")
        << u"139.99"_s << u"72"_s << QStringList() << u"0.01 mL/min"_s;
    QTest::addRow("139.994 reads as 139.994, not as 140")
        << u"139.994"_s << u"72"_s << QStringList() << u"0.01 mL/min"_s;
    QTest::addRow("exactly 140") << u"140"_s << u"72"_s << QStringList{outside} << QString();
    QTest::addRow("150 no longer gives -9.72")
        << u"150"_s << u"70"_s << QStringList{outside} << QString();
    QTest::addRow("the age's finding comes before the weight's")
        << u"200"_s << QString() << QStringList{outside, u"empty: Weight: empty"_s} << QString();
    QTest::addRow("an empty age is only empty")
        << QString() << u"72"_s << QStringList{u"empty: Age: empty"_s} << QString();
}

void TestItems::clearanceAgeLimit()
{
    QFETCH(QString, age);
    QFETCH(QString, weight);
    QFETCH(QStringList, findings);
    QFETCH(QString, result);
    using A = AnalyteId;
    const MapFields fields{{A::Age, {age, {}}},
                           {A::Weight, {weight, u"kg"_s}},
                           {A::Gender, {u"Male"_s, {}}},
                           {A::SerumCreatinine, {u"1"_s, u"mg/dL"_s}}};
    const Inputs inputs(fields, QLocale(QLocale::English, QLocale::UnitedStates));

    // Both catalogue entries of the clearance and the overview see the same.
    for (const char* title :
         {"Creatinine Clearance Estimated", "Glomerular Filtration Rate (GFR)"}) {
        const ItemDescriptor* screen = screenItem(ScreenId::Kidney, QString::fromLatin1(title));
        QVERIFY(screen);
        QStringList seen;
        for (const Finding& f : screen->findings(inputs)) {
            seen << kindName(f.kind) + u": "_s + f.text;
            QCOMPARE(alertFor(f).box, f.kind == FindingKind::NotANumber);
            QVERIFY(!alertFor(f).beep);
        }
        QCOMPARE(seen, findings);
    }
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    const ItemEvaluation& clearance = evaluations[int(ItemId::CreatinineClearance)];
    QCOMPARE(clearance.computable(), !result.isEmpty());
    QCOMPARE(computableListTexts(evaluations).contains(u"Creatinine Clearance Estimated (GFR)"_s),
             !result.isEmpty());
    if (!result.isEmpty())
        QCOMPARE(item(ItemId::CreatinineClearance).compute(inputs).result.value_or(QString()),
                 result);
}

// Calculate on a screen computes the item of the screen's entry with that title.
void TestItems::screenDispatch_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("item"); // -1: nothing to compute

    const auto row = [](const char* tag, ScreenId screen, const char* title, int item) {
        QTest::addRow("%s", tag) << screen << QString::fromLatin1(title) << item;
    };
    using I = ItemId;
    row("GFR is the creatinine clearance", ScreenId::Kidney, "Glomerular Filtration Rate (GFR)",
        int(I::CreatinineClearance));
    row("creatinine clearance", ScreenId::Kidney, "Creatinine Clearance Estimated",
        int(I::CreatinineClearance));
    row("renal calcium by its screen title", ScreenId::Kidney,
        "Renal Calcium to Creatinine Clearance", int(I::RenalCalciumClearance));
    row("the list text is no screen title", ScreenId::Kidney,
        "Renal Calcium Clearance to Creatinine Clearance", -1);
    row("ATP III", ScreenId::Heart, "Adult Treatment Panel III Classification", int(I::Adult3));
    row("transferrin", ScreenId::Liver, "Transferrin", int(I::TransferrinCalculated));
    row("another screen's title", ScreenId::Heart, "Transferrin", -1);
    row("titles are exact", ScreenId::Liver, "transferrin", -1);
    row("no title", ScreenId::Liver, "", -1);
}

void TestItems::screenDispatch()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, title);
    QFETCH(int, item);
    const ItemDescriptor* found = screenItem(screen, title);
    QCOMPARE(found ? int(found->id) : -1, item);
}

// What each of the 23 catalogue entries computes, by the overview list text
// of its item, in catalogue order.
void TestItems::catalogueEntriesCompute()
{
    const QStringList expected{
        u"Cholesterol Level Interpretation"_s,
        u"Total Cholesterol-to-HDL Cholesterol Ratio"_s,
        u"LDL Cholesterol-to-HDL Cholesterol Ratio"_s,
        u"Adult Treatment Panel III Classification"_s,
        u"AST-to-ALT (SGOT-to-SGPT) Ratio"_s,
        u"Serum Albumin-to-Globulin Ratio"_s,
        u"Serum Direct -to- Total Bilirubin Ratio"_s,
        u"Serum Ferritin and Estimate of Iron Stores"_s,
        u"Serum Transferrin Saturation"_s,
        u"Total Iron Binding Capacity (TIBC)"_s,
        u"Transferrin"_s,
        u"Amylase Clearance to Creatinine Clearance"_s,
        u"Creatinine Clearance Estimated (GFR)"_s,
        u"Fractional Potassium Excretion"_s,
        u"Fractional Sodium Excretion"_s,
        u"Creatinine Clearance Estimated (GFR)"_s, // Glomerular Filtration Rate (GFR)
        u"Phosphorus Clearance Estimated"_s,
        u"Renal Calcium Clearance to Creatinine Clearance"_s,
        u"Renal Failure Index (RFI)"_s,
        u"Urea Nitrogen and Creatinine Ratios"_s,
        u"Uric Acid-to-Creatinine Ratio"_s,
        u"Urinary Potassium Excretion Rate"_s,
        u"Urine Protein to Urine Creatinine Ratio"_s,
    };
    QStringList computed;
    for (const TestItem& entry : catalogue())
        computed << QString::fromLatin1(entry.descriptor().listText);
    QCOMPARE(computed, expected);
}

QUARVEX_CORE_TEST_MAIN(TestItems)
#include "tst_items.moc"
