// quarvex-cli --worksheet and --grade --batch from outside: the worksheet's
// exercises are --practice's for their seeds, and a class made of right
// answers, answers with each slip, and blanks is marked so.

#include "calc/itemid.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "practice/classgrade.h"
#include "practice/exercise.h"
#include "practice/itemkeys.h"
#include "practice/slips.h"
#include "practice/worksheet.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

class TestCliWorksheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exitStatus_data();
    void exitStatus();
    void exercisesArePractices();
    void seedsDependOnEveryPart();
    void gradeClass_data();
    void gradeClass();
    void badRows();
    void writtenAsTheDocument_data();
    void writtenAsTheDocument();
    void everyStepIdHasItsForm();
    void sheetFileAndClassCsv();
    void gradeByCode();
};

namespace {

struct Ran {
    int status = -1;
    QByteArray out;
    QString err;
};

Ran runCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C"_s);
    env.insert(u"LANG"_s, u"C"_s);
    process.setProcessEnvironment(env);
    process.start(QString::fromUtf8(QUARVEX_CLI), args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    Ran ran;
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = process.readAllStandardOutput();
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

QJsonObject object(const QByteArray& bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

// An RFC 4180 reader of its own, so the output is not read back by the code that wrote it.
QList<QStringList> readCsv(const QByteArray& bytes, QChar delimiter)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == delimiter) {
            row << field;
            field.clear();
        } else if (c == u'\r') {
        } else if (c == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

const QStringList Settings{
    u"--worksheet"_s, u"--items"_s, u"creatinine-clearance,transferrin-saturation,ast-alt-ratio"_s,
    u"--count"_s,     u"2"_s,       u"--versions"_s,
    u"4"_s,           u"--seed"_s,  u"2718"_s,
    u"--level"_s,     u"2"_s};

} // namespace

void TestCliWorksheet::exitStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // in standard error; empty: none

    const auto sheet = [](QStringList more) {
        return QStringList{u"--worksheet"_s, u"--items"_s, u"tibc-calculated"_s} + more;
    };
    QTest::newRow("worksheet") << sheet({}) << 0 << QString();
    QTest::newRow("by list text") << QStringList{u"--worksheet"_s, u"--items"_s,
                                                 u"Transferrin, ast-alt-ratio"_s}
                                  << 0 << QString();
    QTest::newRow("no items") << QStringList{u"--worksheet"_s} << 2 << u"needs --items"_s;
    QTest::newRow("unknown item") << QStringList{u"--worksheet"_s, u"--items"_s,
                                                 u"tibc-calculated,kidney"_s}
                                  << 2 << u"no item \"kidney\""_s;
    QTest::newRow("empty item") << QStringList{u"--worksheet"_s, u"--items"_s, u"ast-alt-ratio,"_s}
                                << 2 << u"no item \"\""_s;
    QTest::newRow("item twice") << QStringList{u"--worksheet"_s, u"--items"_s,
                                               u"tibc-calculated,TIBC-Calculated"_s}
                                << 2 << u"each item can be chosen once"_s;
    QTest::newRow("count 0") << sheet({u"--count"_s, u"0"_s}) << 2
                             << u"--count needs a whole number from 1 to 20"_s;
    QTest::newRow("count 21") << sheet({u"--count"_s, u"21"_s}) << 2
                              << u"--count needs a whole number from 1 to 20"_s;
    QTest::newRow("versions 201") << sheet({u"--versions"_s, u"201"_s}) << 2
                                  << u"--versions needs a whole number from 1 to 200"_s;
    QTest::newRow("versions +3") << sheet({u"--versions"_s, u"+3"_s}) << 2
                                 << u"--versions needs a whole number"_s;
    QTest::newRow("with --answers") << sheet({u"--answers"_s}) << 2 << u"takes no option"_s;
    QTest::newRow("with a file") << sheet({u"case.txt"_s}) << 2 << u"reads no input"_s;
    QTest::newRow("count without worksheet")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--count"_s, u"2"_s} << 2
        << u"can only be used with --worksheet"_s;
    QTest::newRow("worksheet and practice")
        << sheet({u"--practice"_s, u"tibc-calculated"_s}) << 2 << u"cannot be used together"_s;
    QTest::newRow("-o names a pdf")
        << sheet({u"-o"_s, u"sheet.PDF"_s}) << 2 << u"name them .json and .csv"_s;
    QTest::newRow("-o names a pdf beside --pdf")
        << sheet({u"--pdf"_s, u"/nonexistent/s.pdf"_s, u"-o"_s, u"s.pdf"_s}) << 2
        << u"(the sheets as PDF: --pdf PATH"_s;
    QTest::newRow("pdf to standard output with the sheet file")
        << sheet({u"--pdf"_s, u"-"_s}) << 2 << u"give -o PATH for the sheet file"_s;
    QTest::newRow("pdf is the key")
        << sheet({u"--pdf"_s, u"s.pdf"_s, u"--key-pdf"_s, u"s.pdf"_s, u"-o"_s, u"s.json"_s}) << 2
        << u"--pdf and --key-pdf name the same file"_s;
    QTest::newRow("key pdf is the class csv")
        << sheet({u"--key-pdf"_s, u"c.csv"_s, u"--class-csv"_s, u"c.csv"_s}) << 2
        << u"--key-pdf and --class-csv name the same file"_s;
    QTest::newRow("key without steps, no pdf")
        << sheet({u"--key-without-steps"_s}) << 2
        << u"--key-without-steps can only be used with --pdf or --key-pdf"_s;
    QTest::newRow("pdf without worksheet")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--pdf"_s, u"p.pdf"_s} << 2
        << u"can only be used with --worksheet"_s;
    QTest::newRow("pdf in a missing folder") << sheet({u"--pdf"_s, u"/nonexistent/s.pdf"_s}) << 1
                                             << u"/nonexistent/s.pdf: No such file or directory"_s;
    QTest::newRow("class csv is the output")
        << sheet({u"-o"_s, u"class.csv"_s, u"--class-csv"_s, u"class.csv"_s}) << 2
        << u"name the same file"_s;
    QTest::newRow("class csv without worksheet")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--class-csv"_s, u"c.csv"_s} << 2
        << u"can only be used with --worksheet"_s;
    QTest::newRow("grade batch with --threads")
        << QStringList{u"--grade"_s, u"--batch"_s, u"--threads"_s, u"2"_s} << 2
        << u"takes no option"_s;
    QTest::newRow("grade batch empty")
        << QStringList{u"--grade"_s, u"--batch"_s} << 2 << u"no header row"_s;
    QTest::newRow("sheet without grade batch")
        << sheet({u"--sheet"_s, u"s.json"_s}) << 2 << u"only be used with --grade --batch"_s;
    QTest::newRow("gradebook is the output")
        << QStringList{u"--grade"_s, u"--batch"_s, u"--gradebook"_s,
                       u"g.csv"_s,   u"-o"_s,      u"g.csv"_s}
        << 2 << u"--gradebook and -o name the same file"_s;
    QTest::newRow("sheet missing")
        << QStringList{u"--grade"_s, u"--batch"_s, u"--sheet"_s, u"/nonexistent/s.json"_s} << 2
        << u"--sheet /nonexistent/s.json: "_s;
    QTest::newRow("sheet not a sheet")
        << QStringList{u"--grade"_s, u"--batch"_s, u"--sheet"_s, QString::fromUtf8(QUARVEX_CLI)}
        << 2 << u"not JSON"_s;
    QTest::newRow("grade batch missing file")
        << QStringList{u"--grade"_s, u"--batch"_s, u"/nonexistent/class.csv"_s} << 2
        << u"/nonexistent/class.csv"_s;
}

void TestCliWorksheet::exitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Ran ran = runCli(args);
    QCOMPARE(ran.status, status);
    if (message.isEmpty())
        QCOMPARE(ran.err, QString());
    else
        QVERIFY2(ran.err.contains(message), qPrintable(ran.err));
    if (status != 0)
        QVERIFY(ran.out.isEmpty());
}

// Every exercise of the worksheet is what --practice writes for its item,
// seed and level, and its answers are --practice --answers's expected values;
// the same settings give the same worksheet, in the C and a German locale.
void TestCliWorksheet::exercisesArePractices()
{
    const Ran ran = runCli(Settings + QStringList{u"--title"_s, u"Renal week"_s});
    QCOMPARE(ran.status, 0);
    QCOMPARE(runCli(Settings + QStringList{u"--title"_s, u"Renal week"_s}).out, ran.out);
    const QJsonObject sheet = object(ran.out);
    QCOMPARE(sheet[u"title"_s].toString(), u"Renal week"_s);
    QCOMPARE(sheet[u"seed"_s].toInteger(), 2718);
    const QJsonArray versions = sheet[u"versions"_s].toArray();
    const QJsonArray answers = sheet[u"answers"_s].toArray();
    QCOMPARE(versions.size(), 4);
    QCOMPARE(answers.size(), 4);
    QSet<qint64> seeds;
    for (int v = 0; v < versions.size(); ++v) {
        QCOMPARE(versions[v][u"version"_s].toInt(), v + 1);
        const QJsonArray exercises = versions[v][u"exercises"_s].toArray();
        const QJsonArray keys = answers[v][u"exercises"_s].toArray();
        QCOMPARE(exercises.size(), 6);
        QCOMPARE(keys.size(), 6);
        for (int e = 0; e < exercises.size(); ++e) {
            QJsonObject ex = exercises[e].toObject();
            // Beside --practice's fields, the code printed beside the exercise.
            QCOMPARE(ex.take(u"code"_s).toString(),
                     worksheetExerciseCode(sheet[u"sheet"_s].toString(), v + 1, e));
            QCOMPARE(keys[e][u"code"_s].toString(),
                     worksheetExerciseCode(sheet[u"sheet"_s].toString(), v + 1, e));
            const QString item = ex[u"item"_s][u"id"_s].toString();
            QCOMPARE(item, Settings[2].split(u',')[e / 2]);
            const QString seed = QString::number(ex[u"seed"_s].toInteger());
            seeds.insert(ex[u"seed"_s].toInteger());
            QCOMPARE(keys[e][u"seed"_s].toInteger(), ex[u"seed"_s].toInteger());
            QCOMPARE(keys[e][u"item"_s].toString(), item);
            const QStringList practice{u"--practice"_s, item,  u"--seed"_s, seed,
                                       u"--level"_s,    u"2"_s};
            QCOMPARE(ex, object(runCli(practice).out));
            // The students' sheets carry no answers but the given steps'.
            for (const QJsonValue& step : ex[u"steps"_s].toArray())
                QCOMPARE(step.toObject().contains(u"expected"_s), step[u"given"_s].toBool());
            const QJsonObject expected = keys[e][u"expected"_s].toObject();
            int asked = 0;
            for (const QJsonValue& step :
                 object(runCli(practice + QStringList{u"--answers"_s}).out)[u"steps"_s].toArray()) {
                if (step[u"given"_s].toBool())
                    continue;
                ++asked;
                QCOMPARE(expected[step[u"id"_s].toString()], step[u"expected"_s]);
            }
            QCOMPARE(expected.size(), asked);
        }
    }
    QCOMPARE(seeds.size(), 4 * 6);

    // Case texts follow --locale; the seeds and steps do not change with it.
    const QJsonObject german =
        object(runCli(Settings + QStringList{u"--locale"_s, u"de_DE"_s}).out);
    const QJsonArray germanVersions = german[u"versions"_s].toArray();
    for (int v = 0; v < versions.size(); ++v) {
        for (int e = 0; e < 6; ++e) {
            const QJsonObject a = versions[v][u"exercises"_s][e].toObject();
            const QJsonObject b = germanVersions[v][u"exercises"_s][e].toObject();
            QCOMPARE(b[u"seed"_s], a[u"seed"_s]);
            QCOMPARE(b[u"steps"_s].toArray().size(), a[u"steps"_s].toArray().size());
            for (const QString& text : b[u"case"_s].toObject().keys()) {
                const QString value = b[u"case"_s][text].toString();
                if (value.contains(u'.'))
                    QFAIL(qPrintable(u"a point in a German case value: "_s + value));
            }
        }
    }
}

// Changing any of the seed, the version, the item or the index gives another
// exercise seed; the seeds stay within what JSON keeps exactly.
void TestCliWorksheet::seedsDependOnEveryPart()
{
    QSet<quint64> seen;
    int made = 0;
    for (quint64 seed : {quint64(0), quint64(1), MaxPracticeSeed})
        for (int version = 1; version <= 30; ++version)
            for (int i = 0; i < ItemCount; ++i)
                for (int index = 0; index < 3; ++index) {
                    const quint64 s = worksheetExerciseSeed(seed, version, ItemId(i), index);
                    QVERIFY(s <= MaxPracticeSeed);
                    seen.insert(s);
                    ++made;
                }
    QCOMPARE(seen.size(), made);
}

void TestCliWorksheet::gradeClass_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("delimiter");
    QTest::newRow("C, comma") << u"C"_s << QChar(u',');
    QTest::newRow("German, semicolon") << u"de_DE"_s << QChar(u';');
}

// A class made from the worksheet's key: one student answers everything
// right, one gives for each exercise the answers of a slip that changes it,
// one leaves everything blank. The marks, slips, scores and the summary say so.
void TestCliWorksheet::gradeClass()
{
    QFETCH(QString, locale);
    QFETCH(QChar, delimiter);
    QLocale numbers(locale);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const QJsonObject sheet = object(runCli(Settings).out);
    const QJsonArray keys = sheet[u"answers"_s][0][u"exercises"_s].toArray();

    // The columns: every step id of every exercise.
    QStringList stepIds;
    for (const QJsonValue& key : keys)
        for (const QString& id : key[u"expected"_s].toObject().keys())
            if (!stepIds.contains(id))
                stepIds << id;
    // One column absent: its steps are blank for every student.
    const QString absent = stepIds.takeLast();
    const QStringList header =
        QStringList{u"Student"_s, u"Item"_s, u"Seed"_s, u"Level"_s, u"Generator"_s} + stepIds;

    const auto cell = [&](const QString& text) {
        return text.contains(delimiter) ? u'"' + text + u'"' : text;
    };
    const auto number = [&](double v) { return numbers.toString(v, 'g', 15); };
    QString csv = header.join(delimiter) + u"\r\n"_s;
    struct Expect {
        QString student;
        QStringList changed; // the steps a slip changed
        QString slip;
    };
    QList<Expect> expects;
    for (const QJsonValue& key : keys) {
        const QString item = key[u"item"_s].toString();
        const quint64 seed = quint64(key[u"seed"_s].toInteger());
        const QJsonObject expected = key[u"expected"_s].toObject();
        const QStringList lead{item, QString::number(seed), u"2"_s,
                               QString::number(key[u"generator"_s].toInt())};
        const auto answerRow = [&](const QString& student, const QHash<QString, QString>& given) {
            QStringList row{student};
            row << lead;
            for (const QString& id : stepIds)
                row << cell(given.value(id));
            csv += row.join(delimiter) + u"\r\n"_s;
        };
        QHash<QString, QString> right;
        for (auto it = expected.begin(); it != expected.end(); ++it)
            right[it.key()] = it->isDouble() ? number(it->toDouble()) : it->toString();
        answerRow(u"Ada"_s, right);
        expects << Expect{u"Ada"_s, {}, {}};
        answerRow(u"Cy"_s, {});
        expects << Expect{u"Cy"_s, {}, {}};

        const Exercise ex = makeExercise(*findItem(item), seed, 2);
        for (const SlipCase& c : slipCases(ex)) {
            const SlipAnswers slipped = slipAnswers(ex, c);
            QHash<QString, QString> wrong = right;
            QStringList changed;
            for (int i = 0; i < ex.steps.size(); ++i) {
                const ExerciseStep& st = ex.steps[i];
                if (st.given || st.id == absent)
                    continue;
                if (st.kind == StepKind::Choice) {
                    // A band after a changed value is carried or not by the
                    // value as written; only one on a right value is judged.
                    const bool afterChange =
                        std::any_of(st.dependsOn.begin(), st.dependsOn.end(),
                                    [&](int d) { return changed.contains(ex.steps[d].id); });
                    if (!afterChange && !slipped.choices[i].isEmpty() &&
                        slipped.choices[i] != st.expectedText) {
                        wrong[st.id] = slipped.choices[i];
                        changed << st.id;
                    }
                } else if (std::isfinite(slipped.numbers[i])) {
                    // Every number as the slip makes it (the learner's own
                    // working), changed where it is off by more than the
                    // tolerance and, for a result as shown, its last digit; a
                    // result off by less stays right.
                    const bool accepted = st.tolerance.accepts(st.expected, slipped.numbers[i]);
                    const bool changes =
                        !accepted && (st.tolerance.kind != StepTolerance::AsShown ||
                                      std::fabs(slipped.numbers[i] - st.expected) >
                                          std::pow(10.0, -st.tolerance.decimals));
                    if (accepted || changes)
                        wrong[st.id] = number(slipped.numbers[i]);
                    if (changes)
                        changed << st.id;
                }
            }
            if (changed.isEmpty())
                continue;
            answerRow(u"Bo"_s, wrong);
            expects << Expect{u"Bo"_s, changed, QString::fromLatin1(c.slip->id)};
        }
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(u"class.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv.toUtf8());
    file.close();
    // Carried steps counted wrong: every changed step is then wrong, where
    // the slip happened with its name, after it carried.
    const Ran ran =
        runCli({u"--grade"_s, u"--batch"_s, u"--no-carry"_s, u"--locale"_s, locale, path});
    QCOMPARE(ran.status, 0);
    const QList<QStringList> rows = readCsv(ran.out, delimiter);
    QCOMPARE(rows.size(), expects.size() + 1);
    const QStringList outHeader = rows[0];
    QCOMPARE(outHeader.mid(0, 8),
             (QStringList{u"Student"_s, u"Item"_s, u"Seed"_s, u"Level"_s, u"Generator"_s,
                          u"Score"_s, u"Right"_s, u"Fully right"_s}));
    QVERIFY(outHeader.contains(absent + u": mark"_s));
    const auto column = [&](const QString& id, const char* what) {
        return outHeader.indexOf(id + u": "_s + QLatin1String(what));
    };
    int slipRows = 0;
    QSet<QString> slipsNamed;
    for (qsizetype r = 0; r < expects.size(); ++r) {
        const QStringList& row = rows[r + 1];
        const Expect& e = expects[r];
        QCOMPARE(row.size(), outHeader.size());
        QCOMPARE(row[0], e.student);
        QCOMPARE(row[4], QString::number(GeneratorVersion));
        const int asked = row[8].toInt();
        QCOMPARE(row[7], row[6]); // nothing carried counts
        QVERIFY(asked > 0);
        const bool absentAsked = !row[column(absent, "mark")].isEmpty();
        for (const QString& id : stepIds + QStringList{absent}) {
            const QString mark = row[column(id, "mark")];
            if (mark.isEmpty())
                continue; // not a step of this row's exercise
            const QString slip = row[column(id, "slip")];
            const QString feedback = row[column(id, "feedback")];
            QVERIFY(!feedback.isEmpty());
            if (id == absent || e.student == u"Cy"_s) {
                QCOMPARE(mark, u"blank"_s);
            } else if (e.changed.contains(id)) {
                QVERIFY2(mark == u"wrong"_s || mark == u"carried"_s, qPrintable(mark));
                QVERIFY2(slip.isEmpty() == (mark == u"carried"_s),
                         qPrintable(e.slip + u": "_s + feedback));
                if (!slip.isEmpty())
                    slipsNamed.insert(slip);
            } else {
                QVERIFY2(mark == u"right"_s, qPrintable(id + u": "_s + feedback));
                QVERIFY(slip.isEmpty());
            }
        }
        const int right = row[6].toInt();
        if (e.student == u"Cy"_s)
            QCOMPARE(right, 0);
        else if (e.student == u"Ada"_s)
            QCOMPARE(right, asked - int(absentAsked));
        else
            QCOMPARE(right, asked - int(absentAsked) - int(e.changed.size()));
        QCOMPARE(numbers.toDouble(row[5]), std::round(100.0 * right / asked) / 100.0);
        slipRows += e.student == u"Bo"_s;
    }
    QVERIFY2(slipRows >= 6, qPrintable(QString::number(slipRows)));
    QVERIFY2(slipsNamed.size() >= 3, qPrintable(QStringList(slipsNamed.values()).join(u", "_s)));
    // The summary: three students, every row an exercise; each slip made by
    // Bo alone, however many steps it changed; a line of steps per item.
    const QStringList lines = ran.err.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines[0].startsWith(
                 u"quarvex-cli: 3 students, %1 exercises, mean score "_s.arg(expects.size())),
             qPrintable(ran.err));
    const QString slipsLine = u"quarvex-cli: slips (students who made them): "_s;
    QVERIFY2(lines[1].startsWith(slipsLine), qPrintable(ran.err));
    for (const QString& slip : lines[1].mid(slipsLine.size()).split(u", "_s))
        QVERIFY2(slip.endsWith(u" 1"_s) && slipsNamed.contains(slip.chopped(2)), qPrintable(slip));
    QCOMPARE(lines.size(), 5);
    QVERIFY2(lines[2].startsWith(u"quarvex-cli: right, creatinine-clearance: "_s),
             qPrintable(lines[2]));
}

// Rows that cannot be graded are reported with their line and skipped; the
// rest are graded and the exit status is 3.
void TestCliWorksheet::badRows()
{
    const QByteArray csv = "Student,Item,Seed,Level,Generator,result\r\n"
                           "Ada,tibc-calculated,4,3,3,300\r\n"
                           "Bo,kidney,4,3,3,300\r\n"
                           "Cy,tibc-calculated,-4,3,3,300\r\n"
                           "Di,tibc-calculated,4,3,3,300,9\r\n"
                           "Ed,ast-alt-ratio,4,4,3,1\r\n"
                           "Flo,tibc-calculated,4,3,3,\r\n"
                           "Gus,tibc-calculated,4,3,1,300\r\n"
                           "Hal,tibc-calculated,4,3,3,300\r\n"_ba;
    Ran ran = runCli({u"--grade"_s, u"--batch"_s}, csv);
    QCOMPARE(ran.status, 3);
    QVERIFY2(ran.err.contains(u"line 3: no item \"kidney\"; row skipped"_s), qPrintable(ran.err));
    QVERIFY2(ran.err.contains(u"line 4: the seed \"-4\""_s), qPrintable(ran.err));
    QVERIFY2(ran.err.contains(u"line 5: 7 fields where the header has 6; row skipped"_s),
             qPrintable(ran.err));
    QVERIFY2(ran.err.contains(u"line 6: the level \"4\""_s), qPrintable(ran.err));
    // Another generator's exercise is never graded against this one's case.
    QVERIFY2(ran.err.contains(u"line 8: the exercise was made by another version of the exercise "
                              "generator (Generator \"1\"; this program's is 3) and must be made "
                              "again; row skipped"_s),
             qPrintable(ran.err));
    QVERIFY2(ran.err.contains(u"3 students, 3 exercises"_s), qPrintable(ran.err));
    const QList<QStringList> rows = readCsv(ran.out, u',');
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[1][0], u"Ada"_s);
    QCOMPARE(rows[2][0], u"Flo"_s);
    QCOMPARE(rows[3][0], u"Hal"_s);

    // An answer to a step the exercise does not have.
    ran = runCli({u"--grade"_s, u"--batch"_s},
                 "Student;Item;Seed;Level;Generator;step-9\nAda;tibc-calculated;4;3;3;1\n"_ba);
    QCOMPARE(ran.status, 3);
    QVERIFY2(ran.err.contains(u"line 2: an answer to \"step-9\", which is no step"_s),
             qPrintable(ran.err));
    // Columns missing or repeated: nothing is written.
    ran = runCli({u"--grade"_s, u"--batch"_s}, "Student,Item,Seed\nAda,tibc-calculated,4\n"_ba);
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.err.contains(u"no column Level"_s), qPrintable(ran.err));
    QVERIFY(ran.out.isEmpty());
    // A sheet without Generator was made for an earlier generator: refused whole.
    ran = runCli({u"--grade"_s, u"--batch"_s},
                 "Student,Item,Seed,Level,result\nAda,tibc-calculated,4,3,300\n"_ba);
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.err.contains(u"no column Generator"_s) &&
                 ran.err.contains(u"earlier version of the exercise generator"_s),
             qPrintable(ran.err));
    QVERIFY(ran.out.isEmpty());
    // A Scenario column: the cases are drawn from the scenarios named, and said again.
    ran = runCli({u"--grade"_s, u"--batch"_s}, "Student,Item,Seed,Level,Generator,Scenario,result\n"
                                               "Ada,ferritin-iron-stores,4,3,3,iron-deficiency,\n"
                                               "Bo,ferritin-iron-stores,4,3,3,ckd-g4,\n"_ba);
    QCOMPARE(ran.status, 3);
    QVERIFY2(ran.err.contains(u"line 3: no scenario chosen (ckd-g4)"_s), qPrintable(ran.err));
    const QList<QStringList> scenarioRows = readCsv(ran.out, u',');
    QCOMPARE(scenarioRows.size(), 2);
    QCOMPARE(scenarioRows[0][5], u"Scenario"_s);
    QCOMPARE(scenarioRows[1][5], u"iron-deficiency"_s);
    ran = runCli({u"--grade"_s, u"--batch"_s}, "Student,Item,Seed,Level,Seed\n"_ba);
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.err.contains(u"repeated column \"Seed\""_s), qPrintable(ran.err));
}

void TestCliWorksheet::writtenAsTheDocument_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("versions");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("locale");
    QTest::addRow("one exercise") << QStringList{u"creatinine-clearance"_s} << 1 << 1 << 1
                                  << QString() << u"C"_s;
    QTest::addRow("several items, exercises and versions")
        << QStringList{u"ast-alt-ratio"_s, u"ldl-sampson"_s, u"egfr-ckd-epi-2021"_s} << 2 << 3 << 2
        << u"Quiz \"3\" \u00e4\u2013\\"_s << u"C"_s;
    QTest::addRow("German numbers, level 3")
        << QStringList{u"transferrin-saturation"_s, u"creatinine-clearance"_s} << 1 << 2 << 3
        << u"Blatt"_s << u"de_DE"_s;
}

// The sheet written a version at a time is the document, byte for byte.
void TestCliWorksheet::writtenAsTheDocument()
{
    QFETCH(QStringList, items);
    QFETCH(int, count);
    QFETCH(int, versions);
    QFETCH(int, level);
    QFETCH(QString, title);
    QFETCH(QString, locale);
    WorksheetSettings settings;
    for (const QString& key : items)
        settings.items << findItem(key).value();
    settings.count = count;
    settings.versions = versions;
    settings.level = level;
    settings.title = title;
    settings.seed = 12345;
    const QLocale numbers(locale);
    QByteArray written;
    QBuffer device(&written);
    QVERIFY(device.open(QIODevice::WriteOnly));
    QVERIFY(writeWorksheetJson(settings, numbers, device));
    QCOMPARE(written, QJsonDocument(worksheetJson(makeWorksheet(settings, numbers)))
                          .toJson(QJsonDocument::Indented));
}

// A class file's columns that are no step id are passed through: every step
// id an exercise can ask must have the form that tells it from them.
void TestCliWorksheet::everyStepIdHasItsForm()
{
    for (const ItemDescriptor& d : overviewItems()) {
        for (int level = 1; level <= PracticeLevels; ++level) {
            for (quint64 seed = 0; seed < 40; ++seed) {
                for (const ExerciseStep& step : makeExercise(d.id, seed, level).steps)
                    QVERIFY2(isStepIdForm(step.id), qPrintable(step.id));
            }
        }
    }
    for (const QString& name :
         {u"Email"_s, u"ID number"_s, u"Student"_s, u"step-0"_s, u"convert-UnitWeight"_s,
          u"convert-"_s, u"row0-result"_s, u"results"_s})
        QVERIFY2(!isStepIdForm(name), qPrintable(name));
}

QUARVEX_CORE_TEST_MAIN(TestCliWorksheet)
// The sheet file written with -o reads back as the settings that made it, and
// the class file has a row per exercise with the code the sheet prints.
void TestCliWorksheet::sheetFileAndClassCsv()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sheetPath = dir.filePath(u"sheet.json"_s);
    const QString classPath = dir.filePath(u"class.csv"_s);
    const Ran ran = runCli(Settings + QStringList{u"--title"_s, u"Week 3"_s, u"-o"_s, sheetPath,
                                                  u"--class-csv"_s, classPath});
    QCOMPARE(ran.status, 0);
    QCOMPARE(ran.err, QString());
    QVERIFY(ran.out.isEmpty());
    QFile sheetFile(sheetPath), classFile(classPath);
    QVERIFY(sheetFile.open(QIODevice::ReadOnly) && classFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = sheetFile.readAll();
    QString error;
    const std::optional<WorksheetSettings> settings = readWorksheetSettings(bytes, error);
    QVERIFY2(settings, qPrintable(error));
    QCOMPARE(settings->items, (QList<ItemId>{ItemId::CreatinineClearance,
                                             ItemId::TransferrinSaturation, ItemId::AstAltRatio}));
    QCOMPARE(settings->versions, 4);
    QCOMPARE(settings->count, 2);
    QCOMPARE(settings->level, 2);
    QCOMPARE(settings->seed, 2718u);
    QCOMPARE(settings->title, u"Week 3"_s);

    const QJsonObject sheet = object(bytes);
    const QList<QStringList> rows = readCsv(classFile.readAll(), u',');
    QVERIFY(rows.size() > 1);
    const QStringList header = rows.first();
    QCOMPARE(header.mid(0, 2), (QStringList{u"Student"_s, u"Code"_s}));
    QCOMPARE(QSet<QString>(header.begin(), header.end()).size(), header.size());
    // Every step asked on the sheet has its column; every row is one exercise, in order.
    qsizetype row = 1;
    for (const QJsonValue& version : sheet["versions"_L1].toArray()) {
        for (const QJsonValue& exercise : version["exercises"_L1].toArray()) {
            QVERIFY(row < rows.size());
            QCOMPARE(rows[row].size(), header.size());
            QCOMPARE(rows[row][0], QString());
            QCOMPARE(rows[row][1], exercise["code"_L1].toString());
            QVERIFY(rows[row][1].startsWith(sheet["sheet"_L1].toString() + u'-'));
            for (qsizetype c = 2; c < header.size(); ++c)
                QCOMPARE(rows[row][c], QString());
            for (const QJsonValue& step : exercise["steps"_L1].toArray()) {
                if (!step["given"_L1].toBool())
                    QVERIFY2(header.contains(step["id"_L1].toString()),
                             qPrintable(step["id"_L1].toString()));
            }
            ++row;
        }
    }
    QCOMPARE(row, rows.size());
    QCOMPARE(rows.size() - 1, 4 * 3 * 2);
}

// The class file --class-csv wrote, filled in and graded by its codes with
// the sheet: a mistyped code is refused on its line, the rest graded, and the
// gradebook has a row per student.
void TestCliWorksheet::gradeByCode()
{
    QTemporaryDir dir;
    const QString sheetPath = dir.filePath(u"sheet.json"_s);
    const QString classPath = dir.filePath(u"class.csv"_s);
    QCOMPARE(runCli(Settings + QStringList{u"-o"_s, sheetPath, u"--class-csv"_s, classPath}).status,
             0);
    QFile sheetFile(sheetPath), classFile(classPath);
    QVERIFY(sheetFile.open(QIODevice::ReadOnly) && classFile.open(QIODevice::ReadOnly));
    QHash<QString, QJsonObject> keys; // by code
    for (const QJsonValue& version : object(sheetFile.readAll())[u"answers"_s].toArray())
        for (const QJsonValue& key : version[u"exercises"_s].toArray())
            keys[key[u"code"_s].toString()] = key[u"expected"_s].toObject();
    QList<QStringList> rows = readCsv(classFile.readAll(), u',');
    const QStringList header = rows[0];
    // Versions 1 to 3 handed out: Ada all right, Bo the first exercise only,
    // Cy all blank; version 4 left empty. One of Ada's codes mistyped.
    const QStringList students{u"Ada"_s, u"Bo"_s, u"Cy"_s, QString()};
    QString csv = u"Student,ID number,"_s + header.mid(1).join(u',') + u"\r\n"_s;
    QString mistyped;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        QStringList row = rows[r];
        const int version = row[1].section(u'-', 1, 1).toInt();
        const bool first = row[1].endsWith(u"-1"_s + row[1].back());
        const QJsonObject expected = keys.value(row[1]);
        row[0] = students[version - 1];
        if (version == 1 || (version == 2 && first)) {
            for (qsizetype c = 2; c < header.size(); ++c) {
                const QJsonValue v = expected[header[c]];
                row[c] = v.isDouble() ? QString::number(v.toDouble(), 'g', 15) : v.toString();
                if (row[c].contains(u','))
                    row[c] = u'"' + row[c] + u'"';
            }
        }
        if (r == 3) { // Ada's third exercise
            row[1][row[1].size() - 1] = row[1].back() == u'A' ? u'C' : u'A';
            mistyped = row[1];
        }
        row.insert(1, version < 4 ? u"10%1"_s.arg(version) : QString());
        csv += row.join(u',') + u"\r\n"_s;
    }
    QFile filled(classPath);
    QVERIFY(filled.open(QIODevice::WriteOnly));
    filled.write(csv.toUtf8());
    filled.close();

    const QString gradebookPath = dir.filePath(u"gradebook.csv"_s);
    Ran ran = runCli({u"--grade"_s, u"--batch"_s, u"--sheet"_s, sheetPath, u"--gradebook"_s,
                      gradebookPath, classPath});
    QCOMPARE(ran.status, 3);
    QVERIFY2(ran.err.contains(
                 u"line 4: the exercise code %1 has a wrong check character"_s.arg(mistyped)),
             qPrintable(ran.err));
    QVERIFY2(ran.err.contains(u"3 students, 17 exercises"_s), qPrintable(ran.err));
    const QList<QStringList> graded = readCsv(ran.out, u',');
    QCOMPARE(graded.size(), 18);
    QCOMPARE(graded[0].mid(0, 6), (QStringList{u"Student"_s, u"Code"_s, u"Item"_s, u"Seed"_s,
                                               u"Level"_s, u"Generator"_s}));
    QCOMPARE(graded[1][2], u"creatinine-clearance"_s);
    QCOMPARE(graded[1][6], u"1.00"_s);
    QFile gradebook(gradebookPath);
    QVERIFY(gradebook.open(QIODevice::ReadOnly));
    QCOMPARE(readCsv(gradebook.readAll(), u','),
             (QList<QStringList>{
                 {u"Student"_s, u"ID number"_s, u"Total"_s, u"creatinine-clearance"_s,
                  u"transferrin-saturation"_s, u"ast-alt-ratio"_s},
                 {u"Ada"_s, u"101"_s, u"100.00"_s, u"100.00"_s, u"100.00"_s, u"100.00"_s},
                 {u"Bo"_s, u"102"_s, u"16.67"_s, u"50.00"_s, u"0.00"_s, u"0.00"_s},
                 {u"Cy"_s, u"103"_s, u"0.00"_s, u"0.00"_s, u"0.00"_s, u"0.00"_s}}));

    // Without the sheet the codes cannot be read: nothing is graded.
    ran = runCli({u"--grade"_s, u"--batch"_s, classPath});
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.err.contains(u"give the sheet file with --sheet"_s), qPrintable(ran.err));
    QVERIFY(ran.out.isEmpty());
}

#include "tst_cli_worksheet.moc"
