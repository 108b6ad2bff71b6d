#include "overview/overview.h"

#include <algorithm>
#include <cmath>

namespace quarvex {

ItemEvaluation evaluateItem(const ItemDescriptor& item, const Inputs& inputs, bool listInputs)
{
    ItemEvaluation evaluation{&item, item.findings(inputs), std::nullopt};
    if (!evaluation.findings.isEmpty())
        return evaluation;
    Outcome outcome = item.compute(inputs, listInputs);
    const auto finite = [](double value) { return std::isfinite(value); };
    if (std::all_of(outcome.values.cbegin(), outcome.values.cend(), finite))
        evaluation.outcome = std::move(outcome);
    else
        evaluation.findings << resultNotFinite(QString::fromLatin1(item.listText));
    return evaluation;
}

QList<ItemEvaluation> evaluateItems(const Inputs& inputs, bool listInputs)
{
    QList<ItemEvaluation> evaluations;
    evaluations.reserve(ItemCount);
    for (const ItemDescriptor& item : overviewItems())
        evaluations << evaluateItem(item, inputs, listInputs);
    return evaluations;
}

QStringList computableListTexts(const QList<ItemEvaluation>& evaluations)
{
    QStringList texts;
    for (const ItemEvaluation& evaluation : evaluations) {
        if (evaluation.computable())
            texts << evaluation.item->shownListText();
    }
    return texts;
}

QStringList cannotComputeLines(const QList<ItemEvaluation>& evaluations)
{
    QStringList lines;
    for (const ItemEvaluation& evaluation : evaluations) {
        if (evaluation.computable())
            continue;
        lines << evaluation.item->shownListText();
        for (const Finding& finding : evaluation.findings)
            lines << QStringLiteral("    ") + finding.shownText();
    }
    return lines;
}

QList<ResultRow> resultRows(const QList<ItemEvaluation>& evaluations)
{
    QList<ResultRow> rows;
    for (const ItemEvaluation& evaluation : evaluations) {
        if (evaluation.computable())
            rows << evaluation.outcome->rows;
    }
    return rows;
}

QList<QList<Note>> resultRowNotes(const Inputs& inputs, const QList<ItemEvaluation>& evaluations)
{
    QList<QList<Note>> notes;
    QStringList names;
    for (const ItemEvaluation& evaluation : evaluations) {
        if (!evaluation.computable())
            continue;
        for (qsizetype i = 0; i < evaluation.outcome->rows.size(); ++i) {
            notes << rowNotes(evaluation.item->id, int(i), inputs, *evaluation.outcome,
                              inputs.locale());
            names << evaluation.outcome->rows[i].name;
        }
    }
    showSharedOnce(notes, names);
    return notes;
}

QList<ResultRow> overviewRows(const Fields& fields, const QLocale& locale)
{
    return resultRows(evaluateItems(Inputs(fields, locale)));
}

} // namespace quarvex
