// Program icons as flat vector pictures: a list of filled shapes on a
// 256 x 256 canvas, painted at every size the desktop asks for and written
// as SVG from the same shapes, so the bitmaps and the scalable icon agree.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

namespace artgen {

// A solid colour, or a linear gradient from `colour` at `from` to `colour2`
// at `to` (canvas coordinates).
struct IconFill {
    QColor colour;
    QColor colour2;
    QPointF from;
    QPointF to;
    bool gradient = false;
};

struct IconShape {
    QPainterPath path;
    IconFill fill;
    QColor stroke;  // invalid: no outline
    double strokeWidth = 0;
};

struct VectorIcon {
    static constexpr double kCanvas = 256.0;
    std::vector<IconShape> shapes;
};

// The icons of the two programs. Small sizes get fewer, bolder shapes so they
// stay readable at 16 pixels; 0 asks for the full-detail scalable picture.
VectorIcon gameVectorIcon(int size);
VectorIcon designerVectorIcon(int size);

// Paints the icon into a size x size ARGB picture.
QImage renderIcon(const VectorIcon& icon, int size);
// The icon as a standalone SVG document.
QString iconSvg(const VectorIcon& icon);

// The hicolor sizes the icons are made in.
const std::vector<int>& iconSizes();
// "game-16.png" ... "designer-256.png", "game.svg", "designer.svg".
QStringList iconFileNames();
// Writes every icon file into `folder` (created if missing); returns the
// names that could not be written.
QStringList writeIcons(const QString& folder);

} // namespace artgen
