// Checks the checked-in artwork for what a player relies on (every tile and
// sprite where the board painter looks for it, recognisable and animated),
// and that the generator reproduces it exactly.
#include "artwork.h"
#include "tests/support/image_compare.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace {

using vortan::testing::pixelsApart;

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

void forEachPixel(const QImage& img, const QRect& rect, const std::function<void(QRgb)>& f)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            f(img.pixel(x, y));
}

Mean meanOf(const QImage& img, const QRect& rect)
{
    const double n = double(rect.width()) * rect.height();
    Mean m;
    forEachPixel(img, rect, [&](QRgb p) {
        m.r += qRed(p) / n;
        m.g += qGreen(p) / n;
        m.b += qBlue(p) / n;
    });
    return m;
}

int countIf(const QImage& img, const QRect& rect, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    forEachPixel(img, rect, [&](QRgb p) { n += pred(p) ? 1 : 0; });
    return n;
}

int distinctColours(const QImage& img, const QRect& rect)
{
    std::set<QRgb> colours;
    forEachPixel(img, rect, [&](QRgb p) { colours.insert(p | 0xff000000u); });
    return int(colours.size());
}

bool isWhite(QRgb p) { return qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) >= 240; }

QImage loadArt(const char* name)
{
    return QImage(kArtDir + QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

const QImage& sheet()
{
    static const QImage img = loadArt("sprites.png");
    return img;
}

// Frame `f` of an animation whose square frames lie side by side from `first`.
QRect frame(QPoint first, int f, int size = 15)
{
    return QRect(first + QPoint(size * f, 0), QSize(size, size));
}

class CheckedInArt : public ::testing::Test {
protected:
    // Everything below reads pixels; a missing picture must fail loudly.
    void SetUp() override { ASSERT_EQ(sheet().size(), QSize(800, 600)); }
};

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
        const Mean m = meanOf(sheet(), cell);
        EXPECT_NEAR(m.r, t.r, 12.0);
        EXPECT_NEAR(m.g, t.g, 12.0);
        EXPECT_NEAR(m.b, t.b, 12.0);
        // Lit from the top left: top edge brighter than bottom, left than right.
        const auto edge = [&](int dx, int dy, int w, int h) { return meanOf(sheet(), QRect(t.x + dx, t.y + dy, w, h)).lum(); };
        EXPECT_GT(edge(2, 0, 21, 2), edge(2, 23, 21, 2) + 20);
        EXPECT_GT(edge(0, 2, 2, 21), edge(23, 2, 2, 21) + 20);
        EXPECT_GT(distinctColours(sheet(), cell.adjusted(3, 3, -3, -3)), 60) << "a flat fill";
    }
}

TEST_F(CheckedInArt, AnimatedBoxesMoveOnInEveryFrame)
{
    const QImage& s = sheet();
    const auto yellow = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 170 && qBlue(p) < 120; };
    const auto darkGreen = [](QRgb p) { return qGreen(p) < 120 && qGreen(p) > qRed(p) + 20; };
    for (int f = 1; f < 6; ++f) {
        SCOPED_TRACE(testing::Message() << "frame " << f);
        // The glint moves over the raised boxes, the hot square grows, the
        // star fades to red and the octagon grows over Your box.
        EXPECT_NE(s.copy(frame({150, 25}, f)), s.copy(frame({150, 25}, f - 1)));
        EXPECT_NE(s.copy(frame({150, 75}, f)), s.copy(frame({150, 75}, f - 1)));
        EXPECT_GT(countIf(s, frame({274, 20}, f), yellow), countIf(s, frame({274, 20}, f - 1), yellow));
        EXPECT_LT(meanOf(s, frame({274, 40}, f)).g, meanOf(s, frame({274, 40}, f - 1)).g);
        EXPECT_GT(countIf(s, frame({274, 329}, f, 21), darkGreen), countIf(s, frame({274, 329}, f - 1, 21), darkGreen));
        for (int row : {60, 80, 100}) {
            // Blue, even while the letter glows yellow.
            const Mean letter = meanOf(s, frame({274, row}, f));
            EXPECT_GT(letter.b, std::max(letter.r, letter.g) + 20) << "row " << row;
        }
    }
    EXPECT_GT(countIf(s, frame({274, 40}, 0), isWhite), 6) << "the star starts white";
    EXPECT_GT(countIf(s, frame({274, 329}, 5, 21), darkGreen), 21 * 21 * 3 / 4) << "the octagon ends nearly square";
    // Your box is bright green at rest, darker when hit, red when lost.
    const Mean resting = meanOf(s, frame({274, 329}, 0, 21));
    const Mean hit = meanOf(s, frame({274, 308}, 0, 21));
    const Mean lost = meanOf(s, frame({274, 287}, 0, 21));
    EXPECT_GT(resting.g, std::max(resting.r, resting.b) + 60);
    EXPECT_GT(hit.g, std::max(hit.r, hit.b));
    EXPECT_LT(hit.lum(), resting.lum() - 40);
    EXPECT_GT(lost.r, lost.g + 30);
}

TEST_F(CheckedInArt, NumberAndLetterBoxesAreLegibleAndAllDifferent)
{
    const QImage& s = sheet();
    std::vector<QRect> faces = {frame({274, 60}, 0), frame({274, 80}, 0), frame({274, 100}, 0)};
    for (const QRect& letter : faces)
        EXPECT_GT(countIf(s, letter, [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200; }), 15);
    for (int n = 1; n <= 9; ++n) {
        // Bright and dim digits side by side, three numbers to a row.
        const QPoint first(274 + 30 * ((n - 1) % 3), std::vector<int>{0, 120, 140}[(n - 1) / 3]);
        faces.push_back(frame(first, 0));
        faces.push_back(frame(first, 1));
        EXPECT_GT(countIf(s, faces.end()[-2], [](QRgb p) { return qGray(p) > 200; }), 15) << n;
        EXPECT_GT(countIf(s, faces.back(), [](QRgb p) { return qGray(p) > 60; }), 15) << n;
        EXPECT_EQ(countIf(s, faces.back(), [](QRgb p) { return qGray(p) > 200; }), 0) << n;
    }
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(s.copy(faces[i]), s.copy(faces[j])) << i << " and " << j;
}

TEST_F(CheckedInArt, PanelIsDarkStoneWithLabelsLeftOfPlatesThatHoldEveryValue)
{
    const QImage& s = sheet();
    const Mean stone = meanOf(s, QRect(550, 0, 250, 600));
    EXPECT_NEAR(stone.lum(), 65.0, 6.0);
    EXPECT_LT(std::max({stone.r, stone.g, stone.b}) - std::min({stone.r, stone.g, stone.b}), 8.0) << "grey";
    EXPECT_GT(distinctColours(s, QRect(550, 0, 250, 600)), 100);
    EXPECT_GT(countIf(s, QRect(576, 43, 224, 28), isWhite), 30) << "the title line";
    for (int top : {120, 170, 220, 270, 320, 370, 419}) {
        SCOPED_TRACE(testing::Message() << "row " << top);
        // Labels begin at window x 26 and end before the values at x 175.
        EXPECT_GT(countIf(s, QRect(550 + 26, top, 149, 21), isWhite), 30);
        EXPECT_EQ(countIf(s, QRect(550, top, 26, 21), isWhite) + countIf(s, QRect(550 + 175, top, 75, 21), isWhite), 0);
        // "DONE" and "LOST" end near x 238: the sunk plate must reach past
        // them, darker than the stone beyond its right rim.
        EXPECT_LT(meanOf(s, QRect(550 + 236, top, 4, 20)).lum(), meanOf(s, QRect(550 + 243, top, 3, 20)).lum() * 0.85);
    }
    // Where the values and the mouse lines go, the stone carries no white.
    EXPECT_EQ(countIf(s, QRect(550, 450, 250, 150), isWhite), 0);
}

TEST_F(CheckedInArt, TitleIsARichPictureWithGoldLettering)
{
    const QImage title = loadArt("title.png");
    ASSERT_EQ(title.size(), QSize(800, 600));
    EXPECT_EQ(loadArt("title@2x.png").size(), QSize(1600, 1200));
    EXPECT_GT(distinctColours(title, title.rect()), 5000);
    const auto gold = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 140 && qBlue(p) < 100; };
    EXPECT_GT(countIf(title, QRect(0, 0, 800, 220), gold), 3000);
}

// The sprite area has no lettering, so at both scales it must be what the
// generator draws; and the 2x sheet keeps the 1x colours in every place.
TEST_F(CheckedInArt, SpriteSheetsAtBothScalesAreWhatTheGeneratorDraws)
{
    ensureApp();
    const QImage sheet2 = loadArt("sprites@2x.png");
    EXPECT_EQ(pixelsApart(artgen::spriteSheet(), sheet(), 550), 0);
    EXPECT_EQ(pixelsApart(artgen::spriteSheet(2), sheet2, 1100), 0);
    ASSERT_EQ(sheet2.size(), QSize(1600, 1200));
    for (int y = 0; y < 600; y += 25)
        for (int x = 0; x < 800; x += 25) {
            const Mean a = meanOf(sheet(), QRect(x, y, 25, 25));
            const Mean b = meanOf(sheet2, QRect(2 * x, 2 * y, 50, 50));
            EXPECT_LT(std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}), 15.0) << x << "," << y;
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

TEST(ArtGenerator, WritesEveryPictureIntoANewFolderOrNamesTheOnesItCouldNot)
{
    ensureApp();
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.filePath("nested/art");
    EXPECT_TRUE(artgen::writeArtwork(folder).isEmpty());
    for (const QString& name : artgen::artworkFileNames())
        EXPECT_FALSE(QImage(QDir(folder).filePath(name)).isNull()) << name.toStdString();
    EXPECT_EQ(QImage(QDir(folder).filePath("sprites.png")), artgen::spriteSheet().convertToFormat(QImage::Format_RGB32));

    // A plain file where the folder should be is left alone.
    QFile blocker(tmp.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("x");
    blocker.close();
    EXPECT_EQ(artgen::writeArtwork(blocker.fileName() + "/art"), artgen::artworkFileNames());
    EXPECT_EQ(blocker.size(), 1);
}

} // namespace
