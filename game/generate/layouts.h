// The looks of the series: walls and coloured regions of the inside cells
// (columns and rows 1 to 20). Boxes are placed afterwards.
#pragma once

#include <string>

#include "board/board_definition.h"
#include "rng.h"

namespace vortan {

struct Canvas {
    BoardDefinition& b;

    void set(int x, int y, RegionCode r);
    RegionCode at(int x, int y) const;  // Blue outside the inside cells
    bool open(int x, int y) const;      // anything but wall
    void fill(int x0, int y0, int x1, int y1, RegionCode r);
    void mirrorLeftRight();  // the left half copied onto the right
    void mirrorFour();       // the top-left quarter onto the other three
    void keepLargestArea();
    int count(RegionCode r) const;
};

void layoutRoom(Canvas& c, Rng& rng, int w, int h);
void scatterWalls(Canvas& c, Rng& rng, int n, int maxLen);
void patches(Canvas& c, Rng& rng, int n, RegionCode r, int maxSize);
void layoutChambers(Canvas& c, Rng& rng, int cols, int rows, int doors);
void layoutMaze(Canvas& c, Rng& rng, int loops, int cellsAcross);
void layoutPillars(Canvas& c, Rng& rng);
void layoutGeometry(Canvas& c, Rng& rng);
void layoutShapes(Canvas& c, Rng& rng);
void layoutPicture(Canvas& c, Rng& rng);
void layoutCircle(Canvas& c, Rng& rng);
void layoutKaleidoscope(Canvas& c, Rng& rng);
// Returns the name of the picture drawn.
std::string layoutSupergraphic(Canvas& c, Rng& rng);
void layoutFrames(Canvas& c, Rng& rng, int frames);
void layoutReserved(Canvas& c, Rng& rng);
void layoutTransparent(Canvas& c, Rng& rng);
// Returns the name of the symbol drawn.
std::string layoutSymbol(Canvas& c, Rng& rng);
void layoutMirrors(Canvas& c, Rng& rng);

}  // namespace vortan
