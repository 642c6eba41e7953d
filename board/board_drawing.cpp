#include "board/board_drawing.h"

namespace vortan {

namespace {
struct Glyph {
    char ch;
    BoardCell cell;
};
// One table both ways, so that reading and drawing cannot disagree.
const Glyph kGlyphs[] = {
    {'#', {RegionCode::Blue, BoxCode::Empty, 0}},      {'.', {RegionCode::Yellow, BoxCode::Empty, 0}},
    {',', {RegionCode::White, BoxCode::Empty, 0}},     {'r', {RegionCode::Red, BoxCode::Empty, 0}},
    {'g', {RegionCode::Green, BoxCode::Empty, 0}},     {'o', {RegionCode::Orange, BoxCode::Empty, 0}},
    {'Y', {RegionCode::Yellow, BoxCode::Your, 0}},     {'S', {RegionCode::Yellow, BoxCode::Star, 0}},
    {'F', {RegionCode::Yellow, BoxCode::Free, 0}},     {'H', {RegionCode::Yellow, BoxCode::Hot, 0}},
    {'Z', {RegionCode::Yellow, BoxCode::Freeze, 0}},   {'T', {RegionCode::Yellow, BoxCode::Time, 0}},
    {'M', {RegionCode::Yellow, BoxCode::Move, 0}},     {'E', {RegionCode::Green, BoxCode::Exception, 0}},
    {'f', {RegionCode::Orange, BoxCode::Free, 0}},     {'s', {RegionCode::White, BoxCode::Star, 0}},
    {'X', {RegionCode::Yellow, static_cast<BoxCode>(kBoxCodeCount + 2), 0}},
};
}  // namespace

bool cellFromChar(char ch, BoardCell& cell) {
    if (ch >= '1' && ch <= '9') {
        cell = {RegionCode::Yellow, BoxCode::Number, static_cast<std::uint32_t>(ch - '0')};
        return true;
    }
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) {
            cell = g.cell;
            return true;
        }
    return false;
}

char charOfCell(const BoardCell& cell) {
    if (cell.region == RegionCode::Yellow && cell.box == BoxCode::Number && cell.number >= 1 && cell.number <= 9)
        return static_cast<char>('0' + cell.number);
    for (const Glyph& g : kGlyphs)
        if (g.cell == cell) return g.ch;
    return '?';
}

void drawOnBoard(BoardDefinition& board, const std::vector<std::string>& rows, int left, int top) {
    for (int y = 1; y < kGridSize - 1; ++y)
        for (int x = 1; x < kGridSize - 1; ++x) {
            const int r = y - top, c = x - left;
            const bool drawn = r >= 0 && c >= 0 && r < static_cast<int>(rows.size()) &&
                               c < static_cast<int>(rows[static_cast<std::size_t>(r)].size());
            if (!drawn) {
                board.Cell(x, y) = {RegionCode::Blue, BoxCode::Empty, 0};
                continue;
            }
            BoardCell cell;
            if (cellFromChar(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], cell))
                board.Cell(x, y) = cell;
        }
    board.RecountBoxes();
}

std::vector<std::string> boardDrawing(const BoardDefinition& board) {
    std::vector<std::string> rows;
    for (int y = 0; y < kGridSize; ++y) {
        std::string row;
        for (int x = 0; x < kGridSize; ++x) row += charOfCell(board.Cell(x, y));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace vortan
