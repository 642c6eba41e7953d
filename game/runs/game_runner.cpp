#include "game_runner.h"

#include <sstream>

#include "board/file_io.h"
#include "demo_text.h"
#include "board/tr_noop.h"

namespace vortan {

// The game's own messages and captions: the window shows them translated
// from context "GameRunner" (a board's texts have no translation there).
const char* const kDemoEndedMessage = VORTAN_TR_NOOP("GameRunner",
    "The Demo is now over.\nNote: There are a variety\nof other types of regions\nand boxes to discover\nin "
    "Vortan.\nSee Help File for Details.");
const char* const kRecordingStartMessage = VORTAN_TR_NOOP("GameRunner", "You can now make a demo");
const char* const kRecordingEndedMessage = VORTAN_TR_NOOP("GameRunner", "You have now finished\n making the demo!");
const char* const kHintedWinMessage =
    VORTAN_TR_NOOP("GameRunner", "A hint was used in this game,\nso no high score is filed.");

namespace {
const char* const kOptionsFile = "Options.dat";
const char* const kDemoGame = "demogame.dat";
const char* const kDemoMoves = "demomoves.dat";

std::int32_t inRange(std::int32_t v, std::int32_t count) { return v >= 0 && v < count ? v : 0; }

// Traditional/Original, Mixed/Special Effects, Blues/Artistic.
constexpr std::int32_t kStyleCount = 3;
}  // namespace

void GameRunner::takeStyles(std::int32_t graphics, std::int32_t music, std::int32_t sound) {
    // The file keeps what was written (-1 for a group left unchecked), but
    // nothing can be drawn or played in a style that does not exist.
    GameSettings& s = rules_.settings;
    s.graphicsStyle = inRange(graphics, kStyleCount);
    s.musicStyle = inRange(music, kStyleCount);
    s.soundStyle = inRange(sound, kStyleCount);
}

std::string GameRunner::highScoreFileName(int version) { return MakeNumberedName("HIScore", version, ".dat"); }

bool GameRunner::readOrCreateOptions(OptionsRecord& rec) {
    if (ReadOptions(readPath(kOptionsFile), rec)) return true;
    rec = OptionsRecord{};
    WriteOptions(writePath(kOptionsFile), rec);
    return false;
}

void GameRunner::takeSelection(const OptionsRecord& rec) {
    // A damaged file must not select a game outside the catalogue.
    selectedVersion = inRange(rec.version, kVersionCount);
    selectedSeries = inRange(rec.series, kSeriesCount);
    selectedGame = inRange(rec.game, kGamesPerSeries);
}

OptionsRecord GameRunner::LoadOptions() {
    OptionsRecord rec;
    if (readOrCreateOptions(rec)) {
        takeStyles(rec.graphicsStyle, rec.musicStyle, rec.soundStyle);
        takeSelection(rec);
    }
    return rec;
}

void GameRunner::OnPlay() {
    const OptionsRecord asRead = LoadOptions();
    playDialog_.FillSeriesLabels(selectedVersion);
    playDialog_.version = selectedVersion;
    playDialog_.series = selectedSeries;
    playDialog_.game = selectedGame;
    for (int v = 0; v < kVersionCount; ++v) {
        highScores_.ensureAndRead(writePath(highScoreFileName(v)));
        playDialog_.setScores(v, highScores_);
    }

    playDialog_.onOpen();
    const bool play = win_.showPlayGame(playDialog_);

    if (playDialog_.resetRequested) {
        for (int v = 0; v < kVersionCount; ++v) {
            const std::string name = writePath(highScoreFileName(v));
            if (!HighScoreTable::HighScoreFileExists(name)) continue;
            highScores_.ReadHighScores(name);
            highScores_.ClearHighScores();
            highScores_.WriteHighScores(name);
        }
    }
    if (!play) return;

    const std::int32_t version = inRange(playDialog_.version, kVersionCount);
    const std::int32_t series = inRange(playDialog_.series, kSeriesCount);
    const std::int32_t game = inRange(playDialog_.game, kGamesPerSeries);
    selectedVersion = version;
    WriteOptions(writePath(kOptionsFile),
                 OptionsRecord{asRead.graphicsStyle, asRead.musicStyle, asRead.soundStyle, version, series, game});
    doc_.playedSeries = series;
    doc_.playedGame = game;
    doc_.boardPath = readPath(boardFileName(version, series, game));

    doc_.openRun();
    beginPlayedRun();
}

void GameRunner::PlayRandom(const BoardDefinition& board, int difficulty, const std::string& id) {
    randomBoard_ = board;
    std::istringstream bytes(EncodeBoard(randomBoard_));
    doc_.playedSeries = -1;
    doc_.playedGame = -1;
    doc_.boardPath.clear();
    doc_.openRun(bytes);
    randomId_ = id;
    randomDifficulty_ = difficulty;
    randomGeneration_ = doc_.loadGeneration;
    beginPlayedRun();
}

bool GameRunner::currentBoard(BoardDefinition& out) const {
    if (playingRandom()) {
        out = randomBoard_;
        return true;
    }
    if (doc_.boardPath.empty()) return false;
    BoardDefinition read;
    read.ClearCells();
    const FileReadResult r = ReadBoardFile(doc_.boardPath, read);
    if (!r.opened || !r.read.ok()) return false;
    out = read;
    return true;
}

RandomRecords GameRunner::readRandomRecords() const {
    RandomRecords records;
    records.read(writePath(RandomRecords::kFileName));
    return records;
}

void GameRunner::fileRandomResult() {
    RandomRecords records = readRandomRecords();
    if (records.addWin(randomDifficulty_, doc_.movesMade, doc_.timeLeft, randomId_))
        records.write(writePath(RandomRecords::kFileName));
}

void GameRunner::beginPlayedRun() {
    win_.invalidate();
    rules_.playSound(Sound::Start);
    win_.showMessage(doc_.openingMessage, VORTAN_TR_NOOP("GameRunner", "Opening Message"));
    rules_.playSound(Sound::Start);
    rules_.musicActive = 1;
    if (rules_.settings.musicOn == 1) rules_.startMusic();
    doc_.startRun(RunKind::Played);
}

void GameRunner::OnPause() {
    if (doc_.gameState() == GameState::Idle) return;
    const GameState before = doc_.pause();
    fx_.stopMusic();
    rules_.musicActive = 0;
    win_.showPause();
    doc_.resume(before);
    rules_.musicActive = 1;
    if (rules_.settings.musicOn == 1 && !fx_.isMusicPlaying()) rules_.startMusic();
}

void GameRunner::OnEndGame() {
    fx_.stopMusic();
    rules_.playSound(Sound::Death);
    rules_.musicActive = 0;
    doc_.endRun();
    win_.invalidate();
}

void GameRunner::demoMusic() {
    rules_.musicActive = 1;
    if (rules_.settings.musicOn == 1 && !fx_.isMusicPlaying()) rules_.startMusic();
}

void GameRunner::startDemoRun() {
    doc_.boardPath = readPath(kDemoGame);
    doc_.openRun();
}

void GameRunner::openDemoRun(const char* demoMessage) {
    win_.invalidate();
    rules_.playSound(Sound::DemoStart);
    win_.showMessage(doc_.openingMessage, VORTAN_TR_NOOP("GameRunner", "Opening Message"));
    rules_.playSound(Sound::DemoStart);
    demoMusic();
    win_.showMessage(demoMessage, VORTAN_TR_NOOP("GameRunner", "Demo Message"));
}

void GameRunner::OnDemo() {
    LoadOptions();
    rules_.recordIndex = 0;
    startDemoRun();
    std::int32_t moves[kDemoMoveCount];
    if (ReadDemoMovesFile(readPath(kDemoMoves), moves)) {
        for (int i = 0; i < kDemoMoveCount; ++i) doc_.SetDemoMove(i, moves[i]);
    } else {
        // A missing list is created from a cleared one, so the demo only waits.
        doc_.ClearDemoMoves();
        WriteDemoMovesFile(writePath(kDemoMoves), doc_.demoMoves());
        if (ReadDemoMovesFile(readPath(kDemoMoves), moves))
            for (int i = 0; i < kDemoMoveCount; ++i) doc_.SetDemoMove(i, moves[i]);
    }
    openDemoRun(kDemoAboutToPlayMessage);
    doc_.startRun(RunKind::Demo);
}

void GameRunner::OnMakeDemo() {
    rules_.recordIndex = 0;
    doc_.ClearDemoMoves();
    startDemoRun();
    openDemoRun(kRecordingStartMessage);
    doc_.startRun(RunKind::Recording);
}

void GameRunner::OnOptions() {
    OptionsRecord rec;
    if (readOrCreateOptions(rec)) {
        optionsFields_[0] = rec.graphicsStyle;
        optionsFields_[1] = rec.musicStyle;
        optionsFields_[2] = rec.soundStyle;
        takeSelection(rec);
    }
    if (!win_.showOptions(optionsFields_)) return;
    WriteOptions(writePath(kOptionsFile), OptionsRecord{optionsFields_[0], optionsFields_[1], optionsFields_[2],
                                                        rec.version, rec.series, rec.game});
    takeStyles(optionsFields_[0], optionsFields_[1], optionsFields_[2]);
    win_.stylesChanged();
    win_.reopenMusic(rules_.settings.musicOn == 1 && rules_.musicActive == 1);
}

void GameRunner::gameEnded(const GameEnd& end) {
    if (end.outcome == GameOutcome::Won) {
        win_.showGameWon();
        if (doc_.hintUsed)
            win_.showMessage(kHintedWinMessage, VORTAN_TR_NOOP("GameRunner", "Game Message"));
        else if (playingRandom())
            fileRandomResult();
        else
            fileHighScore();
    } else {
        win_.showGameLost();
    }
}

void GameRunner::fileHighScore() {
    // Only a played game chosen from the catalogue has a place in the table.
    if (doc_.playedSeries < 0 || doc_.playedGame < 0) return;
    const std::string name = writePath(highScoreFileName(selectedVersion));
    highScores_.ensureAndRead(name);
    if (doc_.score < highScores_.GetHighScore(doc_.playedSeries, doc_.playedGame)) return;
    const std::string initials = win_.enterHighScore(doc_.score);
    highScores_.SetHighScore(doc_.playedSeries, doc_.playedGame, doc_.score, initials);
    highScores_.WriteHighScores(name);
}

void GameRunner::demoOver() { win_.showMessage(kDemoEndedMessage, VORTAN_TR_NOOP("GameRunner", "Demo Message")); }

void GameRunner::recordingOver() {
    win_.showMessage(kRecordingEndedMessage, VORTAN_TR_NOOP("GameRunner", "Demo. Message"));
    WriteDemoMovesFile(writePath(kDemoMoves), doc_.demoMoves());
}

}  // namespace vortan
