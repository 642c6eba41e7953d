#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "board/board_file.h"
#include "board/file_io.h"
#include "game/engine/recording_effects.h"
#include "demo_text.h"
#include "game_runner.h"
#include "tests/support/fake_run_windows.h"
#include "tests/support/test_folder.h"

using namespace vortan;
using ::testing::ElementsAre;
using vortan::testing::FakeWindows;
using vortan::testing::testFolder;
namespace fs = std::filesystem;

namespace {

struct Run : ::testing::Test {
    fs::path dir;
    CZembrikDoc doc;
    RecordingEffects fx;
    GameRules rules{doc, fx};
    FakeWindows win{fx.log};
    GameRunner runner{doc, rules, fx, win, [this](const std::string& name, bool) { return (dir / name).string(); }};

    void SetUp() override { dir = testFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()); }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    std::string slurp(const std::string& name) const { return vortan::testing::slurp(at(name)); }
    // A board whose first Up takes its only Star box.
    static BoardDefinition starBoard(const std::string& message, std::uint32_t timeLimit) {
        BoardDefinition b;
        b.openingMessage = message;
        b.timeLimit = timeLimit;
        b.Cell(10, 8).region = RegionCode::Blue;
        b.Cell(10, 9) = {RegionCode::Yellow, BoxCode::Star, 0};
        b.Cell(10, 10) = {RegionCode::Yellow, BoxCode::Your, 0};
        return b;
    }
    void writeBoard(const std::string& name, const std::string& message, std::uint32_t timeLimit = 100) {
        BoardDefinition b = starBoard(message, timeLimit);
        ASSERT_TRUE(WriteBoardFile(at(name), b));
    }
    // Plays the catalogue's first game; the events so far are forgotten.
    void playFirstGame(std::uint32_t timeLimit, const std::string& message = "x") {
        writeBoard("alvor1.dat", message, timeLimit);
        runner.OnPlay();
        fx.log.clear();
    }
    std::vector<std::string> events() const {
        std::vector<std::string> out;
        for (const auto& e : fx.events())
            if (e != "invalidate") out.push_back(e);
        return out;
    }
};

}  // namespace

TEST_F(Run, PlayRunsItsStepsInOrderKeepsTheStylesAndFilesTheWinInTheChosenVersion) {
    ASSERT_TRUE(WriteOptions(at("Options.dat"), OptionsRecord{2, 1, 1, 0, 0, 0}));
    writeBoard("brenno37.dat", "Good luck");
    win.playGame = [](PlayGameModel& m) {
        EXPECT_EQ(m.version, 0);
        m.onVersion(1);
        m.onSeries(3);  // "Supergraphic"
        m.onGame(6);    // "Game 7"
        return true;
    };
    runner.OnPlay();
    EXPECT_THAT(events(), ElementsAre("dialog play", "sound SSTART", "message Opening Message: Good luck",
                                      "sound SSTART", "music start"));
    EXPECT_EQ(doc.gameState(), GameState::Playing);
    // Options remember the game; six high-score files exist.
    OptionsRecord r;
    ASSERT_TRUE(ReadOptions(at("Options.dat"), r));
    EXPECT_EQ(r, (OptionsRecord{2, 1, 1, 1, 3, 6}));
    EXPECT_EQ(rules.settings.graphicsStyle, 2);
    for (int v = 0; v < 6; ++v) EXPECT_EQ(slurp(GameRunner::highScoreFileName(v)), std::string(360, '\0'));

    // Won, the score goes to that version's table, at that series and game.
    rules.OnKeyDown(kKeyUp);
    HighScoreTable brenno;
    ASSERT_TRUE(brenno.ReadHighScores(at("HIScore1.dat")));
    EXPECT_EQ(brenno.GetHighScore(3, 6), 100);
    EXPECT_EQ(brenno.GetInitials(3, 6), "ABC");
}

TEST_F(Run, CancelLeavesTheRunningGameAndItsClock) {
    playFirstGame(2);
    // The game is lost by its clock while the Play Game dialog is up.
    win.whileUp = [this] {
        win.whileUp = nullptr;
        rules.OnTimer();
        rules.OnTimer();
    };
    win.playGame = [](PlayGameModel&) { return false; };
    runner.OnPlay();
    EXPECT_EQ(doc.gameState(), GameState::GameOver);
    EXPECT_THAT(events(), ElementsAre("dialog play", "sound CLICK", "hit 10 10", "lost 10 10", "music stop",
                                      "sound SDEATH", "dialog lost"));
}

TEST_F(Run, ResetClearsOnlyExistingFilesWhicheverButtonCloses) {
    HighScoreTable t;
    t.SetHighScore(0, 0, 50, "AAA");
    ASSERT_TRUE(t.WriteHighScores(at("HIScore0.dat")));
    win.playGame = [this](PlayGameModel& m) {
        EXPECT_EQ(m.shownScore, 50);
        EXPECT_EQ(m.shownInitials, "AAA");
        fs::remove(at("HIScore3.dat"));  // deleted while the dialog is up
        m.onResetHighScores();
        return false;
    };
    runner.OnPlay();
    EXPECT_EQ(slurp("HIScore0.dat"), std::string(360, '\0'));
    EXPECT_FALSE(fs::exists(at("HIScore3.dat")));
    EXPECT_EQ(doc.gameState(), GameState::Idle);
}

TEST_F(Run, AMissingBoardStartsThePreviousOne) {
    playFirstGame(100, "First board");
    doc.endRun();
    win.playGame = [](PlayGameModel& m) {
        m.onGame(4);  // alvor5.dat does not exist
        return true;
    };
    runner.OnPlay();
    EXPECT_EQ(doc.gameState(), GameState::Playing);
    EXPECT_THAT(events(), ::testing::Contains("message Opening Message: First board"));
}

TEST_F(Run, WinningFilesTheScoreAfterTheDialog) {
    playFirstGame(100);
    rules.OnTimer();  // 99 left
    rules.OnKeyDown(kKeyUp);
    EXPECT_THAT(events(), ElementsAre("sound ESTAR", "pickup 10 9", "music stop", "sound GEWON", "dialog won",
                                      "dialog high score 99"));

    // A lower score does not qualify; an equal one replaces, even cancelled.
    doc.score = 98;
    fx.log.clear();
    runner.fileHighScore();
    EXPECT_TRUE(fx.log.empty());
    doc.score = 99;
    win.initials = "";
    runner.fileHighScore();
    HighScoreTable t;
    ASSERT_TRUE(t.ReadHighScores(at("HIScore0.dat")));
    EXPECT_EQ(t.GetInitials(0, 0), "");
    // A board without a time limit scores -4 and never qualifies.
    doc.score = kOff;
    fx.log.clear();
    runner.fileHighScore();
    EXPECT_TRUE(fx.log.empty());
}

TEST_F(Run, AWinOnABoardNotChosenFromTheCatalogueOrWithAHintFilesNoScore) {
    writeBoard("board.dat", "x", 100);
    ASSERT_EQ(doc.openDocument(at("board.dat")), LoadResult::Loaded);
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(doc.gameOutcome, GameOutcome::Won);
    EXPECT_EQ(events().back(), "dialog won");  // and no high score dialog

    playFirstGame(100);
    doc.hintUsed = true;
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(doc.gameOutcome, GameOutcome::Won);
    EXPECT_EQ(events().back(), std::string("message Game Message: ") + kHintedWinMessage);
    // The next game starts without it.
    runner.OnPlay();
    EXPECT_FALSE(doc.hintUsed);
}

TEST_F(Run, PauseSuspendsAndRestoresTheState) {
    runner.OnPause();  // Idle: nothing shown
    EXPECT_TRUE(fx.log.empty());
    playFirstGame(50);
    win.whileUp = [this] { EXPECT_EQ(doc.gameState(), GameState::Paused); };
    runner.OnPause();
    EXPECT_EQ(doc.gameState(), GameState::Playing);
    EXPECT_EQ(rules.musicActive, 1);
    EXPECT_THAT(events(), ElementsAre("music stop", "dialog pause", "music start"));
}

TEST_F(Run, EndGameStopsARunningGame) {
    playFirstGame(100);
    runner.OnEndGame();
    EXPECT_THAT(events(), ElementsAre("music stop", "sound SDDEATH"));
    EXPECT_EQ(doc.gameState(), GameState::Idle);
    EXPECT_EQ(rules.musicActive, 0);
}

TEST_F(Run, DemoCreatesAMissingMoveListAndPlaysIt) {
    writeBoard("demogame.dat", "Demo board");
    runner.OnDemo();
    EXPECT_EQ(slurp("demomoves.dat"), std::string(300, '\0') + std::string("\x06\x00", 2));
    EXPECT_EQ(doc.gameState(), GameState::DemoPlaying);
    EXPECT_THAT(events(), ElementsAre("sound GSTART", "message Opening Message: Demo board", "sound GSTART",
                                      "music start", std::string("message Demo Message: ") + kDemoAboutToPlayMessage));

    std::int32_t moves[151] = {};
    moves[0] = 1;
    ASSERT_TRUE(WriteDemoMovesFile(at("demomoves.dat"), moves));
    runner.OnDemo();
    for (int tick = 0; tick < 3; ++tick) rules.OnTimer();  // Up takes the Star; the demo is over two ticks later
    EXPECT_THAT(events(), ::testing::Contains(std::string("message Demo Message: ") + kDemoEndedMessage));
}

TEST_F(Run, RecordingWritesTheMovesTwoTicksAfterTheEnd) {
    writeBoard("demogame.dat", "Demo board");
    runner.OnMakeDemo();
    EXPECT_EQ(doc.gameState(), GameState::DemoRecording);
    EXPECT_EQ(fx.log.back(), "message Demo Message: You can now make a demo");
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(doc.gameState(), GameState::RecordingOver);
    EXPECT_FALSE(fs::exists(at("demomoves.dat")));
    rules.OnTimer();
    EXPECT_FALSE(fs::exists(at("demomoves.dat")));
    // The moves are saved when the player has read the message.
    bool savedBeforeClosed = true;
    win.whileUp = [&] { savedBeforeClosed = fs::exists(at("demomoves.dat")); };
    rules.OnTimer();
    EXPECT_FALSE(savedBeforeClosed);
    EXPECT_EQ(events().back(), std::string("message Demo. Message: ") + kRecordingEndedMessage);
    const std::string bytes = slurp("demomoves.dat");
    ASSERT_EQ(bytes.size(), 302u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(300), std::string("\x06\x00", 2));
}

TEST_F(Run, OptionsDialogWritesTheStylesAndKeepsTheGame) {
    // Missing file: zeros first, the dialog opens with nothing checked.
    runner.OnOptions();
    EXPECT_EQ(fx.log.back(), "dialog options -1 -1 -1");
    EXPECT_EQ(slurp("Options.dat"), std::string(24, '\0'));

    ASSERT_TRUE(WriteOptions(at("Options.dat"), OptionsRecord{0, 0, 0, 1, 3, 6}));
    win.optionsChoice = {2, 0, -1};
    runner.OnOptions();
    OptionsRecord r;
    ASSERT_TRUE(ReadOptions(at("Options.dat"), r));
    EXPECT_EQ(r, (OptionsRecord{2, 0, -1, 1, 3, 6}));
    EXPECT_EQ(rules.settings.graphicsStyle, 2);
    EXPECT_EQ(rules.settings.soundStyle, 0);  // -1: the group was left unchecked
    EXPECT_THAT(fx.log, ::testing::IsSupersetOf({"styles", "music reopen play"}));
    // Cancel writes nothing.
    win.optionsChoice.reset();
    const std::string before = slurp("Options.dat");
    runner.OnOptions();
    EXPECT_EQ(slurp("Options.dat"), before);
}

TEST_F(Run, OutOfRangeOptionsAreTakenAsTheFirstChoice) {
    // Styles: -1 is what the dialog writes for a group left unchecked.
    ASSERT_TRUE(WriteOptions(at("Options.dat"), OptionsRecord{-1, 3, -7, 0, 0, 0}));
    runner.LoadOptions();
    EXPECT_EQ((std::array{rules.settings.graphicsStyle, rules.settings.musicStyle, rules.settings.soundStyle}),
              (std::array{0, 0, 0}));

    ASSERT_TRUE(WriteOptions(at("Options.dat"), OptionsRecord{1, 0, 0, 9, -3, 77}));
    runner.LoadOptions();
    EXPECT_EQ(rules.settings.graphicsStyle, 1);
    EXPECT_EQ((std::array{runner.selectedVersion, runner.selectedSeries, runner.selectedGame}),
              (std::array{0, 0, 0}));
    ASSERT_TRUE(WriteOptions(at("Options.dat"), OptionsRecord{0, 0, 0, 3, 2, 1}));
    win.playGame = [](PlayGameModel& m) {
        EXPECT_EQ(m.version, 3);
        EXPECT_EQ(m.seriesLabels[0], "Dovrin 1");
        return false;
    };
    runner.OnPlay();
}

TEST_F(Run, ARandomBoardPlaysAsPlayDoesAndFilesItsBestNotAHighScore) {
    BoardDefinition b = starBoard("Board E-1234-5678", 100);
    runner.PlayRandom(b, 1, "M-1234-5678");
    EXPECT_EQ(doc.gameState(), GameState::Playing);
    EXPECT_TRUE(runner.playingRandom());
    rules.OnTimer();
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(events().back(), "dialog won");  // and no high score dialog
    const RandomRecords records = runner.readRandomRecords();
    const RandomBest& best = records.best(1);
    EXPECT_EQ(best.fewestMoves, 1);
    EXPECT_EQ(best.mostTimeLeft, 99);
    EXPECT_EQ(best.fewestMovesId, "M-1234-5678");
    BoardDefinition shown;
    ASSERT_TRUE(runner.currentBoard(shown));
    EXPECT_EQ(EncodeBoard(shown), EncodeBoard(b));

    // A catalogue game afterwards is no random board any more.
    playFirstGame(100);
    EXPECT_FALSE(runner.playingRandom());
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(events().back(), "dialog high score 100");
}
