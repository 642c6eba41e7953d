// Checks that the checked-in artwork and desktop icons are what the generator
// draws now, the same pixels every run (the artwork only where no lettering
// is: fonts differ between machines), and that each icon's SVG is the
// bitmaps' picture.
#include "artwork.h"
#include "vector_icon.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_compare.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace {

using vortan::testing::pixelsApart;
using vortan::testing::readBytes;
using vortan::testing::writeBytes;

const QString kArtDir = QStringLiteral(VORTAN_SOURCE_DIR "/resources/game/");
const QString kIconDir = QStringLiteral(VORTAN_SOURCE_DIR "/resources/icons/");

int distinctColours(const QImage& img)
{
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colours.insert(img.pixel(x, y));
    return int(colours.size());
}

// The pictures and icons are pinned (the pictures where they carry no
// lettering), so each is only checked to be sound: a deliberate regeneration
// is judged by eye.
TEST(ArtGenerator, WritesEveryPictureAndIconAsDrawnEachRunAndTheCheckedInOnesAreCurrent)
{
    // Text is drawn with installed fonts, which need a GUI application.
    int argc = 1;
    char name[] = "artgen_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QDir art(tmp.filePath("nested/art")), icons(tmp.filePath("a/b"));
    EXPECT_TRUE(artgen::writeArtwork(art.path()).isEmpty());
    EXPECT_TRUE(artgen::writeIcons(icons.path()).isEmpty());
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
        EXPECT_EQ(QImage(art.filePath(p.name)).convertToFormat(QImage::Format_ARGB32),
                  p.drawn.convertToFormat(QImage::Format_ARGB32));
        const QImage shipped(kArtDir + QLatin1String(p.name));
        EXPECT_EQ(pixelsApart(p.drawn, shipped, p.unlettered), 0) << "stale: run vortan-artgen";
        EXPECT_GT(distinctColours(shipped), 100) << "a flat fill";
    }
    const std::pair<const char*, artgen::VectorIcon (*)(int)> programs[] = {{"game", artgen::gameVectorIcon},
                                                                            {"designer", artgen::designerVectorIcon}};
    for (const auto& [program, vectorIcon] : programs) {
        for (int size : artgen::iconSizes()) {
            const QString name = QStringLiteral("%1-%2.png").arg(QLatin1String(program)).arg(size);
            SCOPED_TRACE(name.toStdString());
            const QImage checkedIn(kIconDir + name);
            ASSERT_EQ(checkedIn.size(), QSize(size, size));
            EXPECT_TRUE(checkedIn.hasAlphaChannel());
            EXPECT_EQ(pixelsApart(checkedIn, QImage(icons.filePath(name))), 0);
        }
        // The SVG is well formed and holds the same shapes as the bitmaps.
        SCOPED_TRACE(program);
        const QString svg = QLatin1String(program) + QLatin1String(".svg");
        EXPECT_EQ(readBytes(icons.filePath(svg)), readBytes(kIconDir + svg));
        const artgen::VectorIcon icon = vectorIcon(0);
        QXmlStreamReader xml(artgen::iconSvg(icon));
        int paths = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
                ++paths;
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(paths, int(icon.shapes.size()));
    }
    // A plain file where the folder should be is left alone.
    writeBytes(tmp.filePath("blocker"), "x");
    EXPECT_EQ(artgen::writeArtwork(tmp.filePath("blocker/art")), artgen::artworkFileNames());
    EXPECT_EQ(artgen::writeIcons(tmp.filePath("blocker/icons")), artgen::iconFileNames());
    EXPECT_EQ(readBytes(tmp.filePath("blocker")), "x");
}

} // namespace
