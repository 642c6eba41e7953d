#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_boards.h"

using namespace vortan;
using namespace vortan::test;
using ::testing::ElementsAre;

namespace {
// Your box at (10, 10) with a wall above (10, 8): what stands at (10, 9) is
// taken by one move up.
BoardDefinition takeAbove(BoxCode box, std::uint32_t number = 0) {
    BoardDefinition b = openBoard();
    region(b, 10, 8, RegionCode::Blue);
    put(b, 10, 9, box, RegionCode::Yellow, number);
    put(b, 10, 10, BoxCode::Your);
    return b;
}
}  // namespace

TEST(Rules, TakingTheLastStarGoesOnUntilTheLastNumberWins) {
    BoardDefinition b = takeAbove(BoxCode::Star);
    put(b, 10, 20, BoxCode::Number, RegionCode::Yellow, 1);  // against the bottom wall
    b.starBoxTimeLimit = 60;
    b.numberBoxTimeLimit = 60;
    b.timeBoxTimeValue = 50;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.starBoxCount, 0);
    EXPECT_EQ(g.doc.gameState(), GameState::Playing);
    EXPECT_EQ(g.doc.starBoxTimeLeft, 110);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ESTAR", "pickup 10 9"));

    g.fx.log.clear();
    for (int i = 0; i < 10; ++i) g.key(Direction::Down);
    EXPECT_EQ(g.doc.numberBoxCount, 1);
    g.key(Direction::Down);
    EXPECT_EQ(g.doc.numberBoxCount, 0);
    EXPECT_EQ(g.doc.gameState(), GameState::GameOver);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    EXPECT_EQ(g.doc.starBoxTimeLeft, kDone);
    EXPECT_EQ(g.doc.numberBoxTimeLeft, kDone);
    EXPECT_THAT(g.fx.events(),
                ElementsAre("sound ENUMBER", "pickup 10 20", "music stop", "sound GEWON", "game won"));
}

TEST(Rules, MoveWarningsAndTheMoveLimit) {
    BoardDefinition b = openBoard();
    put(b, 5, 5, BoxCode::Star);  // never reached: keeps the game running
    b.moveLimit = 32;
    Game g(b);
    g.key(Direction::Down);  // 31 left: no click
    EXPECT_TRUE(g.fx.sounds.empty());
    g.key(Direction::Down);  // 30 left
    EXPECT_THAT(g.fx.sounds, ElementsAre("CLICK"));

    BoardDefinition one = openBoard();
    put(one, 5, 5, BoxCode::Star);
    put(one, 9, 9, BoxCode::Your);
    one.moveLimit = 1;
    Game h(one);
    h.key(Direction::Left);
    EXPECT_EQ(h.doc.movesLeft, kRanOut);
    EXPECT_EQ(h.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(h.doc.gameState(), GameState::GameOver);
    EXPECT_THAT(h.fx.events(),
                ElementsAre("hit 8 9", "lost 8 9", "music stop", "sound SDDEATH", "game lost"));
}

TEST(Rules, WinningWithTheLastAllowedMoveIsALoss) {
    BoardDefinition b = takeAbove(BoxCode::Star);
    b.moveLimit = 1;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(g.doc.starBoxTimeLeft, kDone);
    EXPECT_EQ(g.doc.movesLeft, kRanOut);

    // The last move takes every Star box but a Number box is left: the star
    // clock shows the Stars done, the number clock keeps its time.
    BoardDefinition half = takeAbove(BoxCode::Star);
    put(half, 3, 20, BoxCode::Number, RegionCode::Yellow, 1);
    half.moveLimit = 1;
    half.starBoxTimeLimit = 60;
    half.numberBoxTimeLimit = 60;
    Game h(half);
    h.key(Direction::Up);
    EXPECT_EQ(h.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(h.doc.starBoxTimeLeft, kDone);
    EXPECT_EQ(h.doc.numberBoxTimeLeft, 60);
}

TEST(Rules, BonusBoxes) {
    BoardDefinition mv = takeAbove(BoxCode::Move);
    put(mv, 3, 3, BoxCode::Star, RegionCode::White);
    mv.moveLimit = 5;
    mv.moveBoxMoveValue = 60;
    Game g(mv);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.movesLeft, 64);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound CLICK", "sound SDMOVE", "pickup 10 9"));

    BoardDefinition tm = takeAbove(BoxCode::Time);
    put(tm, 3, 3, BoxCode::Star, RegionCode::White);
    tm.timeLimit = 0;  // OFF: only the box countdowns grow
    tm.starBoxTimeLimit = 12;
    tm.numberBoxTimeLimit = 0;
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

TEST(Rules, HotBoxesCostALife) {
    BoardDefinition b = takeAbove(BoxCode::Hot);
    put(b, 3, 3, BoxCode::Star, RegionCode::White);
    b.numberOfLives = 2;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.numberOfLives, 1);
    EXPECT_EQ(g.box(10, 9), code(BoxCode::Your));
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDDIE", "hit 10 9", "resting 10 9"));

    b.numberOfLives = 1;
    Game h(b);
    h.key(Direction::Up);
    EXPECT_EQ(h.doc.numberOfLives, kRanOut);
    EXPECT_EQ(h.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_THAT(h.fx.events(), ElementsAre("sound SDDIE", "hit 10 9", "resting 10 9", "hit 10 9", "lost 10 9",
                                           "music stop", "sound SDDEATH", "game lost"));
}

TEST(Rules, RedCellsCostALifeAndTakeTheMoveBack) {
    BoardDefinition b = openBoard();
    put(b, 3, 3, BoxCode::Star, RegionCode::White);
    region(b, 10, 9, RegionCode::Red);
    put(b, 10, 10, BoxCode::Your);
    put(b, 15, 15, BoxCode::Free);
    put(b, 16, 16, BoxCode::Number, RegionCode::Yellow, 7);
    b.numberOfLives = 3;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.numberOfLives, 2);
    EXPECT_EQ(g.box(10, 10), code(BoxCode::Your));
    EXPECT_EQ(g.box(15, 15), code(BoxCode::Free));  // the whole board is back
    EXPECT_EQ(g.box(16, 16), code(BoxCode::Number));
    EXPECT_EQ(g.doc.playBoard.peek(16, 16).number, 7);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDDIE", "hit 10 9", "resting 10 9"));
    EXPECT_EQ(g.fx.log.back(), "present");
    EXPECT_EQ(g.doc.playBoard.yourY(), 10);

    b.numberOfLives = 0;  // OFF: costs nothing, still taken back
    Game off(b);
    off.key(Direction::Up);
    EXPECT_EQ(off.doc.numberOfLives, kOff);
    EXPECT_EQ(off.box(10, 10), code(BoxCode::Your));

    b.numberOfLives = 1;
    Game last(b);
    last.key(Direction::Up);
    EXPECT_EQ(last.box(10, 9), code(BoxCode::Your));  // dies on the Red cell
    EXPECT_EQ(last.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(last.doc.numberOfLives, kRanOut);
}

TEST(Rules, FreezeStillCountsTheMove) {
    BoardDefinition b = takeAbove(BoxCode::Freeze);
    put(b, 3, 3, BoxCode::Star, RegionCode::White);
    b.moveLimit = 100;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.movesLeft, 99);
    EXPECT_EQ(g.box(10, 10), code(BoxCode::Your));
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDFREEZE"));
}

TEST(Rules, CountsThatDisagreeWithTheBoard) {
    BoardDefinition b = takeAbove(BoxCode::Star);
    put(b, 3, 3, BoxCode::Star, RegionCode::White);
    put(b, 5, 5, BoxCode::Number, RegionCode::White, 1);
    std::string bytes = EncodeBoard(b);
    // Patch the stored star count to 0 behind the writer's back.
    bytes[25 + 2 * 11] = 0;
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
    doc.playBoard.setCell(10, 8, 0, code(BoxCode::Star), 0);
    doc.playBoard.setCell(10, 7, 1, 0, 0);
    rules.OnKeyDown(kKeyUp);
    EXPECT_EQ(doc.starBoxCount, -1);
    EXPECT_TRUE(fx.events().empty());
}

TEST(Rules, ABoardWithoutStarsOrNumbersIsWonByTheFirstMove) {
    Game g(openBoard());
    g.key(Direction::Right);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    g.fx.log.clear();
    g.key(Direction::Right);  // keys after the end do nothing
    EXPECT_TRUE(g.fx.log.empty());
}

TEST(Rules, EffectsSwitchSilencesSoundsOnly) {
    Game g(takeAbove(BoxCode::Star));
    g.rules.OnSoundEffects();
    g.key(Direction::Up);
    EXPECT_TRUE(g.fx.sounds.empty());
    EXPECT_THAT(g.fx.events(), ElementsAre("pickup 10 9", "music stop", "game won"));
}

TEST(Rules, PanelIsRedrawnAroundTheOutcomeOnlyWhenAnEndCheckCouldFire) {
    BoardDefinition b = openBoard();
    put(b, 3, 3, BoxCode::Star, RegionCode::White);
    put(b, 4, 4, BoxCode::Number, RegionCode::White, 1);
    b.moveLimit = 100;
    b.numberOfLives = 2;
    Game g(b);
    g.key(Direction::Left);
    EXPECT_THAT(g.fx.log, ElementsAre("showMove Left", "panel background", "panel values", "present"));
    g.fx.log.clear();
    g.doc.numberOfLives = kOff;  // OFF is nonzero: still one redraw
    g.key(Direction::Left);
    EXPECT_THAT(g.fx.log, ElementsAre("showMove Left", "panel background", "panel values", "present"));
    g.fx.log.clear();
    g.doc.starBoxCount = 0;  // a zero counter: the end checks may change the panel
    g.key(Direction::Left);
    EXPECT_THAT(g.fx.log, ElementsAre("showMove Left", "panel background", "panel values", "panel background",
                                      "panel values", "present"));
}

TEST(Rules, TheLastLifeLostShowsOnThePanelAtOnce) {
    BoardDefinition b = takeAbove(BoxCode::Hot);
    put(b, 3, 3, BoxCode::Star, RegionCode::White);
    b.numberOfLives = 1;
    Game g(b);
    g.fx.log.clear();
    g.key(Direction::Up);
    // After the loss the panel is painted again, now with lives "LOST".
    const auto hit = std::find(g.fx.log.begin(), g.fx.log.end(), "lost 10 9");
    ASSERT_NE(hit, g.fx.log.end());
    EXPECT_NE(std::find(hit, g.fx.log.end(), "panel values"), g.fx.log.end());
    EXPECT_EQ(g.doc.numberOfLives, kRanOut);
}
