// vortan-contact-sheet DATA_DIR VERSION OUT_DIR [SPRITES.png]
// Draws the ten boards of every series of a version side by side, with the
// game's own tiles and sprites, one PNG per series: OUT_DIR/alvor-01.png ...
// vortan-contact-sheet --random OUT.png [COUNT] [SPRITES.png]
// Draws COUNT random boards of each difficulty (seeds 1 to COUNT), a row each.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>

#include "board/board_file.h"
#include "catalogue.h"
#include "game/generate/random_board.h"

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

int randomSheet(const std::string& out, int count, const QImage& sheet) {
    const int thumb = 220, caption = 34, top = 30;
    QImage page(count * thumb, kDifficultyCount * (thumb + caption + top), QImage::Format_RGB32);
    page.fill(QColor(40, 40, 40));
    QPainter p(&page);
    p.setPen(Qt::white);
    for (int d = 0; d < kDifficultyCount; ++d) {
        const int y = d * (thumb + caption + top);
        p.setFont(QFont("Sans", 12, QFont::Bold));
        p.drawText(8, y + 21, QString::fromLatin1(difficultyName(static_cast<Difficulty>(d))));
        p.setFont(QFont("Sans", 9));
        for (int i = 0; i < count; ++i) {
            RandomBoard r;
            const BoardId id{static_cast<Difficulty>(d), static_cast<std::uint32_t>(i + 1), kGeneratorVersion};
            if (GenerateRandomBoard(id, r) != GenerateStatus::Made) continue;
            p.drawImage(QRect(i * thumb, y + top, thumb, thumb), drawBoard(r.board, sheet));
            p.drawText(i * thumb + 6, y + top + thumb + 14,
                       QString("%1  %2 moves").arg(QString::fromStdString(formatBoardId(id))).arg(r.figures.length));
            p.drawText(i * thumb + 6, y + top + thumb + 28,
                       QString("limits %1 s, %2 moves").arg(r.board.timeLimit).arg(r.board.moveLimit));
        }
    }
    p.end();
    if (!page.save(QString::fromStdString(out))) {
        std::cerr << "cannot write " << out << "\n";
        return 1;
    }
    std::cout << out << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--random") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const int count = argc > 3 ? std::max(1, std::min(10, std::atoi(argv[3]))) : 4;
        const QImage sheet(QString::fromStdString(argc > 4 ? argv[4] : VORTAN_SPRITES));
        if (sheet.isNull()) {
            std::cerr << "cannot use the sprite sheet\n";
            return 1;
        }
        return randomSheet(argv[2], count, sheet);
    }
    if (argc < 4) {
        std::cerr << "usage: vortan-contact-sheet DATA_DIR VERSION OUT_DIR [SPRITES.png]\n"
                     "       vortan-contact-sheet --random OUT.png [COUNT] [SPRITES.png]\n";
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
