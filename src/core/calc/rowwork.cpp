#include "calc/rowwork.h"

#include "calc/items.h"

#include <QHash>

#include <array>

namespace quarvex::rowwork {

namespace {

// A band's text as a string, made once per thread: the same few texts are
// shown case after case.
QString bandString(const char* fixed)
{
    if (!fixed)
        return QString();
    thread_local QHash<const char*, QString> made;
    auto found = made.constFind(fixed);
    if (found == made.constEnd())
        found = made.insert(fixed, QString::fromLatin1(fixed));
    return *found;
}

} // namespace

Worked work(const Formula& formula, std::span<const Band> bands, const Inputs& inputs)
{
    const double value = evaluate(formula, inputs);
    QString result;
    // The number the bands are decided on (bandValue), from the rounding
    // the result text shows where the row decides on it.
    double decided = value;
    switch (formula.shown) {
    case Shown::Fixed2:
        result = resultText(value, formula.suffix, inputs.locale());
        break;
    case Shown::Plain:
        result = formatPlain(value, inputs.locale());
        break;
    case Shown::Whole:
    case Shown::Fixed1:
        result = formatFixed(value, shownDecimals(formula.shown), inputs.locale(), formula.suffix,
                             &decided);
        break;
    case Shown::Text:
        break;
    }
    if (!decidesOnShown(formula.shown))
        decided = value;
    return Worked{value, result, bandString(bandText(decided, bands)), RowWorking{&formula, bands}};
}

} // namespace quarvex::rowwork

namespace quarvex {

namespace {

using namespace rowwork;

std::optional<Finding> limitFinding(const ItemDescriptor& item, AnalyteId id, const Inputs& inputs)
{
    for (const FormulaLimit& limit : item.limits()) {
        const double value = inputs[id].converted;
        if (limit.analyte == id &&
            (!(value < limit.below) || less(value, limit.atLeast) || greater(value, limit.atMost)))
            return Finding{id, FindingKind::OutsideFormula, QString::fromLatin1(limit.text)};
    }
    return std::nullopt;
}

// The row names of every item as strings, made once per thread: each
// computed item names its rows, case after case, and copies of strings that
// other threads copy too would make their reference counts travel between
// processor caches.
const QStringList& rowNameTexts(ItemId id)
{
    thread_local const std::array<QStringList, ItemCount> texts = [] {
        std::array<QStringList, ItemCount> out;
        for (const ItemDescriptor& item : overviewItems()) {
            for (const char* name : item.rowNames())
                out[size_t(item.id)] << QString::fromLatin1(name);
        }
        return out;
    }();
    return texts[size_t(id)];
}

} // namespace

std::span<const Band> ItemRow::bandsFor(const QString& gender) const
{
    if (femaleBands.empty())
        return bands;
    if (gender == QLatin1String(GenderMale))
        return bands;
    if (gender == QLatin1String(GenderFemale))
        return femaleBands;
    return {};
}

bool readsConverted(const QList<RowWorking>& working, AnalyteId id)
{
    bool asTyped = false;
    for (const RowWorking& row : working) {
        if (!row.formula)
            continue;
        if (readsInFormulaUnit(*row.formula, id))
            return true;
        for (const FormulaOp& op : row.formula->ops)
            asTyped = asTyped || (op.kind == FormulaOp::Input && op.input == id);
    }
    return !asTyped;
}

RowWorking ItemRow::workingFor(const Inputs& inputs) const
{
    for (const UnitVariant& variant : unitVariants) {
        const ConvertedInput& in = inputs[variant.input];
        if (in.unit && qstrcmp(in.unit->text, variant.unit) == 0)
            return RowWorking{variant.formula, variant.bands};
    }
    return RowWorking{formula, bandsFor(inputs[AnalyteId::Gender].valueText)};
}

QList<Finding> ItemDescriptor::findings(const Inputs& inputs) const
{
    QList<Finding> out;
    for (AnalyteId check : checks()) {
        if (const std::optional<Finding>& f = inputs.finding(check))
            out << *f;
        else if (std::optional<Finding> f = limitFinding(*this, check, inputs))
            out << *f;
    }
    if (!out.isEmpty())
        return out;
    const std::span<const ItemRow> all = rows();
    for (const PositiveRow& positive : positiveList.view()) {
        const Formula& formula = *all[positive.row].workingFor(inputs).formula;
        if (!(bandValue(formula.shown, evaluate(formula, inputs)) > 0.0))
            out << Finding{positive.analyte, FindingKind::OutsideFormula,
                           QString::fromLatin1(positive.text)};
    }
    return out;
}

Outcome ItemDescriptor::compute(const Inputs& inputs, bool listInputs) const
{
    Outcome outcome;
    const QStringList& names = rowNameTexts(id);
    std::array<QString, 3> bandTexts;
    const std::span<const ItemRow> all = rows();
    outcome.rows.reserve(qsizetype(all.size()));
    outcome.values.reserve(qsizetype(all.size()));
    outcome.working.reserve(qsizetype(all.size()));
    for (size_t i = 0; i < all.size(); ++i) {
        const ItemRow& row = all[i];
        const RowWorking chosen = row.workingFor(inputs);
        Worked worked = work(*chosen.formula, chosen.bands, inputs);
        QString interpretation = row.prefix || row.suffix
                                     ? text(row.prefix) + worked.bandText + text(row.suffix)
                                     : worked.bandText;
        outcome.rows << ResultRow{names.at(qsizetype(i)), std::move(worked.result),
                                  std::move(interpretation)};
        outcome.values << worked.value;
        outcome.working << worked.working;
        bandTexts[i] = std::move(worked.bandText);
    }
    if (all.size() == 1) {
        outcome.result = outcome.rows.front().result;
        outcome.moreInfo = outcome.rows.front().interpretation;
    }
    if (screenForm)
        screenForm(outcome, std::span<const QString>(bandTexts.data(), all.size()));
    if (!listInputs)
        return outcome;

    // The inputs in order, each once.
    std::array<AnalyteId, AnalyteCount> order;
    std::array<bool, AnalyteCount> listed{};
    size_t count = 0;
    const auto list = [&](AnalyteId input) {
        if (!listed[size_t(input)]) {
            listed[size_t(input)] = true;
            order[count++] = input;
        }
    };
    if (inputOrder == InputOrder::Formulas) {
        for (const RowWorking& row : outcome.working) {
            for (const FormulaOp& op :
                 row.formula ? row.formula->ops : std::span<const FormulaOp>()) {
                if (op.kind == FormulaOp::Input)
                    list(op.input);
            }
        }
    }
    for (AnalyteId input : checks())
        list(input);
    outcome.inputs.reserve(qsizetype(count));
    for (size_t i = 0; i < count; ++i)
        outcome.inputs << inputs[order[i]];
    return outcome;
}

} // namespace quarvex
