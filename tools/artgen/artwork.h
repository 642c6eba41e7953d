// The game's artwork, drawn procedurally: the sprite sheet (tiles, box
// sprites and the status panel background), the title picture and the two
// program icons. Text is rendered with installed fonts, so a
// QGuiApplication must exist before any of these is called.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace artgen {

// 800 x 600: tiles at x 0..49, box sprites at x 150..399, panel at x 550..799.
// With `scale` 2, 1600 x 1200 with every place doubled and drawn with the
// detail of the larger size (the "@2x" pictures).
QImage spriteSheet(int scale = 1);
// 250 x 600: stone background with the title line and the seven row labels.
QImage statusPanel(int scale = 1);
// 800 x 600: a board in perspective on stone, with the game's name.
QImage titlePicture(int scale = 1);
// 64 x 64 window icons for the game and for the board designer (the
// desktop icons of vector_icon.h at that size).
QImage gameIcon();
QImage designerIcon();

// File names written by writeArtwork, in the order they are written.
QStringList artworkFileNames();
// Writes every picture as PNG into `folder` (created if missing). Returns
// the names of the files that could not be written; empty on success.
QStringList writeArtwork(const QString& folder);

} // namespace artgen
