#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

namespace quarvex {

// One band as the picture draws it: its bounds (nothing for an open end),
// which ends belong to it, its text and the short name written on the bar.
struct PictureBand {
    std::optional<double> lower;
    std::optional<double> upper;
    bool lowerIncluded = true;
    bool upperIncluded = false;
    QString text;      // the band's interpretation, or the word for none
    QString shortName; // written on the bar; the text when empty
};

// What one picture shows: a row's bands in ascending order, the value and the
// band that the calculation chose for it (-1 for none).
struct BandScale {
    QString title;
    QList<PictureBand> bands;
    std::optional<double> value;
    QString valueText; // the value as the result shows it; empty: 6 significant digits
    int chosen = -1;
};

// Where the value stands on the drawn bar: a fraction of its length from the
// left, and whether it lies beyond the drawn range (then the fraction is 0 or
// 1 and an arrow at that end stands for it).
struct MarkerPlace {
    double fraction = 0;
    bool beyond = false;
};

// The values at the edges of the drawn segments, one more than the bands.
QList<double> bandEdges(const BandScale& scale);
// Where the marker stands, or nothing without a value or bands.
std::optional<MarkerPlace> markerPlaceOf(const BandScale& scale);

// A horizontal bar of a row's bands, each band an equal share of the bar
// with its own fill and hatching, labelled with its short name and with the
// bounds at the band edges; a marker points at the value. Within a band the
// value is placed in proportion; an open band is drawn as far as half the
// span of the bounds beyond its bound (not below zero when every bound is
// positive). Sizes follow the font, so it scales with the screen.
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
    // The height the picture takes on a device (a printer's page).
    int heightOn(QPaintDevice* device) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString number(double value) const;

    BandScale m_scale;
};

// The sentence for a scale, as BandPicture::description gives it.
QString bandDescription(const BandScale& scale, const QLocale& locale);

} // namespace quarvex
