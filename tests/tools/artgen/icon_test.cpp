// The desktop icons: every hicolor size and the SVG are checked in as the
// generator draws them, and the SVG is the same picture as the bitmaps.
#include "vector_icon.h"
#include "tests/support/file_bytes.h"
#include "tests/support/image_compare.h"

#include <QDir>
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
TEST(DesktopIcons, AreWrittenAsCheckedInWithTheSameShapesInTheSvgOrNameWhatFailed)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QDir folder(tmp.filePath("a/b"));
    EXPECT_TRUE(artgen::writeIcons(folder.path()).isEmpty());
    for (const Program& program : kPrograms) {
        for (int size : artgen::iconSizes()) {
            const QString name = QStringLiteral("%1-%2.png").arg(QLatin1String(program.name)).arg(size);
            SCOPED_TRACE(name.toStdString());
            const QImage checkedIn(kIconDir + name);
            ASSERT_EQ(checkedIn.size(), QSize(size, size));
            EXPECT_TRUE(checkedIn.hasAlphaChannel());
            EXPECT_EQ(pixelsApart(checkedIn, QImage(folder.filePath(name))), 0);
        }
        // The SVG is well formed and holds the same shapes as the bitmaps.
        SCOPED_TRACE(program.name);
        const QString svg = QLatin1String(program.name) + QLatin1String(".svg");
        EXPECT_EQ(readBytes(folder.filePath(svg)), readBytes(kIconDir + svg));
        const artgen::VectorIcon icon = program.icon(0);
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
    EXPECT_EQ(artgen::writeIcons(tmp.filePath("blocker/icons")), artgen::iconFileNames());
    EXPECT_EQ(readBytes(tmp.filePath("blocker")), "x");
}

} // namespace
