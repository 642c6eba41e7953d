// vortan-contact-sheet DATA_DIR VERSION OUT_DIR [SPRITES.png]
// Draws the ten boards of every series of a version side by side, with the
// game's own tiles and sprites, one PNG per series: OUT_DIR/alvor-01.png ...
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <iostream>
#include <string>

#include "board/board_file.h"
#include "catalogue.h"

using namespace vortan;

namespace {

constexpr int kCell = 25;
constexpr int kBoardPixels = kCell * kGridSize;  // 550

// Traditional graphics: tile of each region on the sprite sheet.
QPoint regionTile(RegionCode r) {
    switch (r) {
    case RegionCode::Yellow: return {0, 275};
    case RegionCode::Blue: return {25, 0};
    case RegionCode::White: return {0, 300};
    case RegionCode::Red: return {0, 200};
    case RegionCode::Green: return {0, 150};
    case RegionCode::Orange: return {0, 250};
    }
    return {-1, -1};
}

// Frame 0 of each box sprite; Your box is 21 x 21, the others 15 x 15.
QRect boxSprite(const BoardCell& c) {
    switch (c.box) {
    case BoxCode::Your: return {274, 329, 21, 21};
    case BoxCode::Free: return {150, 75, 15, 15};
    case BoxCode::Star: return {274, 40, 15, 15};
    case BoxCode::Hot: return {274, 20, 15, 15};
    case BoxCode::Freeze: return {274, 60, 15, 15};
    case BoxCode::Time: return {274, 80, 15, 15};
    case BoxCode::Move: return {274, 100, 15, 15};
    case BoxCode::Exception: return {150, 25, 15, 15};
    case BoxCode::Number: {
        const int n = static_cast<int>(c.number);
        if (n < 1 || n > 9) return {};
        const int row = n <= 3 ? 0 : n <= 6 ? 120 : 140;
        return {274 + 30 * ((n - 1) % 3), row, 15, 15};
    }
    default: return {};
    }
}

QImage drawBoard(const BoardDefinition& b, const QImage& sheet) {
    QImage img(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) {
            const BoardCell& c = b.Cell(x, y);
            const QPoint tile = regionTile(c.region);
            if (tile.x() >= 0) p.drawImage(QPoint(x * kCell, y * kCell), sheet, QRect(tile, QSize(kCell, kCell)));
            const QRect s = boxSprite(c);
            if (s.isEmpty()) continue;
            const int inset = s.width() == 21 ? 2 : 4;
            p.drawImage(QPoint(x * kCell + inset, y * kCell + inset), sheet, s);
        }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: vortan-contact-sheet DATA_DIR VERSION OUT_DIR [SPRITES.png]\n";
        return 2;
    }
    // Only images and fonts are needed, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string data = argv[1], out = argv[3];
    const int version = std::atoi(argv[2]);
    const std::string spritePath = argc > 4 ? argv[4] : VORTAN_SPRITES;
    const QImage sheet(QString::fromStdString(spritePath));
    if (sheet.isNull() || version < 0 || version >= kCatalogueVersions) {
        std::cerr << "cannot use the sprite sheet " << spritePath << " or version " << argv[2] << "\n";
        return 1;
    }
    const int thumb = 275, caption = 34, cols = 5;
    for (int s = 0; s < kSeriesCount; ++s) {
        QImage page(cols * thumb, 2 * (thumb + caption) + 30, QImage::Format_RGB32);
        page.fill(QColor(40, 40, 40));
        QPainter p(&page);
        p.setPen(Qt::white);
        QFont f("Sans", 12, QFont::Bold);
        p.setFont(f);
        p.drawText(8, 21, QString("%1 series %2: %3").arg(versionInfo(version).stem).arg(s + 1).arg(QString::fromStdString(seriesLabel(version, s))));
        p.setFont(QFont("Sans", 9));
        for (int g = 0; g < kGamesPerSeries; ++g) {
            const std::string name = boardFileName(version, s, g);
            BoardDefinition b;
            b.ClearCells();
            const FileReadResult r = ReadBoardFile(data + "/" + name, b);
            const int x = (g % cols) * thumb, y = 30 + (g / cols) * (thumb + caption);
            if (!r.opened || !r.read.ok()) {
                p.drawText(x + 8, y + 20, QString::fromStdString(name + " missing"));
                continue;
            }
            p.drawImage(QRect(x, y, thumb, thumb), drawBoard(b, sheet));
            p.drawText(x + 6, y + thumb + 14,
                       QString::fromStdString(name + "  " + b.gameName + "  ") +
                           QString("%1 s, %2 moves, %3 lives").arg(b.timeLimit).arg(b.moveLimit).arg(b.numberOfLives));
            p.drawText(x + 6, y + thumb + 28,
                       QString("stars %1 numbers %2 star time %3 number time %4")
                           .arg(b.starBoxCount).arg(b.numberBoxCount).arg(b.starBoxTimeLimit).arg(b.numberBoxTimeLimit));
        }
        p.end();
        const std::string file = out + "/" + versionInfo(version).stem + "-" + (s < 9 ? "0" : "") + std::to_string(s + 1) + ".png";
        if (!page.save(QString::fromStdString(file))) {
            std::cerr << "cannot write " << file << "\n";
            return 1;
        }
        std::cout << file << "\n";
    }
    return 0;
}
