#include "app/navigation.h"
#include "app/windows.h"
#include "cases/cliinput.h"
#include "fakedialogs.h"
#include "modalguard.h"
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
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace quarvex;
using namespace quarvex::test;
using A = AnalyteId;

Q_DECLARE_METATYPE(quarvex::MapFields)

namespace {

// "a|b" -> {"a", "b"}
QStringList strs(const char* texts)
{
    return QString::fromUtf8(texts).split(QLatin1Char('|'));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Fields from "Name=text" lines, the quarvex-cli input format.
MapFields fieldsFrom(const QByteArray& lines)
{
    CliInput input;
    if (const auto error = parseCliInput(QString::fromUtf8(lines), input))
        qFatal("bad test input on line %d", error->line);
    return input.fields;
}

// The example input file: a full, valid set of fields.
MapFields exampleFields()
{
    return fieldsFrom(readFile(QStringLiteral(QUARVEX_EXAMPLE_INPUT)));
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
    for (QListWidget* list = openWindow<FrmList>()->list(); texts.size() < list->count();)
        texts << list->item(texts.size())->text();
    return texts;
}

QList<ResultRow> gridRows()
{
    QList<ResultRow> rows;
    for (auto* grid = openWindow<FrmResult>()->grid(); rows.size() < grid->rowCount();)
        rows << grid->row(rows.size());
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
    return exportBytes(QDate::currentDate(), overviewRows(fields, locale), locale);
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
    void passAnnouncesEachItemsFindings_data();
    void passAnnouncesEachItemsFindings();
    void lifecycles_data();
    void lifecycles();
    void tabsAndClear();
    void exportFormat();
    void exportOutcomes_data();
    void exportOutcomes();
    void cli_data();
    void cli();
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
        << fieldsFrom("Ferritin=120\nUnitFerritin=ug/L") << itemTexts({19});
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
        QCOMPARE(gridRows(), overviewRows(fields));
        QVERIFY(openWindow<FrmList>()); // stays open behind the results
    }
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestOverview::fullSetGivesEveryRow()
{
    ScopedFakeDialogs fake;
    typeIntoDataEntry(exampleFields());
    FillResultGrid();
    const QList<ResultRow> rows = gridRows();
    QCOMPARE(rows, overviewRows(exampleFields()));

    // 28 rows for the 22 items: items 1, 4 and 14 give three rows each.
    QCOMPARE(rows.size(), 28);
    QStringList names;
    for (int i : {0, 1, 2, 5, 6, 7, 17, 18, 19})
        names << rows[i].name;
    QCOMPARE(names, strs("Total Cholesterol|HDL Cholesterol|LDL Cholesterol|"
                         "ATP3: Total Cholesterol|ATP3 :HDL Cholesterol|ATP3: LDL Cholesterol|"
                         "Urea to Creatinine Ratio|Creatinine to Creatinine Ratio|"
                         "Urea to Urea Ratio"));
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

// Each item announces the findings of its own checks, in item order, so a
// value that cannot be read shows its box once for every item that needs it.
void TestOverview::passAnnouncesEachItemsFindings_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("creatinine");
    QTest::addColumn<QString>("box");
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::addRow("letters")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QByteArray("abc")
        << "critical:Serum creatinine: \"abc\" is not a number. Type a number such as 1.2.";
    QTest::addRow("German: a point is no decimal separator")
        << german << QByteArray("1.5")
        << "critical:Serum creatinine: \"1.5\" is not a number. Type a number such as 1,2.";
    QTest::addRow("too large")
        << german << QByteArray("40000")
        << "critical:Serum creatinine: 40000 is too large (the largest value accepted is 32767).";
}

void TestOverview::passAnnouncesEachItemsFindings()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, creatinine);
    QFETCH(QString, box);
    ScopedFakeDialogs fake;
    // Serum urea without its unit beeps; the other empty fields are silent.
    FrmData* data = typeIntoDataEntry(
        fieldsFrom("SerumCreatinine=" + creatinine + "\nUnitSerumCreatinine=mg/dL\nSerumUrea=12"));
    QLocale::setDefault(locale);
    ListComputableItems();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Items 5 to 10, 12 and 14 check serum creatinine; item 14 then serum urea.
    QStringList expected;
    for (int i = 0; i < 8; ++i)
        expected << QStringLiteral("beep") << box;
    expected << QStringLiteral("beep");
    QCOMPARE(fake->trace(), expected);
    QCOMPARE(listTexts(), QStringList());
    QCOMPARE(data->errors(), 1); // the last item's count: TIBC is empty
}

void TestOverview::lifecycles_data()
{
    QTest::addColumn<QStringList>("clicks"); // window:button
    // The windows open afterwards: frmData with its Chol value and page, frmResult with its rows.
    QTest::addColumn<QString>("open");
    QTest::addRow("Back") << strs("frmResult:BackButton") << "frmData 200 2";
    QTest::addRow("Close") << strs("frmResult:CloseButton") << "";
    QTest::addRow("Cancel on the list")
        << strs("frmList:CancelButton") << "frmData 200 2|frmResult 4";
    // After EXIT the evaluations find frmData in its load state: nothing computable.
    QTest::addRow("EXIT, then OK on the list")
        << strs("frmData:EXITbutton|frmList:OKButton") << "frmList|frmResult 4";
    QTest::addRow("EXIT, then Back")
        << strs("frmData:EXITbutton|frmResult:BackButton") << "frmData  1";
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
    QCOMPARE(data->currentFrame(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(data->currentFrame(), 2);
    QVERIFY(data->findChild<QWidget*>(QStringLiteral("Frame1_2"))->isVisible());
    QVERIFY(!data->findChild<QWidget*>(QStringLiteral("Frame1_1"))->isVisible());

    data->setErrors(3);
    click(data, "ClearButton");
    for (const Analyte& a : analytes())
        QCOMPARE(data->form().value(a.id) + data->form().unit(a.id), QString());
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

void TestOverview::exportOutcomes_data()
{
    QTest::addColumn<QString>("answer"); // %1: a folder holding results.txt, the working folder
    QTest::addColumn<bool>("sizeLimited");
    // The last box as "title - trace", a pattern: failures carry the platform's description.
    QTest::addColumn<QString>("box");
    QTest::addRow("existing file replaced")
        << "%1/results.txt" << false
        << "Test Results Export - information:Data export completed succesfully\\.";
    QTest::addRow("Cancel writes nothing")
        << "" << false << "Export Test Results - information:Export cancelled by user\\.";
    QTest::addRow("the default: the home folder")
        << defaultExportPath() << false << "Quarvex - critical:.*directory.*";
    QTest::addRow("missing folder")
        << "%1/missing/results.txt" << false << "Quarvex - critical:.*No such file or directory.*";
    QTest::addRow("write cut short by the file-size limit")
        << "%1/results.txt" << true << "Quarvex - critical:.*File too large.*";
}

void TestOverview::exportOutcomes()
{
    QFETCH(QString, answer);
    QFETCH(bool, sizeLimited);
    QFETCH(QString, box);
    QTemporaryDir dir;
    const QByteArray old = QByteArray("previous results\r\n").repeated(1000); // longer than new
    const QString existing = dir.filePath(QStringLiteral("results.txt"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    ScopedFakeDialogs fake;
    FrmData* data = typeIntoDataEntry(exampleFields());
    FillResultGrid();
    // LDL cleared after the grid was filled: the export reads the fields anew.
    data->form().setValue(A::LDL, QString());
    fake->clear();
    fake->answerInputWith(answer.replace(QStringLiteral("%1"), dir.path()));
    {
        std::optional<FileSizeLimit> limit; // the full export is some 4 kB
        if (sizeLimited)
            limit.emplace(1024);
        click(openWindow<FrmResult>(), "ExportButton");
    }
    QDir::setCurrent(previous);

    const QStringList trace = fake->trace();
    QCOMPARE(trace.size(), 3);
    QCOMPARE(trace.mid(0, 2), strs("input:Export Test Results|beep"));
    const QString shown = fake->calls()[2].title + QStringLiteral(" - ") + trace[2];
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(box),
                                     QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(pattern.match(shown).hasMatch(), qPrintable(shown));
    QCOMPARE(fake->calls()[0].text, QStringLiteral("Enter the name and full path of the file for "
                                                   "export.\r\rNote: data will be saved in a "
                                                   "tab-delimited format."));
    // A folder, not the relative file name "c:\", is offered.
    QCOMPARE(fake->calls()[0].defaultText, QDir::homePath() + QLatin1Char('/'));
    // After a failure the old file is byte for byte as it was; nothing is left beside it.
    MapFields noLdl = exampleFields();
    noLdl.setValue(A::LDL, QString());
    QCOMPARE(readFile(existing), box.startsWith(QStringLiteral("Test")) ? expectedFor(noLdl) : old);
    QCOMPARE(entries(dir.path()), strs("results.txt"));
}

void TestOverview::cli_data()
{
    QTest::addColumn<QStringList>("args"); // %1: an empty folder
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("written"); // to %1/out with -o, else to standard output
    QTest::addColumn<QByteArray>("message"); // on standard error
    const QString example = QStringLiteral(QUARVEX_EXAMPLE_INPUT);
    const QByteArray en = "en_US.UTF-8";
    const QByteArray rows = expectedFor(exampleFields());
    const QStringList toOut = strs("-o|%1/out");
    QTest::addRow("example file: the core's rows")
        << QStringList{example} << QByteArray() << en << 0 << rows << QByteArray();
    QTest::addRow("the same from stdin")
        << QStringList() << readFile(example) << en << 0 << rows << QByteArray();
    QTest::addRow("German, with comment, blank line, CRLF, to a file")
        << toOut << QByteArray("# comment\r\n\r\nAST=42,5\r\nALT=35\r\n")
        << QByteArray("de_DE.UTF-8") << 0
        << expectedFor(fieldsFrom("AST=42,5\nALT=35"), QLocale(QLocale::German, QLocale::Germany))
        << QByteArray();
    QTest::addRow("unknown name") << toOut << QByteArray("Age=40\nCreatinine=1\n") << en << 2
                                  << QByteArray() << QByteArray("line 2");
    QTest::addRow("name given twice") << toOut << QByteArray("Age=40\n#\nAge=41\n") << en << 2
                                      << QByteArray() << QByteArray("line 3");
    QTest::addRow("line without =") << toOut << QByteArray("Age=40\nWeight 70\n") << en << 2
                                    << QByteArray() << QByteArray("line 2");
    QTest::addRow("missing output folder")
        << QStringList{example} + strs("-o|%1/missing/out") << QByteArray() << en << 1
        << QByteArray() << QByteArray("No such file or directory");
    QTest::addRow("disk full") << QStringList{example} + strs("-o|/dev/full") << QByteArray() << en
                               << 1 << QByteArray() << QByteArray("No space left on device");
}

void TestOverview::cli()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, locale);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    qputenv("LC_ALL", locale);
    qputenv("LANG", locale);
    QProcess cli;
    cli.start(QStringLiteral(QUARVEX_CLI), args.replaceInStrings(QStringLiteral("%1"), dir.path()));
    cli.write(input);
    cli.closeWriteChannel();
    QVERIFY(cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), exitCode);
    const QByteArray out = cli.readAllStandardOutput(), err = cli.readAllStandardError();
    QVERIFY2(message.isEmpty() ? err.isEmpty() : err.contains(message), err.constData());
    const bool toFile = args.contains(QStringLiteral("-o"));
    QCOMPARE(toFile ? readFile(dir.filePath(QStringLiteral("out"))) : out, written);
    QCOMPARE(out.isEmpty(), toFile || exitCode != 0);
    // A failure leaves nothing behind.
    QCOMPARE(entries(dir.path()).isEmpty(), !toFile || exitCode != 0);
}

QUARVEX_TEST_MAIN(TestOverview)
#include "tst_overview.moc"
