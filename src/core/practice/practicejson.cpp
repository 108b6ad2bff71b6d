#include "practice/practicejson.h"

#include "analytes/findings.h"
#include "calc/formula.h"
#include "calc/items.h"
#include "practice/itemkeys.h"
#include "practice/scenarios.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>

namespace quarvex {

namespace {

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject toleranceJson(const StepTolerance& t, const QLocale& locale)
{
    QJsonObject o;
    switch (t.kind) {
    case StepTolerance::Choice:
        o[QStringLiteral("kind")] = QStringLiteral("choice");
        break;
    case StepTolerance::AsShown:
        o[QStringLiteral("kind")] = QStringLiteral("as-shown");
        o[QStringLiteral("decimals")] = t.decimals;
        break;
    case StepTolerance::Within:
        o[QStringLiteral("kind")] = QStringLiteral("within");
        o[QStringLiteral("relative")] = t.relative;
        o[QStringLiteral("significantDigits")] = 6;
        break;
    }
    o[QStringLiteral("text")] = t.text(locale);
    return o;
}

// The expected answer as the steps show it: six significant digits for a
// number (well within its tolerance), the result as shown, or the choice.
QJsonValue expectedJson(const ExerciseStep& s)
{
    if (s.kind == StepKind::Choice)
        return s.expectedText;
    if (s.tolerance.kind == StepTolerance::Within && std::isfinite(s.expected))
        return sixDigits(s.expected, QLocale::c()).toDouble();
    return number(s.expected);
}

// A JSON value as a whole number in [0, most], or nothing.
std::optional<quint64> wholeNumber(const QJsonValue& value, quint64 most)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!(d >= 0.0) || d > double(most) || std::floor(d) != d)
        return std::nullopt;
    return quint64(d);
}

} // namespace

QString generatorProblem(const QJsonValue& generator)
{
    if (generator.isUndefined())
        return QStringLiteral("this exercise was made by an earlier version of the exercise "
                              "generator (no \"generator\" field) and must be made again");
    if (!generator.isDouble() || generator.toDouble() != double(GeneratorVersion)) {
        const QString given = generator.isDouble() ? QString::number(generator.toDouble(), 'g', 17)
                                                   : QStringLiteral("not a number");
        return QStringLiteral("this exercise was made by another version of the exercise "
                              "generator (\"generator\": %1; this program's is %2) and must be "
                              "made again")
            .arg(given)
            .arg(GeneratorVersion);
    }
    return {};
}

QJsonObject exerciseJson(const Exercise& ex, bool answers)
{
    QJsonObject root;
    root[QStringLiteral("item")] = QJsonObject{
        {QStringLiteral("id"), itemKey(ex.item)},
        {QStringLiteral("name"), QString::fromLatin1(item(ex.item).listText)},
    };
    root[QStringLiteral("seed")] = QJsonValue(qint64(ex.seed));
    root[QStringLiteral("level")] = ex.level;
    root[QStringLiteral("generator")] = GeneratorVersion;
    if (!ex.scenarioChoice.isEmpty())
        root[QStringLiteral("scenarios")] = QJsonArray::fromStringList(ex.scenarioChoice);
    if (!ex.scenario.isEmpty())
        root[QStringLiteral("scenario")] = ex.scenario;
    if (!ex.note.isEmpty())
        root[QStringLiteral("note")] = ex.note;
    QJsonObject caseObject;
    for (const auto& [name, text] : ex.caseLines(ex.locale))
        caseObject[name] = text;
    root[QStringLiteral("case")] = caseObject;
    root[QStringLiteral("caseText")] = ex.caseText();
    QJsonArray steps;
    for (const ExerciseStep& s : ex.steps) {
        QJsonObject o;
        o[QStringLiteral("id")] = s.id;
        o[QStringLiteral("label")] = s.label;
        o[QStringLiteral("prompt")] = s.prompt;
        o[QStringLiteral("unit")] = s.unit;
        o[QStringLiteral("kind")] =
            s.kind == StepKind::Choice ? QStringLiteral("choice") : QStringLiteral("number");
        if (s.kind == StepKind::Choice)
            o[QStringLiteral("choices")] = QJsonArray::fromStringList(s.choices);
        o[QStringLiteral("tolerance")] = toleranceJson(s.tolerance, ex.locale);
        o[QStringLiteral("given")] = s.given;
        if (answers || s.given)
            o[QStringLiteral("expected")] = expectedJson(s);
        steps << o;
    }
    root[QStringLiteral("steps")] = steps;
    return root;
}

std::optional<GradeRequest> readGradeRequest(const QByteArray& json, QString& error)
{
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = QStringLiteral("not JSON: ") + parse.errorString() +
                QStringLiteral(" at byte %1").arg(parse.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        error = QStringLiteral("the grade input must be a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        static const QStringList known = {QStringLiteral("item"),      QStringLiteral("seed"),
                                          QStringLiteral("level"),     QStringLiteral("generator"),
                                          QStringLiteral("scenarios"), QStringLiteral("answers")};
        if (!known.contains(it.key())) {
            error = QStringLiteral("unknown key ") + quotedText(it.key()) +
                    QStringLiteral(" (item, seed, level, generator, scenarios, answers)");
            return std::nullopt;
        }
    }
    if (const QString problem = generatorProblem(root.value(QStringLiteral("generator")));
        !problem.isEmpty()) {
        error = problem;
        return std::nullopt;
    }
    GradeRequest request;
    const QJsonValue scenarios = root.value(QStringLiteral("scenarios"));
    if (!scenarios.isUndefined()) {
        const auto bad = [&] {
            error = QStringLiteral("\"scenarios\" must be a list of scenario ids "
                                   "(see --list-scenarios)");
            return std::nullopt;
        };
        if (!scenarios.isArray())
            return bad();
        for (const QJsonValue& v : scenarios.toArray()) {
            if (!v.isString() || !findScenario(v.toString()))
                return bad();
            request.scenarios << v.toString();
        }
    }
    const std::optional<ItemId> id = findItem(root.value(QStringLiteral("item")).toString());
    if (!id) {
        error = QStringLiteral("\"item\" must name an item (see --list-items)");
        return std::nullopt;
    }
    request.item = *id;
    const std::optional<quint64> seed =
        wholeNumber(root.value(QStringLiteral("seed")), MaxPracticeSeed);
    if (!seed) {
        error = QStringLiteral("\"seed\" must be a whole number from 0 to %1").arg(MaxPracticeSeed);
        return std::nullopt;
    }
    request.seed = *seed;
    const QJsonValue level = root.value(QStringLiteral("level"));
    if (!level.isUndefined()) {
        const std::optional<quint64> l = wholeNumber(level, PracticeLevels);
        if (!l || *l < 1) {
            error = QStringLiteral("\"level\" must be 1, 2 or 3");
            return std::nullopt;
        }
        request.level = int(*l);
    }
    const QJsonValue answers = root.value(QStringLiteral("answers"));
    if (!answers.isObject()) {
        error = QStringLiteral("\"answers\" must be an object of step id and answer");
        return std::nullopt;
    }
    if (const QString problem = scenarioProblem(request.item, request.scenarios);
        !problem.isEmpty()) {
        error = QStringLiteral("\"scenarios\": ") + problem;
        return std::nullopt;
    }
    const Exercise ex = makeExercise(request.item, request.seed, request.level, std::nullopt,
                                     QLocale::c(), request.scenarios);
    const QJsonObject given = answers.toObject();
    for (auto it = given.begin(); it != given.end(); ++it) {
        if (ex.stepIndex(it.key()) < 0) {
            error = QStringLiteral("\"answers\": no step ") + quotedText(it.key()) +
                    QStringLiteral(" in this exercise");
            return std::nullopt;
        }
        if (it.value().isDouble()) {
            request.answers[it.key()] = QString::number(it.value().toDouble(), 'g', 17);
        } else if (it.value().isString()) {
            request.answers[it.key()] = it.value().toString();
        } else if (!it.value().isNull()) {
            error = QStringLiteral("\"answers\": the answer to ") + quotedText(it.key()) +
                    QStringLiteral(" must be a number or a text");
            return std::nullopt;
        }
    }
    return request;
}

QJsonObject gradeJson(const Exercise& ex, const Grade& grade)
{
    QJsonArray steps;
    for (const StepGrade& g : grade.steps) {
        const ExerciseStep& s = ex.steps[ex.stepIndex(g.id)];
        steps << QJsonObject{
            {QStringLiteral("id"), g.id},
            {QStringLiteral("correct"), g.correct},
            {QStringLiteral("carried"), g.carried},
            {QStringLiteral("expected"), expectedJson(s)},
            {QStringLiteral("feedback"), g.feedback},
            {QStringLiteral("slip"),
             g.slip.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(g.slip)},
        };
    }
    return QJsonObject{
        {QStringLiteral("steps"), steps},       {QStringLiteral("correct"), grade.correct},
        {QStringLiteral("right"), grade.right}, {QStringLiteral("carried"), grade.carried},
        {QStringLiteral("asked"), grade.asked}, {QStringLiteral("score"), grade.score()},
    };
}

QJsonArray itemListJson()
{
    QJsonArray list;
    for (const ItemDescriptor& d : overviewItems()) {
        list << QJsonObject{{QStringLiteral("id"), itemKey(d.id)},
                            {QStringLiteral("name"), QString::fromLatin1(d.listText)}};
    }
    return list;
}

} // namespace quarvex
