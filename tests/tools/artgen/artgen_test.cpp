// Checks the checked-in artwork for what a player relies on (every tile and
// sprite where the board painter looks for it, recognisable and animated),
// and that the generator reproduces it exactly.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

const QString kArtDir = QStringLiteral(VORTAN_SOURCE_DIR "/resources/game/");

// Text rendering needs a GUI application; one is made on first use.
void ensureApp()
{
    static int argc = 1;
    static char name[] = "artgen_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

struct Mean {
    double r = 0, g = 0, b = 0;
    double lum() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

Mean meanOf(const QImage& img, const QRect& rect)
{
    Mean m;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            m.r += qRed(p);
            m.g += qGreen(p);
            m.b += qBlue(p);
        }
    }
    const double n = double(rect.width()) * rect.height();
    m.r /= n;
    m.g /= n;
    m.b /= n;
    return m;
}

int countIf(const QImage& img, const QRect& rect, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += pred(img.pixel(x, y)) ? 1 : 0;
    return n;
}

bool sameArea(const QImage& img, const QRect& a, const QRect& b)
{
    return img.copy(a) == img.copy(b);
}

int distinctColours(const QImage& img, const QRect& rect)
{
    std::set<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            colours.insert(img.pixel(x, y) | 0xff000000u);
    return int(colours.size());
}

bool isWhite(QRgb p) { return qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) >= 240; }

// Pixels of the columns left of `width` (the sprite area, without lettering)
// further apart than antialiasing differences between Qt builds explain.
int pixelsOff(const QImage& a, const QImage& b, int width)
{
    int off = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            off += std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8 || std::abs(qBlue(p) - qBlue(q)) > 8;
        }
    return off;
}

QImage loadArt(const char* name)
{
    QImage img(kArtDir + QLatin1String(name));
    return img.convertToFormat(QImage::Format_RGB32);
}

class CheckedInArt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sheet = new QImage(loadArt("sprites.png"));
        title = new QImage(loadArt("title.png"));
    }
    void SetUp() override
    {
        // Everything below reads pixels; a missing picture must fail loudly.
        ASSERT_EQ(sheet->size(), QSize(800, 600));
        ASSERT_EQ(title->size(), QSize(800, 600));
    }
    static void TearDownTestSuite()
    {
        delete sheet;
        delete title;
        sheet = nullptr;
        title = nullptr;
    }
    static QImage* sheet;
    static QImage* title;
};

QImage* CheckedInArt::sheet = nullptr;
QImage* CheckedInArt::title = nullptr;

TEST_F(CheckedInArt, PicturesHaveTheirSizes)
{
    EXPECT_EQ(sheet->size(), QSize(800, 600));
    EXPECT_EQ(title->size(), QSize(800, 600));
    EXPECT_EQ(QImage(kArtDir + "zembrik.png").size(), QSize(64, 64));
    EXPECT_EQ(QImage(kArtDir + "designer.png").size(), QSize(64, 64));
}

struct TileCase {
    int x, y, r, g, b;
};

// Where the board painter takes each region tile from, and the colour the
// eye expects there.
const TileCase kTiles[] = {
    {0, 0, 35, 31, 134},    {25, 0, 35, 31, 134},   {0, 25, 128, 40, 148},  {0, 50, 123, 79, 172},
    {0, 75, 144, 146, 225}, {25, 75, 144, 146, 225}, {25, 100, 73, 73, 73}, {0, 150, 71, 152, 66},
    {0, 200, 177, 34, 39},  {0, 250, 211, 90, 32},  {0, 275, 237, 217, 72}, {0, 300, 220, 220, 214},
};

TEST_F(CheckedInArt, TilesAreMottledBevelledAndOfTheirColour)
{
    for (const TileCase& t : kTiles) {
        SCOPED_TRACE(testing::Message() << "tile at " << t.x << "," << t.y);
        const QRect cell(t.x, t.y, 25, 25);
        const Mean m = meanOf(*sheet, cell);
        EXPECT_NEAR(m.r, t.r, 12.0);
        EXPECT_NEAR(m.g, t.g, 12.0);
        EXPECT_NEAR(m.b, t.b, 12.0);

        const Mean top = meanOf(*sheet, QRect(t.x + 2, t.y, 21, 2));
        const Mean left = meanOf(*sheet, QRect(t.x, t.y + 2, 2, 21));
        const Mean bottom = meanOf(*sheet, QRect(t.x + 2, t.y + 23, 21, 2));
        const Mean right = meanOf(*sheet, QRect(t.x + 23, t.y + 2, 2, 21));
        EXPECT_GT(top.lum(), bottom.lum() + 20.0);
        EXPECT_GT(left.lum(), right.lum() + 20.0);

        // Mottled, not a flat fill.
        EXPECT_GT(distinctColours(*sheet, cell.adjusted(3, 3, -3, -3)), 60);
    }
}

TEST_F(CheckedInArt, RaisedBoxesKeepTheirColourInEveryFrame)
{
    for (int f = 0; f < 6; ++f) {
        SCOPED_TRACE(testing::Message() << "frame " << f);
        const Mean exception = meanOf(*sheet, QRect(150 + 15 * f, 25, 15, 15));
        EXPECT_GT(exception.r, exception.g + 50);
        EXPECT_GT(exception.b, exception.g + 50);
        const Mean free = meanOf(*sheet, QRect(150 + 15 * f, 75, 15, 15));
        EXPECT_GT(free.b, free.r + 25);
        EXPECT_GT(free.lum(), 100.0);
        const QRect hot(274 + 15 * f, 20, 15, 15);
        EXPECT_GT(meanOf(*sheet, hot).r, meanOf(*sheet, hot).g + 40);
        for (int row : {60, 80, 100}) {
            const Mean letter = meanOf(*sheet, QRect(274 + 15 * f, row, 15, 15));
            // Blue, even while the letter glows yellow.
            EXPECT_GT(letter.b, letter.r + 20) << "row " << row;
            EXPECT_GT(letter.b, letter.g + 20) << "row " << row;
        }
    }
    // The glint moves, so the frames differ.
    EXPECT_FALSE(sameArea(*sheet, QRect(150, 25, 15, 15), QRect(165, 25, 15, 15)));
    EXPECT_FALSE(sameArea(*sheet, QRect(150, 75, 15, 15), QRect(180, 75, 15, 15)));
}

TEST_F(CheckedInArt, HotSquareGrowsOverTheFrames)
{
    const auto yellow = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 170 && qBlue(p) < 120; };
    int previous = 0;
    for (int f = 0; f < 6; ++f) {
        const int n = countIf(*sheet, QRect(274 + 15 * f, 20, 15, 15), yellow);
        EXPECT_GT(n, previous) << "frame " << f;
        previous = n;
    }
}

TEST_F(CheckedInArt, StarFadesOverTheFrames)
{
    double previous = 1e9;
    for (int f = 0; f < 6; ++f) {
        const QRect r(274 + 15 * f, 40, 15, 15);
        // Whiteness: how far green rises above the red box's own green.
        const double whiteness = meanOf(*sheet, r).g;
        EXPECT_LT(whiteness, previous) << "frame " << f;
        previous = whiteness;
    }
    EXPECT_GT(countIf(*sheet, QRect(274, 40, 15, 15), isWhite), 6);
}

TEST_F(CheckedInArt, LetterBoxesShowDifferentLetters)
{
    EXPECT_FALSE(sameArea(*sheet, QRect(274, 60, 15, 15), QRect(274, 80, 15, 15)));
    EXPECT_FALSE(sameArea(*sheet, QRect(274, 60, 15, 15), QRect(274, 100, 15, 15)));
    EXPECT_FALSE(sameArea(*sheet, QRect(274, 80, 15, 15), QRect(274, 100, 15, 15)));
    for (int row : {60, 80, 100}) {
        const auto light = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200; };
        EXPECT_GT(countIf(*sheet, QRect(274, row, 15, 15), light), 15) << "row " << row;
    }
}

QRect numberRect(int n, int b)
{
    static const int rows[3] = {0, 120, 140};
    return QRect(274 + 30 * ((n - 1) % 3) + 15 * b, rows[(n - 1) / 3], 15, 15);
}

TEST_F(CheckedInArt, NumberBoxesAreBrightOrDimDigitsOnBlack)
{
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(testing::Message() << "number " << n);
        const QRect bright = numberRect(n, 0);
        const QRect dim = numberRect(n, 1);
        // Black border, digit in the middle.
        EXPECT_EQ(sheet->pixel(bright.topLeft()) & 0xffffff, 0u);
        EXPECT_EQ(sheet->pixel(dim.bottomRight()) & 0xffffff, 0u);
        const int brightInk = countIf(*sheet, bright, [](QRgb p) { return qGray(p) > 200; });
        const int dimInk = countIf(*sheet, dim, [](QRgb p) { return qGray(p) > 60; });
        EXPECT_GT(brightInk, 15);
        EXPECT_GT(dimInk, 15);
        EXPECT_EQ(countIf(*sheet, dim, [](QRgb p) { return qGray(p) > 200; }), 0);
        EXPECT_FALSE(sameArea(*sheet, bright, dim));
        for (int other = 1; other < n; ++other)
            EXPECT_FALSE(sameArea(*sheet, bright, numberRect(other, 0))) << "same as " << other;
    }
}

TEST_F(CheckedInArt, YourBoxOctagonGrowsFromTheRestingSprite)
{
    const auto darkGreen = [](QRgb p) { return qGreen(p) < 120 && qGreen(p) > qRed(p) + 20; };
    const auto brightGreen = [](QRgb p) { return qGreen(p) > 170 && qGreen(p) > qRed(p) + 60; };
    const QRect resting(274, 329, 21, 21);
    EXPECT_GT(countIf(*sheet, resting, brightGreen), 21 * 21 / 3);
    int previous = 0;
    for (int k = 0; k < 6; ++k) {
        const int n = countIf(*sheet, QRect(274 + 21 * k, 329, 21, 21), darkGreen);
        EXPECT_GT(n, previous) << "k " << k;
        previous = n;
    }
    // At the end the octagon covers nearly the whole square.
    EXPECT_GT(previous, 21 * 21 * 3 / 4);
}

TEST_F(CheckedInArt, HitAndLostSpritesAreDarkGreenAndRed)
{
    const Mean resting = meanOf(*sheet, QRect(274, 329, 21, 21));
    for (int k = 0; k < 6; ++k) {
        const QRect r(274 + 21 * k, 308, 21, 21);
        const Mean hit = meanOf(*sheet, r);
        EXPECT_GT(hit.g, hit.r) << "k " << k;
        EXPECT_GT(hit.g, hit.b) << "k " << k;
        EXPECT_LT(hit.lum(), resting.lum() - 40) << "k " << k;
        EXPECT_GT(distinctColours(*sheet, r), 40) << "mottled, k " << k;
    }
    const Mean lost = meanOf(*sheet, QRect(274, 287, 21, 21));
    EXPECT_GT(lost.r, lost.g + 30);
    EXPECT_LT(lost.lum(), 100.0);
}

TEST_F(CheckedInArt, PanelIsDarkStoneWithLabelsInTheirRows)
{
    const QRect panel(550, 0, 250, 600);
    const Mean m = meanOf(*sheet, panel);
    EXPECT_NEAR(m.r, 65.0, 6.0);
    EXPECT_NEAR(m.g, 65.0, 6.0);
    EXPECT_NEAR(m.b, 65.0, 6.0);
    EXPECT_GT(distinctColours(*sheet, panel), 100);

    struct Band {
        int top, bottom;
    };
    const Band rows[] = {{43, 70}, {120, 140}, {170, 190}, {220, 240}, {270, 290}, {320, 340}, {370, 390}, {419, 439}};
    for (const Band& band : rows) {
        SCOPED_TRACE(testing::Message() << "rows " << band.top << ".." << band.bottom);
        // Labels begin at window x 26 and end before the values at x 175.
        EXPECT_GT(countIf(*sheet, QRect(550 + 26, band.top, 149, band.bottom - band.top + 1), isWhite), 30);
        EXPECT_EQ(countIf(*sheet, QRect(550, band.top, 26, band.bottom - band.top + 1), isWhite), 0);
        EXPECT_EQ(countIf(*sheet, QRect(550 + 175, band.top, 250 - 175, band.bottom - band.top + 1), isWhite) > 0,
                  band.top == 43) << "only the title line reaches the right side";
    }
    // Where the values and the mouse lines go, the stone carries no white.
    EXPECT_EQ(countIf(*sheet, QRect(550, 450, 250, 150), isWhite), 0);
}

TEST_F(CheckedInArt, ValuePlatesReachPastTheWidestValue)
{
    // "DONE" and "LOST", drawn at window x 175, end near x 238: the sunk
    // plate under each value row must still be there, darker than the
    // stone beyond its right rim.
    for (int top : {120, 170, 220, 270, 320, 370, 419}) {
        SCOPED_TRACE(testing::Message() << "row " << top);
        const double inside = meanOf(*sheet, QRect(550 + 236, top, 4, 20)).lum();
        const double beyond = meanOf(*sheet, QRect(550 + 243, top, 3, 20)).lum();
        EXPECT_LT(inside, beyond * 0.85);
    }
}

TEST_F(CheckedInArt, TitleIsARichPicture)
{
    EXPECT_GT(distinctColours(*title, title->rect()), 5000);
    // Gold lettering up top.
    const auto gold = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 140 && qBlue(p) < 100; };
    EXPECT_GT(countIf(*title, QRect(0, 0, 800, 220), gold), 3000);
}

// The sprite area has no lettering, so it must match the generator's output.
TEST_F(CheckedInArt, SpritesMatchTheGenerator)
{
    ensureApp();
    const QImage fresh = artgen::spriteSheet().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(fresh.size(), sheet->size());
    EXPECT_EQ(pixelsOff(fresh, *sheet, 550), 0);
}

// The 2x sheet: every tile and sprite at twice its place and size, in the
// 1x colours, and what the generator draws.
TEST_F(CheckedInArt, TwiceSizedSheetMatchesTheGeneratorInTheSameColours)
{
    ensureApp();
    const QImage sheet2 = loadArt("sprites@2x.png");
    ASSERT_EQ(sheet2.size(), QSize(1600, 1200));
    EXPECT_EQ(loadArt("title@2x.png").size(), QSize(1600, 1200));
    EXPECT_EQ(pixelsOff(artgen::spriteSheet(2).convertToFormat(QImage::Format_RGB32), sheet2, 1100), 0);
    const auto twice = [](const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); };
    std::vector<QRect> places = {QRect(550, 0, 250, 600), QRect(274, 287, 21, 21)};
    for (const TileCase& t : kTiles) places.emplace_back(t.x, t.y, 25, 25);
    for (int k = 0; k < 6; ++k) places.emplace_back(274 + 21 * k, 329, 21, 21);
    for (int n = 1; n <= 9; ++n) places.push_back(numberRect(n, 0));
    for (int row : {20, 40, 60, 80, 100}) places.emplace_back(274, row, 15, 15);
    for (const QRect& r : places) {
        const Mean a = meanOf(*sheet, r);
        const Mean b = meanOf(sheet2, twice(r));
        EXPECT_NEAR(a.r, b.r, 15.0) << r.x() << "," << r.y();
        EXPECT_NEAR(a.g, b.g, 15.0) << r.x() << "," << r.y();
        EXPECT_NEAR(a.b, b.b, 15.0) << r.x() << "," << r.y();
    }
}

TEST(ArtGenerator, IsDeterministic)
{
    ensureApp();
    EXPECT_EQ(artgen::spriteSheet(), artgen::spriteSheet());
    EXPECT_EQ(artgen::statusPanel(), artgen::statusPanel());
    EXPECT_EQ(artgen::titlePicture(), artgen::titlePicture());
    EXPECT_EQ(artgen::gameIcon(), artgen::gameIcon());
    EXPECT_EQ(artgen::designerIcon(), artgen::designerIcon());
}

TEST(ArtGenerator, WritesEveryPictureIntoANewFolder)
{
    ensureApp();
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.filePath("nested/art");
    EXPECT_TRUE(artgen::writeArtwork(folder).isEmpty());
    const QStringList names = artgen::artworkFileNames();
    ASSERT_EQ(names.size(), 6);
    for (const QString& name : names) {
        const QImage img(QDir(folder).filePath(name));
        EXPECT_FALSE(img.isNull()) << name.toStdString();
    }
    EXPECT_EQ(QImage(QDir(folder).filePath("sprites.png")), artgen::spriteSheet().convertToFormat(QImage::Format_RGB32));
}

TEST(ArtGenerator, ReportsAFolderItCannotWrite)
{
    ensureApp();
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    // A plain file where the folder should be.
    const QString blocker = tmp.filePath("blocker");
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    const QStringList failed = artgen::writeArtwork(blocker + "/art");
    EXPECT_EQ(failed, artgen::artworkFileNames());
    EXPECT_EQ(QFile(blocker).size(), 1);
}

} // namespace
