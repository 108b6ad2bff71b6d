#include "catalogue/catalogue.h"
#include "coretestmain.h"
#include "overview/overview.h"
#include "testfields.h"

#include <algorithm>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::ScreenId)

class TestItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptorsMatchTheirCalculations();
    void clearanceAgeLimit_data();
    void clearanceAgeLimit();
    void catalogueReachesEveryItem();
};

// Every item resolves by its id at its place in the overview, names as many
// rows as it computes, and its row formulas read exactly the inputs its
// descriptor lists (Gender, which picks a band table or a constant, read by
// none, and checked exactly when one of the two uses it); an item of several
// rows says what its screen shows; the example computes every item.
void TestItems::descriptorsMatchTheirCalculations()
{
    const Inputs example(exampleFields());
    const std::span<const ItemDescriptor> items = overviewItems();
    QCOMPARE(items.size(), size_t(ItemCount));
    for (const ItemDescriptor& d : items) {
        QCOMPARE(&item(d.id), &d);
        QCOMPARE(int(d.id), int(&d - items.data()));
        QVERIFY2(d.findings(example).isEmpty(), d.listText);
        const Outcome outcome = d.compute(example);
        QCOMPARE(outcome.rows.size(), qsizetype(d.rowNames().size()));
        QCOMPARE(outcome.working.size(), outcome.rows.size());
        QList<AnalyteId> read, listed(d.checks().begin(), d.checks().end());
        for (const RowWorking& row : outcome.working) {
            QVERIFY2(row.formula, d.listText);
            for (const FormulaOp& op : row.formula->ops) {
                if (op.kind == FormulaOp::Input && !read.contains(op.input))
                    read << op.input;
            }
        }
        bool usesGender = false;
        for (const ItemRow& row : d.rows()) {
            usesGender = usesGender || !row.femaleBands.empty() ||
                         std::ranges::any_of(row.formula->ops, [](const FormulaOp& op) {
                             return op.kind == FormulaOp::Gender;
                         });
        }
        QCOMPARE(listed.contains(AnalyteId::Gender), usesGender);
        QVERIFY2(d.rows().size() == 1 || d.screenForm, d.listText);
        if (usesGender)
            read << AnalyteId::Gender;
        std::sort(read.begin(), read.end());
        std::sort(listed.begin(), listed.end());
        QCOMPARE(read, listed);
    }
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
    for (const TestItem& entry : catalogue()) {
        if (entry.item != ItemId::CreatinineClearance)
            continue;
        const ItemDescriptor* screen = &entry.descriptor();
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

// The 29 catalogue entries reach every item once, the clearance twice (as
// itself and as the GFR).
void TestItems::catalogueReachesEveryItem()
{
    QCOMPARE(catalogue().size(), size_t(29));
    QList<int> reached(ItemCount, 0);
    for (const TestItem& entry : catalogue())
        ++reached[int(entry.descriptor().id)];
    for (int id = 0; id < ItemCount; ++id)
        QCOMPARE(reached[id], id == int(ItemId::CreatinineClearance) ? 2 : 1);
}

QUARVEX_CORE_TEST_MAIN(TestItems)
#include "tst_items.moc"
