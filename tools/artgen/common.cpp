#include "parts.h"

#include "noise.h"

#include <QFontDatabase>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace artgen {

QFont pickFont(const QStringList& families, double pixelSize, int weight, bool italic)
{
    const QStringList installed = QFontDatabase::families();
    QString chosen;
    for (const QString& f : families) {
        if (installed.contains(f, Qt::CaseInsensitive)) {
            chosen = f;
            break;
        }
    }
    QFont font(chosen.isEmpty() ? families.value(0) : chosen);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath fittedText(const QString& text, const QFont& font, double left, double bottom, double height)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    if (box.height() <= 0.0)
        return path;
    const double s = height / box.height();
    QTransform t;
    t.translate(left, bottom);
    t.scale(s, s);
    t.translate(-box.left(), -box.bottom());
    return t.map(path);
}

namespace {

double edgeDistance(const CellNoise& cells, double x, double y)
{
    const CellSample c = cells.at(x, y);
    return c.f2 - c.f1;
}

} // namespace

double stoneShade(double x, double y, std::uint64_t seed, double cellSize, int detail)
{
    const CellNoise cells(seed, cellSize);
    const ValueNoise noise(seed ^ 0x51a7eULL);
    const CellSample c = cells.at(x, y);
    const double tone = 0.82 + 0.36 * static_cast<double>(c.cellId >> 11) * (1.0 / 9007199254740992.0);
    const double n = noise.fractal(x / 7.0, y / 7.0, 4, 0.55) - 0.5;
    // Grain is per output pixel, so finer pictures get finer grain.
    const double grain = hashUnit(seed ^ 0x9a1dULL, std::int64_t(std::floor((x + 0.5) * detail)),
                                  std::int64_t(std::floor((y + 0.5) * detail))) - 0.5;
    double v = tone * (1.0 + 0.55 * n + 0.16 * grain);
    const double edge = c.f2 - c.f1;
    if (edge < 7.0) {
        // Chisel light: brighter where the stone rises towards the lower
        // right (its top/left rim), darker on the opposite rim.
        const double slope = edgeDistance(cells, x + 1.0, y + 1.0) - edgeDistance(cells, x - 1.0, y - 1.0);
        v *= 1.0 + 0.12 * std::clamp(slope, -2.0, 2.0) * (1.0 - edge / 7.0);
    }
    const double joint = smoothstep(0.6, 2.6, edge);
    return 0.38 + (v - 0.38) * joint;
}

void blurAlpha(QImage& img, int radius)
{
    if (radius <= 0 || img.isNull())
        return;
    const int w = img.width();
    const int h = img.height();
    std::vector<int> a(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[std::size_t(y * w + x)] = qAlpha(img.pixel(x, y));
    std::vector<int> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                int n = 0;
                for (int d = -radius; d <= radius; ++d) {
                    const int xx = x + d;
                    if (xx >= 0 && xx < w) {
                        sum += a[std::size_t(y * w + xx)];
                        ++n;
                    }
                }
                tmp[std::size_t(y * w + x)] = sum / n;
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                int n = 0;
                for (int d = -radius; d <= radius; ++d) {
                    const int yy = y + d;
                    if (yy >= 0 && yy < h) {
                        sum += tmp[std::size_t(yy * w + x)];
                        ++n;
                    }
                }
                a[std::size_t(y * w + x)] = sum / n;
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            img.setPixel(x, y, qRgba(qRed(p), qGreen(p), qBlue(p), a[std::size_t(y * w + x)]));
        }
    }
}

} // namespace artgen
