#include "steps/bandpicture.h"

#include "calc/derivation.h"
#include "calc/formula.h"

#include <QEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace quarvex {

QString bandDescription(const BandScale& scale, const QLocale& locale)
{
    if (!scale.value || !std::isfinite(*scale.value))
        return QStringLiteral("No value to place on the bands.");
    const QString value = sixDigits(*scale.value, locale);
    if (scale.bands.isEmpty())
        return QStringLiteral("%1 has no bands to lie in.").arg(value);
    if (scale.chosen < 0 || scale.chosen >= scale.bands.size())
        return QStringLiteral("%1 lies in no band.").arg(value);

    const PictureBand& chosen = scale.bands.at(scale.chosen);
    const DerivedBand band{
        chosen.lower, chosen.upper, chosen.lowerIncluded, chosen.upperIncluded, chosen.text,
        chosen.text,  true};
    QString sentence = bandSentence(*scale.value, band, locale);
    if (const auto place = markerPlaceOf(scale); place && place->beyond)
        sentence += place->fraction < 0.5
                        ? QStringLiteral(" (beyond the left end of the picture)")
                        : QStringLiteral(" (beyond the right end of the picture)");
    // Then the whole picture, band by band, as the eye reads it left to right.
    QStringList bands;
    for (qsizetype i = 0; i < scale.bands.size(); ++i) {
        const PictureBand& b = scale.bands[i];
        const DerivedBand bounds{b.lower,      b.upper, b.lowerIncluded, b.upperIncluded, b.text,
                                 std::nullopt, false};
        bands << bandShortName(b) + QStringLiteral(", ") + bandRangeText(bounds, locale);
    }
    return sentence + QStringLiteral(". Bands from left to right: ") +
           bands.join(QStringLiteral("; ")) + QLatin1Char('.');
}

BandPicture::BandPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BandPicture"));
    setAccessibleName(QStringLiteral("Band picture"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
}

void BandPicture::setScale(const BandScale& scale)
{
    m_scale = scale;
    setAccessibleName(scale.title.isEmpty() ? QStringLiteral("Band picture")
                                            : QStringLiteral("Band picture: %1").arg(scale.title));
    setAccessibleDescription(description());
    setToolTip(description());
    updateGeometry();
    update();
}

QString BandPicture::description() const
{
    return bandDescription(m_scale, locale());
}

QSize BandPicture::sizeHint() const
{
    return bandPictureSize(m_scale, font(), locale());
}

QSize BandPicture::minimumSizeHint() const
{
    return bandPictureMinimumSize(m_scale, font());
}

void BandPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPicture(painter, rect());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BandPicture::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LocaleChange) {
        setAccessibleDescription(description());
        setToolTip(description());
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        updateGeometry();
}

void BandPicture::paintPicture(QPainter& painter, const QRect& area) const
{
    paintBandPicture(painter, area, m_scale, font(), locale(),
                     {palette().color(QPalette::Base), palette().color(QPalette::Text)});
}

} // namespace quarvex
