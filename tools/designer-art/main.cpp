// Draws the designer's bitmaps pixel by pixel in the 16-colour palette, with
// a fixed pseudo-random sequence for the speckles, so every run writes the
// same files.
#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

enum Colour : int {
    Black = 0, DarkRed, DarkGreen, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Green, Yellow, Blue, Magenta, Cyan, White
};

QVector<QRgb> palette16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// A small linear congruential generator: the same speckles on every machine.
class Speckle {
public:
    explicit Speckle(std::uint32_t seed) : state_(seed) {}
    int next(int n) {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t state_;
};

QImage blank(int size, int colour) {
    QImage img(size, size, QImage::Format_Indexed8);
    img.setColorTable(palette16());
    img.fill(colour);
    return img;
}

void put(QImage& img, int x, int y, int colour) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, static_cast<uint>(colour));
}

// One pixel in `perN` (on average) becomes `dot`.
QImage speckled(int size, int base, int dot, int perN, std::uint32_t seed) {
    QImage img = blank(size, base);
    Speckle rnd(seed);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (rnd.next(perN) == 0) put(img, x, y, dot);
    return img;
}

void frame(QImage& img, int colour, int width = 1) {
    const int s = img.width();
    for (int i = 0; i < s; ++i)
        for (int w = 0; w < width; ++w) {
            put(img, i, w, colour);
            put(img, i, s - 1 - w, colour);
            put(img, w, i, colour);
            put(img, s - 1 - w, i, colour);
        }
}

// Plain colour lit from the top left: a light top and left edge, a dark
// bottom and right edge.
QImage shaded(int base, int light, int dark) {
    QImage img = blank(20, base);
    for (int i = 0; i < 20; ++i) {
        put(img, i, 0, light);
        put(img, 0, i, light);
        put(img, i, 19, dark);
        put(img, 19, i, dark);
        put(img, i, 18, dark);
        put(img, 18, i, dark);
    }
    return img;
}

// 5 x 7 glyphs, one string of five characters per row, '#' set.
const char* const kGlyphs[][7] = {
    {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "},  // 0
    {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "},  // 1
    {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"},  // 2
    {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "},  // 3
    {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "},  // 4
    {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "},  // 5
    {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "},  // 6
    {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "},  // 7
    {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "},  // 8
    {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "},  // 9
    {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"},  // N
    {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "},  // F
    {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "},  // T
    {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"},  // M
};
enum Glyph { GlyphN = 10, GlyphF = 11, GlyphT = 12, GlyphM = 13 };

QImage lettered(int glyph, int background, int ink) {
    QImage img = blank(12, background);
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
            if (kGlyphs[glyph][row][col] == '#') put(img, 3 + col, 2 + row, ink);
    return img;
}

// Fills the pixels whose centres lie inside a shape given as a test.
void fillShape(QImage& img, int colour, const std::function<bool(double, double)>& inside) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (inside(x + 0.5, y + 0.5)) put(img, x, y, colour);
}

bool insideStar(double px, double py) {
    // Five-pointed star around the centre, point up, tested by the even-odd
    // rule against its ten corners.
    const double cx = 6.0, cy = 6.3, outer = 5.8, inner = 2.4;
    double xs[10], ys[10];
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / 5;
        xs[i] = cx + r * std::cos(a);
        ys[i] = cy + r * std::sin(a);
    }
    bool in = false;
    for (int i = 0, j = 9; i < 10; j = i++)
        if ((ys[i] > py) != (ys[j] > py) && px < (xs[j] - xs[i]) * (py - ys[i]) / (ys[j] - ys[i]) + xs[i]) in = !in;
    return in;
}

QImage yourBox() {
    QImage img = blank(16, Grey);
    frame(img, Silver);
    fillShape(img, Green, [](double x, double y) {
        const double d = std::hypot(x - 8.0, y - 8.0);
        return d >= 3.2 && d <= 6.2;
    });
    fillShape(img, DarkGreen, [](double x, double y) {
        const double d = std::hypot(x - 8.0, y - 8.0);
        return d > 5.4 && d <= 6.2 && (x + y) > 16.0;
    });
    return img;
}

QImage starBox() {
    QImage img = blank(12, Red);
    fillShape(img, White, insideStar);
    return img;
}

QImage hotBox() {
    QImage img = blank(12, Yellow);
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 10; ++x) put(img, x, y, Red);
    return img;
}

QImage twoColourSpeckle(int size, int a, int b, std::uint32_t seed) {
    QImage img = blank(size, a);
    Speckle rnd(seed);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (rnd.next(2) == 0) put(img, x, y, b);
    return img;
}

QImage blueRegion() {
    QImage img = twoColourSpeckle(20, Blue, Purple, 106);
    frame(img, Navy);
    for (int i = 0; i < 20; ++i) {
        put(img, i, 19, Black);
        put(img, 19, i, Black);
    }
    return img;
}

QImage orangeRegion() {
    QImage img = blank(20, Yellow);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (((x / 4) + (y / 4)) % 2 == 0) put(img, x, y, Red);
    return img;
}

QImage freeBox() {
    QImage img = blank(12, Cyan);
    Speckle rnd(112);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const int r = rnd.next(6);
            if (r == 0) put(img, x, y, Teal);
            else if (r == 1) put(img, x, y, White);
        }
    return img;
}

struct Bitmap {
    const char* file;
    std::function<QImage()> draw;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: designer-art OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "designer-art: cannot create %s\n", argv[1]);
        return 1;
    }

    std::vector<Bitmap> bitmaps = {
        {"105-region-yellow.png", [] { return speckled(20, Yellow, Grey, 7, 105); }},
        {"106-region-blue.png", blueRegion},
        {"107-region-white.png", [] { return speckled(20, White, Silver, 5, 107); }},
        {"108-region-red.png", [] { return shaded(Red, Red, DarkRed); }},
        {"109-region-green.png", [] { return shaded(Green, Green, DarkGreen); }},
        {"110-region-orange.png", orangeRegion},
        {"111-box-your.png", yourBox},
        {"112-box-free.png", freeBox},
        {"113-box-number.png", [] { return lettered(GlyphN, DarkRed, White); }},
        {"114-box-star.png", starBox},
        {"115-box-hot.png", hotBox},
        {"116-box-freeze.png", [] { return lettered(GlyphF, Blue, White); }},
        {"117-box-time.png", [] { return lettered(GlyphT, Teal, White); }},
        {"118-box-move.png", [] { return lettered(GlyphM, Grey, White); }},
        {"119-box-exception.png", [] { return twoColourSpeckle(12, Magenta, Navy, 119); }},
        {"120-box-empty.png", [] { return speckled(20, White, Grey, 9, 120); }},
    };
    for (int digit = 1; digit <= 9; ++digit)
        bitmaps.push_back({nullptr, [digit] { return lettered(digit, Black, White); }});
    bitmaps.push_back({nullptr, [] { return lettered(0, Black, White); }});

    int failures = 0;
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        QString name;
        if (bitmaps[i].file) name = QString::fromLatin1(bitmaps[i].file);
        else {
            const int id = 121 + static_cast<int>(i) - 16;  // 121..130
            name = QString("%1-digit-%2.png").arg(id).arg(id == 130 ? 0 : id - 120);
        }
        if (!bitmaps[i].draw().save(out + "/" + name, "PNG")) {
            std::fprintf(stderr, "designer-art: cannot write %s\n", qPrintable(name));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
