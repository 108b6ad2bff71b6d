#include "app/frmswitchboard.h"
#include "cases/casefile.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/export.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overview.h"
#include "overview/overviewwindows.h"
#include "overview/reportdate.h"
#include "overview/resultsmodel.h"
#include "overviewdriver.h"
#include "testfields.h"
#include "testmain.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;
using A = AnalyteId;

namespace {

// "a|b" -> {"a", "b"}
QStringList strs(const char* texts)
{
    return QString::fromUtf8(texts).split(QLatin1Char('|'));
}

QStringList listTexts(const OverviewWindows& overview)
{
    QStringList texts;
    for (QListWidget* list = overview.itemList()->list(); texts.size() < list->count();)
        texts << list->item(texts.size())->text();
    return texts;
}

// The rows as the grid shows them, cell by cell.
QList<ResultRow> gridRows(const OverviewWindows& overview)
{
    QList<ResultRow> rows;
    const QAbstractItemModel* model = overview.results()->grid()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        auto cell = [&](int column) { return model->index(r, column).data().toString(); };
        rows << ResultRow{cell(0), cell(1), cell(2)};
    }
    return rows;
}

// The items the core lists as computable for the fields.
QStringList computable(const Fields& fields)
{
    return computableListTexts(evaluateItems(Inputs(fields)));
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

const QByteArray Lipids = "Chol=200\nUnitChol=mg/dL\nHDL=50\nUnitHDL=mg/dL\nLDL=120\nUnitLDL=mg/dL";

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Writes beyond the given size fail (EFBIG) while the object lives.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

// What the overview core gives for the fields today.
QByteArray expectedFor(const Fields& fields, const QLocale& locale = QLocale())
{
    return exportBytes(reportDate(), overviewRows(fields, locale));
}

} // namespace

class TestOverview : public QObject
{
    Q_OBJECT
    FakeDialogs m_fake;
    ModalGuard m_guard;
    std::optional<OverviewWindows> m_overview;

    OverviewWindows& overview() { return *m_overview; }

private Q_SLOTS:
    void init()
    {
        m_fake.clear();
        m_guard.reset();
        m_overview.emplace(m_fake);
    }
    void cleanup()
    {
        m_overview.reset();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QUARVEX_VERIFY_NO_MODAL(m_guard);
    }

    void listing_data();
    void listing();
    void fullSetGivesEveryRow();
    void noteColumn();
    void copyingRows_data();
    void copyingRows();
    void passesFillAfreshAndReadTheCurrentFields();
    void missingItemsSayWhy_data();
    void missingItemsSayWhy();
    void hintsAboveTheGridNotInTheExport();
    void passAnnouncesEachItemsFindings();
    void lifecycles_data();
    void lifecycles();
    void switchboardOpensOneOverview();
    void tabsAndClear();
    void exportOutcomes_data();
    void exportOutcomes();
    void exportFolderIsRemembered();
};

void TestOverview::listing_data()
{
    // Which items each case computes: tst_items and the reference tests.
    QTest::addColumn<MapFields>("fields");
    QTest::addRow("all empty") << MapFields();
    QTest::addRow("lipids without gender") << fieldsFrom(Lipids);
    QTest::addRow("only ferritin") << fieldsFrom("Ferritin=120\nUnitFerritin=ug/L");
}

// The list shows what the core computes for the fields typed, and its OK the
// core's rows.
void TestOverview::listing()
{
    QFETCH(MapFields, fields);
    const QStringList listed = computable(fields);

    click(typeIntoDataEntry(overview(), fields), "OKbutton");
    ItemListWindow* list = overview().itemList();
    QVERIFY(list && list->isVisible());
    QCOMPARE(listTexts(overview()), listed);
    QCOMPARE(list->okButton()->isEnabled(), !listed.isEmpty());
    QCOMPARE(list->explainLabel()->text(),
             QString::fromLatin1(listed.isEmpty() ? NoItemsExplanation : ListExplanation));
    if (!listed.isEmpty()) {
        click(list, "OKButton");
        QCOMPARE(gridRows(overview()), overviewRows(fields));
        QVERIFY(overview().itemList()); // stays open behind the results
    }
}

void TestOverview::fullSetGivesEveryRow()
{
    typeIntoDataEntry(overview(), exampleFields());
    overview().fillResultGrid();
    // The model as views expect it, while its rows are replaced; a second
    // OK shows each row once.
    QAbstractItemModelTester tester(overview().results()->grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    overview().fillResultGrid();
    const QList<ResultRow> rows = gridRows(overview());
    QCOMPARE(rows, overviewRows(exampleFields()));
    QCOMPARE(rows.size(), 34);
    QVERIFY(!overview().results()->hintsLabel()->isVisibleTo(overview().results()));
    // The hidden heading names each column for screen readers.
    const QAbstractItemModel* model = overview().results()->grid()->model();
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Interpretation"));
    // Long interpretations wrap into taller rows.
    const ResultGrid* grid = overview().results()->grid();
    QVERIFY(grid->rowHeight(17) > 2 * grid->rowHeight(0));
    QVERIFY(m_fake.calls().isEmpty());
}

// The Note column holds each row's notes from its item's derivation: context
// and rounding notes in full, an evidence note as its tag with the sentence
// as the tooltip; a copied row carries them after the interpretation.
void TestOverview::noteColumn()
{
    typeIntoDataEntry(overview(), exampleFields());
    overview().fillResultGrid();
    const ResultsModel* model = overview().results()->rows();
    QCOMPARE(model->columnCount(), 4);
    QCOMPARE(model->headerData(ResultsModel::NoteColumn, Qt::Horizontal).toString(),
             QStringLiteral("Note"));
    int full = 0;
    int tags = 0;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QModelIndex cell = model->index(r, ResultsModel::NoteColumn);
        const QString shown = cell.data().toString();
        const QString tip = cell.data(Qt::ToolTipRole).toString();
        const QList<Note> notes = model->notesOf(r);
        QCOMPARE(shown.isEmpty(), notes.isEmpty());
        for (const Note& note : notes) {
            QVERIFY(tip.contains(note.text));
            if (noteTag(note.kind).isEmpty()) {
                QVERIFY2(shown.contains(note.text), qPrintable(shown));
                ++full;
            } else {
                QVERIFY(!shown.contains(note.text));
                QVERIFY(
                    shown.contains(QLatin1Char('[') + shownNoteTag(note.kind) + QLatin1Char(']')));
                ++tags;
            }
        }
        const QStringList copied = model->linesOf({r}).split(QLatin1Char('\t'));
        QCOMPARE(copied.size(), 4);
        QCOMPARE(copied.last(), QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    // The example has notes of both sorts (its README screenshot shows them).
    QVERIFY(full > 0);
    QVERIFY(tags > 0);
    // The example's normal creatinine beside four urinary indices (of two
    // items) is one note, in the first of their rows, naming all four.
    int indexNotes = 0;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QString shown = model->index(r, ResultsModel::NoteColumn).data().toString();
        if (!shown.contains(QStringLiteral("This urinary index separates")))
            continue;
        ++indexNotes;
        QCOMPARE(model->rows().at(r).name, QStringLiteral("Renal Failure Index"));
        QVERIFY2(shown.startsWith(QStringLiteral(
                     "Renal Failure Index, Fractional Sodium Excretion, Creatinine to Creatinine "
                     "Ratio, Urea to Urea Ratio: ")),
                 qPrintable(shown));
    }
    QCOMPARE(indexNotes, 1);
}

void TestOverview::copyingRows_data()
{
    QTest::addColumn<bool>("contextMenu");  // else Ctrl+C on the grid
    QTest::addColumn<QList<int>>("select"); // rows, in the order they are picked
    QTest::addColumn<QString>("copied");    // empty: the clipboard keeps its text
    const QString ferritin =
        QStringLiteral("Ferritin Stores\t\tSerum ferritin level appears normal.\t");
    const QString potassium = QStringLiteral("Fractional Potassium Excretion\t0.11 \t\t");
    QTest::addRow("Ctrl+C, one row") << false << QList<int>{1} << potassium;
    QTest::addRow("context menu, picked bottom up")
        << true << QList<int>{1, 0} << ferritin + QLatin1Char('\n') + potassium;
    QTest::addRow("Ctrl+C, nothing selected") << false << QList<int>{} << QString();
}

void TestOverview::copyingRows()
{
    QFETCH(bool, contextMenu);
    QFETCH(QList<int>, select);
    QFETCH(QString, copied);
    overview().fillResultGrid(); // nothing computable: an empty grid
    ResultsWindow* window = overview().results();
    window->rows()->append(
        {{QStringLiteral("Ferritin Stores"), QString(),
          QStringLiteral("Serum ferritin level appears normal.")},
         {QStringLiteral("Fractional Potassium Excretion"), QStringLiteral("0.11 "), QString()}});
    ResultGrid* grid = window->grid();
    for (int row : select)
        grid->selectionModel()->select(grid->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    if (contextMenu) {
        QCOMPARE(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
        const QList<QAction*> actions = grid->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->text(), QStringLiteral("Copy"));
        actions[0]->trigger();
    } else {
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    }
    QCOMPARE(QApplication::clipboard()->text(),
             copied.isEmpty() ? QStringLiteral("before") : copied);
}

void TestOverview::passesFillAfreshAndReadTheCurrentFields()
{
    typeIntoDataEntry(overview(), MapFields());
    overview().listComputableItems();
    QVERIFY(!overview().itemList()->okButton()->isEnabled());
    // A second OK lists each item once, and a pass with items enables OK again.
    DataEntryWindow* data = typeIntoDataEntry(overview(), fieldsFrom(Lipids));
    overview().listComputableItems();
    overview().listComputableItems();
    QCOMPARE(listTexts(overview()), computable(fieldsFrom(Lipids)));
    QVERIFY(overview().itemList()->okButton()->isEnabled());
    overview().fillResultGrid();
    overview().fillResultGrid();
    // The LDL to HDL ratio, the three ATP III rows and non-HDL cholesterol.
    QCOMPARE(gridRows(overview()).size(), 1 + 3 + 1);

    // LDL cleared and a gender chosen after listing: the grid follows the fields.
    data->form().setValue(A::LDL, QString());
    data->form().setValue(A::Gender, QStringLiteral("Female"));
    overview().fillResultGrid();
    QCOMPARE(gridRows(overview()).size(), 2);
    QCOMPARE(gridRows(overview()).first().name,
             QStringLiteral("Total Cholesterol-to-HDL Cholesterol Ratio"));
    QCOMPARE(gridRows(overview()).last().name, QStringLiteral("Non-HDL Cholesterol"));
    QCOMPARE(listTexts(overview()).size(), 3); // the list is neither consulted nor changed
}

// Below the computable items the list says why each other item is missing;
// a value typed but at fault is marked on the data entry screen, an empty
// field is not.
void TestOverview::missingItemsSayWhy_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("marked"); // the field marked, if any

    // The texts of every kind: tst_findings; the marks of every kind: tst_screens.
    const QByteArray clearance = "Age=40\nGender=Male\nUnitWeight=kg\n";
    QTest::addRow("empty") << clearance + "Weight=70\nUnitSerumCreatinine=mg/dL"
                           << u"Serum creatinine: empty"_s << QString();
    QTest::addRow("not a number") << clearance +
                                         "Weight=7O\nSerumCreatinine=1\nUnitSerumCreatinine=mg/dL"
                                  << u"Weight: \"7O\" is not a number. Type a number such as 1.2."_s
                                  << u"Weight"_s;
}

void TestOverview::missingItemsSayWhy()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, reason);
    QFETCH(QString, marked);

    const MapFields fields = fieldsFrom(lines);
    DataEntryWindow* data = typeIntoDataEntry(overview(), fields);
    overview().listComputableItems();
    ItemListWindow* list = overview().itemList();
    QVERIFY(list->missingView()->isVisibleTo(list));
    QVERIFY(list->missingView()->isReadOnly());
    const QString text = list->missingView()->toPlainText();
    QVERIFY2(text.contains(u"Creatinine Clearance Estimated (GFR)\n    "_s + reason + u'\n'),
             qPrintable(text));
    QVERIFY(!listTexts(overview()).contains(u"Creatinine Clearance Estimated (GFR)"_s));

    const QWidget* creatinine = data->findChild<QWidget*>(u"SerumCreatinine"_s);
    if (marked.isEmpty()) {
        QCOMPARE(data->marks()->markOf(creatinine), QString());
        return;
    }
    const QWidget* field = data->findChild<QWidget*>(marked);
    QCOMPARE(data->marks()->markOf(field), reason);
    QVERIFY(field->toolTip().contains(reason));
    QCOMPARE(field->accessibleDescription(), reason);
}

// "Check: ..." above the grid for each hint of the case, once, in the core's
// order; the export is the rows alone, byte for byte.
void TestOverview::hintsAboveTheGridNotInTheExport()
{
    const MapFields fields = fieldsFrom(
        "Age=40\nWeight=70\nUnitWeight=kg\nGender=Male\nSerumCreatinine=88\n"
        "UnitSerumCreatinine=mg/dL\nChol=150\nUnitChol=mg/dL\nHDL=160\nUnitHDL=mg/dL\nLDL=20\n"
        "UnitLDL=mg/dL");
    typeIntoDataEntry(overview(), fields);
    overview().listComputableItems();
    overview().fillResultGrid();
    ResultsWindow* results = overview().results();
    QVERIFY(results->hintsLabel()->isVisibleTo(results));
    QCOMPARE(results->hintsLabel()->text(),
             u"Check: Serum creatinine 88 mg/dL is above any value seen in patients (up to 75 "
             "mg/dL). Did you mean 88 umol/L (1.0 mg/dL)?\nCheck: HDL cholesterol 160 mg/dL is "
             "above total "
             "cholesterol 150 mg/dL. A value may be mistyped or in the wrong unit."_s);
    const QList<ResultRow> rows = overviewRows(fields);
    QCOMPARE(gridRows(overview()), rows);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_s);
    QCOMPARE(overview().exportTo(path), std::nullopt);
    QCOMPARE(readFile(path), exportBytes(reportDate(), rows));
}

// Each item's findings beep in item order; a value that cannot be read is
// named in one box, however many items need it; under a German locale a
// point is no decimal separator.
void TestOverview::passAnnouncesEachItemsFindings()
{
    // Serum urea without its unit beeps; the other empty fields are silent.
    DataEntryWindow* data = typeIntoDataEntry(
        overview(), fieldsFrom("SerumCreatinine=1.5\nUnitSerumCreatinine=mg/dL\nSerumUrea=12"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    overview().listComputableItems();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Items 5 to 10, 14, 23 and 25 check serum creatinine; items 14 and 25
    // serum urea too.
    QStringList expected(11, u"beep"_s);
    expected << u"critical:Serum creatinine: \"1.5\" is not a number. Type a number such as 1,2."_s;
    QCOMPARE(m_fake.trace(), expected);
    QCOMPARE(listTexts(overview()), QStringList());
    QCOMPARE(data->errors(), 3); // the last item's count: Sampson's three inputs are empty
}

void TestOverview::lifecycles_data()
{
    QTest::addColumn<QStringList>("clicks"); // window:button, or window:Escape for the key
    // The windows open afterwards: frmData with its Chol value and page, frmResult with its rows.
    QTest::addColumn<QString>("open");
    QTest::addColumn<bool>("finished"); // the overview told that its last window went
    QTest::addRow("Back") << strs("frmResult:BackButton") << "frmData 200 2" << false;
    QTest::addRow("Close") << strs("frmResult:CloseButton") << "" << true;
    QTest::addRow("Cancel on the list")
        << strs("frmList:CancelButton") << "frmData 200 2|frmResult 5" << false;
    QTest::addRow("Escape on the list, as Cancel")
        << strs("frmList:Escape") << "frmData 200 2|frmResult 5" << false;
    // After EXIT the evaluations find frmData in its load state: nothing
    // computable, so the grid filled afresh is empty.
    QTest::addRow("EXIT, then OK on the list")
        << strs("frmData:EXITbutton|frmList:OKButton") << "frmList|frmResult 0" << false;
    QTest::addRow("EXIT, then Back")
        << strs("frmData:EXITbutton|frmResult:BackButton") << "frmData  1" << false;
    QTest::addRow("EXIT, Cancel, Close")
        << strs("frmData:EXITbutton|frmList:CancelButton|frmResult:CloseButton") << "" << true;
}

void TestOverview::lifecycles()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, open);
    QFETCH(bool, finished);
    QSignalSpy finishedSpy(&overview(), &OverviewWindows::finished);
    DataEntryWindow* data = typeIntoDataEntry(overview(), fieldsFrom(Lipids));
    data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    overview().listComputableItems();
    overview().fillResultGrid();
    for (const QString& step : clicks) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        QWidget* window = *std::find_if(windows.begin(), windows.end(), [&](QWidget* w) {
            return w->isVisible() && w->objectName() == step.section(QLatin1Char(':'), 0, 0);
        });
        const QString control = step.section(QLatin1Char(':'), 1);
        if (control == QLatin1String("Escape")) {
            QWidget* focus = window->focusWidget();
            QTest::keyClick(focus ? focus : window, Qt::Key_Escape);
        } else {
            click(window, qPrintable(control));
        }
    }
    QStringList seen;
    if ((data = overview().dataEntry()) && data->isVisible())
        seen << QStringLiteral("frmData %1 %2")
                    .arg(data->form().value(A::Chol))
                    .arg(data->currentFrame());
    if (overview().itemList())
        seen << QStringLiteral("frmList");
    if (overview().results())
        seen << QStringLiteral("frmResult %1").arg(gridRows(overview()).size());
    QCOMPARE(seen.join(QLatin1Char('|')), open);
    // Closed windows are destroyed; the last one going ends the overview.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(finishedSpy.size(), finished ? 1 : 0);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += w->objectName().startsWith(QLatin1String("frm"));
    QCOMPARE(windows, int(seen.size()));
}

// The switchboard's OK shows the one data entry screen of one overview,
// which stays usable after the switchboard closes and goes with its windows.
void TestOverview::switchboardOpensOneOverview()
{
    ScopedFakeDialogs fake;
    const auto visible = [](const char* name) {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == QLatin1String(name))
                found << w;
        }
        return found;
    };
    const auto overviews = [] {
        return qApp->findChildren<OverviewWindows*>(Qt::FindDirectChildrenOnly).size();
    };
    auto* switchboard = new SwitchboardWindow;
    switchboard->setAttribute(Qt::WA_DeleteOnClose);
    switchboard->show();
    switchboard->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    click(switchboard, "OKButton");
    QCOMPARE(visible("frmData").size(), 1);
    auto* data = static_cast<DataEntryWindow*>(visible("frmData")[0]);
    data->form().setValue(A::Chol, QStringLiteral("200"));
    click(switchboard, "OKButton"); // to the front, values kept
    QCOMPARE(visible("frmData"), QList<QWidget*>{data});
    QCOMPARE(data->form().value(A::Chol), QStringLiteral("200"));
    QCOMPARE(overviews(), 1);

    switchboard->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click(data, "OKbutton"); // Chol without its unit: a beep
    QCOMPARE(visible("frmList").size(), 1);
    fake->clear();

    QApplication::closeAllWindows();
    for (int i = 0; i < 2; ++i) // the windows, then the overview
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(overviews(), 0);
    // The values typed were in no case: closing asked first (the fake discards).
    QCOMPARE(fake->trace(), QStringList{u"save?:Save changes to the case?"_s});
}

void TestOverview::tabsAndClear()
{
    DataEntryWindow* data = typeIntoDataEntry(overview(), exampleFields());
    QTabBar* bar = data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->tabBar();
    QCOMPARE(data->currentFrame(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(data->currentFrame(), 2);
    QVERIFY(data->findChild<QWidget*>(QStringLiteral("Frame1_2"))->isVisible());
    QVERIFY(!data->findChild<QWidget*>(QStringLiteral("Frame1_1"))->isVisible());
    // Urine phosphorus and urine urate in the column of the other urine values.
    auto* urine = data->findChild<QWidget*>(QStringLiteral("Frame1_2"));
    auto* grid = qobject_cast<QGridLayout*>(urine->layout());
    QVERIFY(grid);
    const auto columnOf = [&](const char* name) {
        QWidget* w = urine->findChild<QWidget*>(QString::fromLatin1(name));
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        if (w)
            grid->getItemPosition(grid->indexOf(w), &row, &column, &rowSpan, &columnSpan);
        return column;
    };
    for (const char* name :
         {"UrinePhosphorus", "UnitUrinePhosphorus", "UrineUrate", "UnitUrineUrate"}) {
        const bool unit = QByteArray(name).startsWith("Unit");
        QVERIFY2(columnOf(name) == columnOf(unit ? "UnitUrineCalcium" : "UrineVolume"), name);
        QVERIFY(urine->findChild<QWidget*>(QString::fromLatin1(name))->isVisible());
    }

    data->setErrors(3);
    click(data, "ClearButton");
    for (const Analyte& a : analytes())
        QCOMPARE(data->form().value(a.id) + data->form().unit(a.id), QString());
    QCOMPARE(data->errors(), 0);
    QCOMPARE(data->currentFrame(), 2); // Clear keeps the page
}

void TestOverview::exportOutcomes_data()
{
    // %1: a folder holding results.txt, the working folder
    QTest::addColumn<QStringList>("typed"); // the input boxes' answers, then Cancel
    QTest::addColumn<QList<bool>>("yes");   // the questions' answers, then Yes
    QTest::addColumn<bool>("sizeLimited");
    // Every dialog, as patterns: failures carry the platform's description.
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QString>("lastTitle");
    QTest::addColumn<QStringList>("files"); // the folder afterwards: name=old or name=new

    const QString input = u"input:Export Test Results"_s;
    const QString replace = u"question:Replace %1/results\\.txt\\?"_s;
    const QString done = u"information:Data export completed succesfully\\."_s;
    const QString failed = u"critical:The results could not be written to "_s;
    const QString doneTitle = u"Test Results Export"_s, exportTitle = u"Export Test Results"_s;
    const QStringList results{u"%1/results.txt"_s};
    const QStringList oldKept{u"results.txt=old"_s};

    QTest::addRow("existing file, Replace: Yes")
        << results << QList<bool>{true} << false << QStringList{input, replace, u"beep"_s, done}
        << doneTitle << QStringList{u"results.txt=new"_s};
    // The user's own Cancel is the end of it: no beep, no message.
    QTest::addRow("existing file, Replace: No, then Cancel")
        << results << QList<bool>{false} << false << QStringList{input, replace, input}
        << exportTitle << oldKept;
    QTest::addRow("Replace: No, then another name")
        << results + QStringList{u"%1/other.txt"_s} << QList<bool>{false} << false
        << QStringList{input, replace, input, u"beep"_s, done} << doneTitle
        << QStringList{u"other.txt=new"_s, u"results.txt=old"_s};
    QTest::addRow("Cancel writes nothing")
        << QStringList() << QList<bool>() << false << QStringList{input} << exportTitle << oldKept;
    QTest::addRow("a folder is not replaced")
        << QStringList{u"%1"_s} << QList<bool>() << false
        << QStringList{input, u"beep"_s, failed + u"%1\\.\r\r.*directory.*"_s} << u"Quarvex"_s
        << oldKept;
    QTest::addRow("Replace: Yes, write cut short by the file-size limit")
        << results << QList<bool>{true} << true
        << QStringList{input, replace, u"beep"_s,
                       failed + u"%1/results\\.txt\\.\r\rFile too large"_s}
        << u"Quarvex"_s << oldKept;
}

void TestOverview::exportOutcomes()
{
    QFETCH(QStringList, typed);
    QFETCH(QList<bool>, yes);
    QFETCH(bool, sizeLimited);
    QFETCH(QStringList, trace);
    QFETCH(QString, lastTitle);
    QFETCH(QStringList, files);
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1709251199"); // 2024-02-29
    QTemporaryDir dir;
    const QByteArray old = QByteArray("previous results\r\n").repeated(1000); // longer than new
    const QString existing = dir.filePath(QStringLiteral("results.txt"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    DataEntryWindow* data = typeIntoDataEntry(overview(), exampleFields());
    overview().fillResultGrid();
    // LDL cleared after the grid was filled: the export reads the fields anew.
    data->form().setValue(A::LDL, QString());
    overview().setExportFolder(dir.path());
    m_fake.clear();
    for (const QString& answer : typed)
        m_fake.answerInputWith(QString(answer).replace(u"%1"_s, dir.path()));
    for (bool answer : yes)
        m_fake.answerQuestionWith(answer);
    {
        std::optional<FileSizeLimit> limit; // the full export is some 4 kB
        if (sizeLimited)
            limit.emplace(1024);
        click(overview().results(), "ExportButton");
    }
    QDir::setCurrent(previous);

    const QStringList seen = m_fake.trace();
    QCOMPARE(seen.size(), trace.size());
    for (qsizetype i = 0; i < seen.size(); ++i) {
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(
                QString(trace[i]).replace(u"%1"_s, QRegularExpression::escape(dir.path()))),
            QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(seen[i]).hasMatch(), qPrintable(seen[i]));
    }
    QCOMPARE(m_fake.calls().last().title, lastTitle);
    QCOMPARE(m_fake.calls()[0].text, QStringLiteral("Enter the name and full path of the file for "
                                                    "export.\r\rNote: data will be saved in a "
                                                    "tab-delimited format."));
    // A file name in the export folder is proposed; after a No, the name typed.
    QCOMPARE(m_fake.calls()[0].defaultText, dir.filePath(u"quarvex-results-2024-02-29.txt"_s));
    if (trace.size() > 3 && trace[2] == trace[0])
        QCOMPARE(m_fake.calls()[2].defaultText, existing);

    // Only what was agreed to is written; after a failure the old file is
    // byte for byte as it was, and nothing is left beside it.
    MapFields noLdl = exampleFields();
    noLdl.setValue(A::LDL, QString());
    QStringList found;
    for (const QString& name : entries(dir.path())) {
        const QByteArray bytes = readFile(dir.filePath(name));
        found << name + (bytes == old                  ? u"=old"_s
                         : bytes == expectedFor(noLdl) ? u"=new"_s
                                                       : u"=other"_s);
    }
    QCOMPARE(found, files);
}

// The export proposes the folder of the last export that succeeded, also in
// the next overview the switchboard opens.
void TestOverview::exportFolderIsRemembered()
{
    ScopedEnvironment epoch("SOURCE_DATE_EPOCH", "1709251199"); // 2024-02-29
    const QString name = u"quarvex-results-2024-02-29.txt"_s;
    QCOMPARE(overview().proposedExportPath(), QDir::home().filePath(name));
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"first"_s));
    const QString first = dir.filePath(u"first"_s);
    typeIntoDataEntry(overview(), fieldsFrom(Lipids));
    QCOMPARE(overview().exportTo(first + u"/a.txt"_s), std::nullopt);
    QCOMPARE(overview().proposedExportPath(), first + u'/' + name);
    QVERIFY(overview().exportTo(dir.filePath(u"missing/b.txt"_s)));
    QCOMPARE(overview().exportFolder(), first);

    ScopedFakeDialogs fake;
    auto* switchboard = new SwitchboardWindow;
    switchboard->setAttribute(Qt::WA_DeleteOnClose);
    switchboard->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    click(switchboard, "OKButton");
    const auto ownedByTheProgram = [] {
        return qApp->findChild<OverviewWindows*>(QString(), Qt::FindDirectChildrenOnly);
    };
    QCOMPARE(ownedByTheProgram()->exportFolder(), QDir::homePath());
    ownedByTheProgram()->exportTo(dir.filePath(u"c.txt"_s));
    ownedByTheProgram()->closeAll();
    for (int i = 0; i < 2; ++i) // the windows, then the overview
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ownedByTheProgram());
    click(switchboard, "OKButton");
    QCOMPARE(ownedByTheProgram()->exportFolder(), dir.path());
    switchboard->close();
}

QUARVEX_TEST_MAIN(TestOverview)
#include "tst_overview.moc"
