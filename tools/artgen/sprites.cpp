// Region tiles and box sprites, drawn pixel by pixel so that they stay crisp
// at their small sizes (25, 21 and 15 pixels).
#include "parts.h"

#include "noise.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace artgen {
namespace {

struct Rgb {
    double r, g, b;
};

Rgb fromColor(const QColor& c) { return {double(c.red()), double(c.green()), double(c.blue())}; }
Rgb scaled(Rgb c, double f) { return {c.r * f, c.g * f, c.b * f}; }
Rgb mixed(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
const Rgb kWhite{255, 255, 255};

int channel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

void put(QImage& img, int x, int y, Rgb c)
{
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height())
        img.setPixel(x, y, qRgb(channel(c.r), channel(c.g), channel(c.b)));
}

Rgb get(const QImage& img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
}

// Which bevel side a pixel of a size x size square lies on: the ring
// (distance to the nearest edge) and +1 for the lit top/left, -1 for the
// shaded bottom/right, 0 on the two corners where both meet.
struct BevelPos {
    int ring;
    int side;
};

BevelPos bevelAt(int i, int j, int size)
{
    const int lit = std::min(i, j);
    const int shaded = std::min(size - 1 - i, size - 1 - j);
    if (lit < shaded)
        return {lit, +1};
    if (shaded < lit)
        return {shaded, -1};
    return {lit, 0};
}

// A raised square: dark outline, a lit/shaded bevel of `bevel` rings and a
// mottled body lit slightly from above.
void paintRaised(QImage& img, QPoint at, int size, Rgb body, double mottle, std::uint64_t seed,
                 int bevel, bool outline)
{
    ValueNoise noise(seed);
    Rng grain(seed ^ 0x77aa55ULL);
    // Sprites of 30 pixels and more are the 2x ones: the mottle keeps its
    // size on screen, the outline its weight.
    const int detail = size >= 30 ? 2 : 1;
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            const double n = (noise.fractal(i / (2.5 * detail), j / (2.5 * detail), 2) - 0.5) * 1.6 +
                             grain.signedUniform() * 0.35;
            const double light = 1.10 - 0.2 * j / std::max(1, size - 1);
            Rgb c = scaled(body, light * (1.0 + mottle * n));
            const BevelPos b = bevelAt(i, j, size);
            const int ring = outline ? b.ring - detail : b.ring;
            if (outline && b.ring < detail) {
                c = scaled(body, 0.32);
            } else if (ring < bevel && b.side != 0) {
                const double t = 1.0 - double(ring) / bevel;
                c = b.side > 0 ? mixed(c, kWhite, 0.18 + 0.42 * t) : scaled(c, 0.85 - 0.40 * t);
            } else if (ring < bevel) {
                c = scaled(c, 0.9);
            }
            put(img, at.x() + i, at.y() + j, c);
        }
    }
}

// A soft diagonal glint sweeping from top left (frame 0) to bottom right.
void paintGlint(QImage& img, QPoint at, int size, int frame, int scale = 1)
{
    const double width = 3.0 * scale;
    const double centre = -width + frame * (2.0 * size + 2.0 * scale) / 6.0;
    for (int j = scale; j < size - scale; ++j) {
        for (int i = scale; i < size - scale; ++i) {
            const double d = std::abs(i + j - centre);
            if (d < width) {
                const double t = 0.45 * (1.0 - d / width);
                put(img, at.x() + i, at.y() + j, mixed(get(img, at.x() + i, at.y() + j), kWhite, t));
            }
        }
    }
}

QPolygonF octagon(double cx, double cy, double width)
{
    const double h = width / 2.0;
    // Cutting each corner by this much gives eight equal sides.
    const double c = width * (1.0 - 1.0 / (1.0 + std::sqrt(2.0))) / 2.0;
    QPolygonF p;
    p << QPointF(cx - h + c, cy - h) << QPointF(cx + h - c, cy - h) << QPointF(cx + h, cy - h + c)
      << QPointF(cx + h, cy + h - c) << QPointF(cx + h - c, cy + h) << QPointF(cx - h + c, cy + h)
      << QPointF(cx - h, cy + h - c) << QPointF(cx - h, cy - h + c);
    return p;
}

void fillOctagon(QImage& img, QPoint at, int size, double width, const QColor& fill, const QColor& rim)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(QRect(at, QSize(size, size)));
    const QPolygonF poly = octagon(at.x() + size / 2.0, at.y() + size / 2.0, width);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(poly);
    if (rim.isValid()) {
        p.setPen(QPen(rim, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(octagon(at.x() + size / 2.0, at.y() + size / 2.0, width - 1.0));
    }
}

// Hand-drawn glyphs: two-pixel strokes read far better at 15 pixels than
// any scaled font.
using Glyph = std::array<const char*, 12>;

const Glyph kDigits[9] = {
    {"...XX..", "..XXX..", ".XXXX..", "...XX..", "...XX..", "...XX..", "...XX..", "...XX..", "...XX..",
     "...XX..", ".XXXXXX", ".XXXXXX"},
    {".XXXXX.", "XXXXXXX", "XX...XX", ".....XX", "....XXX", "...XXX.", "..XXX..", ".XXX...", "XXX....",
     "XX.....", "XXXXXXX", "XXXXXXX"},
    {".XXXXX.", "XXXXXXX", "XX...XX", ".....XX", ".....XX", "..XXXX.", "..XXXX.", ".....XX", ".....XX",
     "XX...XX", "XXXXXXX", ".XXXXX."},
    {"....XX.", "...XXX.", "..XXXX.", ".XX.XX.", "XX..XX.", "XX..XX.", "XXXXXXX", "XXXXXXX", "....XX.",
     "....XX.", "....XX.", "....XX."},
    {"XXXXXXX", "XXXXXXX", "XX.....", "XX.....", "XXXXXX.", "XXXXXXX", ".....XX", ".....XX", ".....XX",
     "XX...XX", "XXXXXXX", ".XXXXX."},
    {".XXXXX.", "XXXXXXX", "XX...XX", "XX.....", "XX.....", "XXXXXX.", "XXXXXXX", "XX...XX", "XX...XX",
     "XX...XX", "XXXXXXX", ".XXXXX."},
    {"XXXXXXX", "XXXXXXX", ".....XX", "....XX.", "....XX.", "...XX..", "...XX..", "..XX...", "..XX...",
     "..XX...", "..XX...", "..XX..."},
    {".XXXXX.", "XXXXXXX", "XX...XX", "XX...XX", ".XXXXX.", ".XXXXX.", "XX...XX", "XX...XX", "XX...XX",
     "XX...XX", "XXXXXXX", ".XXXXX."},
    {".XXXXX.", "XXXXXXX", "XX...XX", "XX...XX", "XX...XX", "XXXXXXX", ".XXXXXX", ".....XX", ".....XX",
     "XX...XX", "XXXXXXX", ".XXXXX."},
};

const Glyph kLetterF = {"XXXXXXX", "XXXXXXX", "XX.....", "XX.....", "XXXXXX.", "XXXXXX.", "XX.....",
                        "XX.....", "XX.....", nullptr, nullptr, nullptr};
const Glyph kLetterT = {"XXXXXXXX", "XXXXXXXX", "...XX...", "...XX...", "...XX...", "...XX...",
                        "...XX...", "...XX...", "...XX...", nullptr, nullptr, nullptr};
const Glyph kLetterM = {"XX.....XX", "XXX...XXX", "XXXX.XXXX", "XX.XXX.XX", "XX..X..XX", "XX.....XX",
                        "XX.....XX", "XX.....XX", "XX.....XX", nullptr, nullptr, nullptr};

QSize glyphSize(const Glyph& g)
{
    int h = 0;
    while (h < 12 && g[h])
        ++h;
    return {int(std::char_traits<char>::length(g[0])), h};
}

// The glyph's ink, `scale` pixels to each of its cells. At 2x each cell
// becomes four pixels, and where two inked neighbours meet at a corner the
// pixel in that corner is inked too and the opposite one left out (the
// Scale2x rule): diagonal strokes come out smooth, not as doubled stairs.
std::vector<std::vector<bool>> glyphInk(const Glyph& g, int scale)
{
    const QSize sz = glyphSize(g);
    const auto inked = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < sz.width() && j < sz.height() && g[j][i] == 'X';
    };
    std::vector<std::vector<bool>> ink(std::size_t(sz.height() * scale), std::vector<bool>(std::size_t(sz.width() * scale)));
    for (int j = 0; j < sz.height(); ++j) {
        for (int i = 0; i < sz.width(); ++i) {
            const bool p = inked(i, j);
            if (scale == 1) {
                ink[std::size_t(j)][std::size_t(i)] = p;
                continue;
            }
            const bool a = inked(i, j - 1), b = inked(i + 1, j), c = inked(i - 1, j), d = inked(i, j + 1);
            bool e[4] = {p, p, p, p};
            if (c == a && c != d && a != b) e[0] = a;
            if (a == b && a != c && b != d) e[1] = b;
            if (d == c && d != b && c != a) e[2] = c;
            if (b == d && b != a && d != c) e[3] = d;
            for (int q = 0; q < 4; ++q)
                ink[std::size_t(2 * j + q / 2)][std::size_t(2 * i + q % 2)] = e[q];
        }
    }
    return ink;
}

// Draws a glyph; the colour may vary down the glyph (top -> bottom).
void paintGlyph(QImage& img, QPoint at, const Glyph& g, Rgb top, Rgb bottom, int scale = 1)
{
    const auto ink = glyphInk(g, scale);
    const int rows = int(ink.size());
    for (int j = 0; j < rows; ++j) {
        const Rgb c = mixed(top, bottom, rows > scale ? double(j / scale) / (rows / scale - 1) : 0.0);
        for (int i = 0; i < int(ink[std::size_t(j)].size()); ++i) {
            if (ink[std::size_t(j)][std::size_t(i)])
                put(img, at.x() + i, at.y() + j, c);
        }
    }
}

void paintGlyphShadow(QImage& img, QPoint at, const Glyph& g, double darken, int scale = 1)
{
    const auto ink = glyphInk(g, scale);
    for (int j = 0; j < int(ink.size()); ++j) {
        for (int i = 0; i < int(ink[std::size_t(j)].size()); ++i) {
            if (ink[std::size_t(j)][std::size_t(i)])
                put(img, at.x() + i, at.y() + j, scaled(get(img, at.x() + i, at.y() + j), darken));
        }
    }
}

} // namespace

void paintTile(QImage& img, QPoint at, const QColor& average, std::uint64_t seed, int size)
{
    const Rgb target = fromColor(average);
    ValueNoise coarse(seed);
    Rng grain(seed ^ 0x1234567ULL);
    const double scale = size / 25.0;
    const int bevel = std::max(2, int(std::lround(2 * scale)));
    std::vector<Rgb> px(static_cast<std::size_t>(size * size));
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            const double n = (coarse.fractal(i / (3.5 * scale), j / (3.5 * scale), 3, 0.55) - 0.5) * 2.0;
            const double g = grain.signedUniform();
            // Mottle mostly in brightness, with a faint drift in hue.
            const double f = 1.0 + 0.26 * n + 0.07 * g;
            Rgb c = scaled(target, f);
            c.r += 6.0 * n;
            c.b -= 4.0 * n;
            const BevelPos b = bevelAt(i, j, size);
            if (b.ring < bevel && b.side != 0) {
                const double t = 1.0 - double(b.ring) / bevel;
                c = b.side > 0 ? mixed(c, kWhite, 0.22 + 0.30 * t) : scaled(c, 0.78 - 0.30 * t);
            }
            px[static_cast<std::size_t>(j * size + i)] = c;
        }
    }
    // Pull the clamped average back onto the requested colour; a few rounds
    // settle it even when bright tiles clip at 255.
    for (int round = 0; round < 8; ++round) {
        Rgb sum{0, 0, 0};
        for (const Rgb& c : px) {
            sum.r += channel(c.r);
            sum.g += channel(c.g);
            sum.b += channel(c.b);
        }
        const double count = double(px.size());
        const Rgb shift{target.r - sum.r / count, target.g - sum.g / count, target.b - sum.b / count};
        for (Rgb& c : px) {
            c.r += shift.r;
            c.g += shift.g;
            c.b += shift.b;
        }
    }
    for (int j = 0; j < size; ++j)
        for (int i = 0; i < size; ++i)
            put(img, at.x() + i, at.y() + j, px[static_cast<std::size_t>(j * size + i)]);
}

void paintYourBox(QImage& img, QPoint at, int k, int size)
{
    const double s = size / 21.0;
    paintRaised(img, at, size, {72, 214, 58}, 0.06, 0x5eed0001ULL, std::max(2, int(std::lround(2 * s))), true);
    static const double widths[6] = {9, 11, 13, 15, 18, 21};
    const double w = widths[std::clamp(k, 0, 5)] * s;
    fillOctagon(img, at, size, w, QColor(14, 92, 22), k < 5 ? QColor(8, 60, 14) : QColor());
    if (k == 0) {
        // A small gleam makes the resting box read as a solid gem.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 200, 110, 170));
        const double r = 1.3 * s;
        p.drawEllipse(QPointF(at.x() + size / 2.0 - 1.6 * s, at.y() + size / 2.0 - 1.6 * s), r, r);
    }
}

void paintYourBoxHit(QImage& img, QPoint at, int k, int size)
{
    static const double bright[6] = {1.0, 0.7, 1.0, 0.7, 0.95, 0.8};
    static const double widths[6] = {13, 15, 17, 15, 13, 11};
    const double s = size / 21.0;
    const Rgb body = scaled({52, 128, 44}, bright[std::clamp(k, 0, 5)]);
    paintRaised(img, at, size, body, 0.5, 0x4117ULL + std::uint64_t(k) * 31, 1, true);
    fillOctagon(img, at, size, widths[std::clamp(k, 0, 5)] * s, QColor(10, 38, 10), QColor());
}

void paintYourBoxLost(QImage& img, QPoint at, int size)
{
    const double s = size / 21.0;
    paintRaised(img, at, size, {128, 24, 22}, 0.32, 0x1057ULL, 1, true);
    fillOctagon(img, at, size, 13 * s, QColor(58, 6, 6), QColor(40, 2, 2));
}

void paintExceptionBox(QImage& img, QPoint at, int frame, int scale)
{
    paintRaised(img, at, 15 * scale, {170, 52, 190}, 0.10, 0xe7ce9ULL, 2 * scale, true);
    paintGlint(img, at, 15 * scale, frame, scale);
}

void paintFreeBox(QImage& img, QPoint at, int frame, int scale)
{
    paintRaised(img, at, 15 * scale, {150, 180, 240}, 0.10, 0xf4eeULL, 2 * scale, true);
    paintGlint(img, at, 15 * scale, frame, scale);
}

void paintHotBox(QImage& img, QPoint at, int frame, int scale)
{
    paintRaised(img, at, 15 * scale, {132, 16, 14}, 0.14, 0x407ULL, scale, true);
    const int side = 3 + 2 * std::clamp(frame, 0, 5);
    const int o = (15 - side) / 2;
    QPainter p(&img);
    p.translate(at);
    p.scale(scale, scale);
    at = QPoint(0, 0);
    p.setClipRect(QRect(at, QSize(15, 15)));
    // A warm glow inside the square, then its crisp yellow outline.
    p.fillRect(QRect(at.x() + o, at.y() + o, side, side), QColor(255, 130, 30, 55));
    p.setPen(QPen(QColor(255, 228, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(at.x() + o, at.y() + o, side - 1, side - 1));
}

void paintStarBox(QImage& img, QPoint at, int frame, int scale)
{
    paintRaised(img, at, 15 * scale, {206, 30, 28}, 0.12, 0x57a4ULL, scale, true);
    static const int alpha[6] = {255, 215, 175, 135, 95, 60};
    const int a = alpha[std::clamp(frame, 0, 5)];
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Drawn as shapes: at 2x the strokes are simply drawn finer.
    p.translate(at);
    p.scale(scale, scale);
    at = QPoint(0, 0);
    p.setClipRect(QRect(at, QSize(15, 15)));
    const double x0 = at.x();
    const double y0 = at.y();
    p.setPen(QPen(QColor(255, 255, 255, a), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0 + 3.5, y0 + 3.5), QPointF(x0 + 11.5, y0 + 11.5));
    p.drawLine(QPointF(x0 + 11.5, y0 + 3.5), QPointF(x0 + 3.5, y0 + 11.5));
    // Short upright spikes turn the X into a star.
    p.setPen(QPen(QColor(255, 255, 255, a * 2 / 3), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0 + 7.5, y0 + 4.0), QPointF(x0 + 7.5, y0 + 11.0));
    p.drawLine(QPointF(x0 + 4.0, y0 + 7.5), QPointF(x0 + 11.0, y0 + 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230, a));
    p.drawEllipse(QPointF(x0 + 7.5, y0 + 7.5), 1.6, 1.6);
}

void paintLetterBox(QImage& img, QPoint at, char letter, int frame, int scale)
{
    paintRaised(img, at, 15 * scale, {38, 72, 214}, 0.10, 0xb10eULL + std::uint64_t(letter), scale, true);
    const Glyph& g = letter == 'F' ? kLetterF : letter == 'T' ? kLetterT : kLetterM;
    const QSize sz = glyphSize(g);
    const QPoint pos = at + QPoint((15 - sz.width()) / 2, 3) * scale;
    // The letter glows from white to warm yellow and back.
    static const double warmth[6] = {0.0, 0.25, 0.5, 0.75, 0.5, 0.25};
    const double t = warmth[std::clamp(frame, 0, 5)];
    paintGlyphShadow(img, pos + QPoint(1, 1) * scale, g, 0.45, scale);
    paintGlyph(img, pos, g, mixed(kWhite, {255, 240, 110}, t), mixed({225, 232, 255}, {255, 200, 60}, t), scale);
}

void paintNumberBox(QImage& img, QPoint at, int number, bool dim, int scale)
{
    for (int j = 0; j < 15 * scale; ++j)
        for (int i = 0; i < 15 * scale; ++i)
            put(img, at.x() + i, at.y() + j, {0, 0, 0});
    if (number < 1 || number > 9)
        return;
    const Glyph& g = kDigits[number - 1];
    const QSize sz = glyphSize(g);
    const QPoint pos = at + QPoint((15 - sz.width()) / 2, 2) * scale;
    if (dim)
        paintGlyph(img, pos, g, {120, 120, 120}, {96, 96, 96}, scale);
    else
        paintGlyph(img, pos, g, {255, 255, 255}, {214, 220, 230}, scale);
}

} // namespace artgen
