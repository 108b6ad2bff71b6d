#include "analytes/inputs.h"

#include <limits>

namespace quarvex {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

ConvertedInput convert(const Analyte& a, const QString& valueText, const QString& unitText,
                       std::optional<double> number)
{
    ConvertedInput input{a.id, valueText, unitText, number.value_or(NaN), number.value_or(NaN)};
    if (a.unitKind != UnitKind::List)
        return input;
    for (const UnitChoice& choice : a.unitChoices()) {
        if (unitText == QLatin1String(choice.text)) {
            input.unit = &choice;
            // The operations of the unit table, in its order.
            if (choice.multiply != 1.0)
                input.converted *= choice.multiply;
            if (choice.divide != 1.0)
                input.converted /= choice.divide;
            break;
        }
    }
    return input;
}

} // namespace

Inputs::Inputs(const Fields& fields, const QLocale& locale)
    : m_locale(locale)
{
    for (const Analyte& a : analytes()) {
        const QString value = fields.value(a.id);
        const QString unit = a.unitKind == UnitKind::List ? fields.unit(a.id) : QString();
        std::optional<double> number;
        m_findings[size_t(a.id)] = checkValue(a.id, value, unit, locale, &number);
        m_inputs[size_t(a.id)] = convert(a, value, unit, number);
    }
}

QList<Finding> Inputs::findings(std::span<const AnalyteId> checks) const
{
    QList<Finding> out;
    for (AnalyteId id : checks) {
        if (const std::optional<Finding>& f = finding(id))
            out << *f;
    }
    return out;
}

} // namespace quarvex
