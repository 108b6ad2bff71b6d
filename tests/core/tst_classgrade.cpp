// Grading a class by exercise codes, the gradebook and the summary: a code
// that names no exercise of the sheet is refused on its line and never
// graded against another exercise; a class file that went through a
// spreadsheet grades the same; a student is one gradebook row whose
// percentages can be worked out by hand.

#include "coretestmain.h"
#include "practice/classgrade.h"
#include "practice/exercisecode.h"
#include "practice/itemkeys.h"
#include "practice/worksheet.h"

#include <QBuffer>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

class TestClassGrade : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedCodes_data();
    void refusedCodes();
    void codeWithoutSheet();
    void spreadsheetFileGradesTheSame();
    void gradebookOfThirty();
    void summaryCountsStudents();
};

namespace {

WorksheetSettings classSheet(int versions = 30)
{
    WorksheetSettings s;
    s.items = {ItemId::EgfrCkdEpi, ItemId::LdlFriedewald};
    s.count = 2;
    s.level = 2;
    s.versions = versions;
    s.title = u"Kidney and lipids"_s;
    s.seed = 20261207;
    return s;
}

// The right answer to every asked step of an exercise, by step id.
QHash<QString, QString> rightAnswers(const Exercise& ex)
{
    QHash<QString, QString> answers;
    for (const ExerciseStep& st : ex.steps) {
        if (!st.given)
            answers[st.id] = st.kind == StepKind::Choice ? st.expectedText
                                                         : QString::number(st.expected, 'g', 15);
    }
    return answers;
}

// A class file by codes: a header of Student, Code and every step id asked on
// the sheet, then one row per (student, code, answers).
struct ClassRow {
    QString student;
    QString code;
    QHash<QString, QString> answers;
};
QByteArray classFile(const Worksheet& sheet, const QList<ClassRow>& rows, QChar delimiter = u',',
                     const QString& extra = {}, const QStringList& extraCells = {})
{
    const auto cell = [delimiter](const QString& text) {
        return text.contains(delimiter) ? u'"' + text + u'"' : text;
    };
    QStringList ids;
    for (const WorksheetVersion& v : sheet.versions)
        for (const Exercise& ex : v.exercises)
            for (const ExerciseStep& st : ex.steps)
                if (!st.given && !ids.contains(st.id))
                    ids << st.id;
    QStringList header{u"Student"_s, u"Code"_s};
    if (!extra.isEmpty())
        header << extra;
    QString text = (header + ids).join(delimiter) + u"\n"_s;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QStringList cells{rows[r].student, rows[r].code};
        if (!extra.isEmpty())
            cells << extraCells.value(r);
        for (const QString& id : ids)
            cells << cell(rows[r].answers.value(id));
        text += cells.join(delimiter) + u"\n"_s;
    }
    return text.toUtf8();
}

struct Graded {
    ClassGradeSummary summary;
    QByteArray output;
    QStringList problems;
};

Graded grade(const QByteArray& input, const std::optional<WorksheetSettings>& sheet)
{
    QByteArray in = input;
    QBuffer inDevice(&in);
    inDevice.open(QIODevice::ReadOnly);
    Graded g;
    QBuffer outDevice(&g.output);
    outDevice.open(QIODevice::WriteOnly);
    ClassGradeOptions options;
    options.sheet = sheet;
    options.report = [&g](const QString& problem) { g.problems << problem; };
    g.summary = gradeClass(inDevice, outDevice, options);
    return g;
}

QByteArray gradebookBytes(ClassGradebook book, char delimiter = ',')
{
    book.delimiter = delimiter;
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    writeGradebook(book, QLocale::c(), device);
    return bytes;
}

// An RFC 4180 reader of the test's own, so the gradebook is not read back by
// the code that wrote it.
QList<QStringList> readCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
            field += u'"';
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (quoted || (c != u',' && c != u'\r' && c != u'\n')) {
            field += c;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\n') {
            rows << (row << field);
            row.clear();
            field.clear();
        }
    }
    return rows;
}

} // namespace

void TestClassGrade::refusedCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("problem");
    const WorksheetSettings s = classSheet();
    const QString code = worksheetExerciseCode(s, 5, 1); // the row in the middle
    // Slips of one character or of two neighbours; every one of them is
    // refused by readExerciseCode (tst_worksheetcodes tries them all).
    QString typo = code;
    typo[5] = typo[5] == u'7' ? u'8' : u'7';
    QTest::newRow("a character mistyped") << typo << u"wrong check character"_s;
    QString swapped = code;
    std::swap(swapped[1], swapped[2]);
    QTest::newRow("two neighbours swapped") << swapped << u"wrong check character"_s;
    QTest::newRow("a seed instead") << u"2320466134371044"_s << u"is not an exercise code"_s;
    QTest::newRow("empty") << QString() << u"is not an exercise code"_s;
    WorksheetSettings other = s;
    other.seed += 1;
    QTest::newRow("another sheet's") << worksheetExerciseCode(other, 5, 1) << u"belongs to sheet"_s;
    QTest::newRow("a version the sheet lacks")
        << worksheetExerciseCode(s, 31, 0) << u"has no version 31 with an exercise 1"_s;
    QTest::newRow("an exercise the sheet lacks")
        << worksheetExerciseCode(s, 5, 4) << u"has no version 5 with an exercise 5"_s;
}

// One row with a code that names no exercise of the sheet: reported on its
// line, skipped; the rows around it graded against their own exercises.
void TestClassGrade::refusedCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, problem);
    const WorksheetSettings s = classSheet();
    const Worksheet sheet = makeWorksheet(s);
    const QList<ClassRow> rows{
        {u"Ada"_s, worksheetExerciseCode(s, 5, 0), rightAnswers(sheet.versions[4].exercises[0])},
        {u"Ada"_s, code, rightAnswers(sheet.versions[4].exercises[1])},
        {u"Ada"_s, worksheetExerciseCode(s, 5, 2), rightAnswers(sheet.versions[4].exercises[2])},
    };
    const Graded g = grade(classFile(sheet, rows), s);
    QCOMPARE(g.summary.status, BatchSummary::Status::BadRows);
    QCOMPARE(g.summary.skipped, 1);
    QCOMPARE(g.summary.exercises, 2);
    QCOMPARE(g.problems.size(), 1);
    QVERIFY2(g.problems[0].startsWith(u"line 3: "_s) && g.problems[0].contains(problem) &&
                 g.problems[0].endsWith(u"; row skipped"_s),
             qPrintable(g.problems[0]));
    // The two graded rows are right, each against the exercise its code names.
    QCOMPARE(g.summary.meanScore, 1.0);
    const QList<QStringList> out = readCsv(g.output);
    QCOMPARE(out.size(), 3);
    QCOMPARE(out[0].mid(0, 7), (QStringList{u"Student"_s, u"Code"_s, u"Item"_s, u"Seed"_s,
                                            u"Level"_s, u"Generator"_s, u"Score"_s}));
    QCOMPARE(out[1][1], rows[0].code);
    QCOMPARE(out[1][3], QString::number(sheet.versions[4].exercises[0].seed));
    QCOMPARE(out[2][1], rows[2].code);
    QCOMPARE(out[2][2], itemKey(ItemId::LdlFriedewald));
    QCOMPARE(out[2][3], QString::number(sheet.versions[4].exercises[2].seed));
}

void TestClassGrade::codeWithoutSheet()
{
    const WorksheetSettings s = classSheet(2);
    const Worksheet sheet = makeWorksheet(s);
    const Graded g =
        grade(classFile(sheet, {{u"Ada"_s, worksheetExerciseCode(s, 1, 0), {}}}), std::nullopt);
    QCOMPARE(g.summary.status, BatchSummary::Status::BadHeader);
    QVERIFY(g.output.isEmpty());
    QCOMPARE(g.problems.size(), 1);
    QVERIFY2(g.problems[0].startsWith(u"line 1: "_s) && g.problems[0].contains(u"--sheet"_s),
             qPrintable(g.problems[0]));
}

// The same class file as a spreadsheet saves it: semicolons, CRLF, a byte
// order mark, codes quoted, in small letters and with spaces around.
void TestClassGrade::spreadsheetFileGradesTheSame()
{
    const WorksheetSettings s = classSheet(6);
    const Worksheet sheet = makeWorksheet(s);
    QList<ClassRow> rows;
    for (int v = 1; v <= s.versions; ++v) {
        for (int n = 0; n < 4; ++n) {
            QHash<QString, QString> answers = rightAnswers(sheet.versions[v - 1].exercises[n]);
            // Some answers left out, differently for each version.
            for (auto it = answers.begin(); it != answers.end();)
                it = (qHash(it.key()) + uint(v)) % 3 == 0 ? answers.erase(it) : std::next(it);
            rows << ClassRow{u"Student %1"_s.arg(v), worksheetExerciseCode(s, v, n), answers};
        }
    }
    const QByteArray plain = classFile(sheet, rows);
    for (ClassRow& row : rows)
        row.code = u"\" "_s + row.code.toLower() + u" \""_s;
    const QByteArray spreadsheet =
        "\xEF\xBB\xBF" + classFile(sheet, rows, u';').replace("\n", "\r\n");
    const Graded a = grade(plain, s);
    const Graded b = grade(spreadsheet, s);
    QCOMPARE(a.summary.status, BatchSummary::Status::Done);
    QCOMPARE(b.summary.status, BatchSummary::Status::Done);
    QCOMPARE(b.summary.exercises, 24);
    QVERIFY(a.summary.meanScore > 0.3 && a.summary.meanScore < 0.9);
    QCOMPARE(b.summary.meanScore, a.summary.meanScore);
    QCOMPARE(classSummaryText(b.summary, QLocale::c()), classSummaryText(a.summary, QLocale::c()));
    QCOMPARE(b.summary.gradebook.delimiter, ';');
    QCOMPARE(gradebookBytes(b.summary.gradebook), gradebookBytes(a.summary.gradebook));
    QCOMPARE(QString::fromUtf8(b.output).replace(u';', u','), QString::fromUtf8(a.output));
}

// A class of 30 (rows by exercise, so a student's rows are apart), with an
// Email column, versions nobody got and a student whose only row has a
// mistyped code.
void TestClassGrade::gradebookOfThirty()
{
    const WorksheetSettings s = classSheet(32);
    const Worksheet sheet = makeWorksheet(s);
    const auto name = [](int k) { return k == 4 ? u"+Mallory"_s : u"Student %1"_s.arg(k); };
    QList<ClassRow> rows;
    QStringList emails;
    for (int n = 0; n < 4; ++n) {
        for (int k = 1; k <= 32; ++k) {
            const Exercise& ex = sheet.versions[k - 1].exercises[n];
            QHash<QString, QString> answers;
            // 1: all right; 2: all blank; 3: the eGFR exercises right only;
            // 4: the first exercise right only; the others right on exercises 1 to k % 5.
            if (k == 1 || (k == 3 && n < 2) || (k == 4 && n == 0) ||
                (k > 4 && k <= 30 && n < k % 5))
                answers = rightAnswers(ex);
            // Versions 31 and 32 nobody got: no student, no answers.
            rows << ClassRow{k > 30 ? QString() : name(k), worksheetExerciseCode(s, k, n), answers};
            emails << (k > 30 ? QString() : u"s%1@example.org"_s.arg(k));
        }
    }
    // Zed's only row: a code mistyped.
    QString typo = worksheetExerciseCode(s, 7, 0);
    typo[5] = u'9';
    rows << ClassRow{u"Zed"_s, typo, rightAnswers(sheet.versions[6].exercises[0])};
    emails << u"zed@example.org"_s;
    const Graded g = grade(classFile(sheet, rows, u',', u"Email"_s, emails), s);
    QCOMPARE(g.summary.status, BatchSummary::Status::BadRows);
    QVERIFY2(g.summary.skipped == 1, qPrintable(g.problems.join(u'\n')));
    QCOMPARE(g.summary.unused, 8);
    QCOMPARE(g.summary.students, 30);
    QCOMPARE(g.summary.exercises, 120);

    const QList<QStringList> book = readCsv(gradebookBytes(g.summary.gradebook));
    QCOMPARE(book.size(), 31);
    QCOMPARE(book[0], (QStringList{u"Student"_s, u"Email"_s, u"Total"_s, u"egfr-ckd-epi-2021"_s,
                                   u"ldl-friedewald"_s}));
    // Worked by hand: exercise scores 1 1 1 1, 0 0 0 0, 1 1 0 0 and 1 0 0 0.
    QCOMPARE(book[1], (QStringList{u"Student 1"_s, u"s1@example.org"_s, u"100.00"_s, u"100.00"_s,
                                   u"100.00"_s}));
    QCOMPARE(book[2],
             (QStringList{u"Student 2"_s, u"s2@example.org"_s, u"0.00"_s, u"0.00"_s, u"0.00"_s}));
    QCOMPARE(book[3], (QStringList{u"Student 3"_s, u"s3@example.org"_s, u"50.00"_s, u"100.00"_s,
                                   u"0.00"_s}));
    // The name that would be a formula, guarded.
    QCOMPARE(book[4],
             (QStringList{u"'+Mallory"_s, u"s4@example.org"_s, u"25.00"_s, u"50.00"_s, u"0.00"_s}));
    for (int k = 5; k <= 30; ++k) {
        const QStringList& row = book[k];
        QCOMPARE(row[0], name(k));
        QCOMPARE(row[1], u"s%1@example.org"_s.arg(k));
        const int right = k % 5; // exercises right, the first ones
        QCOMPARE(row[2], QString::number(25.0 * right, 'f', 2));
        QCOMPARE(row[3], QString::number(50.0 * std::min(right, 2), 'f', 2));
        QCOMPARE(row[4], QString::number(50.0 * std::max(right - 2, 0), 'f', 2));
    }
}

// Hand-worked: two students each make the same slip in two exercises; the
// slip is counted once per student, and each step's share right is given.
void TestClassGrade::summaryCountsStudents()
{
    WorksheetSettings s;
    s.items = {ItemId::TibcCalculated};
    s.count = 2;
    s.level = 3;
    s.versions = 3;
    s.seed = 4;
    const Worksheet sheet = makeWorksheet(s);
    QList<ClassRow> rows;
    for (int v = 1; v <= 3; ++v) {
        for (int n = 0; n < 2; ++n) {
            const Exercise& ex = sheet.versions[v - 1].exercises[n];
            QHash<QString, QString> answers = rightAnswers(ex);
            if (v < 3) { // the decimal point one place off
                const ExerciseStep& result = ex.steps[ex.stepIndex(u"result"_s)];
                answers[u"result"_s] = QString::number(result.expected * 10, 'g', 15);
            }
            rows << ClassRow{u"S%1"_s.arg(v), worksheetExerciseCode(s, v, n), answers};
        }
    }
    const Graded g = grade(classFile(sheet, rows), s);
    QVERIFY2(g.summary.status == BatchSummary::Status::Done, qPrintable(g.problems.join(u'\n')));
    QCOMPARE(classSummaryText(g.summary, QLocale::c()),
             u"3 students, 6 exercises, mean score 0.67\n"
             "slips (students who made them): decimal-point 2\n"
             "right, tibc-calculated: result 2 of 6 (33 %), band 6 of 6 (100 %)"_s);
}

QUARVEX_CORE_TEST_MAIN(TestClassGrade)
#include "tst_classgrade.moc"
