#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/overview.h"
#include "overview/overviewmodule.h"
#include "overviewfixture.h"
#include "testmain.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using namespace quarvex;
using namespace quarvex::test;
using A = AnalyteId;

Q_DECLARE_METATYPE(quarvex::MapFields)

namespace {

QStringList listTexts()
{
    QStringList texts;
    for (int i = 0; i < openWindow<FrmList>()->list()->count(); ++i)
        texts << openWindow<FrmList>()->list()->item(i)->text();
    return texts;
}

QList<ResultRow> gridRows()
{
    QList<ResultRow> rows;
    for (int i = 0; i < openWindow<FrmResult>()->grid()->rowCount(); ++i)
        rows << openWindow<FrmResult>()->grid()->row(i);
    return rows;
}

QStringList itemTexts(std::initializer_list<int> numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts << QString::fromLatin1(overviewItems()[n - 1].listText);
    return texts;
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

const QStringList Lipids =
    strs({"Chol=200", "UnitChol=mg/dL", "HDL=50", "UnitHDL=mg/dL", "LDL=120", "UnitLDL=mg/dL"});

} // namespace

class TestOverviewWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeOverviewWindows(); }

    void listing_data();
    void listing();
    void fullSetGivesEveryRow();
    void passesAppendAndReadTheCurrentFields();
    void emptyPassKeepsOkDisabledUntilReloaded();
    void conversionFailureReportsOncePerItemPerPass();
    void lifecycles_data();
    void lifecycles();
    void tabsAndClear();
    void copySelectedRows();
};

void TestOverviewWindows::listing_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QStringList>("listed");

    MapFields noUnits = exampleFields();
    MapFields noAge = exampleFields();
    for (const Analyte& a : analytes())
        noUnits.setUnit(a.id, QString());
    noAge.setValue(A::Age, QString());

    QTest::addRow("all empty") << MapFields() << QStringList();
    QTest::addRow("lipids without gender") << fieldsFrom(Lipids) << itemTexts({3, 4});
    QTest::addRow("gender in lower case")
        << fieldsFrom(Lipids + strs({"Gender=male"})) << itemTexts({3, 4});
    QTest::addRow("every field but age")
        << noAge
        << itemTexts({1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
    QTest::addRow("only ferritin")
        << fieldsFrom(strs({"Ferritin=120", "UnitFerritin=ug/L"})) << itemTexts({19});
    // Only the items whose analytes all have a fixed unit or none.
    QTest::addRow("no unit chosen anywhere") << noUnits << itemTexts({13, 16});
}

void TestOverviewWindows::listing()
{
    QFETCH(MapFields, fields);
    QFETCH(QStringList, listed);
    ScopedFakeDialogs fake;
    ModalGuard guard;

    click(typeIntoDataEntry(fields), "OKbutton");
    FrmList* list = openWindow<FrmList>();
    QVERIFY(list && list->isVisible());
    QCOMPARE(listTexts(), listed);
    QCOMPARE(list->okButton()->isEnabled(), !listed.isEmpty());
    QCOMPARE(list->explainLabel()->text(),
             QString::fromLatin1(listed.isEmpty() ? NoItemsExplanation : ListExplanation));
    if (listed.isEmpty())
        return;

    click(list, "OKButton");
    QCOMPARE(gridRows(), overviewRows(fields, *fake));
    if (listed == itemTexts({19})) {
        QCOMPARE(gridRows(),
                 (QList<ResultRow>{{QStringLiteral("Ferritin Stores"), QString(),
                                    QStringLiteral("Serum ferritin level appears normal.")}}));
    }
    QVERIFY(openWindow<FrmList>()); // stays open behind the results
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestOverviewWindows::fullSetGivesEveryRow()
{
    ScopedFakeDialogs fake;
    typeIntoDataEntry(exampleFields());
    ListComputableItems();
    QCOMPARE(listTexts().size(), 22);
    FillResultGrid();

    // The test item texts of the 22 items; items 1, 4 and 14 give three rows.
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
    QCOMPARE(rows.size(), names.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].name, names[i]);
        // Only the ferritin row has no result; only items 7 to 11 no interpretation.
        QCOMPARE(rows[i].result.isEmpty(), i == 24);
        QCOMPARE(rows[i].interpretation.isEmpty(), i >= 10 && i <= 14);
    }
    QCOMPARE(rows[8].result, QStringLiteral("3.76 %"));
    QCOMPARE(
        rows[16].interpretation,
        QStringLiteral("An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'."));

    // Long interpretations wrap into taller rows in the widest column.
    const ResultGrid* grid = openWindow<FrmResult>()->grid();
    QVERIFY(grid->rowHeight(17) > 2 * grid->rowHeight(0));
    QTRY_VERIFY(grid->columnWidth(2) > grid->columnWidth(0) + grid->columnWidth(1));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(fake->calls().isEmpty());
}

void TestOverviewWindows::passesAppendAndReadTheCurrentFields()
{
    ScopedFakeDialogs fake;
    FrmData* data = typeIntoDataEntry(fieldsFrom(Lipids));
    ListComputableItems();
    ListComputableItems();
    QCOMPARE(listTexts(), itemTexts({3, 4, 3, 4}));
    FillResultGrid();
    FillResultGrid();
    QCOMPARE(gridRows().size(), 2 * (1 + 3));

    // LDL cleared and a gender chosen after listing: the grid follows the fields.
    data->form().setValue(A::LDL, QString());
    data->form().setValue(A::Gender, QStringLiteral("Female"));
    FillResultGrid();
    QCOMPARE(gridRows().size(), 2 * (1 + 3) + 1);
    QCOMPARE(gridRows().last().name, QStringLiteral("Total Cholesterol-to-HDL Cholesterol Ratio"));
    QCOMPARE(listTexts().size(), 4); // the list is neither consulted nor changed
}

void TestOverviewWindows::emptyPassKeepsOkDisabledUntilReloaded()
{
    ScopedFakeDialogs fake;
    typeIntoDataEntry(MapFields());
    ListComputableItems();
    typeIntoDataEntry(fieldsFrom(Lipids));
    ListComputableItems();
    QCOMPARE(listTexts(), itemTexts({3, 4}));
    QVERIFY(!openWindow<FrmList>()->okButton()->isEnabled());

    click(openWindow<FrmList>(), "CancelButton");
    QVERIFY(!openWindow<FrmList>());
    ListComputableItems();
    QVERIFY(openWindow<FrmList>()->okButton()->isEnabled());
    QCOMPARE(listTexts(), itemTexts({3, 4}));
    QCOMPARE(openWindow<FrmList>()->explainLabel()->text(), QString::fromLatin1(ListExplanation));
}

void TestOverviewWindows::conversionFailureReportsOncePerItemPerPass()
{
    ScopedFakeDialogs fake;
    MapFields fields = exampleFields();
    fields.setValue(A::SerumCreatinine, QStringLiteral("abc"));
    typeIntoDataEntry(fields);
    // Serum creatinine is checked by items 5 to 10, 12 and 14.
    for (auto pass : {&ListComputableItems, &FillResultGrid}) {
        fake->clear();
        pass();
        QCOMPARE(fake->messages().size(), 8);
        QCOMPARE(fake->beeps(), 8);
        QCOMPARE(fake->messages().at(0).icon, MessageIcon::Critical);
        QCOMPARE(fake->messages().at(0).title, QStringLiteral("Quarvex"));
    }
    QCOMPARE(listTexts().size(), 22 - 8);
    QCOMPARE(gridRows().size(), 28 - 10);
}

void TestOverviewWindows::lifecycles_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("dataKept"); // frmData open with its values
    QTest::addColumn<bool>("listOpen");
    QTest::addColumn<bool>("resultOpen");
    QTest::addRow("Back") << "back" << true << false << false;
    QTest::addRow("Close") << "close" << false << false << false;
    QTest::addRow("Cancel on the list") << "cancel" << true << false << true;
    QTest::addRow("EXIT, then OK on the list") << "exit" << false << true << true;
    QTest::addRow("EXIT, then Back") << "exitBack" << false << false << false;
}

void TestOverviewWindows::lifecycles()
{
    QFETCH(QString, action);
    QFETCH(bool, dataKept);
    QFETCH(bool, listOpen);
    QFETCH(bool, resultOpen);
    ScopedFakeDialogs fake;
    FrmData* data = typeIntoDataEntry(fieldsFrom(Lipids));
    data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    ListComputableItems();
    FillResultGrid();

    if (action == QLatin1String("back"))
        click(openWindow<FrmResult>(), "BackButton");
    else if (action == QLatin1String("close"))
        click(openWindow<FrmResult>(), "CloseButton");
    else if (action == QLatin1String("cancel"))
        click(openWindow<FrmList>(), "CancelButton");
    else
        click(data, "EXITbutton");
    if (action == QLatin1String("exit")) {
        // Evaluations find frmData in its load state: nothing computable.
        click(openWindow<FrmList>(), "OKButton");
        QCOMPARE(gridRows().size(), 4);
    }
    if (action == QLatin1String("exitBack"))
        click(openWindow<FrmResult>(), "BackButton");

    QCOMPARE(openWindow<FrmList>() != nullptr, listOpen);
    QCOMPARE(openWindow<FrmResult>() != nullptr, resultOpen);
    if (action == QLatin1String("back") || action == QLatin1String("exitBack")) {
        data = openWindow<FrmData>();
        QVERIFY(data && data->isVisible());
        QCOMPARE(data->form().value(A::Chol), QString::fromLatin1(dataKept ? "200" : ""));
        QCOMPARE(data->currentFrame(), dataKept ? 2 : 1);
    } else {
        QCOMPARE(openWindow<FrmData>() != nullptr, dataKept);
    }
}

void TestOverviewWindows::tabsAndClear()
{
    FrmData* data = typeIntoDataEntry(exampleFields());
    QTabBar* bar = data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->tabBar();
    auto* blood = data->findChild<QWidget*>(QStringLiteral("Frame1_1"));
    auto* urine = data->findChild<QWidget*>(QStringLiteral("Frame1_2"));
    QCOMPARE(data->currentFrame(), 1);
    QVERIFY(blood->isVisible() && !urine->isVisible());
    for (int twice = 0; twice < 2; ++twice) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(data->currentFrame(), 2);
        QVERIFY(urine->isVisible() && !blood->isVisible());
    }

    data->setErrors(3);
    click(data, "ClearButton");
    for (const Analyte& a : analytes()) {
        QCOMPARE(data->form().value(a.id), QString());
        QCOMPARE(data->form().unit(a.id), QString());
    }
    QCOMPARE(data->errors(), 0);
    QCOMPARE(data->findChild<QLabel*>(QStringLiteral("UnitUrineVolume"))->text(),
             QStringLiteral("ml"));
    QCOMPARE(data->currentFrame(), 2);
    QVERIFY(urine->isVisible());
    // A unit typed instead of chosen stays as typed.
    data->form().setUnit(A::UrineCalcium, QStringLiteral("MG/DL"));
    QCOMPARE(data->form().unit(A::UrineCalcium), QStringLiteral("MG/DL"));
}

void TestOverviewWindows::copySelectedRows()
{
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(Lipids + strs({"Ferritin=10", "UnitFerritin=ng/ml"})));
    ListComputableItems();
    FillResultGrid();
    ResultGrid* grid = openWindow<FrmResult>()->grid();
    grid->selectRow(4);
    grid->selectionModel()->select(grid->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             grid->row(0).line() + QLatin1Char('\n') + grid->row(4).line());
    QVERIFY(grid->row(4).line().startsWith(QStringLiteral("Ferritin Stores\t\t")));
}

QUARVEX_TEST_MAIN(TestOverviewWindows)
#include "tst_overviewwindows.moc"
