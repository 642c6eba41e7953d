#include "board_tool.h"

#include <cstdlib>
#include <fstream>
#include <ostream>

#include "board/board_file.h"
#include "board/file_io.h"
#include "board_check.h"
#include "game/engine/game_rules.h"
#include "game/engine/recording_effects.h"
#include "json_writer.h"
#include "solver.h"
#include "vortan/build_info.h"

namespace vortan {

namespace {

const char* const kUsage =
    "usage: vortan-board new FILE          write the file of a new board\n"
    "       vortan-board info FILE         print the board and its problems as JSON\n"
    "       vortan-board play FILE MOVES   play MOVES (U D L R = arrow keys, T = one timer tick)\n"
    "       vortan-board solve FILE [--budget N]\n"
    "                                      print a shortest winning MOVES, one move per tick\n"
    "                                      (exit 3 when no win is found within N states)\n"
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

int cmdPlay(const std::string& path, const std::string& moves, std::ostream& out, std::ostream& err) {
    for (char c : moves)
        if (c != 'U' && c != 'D' && c != 'L' && c != 'R' && c != 'T') {
            err << "vortan-board: MOVES may hold only U, D, L, R and T, not '" << c << "'\n";
            return usage(err);
        }
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

// Exit code 3: the board was read but no win was found.
int cmdSolve(const std::string& path, const std::vector<std::string>& options, std::ostream& out,
             std::ostream& err) {
    SolveOptions so;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i] == "--budget" && i + 1 < options.size()) {
            const std::string& v = options[++i];
            char* end = nullptr;
            const unsigned long long n = std::strtoull(v.c_str(), &end, 10);
            if (v.empty() || v[0] == '-' || *end != '\0' || n == 0) {
                err << "vortan-board: --budget wants a positive number of states, not '" << v << "'\n";
                return usage(err);
            }
            so.budget = n;
        } else {
            return usage(err);
        }
    }
    BoardDefinition check;
    if (!readForTool(path, check, err)) return 1;
    CZembrikDoc doc;
    doc.boardPath = path;
    if (doc.openRun() != LoadResult::Loaded) {
        err << "vortan-board: cannot read " << path << "\n";
        return 1;
    }
    const SolveResult r = SolveDocument(doc, so);
    switch (r.status) {
    case SolveStatus::Won:
        out << r.moves << "\n";
        err << "won in " << r.length << " moves; " << r.states << " states searched in " << r.seconds << " s\n";
        return 0;
    case SolveStatus::NoWin:
        out << "no win found: " << r.states << " states searched, none left\n";
        return 3;
    case SolveStatus::BudgetHit:
        out << "no win found: budget of " << so.budget << " states hit (" << r.states << " states searched)\n";
        return 3;
    case SolveStatus::Unusable: break;
    }
    err << "vortan-board: cannot solve " << path << ": " << r.error << "\n";
    return 1;
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
    if (cmd == "solve" && args.size() >= 2)
        return cmdSolve(args[1], std::vector<std::string>(args.begin() + 2, args.end()), out, err);
    return usage(err);
}

}  // namespace vortan
