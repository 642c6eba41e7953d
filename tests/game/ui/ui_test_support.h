// Shared helpers of the game window tests: the application object, boards
// written into the test's own folder, and artwork whose every pixel names
// the sheet pixel it came from.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <string>

#include "board/board_definition.h"

namespace vortan {
class CZembrikView;
}

namespace uitest {

// The application, and a test folder without the files earlier tests left.
void startTest();

constexpr QRgb kTitleColour = 0xff102030;  // the whole title picture

// The sheet pixel a composed pixel was copied from, or (-1, -1) when the
// pixel is not a sheet pixel (title, text, lines).
QPoint sheetPointAt(const QImage& img, int x, int y);

// A board of Yellow cells inside the Blue border, Your box at (yx, yy), a
// Star box walled in at (20, 20), generous limits.
vortan::BoardDefinition plainBoard(int yx = 10, int yy = 10);
QString writeBoard(const QString& name, vortan::BoardDefinition& board);
QString testHome();
std::string homePath(const char* name);  // testHome()'s file `name`, as the record functions take it

// A view with the coded artwork, no animation pauses and no clock.
void prepareView(vortan::CZembrikView& view);

bool isWhite(QRgb c);
bool isBlue(QRgb c);
int whitePixels(const QImage& img, const QRect& r);

}  // namespace uitest
