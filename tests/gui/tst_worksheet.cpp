// The worksheet dialog: its controls, and the PDF it writes read back with
// pdftotext against quarvex-cli --worksheet for the same settings, and
// against the PDF quarvex-cli --pdf writes.

#include "calc/items.h"
#include "fakedialogs.h"
#include "practice/itemkeys.h"
#include "practice/worksheet.h"
#include "testmain.h"
#include "worksheet/classgradewindow.h"
#include "worksheet/frmworksheet.h"
#include "worksheet/worksheetdialog.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
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

// A line of pdfinfo's: "Pages", "Page size".
QString pdfInfo(const QString& path, const QString& field)
{
    QProcess tool;
    tool.start(u"pdfinfo"_s, {path});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("pdfinfo failed (run scripts/setup to install poppler-utils)");
    return QRegularExpression(u"^"_s + field + u":\\s+(.*)$"_s, QRegularExpression::MultilineOption)
        .match(QString::fromUtf8(tool.readAllStandardOutput()))
        .captured(1)
        .trimmed();
}

int pdfPages(const QString& path)
{
    return pdfInfo(path, u"Pages"_s).toInt();
}

// The text of each page, in order (pdftotext ends each with a form feed).
QStringList pdfPageTexts(const QString& path)
{
    QProcess tool;
    tool.start(u"pdftotext"_s, {u"-raw"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        qFatal("pdftotext failed (run scripts/setup to install poppler-utils)");
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList worksheetArgs(const WorksheetSettings& s, const QString& locale)
{
    QStringList items;
    for (ItemId id : s.items)
        items << itemKey(id);
    return {u"--worksheet"_s,
            u"--items"_s,
            items.join(u','),
            u"--count"_s,
            QString::number(s.count),
            u"--versions"_s,
            QString::number(s.versions),
            u"--seed"_s,
            QString::number(s.seed),
            u"--level"_s,
            QString::number(s.level),
            u"--title"_s,
            s.title,
            u"--locale"_s,
            locale};
}

QJsonObject cliWorksheet(const WorksheetSettings& s, const QString& locale)
{
    QProcess cli;
    cli.start(QString::fromUtf8(QUARVEX_CLI), worksheetArgs(s, locale));
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
        WorksheetDialog::forgetSettings();
    }
    void controlsAreNamed();
    void nothingChosen();
    void pdfMatchesCli_data();
    void pdfMatchesCli();
    void keyApart();
    void cliPdfIsTheDialogs_data();
    void cliPdfIsTheDialogs();
    void keepsSettings();
    void sheetFileAndClassCsv();
    void openSheetRefused_data();
    void openSheetRefused();
    void handout();
    void gradeClass();

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

void TestWorksheet::cliPdfIsTheDialogs_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("apart");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QStringList>("environment"); // NAME=value; NAME alone: removed
    const QStringList noDisplay{u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s};
    // A display asked for that cannot be reached: the command line needs none.
    const QStringList display{u"DISPLAY=:97"_s, u"QT_QPA_PLATFORM=xcb"_s};
    QTest::newRow("key after the versions, no display") << u"en_US"_s << false << true << noDisplay;
    QTest::newRow("key apart, German, a display named") << u"de_DE"_s << true << true << display;
    QTest::newRow("key apart without worked steps") << u"en_GB"_s << true << false << noDisplay;
}

// quarvex-cli --pdf (and --key-pdf, --key-without-steps) writes the documents
// the dialog saves for the same settings and key options: the same pages with
// the same text, on the same paper, with or without a display.
void TestWorksheet::cliPdfIsTheDialogs()
{
    QFETCH(QString, locale);
    QFETCH(bool, apart);
    QFETCH(bool, steps);
    QFETCH(QStringList, environment);
    QLocale::setDefault(QLocale(locale));
    WorksheetSettings s;
    s.items = {ItemId::EgfrCkdEpi, ItemId::AstAltRatio};
    s.count = 2;
    s.versions = 3;
    s.level = 2;
    s.seed = 8086;
    s.title = u"Kidney and liver"_s;
    WorksheetDialog dialog(m_fake, std::nullopt);
    dialog.setSettings(s);
    dialog.setKeyApart(apart);
    dialog.setWorkedSteps(steps);
    s = dialog.settings();
    QTemporaryDir dir;
    m_fake.answerFileWith(dir.filePath(u"dialog.pdf"_s));
    m_fake.answerFileWith(dir.filePath(u"dialog-key.pdf"_s));
    dialog.saveAsPdf();
    QCOMPARE(QFile::exists(dir.filePath(u"dialog-key.pdf"_s)), apart);

    QStringList args = worksheetArgs(s, locale);
    args << u"--pdf"_s << dir.filePath(u"cli.pdf"_s) << u"-o"_s << dir.filePath(u"sheet.json"_s);
    if (apart)
        args << u"--key-pdf"_s << dir.filePath(u"cli-key.pdf"_s);
    if (!steps)
        args << u"--key-without-steps"_s;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : environment) {
        if (setting.contains(u'='))
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        else
            env.remove(setting);
    }
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(QString::fromUtf8(QUARVEX_CLI), args);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.readAllStandardError(), QByteArray());
    QCOMPARE(cli.exitCode(), 0);

    QStringList pairs{u"%1.pdf"_s};
    if (apart)
        pairs << u"%1-key.pdf"_s;
    for (const QString& name : pairs) {
        const QString fromDialog = dir.filePath(name.arg(u"dialog"_s));
        const QString fromCli = dir.filePath(name.arg(u"cli"_s));
        QCOMPARE(pdfPages(fromCli), pdfPages(fromDialog));
        QCOMPARE(pdfInfo(fromCli, u"Page size"_s), pdfInfo(fromDialog, u"Page size"_s));
        QCOMPARE(pdfPageTexts(fromCli), pdfPageTexts(fromDialog));
    }
    // What was asked is there: the key after the versions or apart, the worked steps.
    const QString sheets = pdfText(dir.filePath(u"cli.pdf"_s));
    QCOMPARE(sheets.contains(u"Answer key"_s), !apart);
    const QString key = apart ? pdfText(dir.filePath(u"cli-key.pdf"_s)) : sheets;
    QCOMPARE(key.contains(u"Worked steps"_s), steps);
}

// The settings, the key's options and the folder are there again when the
// dialog opens again, with the item it is opened on checked too; the count
// of checked items follows the list.
void TestWorksheet::keepsSettings()
{
    WorksheetSettings s;
    s.items = {ItemId::CreatinineClearance, ItemId::LdlFriedewald};
    s.count = 3;
    s.versions = 12;
    s.level = 3;
    s.seed = 777;
    s.title = u"Lipids"_s;
    {
        WorksheetDialog dialog(m_fake, std::nullopt);
        QCOMPARE(dialog.findChild<QLabel*>(u"CheckedCountLabel"_s)->text(),
                 u"0 of %1 items checked"_s.arg(ItemCount));
        dialog.setSettings(s);
        dialog.setKeyApart(true);
        dialog.setWorkedSteps(false);
        QCOMPARE(dialog.findChild<QLabel*>(u"CheckedCountLabel"_s)->text(),
                 u"2 of %1 items checked"_s.arg(ItemCount));
        dialog.reject();
    }
    WorksheetDialog again(m_fake, ItemId::AstAltRatio);
    const WorksheetSettings kept = again.settings();
    QCOMPARE(
        QSet<ItemId>(kept.items.begin(), kept.items.end()),
        (QSet<ItemId>{ItemId::CreatinineClearance, ItemId::LdlFriedewald, ItemId::AstAltRatio}));
    QCOMPARE(kept.count, 3);
    QCOMPARE(kept.versions, 12);
    QCOMPARE(kept.level, 3);
    QCOMPARE(kept.seed, 777u);
    QCOMPARE(kept.title, u"Lipids"_s);
    QVERIFY(again.keyApart());
    QVERIFY(!again.workedSteps());
    QCOMPARE(again.findChild<QLabel*>(u"CheckedCountLabel"_s)->text(),
             u"3 of %1 items checked"_s.arg(ItemCount));
}

// Save sheet… writes the file quarvex-cli writes for the settings; Open
// sheet… brings them back; Save class CSV… writes the class file; each says
// what it saved on the status line.
void TestWorksheet::sheetFileAndClassCsv()
{
    WorksheetSettings s;
    s.items = {ItemId::TransferrinSaturation, ItemId::AstAltRatio};
    s.count = 2;
    s.versions = 5;
    s.level = 2;
    s.seed = 31337;
    s.title = u"Iron"_s;
    QTemporaryDir dir;
    const QString sheetPath = dir.filePath(u"iron-sheet"_s);
    {
        WorksheetDialog dialog(m_fake, std::nullopt);
        dialog.setSettings(s);
        s = dialog.settings();
        m_fake.answerFileWith(sheetPath);
        m_fake.answerFileWith(dir.filePath(u"iron-class.csv"_s));
        dialog.saveSheet();
        QVERIFY2(dialog.status().contains(worksheetId(s)) &&
                     dialog.status().contains(sheetPath + u".json"_s),
                 qPrintable(dialog.status()));
        dialog.saveClassCsv();
        QVERIFY2(dialog.status().contains(u"(20 rows)"_s), qPrintable(dialog.status()));
        m_fake.answerFileWith(dir.filePath(u"iron-moodle"_s));
        dialog.saveForMoodle();
        QVERIFY2(dialog.status().contains(u"(questions: 20)"_s) &&
                     dialog.status().contains(u"iron-moodle.xml"_s),
                 qPrintable(dialog.status()));
        QCOMPARE(m_fake.trace(), (QStringList{u"file:Save Sheet"_s, u"file:Save Class CSV"_s,
                                              u"file:Save for Moodle"_s}));
    }
    QFile saved(sheetPath + u".json"_s);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(saved.readAll()).object(), cliWorksheet(s, u"C"_s));
    QFile classFile(dir.filePath(u"iron-class.csv"_s));
    QVERIFY(classFile.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = classFile.readAll().split('\n');
    QVERIFY(lines.first().startsWith("Student,Code,"));
    QCOMPARE(lines.size(), 1 + 20 + 1); // the header, a row per exercise, after the last line end
    // The Moodle file names each question by the code the class file has for it.
    QFile moodleFile(dir.filePath(u"iron-moodle.xml"_s));
    QVERIFY(moodleFile.open(QIODevice::ReadOnly));
    const QByteArray xml = moodleFile.readAll();
    QCOMPARE(xml.count("<question type=\"cloze\">"), 20);
    for (const QByteArray& line : lines.mid(1, 20)) {
        const QByteArray code = line.split(',').value(1);
        QVERIFY2(xml.contains("<text>" + code + "</text>"), code.constData());
    }

    m_fake.clear();
    WorksheetDialog other(m_fake, ItemId::EgfrCkdEpi);
    m_fake.answerFileWith(sheetPath + u".json"_s);
    other.openSheet();
    QCOMPARE(m_fake.trace(), QStringList{u"file:Open Sheet"_s});
    const WorksheetSettings opened = other.settings();
    QCOMPARE(opened.items, s.items);
    QCOMPARE(opened.count, s.count);
    QCOMPARE(opened.versions, s.versions);
    QCOMPARE(opened.level, s.level);
    QCOMPARE(opened.seed, s.seed);
    QCOMPARE(opened.title, s.title);
    QVERIFY(other.status().contains(u"Opened sheet "_s + worksheetId(s)));
}

void TestWorksheet::openSheetRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("a PDF") << "%PDF-1.4"_ba << u"not JSON"_s;
    QTest::newRow("an exercise") << "{\"item\": \"ldl-friedewald\", \"seed\": 3}"_ba
                                 << u"not a sheet file"_s;
}

// A file that is not a sheet is refused with the reason; the settings stay.
void TestWorksheet::openSheetRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.json"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    WorksheetDialog dialog(m_fake, ItemId::TibcCalculated);
    m_fake.answerFileWith(path);
    dialog.openSheet();
    QCOMPARE(m_fake.trace().size(), 3);
    QCOMPARE(m_fake.trace()[1], u"beep"_s);
    QVERIFY2(m_fake.trace()[2].startsWith(u"critical:"_s) && m_fake.trace()[2].contains(message),
             qPrintable(m_fake.trace()[2]));
    QCOMPARE(dialog.settings().items, QList<ItemId>{ItemId::TibcCalculated});
    QVERIFY(dialog.status().isEmpty());
}

// The handout of a class of 30, 6 exercises each: every student page names
// its title, version and its page of the version, no page starts inside an
// exercise, a Name and Date line and the full notice once per version; the
// key's answer tables come first, at most a page per three versions, with
// every code; worked steps only when asked.
void TestWorksheet::handout()
{
    WorksheetSettings s;
    s.items = {ItemId::CreatinineClearance, ItemId::EgfrCkdEpi, ItemId::LdlFriedewald};
    s.count = 2;
    s.versions = 30;
    s.level = 2;
    s.seed = 4711;
    s.title = u"Kidney and lipids"_s;
    WorksheetDialog dialog(m_fake, std::nullopt);
    dialog.setSettings(s);
    s = dialog.settings();
    dialog.setKeyApart(true);
    QTemporaryDir dir;
    m_fake.answerFileWith(dir.filePath(u"class.pdf"_s));
    m_fake.answerFileWith(dir.filePath(u"class-key.pdf"_s));
    dialog.saveAsPdf();
    const QStringList pages = pdfPageTexts(dir.filePath(u"class.pdf"_s));
    QVERIFY2(dialog.status().contains(u"(%1 pages)"_s.arg(pages.size())),
             qPrintable(dialog.status()));
    const QString notice = u"see the notice on the first page"_s;
    QMap<int, int> pagesOfVersion;
    for (const QString& page : pages) {
        const QRegularExpressionMatch header =
            QRegularExpression(
                u"^Kidney and lipids \u00b7 Version (\\d+) page (\\d+) of (\\d+)\n"_s)
                .match(page);
        QVERIFY2(header.hasMatch(), qPrintable(page.left(200)));
        const int version = header.captured(1).toInt();
        QCOMPARE(header.captured(2).toInt(), ++pagesOfVersion[version]);
        const QString body = page.mid(header.capturedLength());
        const bool first = header.captured(2) == u"1"_s;
        // The first page opens with the title; any other with an exercise's heading.
        QVERIFY2(first ? body.startsWith(s.title) : body.startsWith(u"Exercise "_s),
                 qPrintable(body.left(200)));
        QCOMPARE(body.contains(u"Name:"_s), first);
        QCOMPARE(body.contains(notice), !first);
    }
    QCOMPARE(pagesOfVersion.size(), s.versions);
    for (const QString& page : pages) {
        const auto header = QRegularExpression(u"Version (\\d+) page \\d+ of (\\d+)"_s).match(page);
        QCOMPARE(header.captured(2).toInt(), pagesOfVersion[header.captured(1).toInt()]);
    }
    // Every exercise's code beside its heading, on the page with its case.
    const QJsonObject json = cliWorksheet(s, u"en_US"_s);
    for (const QJsonValue& version : json[u"versions"_s].toArray()) {
        for (const QJsonValue& ex : version[u"exercises"_s].toArray()) {
            const QString code = ex[u"code"_s].toString();
            const auto page = std::find_if(pages.begin(), pages.end(),
                                           [&](const QString& p) { return p.contains(code); });
            QVERIFY2(page != pages.end(), qPrintable(code));
            QVERIFY(page->simplified().contains(ex[u"caseText"_s].toString().simplified()));
        }
    }

    // The key: the answer tables, then the worked steps.
    const QString keyText = pdfText(dir.filePath(u"class-key.pdf"_s));
    const qsizetype steps = keyText.indexOf(u"Worked steps"_s);
    QVERIFY(steps > 0);
    for (const QJsonValue& version : json[u"versions"_s].toArray()) {
        for (const QJsonValue& ex : version[u"exercises"_s].toArray()) {
            const qsizetype at = keyText.indexOf(ex[u"code"_s].toString());
            QVERIFY(at > 0 && at < steps);
        }
    }
    const int withSteps = pdfPages(dir.filePath(u"class-key.pdf"_s));
    m_fake.clear();
    dialog.setWorkedSteps(false);
    m_fake.answerFileWith(dir.filePath(u"class.pdf"_s));
    m_fake.answerFileWith(dir.filePath(u"answers.pdf"_s));
    dialog.saveAsPdf();
    const QString answers = pdfText(dir.filePath(u"answers.pdf"_s));
    QVERIFY(!answers.contains(u"Worked steps"_s));
    QVERIFY(answers.contains(u"Expected answers"_s));
    const int tablePages = pdfPages(dir.filePath(u"answers.pdf"_s));
    QVERIFY2(tablePages <= (s.versions + 2) / 3, qPrintable(QString::number(tablePages)));
    QVERIFY(withSteps > tablePages);
}

// Grade class…: the class file filled in (one code mistyped, a version
// nobody got) graded against the dialog's sheet; the table is a row per
// student, the line not graded is shown, and Save gradebook… writes what
// quarvex-cli --grade --batch --sheet --gradebook writes.
void TestWorksheet::gradeClass()
{
    QTemporaryDir dir;
    WorksheetSettings s;
    s.items = {ItemId::TibcCalculated, ItemId::LdlFriedewald};
    s.count = 1;
    s.level = 2;
    s.versions = 4;
    s.seed = 77;
    s.title = u"Iron and lipids"_s;
    const Worksheet sheet = makeWorksheet(s);
    const QString sheetPath = dir.filePath(u"sheet.json"_s);
    QFile sheetFile(sheetPath);
    QVERIFY(sheetFile.open(QIODevice::WriteOnly));
    sheetFile.write(QJsonDocument(worksheetJson(sheet)).toJson());
    sheetFile.close();

    // The class file as --class-csv writes it, with an Email column: Ada all
    // right, Bo all blank, Cy's first code mistyped, version 4 not handed out.
    QStringList lines = QString::fromUtf8(worksheetClassCsv(sheet)).split(u"\r\n"_s);
    const QStringList ids = lines[0].split(u',').mid(2);
    QString csv = u"Student,Email,"_s + lines[0].mid(u"Student,"_s.size()) + u"\r\n"_s;
    const QStringList students{u"Ada"_s, u"Bo"_s, u"Cy"_s, QString()};
    for (int v = 0; v < 4; ++v) {
        for (int n = 0; n < 2; ++n) {
            const Exercise& ex = sheet.versions[v].exercises[n];
            QString code = worksheetExerciseCode(s, v + 1, n);
            if (v == 2 && n == 0)
                code[code.size() - 1] = code.back() == u'A' ? u'C' : u'A';
            QStringList row{students[v],
                            v < 3 ? students[v].toLower() + u"@example.org"_s : QString(), code};
            for (const QString& id : ids) {
                const int i = ex.stepIndex(id);
                QString answer;
                if (v == 0 && i >= 0 && !ex.steps[i].given)
                    answer = ex.steps[i].kind == StepKind::Choice
                                 ? u'"' + ex.steps[i].expectedText + u'"'
                                 : QString::number(ex.steps[i].expected, 'g', 15);
                if (v == 2 && i >= 0 && !ex.steps[i].given)
                    answer = u"1"_s;
                row << answer;
            }
            csv += row.join(u',') + u"\r\n"_s;
        }
    }
    const QString classPath = dir.filePath(u"class.csv"_s);
    QFile classFile(classPath);
    QVERIFY(classFile.open(QIODevice::WriteOnly));
    classFile.write(csv.toUtf8());
    classFile.close();

    WorksheetDialog* dialog = showWorksheetDialog(nullptr);
    dialog->setSettings(s);
    m_fake.answerFileWith(classPath);
    ClassGradeWindow* window = dialog->gradeClass();
    QVERIFY(window);
    QCOMPARE(m_fake.trace(), QStringList{u"file:Grade Class"_s});
    QCOMPARE(m_fake.fileModes(), QList<FileDialogMode>{FileDialogMode::Open});
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), u"frmClassGrade"_s);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->parentWidget() == window) {
            QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }

    QAbstractItemModelTester tester(window->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QAbstractItemModel* model = window->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 6); // Student, Email, Exercises, Total, two items
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), u"Email"_s);
    const auto cell = [&](int row, int column) {
        return model->data(model->index(row, column)).toString();
    };
    QCOMPARE((QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4), cell(0, 5)}),
             (QStringList{u"Ada"_s, u"ada@example.org"_s, u"2"_s, u"100.00"_s, u"100.00"_s,
                          u"100.00"_s}));
    QCOMPARE((QStringList{cell(1, 0), cell(1, 2), cell(1, 3)}),
             (QStringList{u"Bo"_s, u"2"_s, u"0.00"_s}));
    // Cy's mistyped row is not graded: one exercise, its item's cell empty.
    QCOMPARE((QStringList{cell(2, 0), cell(2, 2), cell(2, 4)}),
             (QStringList{u"Cy"_s, u"1"_s, QString()}));
    // Every problem shown: the column passed through, the line skipped.
    const QStringList problems = window->problems();
    QCOMPARE(problems.size(), 2);
    QVERIFY2(problems[0].startsWith(u"line 1: warning: column \"Email\""_s),
             qPrintable(problems[0]));
    QVERIFY2(problems[1].startsWith(u"line 6: the exercise code "_s) &&
                 problems[1].endsWith(u"; row skipped"_s),
             qPrintable(problems[1]));
    QVERIFY2(window->summaryText().contains(u"Right, "_s), qPrintable(window->summaryText()));
    QVERIFY2(dialog->status().contains(worksheetId(s)), qPrintable(dialog->status()));

    const QString saved = dir.filePath(u"gradebook"_s);
    m_fake.answerFileWith(saved);
    QVERIFY(window->saveGradebook());
    QFile gradebook(saved + u".csv"_s);
    QVERIFY(gradebook.open(QIODevice::ReadOnly));
    const QString cliPath = dir.filePath(u"cli-gradebook.csv"_s);
    QProcess cli;
    cli.start(QString::fromUtf8(QUARVEX_CLI),
              {u"--grade"_s, u"--batch"_s, u"--sheet"_s, sheetPath, u"--gradebook"_s, cliPath,
               u"--locale"_s, u"en_US"_s, u"-o"_s, dir.filePath(u"graded.csv"_s), classPath});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 3);
    QFile cliGradebook(cliPath);
    QVERIFY(cliGradebook.open(QIODevice::ReadOnly));
    const QByteArray bytes = gradebook.readAll();
    QCOMPARE(bytes, cliGradebook.readAll());
    QVERIFY(bytes.startsWith("Student,Email,Total,tibc-calculated,ldl-friedewald\r\n"
                             "Ada,ada@example.org,100.00,100.00,100.00\r\n"));
    window->close();
    dialog->close();
}

QUARVEX_TEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
