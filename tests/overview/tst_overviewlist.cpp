#include "app/windows.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overview.h"
#include "overview/overviewmodule.h"
#include "overviewfixture.h"
#include "testmain.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

using namespace quarvex;
using namespace quarvex::test;

namespace {

QStringList listTexts() {
    QStringList texts;
    const QListWidget* list = openWindow<FrmList>()->list();
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QList<ResultRow> gridRows() {
    QList<ResultRow> rows;
    const ResultGrid* grid = openWindow<FrmResult>()->grid();
    for (int i = 0; i < grid->rowCount(); ++i)
        rows << grid->row(i);
    return rows;
}

QString itemText(int number) {
    return QString::fromLatin1(overviewItems()[number - 1].listText);
}

QStringList itemTexts(std::initializer_list<int> numbers) {
    QStringList texts;
    for (int n : numbers)
        texts << itemText(n);
    return texts;
}

// The example fields with some of them emptied.
MapFields exampleWithout(std::initializer_list<AnalyteId> ids) {
    MapFields fields = exampleFields();
    for (AnalyteId id : ids)
        fields.set(id, QString(), QString());
    return fields;
}

const QStringList AllLipids =
    strs({"Chol=200", "UnitChol=mg/dL", "HDL=50", "UnitHDL=mg/dL", "LDL=120", "UnitLDL=mg/dL"});

} // namespace

Q_DECLARE_METATYPE(quarvex::MapFields)

class TestOverviewList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeOverviewWindows(); }

    void listing_data();
    void listing();
    void fullSetGivesEveryRow();
    void secondPassesAppend();
    void emptyPassKeepsOkDisabledUntilReloaded();
    void gridReadsFieldsAtItsOwnPass();
    void conversionFailureReportsOncePerItemPerPass();
    void backKeepsDataEntry();
    void closeLeavesOnlyWhatWasBelow();
    void cancelReturnsToDataEntry();
    void closedDataEntryReadsAsLoaded();
    void copySelectedRows();
};

void TestOverviewList::listing_data() {
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QList<ResultRow>>("rows"); // checked when not empty

    const QString explain = QString::fromLatin1(ListExplanation);
    QTest::addRow("all empty") << MapFields() << QStringList() << QList<ResultRow>();
    QTest::addRow("lipids without gender")
        << fieldsFrom(AllLipids) << itemTexts({3, 4}) << QList<ResultRow>();
    QTest::addRow("lipids with male gender") << fieldsFrom(AllLipids + strs({"Gender=Male"}))
                                             << itemTexts({1, 2, 3, 4}) << QList<ResultRow>();
    QTest::addRow("gender in lower case")
        << fieldsFrom(AllLipids + strs({"Gender=male"})) << itemTexts({3, 4}) << QList<ResultRow>();
    QTest::addRow("every field but age")
        << exampleWithout({AnalyteId::Age})
        << itemTexts({1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22})
        << QList<ResultRow>();
    QTest::addRow("only ferritin")
        << fieldsFrom({QStringLiteral("Ferritin=120"), QStringLiteral("UnitFerritin=ug/L")})
        << itemTexts({19})
        << QList<ResultRow>{{QStringLiteral("Ferritin Stores"), QString(),
                             QStringLiteral("Serum ferritin level appears normal.")}};
    QTest::addRow("units missing everywhere")
        <<
        [] {
            MapFields f = exampleFields();
            for (const Analyte& a : analytes())
                f.setUnit(a.id, QString());
            return f;
        }()
        // Only the items whose analytes have fixed units or none at all.
        << itemTexts({13, 16}) << QList<ResultRow>();
}

void TestOverviewList::listing() {
    QFETCH(MapFields, fields);
    QFETCH(QStringList, listed);
    QFETCH(QList<ResultRow>, rows);
    ScopedFakeDialogs fake;
    ModalGuard guard;

    typeIntoDataEntry(fields);
    ListComputableItems();
    FrmList* list = openWindow<FrmList>();
    QVERIFY(list && list->isVisible());
    QCOMPARE(listTexts(), listed);
    QCOMPARE(list->okButton()->isEnabled(), !listed.isEmpty());
    QCOMPARE(list->explainLabel()->text(),
             QString::fromLatin1(listed.isEmpty() ? NoItemsExplanation : ListExplanation));

    if (listed.isEmpty())
        return;
    QTest::mouseClick(list->okButton(), Qt::LeftButton);
    QVERIFY(openWindow<FrmResult>());
    const QList<ResultRow> shown = gridRows();
    QCOMPARE(shown, overviewRows(fields, *fake));
    if (!rows.isEmpty())
        QCOMPARE(shown, rows);
    QVERIFY(openWindow<FrmList>()); // stays open behind the results
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestOverviewList::fullSetGivesEveryRow() {
    ScopedFakeDialogs fake;
    ModalGuard guard;
    typeIntoDataEntry(exampleFields());
    ListComputableItems();
    QCOMPARE(listTexts().size(), 22);
    FillResultGrid();

    // The test item column of all 22 items; items 1, 4 and 14 give three rows.
    const QStringList names = strs({"Total Cholesterol",
                                    "HDL Cholesterol",
                                    "LDL Cholesterol",
                                    "Total Cholesterol-to-HDL Cholesterol Ratio",
                                    "LDL to HDL ratio",
                                    "ATP3: Total Cholesterol",
                                    "ATP3 :HDL Cholesterol",
                                    "ATP3: LDL Cholesterol",
                                    "Amylase Clearance",
                                    "Creatinine Clearance (GFR)",
                                    "Fractional Potassium Excretion",
                                    "Renal Calcium Clearance",
                                    "Renal Failure Index",
                                    "Fractional Sodium Excretion",
                                    "Phosphorus Clearance",
                                    "Urate to Creatinine Ratio",
                                    "Urinary Potassium Excretion",
                                    "Urea to Creatinine Ratio",
                                    "Creatinine to Creatinine Ratio",
                                    "Urea to Urea Ratio",
                                    "Urine Protein to Creatinine Ratio",
                                    "AST to ALT ratio",
                                    "Albumin to Globulin ratio",
                                    "Bilirubin to Bilirubin ratio",
                                    "Ferritin Stores",
                                    "Transferrin Saturation",
                                    "Total Iron Binding Capacity",
                                    "Transferrin Calculated"});
    const QList<ResultRow> rows = gridRows();
    QStringList shownNames;
    for (const ResultRow& row : rows)
        shownNames << row.name;
    QCOMPARE(shownNames, names);

    // Every row fills its result cell except the ferritin row, and its
    // interpretation except items 7 to 11.
    const QStringList noInterpretation =
        strs({"Fractional Potassium Excretion", "Renal Calcium Clearance", "Renal Failure Index",
              "Fractional Sodium Excretion", "Phosphorus Clearance"});
    for (const ResultRow& row : rows) {
        QCOMPARE(row.result.isEmpty(), row.name == QLatin1String("Ferritin Stores"));
        QCOMPARE(row.interpretation.isEmpty(), noInterpretation.contains(row.name));
    }
    QCOMPARE(rows.at(8).result, QStringLiteral("3.76 %"));
    QCOMPARE(rows.at(8).interpretation,
             QStringLiteral("Amylase Clearance -to- Creatinine Clearance appear normal."));
    QCOMPARE(rows.at(12).result, QStringLiteral("0.80 mEq/L"));
    QCOMPARE(
        rows.at(16).interpretation,
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'."));

    // Long interpretations wrap into taller rows.
    const ResultGrid* grid = openWindow<FrmResult>()->grid();
    QVERIFY(grid->wordWrap());
    QVERIFY(grid->rowHeight(17) > 2 * grid->rowHeight(0));
    QVERIFY(grid->columnWidth(2) > grid->columnWidth(0));
    QVERIFY(grid->columnWidth(2) > grid->columnWidth(1));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(fake->calls().isEmpty());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestOverviewList::secondPassesAppend() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids));
    ListComputableItems();
    ListComputableItems();
    QCOMPARE(listTexts(), itemTexts({3, 4, 3, 4}));
    FillResultGrid();
    FillResultGrid();
    QCOMPARE(gridRows().size(), 2 * (1 + 3));
}

void TestOverviewList::emptyPassKeepsOkDisabledUntilReloaded() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(MapFields());
    ListComputableItems();
    typeIntoDataEntry(fieldsFrom(AllLipids));
    ListComputableItems();
    FrmList* list = openWindow<FrmList>();
    QCOMPARE(listTexts(), itemTexts({3, 4}));
    QVERIFY(!list->okButton()->isEnabled());
    QCOMPARE(list->explainLabel()->text(), QString::fromLatin1(NoItemsExplanation));

    QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("CancelButton")),
                      Qt::LeftButton);
    QVERIFY(!openWindow<FrmList>());
    ListComputableItems();
    list = openWindow<FrmList>();
    QVERIFY(list->okButton()->isEnabled());
    QCOMPARE(listTexts(), itemTexts({3, 4}));
    QCOMPARE(list->explainLabel()->text(), QString::fromLatin1(ListExplanation));
}

void TestOverviewList::gridReadsFieldsAtItsOwnPass() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids));
    ListComputableItems();
    QCOMPARE(listTexts(), itemTexts({3, 4}));

    // LDL cleared and gender chosen after listing: item 2 appears, 1, 3 and 4 do not.
    FrmData* data = openWindow<FrmData>();
    data->form().setValue(AnalyteId::LDL, QString());
    data->form().setValue(AnalyteId::Gender, QStringLiteral("Female"));
    FillResultGrid();
    const QList<ResultRow> rows = gridRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).name, QStringLiteral("Total Cholesterol-to-HDL Cholesterol Ratio"));
    QCOMPARE(listTexts(), itemTexts({3, 4})); // the list is not consulted or changed
}

void TestOverviewList::conversionFailureReportsOncePerItemPerPass() {
    ScopedFakeDialogs fake;
    MapFields fields = exampleFields();
    fields.setValue(AnalyteId::SerumCreatinine, QStringLiteral("abc"));
    typeIntoDataEntry(fields);

    // Serum creatinine is checked by items 5 to 10, 12 and 14.
    ListComputableItems();
    int boxes = 0;
    for (const FakeDialogs::Call& c : fake->messages()) {
        QCOMPARE(c.icon, MessageIcon::Critical);
        QCOMPARE(c.title, QStringLiteral("Quarvex"));
        QVERIFY(c.text.contains(QStringLiteral("abc")));
        ++boxes;
    }
    QCOMPARE(boxes, 8);
    QCOMPARE(listTexts().size(), 22 - 8);
    QCOMPARE(openWindow<FrmData>()->errors(), 0); // the last item, Transferrin, passed

    fake->clear();
    FillResultGrid();
    QCOMPARE(fake->messages().size(), 8);
    QCOMPARE(fake->beeps(), 8);
}

void TestOverviewList::backKeepsDataEntry() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids));
    openWindow<FrmData>()->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    ListComputableItems();
    FillResultGrid();
    FrmResult* result = openWindow<FrmResult>();
    QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("BackButton")),
                      Qt::LeftButton);
    QVERIFY(!openWindow<FrmList>());
    QVERIFY(!openWindow<FrmResult>());
    FrmData* data = openWindow<FrmData>();
    QVERIFY(data && data->isVisible());
    QCOMPARE(data->form().value(AnalyteId::Chol), QStringLiteral("200"));
    QCOMPARE(data->form().unit(AnalyteId::LDL), QStringLiteral("mg/dL"));
    QCOMPARE(data->currentFrame(), 2);
}

void TestOverviewList::closeLeavesOnlyWhatWasBelow() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids));
    ListComputableItems();
    FillResultGrid();
    QTest::mouseClick(
        openWindow<FrmResult>()->findChild<QPushButton*>(QStringLiteral("CloseButton")),
        Qt::LeftButton);
    QVERIFY(!openWindow<FrmList>());
    QVERIFY(!openWindow<FrmData>());
    QVERIFY(!openWindow<FrmResult>());

    // A later opening starts from the load state.
    typeIntoDataEntry(MapFields());
    QCOMPARE(openWindow<FrmData>()->form().value(AnalyteId::Chol), QString());
}

void TestOverviewList::cancelReturnsToDataEntry() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids));
    ListComputableItems();
    QTest::mouseClick(
        openWindow<FrmList>()->findChild<QPushButton*>(QStringLiteral("CancelButton")),
        Qt::LeftButton);
    QVERIFY(!openWindow<FrmList>());
    QVERIFY(!openWindow<FrmResult>());
    QVERIFY(openWindow<FrmData>()->isVisible());
    QCOMPARE(openWindow<FrmData>()->form().value(AnalyteId::HDL), QStringLiteral("50"));
}

void TestOverviewList::closedDataEntryReadsAsLoaded() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids));
    ListComputableItems();
    FillResultGrid();
    QCOMPARE(gridRows().size(), 4);

    QTest::mouseClick(openWindow<FrmData>()->findChild<QPushButton*>(QStringLiteral("EXITbutton")),
                      Qt::LeftButton);
    QVERIFY(!openWindow<FrmData>());
    QTest::mouseClick(openWindow<FrmList>()->okButton(), Qt::LeftButton);
    QCOMPARE(gridRows().size(), 4); // nothing appended: every field reads empty
    ListComputableItems();
    QCOMPARE(listTexts(), itemTexts({3, 4}));
    QVERIFY(!openWindow<FrmList>()->okButton()->isEnabled());

    // Back opens a new data entry screen in its load state.
    backToDataEntry();
    FrmData* data = openWindow<FrmData>();
    QVERIFY(data && data->isVisible());
    QCOMPARE(data->form().value(AnalyteId::Chol), QString());
    QCOMPARE(data->currentFrame(), 1);
}

void TestOverviewList::copySelectedRows() {
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(AllLipids + strs({"Ferritin=10", "UnitFerritin=ng/ml"})));
    ListComputableItems();
    FillResultGrid();
    ResultGrid* grid = openWindow<FrmResult>()->grid();
    QCOMPARE(grid->rowCount(), 5);
    grid->setFocus();
    grid->selectRow(4);
    grid->selectionModel()->select(grid->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), grid->row(0).line());
    QCOMPARE(lines.at(1), grid->row(4).line());
    QCOMPARE(lines.at(1).count(QLatin1Char('\t')), 2);
    QVERIFY(lines.at(1).startsWith(QStringLiteral("Ferritin Stores\t\t")));
}

QUARVEX_TEST_MAIN(TestOverviewList)
#include "tst_overviewlist.moc"
