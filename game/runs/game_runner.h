// Starting, pausing and ending game runs, the demo and its recording, the
// Options command and filing high scores. Plain C++: every window it needs
// goes through RunWindows, so the order of steps is tested without one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "catalogue.h"
#include "game/engine/game_rules.h"
#include "random_records.h"
#include "records.h"

namespace vortan {

class RunWindows {
public:
    virtual ~RunWindows() = default;
    // The Play Game dialog on the model; true when closed with "PLAY".
    virtual bool showPlayGame(PlayGameModel& model) = 0;
    // A modal message box with one OK button.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    virtual void showPause() = 0;
    // The Options dialog on its three fields (-1 for no choice); true on OK.
    virtual bool showOptions(std::int32_t (&fields)[3]) = 0;
    // The Enter High Score dialog: initials typed, empty when cancelled.
    virtual std::string enterHighScore(std::int32_t score) = 0;
    // "GAME  OVER" / "YOU WON" and "GAME OVER" / "YOU LOST".
    virtual void showGameWon() = 0;
    virtual void showGameLost() = 0;
    virtual void invalidate() = 0;
    // The styles changed: redraw in the new graphics style, take sounds from
    // the new sound style.
    virtual void stylesChanged() = 0;
    // Stop, open the music of the current style (an open piece stays open),
    // rewind, and play when asked.
    virtual void reopenMusic(bool play) = 0;
};

class GameRunner : public RunListener {
public:
    // `path(name, forWriting)` maps a file name of the installation folder
    // ("Options.dat", "alvor1.dat") to a real path.
    using PathMapper = std::function<std::string(const std::string& name, bool forWriting)>;

    GameRunner(CZembrikDoc& doc, GameRules& rules, GameEffects& effects, RunWindows& windows, PathMapper path)
        : doc_(doc), rules_(rules), fx_(effects), win_(windows), path_(std::move(path)) {
        rules_.setRunListener(this);
    }
    ~GameRunner() override { rules_.setRunListener(nullptr); }
    GameRunner(const GameRunner&) = delete;
    GameRunner& operator=(const GameRunner&) = delete;

    // The working copies of the options' selection; the styles are in the
    // rules' settings.
    std::int32_t selectedVersion = 0;
    std::int32_t selectedSeries = 0;
    std::int32_t selectedGame = 0;

    // Reads the options into the working copies (a missing file is created
    // with zeros) and returns them as the file held them.
    OptionsRecord LoadOptions();
    void OnPlay();
    void OnPause();
    void OnEndGame();
    void OnDemo();
    void OnMakeDemo();
    void OnOptions();
    // Plays a random board as Play plays a catalogue board (opening message,
    // countdowns, music); its wins file no high score but go to the random
    // boards' records under `difficulty` (0 Easy .. 3 Expert).
    void PlayRandom(const BoardDefinition& board, int difficulty, const std::string& id);
    // The random board on screen: none once another board is loaded.
    bool playingRandom() const { return randomGeneration_ == doc_.loadGeneration && !randomId_.empty(); }
    const std::string& randomId() const { return randomId_; }
    // The board on screen as a board definition: the random board, or the
    // file it was loaded from. False when there is none.
    bool currentBoard(BoardDefinition& out) const;
    RandomRecords readRandomRecords() const;

    // How runs end, as the rules report it: the end dialogs, the high score
    // of a won game chosen from the catalogue, the demo's last message, the
    // recorded moves.
    void gameEnded(const GameEnd& end) override;
    void demoOver() override;
    void recordingOver() override;
    // A won game chosen from the catalogue: asks for initials when the
    // score reaches the stored one and files it.
    void fileHighScore();

    PlayGameModel& playDialog() { return playDialog_; }
    HighScoreTable& highScores() { return highScores_; }
    const std::int32_t* optionsDialogFields() const { return optionsFields_; }

    static std::string highScoreFileName(int version);

private:
    std::string readPath(const std::string& name) const { return path_(name, false); }
    std::string writePath(const std::string& name) const { return path_(name, true); }
    // Reads the options file; one that cannot be read is created with zeros,
    // which `rec` then holds. True when it could be read.
    bool readOrCreateOptions(OptionsRecord& rec);
    void takeSelection(const OptionsRecord& rec);
    void takeStyles(std::int32_t graphics, std::int32_t music, std::int32_t sound);
    void startDemoRun();
    // The board on screen, its opening message and the demo's own message.
    void openDemoRun(const char* demoMessage);
    void demoMusic();
    // The board is loaded: its opening message, then play with music.
    void beginPlayedRun();
    void fileRandomResult();

    CZembrikDoc& doc_;
    GameRules& rules_;
    GameEffects& fx_;
    RunWindows& win_;
    PathMapper path_;

    PlayGameModel playDialog_;
    HighScoreTable highScores_;
    std::int32_t optionsFields_[3] = {-1, -1, -1};
    BoardDefinition randomBoard_;
    std::string randomId_;
    int randomDifficulty_ = -1;
    std::uint32_t randomGeneration_ = 0;
};

extern const char* const kDemoEndedMessage;
extern const char* const kRecordingStartMessage;
extern const char* const kRecordingEndedMessage;
extern const char* const kHintedWinMessage;

}  // namespace vortan
