// The worksheet dialog: its controls, and the PDF it writes read back with
// pdftotext against quarvex-cli --worksheet for the same settings.

#include "calc/items.h"
#include "fakedialogs.h"
#include "practice/itemkeys.h"
#include "practice/worksheet.h"
#include "testmain.h"
#include "worksheet/frmworksheet.h"
#include "worksheet/worksheetdialog.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>

#include <cmath>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

namespace {

QString pdfText(const QString& path)
{
    QProcess tool;
    tool.start(u"pdftotext"_s, {u"-raw"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        qFatal("pdftotext failed (run scripts/setup to install poppler-utils)");
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

int pdfPages(const QString& path)
{
    QProcess tool;
    tool.start(u"pdfinfo"_s, {path});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("pdfinfo failed (run scripts/setup to install poppler-utils)");
    return QRegularExpression(u"Pages:\\s+(\\d+)"_s)
        .match(QString::fromUtf8(tool.readAllStandardOutput()))
        .captured(1)
        .toInt();
}

QJsonObject cliWorksheet(const WorksheetSettings& s, const QString& locale)
{
    QStringList items;
    for (ItemId id : s.items)
        items << itemKey(id);
    QProcess cli;
    cli.start(QString::fromUtf8(QUARVEX_CLI),
              {u"--worksheet"_s, u"--items"_s, items.join(u','), u"--count"_s,
               QString::number(s.count), u"--versions"_s, QString::number(s.versions), u"--seed"_s,
               QString::number(s.seed), u"--level"_s, QString::number(s.level), u"--title"_s,
               s.title, u"--locale"_s, locale});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        qFatal("quarvex-cli --worksheet failed");
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

// The numbers of a text, read in the locale (group separators allowed).
QList<double> numbersIn(const QString& text, const QLocale& locale)
{
    QList<double> out;
    const QString digits = u"[0-9][0-9"_s + QRegularExpression::escape(locale.groupSeparator()) +
                           QRegularExpression::escape(locale.decimalPoint()) + u"]*"_s;
    auto it = QRegularExpression(digits).globalMatch(text);
    while (it.hasNext()) {
        QString n = it.next().captured();
        n.remove(locale.groupSeparator());
        while (n.endsWith(locale.decimalPoint()))
            n.chop(1);
        bool ok = false;
        const double v = locale.toDouble(n, &ok);
        if (ok)
            out << v;
    }
    return out;
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setDialogs(&m_fake); }
    void cleanupTestCase() { setDialogs(nullptr); }
    void init()
    {
        m_fake.clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void controlsAreNamed();
    void nothingChosen();
    void pdfMatchesCli_data();
    void pdfMatchesCli();
    void keyApart();

private:
    FakeDialogs m_fake;
};

// Every control has an object name and an accessible name; the item
// preselected is checked.
void TestWorksheet::controlsAreNamed()
{
    WorksheetDialog* dialog = showWorksheetDialog(nullptr, ItemId::TibcCalculated);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->objectName(), u"frmWorksheet"_s);
    QCOMPARE(dialog->settings().items, QList<ItemId>{ItemId::TibcCalculated});
    const auto controls = dialog->findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* w : controls) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->parentWidget() != dialog)
            continue;
        if (w->inherits("QLineEdit") && w->parentWidget()->inherits("QAbstractSpinBox"))
            continue;
        ++checked;
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY(checked >= 9);
    auto* list = dialog->findChild<QListWidget*>(u"ItemList"_s);
    QCOMPARE(list->count(), ItemCount);
    dialog->close();
}

// Without an item, printing and saving only say what is missing.
void TestWorksheet::nothingChosen()
{
    WorksheetDialog dialog(m_fake, std::nullopt);
    dialog.saveAsPdf();
    dialog.print();
    QCOMPARE(m_fake.trace(),
             (QStringList{u"beep"_s, u"warning:Choose at least one item for the worksheet."_s,
                          u"beep"_s, u"warning:Choose at least one item for the worksheet."_s}));
}

void TestWorksheet::pdfMatchesCli_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << u"en_US"_s;
    QTest::newRow("German") << u"de_DE"_s;
}

// Each version's cases, in order, and the key's answers of each version read
// back from the PDF are those --worksheet writes for the same settings.
void TestWorksheet::pdfMatchesCli()
{
    QFETCH(QString, locale);
    const QLocale numbers(locale);
    QLocale::setDefault(numbers);
    WorksheetSettings s;
    s.items = {ItemId::CreatinineClearance, ItemId::TransferrinSaturation, ItemId::AstAltRatio};
    s.count = 2;
    s.versions = 3;
    s.level = 2;
    s.seed = 424242;
    s.title = u"Renal and iron, week 3"_s;
    WorksheetDialog dialog(m_fake, std::nullopt);
    dialog.setSettings(s);
    // The items come in the list's order, whatever order they were chosen in.
    const QList<ItemId> chosen = dialog.settings().items;
    QCOMPARE(QSet<ItemId>(chosen.begin(), chosen.end()),
             QSet<ItemId>(s.items.begin(), s.items.end()));
    s = dialog.settings();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.pdf"_s);
    m_fake.answerFileWith(path);
    dialog.saveAsPdf();
    QCOMPARE(m_fake.trace(), QStringList{u"file:Save Worksheet as PDF"_s});

    // scripts can keep the PDF for the README's pictures of its pages.
    if (const QString keep = qEnvironmentVariable("QUARVEX_KEEP_WORKSHEET"); !keep.isEmpty())
        QFile::copy(path, keep + u'-' + locale + u".pdf"_s);
    const QJsonObject json = cliWorksheet(s, locale);
    const QString text = pdfText(path);
    const QString keyHeading = u"Answer key: version 1"_s;
    const qsizetype keyStart = text.indexOf(keyHeading);
    QVERIFY(keyStart > 0);
    // The students' versions: title, number, each case in order, boxes' headings.
    qsizetype at = 0;
    for (const QJsonValue& version : json[u"versions"_s].toArray()) {
        at = text.indexOf(s.title + u" Version "_s + QString::number(version[u"version"_s].toInt()),
                          at);
        QVERIFY2(at >= 0 && at < keyStart,
                 qPrintable(QString::number(version[u"version"_s].toInt())));
        for (const QJsonValue& ex : version[u"exercises"_s].toArray()) {
            const QString caseText = ex[u"caseText"_s].toString().simplified();
            const qsizetype found = text.indexOf(caseText, at);
            QVERIFY2(found > at && found < keyStart, qPrintable(caseText));
            at = found;
        }
    }
    // The key: per version and exercise, every expected answer in its part.
    const QJsonArray answers = json[u"answers"_s].toArray();
    for (qsizetype v = 0; v < answers.size(); ++v) {
        const qsizetype from = text.indexOf(u"Answer key: version %1 "_s.arg(v + 1));
        const qsizetype to = v + 1 < answers.size()
                                 ? text.indexOf(u"Answer key: version %1 "_s.arg(v + 2))
                                 : text.size();
        QVERIFY(from >= keyStart && to > from);
        const QString part = text.mid(from, to - from);
        const QJsonArray exercises = answers[v][u"exercises"_s].toArray();
        const QJsonArray versionCases = json[u"versions"_s][v][u"exercises"_s].toArray();
        for (qsizetype e = 0; e < exercises.size(); ++e) {
            const QString seedText = u"(seed %1)"_s.arg(exercises[e][u"seed"_s].toInteger());
            const qsizetype start = part.indexOf(seedText);
            QVERIFY2(start >= 0, qPrintable(seedText));
            const qsizetype end =
                e + 1 < exercises.size()
                    ? part.indexOf(u"(seed %1)"_s.arg(exercises[e + 1][u"seed"_s].toInteger()))
                    : part.size();
            const QString exercise = part.mid(start, end - start);
            QVERIFY(exercise.contains(versionCases[e][u"caseText"_s].toString().simplified()));
            const QList<double> printed = numbersIn(exercise, numbers);
            const QJsonObject expected = exercises[e][u"expected"_s].toObject();
            for (auto it = expected.begin(); it != expected.end(); ++it) {
                if (it->isString()) {
                    QVERIFY2(exercise.contains(it->toString().simplified()),
                             qPrintable(it.key() + u": "_s + it->toString()));
                    continue;
                }
                const double want = it->toDouble();
                const bool found = std::any_of(printed.begin(), printed.end(), [want](double p) {
                    return std::fabs(p - want) <= 1e-9 * std::max(1.0, std::fabs(want));
                });
                QVERIFY2(found, qPrintable(it.key() + u": "_s + QString::number(want)));
            }
            // The worked steps with the band picture's legend follow the answers.
            QVERIFY(exercise.contains(u"Worked steps"_s));
        }
    }
    // Footer: the page numbers and the disclaimer on every page.
    const int pages = pdfPages(path);
    QVERIFY(pages >= 2 * s.versions);
    QVERIFY(text.contains(u"Page %1 of %1"_s.arg(pages)));
    QCOMPARE(text.count(u"Page "_s), pages);
}

// The key apart: two files, the students' without a key, the key without the
// students' sheets; A4 or Letter as the result sheet.
void TestWorksheet::keyApart()
{
    WorksheetSettings s;
    s.items = {ItemId::TibcCalculated};
    s.count = 1;
    s.versions = 2;
    s.level = 3;
    s.seed = 9;
    s.title = u"Iron"_s;
    WorksheetDialog dialog(m_fake, std::nullopt);
    dialog.setSettings(s);
    dialog.setKeyApart(true);
    QTemporaryDir dir;
    m_fake.answerFileWith(dir.filePath(u"iron"_s));
    m_fake.answerFileWith(dir.filePath(u"iron-key"_s));
    dialog.saveAsPdf();
    QCOMPARE(m_fake.trace(),
             (QStringList{u"file:Save Worksheet as PDF"_s, u"file:Save Answer Key as PDF"_s}));
    QCOMPARE(m_fake.calls()[1].defaultText, dir.filePath(u"iron-key.pdf"_s));
    const QString sheets = pdfText(dir.filePath(u"iron.pdf"_s));
    const QString key = pdfText(dir.filePath(u"iron-key.pdf"_s));
    QVERIFY(sheets.contains(u"Iron Version 2"_s));
    QVERIFY(!sheets.contains(u"Answer key"_s));
    QVERIFY(key.contains(u"Answer key: version 2"_s));
    QVERIFY(!key.contains(u"Your answer"_s));
    QCOMPARE(pdfPages(dir.filePath(u"iron.pdf"_s)), 2);

    // Cancelling the key's file dialog writes nothing.
    m_fake.clear();
    m_fake.answerFileWith(dir.filePath(u"other.pdf"_s));
    dialog.saveAsPdf();
    QVERIFY(!QFile::exists(dir.filePath(u"other.pdf"_s)));
}

QUARVEX_TEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
