// Assembles the sprite sheet the game copies its tiles and sprites from,
// and writes all pictures to disk.
#include "artwork.h"
#include "parts.h"

#include <QDir>
#include <QPainter>

namespace artgen {
namespace {

struct TilePlace {
    int x;
    int y;
    QColor average;
};

// Every tile the board painter can pick, for all three graphics styles.
const TilePlace kTiles[] = {
    {0, 0, QColor(35, 31, 134)},    {25, 0, QColor(35, 31, 134)},   {0, 25, QColor(128, 40, 148)},
    {0, 50, QColor(123, 79, 172)},  {0, 75, QColor(144, 146, 225)}, {25, 75, QColor(144, 146, 225)},
    {25, 100, QColor(73, 73, 73)},  {0, 150, QColor(71, 152, 66)},  {0, 200, QColor(177, 34, 39)},
    {0, 250, QColor(211, 90, 32)},  {0, 275, QColor(237, 217, 72)}, {0, 300, QColor(220, 220, 214)},
};

} // namespace

QImage spriteSheet(int scale)
{
    const int s = scale;
    QImage sheet(800 * s, 600 * s, QImage::Format_RGB32);
    sheet.fill(Qt::black);

    std::uint64_t seed = 0x711e5000ULL;
    for (const TilePlace& t : kTiles)
        paintTile(sheet, QPoint(t.x, t.y) * s, t.average, ++seed, 25 * s);

    for (int f = 0; f < 6; ++f) {
        paintExceptionBox(sheet, QPoint(150 + 15 * f, 25) * s, f, s);
        paintFreeBox(sheet, QPoint(150 + 15 * f, 75) * s, f, s);
        paintHotBox(sheet, QPoint(274 + 15 * f, 20) * s, f, s);
        paintStarBox(sheet, QPoint(274 + 15 * f, 40) * s, f, s);
        paintLetterBox(sheet, QPoint(274 + 15 * f, 60) * s, 'F', f, s);
        paintLetterBox(sheet, QPoint(274 + 15 * f, 80) * s, 'T', f, s);
        paintLetterBox(sheet, QPoint(274 + 15 * f, 100) * s, 'M', f, s);
    }

    static const int numberRows[3] = {0, 120, 140};
    for (int n = 1; n <= 9; ++n) {
        const int row = numberRows[(n - 1) / 3];
        const int column = (n - 1) % 3;
        for (int b = 0; b < 2; ++b)
            paintNumberBox(sheet, QPoint(274 + 30 * column + 15 * b, row) * s, n, b == 1, s);
    }

    for (int k = 0; k < 6; ++k) {
        paintYourBox(sheet, QPoint(274 + 21 * k, 329) * s, k, 21 * s);
        paintYourBoxHit(sheet, QPoint(274 + 21 * k, 308) * s, k, 21 * s);
    }
    paintYourBoxLost(sheet, QPoint(274, 287) * s, 21 * s);

    QPainter p(&sheet);
    p.drawImage(550 * s, 0, statusPanel(s));
    return sheet;
}

QStringList artworkFileNames()
{
    return {"sprites.png", "title.png", "zembrik.png", "designer.png", "sprites@2x.png", "title@2x.png"};
}

QStringList writeArtwork(const QString& folder)
{
    QDir dir(folder);
    QStringList failed;
    if (!dir.exists() && !QDir().mkpath(folder))
        return artworkFileNames();
    const QImage pictures[] = {spriteSheet(), titlePicture(), gameIcon(), designerIcon(), spriteSheet(2),
                               titlePicture(2)};
    const QStringList names = artworkFileNames();
    for (int i = 0; i < names.size(); ++i) {
        if (!pictures[i].save(dir.filePath(names[i]), "PNG"))
            failed << names[i];
    }
    return failed;
}

} // namespace artgen
