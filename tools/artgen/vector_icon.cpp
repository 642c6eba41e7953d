#include "vector_icon.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace artgen {
namespace {

IconFill solid(const QColor& c)
{
    IconFill f;
    f.colour = c;
    return f;
}

IconFill linear(const QColor& a, QPointF from, const QColor& b, QPointF to)
{
    IconFill f;
    f.colour = a;
    f.colour2 = b;
    f.from = from;
    f.to = to;
    f.gradient = true;
    return f;
}

QPainterPath roundedRect(const QRectF& r, double radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath polygon(const QPolygonF& points)
{
    QPainterPath p;
    p.addPolygon(points);
    p.closeSubpath();
    return p;
}

void add(VectorIcon& icon, const QPainterPath& path, const IconFill& fill, const QColor& stroke = QColor(),
         double strokeWidth = 0)
{
    icon.shapes.push_back({path, fill, stroke, strokeWidth});
}

// The region colours of the board, as the game's tiles show them.
const QColor kYellow(237, 217, 72);
const QColor kBlue(35, 31, 134);
const QColor kWhite(220, 220, 214);
const QColor kRed(177, 34, 39);
const QColor kGreen(71, 152, 66);
const QColor kOrange(211, 90, 32);

// A raised tile: a bevel lit from the upper left, then the face.
void addTile(VectorIcon& icon, const QRectF& r, const QColor& colour, double bevel, double radius)
{
    add(icon, roundedRect(r, radius),
        linear(colour.lighter(150), r.topLeft(), colour.darker(170), r.bottomRight()));
    const QRectF face = r.adjusted(bevel, bevel, -bevel, -bevel);
    add(icon, roundedRect(face, std::max(0.0, radius - bevel / 2)),
        linear(colour.lighter(112), face.topLeft(), colour.darker(108), face.bottomRight()));
}

// The player's box: a bright green gem with a dark octagon in the middle.
void addYourBox(VectorIcon& icon, const QRectF& r, bool detailed)
{
    const double s = r.width();
    add(icon, roundedRect(r.translated(s * 0.07, s * 0.07), s * 0.08), solid(QColor(0, 0, 0, 80)));
    add(icon, roundedRect(r, s * 0.08), linear(QColor(150, 240, 130), r.topLeft(), QColor(30, 120, 28), r.bottomRight()),
        QColor(12, 70, 16), s * 0.03);
    const QRectF face = r.adjusted(s * 0.1, s * 0.1, -s * 0.1, -s * 0.1);
    add(icon, roundedRect(face, s * 0.04), linear(QColor(104, 226, 88), face.topLeft(), QColor(58, 184, 48), face.bottomRight()));
    const QPointF c = r.center();
    const double w = s * (detailed ? 0.25 : 0.3);
    const double k = w * 0.414;
    const QPolygonF octagon({c + QPointF(-k, -w), c + QPointF(k, -w), c + QPointF(w, -k), c + QPointF(w, k),
                             c + QPointF(k, w), c + QPointF(-k, w), c + QPointF(-w, k), c + QPointF(-w, -k)});
    add(icon, polygon(octagon), linear(QColor(10, 70, 16), c - QPointF(w, w), QColor(22, 110, 30), c + QPointF(w, w)),
        detailed ? QColor(6, 48, 10) : QColor(), s * 0.02);
    if (detailed) {
        QPainterPath gleam;
        gleam.addEllipse(c - QPointF(w * 0.45, w * 0.45), w * 0.16, w * 0.16);
        add(icon, gleam, solid(QColor(150, 220, 140, 190)));
    }
}

// A red Star box with a white five-pointed star.
void addStarBox(VectorIcon& icon, const QRectF& r)
{
    const double s = r.width();
    add(icon, roundedRect(r.translated(s * 0.07, s * 0.07), s * 0.1), solid(QColor(0, 0, 0, 70)));
    add(icon, roundedRect(r, s * 0.1), linear(QColor(236, 80, 80), r.topLeft(), QColor(120, 12, 16), r.bottomRight()),
        QColor(80, 6, 8), s * 0.04);
    QPolygonF star;
    const QPointF c = r.center() + QPointF(0, s * 0.03);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double radius = (i % 2 == 0 ? 0.36 : 0.15) * s;
        star << c + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    add(icon, polygon(star), solid(QColor(255, 255, 250)));
}

// Lines behind a sliding box.
void addStreaks(VectorIcon& icon, double x0, double x1, const std::vector<double>& ys, double thickness)
{
    for (double y : ys) {
        add(icon, roundedRect(QRectF(x0, y - thickness / 2, x1 - x0, thickness), thickness / 2),
            linear(QColor(255, 255, 255, 0), QPointF(x0, y), QColor(255, 255, 255, 210), QPointF(x1, y)));
    }
}

// A pencil along the x axis with its tip at the origin, `length` long, then
// turned and moved into place by `t`.
void addPencil(VectorIcon& icon, const QTransform& t, double length, double thickness, bool detailed)
{
    const double h = thickness / 2;
    const double tip = thickness * 1.2;
    const double ferrule = thickness * 0.5;
    const double eraser = thickness * 0.65;
    const double body0 = tip;
    const double body1 = length - ferrule - eraser;
    const QColor outline(30, 20, 10);
    const double line = thickness * 0.09;
    const auto map = [&](const QPolygonF& p) { return polygon(t.map(p)); };
    const auto across = [&](const QColor& a, const QColor& b, double x) {
        return linear(a, t.map(QPointF(x, -h)), b, t.map(QPointF(x, h)));
    };

    // Wood, then the graphite point on it.
    add(icon, map(QPolygonF({QPointF(0, 0), QPointF(tip, -h), QPointF(tip, h)})), solid(QColor(232, 196, 140)),
        outline, line);
    add(icon, map(QPolygonF({QPointF(0, 0), QPointF(tip * 0.42, -h * 0.42), QPointF(tip * 0.42, h * 0.42)})),
        solid(QColor(50, 44, 40)));
    add(icon, map(QPolygonF({QPointF(body0, -h), QPointF(body1, -h), QPointF(body1, h), QPointF(body0, h)})),
        across(QColor(255, 222, 90), QColor(196, 112, 10), body0), outline, line);
    if (detailed) {
        for (double y : {-h / 3, h / 3})
            add(icon, map(QPolygonF({QPointF(body0, y - line / 2), QPointF(body1, y - line / 2),
                                     QPointF(body1, y + line / 2), QPointF(body0, y + line / 2)})),
                solid(QColor(170, 95, 5)));
    }
    add(icon,
        map(QPolygonF({QPointF(body1, -h), QPointF(body1 + ferrule, -h), QPointF(body1 + ferrule, h), QPointF(body1, h)})),
        across(QColor(240, 240, 245), QColor(120, 120, 130), body1), outline, line);
    QPainterPath rubber;
    rubber.addRoundedRect(QRectF(body1 + ferrule, -h, eraser, thickness), h * 0.5, h * 0.5);
    add(icon, t.map(rubber), across(QColor(246, 150, 168), QColor(200, 90, 110), body1 + ferrule), outline, line);
}

QString colourText(const QColor& c) { return c.name(QColor::HexRgb); }

QString number(double v)
{
    // Enough digits for the canvas, none that only carry rounding noise.
    const double rounded = std::round(v * 1000.0) / 1000.0;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'g', 8);
}

QString pathData(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (!d.isEmpty())
                d += QLatin1String("Z ");
            d += QStringLiteral("M%1 %2 ").arg(number(e.x), number(e.y));
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L%1 %2 ").arg(number(e.x), number(e.y));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6 ")
                     .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x), number(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d + QLatin1String("Z");
}

} // namespace

VectorIcon gameVectorIcon(int size)
{
    const bool tiny = size > 0 && size <= 24;
    const bool detailed = size == 0 || size >= 48;
    VectorIcon icon;
    // The Blue wall around a Yellow field.
    const QRectF outer(8, 8, 240, 240);
    add(icon, roundedRect(outer, 36), linear(QColor(84, 78, 206), outer.topLeft(), QColor(22, 18, 96), outer.bottomLeft()),
        QColor(14, 12, 60), tiny ? 0 : 4);
    const QRectF field = tiny ? QRectF(36, 36, 184, 184) : QRectF(34, 34, 188, 188);
    add(icon, roundedRect(field, 14), linear(kYellow.lighter(112), field.topLeft(), kYellow.darker(118), field.bottomRight()));
    if (tiny) {
        addYourBox(icon, QRectF(60, 60, 136, 136), false);
        return icon;
    }
    // Your box slides right towards the Star box it is about to take.
    addStreaks(icon, 44, 96, {118, 146, 174}, detailed ? 9 : 12);
    addYourBox(icon, QRectF(90, 98, 96, 96), detailed);
    addStarBox(icon, QRectF(160, 46, 52, 52));
    return icon;
}

VectorIcon designerVectorIcon(int size)
{
    const bool tiny = size > 0 && size <= 24;
    const bool detailed = size == 0 || size >= 48;
    VectorIcon icon;
    const QRectF outer(8, 8, 240, 240);
    add(icon, roundedRect(outer, 30), solid(QColor(30, 30, 36)));
    // A corner of a board: the six region colours in a grid, 2 x 2 when tiny.
    const int n = tiny ? 2 : 3;
    const QColor colours[9] = {kYellow, kWhite, kBlue, kGreen, kYellow, kRed, kOrange, kBlue, kWhite};
    const QColor tinyColours[4] = {kYellow, kBlue, kRed, kGreen};
    const double gap = tiny ? 12 : 8;
    const double cell = (240 - gap * (n + 1)) / n;
    for (int i = 0; i < n * n; ++i) {
        const QRectF r(8 + gap + (cell + gap) * (i % n), 8 + gap + (cell + gap) * (i / n), cell, cell);
        addTile(icon, r, tiny ? tinyColours[i] : colours[i], tiny ? 10 : 8, 8);
    }
    // The pencil writes towards the lower left.
    QTransform t;
    t.translate(tiny ? 44 : 50, tiny ? 212 : 206);
    t.rotate(-45);
    addPencil(icon, t, tiny ? 226 : 216, tiny ? 64 : 50, detailed);
    return icon;
}

QImage renderIcon(const VectorIcon& icon, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / VectorIcon::kCanvas, size / VectorIcon::kCanvas);
    for (const IconShape& s : icon.shapes) {
        if (s.fill.gradient) {
            QLinearGradient g(s.fill.from, s.fill.to);
            g.setColorAt(0, s.fill.colour);
            g.setColorAt(1, s.fill.colour2);
            p.setBrush(g);
        } else {
            p.setBrush(s.fill.colour);
        }
        if (s.stroke.isValid() && s.strokeWidth > 0)
            p.setPen(QPen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(s.path);
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString iconSvg(const VectorIcon& icon)
{
    QString defs;
    QString body;
    int gradients = 0;
    for (const IconShape& s : icon.shapes) {
        QString fill;
        if (s.fill.gradient) {
            const QString id = QStringLiteral("g%1").arg(++gradients);
            defs += QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                                   "x2=\"%4\" y2=\"%5\">\n")
                        .arg(id, number(s.fill.from.x()), number(s.fill.from.y()), number(s.fill.to.x()),
                             number(s.fill.to.y()));
            for (const auto& [offset, c] : {std::pair{0, s.fill.colour}, std::pair{1, s.fill.colour2}}) {
                defs += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"").arg(offset).arg(colourText(c));
                if (c.alpha() != 255)
                    defs += QStringLiteral(" stop-opacity=\"%1\"").arg(number(c.alphaF()));
                defs += QLatin1String("/>\n");
            }
            defs += QLatin1String("    </linearGradient>\n");
            fill = QStringLiteral("url(#%1)").arg(id);
        } else {
            fill = colourText(s.fill.colour);
            if (s.fill.colour.alpha() != 255)
                fill += QStringLiteral("\" fill-opacity=\"%1").arg(number(s.fill.colour.alphaF()));
        }
        body += QStringLiteral("  <path d=\"%1\" fill=\"%2\"").arg(pathData(s.path), fill);
        if (s.stroke.isValid() && s.strokeWidth > 0)
            body += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                        .arg(colourText(s.stroke), number(s.strokeWidth));
        body += QLatin1String("/>\n");
    }
    const QString canvas = number(VectorIcon::kCanvas);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                          "  <defs>\n%2  </defs>\n%3</svg>\n")
        .arg(canvas, defs, body);
}

const std::vector<int>& iconSizes()
{
    static const std::vector<int> sizes = {16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QStringList iconFileNames()
{
    QStringList names;
    for (const char* program : {"game", "designer"}) {
        for (int size : iconSizes())
            names << QStringLiteral("%1-%2.png").arg(QLatin1String(program)).arg(size);
        names << QStringLiteral("%1.svg").arg(QLatin1String(program));
    }
    return names;
}

QStringList writeIcons(const QString& folder)
{
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        return iconFileNames();
    QStringList failed;
    const QDir dir(folder);
    for (const QString& name : iconFileNames()) {
        const bool game = name.startsWith(QLatin1String("game"));
        bool ok = false;
        if (name.endsWith(QLatin1String(".svg"))) {
            QFile f(dir.filePath(name));
            const QByteArray svg = iconSvg(game ? gameVectorIcon(0) : designerVectorIcon(0)).toUtf8();
            ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(svg) == svg.size();
        } else {
            const int size = name.section(QLatin1Char('-'), 1).section(QLatin1Char('.'), 0, 0).toInt();
            const VectorIcon icon = game ? gameVectorIcon(size) : designerVectorIcon(size);
            ok = renderIcon(icon, size).save(dir.filePath(name), "PNG");
        }
        if (!ok)
            failed << name;
    }
    return failed;
}

} // namespace artgen
