#include "analytes/findings.h"

#include "analytes/number.h"

#include <QCoreApplication>
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
    {K::TooSmall,    "too-small",    Beep::Always,                  true},
    {K::ResultNotFinite, "result-not-finite", Beep::Always,         true},
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

constexpr qsizetype ShownCharacters = 40;

// Controls that would act on a terminal or turn text around rather than show.
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
}

QString escaped(char32_t c)
{
    switch (c) {
    case '\t':
        return QStringLiteral("\\t");
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    default:
        break;
    }
    if (c < 0x100)
        return QStringLiteral("\\x") + QString::number(uint(c), 16).rightJustified(2, u'0');
    return QStringLiteral("\\u") + QString::number(uint(c), 16).rightJustified(4, u'0');
}

// A finding's text in English and in the language installed, from its
// source text (marked in FindingContext) with its arguments filled in one
// pass, so a value holding "%1" stays as typed.
struct Wording {
    const char* source;
    QStringList arguments = {};

    QString fill(const QString& format) const
    {
        switch (arguments.size()) {
        case 0:
            return format;
        case 1:
            return format.arg(arguments.at(0));
        default:
            return format.arg(arguments.at(0), arguments.at(1));
        }
    }
    QString english() const { return fill(QString::fromUtf8(source)); }
    QString shown() const { return fill(QCoreApplication::translate(FindingContext, source)); }
};

// "<name>: <text>": the analyte's value field, or with unit its unit list.
Finding finding(AnalyteId id, FindingKind kind, const Wording& wording, bool unit = false)
{
    const Analyte& a = analyte(id);
    const QString name = unit ? a.unitAccessibleName() : a.accessibleName();
    const QString shownName = unit ? a.shownUnitName() : a.shownName();
    return {id, kind, name + QStringLiteral(": ") + wording.english(),
            shownName + QStringLiteral(": ") + wording.shown()};
}

Finding unitFinding(AnalyteId id, FindingKind kind, const Wording& wording)
{
    return finding(id, kind, wording, true);
}

const char* const NotChosen = QT_TRANSLATE_NOOP("quarvex::Finding", "not chosen");
//: A typed text, in quotes, and the choices of a list: "\"st\" is not one of kg, lbs".
const char* const NotOneOf = QT_TRANSLATE_NOOP("quarvex::Finding", "%1 is not one of %2");

Wording notOneOf(const QString& text, const QStringList& choices)
{
    return {NotOneOf, {quotedText(text), choices.join(QStringLiteral(", "))}};
}

} // namespace

QString shownText(const QString& text)
{
    QString out;
    qsizetype shown = 0;
    for (auto it = text.cbegin(); it != text.cend();) {
        if (shown == ShownCharacters)
            return out + QChar(0x2026);
        char32_t c = it->unicode();
        const auto start = it++;
        if (QChar::isHighSurrogate(c) && it != text.cend() && it->isLowSurrogate())
            c = QChar::surrogateToUcs4(*start, *it++);
        if (isControl(c))
            out += escaped(c);
        else
            out += QStringView(start, it);
        ++shown;
    }
    return out;
}

QString quotedText(const QString& text)
{
    return QLatin1Char('"') + shownText(text) + QLatin1Char('"');
}

QString notOneOfText(const QString& text, const QStringList& choices)
{
    return notOneOf(text, choices).english();
}

QString shownNotOneOfText(const QString& text, const QStringList& choices)
{
    return notOneOf(text, choices).shown();
}

Finding resultNotFinite(const QString& itemName)
{
    //: An item's list name, then why it has no result.
    const Wording wording{
        QT_TRANSLATE_NOOP("quarvex::Finding",
                          "%1: the result is not a finite number, so there is none"),
        {itemName}};
    return {std::nullopt, K::ResultNotFinite, wording.english(), wording.shown()};
}

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
                       valueText.isEmpty() ? Wording{NotChosen}
                                           : notOneOf(valueText, a.listItems()));
    }

    if (valueText.isEmpty())
        //: A value field that holds nothing.
        return finding(id, K::Empty, {QT_TRANSLATE_NOOP("quarvex::Finding", "empty")});

    const WholeNumber whole = readWholeNumber(valueText, locale);
    if (whole.status != WholeNumberStatus::NotANumber && number)
        *number = whole.number;
    switch (whole.status) {
    case WholeNumberStatus::NotANumber:
        //: The typed text in quotes, then an example number in the user's format ("1,2").
        return finding(
            id, K::NotANumber,
            {QT_TRANSLATE_NOOP("quarvex::Finding", "%1 is not a number. Type a number such as %2."),
             {quotedText(valueText), locale.toString(1.2, 'f', 1)}});
    case WholeNumberStatus::TooLarge:
        if (whole.number < 0)
            return finding(id, K::TooLarge,
                           {QT_TRANSLATE_NOOP("quarvex::Finding",
                                              "%1 is out of range (the smallest value accepted "
                                              "is -32768)."),
                            {shownText(valueText)}});
        return finding(id, K::TooLarge,
                       {QT_TRANSLATE_NOOP("quarvex::Finding",
                                          "%1 is too large (the largest value accepted is 32767)."),
                        {shownText(valueText)}});
    case WholeNumberStatus::TooSmall:
        return finding(
            id, K::TooSmall,
            {QT_TRANSLATE_NOOP("quarvex::Finding",
                               "%1 is too small (the smallest value accepted is 1e-300)."),
             {shownText(valueText)}});
    case WholeNumberStatus::Ok:
        break;
    }
    // Any positive number is a value; the rounded reading only guards the range.
    if (!(whole.number > 0.0))
        return finding(id, K::NotPositive,
                       {QT_TRANSLATE_NOOP("quarvex::Finding", "%1 is not a positive number"),
                        {shownText(valueText)}});

    if (a.unitKind != UnitKind::List)
        return std::nullopt;
    for (const UnitChoice& choice : a.unitChoices()) {
        if (unitText == QLatin1String(choice.text))
            return std::nullopt;
    }
    if (unitText.isEmpty())
        return unitFinding(id, K::NoUnit, {NotChosen});
    return unitFinding(id, K::UnknownUnit, notOneOf(unitText, a.listItems()));
}

} // namespace quarvex
