#pragma once

#include "bandpainter.h"

#include <QWidget>

namespace quarvex {

// A row's bands as a widget: the picture paintBandPicture draws, in the
// widget's font, locale and palette, so it scales with the screen.
class BandPicture final : public QWidget
{
    Q_OBJECT
public:
    explicit BandPicture(QWidget* parent = nullptr);

    void setScale(const BandScale& scale);
    const BandScale& scale() const { return m_scale; }

    // What a screen reader reads (also the accessible description): where the
    // value lies, "0.85 lies in the band from 0.8 up to 1.3: normal"
    // (bandSentence), then every band of the picture by its letter.
    QString description() const;
    std::optional<MarkerPlace> markerPlace() const { return markerPlaceOf(m_scale); }

    // Paints the picture into the area (no clipping; everything stays inside).
    void paintPicture(QPainter& painter, const QRect& area) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    BandScale m_scale;
};

// The sentence for a scale, as BandPicture::description gives it.
QString bandDescription(const BandScale& scale, const QLocale& locale);

} // namespace quarvex
