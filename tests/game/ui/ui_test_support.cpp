#include "ui_test_support.h"

#include <QDir>

#include "board/board_drawing.h"
#include "board/board_file.h"
#include "game/ui/zembrik_view.h"
#include "tests/support/modal_answerer.h"

namespace uitest {

void startTest() {
    vortan::testing::testApp();
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    QDir home(testHome());
    for (const QString& f : home.entryList({"*.dat"}, QDir::Files)) home.remove(f);
}

QPoint sheetPointAt(const QImage& img, int x, int y) {
    const QRgb c = img.pixel(x, y);
    const int b = qBlue(c);
    if ((b & 0xf0) != 0x40) return {-1, -1};
    return {qRed(c) | ((b & 3) << 8), qGreen(c) | (((b >> 2) & 3) << 8)};
}

QString testHome() {
    const QByteArray home = qgetenv("VORTAN_HOME");
    return home.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(home);
}

std::string homePath(const char* name) { return QFile::encodeName(QDir(testHome()).filePath(name)).toStdString(); }

vortan::BoardDefinition plainBoard(int yx, int yy) {
    // A Star box walled in at the corner keeps the game from being won by
    // the first move.
    std::vector<std::string> rows(19, std::string(20, '.'));
    rows[18][19] = '#';
    rows.push_back(std::string(18, '.') + "#S");
    rows[yy - 1][yx - 1] = 'Y';
    vortan::BoardDefinition b;
    vortan::drawOnBoard(b, rows);
    b.gameName = "Trial";
    b.timeLimit = 100;
    b.moveLimit = 200;
    b.numberBoxTimeLimit = b.starBoxTimeLimit = 0;
    b.numberOfLives = 3;
    return b;
}

QString writeBoard(const QString& name, vortan::BoardDefinition& board) {
    board.RecountBoxes();
    const QString path = QDir(testHome()).filePath(name);
    vortan::WriteBoardFile(QFile::encodeName(path).toStdString(), board);
    return path;
}

void prepareView(vortan::CZembrikView& view) {
    // Sheet pixel (x, y) is coded into its colour; see sheetPointAt.
    QImage sheet(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            sheet.setPixel(x, y, qRgb(x & 0xff, y & 0xff, 0x40 | ((x >> 8) & 3) | (((y >> 8) & 3) << 2)));
    QImage title(800, 600, QImage::Format_RGB32);
    title.fill(kTitleColour);
    view.setArtwork(sheet, title);
    view.setAnimationWaits(false);
    // Ticks come from the tests, not from the clock.
    view.clock().stop();
}

bool isWhite(QRgb c) { return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255; }
bool isBlue(QRgb c) { return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 255; }

int whitePixels(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += isWhite(img.pixel(x, y));
    return n;
}

}  // namespace uitest
