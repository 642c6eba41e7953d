// The desktop icons: every hicolor size and the SVG are checked in as the
// generator draws them, read well at each size, and the SVG is the same
// picture as the bitmaps.
#include "vector_icon.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_compare.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using vortan::testing::pixelsApart;
using vortan::testing::readBytes;
using vortan::testing::writeBytes;

const QString kIconDir = QStringLiteral(VORTAN_SOURCE_DIR "/resources/icons/");

struct Program {
    const char* name;
    artgen::VectorIcon (*icon)(int);
};
const Program kPrograms[] = {{"game", artgen::gameVectorIcon}, {"designer", artgen::designerVectorIcon}};

TEST(DesktopIcons, EverySizeAndTheSvgAreCheckedInAsTheGeneratorDrawsThemAndWellFormed)
{
    for (const Program& program : kPrograms) {
        for (int size : artgen::iconSizes()) {
            SCOPED_TRACE(testing::Message() << program.name << " " << size);
            const QImage img = artgen::renderIcon(program.icon(size), size);
            const QImage checkedIn(kIconDir + QStringLiteral("%1-%2.png").arg(QLatin1String(program.name)).arg(size));
            ASSERT_EQ(checkedIn.size(), QSize(size, size));
            EXPECT_TRUE(checkedIn.hasAlphaChannel());
            EXPECT_EQ(pixelsApart(checkedIn, img), 0);
            for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
                EXPECT_EQ(qAlpha(img.pixel(corner)), 0);
            EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255);
            EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 8)), 255);
        }
        // The SVG holds the same shapes, all within its canvas.
        SCOPED_TRACE(program.name);
        const artgen::VectorIcon icon = program.icon(0);
        EXPECT_EQ(QString::fromStdString(readBytes(kIconDir + QLatin1String(program.name) + QLatin1String(".svg"))),
                  artgen::iconSvg(icon));
        QXmlStreamReader xml(artgen::iconSvg(icon));
        int paths = 0;
        int gradients = 0;
        QString viewBox;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("svg"))
                viewBox = xml.attributes().value(QLatin1String("viewBox")).toString();
            if (xml.name() == QLatin1String("path")) {
                ++paths;
                const QString fill = xml.attributes().value(QLatin1String("fill")).toString();
                EXPECT_TRUE(fill.startsWith(QLatin1Char('#')) || fill.startsWith(QLatin1String("url(#g")));
            }
            if (xml.name() == QLatin1String("linearGradient"))
                ++gradients;
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(viewBox, QStringLiteral("0 0 256 256"));
        EXPECT_EQ(paths, int(icon.shapes.size()));
        for (const artgen::IconShape& s : icon.shapes) {
            gradients -= s.fill.gradient;
            EXPECT_TRUE(QRectF(0, 0, 256, 256).contains(s.path.boundingRect()));
        }
        EXPECT_EQ(gradients, 0) << "one gradient for each shape filled with one";
    }
}

TEST(DesktopIcons, TheGameShowsYourGreenBoxOnAYellowFieldInsideABlueWall)
{
    for (int size : artgen::iconSizes()) {
        SCOPED_TRACE(size);
        const QImage img = artgen::renderIcon(artgen::gameVectorIcon(size), size);
        const QRgb wall = img.pixel(size / 2, size / 32 + 1);
        EXPECT_GT(qBlue(wall), qRed(wall) + 40);
        int green = 0;
        int yellow = 0;
        for (int i = 0; i < size * size; ++i) {
            const QRgb p = img.pixel(i % size, i / size);
            green += qGreen(p) > qRed(p) + 50 && qGreen(p) > qBlue(p) + 50;
            yellow += qRed(p) > 180 && qGreen(p) > 160 && qBlue(p) < 120;
        }
        EXPECT_GT(green, size * size / 10);
        EXPECT_GT(yellow, size * size / 10);
    }
    // Small sizes drop the details rather than shrinking them to mush.
    EXPECT_LT(artgen::gameVectorIcon(16).shapes.size(), artgen::gameVectorIcon(48).shapes.size());
    EXPECT_LT(artgen::designerVectorIcon(24).shapes.size(), artgen::designerVectorIcon(32).shapes.size());
}

TEST(DesktopIcons, WritesEveryIconFileOrNamesTheOnesItCouldNot)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString folder = tmp.filePath("a/b");
    EXPECT_TRUE(artgen::writeIcons(folder).isEmpty());
    for (const QString& name : artgen::iconFileNames())
        EXPECT_TRUE(QFileInfo(QDir(folder).filePath(name)).size() > 0) << name.toStdString();
    EXPECT_EQ(QImage(QDir(folder).filePath("designer-32.png")).size(), QSize(32, 32));

    writeBytes(tmp.filePath("blocker"), "x");
    EXPECT_EQ(artgen::writeIcons(tmp.filePath("blocker/icons")), artgen::iconFileNames());
}

} // namespace
