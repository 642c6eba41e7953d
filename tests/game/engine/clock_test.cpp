#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/engine_game.h"

using namespace vortan;
using namespace vortan::test;
using ::testing::ElementsAre;

namespace {
// A board that cannot end by itself: Your box cannot take a Star on White.
BoardDefinition runningBoard() { return room({"sY"}); }
}  // namespace

TEST(Clock, CountdownsTickAndEachWarnsInItsLastThirtySeconds) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 31;
    b.numberBoxTimeLimit = 100;
    Game g(b);
    g.ticks(1);
    EXPECT_EQ(g.doc.timeLeft, 30);
    EXPECT_EQ(g.doc.score, 30);
    EXPECT_EQ(g.doc.numberBoxTimeLeft, 99);
    EXPECT_EQ(g.doc.starBoxTimeLeft, kOff);
    EXPECT_THAT(g.fx.log, ElementsAre("panel background", "panel name", "sound CLICK", "panel values", "present",
                                      "showMove None", "present"));

    BoardDefinition star = runningBoard();
    star.starBoxTimeLimit = 30;
    Game h(star);
    h.ticks(1);
    EXPECT_EQ(h.doc.starBoxTimeLeft, 29);
    EXPECT_THAT(h.fx.sounds, ElementsAre("CLICK"));

    Game off(runningBoard());  // no limits: nothing runs out or warns
    off.ticks(500);
    EXPECT_EQ(off.doc.gameState(), GameState::Playing);
    EXPECT_EQ(off.doc.score, kOff);
    EXPECT_TRUE(off.fx.sounds.empty());
}

TEST(Clock, RunningOutLosesTheGameOnceAndThirtyTicksLaterTheTitleReturns) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 1;
    Game g(b);
    bool dialogUp = false;
    g.fx.onEnd = [&](const std::string&) {
        dialogUp = true;
        g.ticks(40);  // the player leaves the dialog up for 40 seconds
    };
    g.ticks(1);
    EXPECT_TRUE(dialogUp);
    EXPECT_EQ(g.doc.gameState(), GameState::Idle);
    EXPECT_EQ(g.doc.endTicks, 30);
    EXPECT_EQ(g.doc.timeLeft, kRanOut);  // the values stay as they ended
    EXPECT_EQ(g.doc.score, 0);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_THAT(g.fx.events(),
                ElementsAre("hit 2 1", "lost 2 1", "music stop", "sound SDEATH", "game lost", "invalidate"));
    // The time is painted as lost before the animation.
    auto at = [&](const char* e) { return std::find(g.fx.log.begin(), g.fx.log.end(), e) - g.fx.log.begin(); };
    EXPECT_LT(at("panel time lost"), at("hit 2 1"));

    // Both box countdowns ending together: two animations, one loss.
    BoardDefinition boxes = runningBoard();
    boxes.numberBoxTimeLimit = 3;
    boxes.starBoxTimeLimit = 3;
    Game h(boxes);
    h.ticks(3);
    EXPECT_EQ(h.doc.numberBoxTimeLeft, kRanOut);
    EXPECT_EQ(h.doc.starBoxTimeLeft, kRanOut);
    EXPECT_THAT(h.fx.events(), ElementsAre("sound CLICK", "sound CLICK", "hit 2 1", "lost 2 1", "hit 2 1",
                                           "lost 2 1", "music stop", "sound SDEATH", "game lost"));
}

TEST(Clock, QuietStatesStopTheClock) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 40;
    for (GameState s : {GameState::Paused, GameState::Idle, GameState::OpeningMessage}) {
        Game g(b);
        enterState(g.doc, s);
        g.ticks(60);
        EXPECT_EQ(g.doc.timeLeft, 40) << gameStateName(s);
        EXPECT_THAT(g.fx.log, ::testing::Each("present"));
    }
}

TEST(Clock, MusicRestartsAtTheTickAfterThePieceEnded) {
    Game g(runningBoard());
    g.rules.settings.musicOn = 1;
    g.fx.musicPlaying = true;
    g.ticks(1);
    EXPECT_EQ(std::count(g.fx.log.begin(), g.fx.log.end(), "music start"), 0);
    g.fx.musicPlaying = false;  // the piece has ended
    g.ticks(1);
    EXPECT_EQ(std::count(g.fx.log.begin(), g.fx.log.end(), "music start"), 1);
    g.rules.OnSoundMusic();  // off
    EXPECT_EQ(g.fx.log.back(), "music stop");
    g.fx.musicPlaying = false;
    g.ticks(3);
    EXPECT_EQ(std::count(g.fx.log.begin(), g.fx.log.end(), "music start"), 1);
    g.rules.OnSoundMusic();  // on again starts at once, game or not
    EXPECT_EQ(g.fx.log.back(), "music start");
}

TEST(Clock, DemoPlaybackPlaysOneEntryPerTick) {
    using Rows = std::vector<std::string>;
    BoardDefinition b = room({"s#..", "#.Y.", "#..."});
    Game g(b, RunKind::Demo);
    const std::int32_t entries[] = {4, 0, 1, 5};  // Right, none, Up, not a direction: a pause
    for (int i = 0; i < 4; ++i) g.doc.SetDemoMove(i, entries[i]);
    const Rows right = {"s#..", "#..Y", "#..."}, up = {"s#.Y", "#...", "#..."};
    const Rows seen[] = {right, right, up, up};
    for (const Rows& after : seen) {
        g.ticks(1);
        EXPECT_EQ(g.picture(3, 4), after);
    }
    EXPECT_EQ(g.rules.recordIndex, 4);
    // The last entry plays; past it nothing moves and the index stays in range.
    g.rules.recordIndex = 150;
    g.doc.SetDemoMove(150, 2);
    g.ticks(5);
    EXPECT_EQ(g.picture(3, 4), right);
    EXPECT_EQ(g.rules.recordIndex, 151);

    // The entry is played before the clock counts: a clock running out at
    // the first tick loses where that entry moved Your box.
    b.timeLimit = 1;
    Game timed(b, RunKind::Demo);
    timed.doc.SetDemoMove(0, 4);
    timed.ticks(1);
    EXPECT_THAT(timed.fx.events(), ElementsAre("hit 4 2", "lost 4 2"));
}

TEST(Clock, DemosAndRecordingsEndWithTheirMessagesAndNoDialogs) {
    BoardDefinition b = room({"S", "Y"});
    Game g(b, RunKind::Demo);
    g.doc.SetDemoMove(0, 1);
    g.ticks(1);
    EXPECT_EQ(g.doc.gameState(), GameState::DemoOver);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    g.ticks(1);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ESTAR", "pickup 1 1"));
    g.ticks(1);  // two ticks after the end
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ESTAR", "pickup 1 1", "demo over"));
    g.ticks(28);
    EXPECT_EQ(g.doc.gameState(), GameState::Idle);

    // A recording lost by its clock ends as a recording, with no loss sequence.
    b.timeLimit = 1;
    Game lost(b, RunKind::Recording);
    lost.ticks(1);
    EXPECT_EQ(lost.doc.gameState(), GameState::RecordingOver);
    EXPECT_EQ(lost.doc.gameOutcome, GameOutcome::Lost);
    lost.ticks(2);
    EXPECT_THAT(lost.fx.events(), ElementsAre("hit 1 2", "lost 1 2", "recording over"));
}
