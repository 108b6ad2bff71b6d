#include "calc/derivation.h"
#include "calc/items.h"
#include "steps/bandpicture.h"
#include "steps/stepsview.h"
#include "testfields.h"
#include "testmain.h"

#include <QImage>
#include <QPainter>

using namespace quarvex;
using namespace Qt::StringLiterals;

namespace {

// Low below 0.8, normal from 0.8 up to and including 1.3, high above: the
// drawn range runs from 0.55 to 1.55.
BandScale threeBands(std::optional<double> value, int chosen)
{
    BandScale scale;
    scale.title = QStringLiteral("AST/ALT Ratio");
    scale.bands = {
        {std::nullopt, 0.8, false, false, QStringLiteral("low"), {}},
        {0.8, 1.3, true, true, QStringLiteral("normal"), {}},
        {1.3, std::nullopt, false, false, QStringLiteral("high"), {}},
    };
    scale.value = value;
    scale.chosen = chosen;
    return scale;
}

// Bounds 1 and 5: the open low band would reach below zero and stops there.
BandScale positiveBands(double value, int chosen)
{
    BandScale scale;
    scale.bands = {
        {std::nullopt, 1, false, false, QStringLiteral("Below the reference interval"),
         QStringLiteral("low")},
        {1, 5, true, false, QStringLiteral("Within the reference interval"), {}},
        {5, std::nullopt, true, false, QStringLiteral("Above the reference interval"),
         QStringLiteral("high")},
    };
    scale.value = value;
    scale.chosen = chosen;
    return scale;
}

// True when any pixel of the image outside the rectangle was painted.
bool paintedOutside(const QImage& image, const QRect& inside)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside.contains(x, y) && qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) != 0;
    }
    return count;
}

} // namespace

class TestBandPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void description_data();
    void description();
    void commaDecimals();
    void markerPlace_data();
    void markerPlace();
    void paintsWithinBounds_data();
    void paintsWithinBounds();
    void sizeFollowsFont();
    void rowScaleAndLegend();
};

void TestBandPicture::description_data()
{
    QTest::addColumn<BandScale>("scale");
    QTest::addColumn<QString>("expected");

    // After where the value lies, the whole picture band by band.
    const QString three =
        u". Bands from left to right: low, below 0.8; normal, from 0.8 up to 1.3; high, above 1.3."_s;
    QTest::addRow("inside a band with both ends")
        << threeBands(0.85, 1) << u"0.85 lies in the band from 0.8 up to 1.3: normal"_s + three;
    QTest::addRow("open low band")
        << threeBands(0.6, 0) << u"0.6 lies in the band below 0.8: low"_s + three;
    QTest::addRow("open high band")
        << threeBands(1.4, 2) << u"1.4 lies in the band above 1.3: high"_s + three;
    QTest::addRow("open high band including its bound, short names")
        << positiveBands(5, 2)
        << u"5 lies in the band from 5: Above the reference interval. Bands from left to right: "
           "low, below 1; Within the reference interval, from 1 to below 5; high, from 5."_s;
    QTest::addRow("beyond the drawn range on the right")
        << threeBands(40, 2)
        << u"40 lies in the band above 1.3: high (beyond the right end of the picture)"_s + three;
    QTest::addRow("beyond the drawn range on the left")
        << threeBands(-2, 0)
        << u"-2 lies in the band below 0.8: low (beyond the left end of the picture)"_s + three;
    QTest::addRow("six significant digits")
        << threeBands(1.0 / 1.1, 1)
        << u"0.909091 lies in the band from 0.8 up to 1.3: normal"_s + three;
    QTest::addRow("no band chosen") << threeBands(1, -1) << "1 lies in no band.";
    QTest::addRow("no value") << threeBands(std::nullopt, -1) << "No value to place on the bands.";
    QTest::addRow("not a number") << threeBands(std::nan(""), 1)
                                  << "No value to place on the bands.";
    QTest::addRow("no bands") << BandScale{{}, {}, 3.0, {}, -1} << "3 has no bands to lie in.";
}

void TestBandPicture::description()
{
    QFETCH(BandScale, scale);
    QFETCH(QString, expected);
    BandPicture picture;
    picture.setScale(scale);
    QCOMPARE(picture.description(), expected);
    QCOMPARE(picture.accessibleDescription(), expected);
    QCOMPARE(bandDescription(scale, QLocale()), expected);
}

void TestBandPicture::commaDecimals()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QVERIFY(bandDescription(threeBands(0.85, 1), german)
                .startsWith(QStringLiteral("0,85 lies in the band from 0,8 up to 1,3: normal.")));
    BandPicture picture;
    picture.setLocale(german);
    picture.setScale(threeBands(40, 2));
    QCOMPARE(picture.accessibleDescription(),
             QStringLiteral("40 lies in the band above 1,3: high (beyond the right end of the "
                            "picture). Bands from left to right: low, below 0,8; normal, from 0,8 "
                            "up to 1,3; high, above 1,3."));
}

void TestBandPicture::markerPlace_data()
{
    QTest::addColumn<BandScale>("scale");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<bool>("beyond");

    QTest::addRow("on a bound the upper band takes") << threeBands(0.8, 1) << 1.0 / 3 << false;
    QTest::addRow("on a bound the lower band takes") << threeBands(0.8, 0) << 1.0 / 3 << false;
    QTest::addRow("middle of the middle band") << threeBands(1.05, 1) << 0.5 << false;
    QTest::addRow("in proportion within an open band") << threeBands(0.675, 0) << 1.0 / 6 << false;
    QTest::addRow("right end of the drawn range") << threeBands(1.55, 2) << 1.0 << false;
    QTest::addRow("just beyond the right end") << threeBands(1.56, 2) << 1.0 << true;
    QTest::addRow("left end of the drawn range") << threeBands(0.55, 0) << 0.0 << false;
    QTest::addRow("just beyond the left end") << threeBands(0.54, 0) << 0.0 << true;
    QTest::addRow("a value no band took stands by the edges")
        << threeBands(1.4, -1) << 0.8 << false;
    QTest::addRow("open low band stops at zero") << positiveBands(0, 0) << 0.0 << false;
    QTest::addRow("half way from zero to the first bound")
        << positiveBands(0.5, 0) << 1.0 / 6 << false;
    QTest::addRow("below zero is beyond") << positiveBands(-0.1, 0) << 0.0 << true;
}

void TestBandPicture::markerPlace()
{
    QFETCH(BandScale, scale);
    QFETCH(double, fraction);
    QFETCH(bool, beyond);
    const std::optional<MarkerPlace> place = markerPlaceOf(scale);
    QVERIFY(place);
    QVERIFY2(std::fabs(place->fraction - fraction) < 1e-12,
             qPrintable(QString::number(place->fraction, 'g', 17)));
    QCOMPARE(place->beyond, beyond);
}

void TestBandPicture::paintsWithinBounds_data()
{
    QTest::addColumn<BandScale>("scale");
    QTest::addColumn<bool>("narrow");

    const BandScale scales[] = {threeBands(0.85, 1), threeBands(-40, 0), threeBands(400, 2),
                                threeBands(0.55, 0), positiveBands(5, 2)};
    const char* const names[] = {"inside", "beyond the left end", "beyond the right end",
                                 "at the left end", "long texts"};
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("%s, wide", names[i]) << scales[i] << false;
        QTest::addRow("%s, narrow", names[i]) << scales[i] << true;
    }
}

void TestBandPicture::paintsWithinBounds()
{
    QFETCH(BandScale, scale);
    QFETCH(bool, narrow);
    BandPicture picture;
    picture.setScale(scale);
    const QSize size = narrow ? picture.minimumSizeHint() : picture.sizeHint();
    QVERIFY(size.width() > 0 && size.height() > 0);

    // At device pixel ratio 2 on a transparent image with a margin of 20
    // logical pixels all round; the picture may only paint its own area.
    const int margin = 20;
    const qreal ratio = 2;
    QImage image(((size + QSize(2 * margin, 2 * margin)) * ratio), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.paintPicture(painter, QRect(QPoint(margin, margin), size));
    }
    const QRect inside(QPoint(margin, margin) * ratio, size * ratio);
    QVERIFY(!paintedOutside(image, inside));
    // The bar alone covers over a fifth of the area.
    QVERIFY(paintedPixels(image) > inside.width() * inside.height() / 5);
    if (const QString dir = qEnvironmentVariable("QUARVEX_BAND_IMAGES"); !dir.isEmpty())
        image.save(
            QStringLiteral("%1/%2.png").arg(dir, QString::fromLatin1(QTest::currentDataTag())));
}

void TestBandPicture::sizeFollowsFont()
{
    BandPicture picture;
    picture.setScale(threeBands(0.85, 1));
    const QSize before = picture.sizeHint();
    QFont large = picture.font();
    large.setPointSizeF(large.pointSizeF() * 2);
    picture.setFont(large);
    const QSize after = picture.sizeHint();
    QVERIFY2(after.height() > before.height() * 3 / 2, "height follows the font");
    QVERIFY2(after.width() > before.width() * 3 / 2, "width follows the font");
}

// A row's picture: every band lettered on the bar with its full sentence
// (the ratio's bands are fragments), the marker reading as the result does,
// and a legend that names every band, the chosen one marked.
void TestBandPicture::rowScaleAndLegend()
{
    const Inputs inputs(test::F(u"Chol=175 mg/dL; HDL=54 mg/dL; Gender=Male"_s), test::English);
    const ItemDescriptor& ratio = item(ItemId::CholesterolHdlRatio);
    const Derivation d = derive(ratio, inputs, ratio.compute(inputs));
    const DerivedRow& row = d.rows.first();
    QCOMPARE(row.result, u"3.24"_s); // 3.2407407…
    const BandScale scale = bandScaleOf(row);
    QCOMPARE(scale.valueText, row.result);
    QCOMPARE(scale.bands.size(), row.bands.size());
    const QString legend = bandLegend(row, test::English);
    const QStringList lines = legend.split(u"<br>"_s);
    QCOMPARE(lines.size(), row.bands.size());
    for (qsizetype i = 0; i < scale.bands.size(); ++i) {
        const QString letter(QChar(u'A' + char16_t(i)));
        QCOMPARE(scale.bands[i].shortName, letter);
        QCOMPARE(scale.bands[i].text, *row.bands[i].sentence);
        QVERIFY2(lines[i].contains(letter + u" ("_s), qPrintable(lines[i]));
        QVERIFY2(lines[i].contains(u"the &#x27;average American&#x27;."_s) ||
                     lines[i].contains(u"the 'average American'."_s),
                 qPrintable(lines[i]));
        QCOMPARE(lines[i].startsWith(u"<b>"_s), i == row.chosenBand);
    }
    // The Text rows of a band table have no number of their own to show.
    const ItemDescriptor& ferritin = item(ItemId::FerritinStores);
    const Inputs stores(test::F(u"Ferritin=220 ng/ml"_s), test::English);
    const Derivation f = derive(ferritin, stores, ferritin.compute(stores));
    QVERIFY(bandScaleOf(f.rows.first()).valueText.isEmpty());
}

QUARVEX_TEST_MAIN(TestBandPicture)
#include "tst_bandpicture.moc"
