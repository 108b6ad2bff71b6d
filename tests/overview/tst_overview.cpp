#include "app/navigation.h"
#include "app/windows.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/cliinput.h"
#include "overview/export.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overview.h"
#include "overview/overviewmodule.h"
#include "testmain.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace quarvex;
using quarvex::test::FakeDialogs;
using quarvex::test::ModalGuard;
using quarvex::test::ScopedFakeDialogs;
using A = AnalyteId;

Q_DECLARE_METATYPE(quarvex::MapFields)

namespace {

QStringList strs(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromUtf8(text);
    return out;
}

// Fields from "Name=text" lines, the quarvex-cli input format.
MapFields fieldsFrom(const QStringList& lines)
{
    CliInput input;
    if (const auto error = parseCliInput(lines.join(QLatin1Char('\n')), input))
        qFatal("bad test input on line %d", error->line);
    return input.fields;
}

QString exampleInputText()
{
    QFile file(QStringLiteral(QUARVEX_EXAMPLE_INPUT));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The example input file: a full, valid set of fields.
MapFields exampleFields()
{
    return fieldsFrom(exampleInputText().split(QLatin1Char('\n')));
}

// Opens frmData if needed and types the fields into it (the others emptied).
FrmData* typeIntoDataEntry(const Fields& fields)
{
    showDataEntry();
    FrmData* data = openWindow<FrmData>();
    for (const Analyte& a : analytes()) {
        data->form().setValue(a.id, fields.value(a.id));
        if (a.unitKind == UnitKind::List)
            data->form().setUnit(a.id, fields.unit(a.id));
    }
    return data;
}

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

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Shows the results of the fields and presses Export, answering the file box.
FakeDialogs::Call exportAs(ScopedFakeDialogs& fake, const QString& answer,
                           const Fields& fields = exampleFields())
{
    typeIntoDataEntry(fields);
    FillResultGrid();
    fake->clear();
    fake->answerInputWith(answer);
    click(openWindow<FrmResult>(), "ExportButton");
    return fake->calls().value(0);
}

// Writes beyond the given size fail (EFBIG) while the object lives.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program in the locale of LC_ALL and LANG.
Run runCli(const QStringList& args, const QByteArray& input = {},
           const QByteArray& locale = "en_US.UTF-8")
{
    qputenv("LC_ALL", locale);
    qputenv("LANG", locale);
    QProcess process;
    process.start(QStringLiteral(QUARVEX_CLI), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// What the overview core gives for the fields today.
QByteArray expectedFor(const Fields& fields, const QLocale& locale = QLocale())
{
    FakeDialogs quiet;
    return exportBytes(QDate::currentDate(), overviewRows(fields, quiet, locale), locale);
}

} // namespace

class TestOverview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void listing_data();
    void listing();
    void fullSetGivesEveryRow();
    void passesAppendAndReadTheCurrentFields();
    void lifecycles_data();
    void lifecycles();
    void tabsAndClear();
    void exportFormat();
    void exportPromptAndCurrentFields();
    void exportOutcomes_data();
    void exportOutcomes();
    void cliExampleFileGivesTheCoreRows();
    void cliOutputFileAndGermanInput();
    void cliErrorExits_data();
    void cliErrorExits();
};

void TestOverview::listing_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QStringList>("listed");
    MapFields noAge = exampleFields();
    noAge.setValue(A::Age, QString());

    QTest::addRow("all empty") << MapFields() << QStringList();
    QTest::addRow("lipids without gender") << fieldsFrom(Lipids) << itemTexts({3, 4});
    QTest::addRow("every field but age")
        << noAge
        << itemTexts({1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
    QTest::addRow("only ferritin")
        << fieldsFrom(strs({"Ferritin=120", "UnitFerritin=ug/L"})) << itemTexts({19});
}

void TestOverview::listing()
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
    if (!listed.isEmpty()) {
        click(list, "OKButton");
        QCOMPARE(gridRows(), overviewRows(fields, *fake));
        QVERIFY(openWindow<FrmList>()); // stays open behind the results
    }
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestOverview::fullSetGivesEveryRow()
{
    ScopedFakeDialogs fake;
    typeIntoDataEntry(exampleFields());
    FillResultGrid();

    // The 22 items in order; items 1, 4 and 14 give three rows each.
    const QStringList names =
        QStringLiteral(
            "Total Cholesterol|HDL Cholesterol|LDL Cholesterol|"
            "Total Cholesterol-to-HDL Cholesterol Ratio|LDL to HDL ratio|"
            "ATP3: Total Cholesterol|ATP3 :HDL Cholesterol|ATP3: LDL Cholesterol|"
            "Amylase Clearance|Creatinine Clearance (GFR)|Fractional Potassium Excretion|"
            "Renal Calcium Clearance|Renal Failure Index|Fractional Sodium Excretion|"
            "Phosphorus Clearance|Urate to Creatinine Ratio|Urinary Potassium Excretion|"
            "Urea to Creatinine Ratio|Creatinine to Creatinine Ratio|Urea to Urea Ratio|"
            "Urine Protein to Creatinine Ratio|AST to ALT ratio|Albumin to Globulin ratio|"
            "Bilirubin to Bilirubin ratio|Ferritin Stores|Transferrin Saturation|"
            "Total Iron Binding Capacity|Transferrin Calculated")
            .split(QLatin1Char('|'));
    const QList<ResultRow> rows = gridRows();
    QCOMPARE(rows, overviewRows(exampleFields(), *fake));
    QCOMPARE(rows.size(), names.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].name, names[i]);
        // Only the ferritin row has no result; only items 7 to 11 no interpretation.
        QCOMPARE(rows[i].result.isEmpty(), i == 24);
        QCOMPARE(rows[i].interpretation.isEmpty(), i >= 10 && i <= 14);
    }
    // Long interpretations wrap into taller rows.
    QVERIFY(openWindow<FrmResult>()->grid()->rowHeight(17) >
            2 * openWindow<FrmResult>()->grid()->rowHeight(0));
    QVERIFY(fake->calls().isEmpty());
}

void TestOverview::passesAppendAndReadTheCurrentFields()
{
    ScopedFakeDialogs fake;
    typeIntoDataEntry(MapFields());
    ListComputableItems();
    // After an empty pass OK stays disabled while the list is open.
    FrmData* data = typeIntoDataEntry(fieldsFrom(Lipids));
    ListComputableItems();
    ListComputableItems();
    QCOMPARE(listTexts(), itemTexts({3, 4, 3, 4}));
    QVERIFY(!openWindow<FrmList>()->okButton()->isEnabled());
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

void TestOverview::lifecycles_data()
{
    QTest::addColumn<QStringList>("clicks"); // window:button
    // The windows open afterwards: frmData with its Chol value and page, frmResult with its rows.
    QTest::addColumn<QString>("open");
    QTest::addRow("Back") << strs({"frmResult:BackButton"}) << "frmData 200 2";
    QTest::addRow("Close") << strs({"frmResult:CloseButton"}) << "";
    QTest::addRow("Cancel on the list")
        << strs({"frmList:CancelButton"}) << "frmData 200 2|frmResult 4";
    // After EXIT the evaluations find frmData in its load state: nothing computable.
    QTest::addRow("EXIT, then OK on the list")
        << strs({"frmData:EXITbutton", "frmList:OKButton"}) << "frmList|frmResult 4";
    QTest::addRow("EXIT, then Back")
        << strs({"frmData:EXITbutton", "frmResult:BackButton"}) << "frmData  1";
}

void TestOverview::lifecycles()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, open);
    ScopedFakeDialogs fake;
    FrmData* data = typeIntoDataEntry(fieldsFrom(Lipids));
    data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
    ListComputableItems();
    FillResultGrid();
    for (const QString& step : clicks) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        click(*std::find_if(windows.begin(), windows.end(),
                            [&](QWidget* w) {
                                return w->isVisible() &&
                                       w->objectName() == step.section(QLatin1Char(':'), 0, 0);
                            }),
              qPrintable(step.section(QLatin1Char(':'), 1)));
    }
    QStringList seen;
    if ((data = openWindow<FrmData>()) && data->isVisible())
        seen << QStringLiteral("frmData %1 %2")
                    .arg(data->form().value(A::Chol))
                    .arg(data->currentFrame());
    if (openWindow<FrmList>())
        seen << QStringLiteral("frmList");
    if (openWindow<FrmResult>())
        seen << QStringLiteral("frmResult %1").arg(gridRows().size());
    QCOMPARE(seen.join(QLatin1Char('|')), open);
}

void TestOverview::tabsAndClear()
{
    FrmData* data = typeIntoDataEntry(exampleFields());
    QTabBar* bar = data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->tabBar();
    auto* blood = data->findChild<QWidget*>(QStringLiteral("Frame1_1"));
    auto* urine = data->findChild<QWidget*>(QStringLiteral("Frame1_2"));
    QCOMPARE(data->currentFrame(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(data->currentFrame(), 2);
    QVERIFY(urine->isVisible() && !blood->isVisible());

    data->setErrors(3);
    click(data, "ClearButton");
    for (const Analyte& a : analytes()) {
        QCOMPARE(data->form().value(a.id), QString());
        QCOMPARE(data->form().unit(a.id), QString());
    }
    QCOMPARE(data->errors(), 0);
    QCOMPARE(data->currentFrame(), 2); // Clear keeps the page
}

void TestOverview::exportFormat()
{
    const QList<ResultRow> rows{
        {QStringLiteral("Ferritin Stores"), QString(),
         QStringLiteral("Serum ferritin level appears normal.")},
        {QStringLiteral("Fractional Potassium Excretion"), QStringLiteral("0.11 "), QString()}};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeExport(buffer, QDate(2026, 12, 6), rows));
    QCOMPARE(buffer.data(), "Quarvex Test Results\r\ngenerated on Dec-06-2026\r\n\r\n\r\n"
                            "Test Item\tResult\tInterpretation\r\n\r\n"
                            "Ferritin Stores\t\tSerum ferritin level appears normal.\r\n"
                            "Fractional Potassium Excretion\t0.11 \t\r\n");
    QVERIFY(exportBytes(QDate(2026, 3, 1), {}, QLocale(QLocale::German, QLocale::Germany))
                .startsWith("Quarvex Test Results\r\ngenerated on M\xc3\xa4rz-01-2026\r\n"));
}

void TestOverview::exportPromptAndCurrentFields()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    const QStringList lipids = strs({"Gender=Female", "Chol=5.2", "UnitChol=mmol/L", "HDL=1.4",
                                     "UnitHDL=mmol/L", "LDL=3.1", "UnitLDL=mmol/L"});
    ScopedFakeDialogs fake;
    const FakeDialogs::Call ask = exportAs(fake, path, fieldsFrom(lipids));
    QCOMPARE(ask.text, QStringLiteral("Enter the name and full path of the file for export.\r\r"
                                      "Note: data will be saved in a tab-delimited format."));
    // A folder, not the relative file name "c:\", is offered.
    QCOMPARE(ask.defaultText, QDir::homePath() + QLatin1Char('/'));
    QCOMPARE(fake->messages()[0].title, QStringLiteral("Test Results Export"));
    QCOMPARE(readFile(path), expectedFor(fieldsFrom(lipids)));

    // A value changed after the grid was filled is used by the next export.
    openWindow<FrmData>()->form().setValue(AnalyteId::LDL, QString());
    fake->answerInputWith(path);
    exportButtonClicked();
    QCOMPARE(readFile(path), expectedFor(fieldsFrom(lipids.mid(0, 5))));
}

void TestOverview::exportOutcomes_data()
{
    QTest::addColumn<QString>("answer"); // %1: a folder holding results.txt, the working folder
    QTest::addColumn<bool>("sizeLimited");
    QTest::addColumn<QString>("box");   // the last box of the trace
    QTest::addColumn<QString>("error"); // within a failure box: the platform's description
    const QString written = QStringLiteral("information:Data export completed succesfully.");
    QTest::addRow("existing file replaced") << "%1/results.txt" << false << written << "";
    QTest::addRow("Cancel writes nothing") << "" << false << "information:Export cancelled by user."
                                           << "";
    QTest::addRow("the default: the home folder") << defaultExportPath() << false << "critical:"
                                                  << "directory";
    QTest::addRow("missing folder") << "%1/missing/results.txt" << false << "critical:"
                                    << "No such file or directory";
    QTest::addRow("write cut short by the file-size limit")
        << "%1/results.txt" << true << "critical:"
        << "File too large";
}

void TestOverview::exportOutcomes()
{
    QFETCH(QString, answer);
    QFETCH(bool, sizeLimited);
    QFETCH(QString, box);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QByteArray old = QByteArray("previous results\r\n").repeated(1000); // longer than new
    const QString existing = dir.filePath(QStringLiteral("results.txt"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    ScopedFakeDialogs fake;
    {
        std::optional<FileSizeLimit> limit; // the full export is some 4 kB
        if (sizeLimited)
            limit.emplace(1024);
        exportAs(fake, answer.replace(QStringLiteral("%1"), dir.path()));
    }
    QDir::setCurrent(previous);

    const QStringList trace = fake->trace();
    QCOMPARE(trace.size(), 3);
    QCOMPARE(trace.mid(0, 2), strs({"input:Export Test Results", "beep"}));
    if (error.isEmpty())
        QCOMPARE(trace[2], box);
    else
        QVERIFY2(trace[2].startsWith(box) && trace[2].contains(error), qPrintable(trace[2]));
    // After a failure the old file is byte for byte as it was; nothing is left beside it.
    const bool replaced = box.startsWith(QStringLiteral("information:Data export"));
    QCOMPARE(readFile(existing), replaced ? expectedFor(exampleFields()) : old);
    QCOMPARE(entries(dir.path()), strs({"results.txt"}));
}

void TestOverview::cliExampleFileGivesTheCoreRows()
{
    const Run run = runCli({QStringLiteral(QUARVEX_EXAMPLE_INPUT)});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expectedFor(exampleFields()));
    QCOMPARE(run.out.count("\r\n"), 6 + 28);                        // all 22 items
    QCOMPARE(runCli({}, exampleInputText().toUtf8()).out, run.out); // the same from stdin
}

void TestOverview::cliOutputFileAndGermanInput()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    const Run run = runCli({QStringLiteral("-o"), path}, "# comment\r\n\r\nAST=42,5\r\nALT=35\r\n",
                           "de_DE.UTF-8");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes, expectedFor(fieldsFrom(strs({"AST=42,5", "ALT=35"})),
                                QLocale(QLocale::German, QLocale::Germany)));
    QVERIFY(bytes.contains("\nAST to ALT ratio\t1,21 \t"));
}

void TestOverview::cliErrorExits_data()
{
    QTest::addColumn<QStringList>("args"); // the output file follows them
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    const QStringList none;
    const QString out = QStringLiteral("o");
    QTest::addRow("unknown name") << none << QByteArray("Age=40\nCreatinine=1\n") << out << 2
                                  << QByteArray("line 2");
    QTest::addRow("name given twice")
        << none << QByteArray("Age=40\n#\nAge=41\n") << out << 2 << QByteArray("line 3");
    QTest::addRow("unknown option")
        << strs({"--bogus"}) << QByteArray() << out << 2 << QByteArray("--bogus");
    const QStringList example{QStringLiteral(QUARVEX_EXAMPLE_INPUT)};
    QTest::addRow("missing output folder") << example << QByteArray() << "missing/out.txt" << 1
                                           << QByteArray("No such file or directory");
    QTest::addRow("disk full") << example << QByteArray() << "/dev/full" << 1
                               << QByteArray("No space left on device");
}

void TestOverview::cliErrorExits()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    if (!output.startsWith(QLatin1Char('/')))
        output = dir.filePath(output);
    const Run run = runCli(args + QStringList{QStringLiteral("-o"), output}, input);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QUARVEX_TEST_MAIN(TestOverview)
#include "tst_overview.moc"
