#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/ui/music_player.h"
#include "tests/support/fake_audio.h"

using namespace vortan;
using ::testing::ElementsAre;
using FakeDevice = vortan::testing::FakeMidi;

TEST(MusicPlayer, StartStopAndTheEndOfAPiece) {
    FakeDevice dev;
    CMusicPlayer p(dev);
    // The game's startMusic: open, stop, seek to 0:00, play.
    ASSERT_TRUE(p.open("G0.MID"));
    p.stop();
    ASSERT_TRUE(p.seek(0, 0));
    ASSERT_TRUE(p.play());
    EXPECT_THAT(dev.log, ElementsAre("open G0.MID", "seek 0", "seek 0", "play 0"));
    EXPECT_EQ(p.isPlayingFlag(), 1);

    dev.log.clear();
    EXPECT_TRUE(p.open("G2.MID"));  // an open piece stays open
    p.stop();
    EXPECT_THAT(dev.log, ElementsAre("stop", "seek 0"));
    EXPECT_FALSE(p.isPlaying());

    p.play();
    dev.current = MidiMode::Stopped;  // the piece reached its end
    EXPECT_EQ(p.isPlayingFlag(), 1);  // noticed only when asked
    EXPECT_FALSE(p.isPlaying());
    EXPECT_EQ(p.isPlayingFlag(), 0);
}

TEST(MusicPlayer, AMissingFileLeavesItClosedAndEveryCommandDoesNothing) {
    FakeDevice dev;
    dev.fileThere = false;
    CMusicPlayer p(dev);
    EXPECT_FALSE(p.open("G0.MID"));
    EXPECT_FALSE(p.play());
    EXPECT_FALSE(p.seek(0, 0));
    p.stop();
    EXPECT_FALSE(p.isPlaying());
    EXPECT_THAT(dev.log, ElementsAre("open G0.MID"));
    dev.fileThere = true;  // the next occasion tries again
    EXPECT_TRUE(p.open("G0.MID"));
}

TEST(MusicPlayer, SeekWhilePlayingPausesSeeksAndPlaysAgainAndTheEndClosesTheDevice) {
    FakeDevice dev;
    {
        CMusicPlayer p(dev);
        p.open("G1.MID");
        p.play();
        dev.pos = 75300;  // 1:15.3 into the piece
        dev.log.clear();
        p.seek(0, 0);
        EXPECT_THAT(dev.log, ElementsAre("pause", "seek 0", "play 0"));
        dev.pos = 75300;
        dev.log.clear();
        dev.current = MidiMode::Stopped;
        p.isPlaying();
        p.play();  // from whole seconds
        EXPECT_THAT(dev.log, ElementsAre("play 75000"));
        dev.log.clear();
    }
    EXPECT_THAT(dev.log, ElementsAre("stop", "close"));
}
