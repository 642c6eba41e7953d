// Pictures compared as the eye would, for the tests of the generated
// artwork and icons: antialiasing differs a little between Qt builds.
#pragma once

#include <QImage>

#include <cstdlib>

namespace vortan::testing {

// Pixels in the columns left of `width` (every column when negative) whose
// colour or alpha differ by more than 8 of 255; -1 when the sizes differ.
inline int pixelsApart(const QImage& a, const QImage& b, int width = -1)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int off = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < (width < 0 ? x.width() : width); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            off += std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8 ||
                   std::abs(qBlue(p) - qBlue(q)) > 8 || std::abs(qAlpha(p) - qAlpha(q)) > 8;
        }
    return off;
}

}  // namespace vortan::testing
