#include "analytes/hints.h"

#include "analytes/plausibility.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>

namespace quarvex {

namespace {

// The unit text the plausibility table knows the value by: the unit list's
// text, or empty for a fixed unit and for Age.
QString plausibilityUnit(const ConvertedInput& input)
{
    return analyte(input.id).unitKind == UnitKind::List ? input.unitText : QString();
}

bool usable(const Inputs& inputs, AnalyteId id)
{
    return id != AnalyteId::Gender && !inputs.finding(id) && std::isfinite(inputs[id].typed);
}

// The field names of the analytes, made once: every case asks for them.
const QString& fieldNameOf(AnalyteId id)
{
    static const std::array<QString, AnalyteCount> names = [] {
        std::array<QString, AnalyteCount> out;
        for (const Analyte& a : analytes())
            out[size_t(a.id)] = a.fieldName();
        return out;
    }();
    return names[size_t(id)];
}

// Whether a cross-field rule compares the field, as a part or as the whole.
bool inCrossFieldRule(AnalyteId id)
{
    static const std::array<bool, AnalyteCount> used = [] {
        std::array<bool, AnalyteCount> out{};
        for (const Analyte& a : analytes()) {
            for (const CrossFieldRule& rule : crossFieldRules()) {
                const QLatin1StringView field(a.field);
                if (field == QLatin1StringView(rule.whole) ||
                    (rule.parts[0] && field == QLatin1StringView(rule.parts[0])) ||
                    (rule.parts[1] && field == QLatin1StringView(rule.parts[1])))
                    out[size_t(a.id)] = true;
            }
        }
        return out;
    }();
    return used[size_t(id)];
}

std::optional<AnalyteId> analyteOfField(const QString& field)
{
    for (const Analyte& a : analytes()) {
        if (field == QLatin1StringView(a.field))
            return a.id;
    }
    return std::nullopt;
}

} // namespace

QList<FieldHint> caseHints(const Inputs& inputs)
{
    QList<FieldHint> hints;
    QHash<QString, double> formulaValues;
    for (const Analyte& a : analytes()) {
        if (!usable(inputs, a.id))
            continue;
        const ConvertedInput& input = inputs[a.id];
        const QString& field = fieldNameOf(a.id);
        if (inCrossFieldRule(a.id))
            formulaValues.insert(field, input.converted);
        const QString text = rangeHint(a.id, plausibilityUnit(input), input.typed, inputs.locale());
        if (!text.isEmpty())
            hints.append({a.id, text,
                          rangeHint(a.id, plausibilityUnit(input), input.typed, inputs.locale(),
                                    HintLanguage::Shown)});
    }
    for (const CrossFieldHint& cross : crossFieldHints(formulaValues, inputs.locale())) {
        for (const QString& field : cross.fields) {
            if (const std::optional<AnalyteId> id = analyteOfField(field))
                hints.append({*id, cross.text, cross.shown});
        }
    }
    return hints;
}

QStringList hintsOn(const QList<FieldHint>& hints, AnalyteId id)
{
    QStringList texts;
    for (const FieldHint& hint : hints) {
        if (hint.analyte == id)
            texts << hint.text;
    }
    return texts;
}

QStringList shownHintsOn(const QList<FieldHint>& hints, AnalyteId id)
{
    QStringList texts;
    for (const FieldHint& hint : hints) {
        if (hint.analyte == id)
            texts << hint.shownText();
    }
    return texts;
}

QList<CaseHint> distinctHints(const QList<FieldHint>& hints)
{
    QList<CaseHint> out;
    for (const FieldHint& hint : hints) {
        auto it = std::find_if(out.begin(), out.end(),
                               [&](const CaseHint& h) { return h.text == hint.text; });
        if (it == out.end())
            out.append({{hint.analyte}, hint.text, hint.shownText()});
        else if (!it->analytes.contains(hint.analyte))
            it->analytes.append(hint.analyte);
    }
    return out;
}

QString referenceText(const Inputs& inputs, AnalyteId id, HintLanguage language)
{
    if (id == AnalyteId::Gender)
        return {};
    const ConvertedInput& input = inputs[id];
    return referenceIntervalText(analyte(id).fieldName(), plausibilityUnit(input),
                                 inputs[AnalyteId::Gender].valueText, inputs.locale(), language);
}

} // namespace quarvex
