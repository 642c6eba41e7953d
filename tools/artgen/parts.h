// Drawing pieces shared by the sprite sheet, the title picture and the icons.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace artgen {

// A mottled, bevelled region tile of size x size whose average colour is
// `average` (to within rounding), painted at `at`.
void paintTile(QImage& img, QPoint at, const QColor& average, std::uint64_t seed, int size = 25);

// The player's box: bright green square with a dark green octagon whose
// width grows with k (0 = resting .. 5 = filling the square).
void paintYourBox(QImage& img, QPoint at, int k, int size = 21);
void paintYourBoxHit(QImage& img, QPoint at, int k, int size = 21);
void paintYourBoxLost(QImage& img, QPoint at, int size = 21);

// The 15 x 15 box sprites; `frame` is the animation frame 0..5. With
// `scale` 2 they are drawn 30 x 30 with the detail of that size.
void paintExceptionBox(QImage& img, QPoint at, int frame, int scale = 1);
void paintFreeBox(QImage& img, QPoint at, int frame, int scale = 1);
void paintHotBox(QImage& img, QPoint at, int frame, int scale = 1);
void paintStarBox(QImage& img, QPoint at, int frame, int scale = 1);
void paintLetterBox(QImage& img, QPoint at, char letter, int frame, int scale = 1);
void paintNumberBox(QImage& img, QPoint at, int number, bool dim, int scale = 1);

// A font from the first installed family of `families`.
QFont pickFont(const QStringList& families, double pixelSize, int weight, bool italic = false);
// Outline of `text` moved and scaled so that its ink fills `height` pixels
// with its left ink edge at `left` and its bottom ink edge at `bottom`.
QPainterPath fittedText(const QString& text, const QFont& font, double left, double bottom, double height);

// Brightness factor (mean about 1) of a flagstone texture at a pixel:
// irregular stones with chiselled edges and dark joints between them.
// `detail` output pixels to each unit of x and y: the grain follows them.
double stoneShade(double x, double y, std::uint64_t seed, double cellSize, int detail = 1);

// Blurs the alpha channel of an ARGB32 image in place (three box passes).
void blurAlpha(QImage& img, int radius);

} // namespace artgen
