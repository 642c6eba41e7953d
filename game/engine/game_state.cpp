#include "game_state.h"

#include <fstream>

namespace vortan {

const char* gameStateName(GameState s) {
    switch (s) {
    case GameState::Idle: return "Idle";
    case GameState::Playing: return "Playing";
    case GameState::GameOver: return "GameOver";
    case GameState::Paused: return "Paused";
    case GameState::DemoPlaying: return "DemoPlaying";
    case GameState::DemoRecording: return "DemoRecording";
    case GameState::DemoOver: return "DemoOver";
    case GameState::RecordingOver: return "RecordingOver";
    case GameState::OpeningMessage: return "OpeningMessage";
    }
    return "Unknown";
}

const char* gameOutcomeName(GameOutcome o) {
    switch (o) {
    case GameOutcome::Undecided: return "Undecided";
    case GameOutcome::Won: return "Won";
    case GameOutcome::Lost: return "Lost";
    }
    return "Unknown";
}

void CZembrikDoc::applyRead(const BoardDefinition& read, const ReadResult& result) {
    if (result.stringsRead >= 1) versionTag = read.versionTag;
    if (result.stringsRead >= 2) gameName = read.gameName;
    if (result.stringsRead >= 3) openingMessage = read.openingMessage;
    for (int i = 0; i < result.valuesRead; ++i) {
        std::int32_t v = static_cast<std::int32_t>(read.value(i));
        // Limits (time, moves, both box times, lives) of 0 are switched off.
        if (i >= 4 && i <= 8 && v == 0) v = kOff;
        *valuePointer(i) = v;
    }
    if (result.valuesRead == BoardDefinition::kValueCount) playBoard.init(boardWidth, boardHeight);
    for (int k = 0; k < result.cellsRead; ++k) {
        const int x = k / kGridSize, y = k % kGridSize;
        const BoardCell& c = read.cells[x][y];
        playBoard.setCell(x, y, static_cast<std::int32_t>(c.region), static_cast<std::int32_t>(c.box),
                          static_cast<std::int32_t>(c.number));
    }
}

LoadResult CZembrikDoc::loadBoardStream(std::istream& in) {
    ++loadGeneration;
    hintUsed = false;
    playBoard.clear();
    BoardDefinition read;
    const ReadResult result = ReadBoard(in, read);
    applyRead(read, result);
    LoadResult outcome = LoadResult::Loaded;
    switch (result.status) {
    case ReadStatus::Ok: break;
    case ReadStatus::WrongVersion: outcome = LoadResult::WrongVersion; break;
    case ReadStatus::Truncated: outcome = LoadResult::Truncated; break;
    case ReadStatus::Malformed: outcome = LoadResult::Malformed; break;
    }
    // A damaged file still leaves a consistent game: the countdowns start
    // from whatever values were read.
    startCountdowns();
    playBoard.refreshYourPosition();
    return outcome;
}

LoadResult CZembrikDoc::loadBoardFile() {
    std::ifstream in(boardPath, std::ios::binary);
    if (!in) return LoadResult::NotOpened;
    return loadBoardStream(in);
}

LoadResult CZembrikDoc::openDocument(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return LoadResult::NotOpened;
    {
        BoardDefinition probe;
        const ReadResult r = ReadBoard(in, probe);
        if (r.status == ReadStatus::Truncated) return LoadResult::Truncated;
        if (r.status == ReadStatus::Malformed) return LoadResult::Malformed;
    }
    in.clear();
    in.seekg(0);
    const LoadResult result = loadBoardStream(in);
    startRun(RunKind::Played);
    return result;
}

LoadResult CZembrikDoc::openRun() {
    gameState_ = GameState::OpeningMessage;
    const LoadResult result = loadBoardFile();
    gameOutcome = GameOutcome::Undecided;
    return result;
}

void CZembrikDoc::startRun(RunKind kind) {
    switch (kind) {
    case RunKind::Played: gameState_ = GameState::Playing; break;
    case RunKind::Demo: gameState_ = GameState::DemoPlaying; break;
    case RunKind::Recording: gameState_ = GameState::DemoRecording; break;
    }
}

LoadResult CZembrikDoc::openRun(std::istream& board) {
    gameState_ = GameState::OpeningMessage;
    const LoadResult result = loadBoardStream(board);
    gameOutcome = GameOutcome::Undecided;
    return result;
}

LoadResult CZembrikDoc::openAndStartRun(std::istream& board, RunKind kind) {
    const LoadResult result = openRun(board);
    startRun(kind);
    return result;
}

GameState CZembrikDoc::pause() {
    const GameState before = gameState_;
    if (before != GameState::Idle) gameState_ = GameState::Paused;
    return before;
}

void CZembrikDoc::resume(GameState before) { gameState_ = before; }

namespace {
// The over state of a running state; others have none.
bool overStateOf(GameState running, GameState& over) {
    switch (running) {
    case GameState::Playing: over = GameState::GameOver; return true;
    case GameState::DemoPlaying: over = GameState::DemoOver; return true;
    case GameState::DemoRecording: over = GameState::RecordingOver; return true;
    default: return false;
    }
}
}  // namespace

void CZembrikDoc::winRun() {
    if (!overStateOf(gameState_, gameState_)) gameState_ = GameState::GameOver;
    gameOutcome = GameOutcome::Won;
}

void CZembrikDoc::loseRun() {
    overStateOf(gameState_, gameState_);
    gameOutcome = GameOutcome::Lost;
}

void CZembrikDoc::endRun() { gameState_ = GameState::Idle; }

void CZembrikDoc::startCountdowns() {
    gameOutcome = GameOutcome::Undecided;
    endTicks = 0;
    timeLeft = timeLimit;
    movesLeft = moveLimit;
    numberBoxTimeLeft = numberBoxTimeLimit;
    starBoxTimeLeft = starBoxTimeLimit;
    score = timeLimit;
    movesMade = 0;
}

void CZembrikDoc::tickCountdowns() {
    for (std::int32_t* c : {&timeLeft, &numberBoxTimeLeft, &starBoxTimeLeft, &score})
        if (*c > 0) --*c;
}

void CZembrikDoc::countMove() {
    ++movesMade;
    if (movesLeft > 0) --movesLeft;
}

void CZembrikDoc::ClearDemoMoves() {
    for (auto& m : demoMoves_) m = 0;
    demoMoves_[150] = 6;
}

std::int32_t CZembrikDoc::GetDemoMove(int i) const {
    return i >= 0 && i < kDemoMoveCount ? demoMoves_[i] : 0;
}

void CZembrikDoc::SetDemoMove(int i, std::int32_t value) {
    if (i >= 0 && i < kDemoMoveCount) demoMoves_[i] = value;
}

}  // namespace vortan
