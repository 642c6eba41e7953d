#include "random_board.h"

#include <cctype>
#include <vector>

#include "game/search/solver.h"
#include "themes.h"

namespace vortan {

namespace {

// Crockford's base 32: no I, L, O or U, so nothing reads as something else.
const char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
const char kLetters[] = "EMHX";  // Easy, Medium, Hard, eXpert
constexpr int kPayloadChars = 7;  // 35 bits: 4 of generator version, 31 of seed

int symbolValue(char c) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c == 'O') c = '0';
    if (c == 'I' || c == 'L') c = '1';
    for (int i = 0; i < 32; ++i)
        if (kAlphabet[i] == c) return i;
    return -1;
}

// Luhn mod 32 over the difficulty and the payload: finds every single
// mistyped character and every swap of two neighbours.
int checkValue(const std::vector<int>& values) {
    int factor = 2, sum = 0;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        int addend = factor * *it;
        factor = factor == 2 ? 1 : 2;
        sum += addend / 32 + addend % 32;
    }
    return (32 - sum % 32) % 32;
}

// IDs of neighbouring seeds should not look alike: the seed is stirred by
// an invertible map of 31 bits (odd multipliers and a shift wider than half).
constexpr std::uint32_t kStirA = 0x2c1b3c6du, kStirB = 0x297a2d39u;

std::uint32_t inverseOf(std::uint32_t odd) {
    std::uint32_t inv = odd;
    for (int i = 0; i < 5; ++i) inv *= 2u - odd * inv;
    return inv;
}

// Each difficulty stirs differently, so one seed's IDs differ throughout.
std::uint32_t salt(Difficulty d) { return (static_cast<std::uint32_t>(d) * 0x3a8f05c5u) & kMaxSeed; }

std::uint32_t stir(std::uint32_t x) {
    x = (x * kStirA) & kMaxSeed;
    x ^= x >> 16;
    return (x * kStirB) & kMaxSeed;
}

std::uint32_t unstir(std::uint32_t x) {
    x = (x * inverseOf(kStirB)) & kMaxSeed;
    x ^= x >> 16;
    return (x * inverseOf(kStirA)) & kMaxSeed;
}

struct Theme {
    int version, series;
};

// What each difficulty draws from and how much room its limits leave.
struct Recipe {
    std::vector<Theme> themes;
    LimitSlack slack;
    // Per search: a board that needs more is outside the band anyway. A
    // count, never a clock, so the result is the same on every machine.
    std::uint64_t stateCap;
};

const Recipe& recipeOf(Difficulty d) {
    static const Recipe recipes[kDifficultyCount] = {
        // Easy: Alvor's first rooms, with its generous limits.
        {{{0, 0}, {0, 1}, {0, 4}}, {300, 30, 300, 20}, 1000},
        // Medium: the rest of Alvor and Brenno's open floors.
        {{{0, 2}, {0, 3}, {0, 5}, {0, 6}, {0, 7}, {1, 0}}, {250, 25, 250, 20}, 5000},
        // Hard: Brenno's figures and frames, with its limits.
        {{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}}, {200, 20, 200, 15}, 15000},
        // Expert: Brenno's symbols, traps and mirrors, which give long lines
        // from small searches, with little time or moves to spare.
        {{{1, 9}, {1, 10}, {1, 11}}, {125, 5, 100, 2, 1}, 60000},
    };
    return recipes[static_cast<int>(d)];
}

// Calibrated on the shipped boards (see README, "Random boards").
const DifficultyBand kBands[kDifficultyCount] = {
    {4, 10, 1, 1000, 4, 4, 50, 1000},      // Alvor 1: 4-9 moves, 16-345 positions, 100-350 per mille
    {10, 18, 1, 5000, 4, 4, 0, 100},       // the rest of Alvor, Brenno 1: 10-21 moves, 0-100 per mille
    {17, 30, 1, 15000, 2, 4, 0, 10},       // Brenno 2-9: 13-38 moves, at most 10 per mille
    {34, 80, 1, 60000, 0, 3, 0, 0},        // beyond Brenno 12 (33.6 moves on average), tight limits
};

constexpr int kPlayouts = 100;

std::uint64_t seedOf(const BoardId& id) {
    return (static_cast<std::uint64_t>(id.generator) << 40) ^ (static_cast<std::uint64_t>(id.difficulty) << 36) ^
           (static_cast<std::uint64_t>(id.seed) * 0x2545f4914f6cdd1dULL);
}

SolveOptions searchOptions(const Recipe& r, const std::atomic<bool>* cancel) {
    SolveOptions o;
    o.threads = 1;  // one thread: the line found never depends on timing
    o.budget = r.stateCap;
    o.cancel = cancel;
    return o;
}

}  // namespace

const char* difficultyName(Difficulty d) {
    static const char* const names[kDifficultyCount] = {"Easy", "Medium", "Hard", "Expert"};
    const int i = static_cast<int>(d);
    return i >= 0 && i < kDifficultyCount ? names[i] : "?";
}

bool parseDifficulty(const std::string& text, Difficulty& d) {
    std::string t;
    for (char c : text) t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int i = 0; i < kDifficultyCount; ++i) {
        std::string name = difficultyName(static_cast<Difficulty>(i));
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(kLetters[i])));
        if (t == name || (t.size() == 1 && t[0] == letter)) {
            d = static_cast<Difficulty>(i);
            return true;
        }
    }
    return false;
}

std::string formatBoardId(const BoardId& id) {
    const std::uint64_t payload =
        (static_cast<std::uint64_t>(id.generator & 15) << 31) | stir((id.seed ^ salt(id.difficulty)) & kMaxSeed);
    std::vector<int> values{static_cast<int>(id.difficulty)};
    for (int i = kPayloadChars - 1; i >= 0; --i) values.push_back(static_cast<int>((payload >> (5 * i)) & 31));
    std::string s(1, kLetters[static_cast<int>(id.difficulty) & 3]);
    s += '-';
    for (int i = 1; i <= kPayloadChars; ++i) {
        if (i == 5) s += '-';
        s += kAlphabet[values[i]];
    }
    return s + kAlphabet[checkValue(values)];
}

ParsedId parseBoardId(const std::string& text) {
    ParsedId out;
    std::string t;
    for (char c : text)
        if (c != '-' && c != ' ') t += c;
    if (t.size() != 2 + kPayloadChars) return out;
    Difficulty d;
    if (!parseDifficulty(std::string(1, t[0]), d)) return out;
    std::vector<int> values{static_cast<int>(d)};
    for (std::size_t i = 1; i < t.size(); ++i) {
        const int v = symbolValue(t[i]);
        if (v < 0) return out;
        values.push_back(v);
    }
    const int check = values.back();
    values.pop_back();
    if (checkValue(values) != check) {
        out.problem = IdProblem::Mistyped;
        return out;
    }
    std::uint64_t payload = 0;
    for (std::size_t i = 1; i < values.size(); ++i) payload = payload << 5 | static_cast<std::uint64_t>(values[i]);
    out.id.difficulty = d;
    out.id.seed = unstir(static_cast<std::uint32_t>(payload & kMaxSeed)) ^ salt(d);
    out.id.generator = static_cast<int>(payload >> 31);
    out.problem = out.id.generator == kGeneratorVersion ? IdProblem::None : IdProblem::OtherGenerator;
    return out;
}

std::string idProblemText(const ParsedId& parsed) {
    switch (parsed.problem) {
    case IdProblem::None: return "";
    case IdProblem::Malformed:
        return "not a board ID: it is a letter (E, M, H or X) and eight characters, like H-3AVB-FHFZ";
    case IdProblem::Mistyped: return "the board ID has a typing mistake: its last character does not match";
    case IdProblem::OtherGenerator:
        return "the board ID comes from generator version " + std::to_string(parsed.id.generator) +
               "; this program builds version " + std::to_string(kGeneratorVersion) + " boards";
    }
    return "";
}

BoardFigures MeasureBoard(const BoardDefinition& board, int length, std::uint64_t states,
                          const std::atomic<bool>* cancel) {
    BoardFigures f;
    f.length = length;
    f.states = states;
    const CZembrikDoc loaded = LoadedDocument(board);
    SolveOptions o;
    o.threads = 1;
    o.budget = 2 * states + 1000;  // a first move never makes the rest much harder
    o.cancel = cancel;
    for (const char* first : {"UT", "DT", "LT", "RT"}) {
        const ReplayResult after = ReplayMoves(loaded, first);
        if (after.won())
            ++f.winningFirstMoves;
        else if (after.doc.gameState() == GameState::Playing &&
                 SolveDocument(after.doc, o).status == SolveStatus::Won)
            ++f.winningFirstMoves;
    }
    // Random keys until the game ends; the moves or the clock always end it.
    Rng rng(0x5eedULL ^ static_cast<std::uint64_t>(length));
    const int keys = static_cast<int>(board.moveLimit > 0 ? board.moveLimit : 200) + 1;
    int wins = 0;
    for (int p = 0; p < kPlayouts; ++p) {
        std::string line;
        for (int k = 0; k < keys; ++k) {
            line += "UDLR"[rng.below(4)];
            line += 'T';
        }
        wins += ReplayMoves(loaded, line).won();
    }
    f.playoutWinsPermille = wins * 1000 / kPlayouts;
    return f;
}

const DifficultyBand& difficultyBand(Difficulty d) { return kBands[static_cast<int>(d) & 3]; }

bool inBand(const BoardFigures& f, const DifficultyBand& b) {
    return f.length >= b.lengthLo && f.length <= b.lengthHi && f.states >= b.statesLo && f.states <= b.statesHi &&
           f.winningFirstMoves >= b.firstMovesLo && f.winningFirstMoves <= b.firstMovesHi &&
           f.playoutWinsPermille >= b.playoutsLo && f.playoutWinsPermille <= b.playoutsHi;
}

GenerateStatus GenerateRandomBoard(const BoardId& id, RandomBoard& out, const GenerateControl& control) {
    if (id.generator != kGeneratorVersion || id.seed > kMaxSeed) return GenerateStatus::NotFound;
    const Recipe& recipe = recipeOf(id.difficulty);
    const DifficultyBand& band = difficultyBand(id.difficulty);
    const SolveOptions options = searchOptions(recipe, control.cancel);
    auto cancelled = [&] { return control.cancel && control.cancel->load(); };
    Rng rng(seedOf(id));
    for (int k = 0; k < kMaxCandidates; ++k) {
        if (cancelled()) return GenerateStatus::Cancelled;
        if (control.progress) control.progress->store(k);
        const Theme theme = recipe.themes[rng.below(static_cast<int>(recipe.themes.size()))];
        const SeriesPlan plan = planFor(theme.version, theme.series);
        BoardDefinition b = BuildCandidate(theme.version, theme.series, plan, rng);
        if (!b.HasYourBox() || b.CountBoxes(BoxCode::Star) + b.CountBoxes(BoxCode::Number) == 0) continue;
        const SolveResult open = SolveBoard(b, options);
        if (open.status != SolveStatus::Won || open.length < band.lengthLo || open.length > band.lengthHi) continue;
        setLimits(b, recipe.slack, plan, open.moves, open.length);
        // Proven within the limits it is played with, and no shorter there.
        const SolveResult limited = SolveBoard(b, options);
        if (limited.status != SolveStatus::Won || limited.length != open.length) continue;
        if (limited.states < band.statesLo || limited.states > band.statesHi) continue;  // before the costly figures
        const BoardFigures figures = MeasureBoard(b, limited.length, limited.states, control.cancel);
        if (cancelled()) return GenerateStatus::Cancelled;
        if (!inBand(figures, band)) continue;
        out.id = id;
        out.board = b;
        out.board.gameName = formatBoardId(id);
        out.board.openingMessage = std::string("Board ") + formatBoardId(id) + " (" + difficultyName(id.difficulty) +
                                   ")\r\n" + openingMessage(b, theme.version, theme.series);
        out.board.RecountBoxes();
        out.moves = limited.moves;
        out.figures = figures;
        out.candidates = k + 1;
        return GenerateStatus::Made;
    }
    return cancelled() ? GenerateStatus::Cancelled : GenerateStatus::NotFound;
}

}  // namespace vortan
