#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/picture_preload.h"
#include "tests/support/modal_answerer.h"

using namespace vortan;

TEST(PicturePreload, HandsOutEachPictureOnceAsItIsOnDiskAndReadsTheRestOnTheSpot) {
    vortan::testing::testApp();  // threads only once the application exists
    QTemporaryDir dir;
    const QString path = dir.filePath("p.png");
    QImage made(30, 20, QImage::Format_ARGB32);
    made.fill(QColor(10, 200, 30));
    ASSERT_TRUE(made.save(path));

    picturePreload::start({path, dir.filePath("missing.png")});
    const QImage first = picturePreload::take(path);
    EXPECT_EQ(first.format(), QImage::Format_RGB32);
    EXPECT_EQ(first.size(), QSize(30, 20));
    EXPECT_EQ(first.pixel(5, 5), qRgb(10, 200, 30));
    // Taken again (or never preloaded): read here, the same picture.
    ASSERT_TRUE(QFile::remove(path) && made.scaled(3, 2).save(path));
    EXPECT_EQ(picturePreload::take(path).size(), QSize(3, 2));
    EXPECT_TRUE(picturePreload::take(dir.filePath("missing.png")).isNull());
    EXPECT_TRUE(picturePreload::take(dir.filePath("never.png")).isNull());
}
