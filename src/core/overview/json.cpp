#include "overview/json.h"

#include "analytes/hints.h"

#include "calc/derivation.h"

#include <QJsonArray>
#include <array>

#include <cmath>

namespace quarvex {

namespace {

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue optionalNumber(const std::optional<double>& value)
{
    return value ? number(*value) : QJsonValue(QJsonValue::Null);
}

const char* shownName(Shown shown)
{
    switch (shown) {
    case Shown::Fixed2:
        return "fixed2";
    case Shown::Plain:
        return "plain";
    case Shown::Text:
        break;
    }
    return "text";
}

QJsonObject bandJson(const DerivedBand& band)
{
    return QJsonObject{
        {QStringLiteral("text"), band.text ? QJsonValue(*band.text) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("sentence"),
         band.sentence ? QJsonValue(*band.sentence) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("lower"), optionalNumber(band.lower)},
        {QStringLiteral("upper"), optionalNumber(band.upper)},
        {QStringLiteral("lowerIncluded"), band.lowerIncluded},
        {QStringLiteral("upperIncluded"), band.upperIncluded},
    };
}

QJsonObject stepJson(const FormulaStep& step)
{
    const auto side = [](int from) {
        return from < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(from + 1);
    };
    return QJsonObject{
        {QStringLiteral("operation"), operatorSign(step.operation)},
        {QStringLiteral("left"), number(step.left)},
        {QStringLiteral("leftUnit"), step.leftUnit},
        {QStringLiteral("leftStep"), side(step.leftStep)},
        {QStringLiteral("right"), number(step.right)},
        {QStringLiteral("rightUnit"), step.rightUnit},
        {QStringLiteral("rightStep"), side(step.rightStep)},
        {QStringLiteral("result"), number(step.result)},
        {QStringLiteral("resultUnit"), step.resultUnit},
    };
}

QJsonObject rowJson(const DerivedRow& row)
{
    QJsonArray steps;
    for (const FormulaStep& step : row.steps)
        steps << stepJson(step);
    QJsonArray bands;
    for (const DerivedBand& band : row.bands)
        bands << bandJson(band);
    const DerivedBand* chosen = row.band();
    return QJsonObject{
        {QStringLiteral("name"), row.name},
        {QStringLiteral("result"), row.result},
        {QStringLiteral("value"), number(row.value)},
        {QStringLiteral("expression"), row.expression},
        {QStringLiteral("formula"), row.words},
        {QStringLiteral("symbols"), row.symbols},
        {QStringLiteral("constant"), row.constant},
        {QStringLiteral("substituted"), row.substituted},
        {QStringLiteral("steps"), steps},
        {QStringLiteral("unrounded"), unroundedText(row, QLocale::c())},
        {QStringLiteral("shown"), QLatin1String(shownName(row.shown))},
        {QStringLiteral("suffix"), row.suffix},
        {QStringLiteral("interpretation"), row.interpretation},
        {QStringLiteral("band"),
         chosen ? QJsonValue(bandJson(*chosen)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("bands"), bands},
    };
}

QJsonArray sourcesJson(const std::optional<ItemSources>& sources)
{
    QJsonArray out;
    if (!sources)
        return out;
    for (const Source& source : sources->sources) {
        const std::optional<int> year = source.year();
        out << QJsonObject{
            {QStringLiteral("id"), source.id()},
            {QStringLiteral("role"), sourceRoleName(source.role)},
            {QStringLiteral("citation"), source.citation()},
            {QStringLiteral("year"), year ? QJsonValue(*year) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("verified"), source.verified()},
            {QStringLiteral("note"), source.note},
        };
    }
    return out;
}

// The sources of an item as JSON, built once per item: they are the same in
// every case, and a batch writes them for every one.
QJsonArray itemSourcesJson(ItemId item)
{
    static const std::array<QJsonArray, ItemCount> built = [] {
        std::array<QJsonArray, ItemCount> all;
        for (int i = 0; i < ItemCount; ++i)
            all[size_t(i)] = sourcesJson(itemSources(ItemId(i)));
        return all;
    }();
    return built[size_t(item)];
}

QJsonObject findingJson(const Finding& finding, bool withField)
{
    QJsonObject out;
    if (withField) {
        out.insert(QStringLiteral("field"), finding.analyte
                                                ? QJsonValue(analyte(*finding.analyte).fieldName())
                                                : QJsonValue(QJsonValue::Null));
    }
    out.insert(QStringLiteral("kind"), kindName(finding.kind));
    out.insert(QStringLiteral("text"), finding.text);
    return out;
}

QJsonArray inputsJson(const Inputs& inputs)
{
    QJsonArray out;
    const QList<FieldHint> hints = caseHints(inputs);
    for (const Analyte& a : analytes()) {
        const ConvertedInput& in = inputs[a.id];
        if (in.valueText.isEmpty() && in.unitText.isEmpty())
            continue;
        QJsonArray findings;
        if (const std::optional<Finding>& f = inputs.finding(a.id))
            findings << findingJson(*f, false);
        out << QJsonObject{
            {QStringLiteral("field"), a.fieldName()},
            {QStringLiteral("text"), in.valueText},
            {QStringLiteral("unit"),
             a.unitKind == UnitKind::List ? QJsonValue(in.unitText) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("value"), number(in.converted)},
            {QStringLiteral("findings"), findings},
            {QStringLiteral("hints"), QJsonArray::fromStringList(hintsOn(hints, a.id))},
        };
    }
    return out;
}

} // namespace

QJsonObject caseJson(const Inputs& inputs, const QList<ItemEvaluation>& evaluations)
{
    const QList<FieldHint> hints = caseHints(inputs);
    QJsonArray items;
    for (const ItemEvaluation& evaluation : evaluations) {
        const QString name = QString::fromLatin1(evaluation.item->listText);
        QJsonArray findings;
        for (const Finding& finding : evaluation.findings)
            findings << findingJson(finding, true);
        QJsonArray rows;
        if (evaluation.computable()) {
            const Derivation d = derive(*evaluation.item, inputs, *evaluation.outcome, hints);
            for (const DerivedRow& row : d.rows)
                rows << rowJson(row);
        }
        items << QJsonObject{
            {QStringLiteral("name"), name},
            {QStringLiteral("computed"), evaluation.computable()},
            {QStringLiteral("findings"), findings},
            {QStringLiteral("rows"), rows},
            {QStringLiteral("sources"), itemSourcesJson(evaluation.item->id)},
        };
    }
    return QJsonObject{{QStringLiteral("inputs"), inputsJson(inputs)},
                       {QStringLiteral("items"), items}};
}

} // namespace quarvex
