// Shared helpers of the game window tests: the application object, boards
// written into the test's own folder, and artwork whose every pixel names
// the sheet pixel it came from.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include "board/board_definition.h"

namespace vortan {
class CZembrikView;
}

namespace uitest {

void ensureApp();

// Sheet pixel (x, y) is coded into its colour; see sheetPointAt.
QImage codedSheet();
// A flat title picture.
QImage flatTitle();
constexpr QRgb kTitleColour = 0xff102030;

// The sheet pixel a composed pixel was copied from, or (-1, -1) when the
// pixel is not a sheet pixel (title, text, lines).
QPoint sheetPointAt(const QImage& img, int x, int y);

// A board of Yellow cells inside the Blue border, Your box at (yx, yy), a
// Star box walled in at (20, 20), generous limits; `edit` may change it before it is written.
vortan::BoardDefinition plainBoard(int yx = 10, int yy = 10);
QString writeBoard(const QString& name, vortan::BoardDefinition& board);
QString testHome();

// A view with coded artwork and no animation pauses.
void prepareView(vortan::CZembrikView& view);

bool isWhite(QRgb c);
bool isBlue(QRgb c);

}  // namespace uitest
