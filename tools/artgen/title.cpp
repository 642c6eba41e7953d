// The title picture: a board seen in perspective on a stone floor, under the
// game's name in gold lettering.
#include "artwork.h"
#include "parts.h"

#include "noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kCell = 25;
constexpr int kCells = 22;
constexpr int kRim = 14;

// A showcase board: walls (B) split the yellow, white, orange, green and
// red regions into rooms.
const char* const kRegions[kCells] = {
    "BBBBBBBBBBBBBBBBBBBBBB", "BYYYYYYYYBWWWWWWWWWWWB", "BYYYYYYYYBWWWWWWWWWWWB",
    "BYYGGGYYYBWWRRWWWWWWWB", "BYYGGGYYYYYWRRWWOOOWWB", "BYYGGGYYYYYWWWWWOOOWWB",
    "BYYYYYYYYBWWWWWWOOOWWB", "BYYYYYYYYBBBBWWWWWWWWB", "BBBBYYBBBBYYYYYYYBBBBB",
    "BWWWWWWWWBYYYYYYYBYYYB", "BWWRRRWWWBYYGGGYYYYYYB", "BWWRRRWWWWYYGGGYYBYYYB",
    "BWWWWWWWWBYYGGGYYBYYYB", "BWWWWWWWWBYYYYYYYBYYYB", "BBBBWWBBBBBBBYYBBBYYYB",
    "BOOOOOOOOOBYYYYYYYYYYB", "BOOOOOOOOOBYYRRYYYYYYB", "BOOWWWWOOOYYYRRYYWWWYB",
    "BOOWWWWOOOBYYYYYYWWWYB", "BOOOOOOOOOBYYYYYYWWWYB", "BOOOOOOOOOBYYYYYYYYYYB",
    "BBBBBBBBBBBBBBBBBBBBBB",
};

struct BoxPlace {
    int x;
    int y;
    char kind; // U your, F free, S star, H hot, Z freeze, T time, M move, E exception, 1-9 number
};

const BoxPlace kBoxes[] = {
    {6, 5, 'U'},  {3, 2, '1'},  {14, 2, '2'}, {19, 9, '3'},  {6, 12, '4'}, {15, 19, '5'}, {4, 4, 'E'},
    {13, 11, 'E'}, {7, 2, 'S'}, {17, 5, 'S'}, {3, 17, 'S'}, {12, 15, 'S'}, {12, 3, 'H'},  {4, 10, 'H'},
    {14, 16, 'H'}, {8, 9, 'F'}, {11, 9, 'F'}, {15, 12, 'F'}, {5, 19, 'F'}, {18, 2, 'F'},  {2, 15, 'Z'},
    {19, 13, 'T'}, {8, 17, 'M'}, {18, 18, 'F'},
};

QPoint tileFor(char region)
{
    switch (region) {
    case 'Y': return {0, 275};
    case 'W': return {0, 300};
    case 'R': return {0, 200};
    case 'G': return {0, 150};
    case 'O': return {0, 250};
    default: return {25, 0};
    }
}

// The board as the game would show it, framed by a bevelled rim; `s`
// pixels to each board pixel, from the sheet of that scale.
QImage flatBoard(const QImage& sheet, int s)
{
    const int size = (kCells * kCell + 2 * kRim) * s;
    QImage board(size, size, QImage::Format_ARGB32);
    board.fill(QColor(40, 44, 58));
    QPainter p(&board);
    for (int ring = 0; ring < kRim * s; ++ring) {
        const double t = double(ring) / (kRim * s);
        const QColor lit = QColor::fromRgbF(0.42 - 0.18 * t, 0.45 - 0.18 * t, 0.56 - 0.2 * t);
        const QColor dark = QColor::fromRgbF(0.10 + 0.08 * t, 0.11 + 0.08 * t, 0.16 + 0.1 * t);
        p.setPen(lit);
        p.drawLine(ring, ring, size - 1 - ring, ring);
        p.drawLine(ring, ring, ring, size - 1 - ring);
        p.setPen(dark);
        p.drawLine(ring + 1, size - 1 - ring, size - 1 - ring, size - 1 - ring);
        p.drawLine(size - 1 - ring, ring + 1, size - 1 - ring, size - 1 - ring);
    }
    for (int y = 0; y < kCells; ++y) {
        for (int x = 0; x < kCells; ++x) {
            const char region = kRegions[y][x];
            p.drawImage(QPoint(kRim + x * kCell, kRim + y * kCell) * s, sheet,
                        QRect(tileFor(region) * s, QSize(kCell, kCell) * s));
        }
    }
    for (const BoxPlace& b : kBoxes) {
        const QPoint cell(kRim + b.x * kCell, kRim + b.y * kCell);
        QRect src;
        switch (b.kind) {
        case 'U': src = QRect(274, 329, 21, 21); break;
        case 'F': src = QRect(150, 75, 15, 15); break;
        case 'E': src = QRect(150, 25, 15, 15); break;
        case 'S': src = QRect(274, 40, 15, 15); break;
        case 'H': src = QRect(274 + 15 * 3, 20, 15, 15); break;
        case 'Z': src = QRect(274, 60, 15, 15); break;
        case 'T': src = QRect(274, 80, 15, 15); break;
        case 'M': src = QRect(274, 100, 15, 15); break;
        default: {
            const int n = b.kind - '0';
            static const int rows[3] = {0, 120, 140};
            src = QRect(274 + 30 * ((n - 1) % 3), rows[(n - 1) / 3], 15, 15);
        }
        }
        const int inset = src.width() == 21 ? 2 : 4;
        p.drawImage((cell + QPoint(inset, inset)) * s, sheet, QRect(src.topLeft() * s, src.size() * s));
    }
    return board;
}

QImage stoneFloor(int s)
{
    QImage img(800 * s, 600 * s, QImage::Format_ARGB32);
    for (int y = 0; y < 600 * s; ++y) {
        for (int x = 0; x < 800 * s; ++x) {
            // Picture coordinates of the pixel's centre.
            const double px = (x + 0.5) / s - 0.5;
            const double py = (y + 0.5) / s - 0.5;
            const double dx = (px - 400.0) / 400.0;
            const double dy = (py - 260.0) / 340.0;
            const double vignette = 1.0 - 0.42 * std::min(1.0, dx * dx + dy * dy);
            const double shade = 1.0 + 0.75 * (stoneShade(px, py, 0x717e5ULL, 60.0, s) - 1.0);
            const double v = 120.0 * vignette * shade;
            img.setPixel(x, y, qRgb(std::clamp(int(v * 1.02), 0, 255), std::clamp(int(v), 0, 255),
                                    std::clamp(int(v * 0.97), 0, 255)));
        }
    }
    return img;
}

void drawShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int blur, int alpha)
{
    // In the picture's own pixels, whatever scale the painter draws at.
    const double s = p.transform().m11();
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing, true);
        lp.scale(s, s);
        lp.setPen(Qt::NoPen);
        lp.setBrush(QColor(0, 0, 0, alpha));
        lp.drawPath(shape.translated(offset));
    }
    blurAlpha(layer, int(std::lround(blur * s)));
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

void drawGoldTitle(QPainter& p, const QPainterPath& title)
{
    const QRectF box = title.boundingRect();
    drawShadow(p, title, QPointF(7, 9), 5, 210);
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0.0, QColor(255, 250, 200));
    gold.setColorAt(0.35, QColor(250, 208, 82));
    gold.setColorAt(0.55, QColor(214, 146, 34));
    gold.setColorAt(0.75, QColor(244, 196, 70));
    gold.setColorAt(1.0, QColor(150, 86, 16));
    p.setPen(QPen(QColor(58, 30, 6), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(title);
    // Inner bevel: light along the upper left edges, shade along the lower right.
    p.save();
    p.setClipPath(title);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 235, 150), 3.0));
    p.drawPath(title.translated(2.2, 2.2));
    p.setPen(QPen(QColor(90, 45, 0, 120), 3.0));
    p.drawPath(title.translated(-2.2, -2.2));
    p.restore();
}

} // namespace

QImage titlePicture(int scale)
{
    const int s = scale;
    const QImage sheet = spriteSheet(s);
    QImage img = stoneFloor(s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Everything below is placed in the 800 x 600 picture's coordinates.
    p.scale(s, s);

    // A pool of warm light behind the name.
    QRadialGradient glow(QPointF(400, 120), 330);
    glow.setColorAt(0.0, QColor(255, 225, 150, 70));
    glow.setColorAt(1.0, QColor(255, 225, 150, 0));
    p.fillRect(QRect(0, 0, 800, 600), glow);

    const QImage board = flatBoard(sheet, s);
    const double n = board.width() / s;
    const QPolygonF flat({QPointF(0, 0), QPointF(n, 0), QPointF(n, n), QPointF(0, n)});
    const QPolygonF seen({QPointF(228, 244), QPointF(572, 244), QPointF(748, 548), QPointF(52, 548)});
    QTransform persp;
    QTransform::quadToQuad(flat, seen, persp);

    // The board is a slab: its front face shows below the playing surface.
    QPainterPath slab;
    slab.addPolygon(QPolygonF({seen[0], seen[1], seen[2], seen[2] + QPointF(0, 22), seen[3] + QPointF(0, 22),
                               seen[3]}));
    slab.closeSubpath();
    drawShadow(p, slab, QPointF(10, 16), 9, 190);
    QLinearGradient front(0, seen[3].y(), 0, seen[3].y() + 22);
    front.setColorAt(0.0, QColor(58, 64, 84));
    front.setColorAt(1.0, QColor(22, 24, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(front);
    p.drawPolygon(QPolygonF({seen[3], seen[2], seen[2] + QPointF(0, 22), seen[3] + QPointF(0, 22)}));

    p.save();
    // Board pixels to board units, then the perspective, then picture pixels.
    p.setTransform(QTransform::fromScale(1.0 / s, 1.0 / s) * persp * QTransform::fromScale(s, s));
    p.drawImage(0, 0, board);
    p.restore();

    // Light falls from the back: the near half of the board is a touch darker.
    QLinearGradient falloff(0, seen[0].y(), 0, seen[3].y());
    falloff.setColorAt(0.0, QColor(255, 240, 210, 28));
    falloff.setColorAt(0.5, QColor(0, 0, 0, 0));
    falloff.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.setBrush(falloff);
    p.drawPolygon(seen);

    const QFont serif = pickFont({"P052", "C059", "URW Bookman", "DejaVu Serif"}, 160, QFont::Bold);
    QPainterPath title = fittedText("Vortan", serif, 0, 182, 132);
    title.translate(400.0 - title.boundingRect().center().x(), 0);
    drawGoldTitle(p, title);

    const QFont sans = pickFont({"Liberation Sans", "Arial", "DejaVu Sans"}, 19, QFont::Bold);
    QPainterPath version;
    version.addText(0, 0, sans, "Version 2.3");
    version.translate(title.boundingRect().right() - version.boundingRect().right(), 214);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(version.translated(1.5, 1.5));
    p.setBrush(QColor(235, 230, 215));
    p.drawPath(version);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace artgen
