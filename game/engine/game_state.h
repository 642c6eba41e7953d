// The game document: the play board, the game state and outcome, the loaded
// board's texts and values, the countdowns and the demo move list.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "board/board_file.h"
#include "play_board.h"

namespace vortan {

enum class GameState : std::int32_t {
    Idle = 0, Playing = 1, GameOver = 2, Paused = 3, DemoPlaying = 4,
    DemoRecording = 5, DemoOver = 6, RecordingOver = 7, OpeningMessage = 8
};
enum class GameOutcome : std::int32_t { Undecided = 0, Won = 1, Lost = 2 };

const char* gameStateName(GameState s);
const char* gameOutcomeName(GameOutcome o);

// Marker values held by counters in place of a number.
constexpr std::int32_t kNotAvailable = -1;  // "N.A."
constexpr std::int32_t kDone = -2;          // "DONE"
constexpr std::int32_t kRanOut = -3;        // "LOST"
constexpr std::int32_t kOff = -4;           // "OFF"

constexpr int kDemoMoveCount = 151;

// What a run is: a game played by hand, the demo playing itself, or a
// demo being recorded.
enum class RunKind { Played, Demo, Recording };

// Outcome of reading a board file into the document.
enum class LoadResult {
    Loaded,        // read completely (or wrong version: see loadBoardFile)
    WrongVersion,  // not a "Version 1" board: play board cleared, texts kept
    NotOpened,     // the file could not be opened: nothing changed
    Truncated,     // the file ended early
    Malformed,     // a string prefix that cannot be valid
};

// The loaded board's thirteen values (boardWidth ... numberBoxCount) come
// from BoardValues; limits of 0 are held as kOff.
class CZembrikDoc : public BoardValues<std::int32_t> {
public:
    CZembrikDoc() {
        numberOfLives = kNotAvailable;
        ClearDemoMoves();
    }

    PlayBoard playBoard;
    GameOutcome gameOutcome = GameOutcome::Undecided;

    GameState gameState() const { return gameState_; }

    // The game state changes only through these, so that every run goes
    // through the same steps whoever drives it.
    // A run opens: OpeningMessage while its board at boardPath is read and
    // its opening message is up; then it starts.
    LoadResult openRun();
    LoadResult openRun(std::istream& board);
    void startRun(RunKind kind);
    // Both at once from a board's bytes, for runs that show no message
    // (tools, tests).
    LoadResult openAndStartRun(std::istream& board, RunKind kind = RunKind::Played);
    // Pause: the state to resume with is returned. Idle cannot be paused.
    GameState pause();
    void resume(GameState before);
    // A running run ends won or lost: Playing, DemoPlaying and
    // DemoRecording become GameOver, DemoOver and RecordingOver. A win
    // reported in any other state ends as GameOver; a loss leaves it.
    void winRun();
    void loseRun();
    // Back to the title.
    void endRun();

    std::string versionTag;
    std::string gameName;
    std::string openingMessage;

    std::int32_t timeLeft = kNotAvailable;
    std::int32_t movesLeft = kNotAvailable;
    std::int32_t numberBoxTimeLeft = kNotAvailable;
    std::int32_t starBoxTimeLeft = kNotAvailable;
    std::int32_t score = kNotAvailable;
    // Moves made in this run, whatever the move limit.
    std::int32_t movesMade = 0;
    std::int32_t endTicks = 0;

    std::string boardPath;
    // Counts board loads, so that observers can tell one game from the next.
    std::uint32_t loadGeneration = 0;
    // A hint was shown in this game: it files no high score. Cleared by
    // every board load.
    bool hintUsed = false;
    std::int32_t playedGame = -1;
    std::int32_t playedSeries = -1;

    // Reads the board at boardPath into the play board and starts the
    // countdowns. A file that cannot be opened changes nothing; one that ends
    // early keeps what was read before its end.
    LoadResult loadBoardFile();
    LoadResult loadBoardStream(std::istream& in);

    // The Open command: the whole file is checked first, so a damaged file
    // leaves the running game untouched; a readable one starts Playing.
    LoadResult openDocument(const std::string& path);

    void startCountdowns();
    void tickCountdowns();
    void countMove();

    void ClearDemoMoves();
    // Out-of-range indexes read 0 and store nothing.
    std::int32_t GetDemoMove(int i) const;
    void SetDemoMove(int i, std::int32_t value);
    const std::int32_t* demoMoves() const { return demoMoves_; }


private:
    void applyRead(const BoardDefinition& read, const ReadResult& result);
    GameState gameState_ = GameState::Idle;
    std::int32_t demoMoves_[kDemoMoveCount] = {};
};

}  // namespace vortan
