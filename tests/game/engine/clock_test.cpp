#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_boards.h"

using namespace vortan;
using namespace vortan::test;
using ::testing::ElementsAre;

namespace {
// A board that cannot end by itself: a Star box nobody reaches.
BoardDefinition runningBoard() {
    BoardDefinition b = openBoard();
    put(b, 5, 5, BoxCode::Star, RegionCode::White);
    put(b, 12, 12, BoxCode::Your);
    return b;
}
}  // namespace

TEST(Clock, CountdownsTickAndWarnInTheirLastThirtySeconds) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 31;
    b.numberBoxTimeLimit = 100;
    Game g(b);
    g.ticks(1);
    EXPECT_EQ(g.doc.timeLeft, 30);
    EXPECT_EQ(g.doc.score, 30);
    EXPECT_EQ(g.doc.numberBoxTimeLeft, 99);
    EXPECT_EQ(g.doc.starBoxTimeLeft, kOff);
    EXPECT_THAT(g.fx.sounds, ElementsAre("CLICK"));
    EXPECT_THAT(g.fx.log, ElementsAre("panel background", "panel name", "sound CLICK", "panel values", "present",
                                      "showMove None", "present"));
    g.rules.settings.musicOn = 1;
    g.fx.log.clear();
    g.ticks(1);
    EXPECT_THAT(g.fx.log, ElementsAre("panel background", "panel name", "sound CLICK", "panel values", "present",
                                      "music start", "showMove None", "present"));

    // Each clock warns on its own: the star clock alone.
    BoardDefinition star = runningBoard();
    star.starBoxTimeLimit = 30;
    Game h(star);
    h.ticks(1);
    EXPECT_EQ(h.doc.starBoxTimeLeft, 29);
    EXPECT_THAT(h.fx.sounds, ElementsAre("CLICK"));
}

TEST(Clock, RunningOutOfTimeLosesTheGame) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 1;
    Game g(b);
    g.ticks(1);
    EXPECT_EQ(g.doc.timeLeft, kRanOut);
    EXPECT_EQ(g.doc.score, 0);
    EXPECT_EQ(g.doc.gameState(), GameState::GameOver);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Lost);
    EXPECT_THAT(g.fx.events(),
                ElementsAre("hit 12 12", "lost 12 12", "music stop", "sound SDEATH", "game lost"));
    // The time is painted as lost before the animation.
    auto at = [&](const std::string& e) { return std::find(g.fx.log.begin(), g.fx.log.end(), e) - g.fx.log.begin(); };
    EXPECT_LT(at("panel time lost"), at("hit 12 12"));
}

TEST(Clock, TwoBoxCountdownsEndingTogetherLoseOnce) {
    BoardDefinition b = runningBoard();
    b.numberBoxTimeLimit = 3;
    b.starBoxTimeLimit = 3;
    Game g(b);
    g.ticks(3);
    EXPECT_EQ(g.doc.numberBoxTimeLeft, kRanOut);
    EXPECT_EQ(g.doc.starBoxTimeLeft, kRanOut);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound CLICK", "sound CLICK", "hit 12 12", "lost 12 12", "hit 12 12",
                                           "lost 12 12", "music stop", "sound SDEATH", "game lost"));
}

TEST(Clock, OffLimitsNeverRunOut) {
    Game g(runningBoard());
    g.ticks(500);
    EXPECT_EQ(g.doc.gameState(), GameState::Playing);
    EXPECT_EQ(g.doc.timeLeft, kOff);
    EXPECT_EQ(g.doc.score, kOff);
    EXPECT_TRUE(g.fx.sounds.empty());
}

TEST(Clock, QuietStatesStopTheClock) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 40;
    for (GameState s : {GameState::Paused, GameState::Idle, GameState::OpeningMessage}) {
        Game g(b);
        enterState(g.doc, s);
        g.ticks(60);
        EXPECT_EQ(g.doc.timeLeft, 40);
        EXPECT_THAT(g.fx.log, ::testing::Each("present"));
    }
}

TEST(Clock, ThirtyTicksAfterTheEndTheTitleReturnsEvenWithTheDialogUp) {
    BoardDefinition b = runningBoard();
    b.timeLimit = 1;
    Game g(b);
    int ticksInDialog = 0;
    g.fx.onEnd = [&](const std::string&) {
        // The player leaves the dialog up for 40 seconds.
        for (int i = 0; i < 40; ++i, ++ticksInDialog) g.rules.OnTimer();
    };
    g.ticks(1);
    EXPECT_EQ(ticksInDialog, 40);
    EXPECT_EQ(g.doc.gameState(), GameState::Idle);
    EXPECT_EQ(std::count(g.fx.log.begin(), g.fx.log.end(), "invalidate"), 1);
    EXPECT_EQ(g.doc.endTicks, 30);
    EXPECT_EQ(g.doc.timeLeft, kRanOut);  // the values stay as they ended
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
    BoardDefinition b = runningBoard();
    Game g(b, RunKind::Demo);
    g.doc.SetDemoMove(0, 4);
    g.doc.SetDemoMove(1, 0);
    g.doc.SetDemoMove(2, 1);
    g.doc.SetDemoMove(3, 5);  // not a direction: a pause
    g.ticks(1);
    EXPECT_EQ(g.box(13, 12), code(BoxCode::Your));
    g.ticks(1);
    EXPECT_EQ(g.box(13, 12), code(BoxCode::Your));
    g.ticks(2);
    EXPECT_EQ(g.box(13, 11), code(BoxCode::Your));
    EXPECT_EQ(g.rules.recordIndex, 4);
    // Past the end of the list nothing moves and the index stays in range.
    g.rules.recordIndex = 150;
    g.doc.SetDemoMove(150, 2);
    g.ticks(5);
    EXPECT_EQ(g.box(13, 12), code(BoxCode::Your));
    EXPECT_EQ(g.rules.recordIndex, 151);
}

TEST(Clock, DemoEndsWithItsMessagesAndNoDialogs) {
    BoardDefinition b = openBoard();
    region(b, 10, 8, RegionCode::Blue);
    put(b, 10, 9, BoxCode::Star);
    put(b, 10, 10, BoxCode::Your);
    Game g(b, RunKind::Demo);
    g.doc.SetDemoMove(0, 1);
    g.ticks(1);
    EXPECT_EQ(g.doc.gameState(), GameState::DemoOver);
    EXPECT_EQ(g.doc.gameOutcome, GameOutcome::Won);
    g.ticks(1);
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ESTAR", "pickup 10 9"));
    g.ticks(1);  // two ticks after the end
    EXPECT_THAT(g.fx.events(), ElementsAre("sound ESTAR", "pickup 10 9", "demo over"));
    g.ticks(28);
    EXPECT_EQ(g.doc.gameState(), GameState::Idle);

    Game r(b, RunKind::Recording);
    r.key(Direction::Up);
    EXPECT_EQ(r.doc.gameState(), GameState::RecordingOver);
    r.ticks(2);
    EXPECT_EQ(r.fx.events().back(), "recording over");

    // A recording lost by its clock ends as a recording, with no loss sequence.
    BoardDefinition timed = b;
    timed.timeLimit = 1;
    Game lost(timed, RunKind::Recording);
    lost.ticks(1);
    EXPECT_EQ(lost.doc.gameState(), GameState::RecordingOver);
    EXPECT_EQ(lost.doc.gameOutcome, GameOutcome::Lost);
    lost.ticks(2);
    EXPECT_THAT(lost.fx.events(), ElementsAre("hit 10 10", "lost 10 10", "recording over"));
}
