#include "analytes/format.h"
#include "calc/formula.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "moodlereader.h"
#include "practice/grade.h"
#include "practice/itemkeys.h"
#include "practice/moodlexml.h"
#include "practice/practicejson.h"
#include "practice/slips.h"
#include "practice/worksheet.h"

#include <QBuffer>
#include <QJsonArray>

#include <cmath>

using namespace quarvex;
using namespace quarvex::moodletest;
using namespace Qt::Literals::StringLiterals;

// The Moodle XML of worksheets read back as an import reads it: every gap's
// syntax, its answers against --practice --answers for the same item, seed
// and level, its tolerances and slips against grading, and hostile texts
// through the escaping.
class TestMoodleXml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sheets_data();
    void sheets();
    void numbersWithADecimalPoint();
    void hostileTexts_data();
    void hostileTexts();
    void categoryNames_data();
    void categoryNames();
    void failingDevice();
};

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

QString codeOf(int version, int index)
{
    return u"V%1-E%2"_s.arg(version, 2, 10, QLatin1Char('0')).arg(index + 1);
}

QByteArray written(const QString& title, const QList<MoodleQuestion>& questions)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeMoodleXml(buffer, title, questions))
        return {};
    return buffer.data();
}

// "60.85" or "0.005": digits with at most one decimal point, nothing else.
bool plainDecimal(const QString& text)
{
    static const QRegularExpression pattern(u"^-?[0-9]+(\\.[0-9]+)?$"_s);
    return pattern.match(text).hasMatch();
}

struct NumberAnswer {
    double value = 0.0;
    double tolerance = 0.0;
    QString feedback;
};

// The answers of a NUMERICAL gap, each "value:tolerance" in plain decimals.
QList<NumberAnswer> numberAnswers(const ReadGap& gap, QString& fault)
{
    QList<NumberAnswer> out;
    for (const ReadAnswer& a : gap.answers) {
        const QStringList parts = a.answer.split(u':');
        if (parts.size() != 2 || !plainDecimal(parts[0]) || !plainDecimal(parts[1])) {
            fault = u"not value:tolerance in plain decimals: "_s + a.answer;
            return {};
        }
        out << NumberAnswer{parts[0].toDouble(), parts[1].toDouble(), clozeUnescaped(a.feedback)};
    }
    return out;
}

// A number as a learner types it in the locale (every digit).
QString typed(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 17);
}

// The feedback Moodle gives an answer: that of the first answer it lies within.
QString moodleFeedback(const QList<NumberAnswer>& answers, double typed)
{
    for (const NumberAnswer& a : answers) {
        if (std::fabs(typed - a.value) <= a.tolerance)
            return a.feedback;
    }
    return {};
}

} // namespace

void TestMoodleXml::sheets_data()
{
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("versions");
    QTest::addColumn<bool>("german");
    const QList<int> kidneyAndLipids = {int(ItemId::CreatinineClearance), int(ItemId::EgfrCkdEpi),
                                        int(ItemId::LdlFriedewald)};
    QList<int> every;
    for (const ItemDescriptor& d : overviewItems())
        every << int(d.id);
    QTest::newRow("30 versions, conversions asked") << kidneyAndLipids << 1 << 2 << 30 << false;
    QTest::newRow("10 versions, German texts") << kidneyAndLipids << 2 << 1 << 10 << true;
    QTest::newRow("every item, level 1") << every << 1 << 1 << 1 << false;
    QTest::newRow("every item, level 2") << every << 1 << 2 << 1 << false;
    QTest::newRow("every item, level 3") << every << 1 << 3 << 1 << false;
}

void TestMoodleXml::sheets()
{
    QFETCH(QList<int>, items);
    QFETCH(int, count);
    QFETCH(int, level);
    QFETCH(int, versions);
    QFETCH(bool, german);
    WorksheetSettings settings;
    for (int i : items)
        settings.items << ItemId(i);
    settings.count = count;
    settings.level = level;
    settings.versions = versions;
    settings.title = u"Renal & lipids {week 3}"_s;
    settings.seed = 20261207;
    const QLocale locale = german ? German : QLocale::c();
    const Worksheet sheet = makeWorksheet(settings, locale);
    const QList<MoodleQuestion> questions = worksheetMoodleQuestions(sheet, codeOf);

    const ReadQuiz quiz = readQuiz(written(settings.title, questions));
    QVERIFY2(quiz.ok, qPrintable(quiz.error));
    QCOMPARE(quiz.questions.size(), 1 + versions * items.size() * count);
    QCOMPARE(quiz.questions[0].type, u"category"_s);
    QCOMPARE(quiz.questions[0].texts.value(u"category"_s),
             u"$course$/Quarvex/Renal & lipids {week 3}"_s);

    int q = 1;
    int bandSlips = 0; // wrong bands that grading names a slip for
    int numberSlips = 0;
    for (const WorksheetVersion& v : sheet.versions) {
        for (int e = 0; e < v.exercises.size(); ++e, ++q) {
            const ReadQuestion& read = quiz.questions[q];
            const Exercise& sheetExercise = v.exercises[e];
            const QString where = codeOf(v.number, e);
            QCOMPARE(read.type, u"cloze"_s);
            QCOMPARE(read.texts.value(u"name"_s), where);
            QCOMPARE(read.texts.value(u"penalty"_s).trimmed(), u"0.3333333"_s);
            QCOMPARE(read.texts.value(u"hidden"_s).trimmed(), u"0"_s);
            QVERIFY(read.texts.value(u"generalfeedback"_s).contains(u"no mark here"_s));

            // The exercise made again as --practice ITEM --seed S --level L --answers makes it.
            const Exercise ex =
                makeExercise(sheetExercise.item, sheetExercise.seed, level, std::nullopt, locale);
            const QJsonArray json = exerciseJson(ex, true)[u"steps"_s].toArray();
            const QString text = read.texts.value(u"questiontext"_s);
            QVERIFY2(text.contains(sheetExercise.caseText().toHtmlEscaped()), qPrintable(where));
            const QList<ReadGap> gaps = readGaps(text);
            QCOMPARE(gaps.size(), ex.askedCount());
            QCOMPARE(read.texts.value(u"defaultgrade"_s).trimmed(),
                     QString::number(ex.askedCount()));
            // Braces in the question text belong to a gap and nothing else.
            QString outside = text;
            for (qsizetype g = gaps.size() - 1; g >= 0; --g)
                outside.remove(gaps[g].start, gaps[g].length);
            QVERIFY(!outside.contains(u'{') && !outside.contains(u'}'));

            const QList<SlipCase> cases = slipCases(ex);
            QList<SlipAnswers> slipped;
            for (const SlipCase& c : cases)
                slipped << slipAnswers(ex, c);
            // Per round, step id → the slip answer typed and Moodle's feedback.
            QList<QHash<QString, std::pair<QString, QString>>> rounds;
            int g = 0;
            for (int i = 0; i < ex.steps.size(); ++i) {
                const ExerciseStep& s = ex.steps[i];
                const QString at = where + u" "_s + s.id;
                if (s.given) {
                    QVERIFY2(text.contains(sheetExercise.steps[i].expectedText + u" "_s + s.unit +
                                           u" (given)"_s),
                             qPrintable(at));
                    continue;
                }
                const ReadGap& gap = gaps[g++];
                QVERIFY2(gap.ok, qPrintable(at));
                QCOMPARE(gap.weight, u"1"_s);
                int full = 0;
                for (const ReadAnswer& a : gap.answers) {
                    QVERIFY2(a.fraction == u"="_s || a.fraction == u"0"_s, qPrintable(at));
                    full += a.fraction == u"="_s ? 1 : 0;
                }
                QCOMPARE(full, 1);
                const QJsonValue expected = json[i][u"expected"_s];

                if (s.kind == StepKind::Choice) {
                    QCOMPARE(gap.type, u"MULTICHOICE"_s);
                    QStringList options;
                    for (const ReadAnswer& a : gap.answers) {
                        options << clozeUnescaped(a.answer);
                        if (a.fraction == u"="_s)
                            QCOMPARE(options.last(), expected.toString());
                    }
                    QCOMPARE(options, s.choices);
                    // A wrong choice carries the slip grading names for it, the
                    // row's result (where asked) being right.
                    const int result = [&] {
                        for (int k = 0; k < ex.steps.size(); ++k) {
                            if (ex.steps[k].role == StepRole::Result && ex.steps[k].row == s.row)
                                return k;
                        }
                        return -1;
                    }();
                    for (qsizetype o = 0; o < options.size(); ++o) {
                        if (gap.answers[o].fraction == u"="_s)
                            continue;
                        QHash<QString, QString> answers{{s.id, options[o]}};
                        if (result >= 0)
                            answers[ex.steps[result].id] =
                                typed(json[result][u"expected"_s].toDouble(), locale);
                        const Grade graded = grade(ex, answers, locale);
                        for (const StepGrade& sg : graded.steps) {
                            if (result >= 0 && sg.id == ex.steps[result].id)
                                QVERIFY2(sg.correct, qPrintable(at));
                            if (sg.id == s.id && !sg.slip.isEmpty()) {
                                ++bandSlips;
                                QCOMPARE(clozeUnescaped(gap.answers[o].feedback), sg.feedback);
                            }
                        }
                    }
                    continue;
                }

                QCOMPARE(gap.type, u"NUMERICAL"_s);
                QString fault;
                const QList<NumberAnswer> answers = numberAnswers(gap, fault);
                QVERIFY2(fault.isEmpty(), qPrintable(at + u": "_s + fault));
                // The right answer first, as --practice --answers gives it.
                QCOMPARE(gap.answers[0].fraction, u"="_s);
                QCOMPARE(answers[0].value, expected.toDouble());
                // Each interval lies within the step's tolerance around its value
                // (the expected one, or a slip's value), and is most of it.
                for (qsizetype a = 0; a < answers.size(); ++a) {
                    double target = s.expected;
                    // (the slip's value nearest to the answer's)
                    for (qsizetype c = 0; c < cases.size() && a > 0; ++c) {
                        const double v = slipped[c].numbers[i];
                        if (std::isfinite(v) && s.tolerance.accepts(v, answers[a].value) &&
                            (target == s.expected || std::fabs(v - answers[a].value) <
                                                         std::fabs(target - answers[a].value)))
                            target = v;
                    }
                    QVERIFY2(a == 0 || target != s.expected, qPrintable(at));
                    const double center = answers[a].value;
                    const double tolerance = answers[a].tolerance;
                    QVERIFY2(tolerance > 0.0, qPrintable(at));
                    for (const double side : {-1.0, 1.0}) {
                        QVERIFY2(s.tolerance.accepts(target, center + side * 0.999999 * tolerance),
                                 qPrintable(at));
                        QVERIFY2(!s.tolerance.accepts(target, center + side * 1.1 * tolerance),
                                 qPrintable(at));
                    }
                }
                QVERIFY(s.tolerance.accepts(s.expected, answers[0].value));
                // Every slip answer is a wrong answer that grading names with the
                // same feedback, and every slip that changes the step is there.
                // (Graded below, one slip answer of every step at a time.)
                for (qsizetype a = 1; a < answers.size(); ++a) {
                    QVERIFY2(!s.tolerance.accepts(s.expected, answers[a].value), qPrintable(at));
                    if (rounds.size() < a)
                        rounds.resize(a);
                    rounds[a - 1][s.id] = {typed(answers[a].value, locale),
                                           moodleFeedback(answers, answers[a].value)};
                }
                // A slip's value typed as the steps show it.
                for (qsizetype c = 0; c < cases.size(); ++c) {
                    const double v = slipped[c].numbers[i];
                    if (!std::isfinite(v) || s.tolerance.accepts(s.expected, v))
                        continue;
                    const double shown =
                        s.tolerance.kind == StepTolerance::AsShown
                            ? formatFixed(v, s.tolerance.decimals, QLocale::c()).toDouble()
                            : sixDigits(v, QLocale::c()).toDouble();
                    // (where grading, given that answer alone, names a slip)
                    bool named = false;
                    for (const StepGrade& sg :
                         grade(ex, {{s.id, typed(shown, locale)}}, locale).steps)
                        named = named || (sg.id == s.id && !sg.slip.isEmpty() && !sg.correct);
                    if (named)
                        QVERIFY2(!moodleFeedback(answers, shown).isEmpty(),
                                 qPrintable(at + u" "_s + QLatin1String(cases[c].slip->id)));
                }
            }
            // Each gap is marked on its own: its slip answer graded alone
            // names the slip, with the gap's feedback.
            for (const auto& round : rounds) {
                for (auto it = round.begin(); it != round.end(); ++it) {
                    for (const StepGrade& sg : grade(ex, {{it.key(), it->first}}, locale).steps) {
                        if (sg.id != it.key())
                            continue;
                        QVERIFY2(!sg.slip.isEmpty(), qPrintable(where + u" "_s + sg.id));
                        ++numberSlips;
                        QCOMPARE(sg.feedback, it->second);
                    }
                }
            }
        }
    }
    // Slip answers were put to grading. (A band is blamed on a slip only
    // where its edge was read the wrong way, which a sheet need not have.)
    Q_UNUSED(bandSlips);
    QVERIFY(numberSlips > 0);
}

void TestMoodleXml::numbersWithADecimalPoint()
{
    // Whatever the default locale, the gaps' numbers are written the same.
    QLocale::setDefault(German);
    const Exercise ex = makeExercise(ItemId::CreatinineClearance, 7, 2, std::nullopt, German);
    const QString inGerman = readGaps(readQuiz(written(u"t"_s, {moodleQuestion(ex, u"c"_s)}))
                                          .questions[1]
                                          .texts[u"questiontext"_s])
                                 .constFirst()
                                 .answers[0]
                                 .answer;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const Exercise english = makeExercise(ItemId::CreatinineClearance, 7, 2);
    const QString inEnglish = readGaps(readQuiz(written(u"t"_s, {moodleQuestion(english, u"c"_s)}))
                                           .questions[1]
                                           .texts[u"questiontext"_s])
                                  .constFirst()
                                  .answers[0]
                                  .answer;
    QCOMPARE(inGerman, inEnglish);
    QVERIFY(inEnglish.contains(u'.'));
    QVERIFY(!inEnglish.contains(u','));

    const struct {
        double value;
        const char* text;
    } table[] = {{60.851234, "60.8512"},
                 {1234567.0, "1234570"},
                 {0.000005, "0.000005"},
                 {-2.5, "-2.5"},
                 {100.0, "100"},
                 {0.0, "0"},
                 {1e21, "1000000000000000000000"}};
    for (const auto& row : table)
        QCOMPARE(moodleNumber(row.value), QString::fromLatin1(row.text));
}

void TestMoodleXml::hostileTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line"); // read back where a text is one line: names, gaps
    QTest::addColumn<QString>("html"); // read back from the question's HTML
    const auto row = [](const char* name, const QString& text, const QString& line,
                        const QString& html) { QTest::newRow(name) << text << line << html; };
    const auto same = [&](const char* name, const QString& text) { row(name, text, text, text); };
    same("cloze characters", u"a } b # c ~ d / e \" f \\ g"_s);
    same("html", u"<b>x</b> & <script>y</script>"_s);
    same("a gap of its own", u"{1:NUMERICAL:=1:0}"_s);
    same("a gap's placeholder", u"{#1}"_s);
    same("ends in a backslash", u"C:\\"_s);
    same("ends in an ampersand", u"salt & pepper &"_s);
    same("ends in an entity", u"a &amp;"_s);
    same("percent signs", u"%50%half ~%0%"_s);
    same("CDATA end", u"]]> and ]]]]>"_s);
    same("emoji and accents", u"Übung \U0001F9EA µmol/L"_s);
    row("control characters", u"a\u0001b\u001bc"_s, u"a\ufffdb\ufffdc"_s, u"a\ufffdb\ufffdc"_s);
    row("line ends", u"one\ntwo\r\nthree\rfour\tfive"_s, u"one two three four five"_s,
        u"one\ntwo\nthree\nfour\tfive"_s);
    row("lone surrogate", u"x"_s + QChar(0xd800) + u"y"_s, u"x\ufffdy"_s, u"x\ufffdy"_s);
    row("non-characters", u"a\ufffeb\uffffc"_s, u"a\ufffdb\ufffdc"_s, u"a\ufffdb\ufffdc"_s);
}

// A hostile text in every place: the title, the code, the case, each step's
// label, prompt and unit, the choices and every feedback.
void TestMoodleXml::hostileTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(QString, html);
    const Exercise ex = makeExercise(ItemId::CreatinineClearance, 7, 1);
    MoodleQuestion q = moodleQuestion(ex, text);
    q.caseText = text;
    for (MoodleStep& s : q.steps) {
        s.label = s.prompt = s.unit = text;
        for (qsizetype a = 0; a < s.answers.size(); ++a) {
            s.answers[a].feedback = text;
            if (s.choice)
                s.answers[a].text = text + QString::number(a);
        }
    }
    const ReadQuiz quiz = readQuiz(written(text, {q}));
    QVERIFY2(quiz.ok, qPrintable(quiz.error));
    QCOMPARE(quiz.questions.size(), 2);
    // The title is one category ("/" doubled).
    QCOMPARE(quiz.questions[0].texts[u"category"_s],
             u"$course$/Quarvex/"_s + QString(line).replace(u'/', u"//"_s));
    const QHash<QString, QString>& read = quiz.questions[1].texts;
    QCOMPARE(read[u"name"_s], line);

    const QString questionText = read[u"questiontext"_s];
    const QList<ReadGap> gaps = readGaps(questionText);
    QCOMPARE(gaps.size(), ex.askedCount());
    // No brace outside a gap; the case, labels and units read back whole.
    QString outside = questionText;
    for (qsizetype g = gaps.size() - 1; g >= 0; --g)
        outside.remove(gaps[g].start, gaps[g].length);
    QVERIFY(!outside.contains(u'{') && !outside.contains(u'}'));
    const QString shown = htmlUnescaped(outside);
    QVERIFY2(shown.startsWith(u"<p>"_s + html + u"</p>"_s), qPrintable(shown));
    QVERIFY2(shown.contains(u"<p><b>"_s + html + u"</b>: "_s + html + u"<br>"_s),
             qPrintable(shown));

    // Each answer and feedback reads back whole, in its own place.
    int g = 0;
    for (const MoodleStep& s : q.steps) {
        if (s.answers.isEmpty())
            continue;
        const ReadGap& gap = gaps[g++];
        QVERIFY2(gap.ok, qPrintable(gap.type));
        QCOMPARE(gap.answers.size(), s.answers.size());
        for (qsizetype a = 0; a < gap.answers.size(); ++a) {
            QCOMPARE(gap.answers[a].fraction, s.answers[a].right ? u"="_s : u"0"_s);
            QCOMPARE(clozeUnescaped(gap.answers[a].feedback).trimmed(), line.trimmed());
            if (s.choice)
                QCOMPARE(clozeUnescaped(gap.answers[a].answer).trimmed(),
                         (line + QString::number(a)).trimmed());
            else
                QCOMPARE(gap.answers[a].answer,
                         s.answers[a].text + u":"_s + s.answers[a].tolerance);
        }
    }
}

void TestMoodleXml::categoryNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("path"); // as Moodle splits "$course$/Quarvex/<name>"
    QTest::newRow("plain") << u"Week 3"_s << QStringList{u"Week 3"_s};
    QTest::newRow("empty") << u"  "_s << QStringList{u"Worksheet"_s};
    QTest::newRow("slash") << u"Renal/lipids"_s << QStringList{u"Renal/lipids"_s};
    QTest::newRow("leading slash") << u"/a"_s << QStringList{u"/a"_s};
    QTest::newRow("trailing slashes") << u"a//"_s << QStringList{u"a//"_s};
    QTest::newRow("only a slash") << u"/"_s << QStringList{u"/"_s};
    QTest::newRow("too long") << QString(300, u'x') << QStringList{QString(255, u'x')};
    QTest::newRow("long with a pair cut")
        << QString(254, u'x') + u"🧪"_s << QStringList{QString(254, u'x')};
}

// Moodle splits a category path at each "/" with no "/" beside it, trims each
// name and reads "//" in it as "/".
void TestMoodleXml::categoryNames()
{
    QFETCH(QString, title);
    QFETCH(QStringList, path);
    static const QRegularExpression separator(u"(?<!/)/(?!/)"_s);
    QStringList names = (u"$course$/Quarvex/"_s + moodleCategoryName(title)).split(separator);
    for (QString& name : names)
        name = name.trimmed().replace(u"//"_s, u"/"_s);
    QCOMPARE(names, QStringList({u"$course$"_s, u"Quarvex"_s}) + path);
}

// A device whose writes all fail, as on a full disk.
class FullDevice : public QIODevice
{
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

void TestMoodleXml::failingDevice()
{
    const Exercise ex = makeExercise(ItemId::CreatinineClearance, 7, 1);
    FullDevice full;
    QVERIFY(full.open(QIODevice::WriteOnly));
    QVERIFY(!writeMoodleXml(full, u"t"_s, {moodleQuestion(ex, u"c"_s)}));
}

QUARVEX_CORE_TEST_MAIN(TestMoodleXml)
#include "tst_moodlexml.moc"
