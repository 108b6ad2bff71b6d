#include "steps/bandpicture.h"

#include "calc/derivation.h"
#include "calc/formula.h"
#include "calc/items.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace quarvex {

QString bandDescription(const BandScale& scale, const QLocale& locale)
{
    if (!scale.value || !std::isfinite(*scale.value))
        return QCoreApplication::translate("quarvex::BandPicture",
                                           "No value to place on the bands.");
    const QString value = sixDigits(*scale.value, locale);
    if (scale.bands.isEmpty())
        return QCoreApplication::translate("quarvex::BandPicture", "%1 has no bands to lie in.")
            .arg(value);
    if (scale.chosen < 0 || scale.chosen >= scale.bands.size())
        return QCoreApplication::translate("quarvex::BandPicture", "%1 lies in no band.")
            .arg(value);

    const PictureBand& chosen = scale.bands.at(scale.chosen);
    const DerivedBand band{
        chosen.lower, chosen.upper, chosen.lowerIncluded, chosen.upperIncluded, chosen.text,
        chosen.text,  true};
    QString sentence = bandSentence(*scale.value, band, locale);
    if (const auto place = markerPlaceOf(scale); place && place->beyond)
        sentence = (place->fraction < 0.5
                        ? QCoreApplication::translate("quarvex::BandPicture",
                                                      "%1 (beyond the left end of the picture)")
                        : QCoreApplication::translate("quarvex::BandPicture",
                                                      "%1 (beyond the right end of the picture)"))
                       .arg(sentence);
    // Then the whole picture, band by band, as the eye reads it left to right.
    QStringList bands;
    for (qsizetype i = 0; i < scale.bands.size(); ++i) {
        const PictureBand& b = scale.bands[i];
        const DerivedBand bounds{b.lower,      b.upper, b.lowerIncluded, b.upperIncluded, b.text,
                                 std::nullopt, false};
        //: A band's letter and its range: "A, below 200 mg/dL".
        bands << QCoreApplication::translate("quarvex::BandPicture", "%1, %2")
                     .arg(bandShortName(b), bandRangeText(bounds, locale));
    }
    //: %1 is the sentence on the value's band, %2 the bands, separated by "; ".
    return QCoreApplication::translate("quarvex::BandPicture", "%1. Bands from left to right: %2.")
        .arg(sentence, bands.join(QStringLiteral("; ")));
}

BandPicture::BandPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BandPicture"));
    setAccessibleName(tr("Band picture"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
}

void BandPicture::setScale(const BandScale& scale)
{
    m_scale = scale;
    setAccessibleName(scale.title.isEmpty()
                          ? tr("Band picture")
                          : tr("Band picture: %1").arg(shownItemText(scale.title)));
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
