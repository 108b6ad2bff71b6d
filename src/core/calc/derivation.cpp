#include "calc/derivation.h"

#include "analytes/hints.h"

#include "analytes/format.h"
#include "analytes/plausibility.h"
#include "calc/compare.h"
#include "i18n/language.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quarvex {

namespace {

// "÷ 88.4 umol/L per mg/dL": the factor of a conversion with its unit, as a
// board names it.
QString conversionText(const UnitChoice* unit, const QString& typed, const QString& to)
{
    if (!unit)
        return {};
    const QLocale c = QLocale::c();
    const auto factor = [&](double number, const QString& per, const QString& of) {
        if (per.isEmpty() || of.isEmpty() || (unit->multiply != 1.0 && unit->divide != 1.0))
            return shortestNumber(number, c);
        return QCoreApplication::translate(
                   ClinicalProseContext,
                   QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 %2 per %3"))
            .arg(shortestNumber(number, c), per, of);
    };
    QString text;
    if (unit->multiply != 1.0)
        text += QStringLiteral("\u00d7 ") + factor(unit->multiply, to, typed);
    if (unit->divide != 1.0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QStringLiteral("\u00f7 ") + factor(unit->divide, typed, to);
    }
    return text;
}

QList<DerivedBand> derivedBands(std::span<const Band> bands, int chosen)
{
    QList<DerivedBand> out;
    out.reserve(qsizetype(bands.size()));
    std::optional<double> lower;
    bool lowerIncluded = false;
    for (size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        const bool last = i + 1 == bands.size();
        DerivedBand d;
        d.lower = lower;
        d.lowerIncluded = lower.has_value() && lowerIncluded;
        if (!last && std::isfinite(band.upTo)) {
            d.upper = band.upTo;
            d.upperIncluded = band.inclusive;
        }
        if (band.text)
            d.text = QString::fromLatin1(band.text);
        d.chosen = int(i) == chosen;
        out << d;
        lower = d.upper;
        lowerIncluded = !band.inclusive;
    }
    return out;
}

// Band texts that a row's interpretation continues after ("The risk … is " +
// "twice that of" + " the 'average American'.") are fragments: each band's
// sentence is its text in the same frame. Any other band's sentence is its text.
void completeSentences(QList<DerivedBand>& bands, int chosen, const QString& interpretation)
{
    QString before;
    QString after;
    if (chosen >= 0 && bands[chosen].text && !bands[chosen].text->isEmpty()) {
        const QString& text = *bands[chosen].text;
        const qsizetype at = interpretation.indexOf(text);
        if (at >= 0 && at + text.size() < interpretation.size()) {
            before = interpretation.left(at);
            after = interpretation.mid(at + text.size());
        }
    }
    for (DerivedBand& band : bands) {
        if (band.text)
            band.sentence = after.isEmpty() ? *band.text : before + *band.text + after;
    }
}

// The significant digits of a number as text ("0.81" has 2, "97.66" has 4).
int significantDigits(const QString& text)
{
    int digits = 0;
    bool leading = true;
    for (const QChar c : text) {
        if (!c.isDigit())
            continue;
        if (leading && c == QLatin1Char('0'))
            continue;
        leading = false;
        ++digits;
    }
    return digits;
}

} // namespace

QString unroundedText(const DerivedRow& row, const QLocale& locale)
{
    constexpr int MoreDigits = 4;
    constexpr int MostDigits = 10;
    constexpr int TextRowDigits = 6;
    int digits = TextRowDigits;
    if (shownDecimals(row.shown) >= 0)
        digits = std::min(MostDigits,
                          significantDigits(formatFixed(row.value, shownDecimals(row.shown))) +
                              MoreDigits);
    else if (row.shown == Shown::Plain)
        digits = std::min(MostDigits, significantDigits(formatPlain(row.value)) + MoreDigits);
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return std::isfinite(row.value) ? plain.toString(row.value, 'g', digits)
                                    : formatPlain(row.value, locale);
}

QString bandMeaning(const DerivedBand& band)
{
    return band.sentence.value_or(band.text.value_or(QString::fromLatin1(NoBandText)));
}

Derivation derive(const ItemDescriptor& item, const Inputs& inputs, const Outcome& outcome)
{
    return derive(item, inputs, outcome, caseHints(inputs));
}

Derivation derive(const ItemDescriptor& item, const Inputs& inputs, const Outcome& outcome,
                  const QList<FieldHint>& hints)
{
    Derivation d{item.id, QString::fromLatin1(item.listText), {}, {}, std::nullopt, {}, {}};
    for (const ConvertedInput& in : outcome.inputs) {
        const Analyte& a = analyte(in.id);
        DerivedInput di;
        di.id = in.id;
        di.field = a.fieldName();
        di.name = a.accessibleName();
        di.text = in.valueText;
        if (a.unitKind == UnitKind::List)
            di.unit = in.unitText;
        if (a.fixedUnit)
            di.fixedUnit = QString::fromLatin1(a.fixedUnit);
        di.formulaUnit = formulaUnit(in.id);
        if (readsConverted(outcome.working, in.id))
            di.conversion = conversionText(in.unit, in.unitText, di.formulaUnit);
        di.value = in.converted;
        di.hints = hintsOn(hints, in.id);
        d.inputs << di;
    }
    const auto names = item.rowNames();
    for (qsizetype i = 0; i < outcome.rows.size(); ++i) {
        const ResultRow& row = outcome.rows[i];
        DerivedRow dr;
        dr.name = row.name.isEmpty() && size_t(i) < names.size()
                      ? QString::fromLatin1(names[size_t(i)])
                      : row.name;
        dr.result = row.result;
        dr.interpretation = row.interpretation;
        dr.value = i < outcome.values.size() ? outcome.values[i] : std::nan("");
        if (i < outcome.working.size()) {
            const RowWorking& work = outcome.working[i];
            if (const Formula* f = work.formula) {
                dr.symbol = QString::fromUtf8(f->symbol);
                dr.shown = f->shown;
                dr.suffix = QString::fromUtf8(f->suffix);
                const QString lhs = dr.symbol + QStringLiteral(" = ");
                dr.words = lhs + formulaText(*f, FormulaStyle::Words, inputs);
                dr.symbols = lhs + formulaText(*f, FormulaStyle::Symbols, inputs);
                dr.constant = genderConstantNote(*f);
                dr.expression = formulaText(*f, FormulaStyle::Expression, inputs);
                dr.substituted = formulaText(*f, FormulaStyle::Substituted, inputs);
                dr.steps = formulaSteps(*f, inputs);
                if (dr.steps.isEmpty() && f->ops.size() == 1 && f->ops[0].kind == FormulaOp::Input)
                    dr.valueUnit = formulaUnit(f->ops[0].input);
            }
            dr.chosenBand = bandIndex(bandValue(dr.shown, dr.value), work.bands);
            dr.bands = derivedBands(work.bands, dr.chosenBand);
            completeSentences(dr.bands, dr.chosenBand, dr.interpretation);
            if (!dr.valueUnit.isEmpty() && !dr.bands.isEmpty()) {
                const ConvertedInput& in = inputs[work.formula->ops[0].input];
                if (in.unit && (in.unit->multiply != 1.0 || in.unit->divide != 1.0)) {
                    dr.typedField = analyte(in.id).fieldName();
                    dr.typedUnit = in.unitText;
                    dr.toTyped = in.unit->divide / in.unit->multiply;
                }
            }
        }
        dr.notes = rowNotes(item.id, int(i), inputs, outcome, inputs.locale());
        d.rows << dr;
    }
    // A note of several of the item's rows is shown once.
    QList<QList<Note>> notes;
    QStringList rowNames;
    for (const DerivedRow& dr : d.rows) {
        notes << dr.notes;
        rowNames << dr.name;
    }
    showSharedOnce(notes, rowNames);
    // An input whose every use is a side of a quotient whose units cancel is
    // worked as typed: its conversion is not shown.
    for (DerivedInput& di : d.inputs) {
        if (di.conversion.isEmpty())
            continue;
        bool converted = false;
        bool cancelled = false;
        for (const DerivedRow& dr : d.rows) {
            if (dr.steps.isEmpty() && !dr.valueUnit.isEmpty())
                converted = true; // a value taken as it is, in its formula unit
            for (const FormulaStep& step : dr.steps) {
                for (const std::optional<AnalyteId>& side : {step.leftInput, step.rightInput}) {
                    if (side == di.id)
                        (step.typedSides ? cancelled : converted) = true;
                }
            }
        }
        if (cancelled && !converted)
            di.conversion.clear();
    }
    for (qsizetype i = 0; i < d.rows.size(); ++i)
        d.rows[i].shownNotes = notes[i];
    d.sources = itemSources(item.id);
    d.changes = stepNotes(item.id);
    d.compare = compareLines(item.id, inputs);
    return d;
}

QString bandRangeText(const DerivedBand& band, const QLocale& locale)
{
    const auto n = [&](double v) { return shortestNumber(v, locale); };
    if (!band.lower && !band.upper)
        return QStringLiteral("any value");
    if (!band.lower)
        return (band.upperIncluded ? QStringLiteral("up to ") : QStringLiteral("below ")) +
               n(*band.upper);
    QString from =
        (band.lowerIncluded ? QStringLiteral("from ") : QStringLiteral("above ")) + n(*band.lower);
    if (!band.upper)
        return from;
    return from + (band.upperIncluded ? QStringLiteral(" up to ") : QStringLiteral(" to below ")) +
           n(*band.upper);
}

QString bandRangeText(const DerivedRow& row, const DerivedBand& band, const QLocale& locale)
{
    if (row.typedUnit.isEmpty())
        return bandRangeText(band, locale);
    const auto n = [&](double v, bool lowerEdge) {
        return shortestNumber(v, locale) + QLatin1Char(' ') + row.valueUnit + QStringLiteral(" (") +
               shownLimitText(row.typedField, row.typedUnit, v * row.toTyped, lowerEdge, locale) +
               QLatin1Char(' ') + row.typedUnit + QLatin1Char(')');
    };
    if (!band.lower && !band.upper)
        return QStringLiteral("any value");
    if (!band.lower)
        return (band.upperIncluded ? QStringLiteral("up to ") : QStringLiteral("below ")) +
               n(*band.upper, false);
    QString from = (band.lowerIncluded ? QStringLiteral("from ") : QStringLiteral("above ")) +
                   n(*band.lower, band.lowerIncluded);
    if (!band.upper)
        return from;
    return from + (band.upperIncluded ? QStringLiteral(" up to ") : QStringLiteral(" to below ")) +
           n(*band.upper, !band.upperIncluded);
}

QString noteLabel(const Note& note)
{
    const QString tag = noteTag(note.kind);
    if (tag.isEmpty())
        return QStringLiteral("Note:");
    return tag.left(1).toUpper() + tag.mid(1) + QLatin1Char(':');
}

QString bandSentence(double value, const DerivedBand& band, const QLocale& locale)
{
    QString range = bandRangeText(band, locale);
    return sixDigits(value, locale) + QStringLiteral(" lies in the band ") + range +
           QStringLiteral(": ") + bandMeaning(band);
}

QString bandSentence(const DerivedRow& row, const QLocale& locale)
{
    const DerivedBand* band = row.band();
    return band ? bandSentence(bandValue(row.shown, row.value), *band, locale) : QString();
}

QString inputLine(const DerivedInput& in, const QLocale& locale)
{
    QString line = in.text;
    QString unit;
    if (in.unit && !in.unit->isEmpty())
        unit = *in.unit;
    else if (!in.fixedUnit.isEmpty())
        unit = in.fixedUnit;
    if (!unit.isEmpty())
        line += QLatin1Char(' ') + unit;
    if (!in.conversion.isEmpty()) {
        line +=
            QLatin1Char(' ') + in.conversion + QStringLiteral(" = ") + sixDigits(in.value, locale);
        unit = in.formulaUnit;
        if (!unit.isEmpty())
            line += QLatin1Char(' ') + unit;
    }
    // Where the unit measures something else than the name says (urea in
    // mg/dL is urea nitrogen), the line names it.
    const QString quantity = quantityName(in.id, unit);
    if (!unit.isEmpty() && quantity != quantityName(in.id, QString()))
        line = QCoreApplication::translate(ClinicalProseContext,
                                           QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 (%2)"))
                   .arg(line, quantity);
    return line;
}

QList<WorkLine> workLines(const DerivedRow& row, const QLocale& locale)
{
    QList<WorkLine> lines;
    if (!row.symbols.isEmpty()) {
        lines << WorkLine{QStringLiteral("Formula:"), row.symbols,
                          row.words + QStringLiteral("\nExpression: ") + row.expression, 2};
        if (!row.constant.isEmpty())
            lines << WorkLine{QString(), row.constant, QString(), 4};
    }
    if (!row.steps.isEmpty()) {
        lines << WorkLine{QStringLiteral("With the numbers:"), row.substituted, QString(), 2};
        for (qsizetype i = 0; i < row.steps.size(); ++i)
            lines << WorkLine{QStringLiteral("Step %1:").arg(i + 1), stepText(row.steps[i], locale),
                              QString(), 2};
    } else if (!row.symbols.isEmpty()) {
        QString value = sixDigits(row.value, locale);
        if (!row.valueUnit.isEmpty())
            value += QLatin1Char(' ') + row.valueUnit;
        lines << WorkLine{QStringLiteral("Value:"), value, QString(), 2};
    }
    if (!row.steps.isEmpty() || shownDecimals(row.shown) >= 0)
        lines << WorkLine{QStringLiteral("Value before rounding:"), unroundedText(row, locale),
                          QString(), 2};
    lines << WorkLine{QStringLiteral("Result:"), row.result, QString(), 2};
    if (!row.interpretation.isEmpty())
        lines << WorkLine{QStringLiteral("Interpretation:"), row.interpretation, QString(), 2};
    // What qualifies the reading comes right under it, before any band table.
    for (const Note& note : row.shownNotes)
        lines << WorkLine{noteLabel(note), note.text, QString(), 2};
    return lines;
}

namespace {

struct SourceNotes {
    const char* label;
    QString ItemSources::*text;
};
constexpr SourceNotes NoteLines[] = {
    {"Formula from", &ItemSources::formulaOrigin},
    {"Bands from", &ItemSources::bandsOrigin},
    {"Current guidance", &ItemSources::guidance},
    {"This program's own choice", &ItemSources::ownChoice},
    {"Keep in mind", &ItemSources::caveat},
};

QString sourceLine(const Source& source)
{
    QString line =
        QLatin1Char('[') + sourceRoleName(source.role) + QStringLiteral("] ") + source.citation();
    if (!source.verified())
        line += QStringLiteral(" (not verified)");
    if (!source.note.isEmpty())
        line += QStringLiteral(" \u2014 ") + source.note;
    return line;
}

// The comparison after the rows, as a paragraph of its own.
void appendCompareText(QString& out, const Derivation& d)
{
    if (d.compare.isEmpty())
        return;
    out += QStringLiteral("\nCompare:\n");
    for (const QString& sentence : d.compare)
        out += QStringLiteral("  ") + sentence + QLatin1Char('\n');
}

QString compareHtml(const Derivation& d)
{
    if (d.compare.isEmpty())
        return {};
    QString html = QStringLiteral("<p><b>Compare</b></p>");
    for (const QString& sentence : d.compare)
        html += QStringLiteral("<p>") + sentence.toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}

} // namespace

QString stepsText(const Derivation& d, const QLocale& locale)
{
    QString out;
    const auto line = [&out](int indent, const QString& text) {
        out += QString(indent, QLatin1Char(' ')) + text + QLatin1Char('\n');
    };
    line(0, d.listText);
    line(0, QString(d.listText.size(), QLatin1Char('=')));
    line(0, QStringLiteral("Inputs:"));
    for (const DerivedInput& in : d.inputs) {
        line(2, in.name + QStringLiteral(": ") + inputLine(in, locale));
        for (const QString& hint : in.hints)
            line(4, QStringLiteral("Check: ") + hint);
    }
    for (const DerivedRow& row : d.rows) {
        out += QLatin1Char('\n');
        line(0, row.name + QLatin1Char(':'));
        for (const WorkLine& work : workLines(row, locale))
            line(work.indent,
                 work.label.isEmpty() ? work.text : work.label + QLatin1Char(' ') + work.text);
        if (row.bands.isEmpty())
            continue;
        line(2, QStringLiteral("Bands:"));
        for (const DerivedBand& band : row.bands) {
            line(band.chosen ? 2 : 4, (band.chosen ? QStringLiteral("> ") : QString()) +
                                          bandRangeText(row, band, locale) + QStringLiteral(": ") +
                                          bandMeaning(band));
        }
    }
    appendCompareText(out, d);
    if (d.sources) {
        out += QLatin1Char('\n');
        line(0, QStringLiteral("Sources:"));
        for (const Source& source : d.sources->sources)
            line(2, sourceLine(source));
        for (const SourceNotes& note : NoteLines) {
            const QString& text = (*d.sources).*note.text;
            if (!text.isEmpty())
                line(2, QString::fromLatin1(note.label) + QStringLiteral(": ") + text);
        }
    }
    for (const QString& change : d.changes)
        line(2, change);
    return out;
}

QString stepsHtml(const Derivation& d, const QLocale& locale)
{
    return stepsHtml(d, locale, HtmlPart::BandTables | HtmlPart::Sources);
}

QString stepsHtml(const Derivation& d, const QLocale& locale, HtmlParts parts)
{
    const auto e = [](const QString& text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<h3>") + e(d.listText) + QStringLiteral("</h3>");
    html += QStringLiteral("<p><b>Inputs</b></p><table cellspacing=\"2\">");
    for (const DerivedInput& in : d.inputs) {
        html += QStringLiteral("<tr><td>") + e(in.name) + QStringLiteral(":</td><td>") +
                e(inputLine(in, locale)) + QStringLiteral("</td></tr>");
        for (const QString& hint : in.hints)
            html +=
                QStringLiteral("<tr><td></td><td>Check: ") + e(hint) + QStringLiteral("</td></tr>");
    }
    html += QStringLiteral("</table>");
    for (const DerivedRow& row : d.rows) {
        html +=
            QStringLiteral("<h4>") + e(row.name) + QStringLiteral("</h4><table cellspacing=\"2\">");
        for (const WorkLine& work : workLines(row, locale)) {
            // The words and the plain expression of a formula are its tooltip.
            const QString text = work.tip.isEmpty() ? e(work.text)
                                                    : QStringLiteral("<span title=\"") +
                                                          e(work.tip) + QStringLiteral("\">") +
                                                          e(work.text) + QStringLiteral("</span>");
            html += QStringLiteral("<tr><td>") + e(work.label) + QStringLiteral("</td><td>") +
                    text + QStringLiteral("</td></tr>");
        }
        html += QStringLiteral("</table>");
        if (row.bands.isEmpty() || !(parts & HtmlPart::BandTables))
            continue;
        html += QStringLiteral("<p>Bands:</p><table cellspacing=\"2\">");
        for (const DerivedBand& band : row.bands) {
            // The chosen band is told by a marker and bold type, not by colour alone.
            const QString open = band.chosen ? QStringLiteral("<b>") : QString();
            const QString close = band.chosen ? QStringLiteral("</b>") : QString();
            html += QStringLiteral("<tr><td>") +
                    (band.chosen ? QStringLiteral("\u25b6") : QString()) +
                    QStringLiteral("</td><td>") + open + e(bandRangeText(row, band, locale)) +
                    close + QStringLiteral("</td><td>") + open + e(bandMeaning(band)) + close +
                    QStringLiteral("</td></tr>");
        }
        html += QStringLiteral("</table>");
    }
    html += compareHtml(d);
    if (parts & HtmlPart::Sources)
        html += sourcesHtml(d);
    return html;
}

QString sourcesHtml(const Derivation& d)
{
    const auto e = [](const QString& text) { return text.toHtmlEscaped(); };
    QString html;
    if (d.sources) {
        html += QStringLiteral("<p><b>Sources</b></p><ul>");
        for (const Source& source : d.sources->sources)
            html += QStringLiteral("<li>") + e(sourceLine(source)) + QStringLiteral("</li>");
        html += QStringLiteral("</ul>");
        for (const SourceNotes& note : NoteLines) {
            const QString& text = (*d.sources).*note.text;
            if (!text.isEmpty())
                html += QStringLiteral("<p><i>") + QLatin1String(note.label) +
                        QStringLiteral(":</i> ") + e(text) + QStringLiteral("</p>");
        }
    }
    for (const QString& change : d.changes)
        html += QStringLiteral("<p>") + e(change) + QStringLiteral("</p>");
    return html;
}

} // namespace quarvex
