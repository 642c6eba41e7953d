// Building small boards for the rules tests and loading them the way the
// game does, through a board file.
#pragma once

#include <sstream>

#include "board/board_file.h"
#include "game/engine/game_rules.h"
#include "game/engine/recording_effects.h"

namespace vortan::test {

// A new board with a Yellow interior (where Your box may take boxes) and
// every limit switched off unless a test sets one.
inline BoardDefinition openBoard() {
    BoardDefinition b;
    for (int x = 1; x < 21; ++x)
        for (int y = 1; y < 21; ++y) b.Cell(x, y).region = RegionCode::Yellow;
    b.timeLimit = b.moveLimit = b.numberBoxTimeLimit = b.starBoxTimeLimit = b.numberOfLives = 0;
    return b;
}

inline void put(BoardDefinition& b, int x, int y, BoxCode box, RegionCode region = RegionCode::Yellow,
                std::uint32_t number = 0) {
    b.Cell(x, y) = BoardCell{region, box, number};
}

inline void region(BoardDefinition& b, int x, int y, RegionCode r) { b.Cell(x, y).region = r; }

inline LoadResult load(CZembrikDoc& doc, BoardDefinition b) {
    std::istringstream in(EncodeBoard(b));
    return doc.loadBoardStream(in);
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

    explicit Game(const BoardDefinition& b, RunKind kind = RunKind::Played) {
        rules.setRunListener(&fx);
        BoardDefinition copy = b;
        std::istringstream in(EncodeBoard(copy));
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
};

inline std::int32_t code(BoxCode b) { return static_cast<std::int32_t>(b); }

}  // namespace vortan::test
