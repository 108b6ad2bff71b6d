#include "fakedialogs.h"
#include "overview/export.h"
#include "overview/overviewmodule.h"
#include "overviewfixture.h"
#include "testmain.h"

#include <QBuffer>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace quarvex;
using namespace quarvex::test;

namespace {

ResultRow row(const char* name, const char* result, const char* interpretation)
{
    return {QString::fromUtf8(name), QString::fromUtf8(result), QString::fromUtf8(interpretation)};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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
    ListComputableItems();
    FillResultGrid();
    fake->clear();
    fake->answerInputWith(answer);
    QTest::mouseClick(
        openWindow<FrmResult>()->findChild<QPushButton*>(QStringLiteral("ExportButton")),
        Qt::LeftButton);
    return fake->calls().value(0);
}

QByteArray exportToday(const Fields& fields)
{
    FakeDialogs quiet;
    return exportBytes(QDate::currentDate(), overviewRows(fields, quiet));
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

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { closeOverviewWindows(); }

    void bytes_data();
    void bytes();
    void germanNumbersAndDate();
    void exportReplacesTheFileWithTheCurrentFields();
    void cancelWritesNothing();
    void failuresLeaveTheOldFile_data();
    void failuresLeaveTheOldFile();
};

void TestExport::bytes_data()
{
    QTest::addColumn<QList<ResultRow>>("rows");
    QTest::addColumn<QByteArray>("body");
    QTest::addRow("no rows") << QList<ResultRow>() << QByteArray();
    QTest::addRow("amylase")
        << QList<ResultRow>{row("Amylase Clearance", "3.20 %",
                                "Amylase Clearance -to- Creatinine Clearance appear normal.")}
        << QByteArray("Amylase Clearance\t3.20 %\tAmylase Clearance -to- Creatinine Clearance "
                      "appear normal.\r\n");
    QTest::addRow("empty cells keep their tabs")
        << QList<ResultRow>{row("Ferritin Stores", "", "Serum ferritin level appears normal."),
                            row("Fractional Potassium Excretion", "0.11 ", "")}
        << QByteArray("Ferritin Stores\t\tSerum ferritin level appears normal.\r\n"
                      "Fractional Potassium Excretion\t0.11 \t\r\n");
}

void TestExport::bytes()
{
    QFETCH(QList<ResultRow>, rows);
    QFETCH(QByteArray, body);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeExport(buffer, QDate(2026, 12, 6), rows));
    QCOMPARE(buffer.data(), "Quarvex Test Results\r\ngenerated on Dec-06-2026\r\n\r\n\r\n"
                            "Test Item\tResult\tInterpretation\r\n\r\n" +
                                body);
}

void TestExport::germanNumbersAndDate()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScopedFakeDialogs fake;
    // Decimal commas read; "4.2" is no German number and is reported.
    const QList<ResultRow> rows =
        overviewRows(fieldsFrom(strs({"AST=42,5", "ALT=35", "Albumin=4.2", "UnitAlbumin=g/dL",
                                      "Globulin=2,8", "UnitGlobulin=g/dL"})),
                     *fake);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].result, QStringLiteral("1,21 "));
    QCOMPARE(fake->messages().size(), 1);
    const QByteArray bytes = exportBytes(QDate(2026, 3, 1), rows);
    QVERIFY(bytes.startsWith("Quarvex Test Results\r\ngenerated on M\xc3\xa4rz-01-2026\r\n"));
    QVERIFY(
        bytes.endsWith("\r\nAST to ALT ratio\t1,21 \t" + rows[0].interpretation.toUtf8() + "\r\n"));
}

void TestExport::exportReplacesTheFileWithTheCurrentFields()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    writeFile(path, QByteArray(20000, 'x'));
    const QStringList lipids = strs({"Gender=Female", "Chol=5.2", "UnitChol=mmol/L", "HDL=1.4",
                                     "UnitHDL=mmol/L", "LDL=3.1", "UnitLDL=mmol/L"});
    ScopedFakeDialogs fake;
    const FakeDialogs::Call ask = exportAs(fake, path, fieldsFrom(lipids));
    QCOMPARE(ask.text, QStringLiteral("Enter the name and full path of the file for export.\r\r"
                                      "Note: data will be saved in a tab-delimited format."));
    QCOMPARE(ask.title, QStringLiteral("Export Test Results"));
    QCOMPARE(ask.defaultText, QDir::homePath() + QLatin1Char('/'));
    QCOMPARE(fake->trace(), strs({"input:Export Test Results", "beep",
                                  "information:Data export completed succesfully."}));
    QCOMPARE(fake->messages()[0].title, QStringLiteral("Test Results Export"));
    // Items 1 to 4: three, one, one and three rows.
    QCOMPARE(readFile(path), exportToday(fieldsFrom(lipids)));
    QCOMPARE(readFile(path).count("\r\n"), 6 + 8);

    // A value changed after the grid was filled is used by the next export.
    openWindow<FrmData>()->form().setValue(AnalyteId::LDL, QString());
    fake->answerInputWith(path);
    exportButtonClicked();
    QCOMPARE(readFile(path), exportToday(fieldsFrom(lipids.mid(0, 5))));
    QCOMPARE(openWindow<FrmResult>()->grid()->rowCount(), 8);
    QCOMPARE(entries(dir.path()), strs({"results.txt"}));

    // With frmData closed the export finds every field empty.
    closeWindow<FrmData>();
    fake->answerInputWith(path);
    exportButtonClicked();
    QCOMPARE(readFile(path), exportToday(MapFields()));
}

void TestExport::cancelWritesNothing()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    ScopedFakeDialogs fake;
    exportAs(fake, QString());
    QDir::setCurrent(previous);
    QCOMPARE(fake->trace(),
             strs({"input:Export Test Results", "beep", "information:Export cancelled by user."}));
    QCOMPARE(fake->messages()[0].title, QStringLiteral("Export Test Results"));
    QVERIFY(entries(dir.path()).isEmpty());
}

void TestExport::failuresLeaveTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error"); // within the platform's description
    QTest::addRow("the default: the home folder") << "home"
                                                  << "directory";
    QTest::addRow("missing folder") << "missing"
                                    << "No such file or directory";
    QTest::addRow("path under a regular file") << "underfile"
                                               << "Not a directory";
    QTest::addRow("read-only folder") << "readonly"
                                      << "Permission denied";
    QTest::addRow("disk full") << "/dev/full"
                               << "No space left on device";
    QTest::addRow("write cut short") << "toobig"
                                     << "File too large";
}

void TestExport::failuresLeaveTheOldFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QByteArray old = "previous results\r\n";
    const QString existing = dir.filePath(QStringLiteral("results.txt"));
    writeFile(existing, old);

    QString path = existing;
    if (kind == QLatin1String("home"))
        path = defaultExportPath();
    else if (kind == QLatin1String("missing"))
        path = dir.filePath(QStringLiteral("missing/results.txt"));
    else if (kind == QLatin1String("underfile"))
        path = existing + QStringLiteral("/results.txt");
    else if (kind.startsWith(QLatin1Char('/')))
        path = kind;
    if (kind == QLatin1String("readonly")) {
        if (geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
    if (kind == QLatin1String("/dev/full") && QFileInfo(kind).isFile())
        QSKIP("no /dev/full device");

    ScopedFakeDialogs fake;
    {
        // The full export is some 4 kB.
        std::optional<FileSizeLimit> limit;
        if (kind == QLatin1String("toobig"))
            limit.emplace(1024);
        exportAs(fake, path);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QStringList trace = fake->trace();
    QCOMPARE(trace.size(), 3);
    QCOMPARE(trace.mid(0, 2), strs({"input:Export Test Results", "beep"}));
    QVERIFY2(trace[2].startsWith(QStringLiteral("critical:")) && trace[2].contains(error),
             qPrintable(trace[2]));
    QCOMPARE(fake->messages()[0].title, QStringLiteral("Quarvex"));
    // The old file is byte for byte as it was, and nothing was left beside it.
    QCOMPARE(readFile(existing), old);
    QCOMPARE(entries(dir.path()), strs({"results.txt"}));
    QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile()); // a device stays a device
}

QUARVEX_TEST_MAIN(TestExport)
#include "tst_export.moc"
