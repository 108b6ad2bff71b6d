#include "analytes/checks.h"

#include "analytes/number.h"

#include <limits>

namespace quarvex {

QString conversionFailure(AnalyteId id, const QString& valueText, const QLocale& locale)
{
    const WholeNumber whole = readWholeNumber(valueText, locale);
    const QString name = analyte(id).accessibleName();
    switch (whole.status) {
    case WholeNumberStatus::Ok:
        return {};
    case WholeNumberStatus::NotANumber:
        return QStringLiteral("Type mismatch: %1 \"%2\" is not a number.").arg(name, valueText);
    case WholeNumberStatus::TooLarge:
        return QStringLiteral("Overflow: %1 \"%2\" is out of range (the largest accepted value is "
                              "32767).")
            .arg(name, valueText);
    }
    return {};
}

namespace {

bool unitRecognised(const Analyte& a, const QString& unitText)
{
    for (const UnitChoice& choice : a.unitChoices()) {
        if (unitText == QLatin1String(choice.text))
            return true;
    }
    return false;
}

} // namespace

bool check(AnalyteId id, const Fields& fields, Dialogs& dialogs, const QLocale& locale)
{
    const Analyte& a = analyte(id);
    const QString value = fields.value(id);

    if (id == AnalyteId::Gender)
        return value == QLatin1String(GenderMale) || value == QLatin1String(GenderFemale);

    if (value.isEmpty())
        return false;

    const WholeNumber whole = readWholeNumber(value, locale);
    if (whole.status != WholeNumberStatus::Ok) {
        dialogs.beep();
        dialogs.message(conversionFailure(id, value, locale), MessageIcon::Critical);
        return false;
    }
    // Any positive number is a value; the rounded reading only guards the range.
    if (!(whole.number > 0.0))
        return false;

    if (a.unitKind == UnitKind::List && !unitRecognised(a, fields.unit(id))) {
        if (a.beepsOnBadUnit)
            dialogs.beep();
        return false;
    }
    return true;
}

int evaluate(std::span<const AnalyteId> checks, const Fields& fields, Dialogs& dialogs,
             const QLocale& locale)
{
    int errors = 0;
    for (AnalyteId id : checks) {
        if (!check(id, fields, dialogs, locale))
            ++errors;
    }
    return errors;
}

ConvertedInput convertInput(AnalyteId id, const Fields& fields, const QLocale& locale)
{
    ConvertedInput input{id, fields.value(id), fields.unit(id)};
    input.typed =
        readNumber(input.valueText, locale).value_or(std::numeric_limits<double>::quiet_NaN());
    input.converted = input.typed;
    const Analyte& a = analyte(id);
    if (a.unitKind != UnitKind::List)
        return input;
    for (const UnitChoice& choice : a.unitChoices()) {
        if (input.unitText == QLatin1String(choice.text)) {
            input.unit = &choice;
            if (choice.multiply != 1.0)
                input.converted *= choice.multiply;
            if (choice.divide != 1.0)
                input.converted /= choice.divide;
            break;
        }
    }
    return input;
}

} // namespace quarvex
