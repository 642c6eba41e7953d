#include "picture_fit.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cmath>

namespace vortan {

QRect fitRect(QSize picture, QSize area) {
    if (picture.isEmpty() || area.isEmpty()) return {};
    int w = area.width();
    int h = area.height();
    // Cross-multiplied in 64 bits, so that no pair of sizes can overflow.
    if (static_cast<qint64>(w) * picture.height() <= static_cast<qint64>(h) * picture.width())
        h = static_cast<int>(std::lround(static_cast<double>(w) * picture.height() / picture.width()));
    else
        w = static_cast<int>(std::lround(static_cast<double>(h) * picture.width() / picture.height()));
    return {(area.width() - w) / 2, (area.height() - h) / 2, w, h};
}

QRectF fitInWidget(QSize picture, QSize size, double ratio) {
    const QSize device(static_cast<int>(std::lround(size.width() * ratio)),
                       static_cast<int>(std::lround(size.height() * ratio)));
    const QRect r = fitRect(picture, device);
    return {r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio};
}

QPoint toPicture(QPointF pos, const QRectF& target, QSize picture) {
    if (target.isEmpty()) return {-1, -1};
    const double x = (pos.x() - target.x()) * picture.width() / target.width();
    const double y = (pos.y() - target.y()) * picture.height() / target.height();
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

void drawFitted(QPainter& p, const QRect& area, const QRectF& target, const QImage& image, const QColor& background,
                const QRect& source) {
    const QRegion bars = QRegion(area) - QRegion(target.toAlignedRect());
    for (const QRect& r : bars) p.fillRect(r, background);
    const QRect from = source.isNull() ? image.rect() : source;
    const double ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const double scale = target.width() * ratio / from.width();
    const bool whole = std::abs(scale - std::round(scale)) < 1e-9 &&
                       std::abs(target.height() * ratio - std::round(scale) * from.height()) < 1e-6;
    p.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
    p.drawImage(target, image, QRectF(from));
}

}  // namespace vortan
