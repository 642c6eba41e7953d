#include "layouts.h"

#include "board/board_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace vortan {

namespace {
constexpr int kLo = 1, kHi = kGridSize - 2;  // inside cells run 1..20

// Distances and angles from the basic IEEE operations only, which every
// machine rounds alike: a board rebuilt from its seed elsewhere must not
// depend on the last digit of a C library's hypot or atan2.
double distance(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

constexpr double kPi = 3.14159265358979323846;

double atanSmall(double t) {  // |t| <= tan(pi/8): the series converges fast
    const double t2 = t * t;
    double term = t, sum = 0;
    for (int n = 1; n < 60; n += 2) {
        sum += term / n;
        term *= -t2;
    }
    return sum;
}

double atanUnit(double a) {  // 0 <= a <= 1
    constexpr double kTanPiOver8 = 0.41421356237309504880;
    return a <= kTanPiOver8 ? atanSmall(a) : kPi / 4 + atanSmall((a - 1) / (a + 1));
}

double angleOf(double y, double x) {
    const double ax = std::fabs(x), ay = std::fabs(y);
    if (ax == 0 && ay == 0) return 0;
    double a = ay <= ax ? atanUnit(ay / ax) : kPi / 2 - atanUnit(ax / ay);
    if (x < 0) a = kPi - a;
    return y < 0 ? -a : a;
}
}  // namespace

void Canvas::fill(int x0, int y0, int x1, int y1, RegionCode r) {
    for (int y = std::max(kLo, std::min(y0, y1)); y <= std::min(kHi, std::max(y0, y1)); ++y)
        for (int x = std::max(kLo, std::min(x0, x1)); x <= std::min(kHi, std::max(x0, x1)); ++x) set(x, y, r);
}

void Canvas::set(int x, int y, RegionCode r) {
    if (x >= kLo && x <= kHi && y >= kLo && y <= kHi) b.Cell(x, y).region = r;
}

RegionCode Canvas::at(int x, int y) const {
    if (x < kLo || x > kHi || y < kLo || y > kHi) return RegionCode::Blue;
    return b.Cell(x, y).region;
}

bool Canvas::open(int x, int y) const { return at(x, y) != RegionCode::Blue; }

void Canvas::mirrorLeftRight() {
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= 10; ++x) set(kHi + kLo - x, y, at(x, y));
}

void Canvas::mirrorFour() {
    mirrorLeftRight();
    for (int y = kLo; y <= 10; ++y)
        for (int x = kLo; x <= kHi; ++x) set(x, kHi + kLo - y, at(x, y));
}

// Walls that would leave a region cut off are harmless to the rules but
// waste board space; open cells not joined to the largest area become wall.
void Canvas::keepLargestArea() {
    std::vector<int> comp(kCellCount, -1);
    int best = -1, bestSize = 0, next = 0;
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x) {
            if (!open(x, y) || comp[y * kGridSize + x] >= 0) continue;
            std::vector<int> stack{y * kGridSize + x};
            comp[stack[0]] = next;
            int size = 0;
            while (!stack.empty()) {
                const int c = stack.back();
                stack.pop_back();
                ++size;
                const int cx = c % kGridSize, cy = c / kGridSize;
                const int nb[4][2] = {{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}};
                for (auto& n : nb)
                    if (open(n[0], n[1]) && comp[n[1] * kGridSize + n[0]] < 0) {
                        comp[n[1] * kGridSize + n[0]] = next;
                        stack.push_back(n[1] * kGridSize + n[0]);
                    }
            }
            if (size > bestSize) bestSize = size, best = next;
            ++next;
        }
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x)
            if (open(x, y) && comp[y * kGridSize + x] != best) set(x, y, RegionCode::Blue);
}

int Canvas::count(RegionCode r) const {
    int n = 0;
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x) n += at(x, y) == r;
    return n;
}

// ---------------------------------------------------------------------------

void layoutRoom(Canvas& c, Rng& rng, int w, int h) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Blue);
    const int x0 = rng.range(kLo, kHi - w + 1), y0 = rng.range(kLo, kHi - h + 1);
    c.fill(x0, y0, x0 + w - 1, y0 + h - 1, RegionCode::Yellow);
}

void scatterWalls(Canvas& c, Rng& rng, int n, int maxLen) {
    for (int i = 0; i < n; ++i) {
        const int x = rng.range(kLo + 1, kHi - 1), y = rng.range(kLo + 1, kHi - 1);
        if (!c.open(x, y)) continue;
        const int len = rng.range(1, maxLen);
        if (rng.chance(50))
            c.fill(x, y, x + len - 1, y, RegionCode::Blue);
        else
            c.fill(x, y, x, y + len - 1, RegionCode::Blue);
    }
}

void patches(Canvas& c, Rng& rng, int n, RegionCode r, int maxSize) {
    for (int i = 0; i < n; ++i) {
        const int x = rng.range(kLo, kHi), y = rng.range(kLo, kHi);
        const int w = rng.range(1, maxSize), h = rng.range(1, maxSize);
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx)
                if (c.open(xx, yy)) c.set(xx, yy, r);
    }
}

void layoutChambers(Canvas& c, Rng& rng, int cols, int rows, int doors) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    std::vector<int> xs{kLo - 1}, ys{kLo - 1};
    for (int i = 1; i < cols; ++i) xs.push_back(kLo - 1 + i * 20 / cols + rng.range(-1, 1));
    for (int i = 1; i < rows; ++i) ys.push_back(kLo - 1 + i * 20 / rows + rng.range(-1, 1));
    xs.push_back(kHi + 1);
    ys.push_back(kHi + 1);
    for (int i = 1; i < cols; ++i) c.fill(xs[i], kLo, xs[i], kHi, RegionCode::Blue);
    for (int j = 1; j < rows; ++j) c.fill(kLo, ys[j], kHi, ys[j], RegionCode::Blue);
    // Doors in every wall segment between two chambers.
    for (int i = 1; i < cols; ++i)
        for (int j = 0; j < rows; ++j)
            for (int d = 0; d < doors; ++d) {
                const int y = rng.range(ys[j] + 1, ys[j + 1] - 1);
                c.fill(xs[i], y, xs[i], y + rng.below(2), RegionCode::Yellow);
            }
    for (int j = 1; j < rows; ++j)
        for (int i = 0; i < cols; ++i)
            for (int d = 0; d < doors; ++d) {
                const int x = rng.range(xs[i] + 1, xs[i + 1] - 1);
                c.fill(x, ys[j], x + rng.below(2), ys[j], RegionCode::Yellow);
            }
    for (int i = 1; i < cols; ++i)
        for (int j = 1; j < rows; ++j) c.set(xs[i], ys[j], RegionCode::Blue);
}

// A maze of corridors one cell wide on the odd cells, with some walls
// knocked out so that it has loops.
void layoutMaze(Canvas& c, Rng& rng, int loops, int cellsAcross) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Blue);
    const int n = cellsAcross;
    const int off = kLo + (20 - (2 * n - 1)) / 2;
    auto px = [&](int i) { return off + 2 * i; };
    std::vector<char> seen(n * n, 0);
    std::vector<int> stack{rng.below(n * n)};
    seen[stack[0]] = 1;
    c.set(px(stack[0] % n), px(stack[0] / n), RegionCode::Yellow);
    while (!stack.empty()) {
        const int cur = stack.back();
        const int cx = cur % n, cy = cur / n;
        int options[4], k = 0;
        const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        for (int d = 0; d < 4; ++d) {
            const int nx = cx + dx[d], ny = cy + dy[d];
            if (nx >= 0 && ny >= 0 && nx < n && ny < n && !seen[ny * n + nx]) options[k++] = d;
        }
        if (k == 0) {
            stack.pop_back();
            continue;
        }
        const int d = options[rng.below(k)];
        const int nx = cx + dx[d], ny = cy + dy[d];
        seen[ny * n + nx] = 1;
        c.set(px(cx) + dx[d], px(cy) + dy[d], RegionCode::Yellow);
        c.set(px(nx), px(ny), RegionCode::Yellow);
        stack.push_back(ny * n + nx);
    }
    for (int i = 0; i < loops; ++i) {
        const int x = px(rng.below(n)), y = px(rng.below(n));
        if (rng.chance(50) && x + 2 <= px(n - 1))
            c.set(x + 1, y, RegionCode::Yellow);
        else if (y + 2 <= px(n - 1))
            c.set(x, y + 1, RegionCode::Yellow);
    }
}

void layoutPillars(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    const int step = rng.range(3, 4), ox = rng.below(step), oy = rng.below(step);
    const int kind = rng.below(3);
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x) {
            const bool px = (x + ox) % step == 0, py = (y + oy) % step == 0;
            if (kind == 0 && px && py) c.set(x, y, RegionCode::Blue);
            if (kind == 1 && px && py) c.set(x, y, ((x + y) / step) % 2 ? RegionCode::Blue : RegionCode::White);
            if (kind == 2 && ((px && py) || (px && (y + oy) % step == 1 && (x / step) % 2)))
                c.set(x, y, RegionCode::Blue);
        }
    // Stripes of White across the pattern.
    const int stripes = rng.range(0, 3);
    for (int s = 0; s < stripes; ++s) {
        const int at = rng.range(kLo, kHi);
        for (int i = kLo; i <= kHi; ++i)
            if (c.at(i, at) == RegionCode::Yellow) c.set(i, at, RegionCode::White);
    }
}

void layoutGeometry(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Blue);
    const double cx = 10.5 + rng.range(-1, 1), cy = 10.5 + rng.range(-1, 1);
    const int shape = rng.below(4);
    const double r = rng.range(8, 10);
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x) {
            const double dx = std::fabs(x - cx), dy = std::fabs(y - cy);
            bool in = false;
            switch (shape) {
            case 0: in = dx + dy <= r + 1; break;                       // diamond
            case 1: in = dy <= r && dx <= (y - (cy - r)) * 0.55 + 1; break;  // triangle
            case 2: in = dx <= r && dy <= r && dx + dy <= r * 1.45; break;   // octagon
            default: in = (dx <= r && dy <= 3) || (dy <= r && dx <= 3) || (dx <= 6 && dy <= 6); break;
            }
            if (in) c.set(x, y, RegionCode::Yellow);
        }
    // An inner figure: a square ring or a diamond ring with gaps.
    const int inner = rng.range(2, 4);
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x) {
            const int dx = std::abs(x - static_cast<int>(cx)), dy = std::abs(y - static_cast<int>(cy));
            const bool ring = shape % 2 ? (std::max(dx, dy) == inner) : (dx + dy == inner + 1);
            if (ring && c.open(x, y) && (x + y) % 5 != 0) c.set(x, y, RegionCode::Blue);
        }
}

void layoutShapes(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Blue);
    const int kind = rng.below(4);
    const int m = 10;
    switch (kind) {
    case 0:  // a plus sign
        c.fill(kLo + 1, m - 2, kHi - 1, m + 3, RegionCode::Yellow);
        c.fill(m - 2, kLo + 1, m + 3, kHi - 1, RegionCode::Yellow);
        break;
    case 1:  // an L
        c.fill(kLo + 1, kLo + 1, kLo + 7, kHi - 1, RegionCode::Yellow);
        c.fill(kLo + 1, kHi - 7, kHi - 1, kHi - 1, RegionCode::Yellow);
        break;
    case 2:  // a T
        c.fill(kLo + 1, kLo + 1, kHi - 1, kLo + 6, RegionCode::Yellow);
        c.fill(m - 3, kLo + 1, m + 4, kHi - 1, RegionCode::Yellow);
        break;
    default:  // a U
        c.fill(kLo + 1, kLo + 1, kLo + 6, kHi - 1, RegionCode::Yellow);
        c.fill(kHi - 6, kLo + 1, kHi - 1, kHi - 1, RegionCode::Yellow);
        c.fill(kLo + 1, kHi - 6, kHi - 1, kHi - 1, RegionCode::Yellow);
        break;
    }
    scatterWalls(c, rng, rng.range(2, 5), 2);
}

// Little pictures in regions, drawn in the board's text form: the picture is
// part of the board.
void layoutPicture(Canvas& c, Rng& rng) {
    static const char* const pictures[][9] = {
        // a house: Orange roof, White walls, a Green door
        {"....o....", "...ooo...", "..ooooo..", ".ooooooo.", "..#,#,#..", "..,,,,,..", "..,,g,,..",
         "..,,g,,..", "........."},
        // a tree: Green crown, Orange trunk
        {"...ggg...", "..ggggg..", ".ggggggg.", ".ggggggg.", "..ggggg..", "....o....", "....o....",
         "...ooo...", "........."},
        // a boat: White sail, Orange hull, Green sea
        {"....,....", "....,,...", "....,,,..", "....,,,,.", "....#....", ".ooooooo.", "..ooooo..",
         "ggggggggg", "ggggggggg"},
        // a fish: Orange body, White eye
        {".........", "..oooo..o", ".oooooooo", "oo,ooooo.", ".oooooooo", "..oooo..o", ".........",
         ".........", "........."},
    };
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    const int pic = rng.below(4);
    const int scale = rng.range(1, 2);
    const int size = 9 * scale;
    const int ox = rng.range(kLo, kHi - size + 1), oy = rng.range(kLo, kHi - size + 1);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            BoardCell cell;
            if (cellFromChar(pictures[pic][y / scale][x / scale], cell)) c.set(ox + x, oy + y, cell.region);
        }
    scatterWalls(c, rng, rng.range(3, 6), 3);
}

void layoutCircle(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Blue);
    const double cx = 10.5, cy = 10.5, r = rng.range(8, 10) - 0.3;
    const int rings = rng.range(1, 2);
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x) {
            const double d = distance(x - cx, y - cy);
            if (d <= r) c.set(x, y, RegionCode::Yellow);
            for (int k = 1; k <= rings; ++k) {
                const double rr = r * k / (rings + 1.0) + 0.5;
                const double angle = angleOf(y - cy, x - cx);
                if (std::fabs(d - rr) < 0.55 && std::fmod(angle + 7.0 + k, 1.6) > 0.45) c.set(x, y, RegionCode::Blue);
            }
        }
    if (rng.chance(50)) {
        // A White ring: boxes pass over it, nothing is taken on it.
        const double rr = r - 1.2;
        for (int y = kLo; y <= kHi; ++y)
            for (int x = kLo; x <= kHi; ++x)
                if (c.at(x, y) == RegionCode::Yellow && std::fabs(distance(x - cx, y - cy) - rr) < 0.5)
                    c.set(x, y, RegionCode::White);
    }
}

void layoutKaleidoscope(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    const RegionCode colours[] = {RegionCode::Blue, RegionCode::White, RegionCode::Green, RegionCode::Orange};
    const int pieces = rng.range(6, 10);
    for (int i = 0; i < pieces; ++i) {
        const RegionCode r = colours[rng.below(4)];
        const int x = rng.range(kLo, 10), y = rng.range(kLo, 10), len = rng.range(1, 4);
        for (int k = 0; k < len; ++k) {
            const int xx = rng.chance(50) ? x + k : x, yy = rng.chance(50) ? y + k : y;
            if (xx <= 10 && yy <= 10) {
                c.set(xx, yy, r);
                c.set(yy, xx, r);  // diagonal mirror inside the quadrant
            }
        }
    }
    c.mirrorFour();
}

// One bold picture over the whole board: bands, arcs, rings, discs or a
// Mondrian grid, in wide strokes of Orange, Green and White.
std::string layoutSupergraphic(Canvas& c, Rng& rng) {
    static const char* const names[] = {"Diagonals", "Sunrise", "Chevrons", "Bullseye", "Four Discs", "Mondrian"};
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    const int kind = rng.below(6);
    const RegionCode bands[6] = {RegionCode::Yellow, RegionCode::Orange, RegionCode::Yellow,
                                 RegionCode::Green,  RegionCode::Yellow, RegionCode::White};
    const int width = rng.range(3, 4), shift = rng.below(6);
    const bool flip = rng.chance(50);
    if (kind == 5) {
        // Mondrian: thick Blue lines with doorways, some panels coloured.
        const int vx = rng.range(6, 9), hy = rng.range(7, 13), vx2 = rng.range(13, 16);
        c.fill(vx, kLo, vx, kHi, RegionCode::Blue);
        c.fill(kLo, hy, kHi, hy, RegionCode::Blue);
        c.fill(vx2, hy, vx2, kHi, RegionCode::Blue);
        c.fill(kLo, kLo, vx - 1, hy - 1, RegionCode::Orange);
        c.fill(vx2 + 1, hy + 1, kHi, kHi, RegionCode::Green);
        c.fill(vx + 1, hy + 1, vx2 - 1, kHi, RegionCode::White);
        c.fill(vx + 1, kLo + 2, kHi - 2, hy - 3, rng.chance(50) ? RegionCode::Green : RegionCode::White);
        for (int d = 0; d < 5; ++d) {
            c.set(vx, rng.range(kLo, kHi), RegionCode::Yellow);
            c.set(rng.range(kLo, kHi), hy, RegionCode::Yellow);
            c.set(vx2, rng.range(hy + 1, kHi), RegionCode::Yellow);
        }
    } else {
        for (int y = kLo; y <= kHi; ++y)
            for (int x = kLo; x <= kHi; ++x) {
                const int fx = flip ? kHi + kLo - x : x;
                int v = 0;
                if (kind == 0) v = (fx + y) / width;                                          // diagonal bands
                if (kind == 1) v = static_cast<int>(distance(fx - 1.0, y - 20.0)) / width;  // a rising sun
                if (kind == 2) v = (std::abs(fx - 10) + y) / width;                           // chevrons
                if (kind == 3) v = std::max(std::abs(2 * x - 21), std::abs(2 * y - 21)) / (2 * width - 1);  // target
                if (kind == 4) {
                    // four big discs
                    const double dx = (x - 1) % 10 - 4.5, dy = (y - 1) % 10 - 4.5;
                    const int q = (x - 1) / 10 + (y - 1) / 10;
                    v = distance(dx, dy) <= 4.2 ? (q % 2 ? 1 : 3) : 0;
                    c.set(x, y, bands[v]);
                    continue;
                }
                c.set(x, y, bands[(v + shift) % 6]);
            }
    }
    // Your box cannot cross Orange: a Green road runs through each band.
    const int rx = rng.range(kLo + 2, kHi - 2), ry = rng.range(kLo + 2, kHi - 2);
    for (int i = kLo; i <= kHi; ++i) {
        if (c.at(rx, i) == RegionCode::Orange) c.set(rx, i, RegionCode::Green);
        if (c.at(i, ry) == RegionCode::Orange) c.set(i, ry, RegionCode::Green);
    }
    scatterWalls(c, rng, rng.range(3, 6), 3);
    return names[kind];
}

void layoutFrames(Canvas& c, Rng& rng, int frames) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    const RegionCode kinds[] = {RegionCode::Blue, RegionCode::Green, RegionCode::Orange, RegionCode::White};
    for (int f = 0; f < frames; ++f) {
        const int inset = 2 + f * (frames == 3 ? 3 : 4) + rng.below(2);
        const int lo = kLo + inset, hi = kHi - inset;
        if (hi - lo < 2) break;
        const RegionCode r = f == 0 ? RegionCode::Blue : kinds[rng.below(4)];
        for (int i = lo; i <= hi; ++i) {
            c.set(i, lo, r);
            c.set(i, hi, r);
            c.set(lo, i, r);
            c.set(hi, i, r);
        }
        // Gaps: one or two per side.
        for (int side = 0; side < 4; ++side) {
            const int at = rng.range(lo + 1, hi - 1);
            const int x = side == 0 ? at : side == 1 ? at : side == 2 ? lo : hi;
            const int y = side == 0 ? lo : side == 1 ? hi : at;
            if (rng.chance(75)) c.set(x, y, RegionCode::Yellow);
        }
    }
}

void layoutReserved(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    // Green lanes only Your box may use, Orange bays where it may not go.
    const int lanes = rng.range(1, 3);
    for (int i = 0; i < lanes; ++i) {
        const int at = rng.range(kLo + 2, kHi - 2);
        const int a = rng.range(kLo, 8), b = rng.range(13, kHi);
        if (rng.chance(50))
            c.fill(a, at, b, at, RegionCode::Green);
        else
            c.fill(at, a, at, b, RegionCode::Green);
    }
    const int bays = rng.range(2, 4);
    for (int i = 0; i < bays; ++i) {
        const int x = rng.range(kLo, kHi - 3), y = rng.range(kLo, kHi - 3);
        c.fill(x, y, x + rng.range(1, 3), y + rng.range(1, 3), RegionCode::Orange);
    }
    scatterWalls(c, rng, rng.range(4, 8), 3);
}

void layoutTransparent(Canvas& c, Rng& rng) {
    // The inner walls are Green and Orange glass: each lets some boxes through.
    layoutChambers(c, rng, rng.range(2, 3), rng.range(2, 3), 1);
    for (int y = kLo; y <= kHi; ++y)
        for (int x = kLo; x <= kHi; ++x)
            if (c.at(x, y) == RegionCode::Blue && rng.chance(70))
                c.set(x, y, ((x / 4 + y / 4) % 2) ? RegionCode::Green : RegionCode::Orange);
    patches(c, rng, rng.range(1, 3), RegionCode::White, 3);
}

std::string layoutSymbol(Canvas& c, Rng& rng) {
    struct Symbol {
        const char* name;
        const char* rows[10];
    };
    static const Symbol symbols[] = {
        {"Plus Sign", {"..........", "....##....", "....##....", "....##....", ".########.", ".########.",
                       "....##....", "....##....", "....##....", ".........."}},
        {"Arrow", {"....#.....", "...###....", "..#.#.#...", ".#..#..#..", "....#.....", "....#.....",
                   "....#.....", "....#.....", "....#.....", ".........."}},
        {"Heart", {"..........", ".##...##..", "#..#.#..#.", "#...#...#.", "#.......#.", ".#.....#..",
                   "..#...#...", "...#.#....", "....#.....", ".........."}},
        {"Saltire", {"#........#", ".#......#.", "..#....#..", "...#..#...", "....##....", "....##....",
                     "...#..#...", "..#....#..", ".#......#.", "#........#"}},
        {"Diamond", {"....#.....", "...#.#....", "..#...#...", ".#.....#..", "#.......#.", ".#.....#..",
                     "..#...#...", "...#.#....", "....#.....", ".........."}},
        {"Victory", {"#.......#.", "#.......#.", ".#.....#..", ".#.....#..", "..#...#...", "..#...#...",
                     "...#.#....", "...#.#....", "....#.....", ".........."}},
        {"Roundel", {"..........", "...####...", "..#....#..", ".#......#.", ".#......#.", ".#......#.",
                  ".#......#.", "..#....#..", "...####...", ".........."}},
        {"Hourglass", {".########.", "..#....#..", "...#..#...", "....##....", "....##....", "...#..#...",
                       "..#....#..", ".########.", "..........", ".........."}},
        {"Anchor", {"....##....", "...#..#...", "....##....", "....##....", ".########.", "....##....",
                    "#...##...#", ".#..##..#.", "..######..", ".........."}},
        {"Crescent", {"...####...", "..##......", ".##.......", ".##.......", ".##.......", ".##.......",
                      ".##.......", "..##......", "...####...", ".........."}},
    };
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    const int s = rng.below(10);
    // Blue strokes are walls with White gaps; Orange ones let only Your box
    // across, through Green gaps. Gaps are whole stroke cells, so that
    // diagonal strokes open as well.
    const bool blue = rng.chance(50);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            if (symbols[s].rows[y / 2][x / 2] != '#') continue;
            const bool gap = (x / 2 + 2 * (y / 2)) % 4 == 0;
            const RegionCode r = blue ? (gap ? RegionCode::White : RegionCode::Blue)
                                      : (gap ? RegionCode::Green : RegionCode::Orange);
            c.set(kLo + x, kLo + y, r);
        }
    return symbols[s].name;
}

void layoutMirrors(Canvas& c, Rng& rng) {
    c.fill(kLo, kLo, kHi, kHi, RegionCode::Yellow);
    scatterWalls(c, rng, rng.range(5, 9), 3);
    patches(c, rng, rng.range(0, 2), RegionCode::White, 3);
    if (rng.chance(50)) patches(c, rng, 1, RegionCode::Green, 2);
    if (rng.chance(50)) patches(c, rng, 1, RegionCode::Orange, 2);
    c.mirrorLeftRight();
    // The mirror line itself: a wall with openings.
    if (rng.chance(60))
        for (int y = kLo; y <= kHi; ++y)
            if (rng.chance(40)) {
                c.set(10, y, RegionCode::Blue);
                c.set(11, y, RegionCode::Blue);
            }
}

}  // namespace vortan
