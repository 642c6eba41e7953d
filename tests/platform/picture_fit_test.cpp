// A fixed picture in a window of any size: where it lies, which picture
// pixel a window position falls on, and how it is drawn.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "platform/picture_fit.h"

using namespace vortan;

namespace {

const QSize kPicture(800, 600);

TEST(PictureFit, FitsCentredWithItsShapeInOddAndLetterboxedAreas) {
    EXPECT_EQ(fitRect(kPicture, {800, 600}), QRect(0, 0, 800, 600));
    EXPECT_EQ(fitRect(kPicture, {1001, 601}), QRect(100, 0, 801, 601));  // bars left and right
    EXPECT_EQ(fitRect(kPicture, {799, 1000}), QRect(0, 200, 799, 599));  // bars above and below
    EXPECT_EQ(fitRect({443, 443}, {886, 1000}), QRect(0, 57, 886, 886));
    EXPECT_TRUE(fitRect(kPicture, {0, 600}).isEmpty());
}

TEST(PictureFit, WindowPositionsMapBackToPicturePixels) {
    const QRectF pillar = fitInWidget(kPicture, {1001, 601}, 1.0);
    EXPECT_EQ(toPicture(pillar.topLeft(), pillar, kPicture), QPoint(0, 0));
    EXPECT_EQ(toPicture(pillar.topLeft() - QPointF(0.5, 0), pillar, kPicture).x(), -1);  // in the bar
    EXPECT_EQ(toPicture(pillar.bottomRight() - QPointF(0.01, 0.01), pillar, kPicture), QPoint(799, 599));

    const QRectF doubled = fitInWidget(kPicture, {1600, 1400}, 1.0);
    EXPECT_EQ(doubled, QRectF(0, 100, 1600, 1200));
    EXPECT_EQ(toPicture({1301.5, 651.9}, doubled, kPicture), QPoint(650, 275));

    // At ratio 1.5 the picture's edges fall on whole device pixels.
    const QRectF r = fitInWidget(kPicture, {1001, 601}, 1.5);
    for (double edge : {r.left(), r.top(), r.right(), r.bottom()}) EXPECT_DOUBLE_EQ(edge * 1.5, std::round(edge * 1.5));
    EXPECT_EQ(toPicture(r.center() + QPointF(0.1, 0.1), r, kPicture), QPoint(400, 300));
}

TEST(PictureFit, WholeMultiplesArePixelCopiesOtherSizesAreSmooth) {
    // Alternate black and white columns: uneven pixel widths or blending show at once.
    QImage stripes(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y) stripes.setPixel(x, y, x % 2 ? 0xffffffff : 0xff000000);
    const auto draw = [&](QSize area, QRect target) {
        QImage out(area, QImage::Format_RGB32);
        QPainter p(&out);
        drawFitted(p, out.rect(), target, stripes, QColor(0, 0, 255));
        return out;
    };
    const QImage twice = draw({10, 4}, QRect(1, 0, 8, 4));
    EXPECT_EQ(twice.copy(1, 0, 8, 4), stripes.scaled(8, 4));
    EXPECT_EQ(twice.pixel(0, 0), 0xff0000ffu);
    EXPECT_EQ(twice.pixel(9, 3), 0xff0000ffu);

    const QImage oneAndAHalf = draw({6, 3}, QRect(0, 0, 6, 3));
    int greys = 0;
    for (int x = 0; x < 6; ++x) greys += qRed(oneAndAHalf.pixel(x, 1)) > 20 && qRed(oneAndAHalf.pixel(x, 1)) < 235;
    EXPECT_GT(greys, 0);
}

}  // namespace
