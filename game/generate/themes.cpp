#include "themes.h"

#include <algorithm>
#include <vector>

#include "layouts.h"

namespace vortan {

namespace {

// Game names, easiest first; at most 14 characters to fit the panel.
// Symbol and Supergraphic boards are named after their picture instead.
const char* const kNames[2][12][10] = {
    {{"First Steps", "Warm Up", "Two Stars", "Corner Star", "Side Step", "Easy Does It", "Small Room",
      "Gentle Slide", "Star Walk", "Easy Finish"},
     {"Old School", "Classic", "Bricks", "The Yard", "Square Deal", "Plain Sailing", "Home Ground",
      "Good Old Days", "Heritage", "Tradition"},
     {"Two Rooms", "Doorways", "Side Rooms", "Chambers", "Halls", "Cellars", "Vaults", "Suites", "Apartments",
      "The Castle"},
     {"Little Maze", "Corridors", "Dead Ends", "Twists", "Labyrinth", "Lost Ways", "Crossroads", "Winding",
      "Knot", "Minotaur"},
     {"Dots", "Grid Lines", "Checkers", "Studs", "Tiles", "Weave", "Lattice", "Mosaic", "Trellis", "Tapestry"},
     {"Diamond", "Triangle", "Octagon", "Cross", "Angles", "Polygon", "Rhombus", "Pyramid", "Prism",
      "Tesseract"},
     {"Plus", "Ell", "Tee", "Horseshoe", "Shapes", "Outline", "Silhouette", "Profile", "Contour", "Figure"},
     {"The House", "The Tree", "The Boat", "The Fish", "Garden", "Harbour", "Orchard", "Village", "Seaside",
      "Countryside"},
     {"Mixed Bag", "Tangle", "Medley", "Compound", "Intricate", "Many Parts", "Mechanism", "Clockwork",
      "Engine Room", "Complexity"},
     {"Assorted", "Potpourri", "Variety", "Sampler", "Grab Bag", "Odds & Ends", "Miscellany", "Patchwork",
      "Collection", "Anthology"},
     {"Extra Time", "Overtime", "Encore", "Bonus Round", "Added Value", "Surplus", "Spare Moves",
      "Beyond", "More To Do", "Extra Mile"},
     {"Bonus One", "Jackpot", "Reward", "Prize", "Windfall", "Treasure", "Trophy", "Crown", "Summit",
      "Grand Bonus"}},
    {{"Simple Start", "Open Floor", "Quiet Room", "Few Walls", "Plain Field", "Clear Run", "Simple Math",
      "Open Plan", "Broad Hall", "Simply Done"},
     {"Round", "Ring", "Halo", "Orbit", "Rotunda", "Wheel", "Circuit", "Target", "Eclipse", "Full Circle"},
     {"Prism", "Facets", "Crystal", "Snowflake", "Rosette", "Star Burst", "Mandala", "Reflections",
      "Glass Beads", "Kaleidoscope"},
     {"Stripes", "Bands", "Rainbow", "Arcs", "Chevrons", "Broad Strokes", "Poster", "Billboard", "Mural",
      "Supergraphic"},
     {"Frame", "Picture", "Border", "Mount", "Passepartout", "Window", "Portal", "Gallery", "Exhibit",
      "Masterpiece"},
     {"Two Frames", "Nested", "Inside Out", "Box In Box", "Layers", "Shells", "Matryoshka", "Onion",
      "Deep Frame", "Double Cadre"},
     {"Three Frames", "Triple", "Concentric", "Core", "Depths", "Inner Sanctum", "Keep", "Citadel", "Vault",
      "Heart Of It"},
     {"Reserved", "Private Lane", "Members Only", "No Entry", "Booked", "VIP Lounge", "Staff Only",
      "Restricted", "Keep Out", "Sanctuary"},
     {"Glass", "See Through", "Clear View", "Window Pane", "Crystal Walls", "Ghost Walls", "Veils",
      "Invisible", "Mirage", "Transparency"},
     {"Plus Sign", "Arrow", "Heart", "Cross", "Diamond", "Victory", "Emblem", "Insignia", "Sigil", "Glyph"},
     {"Hot Spot", "Pitfalls", "Minefield", "Snares", "Ambush", "Danger Zone", "Lava Field", "Deep Freeze",
      "Gauntlet", "Death Trap"},
     {"Mirror", "Reflection", "Twins", "Symmetry", "Looking Glass", "Double Take", "Echo", "Parallel",
      "Counterpart", "Mirror Maze"}},
};

}  // namespace

// Length windows rise with the series, and Brenno starts where Alvor ends.
SeriesPlan planFor(int version, int series) {
    SeriesPlan p{};
    if (version == 0) {
        p.lenLo = 4 + series;
        p.lenHi = 10 + 2 * series;
    } else {
        p.lenLo = 10 + series + series / 2;
        p.lenHi = 18 + 2 * series + series / 2;
    }
    const int v = version;
    p.starsLo = 1 + v;
    p.starsHi = 2 + v + series / 6;
    p.numbersLo = series < 2 && v == 0 ? 0 : 1;
    p.numbersHi = 1 + v + series / 4;
    p.freeLo = 0;
    p.freeHi = 1 + v + series / 5;
    const std::string label = seriesLabel(version, series);
    if (label == "Easy") p.starsHi = 2, p.numbersHi = 1, p.freeHi = 1;
    if (label == "Simple") p.freeHi = 3;
    if (label == "Maze") p.freeHi = 1, p.starsLo = 1, p.starsHi = 2, p.numbersLo = 0, p.numbersHi = 1;
    if (label == "Complex" || label == "Bonus") p.hot = 1, p.exceptions = 1, p.freeHi = 1;
    if (label == "Extra") p.timeBoxes = 1, p.moveBoxes = 1, p.boxTimers = true, p.freeHi = 1;
    if (label == "Bonus") p.moveBoxes = 1, p.boxTimers = true, p.numbersHi = 4;
    if (label == "Transparent" || label == "Reserved") p.exceptions = 2;
    if (label == "Traps") p.hot = 2, p.freeze = 1, p.red = 1, p.lives = 2, p.boxTimers = true, p.freeHi = 1;
    if (label == "Mirrors") p.mirrored = true;
    if (label == "Supergraphic" || label == "Cadrel 3") p.freeze = 1;
    if (label == "Symbol" || label == "Cadrel 2") p.moveBoxes = 1, p.timeBoxes = 1, p.boxTimers = true;
    if (label == "Complex" || label == "Extra") p.minBudget = 300000;
    if (label == "Bonus") {
        p.hot = 0, p.exceptions = 0, p.timeBoxes = 1, p.moveBoxes = 1, p.boxTimers = false, p.needBonus = true;
        p.starsLo = 1, p.starsHi = 3, p.numbersLo = 1, p.numbersHi = 3, p.freeHi = 1;
        p.anchor = 100, p.minBudget = 200000;
    }
    if (label == "Circle" || label == "Reserved" || label == "Mirrors" || label == "Transparent")
        p.anchor = 70, p.minBudget = 300000;
    if (label == "Supergraphic" || label == "Symbol") p.anchor = 100, p.minBudget = 300000, p.freeHi = 1;
    if (label == "Transparent") p.exceptions = 1, p.freeHi = 2;
    if (label == "Reserved") p.exceptions = 1, p.freeHi = 2;
    if (label == "Mirrors") p.freeHi = 2;
    if (label == "Traps") {
        p.hot = 4, p.freeze = 3, p.red = 3, p.lives = 3, p.anchor = 100, p.hotDoors = true, p.minBudget = 300000;
        p.starsLo = 2, p.starsHi = 3, p.numbersLo = 1, p.numbersHi = 3;
    }
    return p;
}

namespace {

// Draws the look of the series; returns the name of what it pictures, if
// the picture has one.
std::string drawLayout(int version, int series, Canvas& c, Rng& rng) {
    const std::string label = seriesLabel(version, series);
    std::string title;
    if (label == "Easy") {
        layoutRoom(c, rng, rng.range(5, 8), rng.range(5, 8));
        scatterWalls(c, rng, rng.range(0, 2), 1);
    } else if (label == "Traditional") {
        layoutRoom(c, rng, rng.range(12, 20), rng.range(12, 20));
        scatterWalls(c, rng, rng.range(5, 10), 3);
        patches(c, rng, rng.range(0, 2), RegionCode::White, 3);
    } else if (label == "Chambered") {
        layoutChambers(c, rng, rng.range(2, 3), rng.range(2, 3), 1);
    } else if (label == "Maze") {
        layoutMaze(c, rng, rng.range(4, 12), rng.range(6, 10));
    } else if (label == "Patterns") {
        layoutPillars(c, rng);
    } else if (label == "Geometry") {
        layoutGeometry(c, rng);
    } else if (label == "Shapes") {
        layoutShapes(c, rng);
    } else if (label == "Themes") {
        layoutPicture(c, rng);
    } else if (label == "Complex") {
        layoutChambers(c, rng, 2, 2, 2);
        patches(c, rng, 2, RegionCode::White, 3);
        patches(c, rng, 1, RegionCode::Green, 3);
        patches(c, rng, 1, RegionCode::Orange, 3);
        scatterWalls(c, rng, 4, 2);
    } else if (label == "Assorted") {
        switch (rng.below(5)) {
        case 0: layoutPillars(c, rng); break;
        case 1: layoutMaze(c, rng, 14, 8); break;
        case 2: layoutGeometry(c, rng); break;
        case 3: layoutPicture(c, rng); break;
        default: layoutChambers(c, rng, 3, 2, 1); break;
        }
    } else if (label == "Extra") {
        layoutRoom(c, rng, rng.range(14, 20), rng.range(14, 20));
        scatterWalls(c, rng, rng.range(8, 12), 3);
        patches(c, rng, 1, RegionCode::White, 3);
    } else if (label == "Bonus") {
        layoutChambers(c, rng, 3, 3, 1);
        patches(c, rng, 2, RegionCode::Green, 2);
        patches(c, rng, 2, RegionCode::Orange, 2);
    } else if (label == "Simple") {
        layoutRoom(c, rng, rng.range(8, 12), rng.range(8, 12));
        scatterWalls(c, rng, rng.range(1, 4), 2);
    } else if (label == "Circle") {
        layoutCircle(c, rng);
    } else if (label == "Kaleidoscope") {
        layoutKaleidoscope(c, rng);
    } else if (label == "Supergraphic") {
        title = layoutSupergraphic(c, rng);
    } else if (label == "Cadrel 1") {
        layoutFrames(c, rng, 1);
    } else if (label == "Cadrel 2") {
        layoutFrames(c, rng, 2);
    } else if (label == "Cadrel 3") {
        layoutFrames(c, rng, 3);
    } else if (label == "Reserved") {
        layoutReserved(c, rng);
    } else if (label == "Transparent") {
        layoutTransparent(c, rng);
    } else if (label == "Symbol") {
        title = layoutSymbol(c, rng);
    } else if (label == "Traps") {
        layoutChambers(c, rng, 2, rng.range(1, 2), 2);
        scatterWalls(c, rng, 4, 2);
    } else {
        layoutMirrors(c, rng);
    }
    // Layouts that fill the whole inside are cut down to a centred square,
    // which keeps their symmetry and keeps the search small.
    static const char* const full[] = {"Patterns", "Themes",   "Complex",  "Assorted", "Extra",
                                       "Bonus",    "Kaleidoscope", "Cadrel 1", "Cadrel 2", "Cadrel 3",
                                       "Reserved", "Traps",    "Mirrors"};
    for (const char* f : full)
        if (label == f) {
            const int half = rng.range(6, 8);
            for (int y = 1; y <= 20; ++y)
                for (int x = 1; x <= 20; ++x)
                    if (x < 11 - half || x > 10 + half || y < 11 - half || y > 10 + half) c.set(x, y, RegionCode::Blue);
        }
    c.keepLargestArea();
    return title;
}

struct Spot {
    int x, y;
};

// Cells where a box of this kind may stand and nothing stands yet.
std::vector<Spot> freeSpots(const BoardDefinition& b, BoxCode box, bool nearWall) {
    std::vector<Spot> out;
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x) {
            const BoardCell& c = b.Cell(x, y);
            if (c.box != BoxCode::Empty || c.region == RegionCode::Blue || !regionAdmits(c.region, box)) continue;
            if (nearWall) {
                const bool wall = b.Cell(x + 1, y).region == RegionCode::Blue || b.Cell(x - 1, y).region == RegionCode::Blue ||
                                  b.Cell(x, y + 1).region == RegionCode::Blue || b.Cell(x, y - 1).region == RegionCode::Blue;
                if (!wall || c.region != RegionCode::Yellow) continue;
            }
            out.push_back({x, y});
        }
    return out;
}

bool put(BoardDefinition& b, Rng& rng, BoxCode box, std::uint32_t number, bool preferWall, bool mirrored) {
    std::vector<Spot> spots = freeSpots(b, box, preferWall && rng.chance(60));
    if (spots.empty()) spots = freeSpots(b, box, false);
    if (mirrored) {
        // Only where the mirror cell can take the same box.
        std::vector<Spot> pairs;
        for (const Spot& s : spots) {
            const BoardCell& m = b.Cell(21 - s.x, s.y);
            if (s.x <= 10 && m.box == BoxCode::Empty && regionAdmits(m.region, box) && m.region != RegionCode::Blue)
                pairs.push_back(s);
        }
        spots.swap(pairs);
    }
    if (spots.empty()) return false;
    const Spot s = spots[rng.below(static_cast<int>(spots.size()))];
    b.Cell(s.x, s.y).box = box;
    b.Cell(s.x, s.y).number = number;
    if (mirrored && box != BoxCode::Number) {
        b.Cell(21 - s.x, s.y).box = box;
    }
    return true;
}

// A pen: the cell stays Yellow and its open neighbours turn Green, which
// only Your box may enter. The box in it can never move, yet Your box can
// walk in and take it.
bool canPen(const BoardDefinition& b, int x, int y) {
    if (x < 2 || y < 2 || x > 19 || y > 19) return false;
    const BoardCell& c = b.Cell(x, y);
    if (c.region != RegionCode::Yellow || c.box != BoxCode::Empty) return false;
    bool reachable = false;
    const int nb[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
    for (auto& n : nb) {
        const BoardCell& m = b.Cell(n[0], n[1]);
        if (m.region == RegionCode::Blue) continue;
        if (m.box != BoxCode::Empty || m.region == RegionCode::Red) return false;
        reachable |= m.region != RegionCode::Orange;
        // Two pens side by side would hide a box behind another's fence.
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (b.Cell(n[0] + dx, n[1] + dy).box != BoxCode::Empty) return false;
    }
    return reachable;
}

void pen(BoardDefinition& b, int x, int y, BoxCode box, std::uint32_t number) {
    b.Cell(x, y).box = box;
    b.Cell(x, y).number = number;
    const int nb[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
    for (auto& n : nb)
        if (b.Cell(n[0], n[1]).region != RegionCode::Blue) b.Cell(n[0], n[1]).region = RegionCode::Green;
}

// Steps Your box needs to each cell, walls and Orange cells aside; -1 where
// it cannot go.
std::vector<int> yourDistances(const BoardDefinition& b) {
    std::vector<int> d(kCellCount, -1);
    std::vector<int> queue;
    for (int y = 1; y <= 20; ++y)
        for (int x = 1; x <= 20; ++x)
            if (b.Cell(x, y).box == BoxCode::Your) d[y * kGridSize + x] = 0, queue.push_back(y * kGridSize + x);
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int c = queue[i], x = c % kGridSize, y = c / kGridSize;
        const int nb[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (auto& n : nb) {
            const int k = n[1] * kGridSize + n[0];
            const RegionCode r = b.Cell(n[0], n[1]).region;
            if (d[k] >= 0 || r == RegionCode::Blue || r == RegionCode::Orange) continue;
            d[k] = d[c] + 1;
            queue.push_back(k);
        }
    }
    return d;
}

// A doorway: walls on two opposite sides.
bool isDoor(const BoardDefinition& b, int x, int y) {
    auto wall = [&](int xx, int yy) { return b.Cell(xx, yy).region == RegionCode::Blue; };
    return (wall(x - 1, y) && wall(x + 1, y) && !wall(x, y - 1) && !wall(x, y + 1)) ||
           (wall(x, y - 1) && wall(x, y + 1) && !wall(x - 1, y) && !wall(x + 1, y));
}

// Pens the box (and its mirror image, with the next number for Number
// boxes), if asked between nearLo and nearHi steps from Your box or in a
// doorway; false when no cell is left for it.
bool putPenned(BoardDefinition& b, Rng& rng, BoxCode box, std::uint32_t number, bool mirrored, int nearLo = 0,
               int nearHi = 0, bool doors = false) {
    std::vector<Spot> spots;
    const std::vector<int> dist = nearHi > 0 ? yourDistances(b) : std::vector<int>(kCellCount, 0);
    for (int y = 2; y <= 19; ++y)
        for (int x = 2; x <= (mirrored ? 8 : 19); ++x) {
            const int d = dist[y * kGridSize + x];
            if (nearHi > 0 && (d < nearLo || d > nearHi)) continue;
            if (doors && !isDoor(b, x, y)) continue;
            if (canPen(b, x, y) && (!mirrored || canPen(b, 21 - x, y))) spots.push_back({x, y});
        }
    if (spots.empty()) return false;
    const Spot s = spots[rng.below(static_cast<int>(spots.size()))];
    pen(b, s.x, s.y, box, number);
    if (mirrored) pen(b, 21 - s.x, s.y, box, box == BoxCode::Number ? number + 1 : 0);
    return true;
}

bool putBox(BoardDefinition& b, Rng& rng, const SeriesPlan& p, BoxCode box, std::uint32_t number, bool preferWall) {
    if (p.anchor > 0 && rng.chance(p.anchor) && putPenned(b, rng, box, number, p.mirrored)) return true;
    if (p.mirrored && box == BoxCode::Number) {
        // A pair: the next number stands in the mirror cell.
        if (!put(b, rng, box, number, preferWall, true)) return false;
        for (int y = 1; y <= 20; ++y)
            for (int x = 1; x <= 10; ++x)
                if (b.Cell(x, y).box == box && b.Cell(x, y).number == number) {
                    b.Cell(21 - x, y).box = box;
                    b.Cell(21 - x, y).number = number + 1;
                }
        return true;
    }
    return put(b, rng, box, number, preferWall, p.mirrored);
}

bool placeBoxes(BoardDefinition& b, Rng& rng, const SeriesPlan& p) {
    if (!put(b, rng, BoxCode::Your, 0, false, false)) return false;
    if (p.needBonus) {
        // Time and Move boxes first, so that the pens near Your box are theirs.
        if (!putPenned(b, rng, BoxCode::Time, 0, false, 2, 6) || !putPenned(b, rng, BoxCode::Move, 0, false, 4, 12))
            return false;
    }
    const int stars = rng.range(p.starsLo, p.starsHi);
    for (int i = 0; i < (p.mirrored ? (stars + 1) / 2 : stars); ++i)
        if (!putBox(b, rng, p, BoxCode::Star, 0, true)) return false;
    const int numbers = rng.range(p.numbersLo, p.numbersHi);
    for (int n = 1; n <= numbers; n += p.mirrored ? 2 : 1)
        if (!putBox(b, rng, p, BoxCode::Number, static_cast<std::uint32_t>(n), true)) return false;
    const int frees = rng.range(p.freeLo, p.freeHi);
    for (int i = 0; i < (p.mirrored ? (frees + 1) / 2 : frees); ++i) put(b, rng, BoxCode::Free, 0, false, p.mirrored);
    // Traps put Hot boxes in doorways first: a way through that costs a life.
    for (int i = 0; i < p.hot; ++i)
        if (!(p.hotDoors && putPenned(b, rng, BoxCode::Hot, 0, false, 0, 0, true))) putBox(b, rng, p, BoxCode::Hot, 0, false);
    for (int i = 0; i < p.freeze; ++i) putBox(b, rng, p, BoxCode::Freeze, 0, false);
    if (!p.needBonus) {
        for (int i = 0; i < p.timeBoxes; ++i) putBox(b, rng, p, BoxCode::Time, 0, false);
        for (int i = 0; i < p.moveBoxes; ++i) putBox(b, rng, p, BoxCode::Move, 0, false);
    }
    for (int i = 0; i < p.exceptions; ++i) put(b, rng, BoxCode::Exception, 0, false, false);
    // Red cells: a few empty Yellow cells turn into traps.
    for (int i = 0; i < p.red * 4; ++i) {
        std::vector<Spot> spots = freeSpots(b, BoxCode::Free, false);
        if (spots.empty()) break;
        const Spot s = spots[rng.below(static_cast<int>(spots.size()))];
        b.Cell(s.x, s.y).region = RegionCode::Red;
        BoardCell& m = b.Cell(21 - s.x, s.y);
        if (p.mirrored && m.region == RegionCode::Yellow && m.box == BoxCode::Empty) m.region = RegionCode::Red;
    }
    return true;
}

std::uint64_t seedOf(int version, int series, int candidate) {
    return (static_cast<std::uint64_t>(version) << 40) ^ (static_cast<std::uint64_t>(series) << 32) ^
           static_cast<std::uint64_t>(candidate) * 7919u;
}

constexpr int kLightFrom = 150;

int roundUp(int v, int step) { return (v + step - 1) / step * step; }

// Seconds at which Star and Number boxes were taken along the line, and the
// second of the win.
struct TakeTimes {
    std::vector<int> stars, numbers;
    int timeAt = 0, moveAt = 0;  // the first Time and Move box taken
    int end = 0;
};

TakeTimes takeTimes(const BoardDefinition& b, const std::string& moves) {
    TakeTimes t;
    CZembrikDoc doc = LoadedDocument(b);
    int second = 0;
    for (std::size_t i = 0; i + 1 < moves.size(); i += 2) {
        const int stars = doc.starBoxCount, numbers = doc.numberBoxCount;
        doc = ReplayMoves(doc, moves.substr(i, 2)).doc;
        ++second;
        if (doc.starBoxCount < stars) t.stars.push_back(second);
        if (doc.numberBoxCount < numbers) t.numbers.push_back(second);
        const std::int32_t code = doc.playBoard.eventCode();
        if (code == kCodeTime && !t.timeAt) t.timeAt = second;
        if (code == kCodeMove && !t.moveAt) t.moveAt = second;
    }
    t.end = second;
    return t;
}

}  // namespace

// Limits that leave a player at least twice the seconds of the line: the
// time limit, and when the series uses them the two box countdowns, whose
// refill (the Time box value) covers twice the longest wait between takes.
// Bonus boards: the time and move limits run out before any line could win
// without the Time and Move boxes, which stand a few steps from Your box and
// give what is missing, with the same room for a slow player as elsewhere.
// Solves the board under those limits; false when the shortest line there
// takes the Time box too late for a player at half speed.
bool setBonusLimits(BoardDefinition& b, const SolveOptions& options, SolveResult& r) {
    const std::vector<int> dist = yourDistances(b);
    int toTime = 0, toMove = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const BoxCode box = b.Cell(i % kGridSize, i / kGridSize).box;
        if (box == BoxCode::Time) toTime = dist[i];
        if (box == BoxCode::Move) toMove = dist[i];
    }
    const int unlimited = r.length;
    const int timeLimit = roundUp(2 * toTime + 10, 5);
    const int moveLimit = std::max(toMove + 3, 2 * unlimited / 3);
    if (toTime <= 0 || toMove <= 0 || timeLimit >= unlimited || moveLimit >= unlimited) return false;
    b.timeLimit = static_cast<std::uint32_t>(timeLimit);
    b.moveLimit = static_cast<std::uint32_t>(moveLimit);
    b.starBoxTimeLimit = 0;
    b.numberBoxTimeLimit = 0;
    for (int pass = 0; pass < 2; ++pass) {
        // The values follow the line found; a second pass checks that they
        // do not let a shorter line through.
        const int length = pass == 0 ? unlimited + 10 : r.length;
        b.timeBoxTimeValue = static_cast<std::uint32_t>(roundUp(2 * length + 10 - timeLimit, 5));
        b.moveBoxMoveValue = static_cast<std::uint32_t>(roundUp(length + length / 2 + 10 - moveLimit, 5));
        const SolveResult limited = SolveBoard(b, options);
        if (limited.status != SolveStatus::Won || (pass == 1 && limited.length != r.length)) return false;
        r = limited;
    }
    const TakeTimes t = takeTimes(b, r.moves);
    return t.timeAt > 0 && t.moveAt > 0 && timeLimit - 2 * t.timeAt >= 5 && t.moveAt < moveLimit &&
           moveLimit < r.length && timeLimit < r.length;
}

LimitSlack catalogueSlack(int version) {
    return version == 0 ? LimitSlack{300, 30, 300, 20} : LimitSlack{200, 20, 200, 15};
}

void setLimits(BoardDefinition& b, const LimitSlack& slack, const SeriesPlan& p, const std::string& moves, int length) {
    const int step = slack.step > 0 ? slack.step : 1;
    b.timeLimit = static_cast<std::uint32_t>(roundUp(length * slack.timePercent / 100 + slack.timeExtra, step));
    b.moveLimit = static_cast<std::uint32_t>(roundUp(length * slack.movePercent / 100 + slack.moveExtra, step));
    b.numberOfLives = static_cast<std::uint32_t>(p.lives);
    b.starBoxTimeLimit = 0;
    b.numberBoxTimeLimit = 0;
    b.timeBoxTimeValue = 30;
    b.moveBoxMoveValue = 30;
    if (!p.boxTimers) return;
    const TakeTimes t = takeTimes(b, moves);
    int refill = 10;
    auto firstWait = [&](const std::vector<int>& takes) {
        int prev = 0;
        int first = 0;
        for (std::size_t i = 0; i <= takes.size(); ++i) {
            const int at = i < takes.size() ? takes[i] : t.end;
            if (i == 0)
                first = at;
            else
                refill = std::max(refill, at - prev);
            prev = at;
        }
        return first;
    };
    const int starFirst = firstWait(t.stars), numberFirst = firstWait(t.numbers);
    b.timeBoxTimeValue = static_cast<std::uint32_t>(roundUp(2 * refill + 5, 5));
    if (!t.stars.empty()) b.starBoxTimeLimit = static_cast<std::uint32_t>(roundUp(2 * starFirst + 5, 5));
    if (!t.numbers.empty()) b.numberBoxTimeLimit = static_cast<std::uint32_t>(roundUp(2 * numberFirst + 5, 5));
}

namespace {

std::string plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string openingMessage(const BoardDefinition& b, int version, int series) {
    std::vector<std::string> lines;
    const std::string label = seriesLabel(version, series);
    const int stars = b.CountBoxes(BoxCode::Star), numbers = b.CountBoxes(BoxCode::Number);
    std::string take = "Take ";
    if (stars) take += stars == 1 ? "the Star box" : stars == 2 ? "both Star boxes" : "all " + plural(stars, "Star box", "Star boxes");
    if (stars && numbers) take += " and ";
    if (numbers) take += numbers == 1 ? "the Number box" : "Number boxes 1 to " + std::to_string(numbers) + " in order";
    lines.push_back(take + ".");
    static const char* const intro[2][12] = {
        {"A gentle start.", "The classic Vortan room.", "Rooms behind doorways.", "Find your way through the maze.",
         "Mind the pattern.", "A geometric figure.", "A room with a shape.", "A picture made of regions.",
         "A bit of everything.", "A mixed selection.", "Time and Move boxes help.", "The bonus round."},
        {"Simple, with more boxes.", "Round and round.", "Symmetry in every direction.", "Bold bands of colour.",
         "A frame in the middle.", "Frames within frames.", "Three nested frames.", "Lanes reserved for some.",
         "Some walls are glass.", "A symbol to work around.", "Watch your step!", "Everything mirrored."},
    };
    lines.insert(lines.begin(), intro[version][series]);
    bool white = false, green = false, orange = false, red = false;
    for (int x = 1; x <= 20; ++x)
        for (int y = 1; y <= 20; ++y) {
            const RegionCode r = b.Cell(x, y).region;
            white |= r == RegionCode::White;
            green |= r == RegionCode::Green;
            orange |= r == RegionCode::Orange;
            red |= r == RegionCode::Red;
        }
    if (white) lines.push_back("Nothing is taken on White.");
    if (green) lines.push_back("Only Your box enters Green.");
    if (orange) lines.push_back("Your box cannot enter Orange.");
    if (red) lines.push_back("Red cells cost a life.");
    if (b.CountBoxes(BoxCode::Hot)) lines.push_back("Hot boxes cost a life.");
    if (b.CountBoxes(BoxCode::Freeze)) lines.push_back("Freeze boxes stop a move.");
    if (b.CountBoxes(BoxCode::Time)) lines.push_back("Time boxes add seconds.");
    if (b.CountBoxes(BoxCode::Move)) lines.push_back("Move boxes add moves.");
    if (label == "Bonus") lines.push_back("Time and moves run short without the bonus boxes.");
    if (b.numberOfLives > 1) lines.push_back("You have " + std::to_string(b.numberOfLives) + " lives.");
    if (label == "Maze" || label == "Easy" || label == "Simple")
        lines.push_back("Boxes are taken only when they cannot move away.");
    lines.push_back(version == 0 ? "Have Fun!" : "Good Luck!");
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    return text;
}

const char* catalogueGameName(int version, int series, int game) {
    if (version < 0 || version >= kCatalogueVersions || series < 0 || series >= kSeriesCount || game < 0 ||
        game >= kGamesPerSeries)
        return "";
    return kNames[version][series][game];
}

BoardDefinition BuildCandidate(int version, int series, const SeriesPlan& p, Rng& rng) {
    BoardDefinition b;
    Canvas c{b};
    c.fill(1, 1, 20, 20, RegionCode::Yellow);
    const std::string title = drawLayout(version, series, c, rng);
    if (!title.empty()) b.gameName = title;
    if (!placeBoxes(b, rng, p)) b.Cell(1, 1).box = BoxCode::Empty;
    b.timeLimit = 0;  // searched without limits first
    b.moveLimit = 0;
    b.starBoxTimeLimit = 0;
    b.numberBoxTimeLimit = 0;
    b.numberOfLives = static_cast<std::uint32_t>(p.lives);
    b.RecountBoxes();
    return b;
}

BoardDefinition CandidateBoard(int version, int series, int candidate) {
    Rng rng(seedOf(version, series, candidate));
    SeriesPlan p = planFor(version, series);
    if (candidate >= kLightFrom) {
        // Later seeds of a series that is slow to fill carry fewer boxes.
        p.starsLo = 1, p.starsHi = std::min(p.starsHi, 2);
        p.numbersLo = std::min(p.numbersLo, 1), p.numbersHi = std::min(p.numbersHi, 2);
        p.freeLo = 0, p.freeHi = 0;
        p.hot = std::min(p.hot, 1), p.freeze = std::min(p.freeze, 1), p.exceptions = std::min(p.exceptions, 1);
    }
    return BuildCandidate(version, series, p, rng);
}

}  // namespace vortan
