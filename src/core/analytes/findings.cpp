#include "analytes/findings.h"

#include "analytes/number.h"

#include <QStringList>

namespace quarvex {

namespace {

using K = FindingKind;

// Which findings sound a beep.
enum class Beep {
    Never,
    Always,
    IfAnalyteBeepsOnBadUnit, // only the analytes marked beepsOnBadUnit
};

struct KindRow {
    FindingKind kind;
    const char* name;
    Beep beep;
    bool box; // a critical box with the finding's text
};

// clang-format off
constexpr KindRow Kinds[] = {
    {K::Empty,       "empty",        Beep::Never,                   false},
    {K::NotANumber,  "not-a-number", Beep::Always,                  true},
    {K::TooLarge,    "too-large",    Beep::Always,                  true},
    {K::NotPositive, "not-positive", Beep::Never,                   false},
    {K::NoUnit,      "no-unit",      Beep::IfAnalyteBeepsOnBadUnit, false},
    {K::UnknownUnit, "unknown-unit", Beep::IfAnalyteBeepsOnBadUnit, false},
    {K::NoGender,    "no-gender",    Beep::Never,                   false},
    {K::OutsideFormula, "outside-formula", Beep::Never,             false},
};
// clang-format on

constexpr bool kindsInOrder()
{
    for (size_t i = 0; i < std::size(Kinds); ++i) {
        if (size_t(Kinds[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(kindsInOrder(), "the kind table must list the kinds in FindingKind order");

const KindRow& row(FindingKind kind)
{
    return Kinds[size_t(kind)];
}

const QString Quote = QStringLiteral("\"");

QString quoted(const QString& text)
{
    return Quote + text + Quote;
}

// The texts are joined piece by piece, so a value holding "%1" stays as typed.
Finding finding(AnalyteId id, FindingKind kind, const QString& text)
{
    return {id, kind, analyte(id).accessibleName() + QStringLiteral(": ") + text};
}

Finding unitFinding(AnalyteId id, FindingKind kind, const QString& text)
{
    return {id, kind, analyte(id).unitAccessibleName() + QStringLiteral(": ") + text};
}

QString notOneOf(const QString& text, const QStringList& choices)
{
    return quoted(text) + QStringLiteral(" is not one of ") + choices.join(QStringLiteral(", "));
}

} // namespace

QString kindName(FindingKind kind)
{
    return QString::fromLatin1(row(kind).name);
}

FindingAlert alertFor(const Finding& finding)
{
    const KindRow& r = row(finding.kind);
    bool beep = false;
    switch (r.beep) {
    case Beep::Never:
        break;
    case Beep::Always:
        beep = true;
        break;
    case Beep::IfAnalyteBeepsOnBadUnit:
        beep = finding.analyte && analyte(*finding.analyte).beepsOnBadUnit;
        break;
    }
    return {beep, r.box};
}

std::optional<Finding> checkValue(AnalyteId id, const QString& valueText, const QString& unitText,
                                  const QLocale& locale, std::optional<double>* number)
{
    const Analyte& a = analyte(id);

    if (id == AnalyteId::Gender) {
        if (valueText == QLatin1String(GenderMale) || valueText == QLatin1String(GenderFemale))
            return std::nullopt;
        return finding(id, K::NoGender,
                       valueText.isEmpty() ? QStringLiteral("not chosen")
                                           : notOneOf(valueText, a.listItems()));
    }

    if (valueText.isEmpty())
        return finding(id, K::Empty, QStringLiteral("empty"));

    const WholeNumber whole = readWholeNumber(valueText, locale);
    if (whole.status != WholeNumberStatus::NotANumber && number)
        *number = whole.number;
    switch (whole.status) {
    case WholeNumberStatus::NotANumber:
        return finding(id, K::NotANumber,
                       quoted(valueText) +
                           QStringLiteral(" is not a number. Type a number such as ") +
                           locale.toString(1.2, 'f', 1) + QLatin1Char('.'));
    case WholeNumberStatus::TooLarge:
        if (whole.number < 0)
            return finding(
                id, K::TooLarge,
                valueText +
                    QStringLiteral(" is out of range (the smallest value accepted is -32768)."));
        return finding(id, K::TooLarge,
                       valueText +
                           QStringLiteral(" is too large (the largest value accepted is 32767)."));
    case WholeNumberStatus::Ok:
        break;
    }
    // Any positive number is a value; the rounded reading only guards the range.
    if (!(whole.number > 0.0))
        return finding(id, K::NotPositive, valueText + QStringLiteral(" is not a positive number"));

    if (a.unitKind != UnitKind::List)
        return std::nullopt;
    for (const UnitChoice& choice : a.unitChoices()) {
        if (unitText == QLatin1String(choice.text))
            return std::nullopt;
    }
    if (unitText.isEmpty())
        return unitFinding(id, K::NoUnit, QStringLiteral("not chosen"));
    return unitFinding(id, K::UnknownUnit, notOneOf(unitText, a.listItems()));
}

} // namespace quarvex
