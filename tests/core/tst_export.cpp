// Saving the export file over an old one, and the date it is generated on.

#include "coretestmain.h"
#include "overview/export.h"
#include "overview/overview.h"
#include "overview/reportdate.h"
#include "testfields.h"

#include <QBuffer>

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

#include <optional>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

namespace {

// Every field of the ferritin item: one row.
MapFields ferritinOnly()
{
    MapFields fields;
    fields.set(AnalyteId::Ferritin, u"120"_s, u"ng/ml"_s);
    return fields;
}

const QByteArray FerritinExport = "Quarvex Test Results\r\ngenerated on Feb-29-2024\r\n\r\n\r\n"
                                  "Test Item\tResult\tInterpretation\r\n\r\n"
                                  "Ferritin Stores\t\tSerum ferritin level appears normal.\r\n";

std::optional<QString> save(const QString& path)
{
    return saveExport(path, QDate(2024, 2, 29), overviewRows(ferritinOnly()));
}

// The commit steps a test can put in place; each counts its calls.
int g_commits = 0;

bool realCommit(QSaveFile& file)
{
    ++g_commits;
    return file.commit();
}

// Gives up instead of renaming, the way a failing rename leaves things: the
// temporary file is removed and the old file is not touched.
bool failingCommit(QSaveFile& file)
{
    ++g_commits;
    file.cancelWriting();
    return file.commit();
}

// Claims the rename failed and leaves the temporary file to QSaveFile.
bool refusingCommit(QSaveFile&)
{
    ++g_commits;
    return false;
}

struct ScopedCommitStep {
    explicit ScopedCommitStep(ExportCommitStep step) { setExportCommitStep(step); }
    ~ScopedCommitStep() { setExportCommitStep(nullptr); }
};

} // namespace

Q_DECLARE_METATYPE(ExportCommitStep)

class TestExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format();
    void replacingAFile_data();
    void replacingAFile();
    void reportDate_data();
    void reportDate();
};

// CR LF after every line, an empty result cell kept, the month in English
// whatever the language (German writes "Feb." and "März").
void TestExport::format()
{
    const QList<ResultRow> rows{
        {u"Ferritin Stores"_s, QString(), u"Serum ferritin level appears normal."_s},
        {u"Fractional Potassium Excretion"_s, u"0.11 "_s, QString()}};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeExport(buffer, QDate(2026, 12, 6), rows));
    QCOMPARE(buffer.data(), "Quarvex Test Results\r\ngenerated on Dec-06-2026\r\n\r\n\r\n"
                            "Test Item\tResult\tInterpretation\r\n\r\n"
                            "Ferritin Stores\t\tSerum ferritin level appears normal.\r\n"
                            "Fractional Potassium Excretion\t0.11 \t\r\n");
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray march = exportBytes(QDate(2026, 3, 1), {});
    const QByteArray february = exportBytes(QDate(2024, 2, 29), {});
    QLocale::setDefault(before);
    QVERIFY(march.startsWith("Quarvex Test Results\r\ngenerated on Mar-01-2026\r\n"));
    QVERIFY(february.startsWith("Quarvex Test Results\r\ngenerated on Feb-29-2024\r\n"));
}

void TestExport::replacingAFile_data()
{
    QTest::addColumn<ExportCommitStep>("commit");
    QTest::addColumn<bool>("oldFile"); // a file is there before
    QTest::addColumn<bool>("replaced");
    QTest::addRow("commit succeeds over an old file") << &realCommit << true << true;
    QTest::addRow("commit succeeds, no old file") << &realCommit << false << true;
    QTest::addRow("commit fails over an old file") << &failingCommit << true << false;
    QTest::addRow("commit fails, no old file") << &failingCommit << false << false;
    QTest::addRow("commit refused, temporary file left") << &refusingCommit << true << false;
}

// Whatever the last step does, the folder holds the old file byte for byte or
// the complete new one, never a mix, never a stray temporary file, and a
// failure is reported.
void TestExport::replacingAFile()
{
    QFETCH(ExportCommitStep, commit);
    QFETCH(bool, oldFile);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"results.txt"_s);
    const QByteArray old = QByteArray("previous results\r\n\0\xff", 20).repeated(500);
    if (oldFile)
        QVERIFY(writeFile(path, old));

    g_commits = 0;
    std::optional<QString> failure;
    {
        ScopedCommitStep step(commit);
        failure = save(path);
    }
    QCOMPARE(g_commits, 1); // the save went through the step
    QCOMPARE(failure.has_value(), !replaced);
    if (failure)
        QVERIFY(!failure->trimmed().isEmpty());
    QCOMPARE(QFile::exists(path), replaced || oldFile);
    QCOMPARE(readFile(path), replaced ? FerritinExport : oldFile ? old : QByteArray());
    const QStringList left =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, replaced || oldFile ? QStringList{u"results.txt"_s} : QStringList());

    // With the real step back in place the same path is written.
    QCOMPARE(save(path), std::nullopt);
    QCOMPARE(readFile(path), FerritinExport);
}

void TestExport::reportDate_data()
{
    QTest::addColumn<QString>("sourceDateEpoch"); // null: not set
    QTest::addColumn<QDate>("day");               // null: today
    QTest::addRow("not set") << QString() << QDate();
    QTest::addRow("empty") << u""_s << QDate();
    QTest::addRow("the epoch") << u"0"_s << QDate(1970, 1, 1);
    QTest::addRow("last second of a leap day") << u"1709251199"_s << QDate(2024, 2, 29);
    QTest::addRow("first second of the next day") << u"1709251200"_s << QDate(2024, 3, 1);
    QTest::addRow("last second of 9999") << u"253402300799"_s << QDate(9999, 12, 31);
    QTest::addRow("beyond 9999") << u"253402300800"_s << QDate();
    QTest::addRow("beyond 64 bits") << u"99999999999999999999999"_s << QDate();
    QTest::addRow("negative") << u"-1"_s << QDate();
    QTest::addRow("trailing letters") << u"1709251199s"_s << QDate();
}

void TestExport::reportDate()
{
    QFETCH(QString, sourceDateEpoch);
    QFETCH(QDate, day);
    const QDate today = QDate::currentDate();
    const QDate found = quarvex::reportDate(sourceDateEpoch);
    // Midnight may pass between the two readings of today.
    if (day.isNull())
        QVERIFY2(found == today || found == QDate::currentDate(), qPrintable(found.toString()));
    else
        QCOMPARE(found, day);

    // The program reads the environment variable.
    const ScopedEnvironment epoch("SOURCE_DATE_EPOCH", sourceDateEpoch.toUtf8());
    if (!day.isNull())
        QCOMPARE(quarvex::reportDate(), day);
}

QUARVEX_CORE_TEST_MAIN(TestExport)
#include "tst_export.moc"
