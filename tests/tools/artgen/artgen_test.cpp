// Checks the checked-in artwork for what a player relies on (every tile and
// sprite where the board painter looks for it, recognisable and animated),
// and that the generator reproduces it exactly.
#include "artwork.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_compare.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace {

using vortan::testing::pixelsApart;
using vortan::testing::readBytes;
using vortan::testing::writeBytes;

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

// Where the board painter takes its region tiles from.
const QPoint kTiles[] = {{0, 0},   {25, 0},   {0, 25},   {0, 50},   {0, 75},   {25, 75},
                         {25, 100}, {0, 150}, {0, 200}, {0, 250}, {0, 275}, {0, 300}};

TEST_F(CheckedInArt, TilesAreMottledAndBevelled)
{
    for (const QPoint t : kTiles) {
        SCOPED_TRACE(testing::Message() << "tile at " << t.x() << "," << t.y());
        // Lit from the top left: top edge brighter than bottom, left than right.
        const auto edge = [&](int dx, int dy, int w, int h) { return meanOf(sheet(), QRect(t + QPoint(dx, dy), QSize(w, h))).lum(); };
        EXPECT_GT(edge(2, 0, 21, 2), edge(2, 23, 21, 2) + 20);
        EXPECT_GT(edge(0, 2, 2, 21), edge(23, 2, 2, 21) + 20);
        EXPECT_GT(distinctColours(sheet(), QRect(t + QPoint(3, 3), QSize(19, 19))), 60) << "a flat fill";
    }
}

TEST_F(CheckedInArt, AnimatedBoxesChangeInEveryFrameAndYourBoxShowsItsState)
{
    const QImage& s = sheet();
    // Glinting Exception and Free boxes, the Hot, Star and letter boxes, and
    // Your box resting and hit.
    const struct {
        QPoint first;
        int size;
    } strips[] = {{{150, 25}, 15},  {{150, 75}, 15},  {{274, 20}, 15},  {{274, 40}, 15}, {{274, 60}, 15},
                  {{274, 80}, 15}, {{274, 100}, 15}, {{274, 329}, 21}, {{274, 308}, 21}};
    for (const auto& strip : strips)
        for (int f = 1; f < 6; ++f)
            EXPECT_NE(s.copy(frame(strip.first, f, strip.size)), s.copy(frame(strip.first, f - 1, strip.size)))
                << strip.first.x() << "," << strip.first.y() << " frame " << f;
    for (int f = 0; f < 6; ++f)
        for (int row : {60, 80, 100}) {
            // Blue, even while the letter glows yellow.
            const Mean letter = meanOf(s, frame({274, row}, f));
            EXPECT_GT(letter.b, std::max(letter.r, letter.g) + 20) << "row " << row << " frame " << f;
        }
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

// Every picture written is the one drawn again afterwards: the generator
// draws the same pixels every time.
TEST(ArtGenerator, WritesEveryPictureAsDrawnIntoANewFolderOrNamesTheOnesItCouldNot)
{
    ensureApp();
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.filePath("nested/art");
    EXPECT_TRUE(artgen::writeArtwork(folder).isEmpty());
    const std::pair<const char*, QImage> drawn[] = {
        {"sprites.png", artgen::spriteSheet()},   {"title.png", artgen::titlePicture()},
        {"zembrik.png", artgen::gameIcon()},      {"designer.png", artgen::designerIcon()},
        {"sprites@2x.png", artgen::spriteSheet(2)}, {"title@2x.png", artgen::titlePicture(2)}};
    ASSERT_EQ(artgen::artworkFileNames().size(), int(std::size(drawn)));
    for (const auto& [name, picture] : drawn)
        EXPECT_EQ(QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_ARGB32),
                  picture.convertToFormat(QImage::Format_ARGB32)) << name;

    // A plain file where the folder should be is left alone.
    writeBytes(tmp.filePath("blocker"), "x");
    EXPECT_EQ(artgen::writeArtwork(tmp.filePath("blocker/art")), artgen::artworkFileNames());
    EXPECT_EQ(readBytes(tmp.filePath("blocker")), "x");
}

} // namespace
