#include "calc/derivation.h"

#include "calc/format.h"

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
        text += QStringLiteral("\u00d7 ") +
                c.toString(unit->multiply, 'g', QLocale::FloatingPointShortest);
    if (unit->divide != 1.0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QStringLiteral("\u00f7 ") +
                c.toString(unit->divide, 'g', QLocale::FloatingPointShortest);
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
    d.sources = itemSources(d.listText);
    return d;
}

QString bandRangeText(const DerivedBand&, const QLocale&)
{
    return {};
}

QString bandSentence(const DerivedRow&, const QLocale&)
{
    return {};
}

QString stepsText(const Derivation&, const QLocale&)
{
    return {};
}

QString stepsHtml(const Derivation&, const QLocale&)
{
    return {};
}

} // namespace quarvex
