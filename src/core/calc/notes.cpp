#include "calc/notes.h"

#include "analytes/bands.h"
#include "analytes/plausibility.h"
#include "calc/formula.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace quarvex {

namespace {

using A = AnalyteId;
using T = NoteTest;

constexpr double Infinity = std::numeric_limits<double>::infinity();

QString text(const char* fixed)
{
    return QString::fromUtf8(fixed);
}

void addSources(QStringList& to, const QString& ids)
{
    for (const QString& id : ids.split(u' ', Qt::SkipEmptyParts)) {
        if (!to.contains(id))
            to << id;
    }
}

QLocale withoutGroups(const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain;
}

// The value with as many decimals (four at least) as it takes for the number
// written to lie where the value lies, as `place` tells.
template <class Place>
QString preciseNumber(double value, Place place, const QLocale& locale)
{
    const int where = place(value);
    int decimals = 4;
    for (; decimals < 12; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (place(std::round(value * scale) / scale) == where)
            break;
    }
    return withoutGroups(locale).toString(value, 'f', decimals);
}

bool sameText(const char* a, const char* b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

// The first word of a result text: its number, where it shows one.
QStringView firstWord(const QString& result)
{
    const QStringView text = QStringView(result).trimmed();
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? text : text.first(blank);
}

// The number a result text shows, read in the locale it was written in.
std::optional<double> shownNumber(const QString& result, const QLocale& written)
{
    const QStringView number = firstWord(result);
    if (number.isEmpty())
        return std::nullopt;
    // Most results are plain ASCII digits with at most a point, which every
    // locale that writes a point reads alike (a text that starts with a
    // letter, such as a class name, is no number): read directly.
    const char16_t first = number.front().unicode();
    const bool digit = first >= u'0' && first <= u'9';
    if (!digit && first != u'-' && first != u'+' && first != u'.' && first != u',')
        return std::nullopt;
    if (digit && number.size() < 32) {
        char ascii[32];
        int points = 0;
        qsizetype n = 0;
        for (; n < number.size(); ++n) {
            const char16_t c = number[n].unicode();
            if (c == u'.')
                ++points;
            else if (c < u'0' || c > u'9')
                break;
            ascii[n] = char(c);
        }
        if (n == number.size() &&
            (points == 0 || (points == 1 && written.decimalPoint() == u'.'))) {
            double value = 0.0;
            const auto [end, error] = std::from_chars(ascii, ascii + n, value);
            if (error == std::errc() && end == ascii + n && std::isfinite(value))
                return value;
        }
    }
    bool ok = false;
    double value = written.toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// 0 for no gender or another text, 1 for men, 2 for women.
int sexOf(const QString& gender)
{
    return gender == QLatin1StringView(GenderMale)     ? 1
           : gender == QLatin1StringView(GenderFemale) ? 2
                                                       : 0;
}

// The place of an analyte's adult limits for a unit and sex among those
// kept: by the analyte's id and the place of the unit in the field's list
// (the empty unit of a field without a list); -1 for a unit text the field
// does not list, whose limits are read each time.
constexpr int LimitSlots = AnalyteCount * 3 * 3;
int limitSlot(const ConvertedInput& input, int sex)
{
    if (int(input.id) < 0 || int(input.id) >= AnalyteCount)
        return -1;
    const Analyte& a = analyte(input.id);
    int unit = -1;
    if (a.unitKind == UnitKind::List) {
        const auto choices = a.unitChoices();
        for (size_t u = 0; u < choices.size() && u < 3; ++u) {
            if (input.unitText == QLatin1StringView(choices[u].text)) {
                unit = int(u);
                break;
            }
        }
    } else if (input.unitText.isEmpty()) {
        unit = 0;
    }
    return unit < 0 ? -1 : (int(input.id) * 3 + unit) * 3 + sex;
}

// Whether a condition reads the analyte's adult reference limits.
bool readsLimits(NoteTest test)
{
    return test == T::NotAboveUpper || test == T::NotBelowLower || test == T::AboveUpper ||
           test == T::BelowLower;
}

bool holds(double value, double low, double high)
{
    return greaterOrEqual(value, low) && lessOrEqual(value, high);
}

// What a condition finds, as a part of its note's template with %1, %2, …
// counted from `first`: "Serum creatinine %1 mg/dL (adult reference 0.7–1.3
// mg/dL, men)", the unit and interval those of the limits read for the case.
QString conditionTemplate(const NoteCondition& condition, int first, const AdultLimits* limits)
{
    QString name = QString::fromLatin1(analyte(condition.analyte).name);
    QString arg = u'%' + QString::number(first);
    switch (condition.test) {
    case T::NotAboveUpper:
    case T::NotBelowLower:
    case T::AboveUpper:
    case T::BelowLower:
        return QStringLiteral("%1 %2 %3 (adult reference %4)")
            .arg(name, arg, limits ? limits->unit : QString(), limits ? limits->range : QString());
    case T::NotGiven:
        return name;
    case T::Below:
    case T::Above:
        return name + u' ' + arg;
    case T::TopBand:
    case T::RowFromTo:
    case T::RowBelow:
    case T::RowAbove:
    case T::NotTopBand:
    case T::OtherRow:
        break;
    }
    return arg;
}

// The row's number as the case reads it: the number its result shows, or,
// for a row that shows no number (a class, a text), its value.
QString rowNumber(int row, const Outcome& outcome, const Inputs& inputs, const QLocale& locale)
{
    const QString& result = outcome.rows[row].result;
    const bool text = row < outcome.working.size() && outcome.working[row].formula &&
                      outcome.working[row].formula->shown == Shown::Text;
    if (!text && shownNumber(result, inputs.locale()))
        return firstWord(result).toString();
    return sixDigits(outcome.values[row], locale);
}

// The value as typed with its unit: the unit typed, or the field's fixed unit
// where it has one ("4500 IU/L"; an age has none).
QString valueWithUnit(const ConvertedInput& input, const QLocale& locale)
{
    QString found = sixDigits(input.typed, locale);
    if (!input.unitText.isEmpty())
        found += u' ' + input.unitText;
    else if (const char* fixed = analyte(input.id).fixedUnit)
        found += u' ' + QLatin1StringView(fixed);
    return found;
}

// What a condition found, the arguments of its part of the note's template;
// nothing when it does not hold.
std::optional<QStringList> check(const NoteCondition& condition, int row, const Inputs& inputs,
                                 const Outcome& outcome, const QLocale& locale)
{
    const ConvertedInput& input = inputs[condition.analyte];
    const bool valid = !inputs.finding(condition.analyte) && std::isfinite(input.typed);
    const bool hasRow = row >= 0 && row < outcome.values.size();
    const double rowValue = hasRow ? outcome.values[row] : std::nan("");

    switch (condition.test) {
    case T::NotAboveUpper:
    case T::NotBelowLower:
    case T::AboveUpper:
    case T::BelowLower: {
        if (!valid)
            return std::nullopt;
        const auto limits = adultLimits(input, inputs[A::Gender].valueText, locale);
        if (!limits)
            return std::nullopt;
        const bool notAbove = limits->highIncluded ? lessOrEqual(input.typed, limits->high)
                                                   : less(input.typed, limits->high);
        const bool notBelow = greaterOrEqual(input.typed, limits->low);
        const bool ok = condition.test == T::NotAboveUpper   ? notAbove
                        : condition.test == T::NotBelowLower ? notBelow
                        : condition.test == T::AboveUpper    ? !notAbove
                                                             : !notBelow;
        if (!ok)
            return std::nullopt;
        return QStringList{sixDigits(input.typed, locale)};
    }
    case T::Above: {
        if (!valid || !greater(input.converted, condition.bound))
            return std::nullopt;
        return QStringList{valueWithUnit(input, locale)};
    }
    case T::RowBelow:
    case T::RowAbove: {
        if (!hasRow || !std::isfinite(rowValue))
            return std::nullopt;
        const RowWorking* working = row < outcome.working.size() ? &outcome.working[row] : nullptr;
        const double read =
            working && working->formula ? bandValue(working->formula->shown, rowValue) : rowValue;
        const bool ok = condition.test == T::RowBelow ? less(read, condition.bound)
                                                      : greater(read, condition.bound);
        if (!ok)
            return std::nullopt;
        return QStringList{rowNumber(row, outcome, inputs, locale)};
    }
    case T::NotTopBand: {
        if (!hasRow || row >= outcome.working.size())
            return std::nullopt;
        const std::span<const Band> bands = outcome.working[row].bands;
        const int index = bandIndex(rowValue, bands);
        if (index < 0 || index == int(bands.size()) - 1)
            return std::nullopt;
        return QStringList{rowNumber(row, outcome, inputs, locale)};
    }
    case T::OtherRow: {
        if (int(condition.item) < 0 || int(condition.item) >= ItemCount)
            return std::nullopt;
        const ItemDescriptor& other = item(condition.item);
        if (!other.findings(inputs).isEmpty())
            return std::nullopt;
        const Outcome worked = other.compute(inputs, false);
        if (condition.otherRow < 0 || condition.otherRow >= worked.values.size() ||
            condition.otherRow >= worked.rows.size())
            return std::nullopt;
        const double value = worked.values[condition.otherRow];
        if (!std::isfinite(value) ||
            !(condition.bound == -AndAbove || greaterOrEqual(value, condition.bound)) ||
            !(condition.upper == AndAbove || less(value, condition.upper)))
            return std::nullopt;
        const QString shown = worked.rows[condition.otherRow].result.trimmed();
        return QStringList{shown.isEmpty() ? sixDigits(value, locale) : shown};
    }
    case T::NotGiven:
        if (valid)
            return std::nullopt;
        return QStringList{};
    case T::Below: {
        if (!valid || !less(input.converted, condition.bound))
            return std::nullopt;
        return QStringList{valueWithUnit(input, locale)};
    }
    case T::TopBand: {
        if (!hasRow || row >= outcome.working.size())
            return std::nullopt;
        const std::span<const Band> bands = outcome.working[row].bands;
        const int index = bandIndex(rowValue, bands);
        if (index < 0 || index != int(bands.size()) - 1)
            return std::nullopt;
        return QStringList{sixDigits(rowValue, locale)};
    }
    case T::RowFromTo:
        if (!hasRow || !std::isfinite(rowValue) ||
            !holds(rowValue, condition.bound, condition.upper))
            return std::nullopt;
        return QStringList{sixDigits(rowValue, locale)};
    }
    return std::nullopt;
}

// The templates of a context rule: its text with each %n replaced by its
// condition's part, the arguments numbered on from one condition to the
// next; one for each gender and unit of the analytes whose reference limits
// the rule reads, since those are written into the sentence.
QStringList contextTemplates(const ContextRule& rule, const QLocale& locale)
{
    const std::span<const NoteCondition> conditions = rule.conditions();
    QStringList out;
    for (const char* gender : {GenderMale, GenderFemale, ""}) {
        // Each combination of the units of the conditions, counted like digits.
        std::vector<size_t> unit(conditions.size(), 0);
        for (;;) {
            QStringList parts;
            int first = 1;
            bool readable = true;
            for (size_t c = 0; c < conditions.size(); ++c) {
                const NoteCondition& condition = conditions[c];
                std::optional<AdultLimits> limits;
                if (readsLimits(condition.test)) {
                    const Analyte& a = analyte(condition.analyte);
                    ConvertedInput input{
                        condition.analyte, QStringLiteral("1"), QString(), 1.0, 1.0, nullptr};
                    if (a.unitKind == UnitKind::List)
                        input.unitText = QString::fromLatin1(a.unitChoices()[unit[c]].text);
                    limits = adultLimits(input, QString::fromLatin1(gender), locale);
                    readable = readable && limits.has_value();
                }
                parts << conditionTemplate(condition, first, limits ? &*limits : nullptr);
                if (condition.test != T::NotGiven)
                    ++first;
            }
            if (readable) {
                const QString sentence = fillTemplate(text(rule.text), parts);
                if (!out.contains(sentence))
                    out << sentence;
            }
            size_t c = 0;
            for (; c < conditions.size(); ++c) {
                const Analyte& a = analyte(conditions[c].analyte);
                const size_t count = a.unitKind == UnitKind::List ? a.unitChoices().size() : 1;
                const bool limited = readsLimits(conditions[c].test);
                if (limited && ++unit[c] < count)
                    break;
                unit[c] = 0;
            }
            if (c == conditions.size())
                break;
        }
    }
    return out;
}

QString contextId(const ContextRule& rule)
{
    return QString::fromLatin1(rule.id);
}

// The sentence of a context rule for the case, with the parts of its
// conditions put in ("Serum creatinine %1 mg/dL (adult reference …)"), the
// limits those quote read for the case's units and gender.
QString rulePattern(const ContextRule& rule, const Inputs& inputs, const QLocale& locale)
{
    QStringList parts;
    int first = 1;
    for (const NoteCondition& condition : rule.conditions()) {
        std::optional<AdultLimits> limits;
        if (readsLimits(condition.test))
            limits = adultLimits(inputs[condition.analyte], inputs[A::Gender].valueText, locale);
        parts << conditionTemplate(condition, first, limits ? &*limits : nullptr);
        if (condition.test != T::NotGiven)
            ++first;
    }
    return fillTemplate(text(rule.text), parts);
}

// The templates of the notes a case raises depend on the rule and the units
// and gender of the limits it quotes, or on the cut-off and where the value
// lies, never on the values: each is made once per thread and locale.
struct KeptPattern {
    QString id;
    QString pattern;
};
QHash<std::pair<quintptr, quint64>, KeptPattern>& keptPatterns(const QLocale& locale)
{
    struct Kept {
        QLocale locale;
        QHash<std::pair<quintptr, quint64>, KeptPattern> patterns;
    };
    thread_local std::unique_ptr<Kept> kept;
    if (!kept || kept->locale != locale)
        kept.reset(new Kept{locale, {}});
    return kept->patterns;
}

QList<Note> contextNotes(const ItemNotes& tables, int row, const Inputs& inputs,
                         const Outcome& outcome, const QLocale& locale, NoteParts parts)
{
    QList<Note> notes;
    const QString& gender = inputs[A::Gender].valueText;
    for (const ContextRule& rule : tables.context) {
        if (rule.row >= 0 && rule.row != row)
            continue;
        QStringList arguments;
        bool all = true;
        for (const NoteCondition& condition : rule.conditions()) {
            const std::optional<QStringList> what = check(condition, row, inputs, outcome, locale);
            if (!what) {
                all = false;
                break;
            }
            arguments << *what;
        }
        if (!all)
            continue;
        // The template for the units and gender of the limits it quotes.
        quint64 variant = 0;
        bool kept = true;
        for (const NoteCondition& condition : rule.conditions()) {
            if (!readsLimits(condition.test))
                continue;
            const int slot = limitSlot(inputs[condition.analyte], sexOf(gender));
            kept = kept && slot >= 0;
            variant = variant * quint64(LimitSlots + 1) + quint64(slot + 1);
        }
        QString pattern;
        if (kept) {
            auto& patterns = keptPatterns(locale);
            const std::pair<quintptr, quint64> key{quintptr(&rule), variant};
            auto found = patterns.constFind(key);
            if (found == patterns.constEnd())
                found = patterns.insert(key, {QString(), rulePattern(rule, inputs, locale)});
            pattern = found->pattern;
        } else {
            pattern = rulePattern(rule, inputs, locale);
        }
        QStringList sources;
        if (parts == NoteParts::All) {
            // The rule's own, then those of the limits it quotes.
            addSources(sources, text(rule.sources));
            for (const NoteCondition& condition : rule.conditions()) {
                if (!readsLimits(condition.test))
                    continue;
                if (const auto limits = adultLimits(inputs[condition.analyte], gender, locale))
                    addSources(sources, limits->sources.join(u' '));
            }
        }
        QString filled =
            parts == NoteParts::Template ? QString() : fillTemplate(pattern, arguments);
        if (parts == NoteParts::Text) {
            notes << Note{NoteKind::Context, std::move(filled), {}, {}, {}, {}, {}};
            continue;
        }
        notes << Note{NoteKind::Context,
                      std::move(filled),
                      std::move(sources),
                      contextId(rule),
                      std::move(arguments),
                      std::move(pattern),
                      {}};
    }
    return notes;
}

const char* const Sides[] = {"below", "at", "above"};

QString roundingId(int side, bool interpreted)
{
    return QStringLiteral("rounding.") + QLatin1StringView(Sides[side]) +
           (interpreted ? QString() : QStringLiteral(".none"));
}

// Shown as 1.5; the unrounded value is 1.4951, below 1.5, so: …
QString roundingTemplate(int side, bool interpreted)
{
    return QStringLiteral("Shown as %1; the unrounded value is %2, ") +
           QLatin1StringView(Sides[side]) +
           (interpreted ? QStringLiteral(" %3, so: %4")
                        : QStringLiteral(" %3, so no interpretation is given."));
}

// Where a value lies against two cut-offs: 0 below, 1 at the low cut-off,
// 2 between, 3 at the high one, 4 above.
const char* const Places[] = {"below", "at-low", "between", "at-high", "above"};

QString cutOffId(const ItemDescriptor& item, int row, int where, bool shown)
{
    return QString::fromLatin1(item.key) + QStringLiteral(".cut-off.") + QString::number(row) +
           u'.' + QLatin1StringView(Places[where]) + (shown ? QStringLiteral(".shown") : QString());
}

// The sentence of a cut-off note, with the cut-offs written in: "Shown as
// %1; the ratio is %2, between 0.01 and 0.02. …".
QString cutOffTemplate(const CutOffNote& cut, int where, bool shown, const QLocale& locale)
{
    const QString low = shortestNumber(cut.low, locale);
    const QString high = shortestNumber(cut.high, locale);
    const QString places[] = {QStringLiteral("below ") + low, QStringLiteral("at ") + low,
                              QStringLiteral("between %1 and %2").arg(low, high),
                              QStringLiteral("at ") + high, QStringLiteral("above ") + high};
    return (shown ? QStringLiteral("Shown as %1; the ratio is %2, ")
                  : QStringLiteral("the ratio is %1, ")) +
           places[where] + QStringLiteral(". ") + text(cut.meaning);
}

std::optional<Note> bandRoundingNote(int row, const Inputs& inputs, const Outcome& outcome,
                                     const QLocale& locale, bool fromFormula)
{
    if (row < 0 || row >= outcome.rows.size() || row >= outcome.values.size() ||
        row >= outcome.working.size())
        return std::nullopt;
    const RowWorking& working = outcome.working[row];
    // A row decided on its shown number never lies in another band than it shows.
    if (working.bands.empty() || !working.formula || working.formula->shown == Shown::Text ||
        decidesOnShown(working.formula->shown))
        return std::nullopt;
    const std::span<const Band> bands = working.bands;
    const double value = outcome.values[row];
    // A result the formula wrote shows the value to two decimals at least:
    // where no band edge lies that near the value, the shown number is in
    // the value's band, and its text need not be read.
    if (fromFormula && std::isfinite(value)) {
        const double near = 0.006 + 1e-6 * std::fabs(value);
        const int band = bandIndex(value, bands);
        if (bandIndex(value - near, bands) == band && bandIndex(value + near, bands) == band)
            return std::nullopt;
    }
    const QString& result = outcome.rows[row].result;
    const std::optional<double> shown = shownNumber(result, inputs.locale());
    if (!shown || !std::isfinite(value))
        return std::nullopt;
    const int valueBand = bandIndex(value, bands);
    const int shownBand = bandIndex(*shown, bands);
    if (valueBand == shownBand ||
        sameText(bands[size_t(valueBand)].text, bands[size_t(shownBand)].text))
        return std::nullopt;

    // The edge between the two bands, and the side of it the value lies on.
    const double edge = bands[size_t(std::min(valueBand, shownBand))].upTo;
    const int side = approxEqual(value, edge) ? 1 : value < edge ? 0 : 2;
    const QString number = preciseNumber(
        value, [bands](double v) { return bandIndex(v, bands); }, locale);
    const QString interpretation = outcome.rows[row].interpretation.trimmed();
    QStringList arguments{firstWord(result).toString(), number, shortestNumber(edge, locale)};
    if (!interpretation.isEmpty())
        arguments << interpretation;
    const QString pattern = roundingTemplate(side, !interpretation.isEmpty());
    return Note{NoteKind::Rounding,
                fillTemplate(pattern, arguments),
                {},
                roundingId(side, !interpretation.isEmpty()),
                arguments,
                pattern,
                {}};
}

std::optional<Note> cutOffNote(const ItemDescriptor* item, const ItemNotes& tables, int row,
                               const Inputs& inputs, const Outcome& outcome, const QLocale& locale,
                               NoteParts parts)
{
    if (row < 0 || row >= outcome.values.size() || row >= outcome.rows.size())
        return std::nullopt;
    const double value = outcome.values[row];
    if (!std::isfinite(value))
        return std::nullopt;
    for (const CutOffNote& cut : tables.cutOffs) {
        if (cut.row != row)
            continue;
        // 0 below, 1 at the low cut-off, 2 between, 3 at the high one, 4 above.
        const auto place = [&cut](double v) {
            if (approxEqual(v, cut.low))
                return 1;
            if (approxEqual(v, cut.high))
                return 3;
            return v < cut.low ? 0 : v < cut.high ? 2 : 4;
        };
        const int where = place(value);
        const bool shown = shownNumber(outcome.rows[row].result, inputs.locale()).has_value();
        QStringList arguments;
        if (shown)
            arguments << firstWord(outcome.rows[row].result).toString();
        arguments << preciseNumber(value, place, locale);
        QStringList sources;
        if (parts == NoteParts::All)
            addSources(sources, text(cut.sources));
        auto& patterns = keptPatterns(locale);
        const std::pair<quintptr, quint64> key{quintptr(&cut),
                                               quint64(where * 2 + (shown ? 1 : 0))};
        auto found = patterns.constFind(key);
        if (found == patterns.constEnd())
            found = patterns.insert(key, {cutOffId(*item, cut.row, where, shown),
                                          cutOffTemplate(cut, where, shown, locale)});
        return Note{NoteKind::Rounding,
                    parts == NoteParts::Template ? QString()
                                                 : fillTemplate(found->pattern, arguments),
                    sources,
                    found->id,
                    arguments,
                    found->pattern,
                    {}};
    }
    return std::nullopt;
}

// The interval as the value field's tooltip shows its edges.
QString intervalRange(const ConvertedInput& input, double low, double high, bool highIncluded,
                      const QString& unit, const QLocale& locale)
{
    // "below 5.18" counts from the shown number on; "up to" and "–" up to it.
    const QString top =
        shownLimitText(input.id, input.unitText, high, !highIncluded, locale) + u' ' + unit;
    if (low > 0.0)
        return shownLimitText(input.id, input.unitText, low, true, locale) + QChar(0x2013) + top;
    return (highIncluded ? QStringLiteral("up to ") : QStringLiteral("below ")) + top;
}

} // namespace

QString noteKindName(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Context:
        return QStringLiteral("context");
    case NoteKind::Rounding:
        return QStringLiteral("rounding");
    case NoteKind::Dated:
        return QStringLiteral("dated");
    case NoteKind::Unsourced:
        return QStringLiteral("unsourced");
    }
    return {};
}

namespace {

//: The tag of a note whose evidence is old, shown in its place.
constexpr const char* DatedTag = QT_TRANSLATE_NOOP("quarvex::Note", "dated");
//: The tag of a note on a value without a published source.
constexpr const char* UnsourcedTag = QT_TRANSLATE_NOOP("quarvex::Note", "no source");

const char* tagOf(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Dated:
        return DatedTag;
    case NoteKind::Unsourced:
        return UnsourcedTag;
    case NoteKind::Context:
    case NoteKind::Rounding:
        break;
    }
    return nullptr;
}

} // namespace

QString noteTag(NoteKind kind)
{
    const char* tag = tagOf(kind);
    return tag ? QString::fromLatin1(tag) : QString();
}

QString shownNoteTag(NoteKind kind)
{
    const char* tag = tagOf(kind);
    return tag ? QCoreApplication::translate("quarvex::Note", tag) : QString();
}

namespace {

std::optional<AdultLimits> readAdultLimits(const ConvertedInput& input, const QString& gender,
                                           const QLocale& locale);

} // namespace

// The limits depend on the analyte, its unit, the gender and the locale
// alone, not on the value: each is read once per thread and kept.
std::optional<AdultLimits> adultLimits(const ConvertedInput& input, const QString& gender,
                                       const QLocale& locale)
{
    if (!std::isfinite(input.typed))
        return std::nullopt;
    const int slot = limitSlot(input, sexOf(gender));
    if (slot < 0)
        return readAdultLimits(input, gender, locale);
    struct Kept {
        QLocale locale;
        std::array<std::optional<std::optional<AdultLimits>>, LimitSlots> limits;
    };
    thread_local std::unique_ptr<Kept> kept;
    if (!kept || kept->locale != locale)
        kept.reset(new Kept{locale, {}});
    std::optional<std::optional<AdultLimits>>& limits = kept->limits[size_t(slot)];
    if (!limits)
        limits = readAdultLimits(input, gender, locale);
    return *limits;
}

namespace {

// The one place that reads reference limits from the plausibility table.
std::optional<AdultLimits> readAdultLimits(const ConvertedInput& input, const QString& gender,
                                           const QLocale& locale)
{
    const std::optional<Plausibility> p = plausibility(input.id, input.unitText);
    if (!p)
        return std::nullopt;
    Sex sex = Sex::Any;
    if (gender == QLatin1StringView(GenderMale))
        sex = Sex::Men;
    else if (gender == QLatin1StringView(GenderFemale))
        sex = Sex::Women;

    AdultLimits limits;
    limits.low = Infinity;
    limits.high = -Infinity;
    bool found = false;
    bool bySex = false;
    for (const ReferenceInterval& interval : p->intervals) {
        // Classes ("low", "desirable") are no reference interval.
        if (interval.alternative || !interval.label.isEmpty())
            continue;
        if (sex != Sex::Any && interval.sex != Sex::Any && interval.sex != sex)
            continue;
        const bool hasLow =
            interval.shape == IntervalShape::Between || interval.shape == IntervalShape::AtLeast;
        const double low = hasLow ? interval.low : 0.0;
        const double high = interval.shape == IntervalShape::AtLeast ? Infinity : interval.high;
        const bool included = interval.shape != IntervalShape::Below;
        limits.low = std::min(limits.low, low);
        if (high > limits.high || (high == limits.high && included)) {
            limits.highIncluded = included;
            limits.high = high;
        }
        bySex = bySex || interval.sex != Sex::Any;
        for (const Reference* reference : interval.sources)
            addSources(limits.sources, reference->idText());
        found = true;
    }
    if (!found)
        return std::nullopt;
    limits.unit = p->shownUnit;
    limits.range =
        intervalRange(input, limits.low, limits.high, limits.highIncluded, limits.unit, locale);
    if (bySex) {
        if (sex == Sex::Men)
            limits.range += QStringLiteral(", men");
        else if (sex == Sex::Women)
            limits.range += QStringLiteral(", women");
        else
            limits.range += QStringLiteral(", men and women");
    }
    return limits;
}

} // namespace

QString fillTemplate(const QString& sentence, const QStringList& arguments)
{
    QString out;
    qsizetype done = 0; // what of the sentence is in out
    for (qsizetype at = sentence.indexOf(u'%'); at >= 0 && at + 1 < sentence.size();
         at = sentence.indexOf(u'%', at + 1)) {
        const char16_t digit = sentence[at + 1].unicode();
        if (digit < u'1' || digit > u'9' || qsizetype(digit - u'1') >= arguments.size())
            continue;
        if (done == 0) {
            qsizetype size = sentence.size();
            for (const QString& argument : arguments)
                size += argument.size();
            out.reserve(size);
        }
        out += QStringView(sentence).sliced(done, at - done);
        out += arguments[qsizetype(digit - u'1')];
        done = at + 2;
        ++at;
    }
    if (done == 0)
        return sentence;
    out += QStringView(sentence).sliced(done);
    return out;
}

namespace {

QString sharedLead(const QStringList& rows)
{
    return rows.join(QStringLiteral(", ")) + QStringLiteral(": ");
}

// A note's text without the names of the rows it is shown for.
QStringView ownText(const Note& note)
{
    return note.rows.isEmpty() ? QStringView(note.text)
                               : QStringView(note.text).sliced(sharedLead(note.rows).size());
}

} // namespace

// A note may already stand for several rows (those of one item): shared
// again, it names them all.
void showSharedOnce(QList<QList<Note>>& notes, const QStringList& rowNames)
{
    for (qsizetype r = 0; r < notes.size(); ++r) {
        for (qsizetype n = 0; n < notes[r].size(); ++n) {
            if (notes[r][n].kind != NoteKind::Context)
                continue;
            // Read in place: the other rows' lists change, never this one.
            const QStringView own = ownText(std::as_const(notes[r][n]));
            QStringList names; // made once another row carries the note too
            for (qsizetype other = r + 1; other < notes.size(); ++other) {
                const auto shared = [&](const Note& note) {
                    return note.kind == NoteKind::Context && ownText(note) == own;
                };
                const QList<Note>& theirs = std::as_const(notes)[other];
                if (std::none_of(theirs.cbegin(), theirs.cend(), shared))
                    continue;
                if (names.isEmpty()) {
                    const Note& first = std::as_const(notes)[r][n];
                    names = first.rows.isEmpty() ? QStringList{rowNames.value(r)} : first.rows;
                }
                notes[other].removeIf([&](const Note& note) {
                    if (!shared(note))
                        return false;
                    names << (note.rows.isEmpty() ? QStringList{rowNames.value(other)} : note.rows);
                    return true;
                });
            }
            if (names.isEmpty())
                continue;
            Note& note = notes[r][n];
            const qsizetype oldLead = note.rows.isEmpty() ? 0 : sharedLead(note.rows).size();
            const QString lead = sharedLead(names);
            QString text = lead;
            text += own;
            note.text = std::move(text);
            if (!note.pattern.isEmpty())
                note.pattern = lead + note.pattern.sliced(oldLead);
            note.rows = names;
        }
    }
}

QList<NoteTemplate> noteTemplates(const QLocale& locale)
{
    QList<NoteTemplate> out;
    for (const ItemDescriptor& item : overviewItems()) {
        for (const ContextRule& rule : item.notes.context) {
            for (const QString& sentence : contextTemplates(rule, locale))
                out << NoteTemplate{contextId(rule), sentence};
        }
        for (const CutOffNote& cut : item.notes.cutOffs) {
            for (int where = 0; where < 5; ++where) {
                for (bool shown : {true, false})
                    out << NoteTemplate{cutOffId(item, cut.row, where, shown),
                                        cutOffTemplate(cut, where, shown, locale)};
            }
        }
    }
    for (int side = 0; side < 3; ++side) {
        for (bool interpreted : {true, false})
            out << NoteTemplate{roundingId(side, interpreted), roundingTemplate(side, interpreted)};
    }
    return out;
}

QList<Note> caseNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                      const QLocale& locale, NoteParts parts)
{
    const ItemNotes none;
    const ItemNotes& tables =
        int(item) >= 0 && int(item) < ItemCount ? quarvex::item(item).notes : none;
    const ItemDescriptor* described =
        int(item) >= 0 && int(item) < ItemCount ? &quarvex::item(item) : nullptr;
    QList<Note> notes = contextNotes(tables, row, inputs, outcome, locale, parts);
    // An item's screen form may write other results than its formulas do.
    const bool fromFormula = described && !described->screenForm;
    if (std::optional<Note> note = bandRoundingNote(row, inputs, outcome, locale, fromFormula))
        notes << *note;
    if (described) {
        if (std::optional<Note> note =
                cutOffNote(described, tables, row, inputs, outcome, locale, parts))
            notes << *note;
    }
    return notes;
}

QList<Note> rowNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                     const QLocale& locale)
{
    const ItemNotes none;
    const ItemNotes& tables =
        int(item) >= 0 && int(item) < ItemCount ? quarvex::item(item).notes : none;
    QList<Note> notes = caseNotes(item, row, inputs, outcome, locale);
    for (NoteKind kind : {NoteKind::Dated, NoteKind::Unsourced}) {
        for (const EvidenceNote& evidence : tables.evidence) {
            if (evidence.kind != kind || (evidence.row >= 0 && evidence.row != row))
                continue;
            QStringList sources;
            addSources(sources, text(evidence.sources));
            notes << Note{kind, text(evidence.text), sources, {}, {}, {}, {}};
        }
    }
    return notes;
}

} // namespace quarvex
