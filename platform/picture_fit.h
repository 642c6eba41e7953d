// A fixed-size picture shown in a window of any size: scaled to fit with
// its aspect ratio kept, centred, the rest in the window's background, and
// positions in the window mapped back to picture pixels.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

class QImage;
class QPainter;

namespace vortan {

// The largest rectangle of `picture`'s shape inside `area` (both in whole
// pixels), centred; the letterbox bars take what is left.
QRect fitRect(QSize picture, QSize area);

// Where the picture lies in a widget of `size` logical pixels at device
// pixel ratio `ratio`: fitted in device pixels, so that its edges fall on
// whole device pixels, and given back in logical coordinates.
QRectF fitInWidget(QSize picture, QSize size, double ratio);

// The picture pixel under widget position `pos` when the picture fills
// `target`; outside the picture the result lies outside 0..picture-1.
QPoint toPicture(QPointF pos, const QRectF& target, QSize picture);

// Draws `source` of `image` (the whole image when `source` is null; any
// device pixel ratio) into `target` and fills the rest of `area` with
// `background`. An exact whole multiple of the source's pixels is copied
// pixel for pixel; any other size is scaled smoothly, so no row or column of
// the picture comes out wider than the others.
void drawFitted(QPainter& p, const QRect& area, const QRectF& target, const QImage& image, const QColor& background,
                const QRect& source = QRect());

}  // namespace vortan
