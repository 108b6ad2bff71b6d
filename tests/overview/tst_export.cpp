#include "app/windows.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/export.h"
#include "overview/frmdata.h"
#include "overview/frmresult.h"
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

ResultRow row(const char* name, const char* result, const char* interpretation) {
    return {QString::fromUtf8(name), QString::fromUtf8(result), QString::fromUtf8(interpretation)};
}

const QByteArray Header = "Quarvex Test Results\r\n"
                          "generated on Dec-06-2026\r\n"
                          "\r\n"
                          "\r\n"
                          "Test Item\tResult\tInterpretation\r\n"
                          "\r\n";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The export that the fields give today.
QByteArray expectedExport(const Fields& fields) {
    FakeDialogs quiet;
    return exportBytes(QDate::currentDate(), overviewRows(fields, quiet));
}

void pressExport() {
    QTest::mouseClick(
        openWindow<FrmResult>()->findChild<QPushButton*>(QStringLiteral("ExportButton")),
        Qt::LeftButton);
}

const QStringList Lipids = strs({"Gender=Female", "Chol=5.2", "UnitChol=mmol/L", "HDL=1.4",
                                 "UnitHDL=mmol/L", "LDL=3.1", "UnitLDL=mmol/L"});

// Writes beyond this many bytes fail (EFBIG) while the object lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { closeOverviewWindows(); }

    void bytes_data();
    void bytes();
    void dateFollowsTheLocale_data();
    void dateFollowsTheLocale();
    void germanNumbersReadAndWritten();
    void exportWritesTheCurrentFields();
    void existingFileReplaced();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void failures_data();
    void failures();
    void diskFullOnADevice();
    void closedDataEntryExportsTheHeaderOnly();
};

void TestExport::bytes_data() {
    QTest::addColumn<QList<ResultRow>>("rows");
    QTest::addColumn<QByteArray>("body");

    QTest::addRow("no rows") << QList<ResultRow>() << QByteArray();
    QTest::addRow("amylase row")
        << QList<ResultRow>{row("Amylase Clearance", "3.20 %",
                                "Amylase Clearance -to- Creatinine Clearance appear normal.")}
        << QByteArray("Amylase Clearance\t3.20 %\tAmylase Clearance -to- Creatinine "
                      "Clearance appear normal.\r\n");
    QTest::addRow("empty result and empty interpretation kept")
        << QList<ResultRow>{row("Ferritin Stores", "", "Serum ferritin level appears normal."),
                            row("Fractional Potassium Excretion", "0.11 ", ""), row("", "", "")}
        << QByteArray("Ferritin Stores\t\tSerum ferritin level appears normal.\r\n"
                      "Fractional Potassium Excretion\t0.11 \t\r\n"
                      "\t\t\r\n");
}

void TestExport::bytes() {
    QFETCH(QList<ResultRow>, rows);
    QFETCH(QByteArray, body);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(writeExport(buffer, QDate(2026, 12, 6), rows));
    QCOMPARE(buffer.data(), Header + body);
    // Every row line holds exactly two tabs.
    const QList<QByteArray> lines = buffer.data().split('\n');
    for (qsizetype i = 6; i + 1 < lines.size(); ++i)
        QCOMPARE(lines.at(i).count('\t'), 2);
}

void TestExport::dateFollowsTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::addRow("English December")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(2026, 12, 6) << "Dec-06-2026";
    QTest::addRow("English May") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 << QDate(2027, 5, 31) << "May-31-2027";
    QTest::addRow("German March") << QLocale(QLocale::German, QLocale::Germany) << QDate(2026, 3, 1)
                                  << "M\u00e4rz-01-2026";
}

void TestExport::dateFollowsTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(exportDate(date, locale), text);
    const QByteArray bytes = exportBytes(date, {}, locale);
    QCOMPARE(bytes.split('\n').at(1),
             (QStringLiteral("generated on ") + text + QLatin1Char('\r')).toUtf8());
}

void TestExport::germanNumbersReadAndWritten() {
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    ScopedFakeDialogs fake;
    // Decimal commas read; a decimal point in German is a group separator and fails.
    const MapFields fields = fieldsFrom({"AST=42,5", "ALT=35", "Albumin=4.2", "UnitAlbumin=g/dL",
                                         "Globulin=2,8", "UnitGlobulin=g/dL"});
    const QList<ResultRow> rows = overviewRows(fields, *fake);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).result, QStringLiteral("1,21 "));
    QCOMPARE(fake->messages().size(), 1); // Albumin "4.2"
    const QByteArray bytes = exportBytes(QDate(2026, 12, 6), rows);
    QVERIFY(bytes.contains("generated on Dez.-06-2026\r\n"));
    QVERIFY(
        bytes.endsWith("AST to ALT ratio\t1,21 \t" + rows.at(0).interpretation.toUtf8() + "\r\n"));
}

void TestExport::exportWritesTheCurrentFields() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    ScopedFakeDialogs fake;
    ModalGuard guard;
    typeIntoDataEntry(fieldsFrom(Lipids));
    ListComputableItems();
    FillResultGrid();
    // Changed after the grid was filled: the export evaluates again.
    openWindow<FrmData>()->form().setValue(AnalyteId::LDL, QString());
    fake->clear();
    fake->answerInputWith(path);
    pressExport();

    const FakeDialogs::Call& ask = fake->calls().at(0);
    QCOMPARE(ask.kind, FakeDialogs::Kind::Input);
    QCOMPARE(ask.text, QStringLiteral("Enter the name and full path of the file for export.\r\r"
                                      "Note: data will be saved in a tab-delimited format."));
    QCOMPARE(ask.title, QStringLiteral("Export Test Results"));
    QCOMPARE(ask.defaultText, QDir::homePath() + QLatin1Char('/'));
    QCOMPARE(fake->trace(), (strs({"input:Export Test Results", "beep",
                                   "information:Data export completed succesfully."})));
    QCOMPARE(fake->messages().at(0).title, QStringLiteral("Test Results Export"));

    const QByteArray written = readFile(path);
    QCOMPARE(written, expectedExport(fieldsFrom(Lipids.mid(0, 5))));
    QCOMPARE(written.count('\n'), 6 + 1);                     // item 2 only: LDL was cleared
    QCOMPARE(openWindow<FrmResult>()->grid()->rowCount(), 8); // the grid stays as it was
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), strs({"results.txt"}));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestExport::existingFileReplaced() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    writeFile(path, QByteArray(20000, 'x'));
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(Lipids));
    ListComputableItems();
    FillResultGrid();
    fake->answerInputWith(path);
    pressExport();
    QCOMPARE(readFile(path), expectedExport(fieldsFrom(Lipids)));
    // Three, one, one and three rows of items 1 to 4.
    QCOMPARE(readFile(path).count('\n'), 6 + 8);
}

void TestExport::cancelWritesNothing_data() {
    QTest::addColumn<QString>("answer");
    QTest::addRow("cancel") << QString();
    QTest::addRow("empty name") << QStringLiteral("");
}

void TestExport::cancelWritesNothing() {
    QFETCH(QString, answer);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
    ScopedFakeDialogs fake;
    typeIntoDataEntry(fieldsFrom(Lipids));
    ListComputableItems();
    FillResultGrid();
    fake->clear();
    fake->answerInputWith(answer);
    pressExport();
    QCOMPARE(fake->trace(), (strs({"input:Export Test Results", "beep",
                                   "information:Export cancelled by user."})));
    QCOMPARE(fake->messages().at(0).title, QStringLiteral("Export Test Results"));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestExport::failures_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error"); // part of the platform's description
    QTest::addRow("the default home folder") << "home"
                                             << "directory";
    QTest::addRow("a folder of the target's name") << "folder"
                                                   << "directory";
    QTest::addRow("missing folder") << "missing"
                                    << "No such file or directory";
    QTest::addRow("path under a regular file") << "underfile"
                                               << "Not a directory";
    QTest::addRow("read-only folder") << "readonly"
                                      << "ermission denied";
    QTest::addRow("write fails halfway") << "toobig"
                                         << "File too large";
}

void TestExport::failures() {
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QByteArray old = "previous results\r\n";
    const QString existing = dir.filePath(QStringLiteral("results.txt"));
    writeFile(existing, old);

    QString path = existing;
    if (kind == QLatin1String("home")) {
        path = defaultExportPath();
    } else if (kind == QLatin1String("folder")) {
        path = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    } else if (kind == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("missing/results.txt"));
    } else if (kind == QLatin1String("underfile")) {
        path = existing + QStringLiteral("/results.txt");
    } else if (kind == QLatin1String("readonly")) {
        if (geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    }

    ScopedFakeDialogs fake;
    typeIntoDataEntry(exampleFields());
    ListComputableItems();
    FillResultGrid();
    fake->clear();
    fake->answerInputWith(path);
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    {
        // The full export is some 4 kB; the old file is far smaller.
        std::optional<FileSizeLimit> limit;
        if (kind == QLatin1String("toobig"))
            limit.emplace(1024);
        pressExport();
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QStringList trace = fake->trace();
    QCOMPARE(trace.size(), 3);
    QCOMPARE(trace.at(0), QStringLiteral("input:Export Test Results"));
    QCOMPARE(trace.at(1), QStringLiteral("beep"));
    QVERIFY2(trace.at(2).startsWith(QStringLiteral("critical:")), qPrintable(trace.at(2)));
    QVERIFY2(trace.at(2).contains(error), qPrintable(trace.at(2)));
    QVERIFY(trace.at(2).size() > int(qstrlen("critical:")));
    QCOMPARE(fake->messages().at(0).title, QStringLiteral("Quarvex"));

    // The old file is as it was and nothing else was left behind.
    QCOMPARE(readFile(existing), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             before);
}

void TestExport::diskFullOnADevice() {
    if (!QFileInfo(QStringLiteral("/dev/full")).exists() ||
        QFileInfo(QStringLiteral("/dev/full")).isFile())
        QSKIP("no /dev/full device");
    ScopedFakeDialogs fake;
    typeIntoDataEntry(exampleFields());
    ListComputableItems();
    FillResultGrid();
    fake->clear();
    fake->answerInputWith(QStringLiteral("/dev/full"));
    pressExport();
    QCOMPARE(fake->trace(),
             (strs({"input:Export Test Results", "beep", "critical:No space left on device"})));
    // Written in place: the device is still a device.
    QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
}

void TestExport::closedDataEntryExportsTheHeaderOnly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.txt"));
    ScopedFakeDialogs fake;
    typeIntoDataEntry(exampleFields());
    ListComputableItems();
    FillResultGrid();
    closeWindow<FrmData>();
    fake->answerInputWith(path);
    pressExport();
    QCOMPARE(readFile(path), exportBytes(QDate::currentDate(), {}));
}

QUARVEX_TEST_MAIN(TestExport)
#include "tst_export.moc"
