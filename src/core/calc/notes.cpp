#include "calc/notes.h"

#include "analytes/bands.h"
#include "analytes/plausibility.h"
#include "calc/formula.h"

#include <cmath>
#include <cstring>
#include <limits>

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

// The number a result text shows, read in the locale it was written in.
std::optional<double> shownNumber(const QString& result, const QLocale& written)
{
    const QString number = result.trimmed().section(u' ', 0, 0);
    if (number.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = written.toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool holds(double value, double low, double high)
{
    return greaterOrEqual(value, low) && lessOrEqual(value, high);
}

// What a condition found, for the note's text; nothing when it does not hold.
std::optional<QString> check(const NoteCondition& condition, int row, const Inputs& inputs,
                             const Outcome& outcome, const QLocale& locale)
{
    const ConvertedInput& input = inputs[condition.analyte];
    const QString name = QString::fromLatin1(analyte(condition.analyte).name);
    const bool valid = !inputs.finding(condition.analyte) && std::isfinite(input.typed);
    const bool hasRow = row >= 0 && row < outcome.values.size();
    const double rowValue = hasRow ? outcome.values[row] : std::nan("");

    switch (condition.test) {
    case T::NotAboveUpper:
    case T::NotBelowLower: {
        if (!valid)
            return std::nullopt;
        const auto limits = adultLimits(input, inputs[A::Gender].valueText, locale);
        if (!limits)
            return std::nullopt;
        const bool ok = condition.test == T::NotAboveUpper
                            ? (limits->highIncluded ? lessOrEqual(input.typed, limits->high)
                                                    : less(input.typed, limits->high))
                            : greaterOrEqual(input.typed, limits->low);
        if (!ok)
            return std::nullopt;
        return QStringLiteral("%1 %2 %3 (adult reference %4)")
            .arg(name, sixDigits(input.typed, locale), limits->unit, limits->range);
    }
    case T::NotGiven:
        if (valid)
            return std::nullopt;
        return name;
    case T::Below: {
        if (!valid || !less(input.converted, condition.bound))
            return std::nullopt;
        QString found = name + u' ' + sixDigits(input.typed, locale);
        if (!input.unitText.isEmpty())
            found += u' ' + input.unitText;
        return found;
    }
    case T::TopBand: {
        if (!hasRow || row >= outcome.working.size())
            return std::nullopt;
        const std::span<const Band> bands = outcome.working[row].bands;
        const int index = bandIndex(rowValue, bands);
        if (index < 0 || index != int(bands.size()) - 1)
            return std::nullopt;
        return sixDigits(rowValue, locale);
    }
    case T::RowFromTo:
        if (!hasRow || !std::isfinite(rowValue) ||
            !holds(rowValue, condition.bound, condition.upper))
            return std::nullopt;
        return sixDigits(rowValue, locale);
    }
    return std::nullopt;
}

QList<Note> contextNotes(const ItemNotes& tables, int row, const Inputs& inputs,
                         const Outcome& outcome, const QLocale& locale)
{
    QList<Note> notes;
    for (const ContextRule& rule : tables.context) {
        if (rule.row >= 0 && rule.row != row)
            continue;
        QStringList found;
        QStringList sources;
        addSources(sources, text(rule.sources));
        bool all = true;
        for (const NoteCondition& condition : rule.conditions()) {
            const std::optional<QString> what = check(condition, row, inputs, outcome, locale);
            if (!what) {
                all = false;
                break;
            }
            found << *what;
            if (condition.test == T::NotAboveUpper || condition.test == T::NotBelowLower) {
                const auto limits =
                    adultLimits(inputs[condition.analyte], inputs[A::Gender].valueText, locale);
                addSources(sources, limits->sources.join(u' '));
            }
        }
        if (!all)
            continue;
        QString sentence = text(rule.text);
        for (qsizetype i = 0; i < found.size(); ++i)
            sentence.replace(QStringLiteral("%") + QString::number(i + 1), found[i]);
        notes << Note{NoteKind::Context, sentence, sources};
    }
    return notes;
}

std::optional<Note> bandRoundingNote(int row, const Inputs& inputs, const Outcome& outcome,
                                     const QLocale& locale)
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
    QString side;
    if (approxEqual(value, edge))
        side = QStringLiteral("at");
    else
        side = value < edge ? QStringLiteral("below") : QStringLiteral("above");
    const QString number = preciseNumber(
        value, [bands](double v) { return bandIndex(v, bands); }, locale);
    const QString interpretation = outcome.rows[row].interpretation.trimmed();
    const QString reading = interpretation.isEmpty()
                                ? QStringLiteral(", so no interpretation is given.")
                                : QStringLiteral(", so: ") + interpretation;
    return Note{NoteKind::Rounding,
                QStringLiteral("Shown as %1; the unrounded value is %2, %3 %4%5")
                    .arg(result.trimmed().section(u' ', 0, 0), number, side,
                         shortestNumber(edge, locale), reading),
                {}};
}

std::optional<Note> cutOffNote(const ItemNotes& tables, int row, const Inputs& inputs,
                               const Outcome& outcome, const QLocale& locale)
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
        const QString low = shortestNumber(cut.low, locale);
        const QString high = shortestNumber(cut.high, locale);
        QString where;
        switch (place(value)) {
        case 0:
            where = QStringLiteral("below ") + low;
            break;
        case 1:
            where = QStringLiteral("at ") + low;
            break;
        case 2:
            where = QStringLiteral("between %1 and %2").arg(low, high);
            break;
        case 3:
            where = QStringLiteral("at ") + high;
            break;
        default:
            where = QStringLiteral("above ") + high;
            break;
        }
        QString sentence;
        if (const std::optional<double> shown =
                shownNumber(outcome.rows[row].result, inputs.locale()))
            sentence = QStringLiteral("Shown as %1; ")
                           .arg(outcome.rows[row].result.trimmed().section(u' ', 0, 0));
        sentence += QStringLiteral("the ratio is %1, %2. %3")
                        .arg(preciseNumber(value, place, locale), where, text(cut.meaning));
        QStringList sources;
        addSources(sources, text(cut.sources));
        return Note{NoteKind::Rounding, sentence, sources};
    }
    return std::nullopt;
}

// The interval as the value field's tooltip shows its edges.
QString intervalRange(const ConvertedInput& input, double low, double high, bool highIncluded,
                      const QString& unit, const QLocale& locale)
{
    const QString field = QString::fromLatin1(analyte(input.id).field);
    // "below 5.18" counts from the shown number on; "up to" and "–" up to it.
    const QString top =
        shownLimitText(field, input.unitText, high, !highIncluded, locale) + u' ' + unit;
    if (low > 0.0)
        return shownLimitText(field, input.unitText, low, true, locale) + QChar(0x2013) + top;
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

QString noteTag(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Dated:
        return QStringLiteral("dated");
    case NoteKind::Unsourced:
        return QStringLiteral("no source");
    case NoteKind::Context:
    case NoteKind::Rounding:
        break;
    }
    return {};
}

// The one place that reads reference limits from the plausibility table.
std::optional<AdultLimits> adultLimits(const ConvertedInput& input, const QString& gender,
                                       const QLocale& locale)
{
    if (!std::isfinite(input.typed))
        return std::nullopt;
    const std::optional<Plausibility> p =
        plausibility(QString::fromLatin1(analyte(input.id).field), input.unitText);
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

QList<Note> rowNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                     const QLocale& locale)
{
    const ItemNotes none;
    const ItemNotes& tables =
        int(item) >= 0 && int(item) < ItemCount ? quarvex::item(item).notes : none;
    QList<Note> notes = contextNotes(tables, row, inputs, outcome, locale);
    if (std::optional<Note> note = bandRoundingNote(row, inputs, outcome, locale))
        notes << *note;
    if (std::optional<Note> note = cutOffNote(tables, row, inputs, outcome, locale))
        notes << *note;
    for (NoteKind kind : {NoteKind::Dated, NoteKind::Unsourced}) {
        for (const EvidenceNote& evidence : tables.evidence) {
            if (evidence.kind != kind || (evidence.row >= 0 && evidence.row != row))
                continue;
            QStringList sources;
            addSources(sources, text(evidence.sources));
            notes << Note{kind, text(evidence.text), sources};
        }
    }
    return notes;
}

} // namespace quarvex
