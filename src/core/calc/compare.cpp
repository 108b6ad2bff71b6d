#include "calc/compare.h"

#include "calc/formula.h"
#include "calc/items.h"
#include "i18n/language.h"

#include <QCoreApplication>

namespace quarvex {

namespace {

// "eGFR (CKD-EPI 2021): 78 mL/min/1.73 m², KDIGO category G2: mildly
// decreased." or, when its checks fail, "…: none (Age: the equation is for
// adults)." The result comes from the item's own descriptor.
QString resultOf(ItemId id, const Inputs& inputs, const QString& lead)
{
    const ItemDescriptor& other = item(id);
    const QList<Finding> findings = other.findings(inputs);
    if (!findings.isEmpty()) {
        QStringList reasons;
        for (const Finding& finding : findings)
            reasons << finding.text;
        return lead + QStringLiteral(": none (") + reasons.join(QStringLiteral("; ")) +
               QStringLiteral(").");
    }
    const Outcome outcome = other.compute(inputs);
    const ResultRow& row = outcome.rows.front();
    QString interpretation = row.interpretation;
    if (!interpretation.endsWith(QLatin1Char('.')))
        interpretation += QLatin1Char('.');
    return lead + QStringLiteral(": ") + row.result + QStringLiteral(", ") + interpretation;
}

QStringList clearanceComparison(const Inputs& inputs)
{
    return {
        resultOf(ItemId::EgfrCkdEpi, inputs,
                 QStringLiteral("eGFR (CKD-EPI 2021) from the same age, gender and serum "
                                "creatinine")),
        // Clinical prose: listed in the translations, translated with the
        // rest of the clinical texts.
        QCoreApplication::translate(
            ClinicalProseContext,
            QT_TRANSLATE_NOOP(
                "quarvex::ClinicalProse",
                "The two differ: the Cockcroft\u2013Gault clearance is a creatinine clearance in "
                "mL/min that grows with body weight, while the eGFR estimates the glomerular "
                "filtration rate normalised to 1.73 m\u00b2 of body surface and takes no weight. "
                "Cockcroft and Gault derived their formula in 1976 in 249 mostly male adults; the "
                "CKD-EPI 2021 equation was derived against measured GFR in adults and has no race "
                "term. Chronic kidney disease is staged by the eGFR; the Cockcroft\u2013Gault "
                "clearance is still used for drug dosing.")),
    };
}

QStringList ldlComparison(const Inputs& inputs)
{
    // Only with triglycerides typed, so that both calculated LDLs can be told.
    if (inputs.finding(AnalyteId::Triglycerides))
        return {};
    QStringList lines;
    const ConvertedInput& ldl = inputs[AnalyteId::LDL];
    if (!inputs.finding(AnalyteId::LDL)) {
        lines << QStringLiteral("Typed LDL cholesterol: ") +
                     sixDigits(ldl.converted, inputs.locale()) + QLatin1Char(' ') +
                     formulaUnit(AnalyteId::LDL) + QLatin1Char('.');
    }
    for (ItemId id : {ItemId::LdlFriedewald, ItemId::LdlSampson})
        lines << resultOf(id, inputs, QString::fromLatin1(item(id).listText));
    return lines;
}

} // namespace

QStringList compareLines(ItemId id, const Inputs& inputs)
{
    switch (id) {
    case ItemId::CreatinineClearance:
        return clearanceComparison(inputs);
    case ItemId::CholesterolLevels:
    case ItemId::Adult3:
    case ItemId::LdlFriedewald:
    case ItemId::LdlSampson:
        return ldlComparison(inputs);
    default:
        return {};
    }
}

} // namespace quarvex
