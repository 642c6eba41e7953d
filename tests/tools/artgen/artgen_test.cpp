// Checks that the checked-in artwork is what the generator draws now where
// no lettering is (fonts differ between machines), that the lettered status
// panel leaves the game's painter room, and that the generator draws the
// same pixels every run.
#include "artwork.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_compare.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <set>
#include <vector>

namespace {

using vortan::testing::pixelsApart;
using vortan::testing::readBytes;
using vortan::testing::writeBytes;

const QString kArtDir = QStringLiteral(VORTAN_SOURCE_DIR "/resources/game/");

void forEachPixel(const QImage& img, const QRect& rect, const std::function<void(QRgb)>& f)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            f(img.pixel(x, y));
}

double meanGrey(const QImage& img, const QRect& rect)
{
    double sum = 0;
    forEachPixel(img, rect, [&](QRgb p) { sum += qGray(p); });
    return sum / (double(rect.width()) * rect.height());
}

int countIf(const QImage& img, const QRect& rect, const std::function<bool(QRgb)>& pred)
{
    int n = 0;
    forEachPixel(img, rect, [&](QRgb p) { n += pred(p) ? 1 : 0; });
    return n;
}

int distinctColours(const QImage& img)
{
    std::set<QRgb> colours;
    forEachPixel(img, img.rect(), [&](QRgb p) { colours.insert(p); });
    return int(colours.size());
}

bool isWhite(QRgb p) { return qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) >= 240; }

QImage loadArt(const char* name)
{
    return QImage(kArtDir + QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

// The panel is lettered in the artwork; the game draws each row's value
// right of its label and, for a translation, letters anew from x 26 and
// covers the old label with plate from inside the plate's right rim.
TEST(CheckedInArt, PanelLabelsLeaveRoomForTheValuesOnPlatesThatHoldThem)
{
    const QImage s = loadArt("sprites.png");
    ASSERT_EQ(s.size(), QSize(800, 600));
    for (int top : {120, 170, 220, 270, 320, 370, 419}) {
        SCOPED_TRACE(testing::Message() << "row " << top);
        // Labels begin at window x 26 and end before the values at x 175.
        EXPECT_GT(countIf(s, QRect(550 + 26, top, 149, 21), isWhite), 30);
        EXPECT_EQ(countIf(s, QRect(550, top, 26, 21), isWhite) + countIf(s, QRect(550 + 175, top, 75, 21), isWhite), 0);
        // "DONE" and "LOST" end near x 238: the sunk plate must reach past
        // them, darker than the stone beyond its right rim.
        EXPECT_LT(meanGrey(s, QRect(550 + 236, top, 4, 20)), meanGrey(s, QRect(550 + 243, top, 3, 20)) * 0.85);
    }
    // Where the values and the mouse lines go, the stone carries no white.
    EXPECT_EQ(countIf(s, QRect(550, 450, 250, 150), isWhite), 0);
}

// The pictures are pinned where they carry no lettering, so each is only
// checked to be sound: a deliberate regeneration is judged by eye.
TEST(ArtGenerator, WritesEveryPictureAsDrawnEachRunAndTheCheckedInOnesAreCurrent)
{
    // Text is drawn with installed fonts, which need a GUI application.
    int argc = 1;
    char name[] = "artgen_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.filePath("nested/art");
    EXPECT_TRUE(artgen::writeArtwork(folder).isEmpty());
    const struct {
        const char* name;
        QImage drawn;
        int unlettered;  // columns compared with the checked-in picture
    } pictures[] = {
        {"sprites.png", artgen::spriteSheet(), 550},      {"title.png", artgen::titlePicture(), 0},
        {"zembrik.png", artgen::gameIcon(), -1},          {"designer.png", artgen::designerIcon(), -1},
        {"sprites@2x.png", artgen::spriteSheet(2), 1100}, {"title@2x.png", artgen::titlePicture(2), 0}};
    ASSERT_EQ(artgen::artworkFileNames().size(), int(std::size(pictures)));
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(QImage(QDir(folder).filePath(p.name)).convertToFormat(QImage::Format_ARGB32),
                  p.drawn.convertToFormat(QImage::Format_ARGB32));
        const QImage shipped(kArtDir + QLatin1String(p.name));
        EXPECT_EQ(pixelsApart(p.drawn, shipped, p.unlettered), 0) << "stale: run vortan-artgen";
        EXPECT_GT(distinctColours(shipped), 100) << "a flat fill";
    }
    // A plain file where the folder should be is left alone.
    writeBytes(tmp.filePath("blocker"), "x");
    EXPECT_EQ(artgen::writeArtwork(tmp.filePath("blocker/art")), artgen::artworkFileNames());
    EXPECT_EQ(readBytes(tmp.filePath("blocker")), "x");
}

} // namespace
