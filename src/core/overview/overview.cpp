#include "overview/overview.h"

namespace quarvex {

QList<ItemEvaluation> evaluateItems(const Inputs& inputs)
{
    QList<ItemEvaluation> evaluations;
    evaluations.reserve(ItemCount);
    for (const ItemDescriptor& item : overviewItems()) {
        ItemEvaluation evaluation{&item, item.findings(inputs), std::nullopt};
        if (evaluation.findings.isEmpty())
            evaluation.outcome = item.compute(inputs);
        evaluations << std::move(evaluation);
    }
    return evaluations;
}

QStringList computableListTexts(const QList<ItemEvaluation>& evaluations)
{
    QStringList texts;
    for (const ItemEvaluation& evaluation : evaluations) {
        if (evaluation.computable())
            texts << QString::fromLatin1(evaluation.item->listText);
    }
    return texts;
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

QList<ResultRow> overviewRows(const Fields& fields, const QLocale& locale)
{
    return resultRows(evaluateItems(Inputs(fields, locale)));
}

} // namespace quarvex
