// Which wave and MIDI files the game asks for at its events, in the styles
// of the options file (the switches are the rules' business).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>

#include "game/runs/records.h"
#include "game/ui/zembrik_view.h"
#include "tests/support/fake_audio.h"
#include "ui_test_support.h"

using namespace vortan;
using ::testing::ElementsAre;

namespace {

using vortan::testing::FakeMidi;
using vortan::testing::FakeWaves;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override { uitest::startTest(); }
    // The view reads the options file when it is made.
    void makeView(OptionsRecord options = {}) {
        WriteOptions(uitest::homePath("Options.dat"), options);
        view = std::make_unique<CZembrikView>(doc);
        uitest::prepareView(*view);
        view->useAudio(waves, midi);
    }
    void open(BoardDefinition b) {
        ASSERT_EQ(view->openBoardFile(uitest::writeBoard("sound.dat", b)), LoadResult::Loaded);
    }
    void key(Qt::Key k) { QTest::keyClick(view.get(), k); }

    FakeWaves waves;
    FakeMidi midi;
    CZembrikDoc doc;
    std::unique_ptr<CZembrikView> view;
};

// Your box at (18, 10); what lies at (20, 10) is met by the second Right.
BoardDefinition meeting(BoxCode box) {
    BoardDefinition b = uitest::plainBoard(18, 10);
    b.Cell(20, 10).box = box;
    if (box == BoxCode::Number) b.Cell(20, 10).number = 1;
    return b;
}

TEST_F(SoundTest, EachEventAsksForItsWaveInTheSoundStyle) {
    struct Case {
        BoxCode box;
        int soundStyle;
        const char* expected;
    };
    for (const Case& c : {Case{BoxCode::Star, 0, "ESTAR0.wav"}, Case{BoxCode::Star, 2, "ESTAR2.wav"},
                          Case{BoxCode::Star, -1, "ESTAR0.wav"},
                          Case{BoxCode::Time, 0, "SDTIME0.wav"}, Case{BoxCode::Move, 1, "SDMOVE1.wav"},
                          Case{BoxCode::Hot, 0, "SDDIE0.wav"}}) {
        makeView({0, 0, c.soundStyle, 0, 0, 0});
        open(meeting(c.box));
        waves.played.clear();
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        EXPECT_THAT(waves.played, ElementsAre(c.expected)) << c.expected;
        view.reset();
    }
}

// When the music restarts is the rules' business; here, which piece.
TEST_F(SoundTest, MusicSwitchedOnDuringAGamePlaysThePieceOfTheMusicStyle) {
    makeView({0, 1, 0, 0, 0, 0});
    open(uitest::plainBoard());
    view->OnSoundMusic();
    EXPECT_THAT(midi.log, ElementsAre());
    view->OnSoundMusic();
    EXPECT_EQ(midi.log.front(), "open G1.MID");
    EXPECT_EQ(midi.log.back(), "play 0");
}

}  // namespace
