// Program icons for desktop entries.
#include "artwork.h"
#include "parts.h"

#include <QPainter>
#include <QPolygonF>

namespace artgen {

QImage gameIcon()
{
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    paintTile(img, QPoint(0, 0), QColor(237, 217, 72), 0x1c0aULL, 64);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRect(QRectF(12, 13, 45, 45));
    }
    paintYourBox(img, QPoint(9, 9), 0, 45);
    return img;
}

QImage designerIcon()
{
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(QColor(30, 30, 36));
    const QColor colours[9] = {
        QColor(237, 217, 72), QColor(220, 220, 214), QColor(35, 31, 134),
        QColor(71, 152, 66),  QColor(237, 217, 72), QColor(177, 34, 39),
        QColor(211, 90, 32),  QColor(35, 31, 134),  QColor(220, 220, 214),
    };
    for (int i = 0; i < 9; ++i)
        paintTile(img, QPoint(2 + 20 * (i % 3), 2 + 20 * (i / 3)), colours[i], 0xde5ULL + i, 20);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The pencil lies along the x axis, tip at the origin, then is turned
    // to write towards the lower left.
    p.translate(15, 49);
    p.rotate(-45);
    const QColor outline(30, 20, 10);
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(60, 50, 45));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(6, -2.2), QPointF(6, 2.2)}));
    p.setBrush(QColor(232, 196, 140));
    p.drawPolygon(QPolygonF({QPointF(5, -2.0), QPointF(13, -5.5), QPointF(13, 5.5), QPointF(5, 2.0)}));
    p.setBrush(QColor(60, 50, 45));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(5, -2.0), QPointF(5, 2.0)}));
    QLinearGradient body(0, -5.5, 0, 5.5);
    body.setColorAt(0.0, QColor(255, 222, 90));
    body.setColorAt(0.5, QColor(246, 170, 30));
    body.setColorAt(1.0, QColor(190, 110, 10));
    p.setBrush(body);
    p.drawRect(QRectF(13, -5.5, 30, 11));
    p.setPen(QPen(QColor(170, 95, 5), 1.0));
    p.drawLine(QPointF(13.5, -1.8), QPointF(42.5, -1.8));
    p.drawLine(QPointF(13.5, 1.8), QPointF(42.5, 1.8));
    p.setPen(QPen(outline, 1.2));
    QLinearGradient metal(0, -5.5, 0, 5.5);
    metal.setColorAt(0.0, QColor(235, 235, 240));
    metal.setColorAt(1.0, QColor(120, 120, 130));
    p.setBrush(metal);
    p.drawRect(QRectF(43, -5.5, 5, 11));
    p.setBrush(QColor(236, 120, 140));
    p.drawRoundedRect(QRectF(48, -5.5, 7, 11), 2.5, 2.5);
    return img;
}

} // namespace artgen
