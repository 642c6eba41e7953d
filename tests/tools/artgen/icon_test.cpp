// The desktop icons: every hicolor size and the SVG are checked in as the
// generator draws them, and the SVG is the same picture as the bitmaps.
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

// The bitmaps and the SVG are pinned, so each is only checked to be sound: a
// deliberate regeneration is judged by eye.
TEST(DesktopIcons, EverySizeAndTheSvgAreCheckedInAsTheGeneratorDrawsThem)
{
    for (const Program& program : kPrograms) {
        for (int size : artgen::iconSizes()) {
            SCOPED_TRACE(testing::Message() << program.name << " " << size);
            const QImage img = artgen::renderIcon(program.icon(size), size);
            const QImage checkedIn(kIconDir + QStringLiteral("%1-%2.png").arg(QLatin1String(program.name)).arg(size));
            ASSERT_EQ(checkedIn.size(), QSize(size, size));
            EXPECT_TRUE(checkedIn.hasAlphaChannel());
            EXPECT_EQ(pixelsApart(checkedIn, img), 0);
        }
        // The SVG is well formed and holds the same shapes as the bitmaps.
        SCOPED_TRACE(program.name);
        const artgen::VectorIcon icon = program.icon(0);
        EXPECT_EQ(QString::fromStdString(readBytes(kIconDir + QLatin1String(program.name) + QLatin1String(".svg"))),
                  artgen::iconSvg(icon));
        QXmlStreamReader xml(artgen::iconSvg(icon));
        int paths = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
                ++paths;
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(paths, int(icon.shapes.size()));
    }
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
