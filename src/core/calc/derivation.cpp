#include "calc/derivation.h"

#include "analytes/hints.h"

#include "analytes/format.h"

#include <cmath>

namespace quarvex {

namespace {

QString conversionText(const UnitChoice* unit)
{
    if (!unit)
        return {};
    const QLocale c = QLocale::c();
    QString text;
    if (unit->multiply != 1.0)
        text += QStringLiteral("\u00d7 ") + shortestNumber(unit->multiply, c);
    if (unit->divide != 1.0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QStringLiteral("\u00f7 ") + shortestNumber(unit->divide, c);
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

} // namespace

Derivation derive(const ItemDescriptor& item, const Inputs& inputs, const Outcome& outcome)
{
    return derive(item, inputs, outcome, caseHints(inputs));
}

Derivation derive(const ItemDescriptor& item, const Inputs& inputs, const Outcome& outcome,
                  const QList<FieldHint>& hints)
{
    Derivation d{item.id, QString::fromLatin1(item.listText), {}, {}, std::nullopt};
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
        di.conversion = conversionText(in.unit);
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
                dr.suffix = QString::fromLatin1(f->suffix);
                const QString lhs = dr.symbol + QStringLiteral(" = ");
                dr.words = lhs + formulaText(*f, FormulaStyle::Words, inputs);
                dr.symbols = lhs + formulaText(*f, FormulaStyle::Symbols, inputs);
                const QString note = genderConstantNote(*f);
                if (!note.isEmpty())
                    dr.constant = QStringLiteral("K = ") + note;
                dr.expression = formulaText(*f, FormulaStyle::Expression, inputs);
                dr.substituted = formulaText(*f, FormulaStyle::Substituted, inputs);
            }
            dr.chosenBand = bandIndex(dr.value, work.bands);
            dr.bands = derivedBands(work.bands, dr.chosenBand);
        }
        d.rows << dr;
    }
    d.sources = itemSources(item.id);
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

QString bandSentence(double value, const DerivedBand& band, const QLocale& locale)
{
    QString range = bandRangeText(band, locale);
    return sixDigits(value, locale) + QStringLiteral(" lies in the band ") + range +
           QStringLiteral(": ") + band.text.value_or(QString::fromLatin1(NoBandText));
}

QString bandSentence(const DerivedRow& row, const QLocale& locale)
{
    const DerivedBand* band = row.band();
    return band ? bandSentence(row.value, *band, locale) : QString();
}

namespace {

// "154 lbs ÷ 2.2 = 70", "1.2 mg/dL", "Female".
QString inputLine(const DerivedInput& in, const QLocale& locale)
{
    QString line = in.text;
    if (in.unit && !in.unit->isEmpty())
        line += QLatin1Char(' ') + *in.unit;
    else if (!in.fixedUnit.isEmpty())
        line += QLatin1Char(' ') + in.fixedUnit;
    if (!in.conversion.isEmpty())
        line +=
            QLatin1Char(' ') + in.conversion + QStringLiteral(" = ") + sixDigits(in.value, locale);
    return line;
}

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
        line(2, QStringLiteral("Formula: ") + row.words);
        line(2, QStringLiteral("Symbols: ") + row.symbols);
        if (!row.constant.isEmpty())
            line(4, row.constant);
        line(2, QStringLiteral("Expression: ") + row.expression);
        line(2, QStringLiteral("With the numbers: ") + row.substituted);
        line(2, QStringLiteral("Value before rounding: ") + formatPlain(row.value, locale));
        line(2, QStringLiteral("Result: ") + row.result);
        if (!row.interpretation.isEmpty())
            line(2, QStringLiteral("Interpretation: ") + row.interpretation);
        if (row.bands.isEmpty())
            continue;
        line(2, QStringLiteral("Bands:"));
        for (const DerivedBand& band : row.bands) {
            line(band.chosen ? 2 : 4, (band.chosen ? QStringLiteral("> ") : QString()) +
                                          bandRangeText(band, locale) + QStringLiteral(": ") +
                                          band.text.value_or(QString::fromLatin1(NoBandText)));
        }
    }
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
    return out;
}

QString stepsHtml(const Derivation& d, const QLocale& locale)
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
        const auto pair = [&](const char* label, const QString& value) {
            if (!value.isEmpty())
                html += QStringLiteral("<tr><td>") + QLatin1String(label) +
                        QStringLiteral("</td><td>") + e(value) + QStringLiteral("</td></tr>");
        };
        pair("Formula:", row.words);
        pair("Symbols:", row.symbols);
        pair("", row.constant);
        pair("Expression:", row.expression);
        pair("With the numbers:", row.substituted);
        pair("Value before rounding:", formatPlain(row.value, locale));
        pair("Result:", row.result);
        pair("Interpretation:", row.interpretation);
        html += QStringLiteral("</table>");
        if (row.bands.isEmpty())
            continue;
        html += QStringLiteral("<p>Bands:</p><table cellspacing=\"2\">");
        for (const DerivedBand& band : row.bands) {
            // The chosen band is told by a marker and bold type, not by colour alone.
            const QString open = band.chosen ? QStringLiteral("<b>") : QString();
            const QString close = band.chosen ? QStringLiteral("</b>") : QString();
            html += QStringLiteral("<tr><td>") +
                    (band.chosen ? QStringLiteral("\u25b6") : QString()) +
                    QStringLiteral("</td><td>") + open + e(bandRangeText(band, locale)) + close +
                    QStringLiteral("</td><td>") + open +
                    e(band.text.value_or(QString::fromLatin1(NoBandText))) + close +
                    QStringLiteral("</td></tr>");
        }
        html += QStringLiteral("</table>");
    }
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
    return html;
}

} // namespace quarvex
