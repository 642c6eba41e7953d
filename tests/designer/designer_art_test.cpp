// The checked-in bitmaps are exactly what the art tool draws (the window
// test compares the view's cells with them, which checks their sizes).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

TEST(DesignerArt, ToolRedrawsTheCheckedInBitmaps) {
    QTemporaryDir out;
    QProcess tool;
    tool.start(QStringLiteral(VORTAN_BIN_DIR "/designer-art"), {out.path()});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(0, tool.exitCode());

    const QDir checkedIn(QStringLiteral(VORTAN_SOURCE_DIR "/resources/designer"));
    const QStringList names = checkedIn.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names, QDir(out.path()).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name));
    for (const QString& name : names) {
        const QImage mine(checkedIn.filePath(name));
        const QImage fresh(QDir(out.path()).filePath(name));
        ASSERT_FALSE(mine.isNull()) << name.toStdString();
        EXPECT_LE(mine.colorCount(), 16) << name.toStdString();
        EXPECT_EQ(mine.convertToFormat(QImage::Format_RGB32), fresh.convertToFormat(QImage::Format_RGB32))
            << name.toStdString();
    }
}
