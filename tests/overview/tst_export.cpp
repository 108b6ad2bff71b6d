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

using namespace quarvex;
using namespace quarvex::test;

namespace {

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
    void cleanup() { closeOverviewWindows(); }

    void bytes();
    void promptAndCurrentFields();
    void outcomes_data();
    void outcomes();
};

void TestExport::bytes()
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

void TestExport::promptAndCurrentFields()
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
    QCOMPARE(readFile(path), exportToday(fieldsFrom(lipids)));

    // A value changed after the grid was filled is used by the next export.
    openWindow<FrmData>()->form().setValue(AnalyteId::LDL, QString());
    fake->answerInputWith(path);
    exportButtonClicked();
    QCOMPARE(readFile(path), exportToday(fieldsFrom(lipids.mid(0, 5))));
}

void TestExport::outcomes_data()
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
    QTest::addRow("write cut short (disk full)") << "%1/results.txt" << true << "critical:"
                                                 << "File too large";
}

void TestExport::outcomes()
{
    QFETCH(QString, answer);
    QFETCH(bool, sizeLimited);
    QFETCH(QString, box);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QByteArray old = "previous results\r\n";
    const QString existing = dir.filePath(QStringLiteral("results.txt"));
    writeFile(existing, old);
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
    QCOMPARE(readFile(existing), replaced ? exportToday(exampleFields()) : old);
    QCOMPARE(entries(dir.path()), strs({"results.txt"}));
}

QUARVEX_TEST_MAIN(TestExport)
#include "tst_export.moc"
