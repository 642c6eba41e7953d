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

TEST(Rules, MoveTimeAndFreezeBoxes) {
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

    BoardDefinition fz = takeAbove('Z');  // Freeze takes the move back but counts it
    fz.moveLimit = 100;
    Game f(fz);
    f.key(Direction::Up);
    EXPECT_EQ(f.doc.movesLeft, 99);
    EXPECT_EQ(f.box(1, 2), code(BoxCode::Your));
    EXPECT_THAT(f.fx.events(), ElementsAre("sound SDFREEZE"));
}

TEST(Rules, HotBoxesAndRedCellsCostALife) {
    using Rows = std::vector<std::string>;
    const Rows hot = {"Hs", "Y,"}, red = {"r.s", "Y7,"};
    const struct {
        Rows before;
        std::uint32_t lives;
        std::int32_t left;
        Rows after;
    } cases[] = {
        {hot, 2, 1, {"Ys", ".,"}},
        {red, 3, 2, red},                   // the whole move is taken back
        {red, 0, kOff, red},                // OFF costs nothing; still taken back
        {red, 1, kRanOut, {"Y7s", "..,"}},  // the last life ends on the Red cell
        {hot, 1, kRanOut, {"Ys", ".,"}},
    };
    for (const auto& c : cases) {
        BoardDefinition b = room(c.before);
        b.numberOfLives = c.lives;
        Game g(b);
        g.key(Direction::Up);
        EXPECT_EQ(g.doc.numberOfLives, c.left) << c.before[0] << c.lives;
        EXPECT_EQ(g.picture(2, static_cast<int>(c.before[0].size())), c.after) << c.before[0] << c.lives;
        EXPECT_EQ(g.doc.gameOutcome, c.left == kRanOut ? GameOutcome::Lost : GameOutcome::Undecided);
    }

    BoardDefinition b = room(red);
    b.numberOfLives = 3;
    Game g(b);
    g.key(Direction::Up);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound SDDIE", "hit 1 1", "resting 1 1"));
    EXPECT_EQ(g.fx.log.back(), "present");  // the board shown again as it was
    EXPECT_EQ(g.doc.playBoard.yourY(), 2);

    b = room(hot);
    b.numberOfLives = 1;
    Game h(b);
    h.key(Direction::Up);
    EXPECT_THAT(h.fx.events(), ElementsAre("sound SDDIE", "hit 1 1", "resting 1 1", "hit 1 1", "lost 1 1",
                                           "music stop", "sound SDDEATH", "game lost"));
    // The panel is painted again after the loss, now with lives "LOST".
    const auto lost = std::find(h.fx.log.begin(), h.fx.log.end(), "lost 1 1");
    EXPECT_NE(std::find(lost, h.fx.log.end(), "panel values"), h.fx.log.end());
}

TEST(Rules, CountsThatDisagreeWithTheBoard) {
    BoardDefinition b = room({"#1", "S#", "Y#"});
    std::string bytes = EncodeBoard(b);
    bytes[25 + 2 * 11] = 0;  // the stored star count, behind the writer's back
    Game g(bytes);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.starBoxCount, -1);
    EXPECT_EQ(g.doc.gameState(), GameState::Playing);
    g.fx.log.clear();
    // A second star taken with the count below 0 changes nothing and is silent.
    g.doc.playBoard.setCell(1, 1, 0, code(BoxCode::Star), 0);
    g.key(Direction::Up);
    EXPECT_EQ(g.doc.starBoxCount, -1);
    EXPECT_TRUE(g.fx.events().empty());
}

TEST(Rules, ABoardWithoutStarsOrNumbersIsWonByTheFirstMoveAndSoundsCanBeOff) {
    Game g(room({"Y."}));
    g.key(Direction::Right);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    g.fx.log.clear();
    g.key(Direction::Left);  // keys after the end do nothing
    EXPECT_TRUE(g.fx.log.empty());

    Game quiet(room({"S", "Y", "1"}));
    quiet.rules.OnSoundEffects();  // off: every other effect stays
    quiet.key(Direction::Up);
    EXPECT_TRUE(quiet.fx.sounds.empty());
    EXPECT_THAT(quiet.fx.events(), ElementsAre("pickup 1 1"));
    quiet.rules.OnSoundEffects();  // on again
    quiet.key(Direction::Down);
    quiet.key(Direction::Down);
    EXPECT_THAT(quiet.fx.events(), ElementsAre("pickup 1 1", "sound ENUMBER", "pickup 1 3", "music stop",
                                               "sound GEWON", "game won"));
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
