// The rules engine's tests: boards drawn in characters (search_boards.h),
// loaded the way the game loads them, through a board file, and played by a
// document, recorded effects and rules together.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "board/board_drawing.h"
#include "board/board_file.h"
#include "game/engine/game_rules.h"
#include "game/engine/recording_effects.h"
#include "tests/support/search_boards.h"

namespace vortan::test {

// A drawn board with every limit switched off unless a test sets one.
inline BoardDefinition room(const std::vector<std::string>& rows) {
    BoardDefinition b = drawn(rows);
    b.timeLimit = b.moveLimit = b.numberBoxTimeLimit = b.starBoxTimeLimit = b.numberOfLives = 0;
    return b;
}

inline LoadResult load(CZembrikDoc& doc, BoardDefinition b) {
    std::istringstream in(EncodeBoard(b));
    return doc.loadBoardStream(in);
}

// The current board from (1, 1), drawn as `drawn` reads it, except that a
// box shows whatever it stands on: a move then reads as boxes moving.
inline std::vector<std::string> picture(const PlayBoard& pb, int rows, int columns) {
    std::vector<std::string> out(static_cast<std::size_t>(rows));
    for (int y = 1; y <= rows; ++y)
        for (int x = 1; x <= columns; ++x) {
            const PlayCell& c = pb.peek(x, y);
            BoardCell cell{static_cast<RegionCode>(c.region), static_cast<BoxCode>(c.box),
                           static_cast<std::uint32_t>(c.number)};
            if (cell.box != BoxCode::Empty && charOfCell(cell) == '?')
                cell.region = cell.box == BoxCode::Exception ? RegionCode::Green : RegionCode::Yellow;
            out[static_cast<std::size_t>(y - 1)] += charOfCell(cell);
        }
    return out;
}

// Reaches `s` the way the game does.
inline void enterState(CZembrikDoc& doc, GameState s) {
    switch (s) {
    case GameState::Paused: doc.startRun(RunKind::Played); doc.pause(); break;
    case GameState::DemoPlaying: doc.startRun(RunKind::Demo); break;
    case GameState::DemoRecording: doc.startRun(RunKind::Recording); break;
    case GameState::GameOver: doc.startRun(RunKind::Played); doc.winRun(); break;
    case GameState::Idle: doc.endRun(); break;
    case GameState::OpeningMessage: doc.boardPath.clear(); doc.openRun(); break;
    default: break;
    }
}

// A document, recorded effects and rules, playing a board.
struct Game {
    CZembrikDoc doc;
    RecordingEffects fx;
    GameRules rules{doc, fx};

    explicit Game(BoardDefinition b, RunKind kind = RunKind::Played) : Game(EncodeBoard(b), kind) {}
    // A board file's bytes, as a test may have damaged them.
    explicit Game(const std::string& bytes, RunKind kind = RunKind::Played) {
        rules.setRunListener(&fx);
        std::istringstream in(bytes);
        doc.openAndStartRun(in, kind);
        rules.settings.musicOn = 0;  // music requests would crowd the recorded events
    }
    void key(Direction d) {
        static const int keys[] = {0, kKeyUp, kKeyDown, kKeyLeft, kKeyRight};
        rules.OnKeyDown(keys[static_cast<int>(d)]);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) rules.OnTimer();
    }
    std::int32_t box(int x, int y) const { return doc.playBoard.peek(x, y).box; }
    std::vector<std::string> picture(int rows, int columns) const {
        return test::picture(doc.playBoard, rows, columns);
    }
};

inline std::int32_t code(BoxCode b) { return static_cast<std::int32_t>(b); }

}  // namespace vortan::test
