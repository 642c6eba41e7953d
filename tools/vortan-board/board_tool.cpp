#include "board_tool.h"

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "board/board_file.h"
#include "board/file_io.h"
#include "board_check.h"
#include "game/engine/game_rules.h"
#include "game/engine/recording_effects.h"
#include "game/generate/random_board.h"
#include "json_writer.h"
#include "solver.h"
#include "board/board_drawing.h"
#include "vortan/build_info.h"

namespace vortan {

namespace {

const char* const kUsage =
    "usage: vortan-board new FILE          write the file of a new board\n"
    "       vortan-board info FILE         print the board and its problems as JSON\n"
    "       vortan-board play FILE MOVES   play MOVES (U D L R = arrow keys, T = one timer tick)\n"
    "       vortan-board solve FILE [--budget SIZE] [--threads N]\n"
    "                                      print a shortest winning MOVES, one move per tick\n"
    "                                      (exit 3 when there is none, or none within SIZE of\n"
    "                                      memory: 512M, 2G, ...; default 1G or\n"
    "                                      $VORTAN_SOLVE_BUDGET)\n"
    "       vortan-board hint FILE MOVES [--budget SIZE] [--threads N]\n"
    "                                      play MOVES, then print the first move of a shortest win\n"
    "                                      (exit 3 when no win remains)\n"
    "       vortan-board generate --difficulty D (--seed N | --id ID) FILE\n"
    "                                      write the random board of difficulty D (Easy, Medium,\n"
    "                                      Hard, Expert) built from seed N (0 to 2147483647) or\n"
    "                                      rebuilt from its board ID; print its ID and shortest win\n"
    "       vortan-board --help | --version\n";

int usage(std::ostream& err) {
    err << kUsage;
    return 2;
}

// Reads a board for the tool; prints why on failure.
bool readForTool(const std::string& path, BoardDefinition& board, std::ostream& err) {
    const FileReadResult r = ReadBoardFile(path, board);
    if (!r.opened) {
        err << "vortan-board: cannot open " << path << "\n";
        return false;
    }
    if (!r.read.ok()) {
        err << "vortan-board: " << path << ": " << readStatusText(r.read.status) << "\n";
        return false;
    }
    return true;
}

int cmdNew(const std::string& path, std::ostream& out, std::ostream& err) {
    BoardDefinition board;
    if (!WriteBoardFile(path, board)) {
        err << "vortan-board: cannot write " << path << "\n";
        return 1;
    }
    out << "wrote new board " << path << "\n";
    return 0;
}

int cmdInfo(const std::string& path, std::ostream& out, std::ostream& err) {
    BoardDefinition board;
    board.ClearCells();
    if (!readForTool(path, board, err)) return 1;
    JsonWriter j;
    j.beginObject();
    j.field("versionTag", board.versionTag);
    j.field("gameName", board.gameName);
    j.field("openingMessage", board.openingMessage);
    for (int i = 0; i < BoardDefinition::kValueCount; ++i) j.field(BoardDefinition::valueName(i), board.value(i));
    j.field("stars", board.CountBoxes(BoxCode::Star));
    j.field("numbers", board.CountBoxes(BoxCode::Number));
    j.key("drawing");
    j.beginArray();
    for (const std::string& row : boardDrawing(board)) j.value(row);
    j.endArray();
    j.key("problems");
    j.beginArray();
    for (const auto& p : boardProblems(board)) j.value(p);
    j.endArray();
    j.endObject();
    out << j.str() << "\n";
    return 0;
}

void writeGrid(JsonWriter& j, const char* name, const PlayBoard& board, bool numbers) {
    j.key(name);
    j.beginArray();
    for (int y = 0; y < kGridSize; ++y) {
        j.beginArray();
        for (int x = 0; x < kGridSize; ++x) {
            const PlayCell& c = board.peek(x, y);
            j.value(static_cast<std::int64_t>(numbers ? c.number : c.box));
        }
        j.endArray();
    }
    j.endArray();
}

// MOVES as play and hint take them: the replay's letters only, checked
// before any is played.
bool movesReadable(const std::string& moves, std::ostream& err) {
    const std::size_t bad = moves.find_first_not_of(kMoveLetters);
    if (bad == std::string::npos) return true;
    err << "vortan-board: MOVES may hold only U, D, L, R and T, not '" << moves[bad] << "'\n";
    return false;
}

int cmdPlay(const std::string& path, const std::string& moves, std::ostream& out, std::ostream& err) {
    if (!movesReadable(moves, err)) return usage(err);
    BoardDefinition check;
    if (!readForTool(path, check, err)) return 1;

    CZembrikDoc doc;
    RecordingEffects fx;
    GameRules rules(doc, fx);
    // As Play does: load while the opening message is up, then play.
    doc.boardPath = path;
    if (doc.openRun() != LoadResult::Loaded) {
        err << "vortan-board: cannot read " << path << "\n";
        return 1;
    }
    doc.playedSeries = -1;
    doc.playedGame = -1;
    rules.recordIndex = 0;
    doc.startRun(RunKind::Played);

    for (char c : moves) playMoveLetter(rules, c);

    const PlayBoard& b = doc.playBoard;
    JsonWriter j;
    j.beginObject();
    j.field("state", gameStateName(doc.gameState()));
    j.field("outcome", gameOutcomeName(doc.gameOutcome));
    j.field("lives", doc.numberOfLives);
    j.field("score", doc.score);
    j.field("movesLeft", doc.movesLeft);
    j.field("timeLeft", doc.timeLeft);
    j.field("numberBoxTimeLeft", doc.numberBoxTimeLeft);
    j.field("starBoxTimeLeft", doc.starBoxTimeLeft);
    j.field("starBoxCount", doc.starBoxCount);
    j.field("numberBoxCount", doc.numberBoxCount);
    j.field("nextNumber", b.nextNumber());
    j.field("eventKind", b.eventKind());
    j.field("eventCode", b.eventCode());
    j.field("endTicks", doc.endTicks);
    writeGrid(j, "boxes", b, false);
    writeGrid(j, "numbers", b, true);
    j.key("sounds");
    j.beginArray();
    for (const auto& s : fx.sounds) j.value(s);
    j.endArray();
    j.endObject();
    out << j.str() << "\n";
    return 0;
}

// Reads "--budget SIZE" (bytes with K, M or G, or plain MiB) and
// "--threads N"; false, with the reason, for anything else.
bool parseSearchOptions(const std::vector<std::string>& options, SolveOptions& so, std::ostream& err) {
    // VORTAN_SOLVE_BUDGET sets the default budget (programs that start the
    // tool, and their tests, bound every search with it).
    std::vector<std::string> all;
    if (const char* env = std::getenv("VORTAN_SOLVE_BUDGET")) all = {"--budget", env};
    all.insert(all.end(), options.begin(), options.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool budget = all[i] == "--budget", threads = all[i] == "--threads";
        if ((!budget && !threads) || i + 1 >= all.size()) {
            err << "vortan-board: unknown or incomplete option '" << all[i] << "'\n";
            return false;
        }
        const std::string& v = all[++i];
        char* end = nullptr;
        const unsigned long long n = v.empty() || v[0] == '-' ? 0 : std::strtoull(v.c_str(), &end, 10);
        if (threads) {
            if (n == 0 || n > 64 || *end != '\0') {
                err << "vortan-board: --threads wants a number from 1 to 64, not '" << v << "'\n";
                return false;
            }
            so.threads = static_cast<int>(n);
            continue;
        }
        std::uint64_t scale = std::uint64_t(1) << 20;
        if (end && *end != '\0') {
            const std::string unit = end;
            if (unit == "K" || unit == "k") scale = std::uint64_t(1) << 10;
            else if (unit == "M" || unit == "m") scale = std::uint64_t(1) << 20;
            else if (unit == "G" || unit == "g") scale = std::uint64_t(1) << 30;
            else scale = 0;
        }
        // Below 64 KiB not even a first table fits; above 1 TiB is a typing error.
        if (n == 0 || scale == 0 || n > (std::uint64_t(1) << 40) / scale || n * scale < (std::uint64_t(1) << 16)) {
            err << "vortan-board: --budget wants a memory size such as 256M or 2G (64K to 1024G), not '" << v
                << "'\n";
            return false;
        }
        so.memoryBudget = n * scale;
    }
    return true;
}

// The document of a board file as Play loads it; false, with the reason printed.
bool loadForSearch(const std::string& path, CZembrikDoc& doc, std::ostream& err) {
    BoardDefinition check;
    if (!readForTool(path, check, err)) return false;
    doc.boardPath = path;
    if (doc.openRun() != LoadResult::Loaded) {
        err << "vortan-board: cannot read " << path << "\n";
        return false;
    }
    doc.gameOutcome = GameOutcome::Undecided;
    return true;
}

std::string searchFigures(const SolveResult& r) {
    std::ostringstream s;
    s << r.states << " positions, " << r.generated << " moves tried in " << r.seconds << " s";
    return s.str();
}

// Exit code 3: the board was read but no win was found.
int cmdSolve(const std::string& path, const std::vector<std::string>& options, std::ostream& out,
             std::ostream& err) {
    SolveOptions so;
    if (!parseSearchOptions(options, so, err)) return usage(err);
    CZembrikDoc doc;
    if (!loadForSearch(path, doc, err)) return 1;
    const SolveResult r = SolveDocument(doc, so);
    switch (r.status) {
    case SolveStatus::Won:
        out << r.moves << "\n";
        err << "won in " << r.length << " moves; " << searchFigures(r) << "\n";
        return 0;
    case SolveStatus::NoWin:
        out << "no win found: " << r.states << " positions searched, none left\n";
        return 3;
    case SolveStatus::BudgetHit:
        out << "no win found: " << r.error << " (" << searchFigures(r) << ")\n";
        return 3;
    case SolveStatus::Cancelled:
    case SolveStatus::Unusable: break;
    }
    err << "vortan-board: cannot solve " << path << ": " << r.error << "\n";
    return 1;
}

// Plays MOVES as the game would, then asks the search for the next move.
int cmdHint(const std::string& path, const std::string& moves, const std::vector<std::string>& options,
            std::ostream& out, std::ostream& err) {
    if (!movesReadable(moves, err)) return usage(err);
    SolveOptions so;
    if (!parseSearchOptions(options, so, err)) return usage(err);
    CZembrikDoc doc;
    if (!loadForSearch(path, doc, err)) return 1;
    const ReplayResult played = ReplayMoves(doc, moves);
    if (played.doc.gameState() != GameState::Playing) {
        out << "the game is over: " << gameOutcomeName(played.doc.gameOutcome) << "\n";
        return 3;
    }
    const HintResult h = FindHint(played.doc, so);
    out << h.message << "\n";
    switch (h.status) {
    case SolveStatus::Won: return 0;
    case SolveStatus::NoWin:
    case SolveStatus::BudgetHit: return 3;
    case SolveStatus::Cancelled:
    case SolveStatus::Unusable: break;
    }
    return 1;
}

// The game's own random board, from a seed or an ID; exit 1 when none is
// found or the file cannot be written.
int cmdGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string difficulty, seed, id, path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--difficulty" && hasValue)
            difficulty = args[++i];
        else if (args[i] == "--seed" && hasValue)
            seed = args[++i];
        else if (args[i] == "--id" && hasValue)
            id = args[++i];
        else if (path.empty() && args[i].rfind("--", 0) != 0)
            path = args[i];
        else
            return usage(err);
    }
    if (path.empty() || seed.empty() == id.empty()) return usage(err);
    BoardId board;
    if (!difficulty.empty() && !parseDifficulty(difficulty, board.difficulty)) {
        err << "vortan-board: no difficulty \"" << difficulty << "\" (Easy, Medium, Hard or Expert)\n";
        return usage(err);
    }
    if (!id.empty()) {
        const ParsedId parsed = parseBoardId(id);
        if (parsed.problem != IdProblem::None) {
            err << "vortan-board: " << idProblemText(parsed) << "\n";
            return 2;
        }
        if (!difficulty.empty() && parsed.id.difficulty != board.difficulty) {
            err << "vortan-board: the board ID is of difficulty " << difficultyName(parsed.id.difficulty) << "\n";
            return 2;
        }
        board = parsed.id;
    } else {
        if (difficulty.empty()) return usage(err);
        char* end = nullptr;
        const unsigned long long n = std::strtoull(seed.c_str(), &end, 10);
        if (seed.empty() || *end != '\0' || seed[0] == '-' || n > kMaxSeed) {
            err << "vortan-board: the seed is a whole number from 0 to " << kMaxSeed << "\n";
            return usage(err);
        }
        board.seed = static_cast<std::uint32_t>(n);
    }
    RandomBoard made;
    if (GenerateRandomBoard(board, made) != GenerateStatus::Made) {
        err << "vortan-board: no board found for " << formatBoardId(board) << "\n";
        return 1;
    }
    if (!WriteBoardFile(path, made.board)) {
        err << "vortan-board: cannot write " << path << "\n";
        return 1;
    }
    out << formatBoardId(made.id) << " " << made.figures.length << "\n";
    err << difficultyName(made.id.difficulty) << ": won in " << made.figures.length << " moves (" << made.moves
        << "); " << made.figures.states << " positions, " << made.figures.winningFirstMoves
        << " winning first moves, " << made.figures.playoutWinsPermille << " per mille of random playouts won\n";
    return 0;
}

}  // namespace

int boardToolMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usage(err);
    const std::string& cmd = args[0];
    if (cmd == "--help" || cmd == "-h") {
        out << kUsage;
        return 0;
    }
    if (cmd == "--version") {
        out << VORTAN_BOARD_PROGRAM " " VORTAN_VERSION "\n";
        return 0;
    }
    if (cmd == "new" && args.size() == 2) return cmdNew(args[1], out, err);
    if (cmd == "info" && args.size() == 2) return cmdInfo(args[1], out, err);
    if (cmd == "play" && args.size() == 3) return cmdPlay(args[1], args[2], out, err);
    if (cmd == "generate") return cmdGenerate(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (cmd == "solve" && args.size() >= 2)
        return cmdSolve(args[1], std::vector<std::string>(args.begin() + 2, args.end()), out, err);
    if (cmd == "hint" && args.size() >= 3)
        return cmdHint(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end()), out, err);
    return usage(err);
}

}  // namespace vortan
