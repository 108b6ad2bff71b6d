// Cases on the data entry screen (open, save, drop, the command line), the
// question before typed values could be lost, and the printed result sheet.

#include "app/frmdisclaimer.h"
#include "app/frmswitchboard.h"
#include "app/qtdialogs.h"
#include "app/windows.h"
#include "calc/derivation.h"
#include "calc/items.h"
#include "cases/casefile.h"
#include "fakedialogs.h"
#include "i18n/language.h"
#include "modalguard.h"
#include "overview/frmdata.h"
#include "overview/frmresult.h"
#include "overview/overview.h"
#include "overview/overviewwindows.h"
#include "overview/reportdate.h"
#include "overview/resultsheet.h"
#include "overview/resultsmodel.h"
#include "overviewdriver.h"
#include "sheetprinter.h"
#include "testfields.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;
using A = AnalyteId;

namespace {

void click(QWidget* window, const QString& button)
{
    auto* b = window->findChild<QPushButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

QString caseLabel(DataEntryWindow* data)
{
    return data->findChild<QLabel*>(u"CaseLabel"_s)->text();
}

// Drops the file on target as a file manager would: the drag enters, then
// the drop; opening waits for the event loop.
bool dropFile(QWidget* target, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    mime.setText(path); // file managers offer the path as text too
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

// The text of the PDF in drawing order, each run of white space one blank.
QString pdfText(const QString& path, int page = 0)
{
    QStringList args{u"-raw"_s, u"-enc"_s, u"UTF-8"_s};
    if (page > 0)
        args << u"-f"_s << QString::number(page) << u"-l"_s << QString::number(page);
    QProcess tool;
    tool.start(u"pdftotext"_s, args << path << u"-"_s);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("pdftotext failed (run scripts/setup to install poppler-utils)");
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

// "Pages: 3" and "Page size: 612 x 792 pts (letter)" from pdfinfo.
std::pair<int, QString> pdfPages(const QString& path)
{
    QProcess tool;
    tool.start(u"pdfinfo"_s, {path});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qFatal("pdfinfo failed (run scripts/setup to install poppler-utils)");
    const QString info = QString::fromUtf8(tool.readAllStandardOutput());
    const auto pages = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info);
    const auto size = QRegularExpression(u"Page size:\\s+(.*)"_s).match(info);
    return {pages.captured(1).toInt(), size.captured(1).trimmed()};
}

QString joined(const QStringList& parts)
{
    QStringList shown;
    for (const QString& p : parts)
        if (!p.isEmpty())
            shown << p;
    return shown.join(u' ').simplified();
}

const QString SaveQuestion = u"save?:Save changes to the case?"_s;
const QString ClearConfirm = u"confirm:"_s + QString::fromLatin1(ClearQuestion);
const QByteArray SavedCase = "# saved before\nChol=150\nUnitChol=mg/dL\n";

} // namespace

class TestCases : public QObject
{
    Q_OBJECT
    FakeDialogs m_fake;
    ModalGuard m_guard;
    std::optional<OverviewWindows> m_overview;
    std::optional<QTemporaryDir> m_dir;

    OverviewWindows& overview() { return *m_overview; }
    QString file(const QString& name) const { return m_dir->filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        setDialogs(&m_fake);
    }
    void init()
    {
        m_fake.clear();
        m_guard.reset();
        m_dir.emplace();
        m_overview.emplace(m_fake);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup()
    {
        installLanguage(u"en"_s);
        m_overview.reset();
        m_fake.clear();
        QApplication::closeAllWindows();
        for (int i = 0; i < 2; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QUARVEX_VERIFY_NO_MODAL(m_guard);
    }
    void cleanupTestCase() { setDialogs(nullptr); }

    void roundTrip_data();
    void roundTrip();
    void travelsBetweenLocales_data();
    void travelsBetweenLocales();
    void genderUnderGerman();
    void badCaseChangesNothing_data();
    void badCaseChangesNothing();
    void failedSaveKeepsTheOldFile();
    void unsavedChanges_data();
    void unsavedChanges();
    void droppedCase_data();
    void droppedCase();
    void commandLine_data();
    void commandLine();
    void sheetOnPaper();
    void pdfHoldsEveryRow_data();
    void pdfHoldsEveryRow();
    void pdfWithWorkedSteps();
    void printAndPdfDialogs_data();
    void printAndPdfDialogs();
};

void TestCases::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::addRow("German, comma decimals") << QLocale(QLocale::German, QLocale::Germany);
}

// Every field of a full case saved and opened again gives the same screen and
// the same export.
void TestCases::roundTrip()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    ScopedEnvironment day("SOURCE_DATE_EPOCH", "1709251199"); // 2024-02-29
    MapFields fields = exampleFields();
    for (const Analyte& a : analytes())
        fields.setValue(a.id, fields.value(a.id).replace(u'.', locale.decimalPoint()));

    DataEntryWindow* data = typeIntoDataEntry(overview(), fields);
    const QStringList typed = data->fieldTexts();
    QVERIFY(data->hasUnsavedChanges());
    QCOMPARE(caseLabel(data), u"Case: Untitled (unsaved changes)"_s);
    QCOMPARE(overview().exportTo(file(u"before.txt"_s)), std::nullopt);
    const QByteArray exported = readFile(file(u"before.txt"_s));
    QVERIFY(exported.count("\r\n") > 20);

    // A name without a suffix gets ".quarvex".
    m_fake.answerFileWith(file(u"lesson"_s));
    click(data, u"SaveCaseButton"_s);
    const QString path = file(u"lesson.quarvex"_s);
    QCOMPARE(data->casePath(), path);
    QVERIFY(!data->hasUnsavedChanges());
    QCOMPARE(caseLabel(data), u"Case: lesson.quarvex"_s);
    const QByteArray saved = readFile(path);
    QVERIFY(saved.startsWith("# Quarvex case, saved on 2024-02-29\nLocale=" +
                             locale.name().toLatin1() + "\nAge=58\nGender=Male\n"));
    QVERIFY(!saved.contains('\r'));

    click(data, u"ClearButton"_s); // saved: no question
    QCOMPARE(data->fieldTexts(), QStringList(typed.size(), QString()));
    QCOMPARE(caseLabel(data), u"Case: Untitled"_s);

    QVERIFY(overview().openCaseFile(path));
    QCOMPARE(data->fieldTexts(), typed);
    QCOMPARE(overview().exportTo(file(u"after.txt"_s)), std::nullopt);
    QCOMPARE(readFile(file(u"after.txt"_s)), exported);

    QCOMPARE(m_fake.trace(),
             (QStringList{u"beep"_s, u"information:Data export completed succesfully."_s,
                          u"file:Save Case As"_s, u"beep"_s,
                          u"information:Data export completed succesfully."_s}));
}

void TestCases::travelsBetweenLocales_data()
{
    QTest::addColumn<bool>("shipped"); // the shipped example, else a case saved under English
    QTest::addRow("saved under English, opened under German") << false;
    QTest::addRow("the shipped example under German") << true;
}

// A case opened under another number format: its values come in the reader's
// format, without a single box, and every item computes as it did.
void TestCases::travelsBetweenLocales()
{
    QFETCH(bool, shipped);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(english);
    const MapFields fields = exampleFields();
    // What the case gives when typed under German, with comma decimals.
    MapFields typedInGerman = fields;
    for (const Analyte& a : analytes())
        typedInGerman.setValue(a.id, fields.value(a.id).replace(u'.', u','));
    const QList<ResultRow> germanRows = overviewRows(typedInGerman, german);
    QString path = QStringLiteral(QUARVEX_EXAMPLE_INPUT);
    if (!shipped) {
        DataEntryWindow* data = typeIntoDataEntry(overview(), fields);
        m_fake.answerFileWith(file(u"travels.quarvex"_s));
        click(data, u"SaveCaseButton"_s);
        path = file(u"travels.quarvex"_s);
        QVERIFY(readFile(path).contains("\nLocale=en_US\n"));
        overview().closeAll();
    }
    QLocale::setDefault(german);
    m_fake.clear();
    QVERIFY(overview().openCaseFile(path));
    DataEntryWindow* data = overview().dataEntry();
    QVERIFY(data);
    overview().fillResultGrid();
    QCOMPARE(m_fake.trace(), QStringList());
    for (const Analyte& a : analytes())
        QCOMPARE(data->form().value(a.id), typedInGerman.value(a.id));
    QCOMPARE(overview().results()->rows()->rows(), germanRows);
    QLocale::setDefault(english);
}

// Under German the Gender list shows its entries in German, while the fields
// and the case file keep the values "Male" and "Female"; an entry typed in
// German reads as its value too.
void TestCases::genderUnderGerman()
{
    QVERIFY(installLanguage(u"de"_s));
    m_overview.emplace(m_fake);
    MapFields fields = exampleFields();
    fields.setValue(AnalyteId::Gender, u"Female"_s);
    DataEntryWindow* data = typeIntoDataEntry(overview(), fields);
    auto* gender = data->findChild<QComboBox*>(u"Gender"_s);
    QCOMPARE(gender->currentText(), u"Weiblich"_s);
    QCOMPARE(data->form().value(AnalyteId::Gender), u"Female"_s);

    m_fake.answerFileWith(file(u"fall"_s));
    click(data, u"SaveCaseButton"_s);
    const QString path = file(u"fall.quarvex"_s);
    QVERIFY(readFile(path).contains("\nGender=Female\n"));

    click(data, u"ClearButton"_s);
    QVERIFY(overview().openCaseFile(path));
    QCOMPARE(gender->currentText(), u"Weiblich"_s);
    gender->setEditText(u"Männlich"_s);
    QCOMPARE(data->form().value(AnalyteId::Gender), u"Male"_s);
}

void TestCases::badCaseChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // not written when empty
    QTest::addColumn<QString>("reason");

    QTest::addRow("unknown name") << u"bad.quarvex"_s << "Chol=200\n\nAgge=41\n"_ba
                                  << u"Line 3: unknown field name \"Agge\""_s;
    // Every reason a case is bad: tst_casefile.
    QTest::addRow("a name holding %%1")
        << u"bad%1%2.quarvex"_s << "X=1\n"_ba << u"Line 1: unknown field name \"X\""_s;
    QTest::addRow("one byte beyond 1 MiB")
        << u"big.quarvex"_s << QByteArray(MaxCaseFileSize - 6, '#') + "\nAge=40"_ba
        << u"is larger than 1024 KiB, too large for a case file"_s;
    QTest::addRow("missing") << u"missing.quarvex"_s << QByteArray()
                             << u"No such file or directory"_s;
}

// Each kind of bad case file names the line and the reason and changes
// nothing: not a field, not the case, not the unsaved mark.
void TestCases::badCaseChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QVERIFY(writeFile(file(u"saved.quarvex"_s), SavedCase));
    QVERIFY(overview().openCaseFile(file(u"saved.quarvex"_s)));
    DataEntryWindow* data = overview().dataEntry();
    data->form().setValue(A::HDL, u"45"_s);
    const QStringList before = data->fieldTexts();
    const QString label = caseLabel(data);
    QCOMPARE(label, u"Case: saved.quarvex (unsaved changes)"_s);
    if (!bytes.isEmpty())
        QVERIFY(writeFile(file(name), bytes));

    QVERIFY(!overview().loadCaseFile(file(name)));
    QCOMPARE(m_fake.trace(),
             (QStringList{u"beep"_s, u"critical:The case could not be opened from "_s + file(name) +
                                         u".\r\r"_s + reason}));
    QCOMPARE(m_fake.calls().last().title, u"Open Case"_s);
    QCOMPARE(data->fieldTexts(), before);
    QCOMPARE(data->casePath(), file(u"saved.quarvex"_s));
    QCOMPARE(caseLabel(data), label);
}

// The save fails (the case's folder is a regular file); how a failed commit
// leaves the old file is the export's test, over the same saveBytes.
void TestCases::failedSaveKeepsTheOldFile()
{
    QVERIFY(writeFile(file(u"saved.quarvex"_s), SavedCase));
    QVERIFY(writeFile(file(u"plain"_s), "x"));
    QVERIFY(overview().openCaseFile(file(u"saved.quarvex"_s)));
    DataEntryWindow* data = overview().dataEntry();
    data->form().setValue(A::Chol, u"210"_s);
    m_fake.clear();

    const QString path = file(u"plain/x.quarvex"_s);
    QVERIFY(!overview().saveCaseTo(path));
    const QStringList trace = m_fake.trace();
    QCOMPARE(trace.size(), 2);
    QCOMPARE(trace.at(0), u"beep"_s);
    QVERIFY2(
        trace.at(1).startsWith(u"critical:The case could not be saved to "_s + path + u".\r\r"_s),
        qPrintable(trace.at(1)));
    QVERIFY2(trace.at(1).size() > (u"critical:The case could not be saved to "_s + path).size() + 4,
             "the reason is given");
    QCOMPARE(readFile(file(u"saved.quarvex"_s)), SavedCase);
    QCOMPARE(readFile(file(u"plain"_s)), "x"_ba);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"plain"_s, u"saved.quarvex"_s}));
    // Still the old case, still unsaved.
    QCOMPARE(data->casePath(), file(u"saved.quarvex"_s));
    QVERIFY(data->hasUnsavedChanges());
}

void TestCases::unsavedChanges_data()
{
    // Steps: "type Field=text", "answer save?=Save|Discard|Cancel",
    // "answer file=<name>" (empty: Cancel), "answer confirm=no", "click
    // <button on the data entry screen>", "close box", "results <button>",
    // "drop <name> on <field>". saved.quarvex holds Chol=150 mg/dL.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QString>("chol"); // "closed": the screen is gone
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("savedCase"); // saved.quarvex afterwards

    auto steps = [](const char* s) { return QString::fromUtf8(s).split(u'|'); };
    const QString closed = u"closed"_s;
    const QString untitled = u"Case: Untitled"_s;
    const QString unsaved = u"Case: Untitled (unsaved changes)"_s;
    const QString opened = u"Case: saved.quarvex"_s;
    const QByteArray same = SavedCase;

    QTest::addRow("nothing typed: EXIT asks nothing")
        << steps("click EXITbutton") << QStringList() << closed << QString() << same;
    QTest::addRow("typed: EXIT asks, Discard closes")
        << steps("type Chol=200|click EXITbutton") << QStringList{SaveQuestion} << closed
        << QString() << same;
    QTest::addRow("typed: EXIT asks, Cancel keeps every value")
        << steps("type Chol=200|answer save?=Cancel|click EXITbutton") << QStringList{SaveQuestion}
        << u"200"_s << unsaved << same;
    QTest::addRow("typed: the close box asks, Cancel keeps")
        << steps("type Chol=200|answer save?=Cancel|close box") << QStringList{SaveQuestion}
        << u"200"_s << unsaved << same;
    QTest::addRow("typed and typed away again: nothing to ask")
        << steps("type Chol=200|type Chol=|click EXITbutton") << QStringList() << closed
        << QString() << same;
    QTest::addRow("saved: EXIT asks nothing")
        << steps("type Chol=200|answer file=new.quarvex|click SaveCaseButton|click EXITbutton")
        << QStringList{u"file:Save Case As"_s} << closed << QString() << same;
    QTest::addRow("saved, then typed: asks again")
        << steps("type Chol=200|answer file=new.quarvex|click SaveCaseAsButton|type HDL=40|"
                 "answer save?=Cancel|click EXITbutton")
        << QStringList{u"file:Save Case As"_s, SaveQuestion} << u"200"_s
        << u"Case: new.quarvex (unsaved changes)"_s << same;
    QTest::addRow("opened and changed: Close asks, Save writes the case without a name asked")
        << steps("answer file=saved.quarvex|click OpenCaseButton|type Chol=210|answer save?=Save|"
                 "results CloseButton")
        << QStringList{u"file:Open Case"_s, SaveQuestion} << closed << QString()
        << QByteArray(
               "# Quarvex case, saved on 2024-02-29\nLocale=en_US\nChol=210\nUnitChol=mg/dL\n");
    QTest::addRow("typed: Close asks, Save, the name cancelled: nothing closes")
        << steps("type Chol=200|answer save?=Save|answer file=|results CloseButton")
        << QStringList{SaveQuestion, u"file:Save Case As"_s} << u"200"_s << unsaved << same;
    QTest::addRow("typed: Back asks nothing and keeps the values")
        << steps("type Chol=200|results BackButton") << QStringList() << u"200"_s << unsaved
        << same;
    QTest::addRow("typed: Clear asks, Clear empties")
        << steps("type Chol=200|click ClearButton") << QStringList{ClearConfirm} << QString()
        << untitled << same;
    QTest::addRow("typed: Clear asks, Cancel keeps")
        << steps("type Chol=200|answer confirm=no|click ClearButton") << QStringList{ClearConfirm}
        << u"200"_s << unsaved << same;
    QTest::addRow("opened: Clear asks nothing and starts a new case")
        << steps("answer file=saved.quarvex|click OpenCaseButton|click ClearButton|"
                 "click EXITbutton")
        << QStringList{u"file:Open Case"_s} << closed << QString() << same;
    QTest::addRow("typed: Open asks first, Cancel opens nothing")
        << steps("type Chol=200|answer save?=Cancel|click OpenCaseButton")
        << QStringList{SaveQuestion} << u"200"_s << unsaved << same;
    QTest::addRow("typed: Open asks first, Discard, then the file")
        << steps("type Chol=200|type HDL=40|answer file=saved.quarvex|click OpenCaseButton")
        << QStringList{SaveQuestion, u"file:Open Case"_s} << u"150"_s << opened << same;
    QTest::addRow("typed: a drop asks first, Cancel opens nothing")
        << steps("type Chol=200|answer save?=Cancel|drop saved.quarvex on HDL")
        << QStringList{SaveQuestion} << u"200"_s << unsaved << same;
    QTest::addRow("typed: a drop on the window asks, Discard, then opens")
        << steps("type LDL=100|drop saved.quarvex on window") << QStringList{SaveQuestion}
        << u"150"_s << opened << same;
}

void TestCases::unsavedChanges()
{
    QFETCH(QStringList, steps);
    ScopedEnvironment day("SOURCE_DATE_EPOCH", "1709251199");
    QVERIFY(writeFile(file(u"saved.quarvex"_s), SavedCase));
    DataEntryWindow* data = overview().showDataEntry();
    overview().fillResultGrid();
    m_fake.clear();

    for (const QString& step : steps) {
        const QString arg = step.section(u' ', 1);
        if (step.startsWith(u"type "_s)) {
            const AnalyteId id = [&] {
                for (const Analyte& a : analytes())
                    if (a.fieldName() == arg.section(u'=', 0, 0))
                        return a.id;
                qFatal("no such field");
            }();
            data->form().setValue(id, arg.section(u'=', 1));
        } else if (step.startsWith(u"answer save?="_s)) {
            const QString a = step.section(u'=', 1);
            m_fake.answerSaveWith(a == u"Save"_s     ? SaveChoice::Save
                                  : a == u"Cancel"_s ? SaveChoice::Cancel
                                                     : SaveChoice::Discard);
        } else if (step.startsWith(u"answer file="_s)) {
            const QString name = step.section(u'=', 1);
            m_fake.answerFileWith(name.isEmpty() ? QString() : file(name));
        } else if (step == u"answer confirm=no"_s) {
            m_fake.answerConfirmWith(false);
        } else if (step.startsWith(u"click "_s)) {
            click(data, arg);
        } else if (step == u"close box"_s) {
            data->close();
        } else if (step.startsWith(u"results "_s)) {
            click(overview().results(), arg);
        } else if (step.startsWith(u"drop "_s)) {
            const QString target = step.section(u' ', 3);
            QWidget* on = target == u"window"_s ? static_cast<QWidget*>(data)
                                                : data->findChild<QLineEdit*>(target);
            QVERIFY(dropFile(on, file(step.section(u' ', 1, 1))));
        } else {
            QFAIL(qPrintable(u"unknown step "_s + step));
        }
    }

    QTEST(m_fake.trace(), "trace");
    QFETCH(QString, chol);
    if (chol == u"closed"_s) {
        QVERIFY(!overview().dataEntry());
    } else {
        QCOMPARE(overview().dataEntry(), data);
        QCOMPARE(data->form().value(A::Chol), chol);
        QTEST(caseLabel(data), "label");
        // A dropped file never lands in a field as text.
        QVERIFY(!data->fieldTexts().join(u' ').contains(u".quarvex"_s));
    }
    QTEST(readFile(file(u"saved.quarvex"_s)), "savedCase");
}

void TestCases::droppedCase_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("taken");
    const QUrl local = QUrl::fromLocalFile(u"/tmp/a b/lesson.quarvex"_s);
    QTest::addRow("one case file") << QList<QUrl>{local} << true;
    QTest::addRow("another kind of file")
        << QList<QUrl>{QUrl::fromLocalFile(u"/tmp/lesson.txt"_s)} << false;
    QTest::addRow("suffix only in the folder name")
        << QList<QUrl>{QUrl::fromLocalFile(u"/tmp/x.quarvex/lesson"_s)} << false;
    QTest::addRow("not a local file")
        << QList<QUrl>{QUrl(u"https://example.org/lesson.quarvex"_s)} << false;
    QTest::addRow("text only") << QList<QUrl>() << false;
}

void TestCases::droppedCase()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, taken);
    QMimeData mime;
    mime.setText(u"/tmp/lesson.quarvex"_s);
    if (!urls.isEmpty())
        mime.setUrls(urls);
    QCOMPARE(DataEntryWindow::droppedCase(&mime),
             taken ? urls.constFirst().toLocalFile() : QString());
}

void TestCases::commandLine_data()
{
    QTest::addColumn<QByteArray>("bytes"); // not written when empty
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QString>("chol");
    QTest::addColumn<QString>("label");

    QTest::addRow("a good case") << SavedCase << QStringList() << u"150"_s
                                 << u"Case: saved.quarvex"_s;
    // Every reason a case is bad: badCaseChangesNothing and tst_casefile.
    QTest::addRow("no such file: the reason, then an empty screen")
        << QByteArray()
        << QStringList{u"beep"_s,
                       u"critical:The case could not be opened from %1.\r\rNo such file or directory"_s}
        << QString() << u"Case: Untitled"_s;
}

// quarvex FILE: the case opens on the data entry screen once the disclaimer
// is accepted, over the switchboard.
void TestCases::commandLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, trace);
    const QString path = file(u"saved.quarvex"_s);
    if (!bytes.isEmpty())
        QVERIFY(writeFile(path, bytes));
    DisclaimerWindow* disclaimer = showWindow<DisclaimerWindow>(path);
    click(disclaimer, u"CommandButton0"_s);
    QVERIFY(!openWindow<DisclaimerWindow>());
    QVERIFY(openWindow<SwitchboardWindow>());
    DataEntryWindow* data = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"frmData"_s && w->isVisible())
            data = static_cast<DataEntryWindow*>(w);
    }
    QVERIFY(data);
    QTEST(data->form().value(A::Chol), "chol");
    QTEST(caseLabel(data), "label");
    QCOMPARE(m_fake.trace(), trace.replaceInStrings(u"%1"_s, path));
}

// The painter on its own, with every section filled: hints, steps, a table
// long enough for several pages; the footer on each.
void TestCases::sheetOnPaper()
{
    ResultSheet sheet;
    sheet.title = u"Quarvex Test Results"_s;
    sheet.date = u"29 February 2024"_s;
    sheet.caseName = u"Case: lesson.quarvex"_s;
    sheet.inputs = {{u"Serum creatinine"_s, u"1,1"_s, u"mg/dL"_s}, {u"Age"_s, u"58"_s, {}}};
    for (int i = 1; i <= 60; ++i)
        sheet.rows << ResultRow{u"Item %1"_s.arg(i), u"%1.00 mL/min"_s.arg(i),
                                u"Interpretation number %1, long enough to wrap onto a second "
                                u"line of the narrow last column of the table."_s.arg(i)};
    sheet.hints = {u"Direct bilirubin is above total bilirubin."_s};
    const Inputs inputs(F(u"AST=40; ALT=50; Chol=200 mg/dL; HDL=60 mg/dL; Gender=Female"_s),
                        QLocale());
    for (ItemId id : {ItemId::AstAltRatio, ItemId::CholesterolHdlRatio}) {
        const ItemDescriptor& descriptor = item(id);
        sheet.steps << SheetSteps{QString::fromLatin1(descriptor.listText),
                                  derive(descriptor, inputs, descriptor.compute(inputs))};
    }
    sheet.footer = u"Footer text for learning only."_s;

    const QString path = file(u"sheet.pdf"_s);
    {
        QPdfWriter writer(path);
        writer.setPageLayout(sheetPageLayout(QLocale()));
        QVERIFY(printSheet(sheet, writer) >= 3);
    }
    const int pages = pdfPages(path).first;
    const QString text = pdfText(path);
    for (const QString& part :
         {u"Quarvex Test Results 29 February 2024 Case: lesson.quarvex Values entered"_s,
          u"Serum creatinine 1,1 mg/dL Age 58 Results Test Item Result Interpretation Item 1 "_s,
          u"Hints • Direct bilirubin is above total bilirubin. "_s,
          u"Worked steps AST-to-ALT (SGOT-to-SGPT) Ratio Inputs AST: 40 IU/L ALT: 50 IU/L"_s,
          u"Step 1: AST ÷ ALT = 40 IU/L ÷ 50 IU/L = 0.8"_s, u"Result: 0.80"_s,
          u"C (from 0.8 to below 1.3): The AST to ALT ratio is normal."_s,
          // A band text that is a fragment is printed as the sentence it completes.
          u"A (up to 3.3): The risk of coronary artery disease is less than 50% than that of "
          u"the 'average American'."_s})
        QVERIFY2(text.contains(part), qPrintable(part));
    // Each heading once, no text rule under it.
    QCOMPARE(text.count(u"AST-to-ALT (SGOT-to-SGPT) Ratio"_s), 1);
    QVERIFY(!text.contains(u"==="_s));
    for (const ResultRow& row : sheet.rows)
        QVERIFY2(text.contains(joined({row.name, row.result, row.interpretation})),
                 qPrintable(row.name));
    for (int page = 1; page <= pages; ++page) {
        const QString onPage = pdfText(path, page);
        QVERIFY2(
            onPage.endsWith(u"Footer text for learning only. Page %1 of %2"_s.arg(page).arg(pages)),
            qPrintable(onPage.right(80)));
        // The table's heading stands above its rows on every page it runs onto.
        if (page > 1 && onPage.contains(u"Item 30 "_s))
            QVERIFY(onPage.startsWith(u"Test Item Result Interpretation"_s));
        // An item that fits on a page is not split: its heading and its band
        // legend's last line share a page.
        for (const SheetSteps& steps : sheet.steps) {
            const DerivedRow& row = steps.derivation.rows.last();
            const QString last = bandMeaning(row.bands.last());
            QCOMPARE(onPage.contains(steps.item + u" Inputs"_s), onPage.contains(last));
        }
    }
    // The band picture is drawn: its marker reads "0.80" as the result line does.
    QVERIFY2(text.count(u"0.80"_s) >= 2, qPrintable(text));
}

void TestCases::pdfHoldsEveryRow_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("paper");
    QTest::addRow("US English: Letter")
        << QLocale(QLocale::English, QLocale::UnitedStates) << u"612 x 792 pts (letter)"_s;
    QTest::addRow("German: A4") << QLocale(QLocale::German, QLocale::Germany)
                                << u"595 x 842 pts (A4)"_s;
}

// Save as PDF... on the results of the example: the locale's paper, every
// value as typed with its unit, every grid row, and the disclaimer at the foot
// of every page, as text.
void TestCases::pdfHoldsEveryRow()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    ScopedEnvironment day("SOURCE_DATE_EPOCH", "1709251199");
    MapFields fields = exampleFields();
    for (const Analyte& a : analytes())
        fields.setValue(a.id, fields.value(a.id).replace(u'.', locale.decimalPoint()));
    typeIntoDataEntry(overview(), fields);
    overview().fillResultGrid();
    const QList<ResultRow> rows = overview().results()->rows()->rows();
    QVERIFY(rows.size() > 20);

    overview().setExportFolder(m_dir->path());
    m_fake.answerFileWith(file(u"results"_s));
    click(overview().results(), u"PdfButton"_s);
    const QString path = file(u"results.pdf"_s);
    QCOMPARE(m_fake.trace(), QStringList{u"file:Save as PDF"_s});
    QCOMPARE(m_fake.calls().first().defaultText, file(u"quarvex-results-2024-02-29.pdf"_s));
    QCOMPARE(m_fake.calls().first().text, u"PDF documents (*.pdf)"_s);

    const QString text = pdfText(path);
    QVERIFY(text.startsWith(u"Quarvex Test Results "_s +
                            locale.toString(QDate(2024, 2, 29), QLocale::LongFormat)));
    QVERIFY(text.contains(u"Serum creatinine "_s + fields.value(A::SerumCreatinine) + u" mg/dL"_s));
    QVERIFY(text.contains(u"Serum sodium 139 mEq/L or mmol/L"_s));
    QVERIFY(text.contains(u"Gender Male"_s));
    for (const ResultRow& row : rows)
        QVERIFY2(text.contains(joined({row.name, row.result, row.interpretation})),
                 qPrintable(row.line()));
    const auto [pages, paper] = pdfPages(path);
    QTEST(paper, "paper");
    QVERIFY(pages >= 2);
    const QString disclaimer = displayText(disclaimerText()).simplified();
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(
            pdfText(path, page).endsWith(disclaimer + u" Page %1 of %2"_s.arg(page).arg(pages)),
            qPrintable(u"page %1"_s.arg(page)));
}

// The example's PDF with its worked steps: each item's heading once and on
// the page of its first lines, no text rules, every row's result line.
void TestCases::pdfWithWorkedSteps()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    typeIntoDataEntry(overview(), exampleFields());
    overview().fillResultGrid();
    overview().results()->findChild<QCheckBox*>(u"StepsCheckBox"_s)->setChecked(true);
    overview().setExportFolder(m_dir->path());
    m_fake.answerFileWith(file(u"steps"_s));
    click(overview().results(), u"PdfButton"_s);
    const QString path = file(u"steps.pdf"_s);
    const int pages = pdfPages(path).first;
    qInfo("worked steps of the example: %d pages", pages);
    QVERIFY(!pdfText(path).contains(u"==="_s));
    QStringList onPage;
    for (int page = 1; page <= pages; ++page)
        onPage << pdfText(path, page);
    for (const ItemDescriptor& descriptor : overviewItems()) {
        const QString heading = QString::fromLatin1(descriptor.listText) + u" Inputs "_s;
        qsizetype found = 0;
        for (const QString& text : onPage) {
            found += text.count(heading);
            // Kept with its first lines: the first input follows on the same page.
            if (text.contains(heading))
                QVERIFY2(!text.section(heading, 1).isEmpty(), descriptor.listText);
        }
        QCOMPARE(found, 1);
    }
}

void TestCases::printAndPdfDialogs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer"); // a file name, "print", "cancel"
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QString>("written"); // the file that holds the sheet, or none

    QTest::addRow("Print: to a printer that writes a PDF")
        << u"PrintButton"_s << u"print"_s << QStringList{u"print"_s} << u"printed.pdf"_s;
    QTest::addRow("Print: Cancel prints nothing")
        << u"PrintButton"_s << u"cancel"_s << QStringList{u"print"_s} << QString();
    QTest::addRow("Save as PDF: Cancel writes nothing")
        << u"PdfButton"_s << u"cancel"_s << QStringList{u"file:Save as PDF"_s} << QString();
    QTest::addRow("Save as PDF: a folder that is a file")
        << u"PdfButton"_s << u"plain/x.pdf"_s
        << QStringList{u"file:Save as PDF"_s, u"beep"_s,
                       u"critical:The results could not be saved to %1/plain/x.pdf.\r\r"_s}
        << QString();
}

void TestCases::printAndPdfDialogs()
{
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QStringList, trace);
    QFETCH(QString, written);
    QVERIFY(writeFile(file(u"plain"_s), "x"));
    typeIntoDataEntry(overview(), MapFields{{A::Ferritin, {u"120"_s, u"ng/ml"_s}}});
    overview().fillResultGrid();
    m_fake.clear();
    const QString printed = file(u"printed.pdf"_s);
    if (answer == u"print"_s) {
        m_fake.answerPrintWith([printed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
        });
    } else if (answer == u"cancel"_s) {
        m_fake.answerPrintWithCancel();
        m_fake.answerFileWith(QString());
    } else {
        m_fake.answerFileWith(file(answer));
    }
    click(overview().results(), button);

    QStringList got = m_fake.trace();
    trace.replaceInStrings(u"%1"_s, m_dir->path());
    QCOMPARE(got.size(), trace.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        QVERIFY2(got.at(i).startsWith(trace.at(i)), qPrintable(got.at(i)));
    QStringList files = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    files.removeOne(u"plain"_s);
    if (written.isEmpty()) {
        QCOMPARE(files, QStringList());
        return;
    }
    QCOMPARE(files, QStringList{written});
    QVERIFY(pdfText(file(written))
                .contains(u"Results Test Item Result Interpretation Ferritin Stores Serum ferritin "
                          u"level appears normal."_s));
}

QUARVEX_TEST_MAIN(TestCases)
#include "tst_cases.moc"
