#include "bandpainter.h"

#include "calc/formula.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace quarvex {

namespace {

// Fills that stay apart for readers with any common colour-vision deficiency
// (the Okabe-Ito set), mixed with the window's base colour so they suit light
// and dark themes alike; each band also has its own hatching.
const QRgb BandFills[] = {0x56B4E9, 0xE69F00, 0x009E73, 0xCC79A7, 0x0072B2, 0xD55E00, 0xF0E442};
const Qt::BrushStyle BandHatches[] = {Qt::NoBrush,         Qt::BDiagPattern, Qt::Dense6Pattern,
                                      Qt::FDiagPattern,    Qt::CrossPattern, Qt::HorPattern,
                                      Qt::DiagCrossPattern};
constexpr int BandStyles = int(std::size(BandFills));
static_assert(std::size(BandHatches) == std::size(BandFills));

// Most characters of a short name written on the bar.
constexpr int ShortNameChars = 14;

QColor mixed(const QColor& base, const QColor& tint, double share)
{
    return QColor::fromRgbF(float(base.redF() * (1 - share) + tint.redF() * share),
                            float(base.greenF() * (1 - share) + tint.greenF() * share),
                            float(base.blueF() * (1 - share) + tint.blueF() * share));
}

// The layout of a picture inside its area, all from the font.
struct Geometry {
    int line;    // a text line
    int gap;     // a character's width
    int arrow;   // the arrow beside an end of the bar
    QRect value; // the row of the value's label
    QRect bar;
    QRect bounds; // the row of the bounds' labels

    Geometry(const QFontMetrics& fm, const QRect& area)
        : line(fm.height())
        , gap(std::max(2, fm.averageCharWidth()))
        , arrow(std::max(4, line * 3 / 4))
    {
        const int markerHeight = std::max(3, line / 2);
        const int side = arrow + gap / 2;
        const int top = area.top();
        value = QRect(area.left(), top, area.width(), line);
        bar = QRect(area.left() + side, top + line + markerHeight,
                    std::max(1, area.width() - 2 * side), line * 8 / 5);
        bounds = QRect(area.left(), bar.bottom() + 1 + std::max(2, line / 4), area.width(), line);
    }

    static int height(const QFontMetrics& fm)
    {
        const int line = fm.height();
        return line + std::max(3, line / 2) + line * 8 / 5 + std::max(2, line / 4) + line + 1;
    }
    int xAt(double fraction) const
    {
        return bar.left() + int(std::lround(fraction * (bar.width() - 1)));
    }
};

// A label of the given width centred on x, kept inside [left, right].
QRect labelRect(int x, int width, const QRect& row)
{
    int left = x - width / 2;
    left = std::clamp(left, row.left(), std::max(row.left(), row.right() + 1 - width));
    return QRect(left, row.top(), std::min(width, row.width()), row.height());
}

QString number(double value, const QLocale& locale)
{
    return locale.toString(value, 'g', 6);
}

} // namespace

QString bandShortName(const PictureBand& band)
{
    const QString name = band.shortName.isEmpty() ? band.text : band.shortName;
    return name.simplified();
}

QString bandLetter(qsizetype index)
{
    return QString(QChar(u'A' + char16_t(index % 26)));
}

BandScale bandScaleOf(const DerivedRow& row)
{
    BandScale scale;
    scale.title = row.name;
    for (qsizetype i = 0; i < row.bands.size(); ++i) {
        const DerivedBand& band = row.bands[i];
        PictureBand p;
        p.lower = band.lower;
        p.upper = band.upper;
        p.lowerIncluded = band.lowerIncluded;
        p.upperIncluded = band.upperIncluded;
        p.text = bandMeaning(band);
        p.shortName = bandLetter(i);
        scale.bands << p;
    }
    if (std::isfinite(row.value)) {
        // A row decided on its shown number marks that number.
        scale.value = bandValue(row.shown, row.value);
        // The marker says what the result says: "97.22", not 97.2222.
        if (row.shown != Shown::Text && !row.result.trimmed().isEmpty())
            scale.valueText = row.result.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    scale.chosen = row.chosenBand;
    return scale;
}

QList<double> bandEdges(const BandScale& scale)
{
    const QList<PictureBand>& bands = scale.bands;
    QList<double> finite;
    for (const PictureBand& band : bands) {
        for (const auto& bound : {band.lower, band.upper}) {
            if (bound && std::isfinite(*bound))
                finite << *bound;
        }
    }
    double low = 0, high = 1;
    if (!finite.isEmpty()) {
        const auto [lo, hi] = std::minmax_element(finite.cbegin(), finite.cend());
        const double span = *hi - *lo;
        const double pad = span > 0 ? span / 2 : std::max(std::fabs(*lo) / 2, 1.0);
        low = *lo - pad;
        if (*lo > 0 && low < 0)
            low = 0;
        high = *hi + pad;
    }
    QList<double> result;
    result.reserve(bands.size() + 1);
    for (qsizetype i = 0; i < bands.size(); ++i) {
        if (bands[i].lower)
            result << *bands[i].lower;
        else if (i > 0 && bands[i - 1].upper)
            result << *bands[i - 1].upper;
        else
            result << (i == 0 ? low : result.back());
    }
    result << (!bands.isEmpty() && bands.back().upper ? *bands.back().upper : high);
    return result;
}

std::optional<MarkerPlace> markerPlaceOf(const BandScale& scale)
{
    if (!scale.value || !std::isfinite(*scale.value) || scale.bands.isEmpty())
        return std::nullopt;
    const double v = *scale.value;
    const QList<double> e = bandEdges(scale);
    const qsizetype n = scale.bands.size();
    qsizetype segment = scale.chosen;
    if (segment < 0 || segment >= n) {
        // No band took the value: it stands where the edges put it.
        segment = 0;
        while (segment < n - 1 && v > e[segment + 1])
            ++segment;
    }
    const double from = e[segment], to = e[segment + 1];
    double t = to > from ? (v - from) / (to - from) : 0.5;
    if (t < 0 && segment == 0)
        return MarkerPlace{0, true};
    if (t > 1 && segment == n - 1)
        return MarkerPlace{1, true};
    t = std::clamp(t, 0.0, 1.0);
    return MarkerPlace{(double(segment) + t) / double(n), false};
}

int bandPictureHeight(const QFont& font, QPaintDevice* device)
{
    return device ? Geometry::height(QFontMetrics(font, device))
                  : Geometry::height(QFontMetrics(font));
}

QSize bandPictureSize(const BandScale& scale, const QFont& font, const QLocale& locale)
{
    const QFontMetrics fm(font);
    int widest = fm.horizontalAdvance(QStringLiteral("0000.00"));
    for (const PictureBand& band : scale.bands) {
        for (const auto& bound : {band.lower, band.upper}) {
            if (bound)
                widest = std::max(widest, fm.horizontalAdvance(number(*bound, locale)));
        }
        widest = std::max(widest, fm.horizontalAdvance(bandShortName(band).left(ShortNameChars)));
    }
    const int segments = std::max<qsizetype>(1, scale.bands.size());
    const Geometry g(fm, QRect(0, 0, 100, 100));
    return {int(segments) * (widest + 2 * g.gap) + 2 * (g.arrow + g.gap), Geometry::height(fm)};
}

QSize bandPictureMinimumSize(const BandScale& scale, const QFont& font)
{
    const QFontMetrics fm(font);
    const int segments = std::max<qsizetype>(1, scale.bands.size());
    const Geometry g(fm, QRect(0, 0, 100, 100));
    return {int(segments) * (fm.horizontalAdvance(QStringLiteral("000.0")) + g.gap) +
                2 * (g.arrow + g.gap),
            Geometry::height(fm)};
}

void paintBandPicture(QPainter& painter, const QRect& area, const BandScale& scale,
                      const QFont& font, const QLocale& locale, const BandColours& colours)
{
    const QList<PictureBand>& bands = scale.bands;
    if (bands.isEmpty() || area.isEmpty())
        return;
    painter.save();
    painter.setFont(font);
    // Measured on the device painted on: a printer's dots are not the screen's.
    QPaintDevice* device = painter.device();
    const QFontMetrics fm(font, device);
    const Geometry g(fm, area);
    const QColor base = colours.base;
    const QColor ink = colours.ink;
    const int pen = std::max(1, g.line / 12);
    const qsizetype n = bands.size();
    const QList<double> e = bandEdges(scale);

    // The bands, each an equal share of the bar.
    for (qsizetype i = 0; i < n; ++i) {
        const int left = g.xAt(double(i) / double(n));
        const int right = g.xAt(double(i + 1) / double(n));
        const QRect cell(left, g.bar.top(), std::max(1, right - left), g.bar.height());
        const int style = int(i % BandStyles);
        painter.fillRect(cell, mixed(base, QColor::fromRgb(BandFills[style]), 0.4));
        if (BandHatches[style] != Qt::NoBrush) {
            QColor hatch = ink;
            hatch.setAlphaF(0.22f);
            painter.fillRect(cell, QBrush(hatch, BandHatches[style]));
        }
        painter.setPen(QPen(ink, pen));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));

        // The short name on a plate of the base colour, so the hatching never
        // runs through the letters.
        QFont nameFont = font;
        nameFont.setBold(i == scale.chosen);
        const QFontMetrics nameMetrics(nameFont, device);
        const QString name = nameMetrics.elidedText(bandShortName(bands[i]).left(ShortNameChars),
                                                    Qt::ElideRight, cell.width() - g.gap);
        if (!name.isEmpty()) {
            const int w = nameMetrics.horizontalAdvance(name) + g.gap / 2;
            QRect plate(0, 0, std::min(w, cell.width() - 2 * pen), nameMetrics.height());
            plate.moveCenter(cell.center());
            QColor back = base;
            back.setAlphaF(0.85f);
            painter.fillRect(plate, back);
            painter.setFont(nameFont);
            painter.setPen(ink);
            painter.drawText(plate, Qt::AlignCenter, name);
            painter.setFont(font);
        }
    }

    // The chosen band stands out by a thick frame, not by colour alone.
    if (scale.chosen >= 0 && scale.chosen < n) {
        const int left = g.xAt(double(scale.chosen) / double(n));
        const int right = g.xAt(double(scale.chosen + 1) / double(n));
        const int thick = std::max(2, g.line / 6);
        painter.setPen(QPen(ink, thick, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(left, g.bar.top(), right - left, g.bar.height())
                             .adjusted(thick / 2.0, thick / 2.0, -thick / 2.0, -thick / 2.0));
    }

    // The bounds under the edges where bands meet or a band ends; an open end
    // has no bound to show.
    painter.setPen(QPen(ink, pen));
    int lastRight = g.bounds.left() - g.gap;
    for (qsizetype i = 0; i <= n; ++i) {
        const bool bound = (i == 0 && bands[0].lower) || (i == n && bands[n - 1].upper) ||
                           (i > 0 && i < n && (bands[i].lower || bands[i - 1].upper));
        if (!bound)
            continue;
        const int x = g.xAt(double(i) / double(n));
        painter.drawLine(x, g.bar.bottom() + 1, x, g.bounds.top() - 1);
        const QString text = number(e[i], locale);
        const QRect label = labelRect(x, fm.horizontalAdvance(text), g.bounds);
        if (label.left() < lastRight + g.gap / 2)
            continue; // too close to the previous one; the description has it
        painter.drawText(label, Qt::AlignCenter, text);
        lastRight = label.right();
    }

    // The marker: a pointer above the bar and a line through it, or an arrow
    // beside the end the value lies beyond.
    if (const auto place = markerPlaceOf(scale)) {
        const int x = g.xAt(place->fraction);
        const QString text =
            scale.valueText.isEmpty() ? number(*scale.value, locale) : scale.valueText;
        QFont valueFont = font;
        valueFont.setBold(true);
        const QFontMetrics valueMetrics(valueFont, device);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        QPainterPath pointer;
        if (place->beyond) {
            const int y = g.bar.center().y();
            const int half = std::max(3, g.bar.height() / 3);
            const int tip = place->fraction < 0.5 ? area.left() : area.right();
            const int back = place->fraction < 0.5 ? tip + g.arrow : tip - g.arrow;
            pointer.moveTo(tip, y);
            pointer.lineTo(back, y - half);
            pointer.lineTo(back, y + half);
        } else {
            const int half = std::max(3, (g.bar.top() - g.value.bottom() - 1) * 2 / 3);
            pointer.moveTo(x, g.bar.top());
            pointer.lineTo(x - half, g.value.bottom() + 1);
            pointer.lineTo(x + half, g.value.bottom() + 1);
            painter.setPen(QPen(ink, std::max(2, pen * 2)));
            painter.drawLine(x, g.bar.top(), x, g.bar.bottom());
            painter.setPen(Qt::NoPen);
        }
        pointer.closeSubpath();
        painter.drawPath(pointer);
        const int labelX = place->beyond ? (place->fraction < 0.5 ? area.left() : area.right()) : x;
        painter.setFont(valueFont);
        painter.setPen(ink);
        painter.drawText(labelRect(labelX, valueMetrics.horizontalAdvance(text), g.value),
                         Qt::AlignCenter, text);
    }
    painter.restore();
}

} // namespace quarvex
