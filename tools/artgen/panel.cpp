// The status panel background: dark stone, the title line and the seven
// row labels. The game paints its values to the right of the labels, in
// white, so the stone stays dark and the label plates leave room for them.
#include "artwork.h"
#include "parts.h"

#include "noise.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 600;
constexpr double kTargetGrey = 65.0;
constexpr int kLabelLeft = 26;
// Plates and grooves keep this far from the panel's edges: the values are
// drawn from x 175, and "DONE" ends near x 238.
constexpr int kPlateMargin = 8;

struct Label {
    const char* text;
    int top;
    int bottom;
};

// Window rows of each label; the values are drawn with their top at top + 1.
const Label kLabels[] = {
    {"LEVEL", 120, 140},      {"LIVES", 170, 190},          {"SCORE", 220, 240},
    {"Move Limit", 270, 290}, {"Time Limit", 320, 340},     {"Num Box Limit", 370, 390},
    {"Star Box Limit", 419, 439},
};

QFont labelFont()
{
    return pickFont({"Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans"}, 20, QFont::Bold);
}

// Darkens (f < 1) or lightens a rectangle of the stone, given in panel
// pixels; `s` device pixels to each panel pixel.
void shadeRect(QImage& img, const QRect& panelRect, double f, int s)
{
    const QRect r(panelRect.topLeft() * s, panelRect.size() * s);
    const QRect c = r.intersected(img.rect());
    for (int y = c.top(); y <= c.bottom(); ++y) {
        for (int x = c.left(); x <= c.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            const auto ch = [f](int v) { return std::clamp(int(std::lround(v * f)), 0, 255); };
            img.setPixel(x, y, qRgb(ch(qRed(p)), ch(qGreen(p)), ch(qBlue(p))));
        }
    }
}

// A plate sunk into the stone: darker face, shadowed top/left rim, lit
// bottom/right rim.
void sinkPlate(QImage& img, const QRect& r, int s)
{
    shadeRect(img, r, 0.72, s);
    shadeRect(img, QRect(r.left(), r.top(), r.width(), 2), 0.6, s);
    shadeRect(img, QRect(r.left(), r.top() + 2, 2, r.height() - 2), 0.6, s);
    shadeRect(img, QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), 1.7, s);
    shadeRect(img, QRect(r.right(), r.top() + 1, 1, r.height() - 1), 1.7, s);
}

void raisedFrame(QImage& img, int width, int s)
{
    // Ring by device pixel, so a 2x frame shades smoothly across its width.
    const int w = kWidth * s;
    const int h = kHeight * s;
    for (int r = 0; r < width * s; ++r) {
        const double ring = double(r) / s;
        const double lit = 1.55 - 0.12 * ring;
        const double dark = 0.45 + 0.12 * ring;
        shadeRect(img, QRect(r, r, w - 2 * r, 1), lit, 1);
        shadeRect(img, QRect(r, r + 1, 1, h - 2 * r - 1), lit, 1);
        shadeRect(img, QRect(r + 1, h - 1 - r, w - 2 * r - 1, 1), dark, 1);
        shadeRect(img, QRect(w - 1 - r, r + 1, 1, h - 2 * r - 2), dark, 1);
    }
}

void groove(QImage& img, int y, int left, int right, int s)
{
    shadeRect(img, QRect(left, y, right - left, 1), 0.5, s);
    shadeRect(img, QRect(left, y + 1, right - left, 1), 1.5, s);
}

void drawWhite(QPainter& p, const QPainterPath& path)
{
    // A soft dark drop shadow keeps the lettering legible on any stone.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(path.translated(1.5, 1.5));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(path);
}

void drawTitleLine(QPainter& p)
{
    const QFont serif = pickFont({"P052", "C059", "URW Bookman", "DejaVu Serif"}, 48, QFont::Bold);
    QPainterPath name = fittedText("Vortan", serif, 0.0, 71.0, 28.0);
    // Set a little narrow so the pack name has room beside it.
    name = QTransform(0.84, 0, 0, 1, 0, 0).map(name);
    name.translate(kLabelLeft - name.boundingRect().left(), 0.0);
    const double nameRight = name.boundingRect().right();
    const QFont italic = pickFont({"P052", "C059", "URW Bookman", "DejaVu Serif"}, 48, QFont::Normal, true);
    const double right = 226.0;
    double height = 19.0;
    QPainterPath pack = fittedText("Brenno", italic, 0.0, 71.0, height);
    // Shrink the pack name until it clears the product name.
    while (pack.boundingRect().width() > right - nameRight - 24.0 && height > 10.0) {
        height -= 1.0;
        pack = fittedText("Brenno", italic, 0.0, 71.0, height);
    }
    pack.translate(right - pack.boundingRect().right(), 0.0);
    drawWhite(p, name);
    drawWhite(p, pack);
    // A small diamond between the two names.
    const double cx = (nameRight + pack.boundingRect().left()) / 2.0;
    QPainterPath diamond;
    diamond.moveTo(cx, 58.0);
    diamond.lineTo(cx + 3.5, 62.5);
    diamond.lineTo(cx, 67.0);
    diamond.lineTo(cx - 3.5, 62.5);
    diamond.closeSubpath();
    drawWhite(p, diamond);
}

// `s` device pixels to each panel pixel.
QImage renderPanel(double gain, int s)
{
    QImage img(kWidth * s, kHeight * s, QImage::Format_RGB32);
    for (int y = 0; y < kHeight * s; ++y) {
        for (int x = 0; x < kWidth * s; ++x) {
            // Softened stone: the lettering and the game's values sit on it.
            const double px = (x + 0.5) / s - 0.5;
            const double py = (y + 0.5) / s - 0.5;
            const double shade = 1.0 + 0.6 * (stoneShade(px, py, 0x9a4e1ULL, 30.0, s) - 1.0);
            const double v = std::clamp(kTargetGrey * gain * shade, 0.0, 255.0);
            // A hint of warmth keeps the grey from looking flat.
            img.setPixel(x, y, qRgb(int(std::lround(std::min(255.0, v * 1.03))), int(std::lround(v)),
                                    int(std::lround(v * 0.96))));
        }
    }
    raisedFrame(img, 4, s);
    const int plateWidth = kWidth - 2 * kPlateMargin;
    sinkPlate(img, QRect(kPlateMargin, 34, plateWidth, 48), s);
    groove(img, 98, kPlateMargin, kWidth - kPlateMargin, s);
    for (const Label& l : kLabels)
        sinkPlate(img, QRect(kPlateMargin, l.top - 6, plateWidth, l.bottom - l.top + 15), s);
    groove(img, 458, kPlateMargin, kWidth - kPlateMargin, s);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(s, s);
    drawTitleLine(p);
    const QFont font = labelFont();
    for (const Label& l : kLabels) {
        QPainterPath path;
        path.addText(0, 0, font, QString::fromLatin1(l.text));
        // Baseline on the label's last row, ink starting exactly at x 26.
        path.translate(kLabelLeft - path.boundingRect().left(), l.bottom + 1.0);
        drawWhite(p, path);
    }
    return img;
}

double meanGrey(const QImage& img)
{
    double sum = 0.0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
        }
    }
    return sum / (double(img.width()) * img.height());
}

} // namespace

QImage statusPanel(int scale)
{
    // Plates, frame and lettering all shift the average, so settle the
    // stone's brightness on the finished picture.
    double gain = 1.0;
    QImage img = renderPanel(gain, scale);
    for (int round = 0; round < 3; ++round) {
        const double mean = meanGrey(img);
        if (std::abs(mean - kTargetGrey) < 0.5)
            break;
        gain *= kTargetGrey / mean;
        img = renderPanel(gain, scale);
    }
    return img;
}

} // namespace artgen
