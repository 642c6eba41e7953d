#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/engine_game.h"

using namespace vortan;
using namespace vortan::test;
using ::testing::ElementsAre;

namespace {
// Your box at (1, 2) under `box`, which one move up takes against the wall;
// a Star box on White beside it, which Your box cannot take, keeps the game
// running.
BoardDefinition takeAbove(char box) { return room({std::string(1, box) + "s", "Y,"}); }
}  // namespace

TEST(Rules, TakingTheLastStarGoesOnUntilTheLastNumberWins) {
    BoardDefinition b = room({"S", "Y", ".", "1"});
    b.starBoxTimeLimit = 60;
    b.numberBoxTimeLimit = 60;
    b.timeBoxTimeValue = 50;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.gameState(), GameState::Playing);
    EXPECT_EQ(g.doc.starBoxTimeLeft, 110);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ESTAR", "pickup 1 1"));

    g.fx.log.clear();
    for (int i = 0; i < 3; ++i) g.key(Direction::Down);
    EXPECT_EQ(g.doc.gameState(), GameState::GameOver);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    EXPECT_EQ(g.doc.starBoxTimeLeft, kDone);
    EXPECT_EQ(g.doc.numberBoxTimeLeft, kDone);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ENUMBER", "pickup 1 4", "music stop", "sound GEWON", "game won"));
}

TEST(Rules, TheMoveLimitWarnsFromThirtyAndItsLastMoveLosesEvenWhenItWins) {
    BoardDefinition b = takeAbove('.');
    b.moveLimit = 32;
    Game g(b);
    g.key(Direction::Down);  // 31 left: no click
    EXPECT_TRUE(g.fx.sounds.empty());
    g.key(Direction::Down);
    EXPECT_THAT(g.fx.sounds, ElementsAre("CLICK"));

    BoardDefinition last = room({"S", "Y"});
    last.moveLimit = 1;
    Game h(last);
    h.key(Direction::Up);
    EXPECT_EQ(h.doc.movesLeft, kRanOut);
    EXPECT_EQ(h.doc.starBoxTimeLeft, kDone);
    EXPECT_EQ(h.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_THAT(h.fx.events(), ElementsAre("sound ESTAR", "pickup 1 1", "hit 1 1", "lost 1 1", "music stop",
                                           "sound SDDEATH", "game lost"));

    // With a Number box left the number clock keeps its time.
    BoardDefinition half = room({"S", "Y", "1"});
    half.moveLimit = 1;
    half.numberBoxTimeLimit = 60;
    Game i(half);
    i.key(Direction::Up);
    EXPECT_EQ(i.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(i.doc.numberBoxTimeLeft, 60);
}

TEST(Rules, BonusBoxes) {
    BoardDefinition mv = takeAbove('M');
    mv.moveLimit = 5;
    mv.moveBoxMoveValue = 60;
    Game g(mv);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.movesLeft, 64);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound CLICK", "sound SDMOVE", "pickup 1 1"));

    BoardDefinition tm = takeAbove('T');
    tm.timeLimit = 0;  // OFF: only the box countdowns grow
    tm.starBoxTimeLimit = 12;
    tm.timeBoxTimeValue = 50;
    Game t(tm);
    t.key(Direction::Up);
    EXPECT_EQ(t.doc.timeLeft, kOff);
    EXPECT_EQ(t.doc.score, kOff);
    EXPECT_EQ(t.doc.starBoxTimeLeft, 62);
    EXPECT_EQ(t.doc.numberBoxTimeLeft, kOff);
    EXPECT_THAT(t.fx.events(), ElementsAre("sound SDTIME"));

    tm.timeLimit = 100;
    Game u(tm);
    u.key(Direction::Up);
    EXPECT_EQ(u.doc.timeLeft, 150);
    EXPECT_EQ(u.doc.score, 150);
}

TEST(Rules, HotBoxesCostALifeAndTheLastLossShowsOnThePanelAtOnce) {
    BoardDefinition b = takeAbove('H');
    b.numberOfLives = 2;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.numberOfLives, 1);
    EXPECT_EQ(g.box(1, 1), code(BoxCode::Your));
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDDIE", "hit 1 1", "resting 1 1"));

    b.numberOfLives = 1;
    Game h(b);
    h.key(Direction::Up);
    EXPECT_EQ(h.doc.numberOfLives, kRanOut);
    EXPECT_EQ(h.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_THAT(h.fx.events(), ElementsAre("sound SDDIE", "hit 1 1", "resting 1 1", "hit 1 1", "lost 1 1",
                                           "music stop", "sound SDDEATH", "game lost"));
    // The panel is painted again after the loss, now with lives "LOST".
    const auto lost = std::find(h.fx.log.begin(), h.fx.log.end(), "lost 1 1");
    EXPECT_NE(std::find(lost, h.fx.log.end(), "panel values"), h.fx.log.end());
}

TEST(Rules, RedCellsCostALifeAndTakeTheWholeMoveBack) {
    const std::vector<std::string> start = {"r.s", "Y7,"};
    BoardDefinition b = room(start);
    b.numberOfLives = 3;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.numberOfLives, 2);
    EXPECT_EQ(g.picture(2, 3), start);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDDIE", "hit 1 1", "resting 1 1"));
    EXPECT_EQ(g.fx.log.back(), "present");
    EXPECT_EQ(g.doc.playBoard.yourY(), 2);

    b.numberOfLives = 0;  // OFF: costs nothing, still taken back
    Game off(b);
    off.key(Direction::Up);
    EXPECT_EQ(off.doc.numberOfLives, kOff);
    EXPECT_EQ(off.picture(2, 3), start);

    b.numberOfLives = 1;
    Game last(b);
    last.key(Direction::Up);
    EXPECT_EQ(last.picture(2, 3), (std::vector<std::string>{"Y7s", "..,"}));  // dies on the Red cell
    EXPECT_EQ(last.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(last.doc.numberOfLives, kRanOut);
}

TEST(Rules, FreezeStillCountsTheMove) {
    BoardDefinition b = takeAbove('Z');
    b.moveLimit = 100;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.movesLeft, 99);
    EXPECT_EQ(g.box(1, 2), code(BoxCode::Your));
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDFREEZE"));
}

TEST(Rules, CountsThatDisagreeWithTheBoard) {
    BoardDefinition b = room({"#1", "S#", "Y#"});
    std::string bytes = EncodeBoard(b);
    bytes[25 + 2 * 11] = 0;  // the stored star count, behind the writer's back
    CZembrikDoc doc;
    RecordingEffects fx;
    GameRules rules(doc, fx);
    std::istringstream in(bytes);
    doc.openAndStartRun(in);
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(doc.starBoxCount, -1);
    EXPECT_EQ(doc.gameState(), GameState::Playing);
    fx.log.clear();
    // A second star taken with the count below 0 changes nothing and is silent.
    doc.playBoard.setCell(1, 1, 0, code(BoxCode::Star), 0);
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(doc.starBoxCount, -1);
    EXPECT_TRUE(fx.events().empty());
}

TEST(Rules, ABoardWithoutStarsOrNumbersIsWonByTheFirstMove) {
    Game g(room({"Y."}));
    g.key(Direction::Right);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    g.fx.log.clear();
    g.key(Direction::Left);  // keys after the end do nothing
    EXPECT_TRUE(g.fx.log.empty());
}

TEST(Rules, EffectsSwitchSilencesSoundsOnly) {
    Game g(room({"S", "Y"}));
    g.rules.OnSoundEffects();
    g.key(Direction::Up);
    EXPECT_TRUE(g.fx.sounds.empty());
    EXPECT_THAT(g.fx.events(), ElementsAre("pickup 1 1", "music stop", "game won"));
}

TEST(Rules, PanelIsRedrawnAroundTheOutcomeOnlyWhenAnEndCheckCouldFire) {
    BoardDefinition b = room({"1#Y", "s##"});  // neither box can be taken
    b.moveLimit = 100;
    b.numberOfLives = 2;
    Game g(b);
    const auto once = ElementsAre("showMove Left", "panel background", "panel values", "present");
    g.key(Direction::Left);
    EXPECT_THAT(g.fx.log, once);
    g.fx.log.clear();
    g.doc.numberOfLives = kOff;  // OFF is nonzero: still one redraw
    g.key(Direction::Left);
    EXPECT_THAT(g.fx.log, once);
    g.fx.log.clear();
    g.doc.starBoxCount = 0;  // a zero counter: the end checks may change the panel
    g.key(Direction::Left);
    EXPECT_THAT(g.fx.log, ElementsAre("showMove Left", "panel background", "panel values", "panel background",
                                      "panel values", "present"));
}
