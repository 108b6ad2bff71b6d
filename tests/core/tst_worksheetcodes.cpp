#include "coretestmain.h"
#include "practice/exercisecode.h"
#include "practice/itemkeys.h"
#include "practice/prng.h"
#include "practice/worksheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

// Exercise codes and the sheet file: a code mistyped by one character or by
// a swap of two neighbours never names another exercise, and a sheet file
// makes the same worksheet again or is refused.
class TestWorksheetCodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alphabet();
    void everySlipIsRefused_data();
    void everySlipIsRefused();
    void readsCodes_data();
    void readsCodes();
    void sheetIdFollowsTheSettings();
    void codesOnTheSheet();
    void sheetFileRoundTrip();
    void sheetFileRefused_data();
    void sheetFileRefused();
};

namespace {

WorksheetSettings classSheet()
{
    WorksheetSettings s;
    s.items = {ItemId::EgfrCkdEpi, ItemId::LdlFriedewald};
    s.count = 3;
    s.level = 2;
    s.versions = 30;
    s.title = u"Kidney and lipids"_s;
    s.seed = 20261207;
    return s;
}

QByteArray sheetBytes(const WorksheetSettings& s)
{
    return QJsonDocument(worksheetJson(makeWorksheet(s))).toJson(QJsonDocument::Compact);
}

} // namespace

void TestWorksheetCodes::alphabet()
{
    const QString alphabet = QString::fromLatin1(CodeAlphabet);
    QCOMPARE(alphabet.size(), CodeRadix);
    QCOMPARE(QSet<QChar>(alphabet.begin(), alphabet.end()).size(), CodeRadix);
    // Prime, so that every weight and every difference of two weights is invertible.
    for (int d = 2; d * d <= CodeRadix; ++d)
        QVERIFY(CodeRadix % d != 0);
    for (QChar lookalike : u"BGILOSZ"_s)
        QVERIFY2(!alphabet.contains(lookalike), qPrintable(QString(lookalike)));
    // Codes are printed on paper: the check characters of a later version must be the same.
    QCOMPARE(exerciseCode({u"K7Q4"_s, 12, 1}), u"K7Q4-12-1C"_s);
    QCOMPARE(exerciseCode({u"KDVU"_s, 3, 8}), u"KDVU-3-8X"_s);
    // Sheet ids start with a letter whatever the hash.
    PracticeRandom random(7);
    for (int i = 0; i < 2000; ++i) {
        const QString id = sheetIdFromHash(random.next());
        QVERIFY2(isSheetId(id) && id.front().isLetter(), qPrintable(id));
    }
}

void TestWorksheetCodes::everySlipIsRefused_data()
{
    QTest::addColumn<QString>("code");
    PracticeRandom random(33);
    // Versions and exercise numbers of every length, on many sheet ids.
    for (int sheet = 0; sheet < 12; ++sheet) {
        const QString id = sheetIdFromHash(random.next());
        for (int version : {1, 9, 10, 12, 100, 200}) {
            for (int exercise : {1, 3, 10, 99, 560}) {
                const QString code = exerciseCode({id, version, exercise});
                QTest::addRow("%s", qPrintable(code)) << code;
            }
        }
    }
}

void TestWorksheetCodes::everySlipIsRefused()
{
    QFETCH(QString, code);
    const QString typed =
        QString::fromLatin1(CodeAlphabet) + u"-BGILOSZ.x/"_s; // x: a small letter off the alphabet
    for (qsizetype i = 0; i < code.size(); ++i) {
        for (QChar c : typed) {
            if (c.toUpper() == code[i]) // a small letter reads as its capital
                continue;
            QString slip = code;
            slip[i] = c;
            const CodeReading reading = readExerciseCode(slip);
            QVERIFY2(!reading.code && !reading.problem.isEmpty(), qPrintable(slip));
        }
    }
    for (qsizetype i = 0; i + 1 < code.size(); ++i) {
        if (code[i] == code[i + 1])
            continue;
        QString swapped = code;
        std::swap(swapped[i], swapped[i + 1]);
        QVERIFY2(!readExerciseCode(swapped).code, qPrintable(swapped));
    }
}

void TestWorksheetCodes::readsCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("problem"); // a part of the problem's text
    const QString code = exerciseCode({u"K7Q4"_s, 12, 3});
    QTest::newRow("as printed") << code << true << QString();
    QTest::newRow("small letters, spaces")
        << u"  "_s + code.toLower() + u" "_s << true << QString();
    QTest::newRow("empty") << QString() << false << u"not an exercise code"_s;
    QTest::newRow("a seed") << u"4503599627370495"_s << false << u"not an exercise code"_s;
    QTest::newRow("leading zero") << u"K7Q4-012-3"_s + code.back() << false
                                  << u"not an exercise code"_s;
    QTest::newRow("no exercise") << u"K7Q4-12-X"_s << false << u"not an exercise code"_s;
    QTest::newRow("sheet starts with a digit")
        << u"17Q4-12-3X"_s << false << u"not an exercise code"_s;
    QString wrong = code;
    wrong[wrong.size() - 1] = code.back() == u'A' ? u'C' : u'A';
    QTest::newRow("wrong check") << wrong << false << u"wrong check character"_s;
}

void TestWorksheetCodes::readsCodes()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, problem);
    const CodeReading reading = readExerciseCode(text);
    QCOMPARE(reading.code.has_value(), valid);
    if (valid) {
        QCOMPARE(reading.code->sheet, u"K7Q4"_s);
        QCOMPARE(reading.code->version, 12);
        QCOMPARE(reading.code->exercise, 3);
        QVERIFY(reading.problem.isEmpty());
    } else {
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
    }
}

void TestWorksheetCodes::sheetIdFollowsTheSettings()
{
    const WorksheetSettings base = classSheet();
    const QString id = worksheetId(base);
    QVERIFY(isSheetId(id));
    WorksheetSettings retitled = base;
    retitled.title = u"Another title"_s;
    QCOMPARE(worksheetId(retitled), id);
    // Every setting that decides the exercises changes the id.
    const QList<std::function<void(WorksheetSettings&)>> changes = {
        [](WorksheetSettings& s) { s.items.swapItemsAt(0, 1); },
        [](WorksheetSettings& s) { s.items.removeLast(); },
        [](WorksheetSettings& s) { s.count = 2; },
        [](WorksheetSettings& s) { s.level = 3; },
        [](WorksheetSettings& s) { s.versions = 31; },
        [](WorksheetSettings& s) { s.seed += 1; },
    };
    for (const auto& change : changes) {
        WorksheetSettings s = base;
        change(s);
        QVERIFY(worksheetId(s) != id);
    }
}

void TestWorksheetCodes::codesOnTheSheet()
{
    const WorksheetSettings s = classSheet();
    const QJsonObject json = worksheetJson(makeWorksheet(s));
    QCOMPARE(json["sheet"_L1].toString(), worksheetId(s));
    QSet<QString> codes;
    const QJsonArray versions = json["versions"_L1].toArray();
    const QJsonArray answers = json["answers"_L1].toArray();
    for (qsizetype v = 0; v < versions.size(); ++v) {
        const QJsonArray exercises = versions[v]["exercises"_L1].toArray();
        const QJsonArray keys = answers[v]["exercises"_L1].toArray();
        for (qsizetype n = 0; n < exercises.size(); ++n) {
            const QString code = exercises[n]["code"_L1].toString();
            QCOMPARE(keys[n]["code"_L1].toString(), code);
            QCOMPARE(keys[n]["seed"_L1], exercises[n]["seed"_L1]);
            const CodedExercise found = findCodedExercise(s, code);
            QVERIFY2(found.problem.isEmpty(), qPrintable(found.problem));
            QCOMPARE(found.version, int(v + 1));
            QCOMPARE(found.index, int(n));
            const SheetExercise made = worksheetExercise(s, found.version, found.index);
            QCOMPARE(itemKey(made.item), keys[n]["item"_L1].toString());
            QCOMPARE(qint64(made.seed), keys[n]["seed"_L1].toInteger());
            QCOMPARE(made.level, s.level);
            codes << code;
        }
    }
    QCOMPARE(codes.size(), s.versions * s.items.size() * s.count);

    // A code of another sheet, or of a version or exercise this one lacks, names none.
    WorksheetSettings other = s;
    other.seed += 1;
    const CodedExercise foreign = findCodedExercise(s, worksheetExerciseCode(other, 1, 0));
    QCOMPARE(foreign.version, 0);
    QVERIFY2(foreign.problem.contains("belongs to sheet"_L1), qPrintable(foreign.problem));
    for (const auto& [version, index] : {std::pair{31, 0}, std::pair{1, 6}}) {
        const CodedExercise missing =
            findCodedExercise(s, worksheetExerciseCode(s, version, index));
        QCOMPARE(missing.index, -1);
        QVERIFY2(missing.problem.contains("has no version"_L1), qPrintable(missing.problem));
    }
}

void TestWorksheetCodes::sheetFileRoundTrip()
{
    const WorksheetSettings s = classSheet();
    QString error;
    const std::optional<WorksheetSettings> read = readWorksheetSettings(sheetBytes(s), error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->items, s.items);
    QCOMPARE(read->count, s.count);
    QCOMPARE(read->level, s.level);
    QCOMPARE(read->versions, s.versions);
    QCOMPARE(read->seed, s.seed);
    QCOMPARE(read->title, s.title);
    // The sheet made again from the file is the same sheet, in any locale.
    QCOMPARE(sheetBytes(*read), sheetBytes(s));
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(worksheetJson(makeWorksheet(*read, german))["answers"_L1],
             worksheetJson(makeWorksheet(s))["answers"_L1]);
}

void TestWorksheetCodes::sheetFileRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QJsonObject sheet = worksheetJson(makeWorksheet(classSheet()));
    const auto edited = [&](const QString& key, const QJsonValue& value) {
        QJsonObject o = sheet;
        o[key] = value;
        return QJsonDocument(o).toJson();
    };
    QTest::newRow("not json") << "{\"sheet\": "_ba << u"not JSON"_s;
    QTest::newRow("an array") << "[1, 2]"_ba << u"not a sheet file"_s;
    QTest::newRow("a practice exercise")
        << "{\"item\": \"ldl\", \"seed\": 1}"_ba << u"not a sheet file"_s;
    QJsonObject noId = sheet;
    noId.remove("sheet"_L1);
    QTest::newRow("no id") << QJsonDocument(noId).toJson() << u"not a sheet file"_s;
    QTest::newRow("seed edited") << edited(u"seed"_s, 20261208) << u"does not match"_s;
    QTest::newRow("seed a fraction") << edited(u"seed"_s, 1.5) << u"seed"_s;
    QTest::newRow("seed too large") << edited(u"seed"_s, 1e17) << u"seed"_s;
    QTest::newRow("level out of range") << edited(u"level"_s, 7) << u"the level"_s;
    QTest::newRow("count missing") << edited(u"count"_s, QJsonValue()) << u"exercises per item"_s;
    QTest::newRow("unknown item") << edited(u"items"_s, QJsonArray{u"no-such-item"_s})
                                  << u"no-such-item"_s;
    QTest::newRow("no versions") << edited(u"versions"_s, QJsonArray()) << u"versions"_s;
}

void TestWorksheetCodes::sheetFileRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QString error;
    QVERIFY(!readWorksheetSettings(bytes, error));
    QVERIFY2(error.contains(problem), qPrintable(error));
}

QUARVEX_CORE_TEST_MAIN(TestWorksheetCodes)
#include "tst_worksheetcodes.moc"
