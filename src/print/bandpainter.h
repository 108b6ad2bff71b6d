#pragma once

#include "calc/derivation.h"

#include <QColor>
#include <QList>
#include <QLocale>
#include <QSize>
#include <QString>

#include <optional>

class QFont;
class QPaintDevice;
class QPainter;
class QRect;

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

// The background the bands' fills are mixed with and the colour of the
// lines and text: paper's by default, a window's palette on screen.
struct BandColours {
    QColor base = Qt::white;
    QColor ink = Qt::black;
};

// The name written on a band's part of the bar: its short name, else its text.
QString bandShortName(const PictureBand& band);
// The letter of a band on the bar and in its legend: A, B, C …
QString bandLetter(qsizetype index);

// The band picture's view of a derived row: its bands with their full
// sentences (the word for a band without text), each lettered A, B, C … on
// the bar, the value with the text the result shows it by, and the chosen band.
BandScale bandScaleOf(const DerivedRow& row);

// The values at the edges of the drawn segments, one more than the bands.
QList<double> bandEdges(const BandScale& scale);
// Where the marker stands, or nothing without a value or bands.
std::optional<MarkerPlace> markerPlaceOf(const BandScale& scale);

// Paints a horizontal bar of the bands into the area (no clipping;
// everything stays inside): each band an equal share of the bar with its own
// fill and hatching, labelled with its short name and with the bounds at the
// band edges; a marker points at the value. Within a band the value is placed
// in proportion; an open band is drawn as far as half the span of the bounds
// beyond its bound (not below zero when every bound is positive). Sizes
// follow the font, measured on the painter's device; numbers are written as
// the locale writes them.
void paintBandPicture(QPainter& painter, const QRect& area, const BandScale& scale,
                      const QFont& font, const QLocale& locale = QLocale(),
                      const BandColours& colours = {});
// The height the picture takes in the font on a device (a screen or a page).
int bandPictureHeight(const QFont& font, QPaintDevice* device = nullptr);
// The size the picture would like (its labels side by side) and the least it
// needs, in the font on the screen.
QSize bandPictureSize(const BandScale& scale, const QFont& font, const QLocale& locale);
QSize bandPictureMinimumSize(const BandScale& scale, const QFont& font);

} // namespace quarvex
