#include <gtest/gtest.h>

#include <csignal>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <SDL2/SDL_hints.h>

#include "platform/audio/sdl_audio.h"
#include "tests/support/test_folder.h"

using namespace vortan;
namespace fs = std::filesystem;

namespace {
fs::path folder() { return vortan::testing::testFolder("audio", false); }

// Largest absolute 16-bit sample in a raw capture.
int peakOf(const fs::path& raw) {
    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int peak = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const int v = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

struct Driver {
    explicit Driver(const char* name, const fs::path& capture = {}) {
        setenv("SDL_AUDIODRIVER", name, 1);
        if (!capture.empty()) {
            setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
            setenv("SDL_DISKAUDIODELAY", "5", 1);
        }
    }
};

const std::string kData = std::string(VORTAN_SOURCE_DIR) + "/data/";
}  // namespace

TEST(SdlAudio, EffectsAndMusicReachTheOutput) {
    const fs::path fx = folder() / "effect.raw";
    {
        Driver d("disk", fx);
        SdlAudio audio;
        ASSERT_TRUE(audio.available());
        audio.play(kData + "GEWON0.wav");
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    }
    EXPECT_GT(peakOf(fx), 1000);

    const fs::path music = folder() / "music.raw";
    {
        Driver d("disk", music);
        SdlAudio audio;
        ASSERT_TRUE(audio.available());
        MidiDevice& midi = audio.midi();
        ASSERT_TRUE(midi.open(kData + "G0.MID"));
        ASSERT_TRUE(midi.play(0));
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        midi.stop();
        MidiMode mode;
        ASSERT_TRUE(midi.mode(mode));
        EXPECT_EQ(mode, MidiMode::Stopped);
    }
    EXPECT_GT(peakOf(music), 300);
}

TEST(SdlAudio, MissingAndBrokenFilesAreSilent) {
    Driver d("dummy");
    SdlAudio audio;
    audio.play(kData + "NOSUCH0.wav");
    const fs::path broken = folder() / "broken.wav";
    std::ofstream(broken, std::ios::binary) << "RIFF\x10\0\0\0WAVEjunkjunk";
    audio.play(broken.string());
    audio.play(broken.string());
    EXPECT_FALSE(audio.midi().open(kData + "G9.MID"));
    const fs::path brokenMidi = folder() / "broken.MID";
    std::ofstream(brokenMidi, std::ios::binary) << "MThd\0\0\0\x06garbage";
    // A damaged piece may be accepted by the decoder; it then plays silence.
    if (audio.midi().open(brokenMidi.string())) {
        audio.midi().play(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        audio.midi().stop();
        audio.midi().close();
    }
    MidiMode mode;
    EXPECT_FALSE(audio.midi().mode(mode));  // closed
    EXPECT_FALSE(audio.midi().play(0));
}

TEST(SdlAudio, NoSoundDeviceMeansSilenceNotFailure) {
    Driver d("no-such-driver");
    const auto start = std::chrono::steady_clock::now();
    SdlAudio audio;
    EXPECT_FALSE(audio.available());
    audio.play(kData + "CLICK0.wav");
    // The music device still keeps its state, so the game's rules run alike.
    ASSERT_TRUE(audio.midi().open(kData + "G0.MID"));
    EXPECT_TRUE(audio.midi().play(0));
    MidiMode mode;
    ASSERT_TRUE(audio.midi().mode(mode));
    EXPECT_EQ(mode, MidiMode::Playing);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// SDL is told to leave SIGTERM and SIGINT alone and to name the game to the
// sound server.
TEST(SdlAudio, SignalsStopTheProgramAndTheSoundServerSeesTheGamesName) {
    Driver d("dummy");
    unsetenv("SDL_APP_NAME");
    SdlAudio audio;
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction current {};
        ASSERT_EQ(sigaction(signal, nullptr, &current), 0);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << signal;
    }
    const char* name = SDL_GetHint(SDL_HINT_APP_NAME);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "Vortan");
}

TEST(SdlAudio, SoundFontComesFromSdlThenTheSystemDefaultThenTimGM6mb) {
    const auto everythingExists = [](const std::string&) { return true; };
    const auto nothingExists = [](const std::string&) { return false; };
    EXPECT_EQ(SdlAudio::chooseSoundFont("/mine/a.sf2;/mine/b.sf2", everythingExists), "/mine/a.sf2;/mine/b.sf2");
    EXPECT_EQ(SdlAudio::chooseSoundFont(nullptr, everythingExists), "/usr/share/sounds/sf2/default-GM.sf2");
    EXPECT_EQ(SdlAudio::chooseSoundFont("", everythingExists), "/usr/share/sounds/sf2/default-GM.sf2");
    EXPECT_EQ(SdlAudio::chooseSoundFont(nullptr, nothingExists), "/usr/share/sounds/sf2/TimGM6mb.sf2");

    setenv("SDL_SOUNDFONTS", "/from/the/environment.sf2", 1);
    EXPECT_EQ(SdlAudio::defaultSoundFont(), "/from/the/environment.sf2");
    unsetenv("SDL_SOUNDFONTS");
    EXPECT_NE(SdlAudio::defaultSoundFont(), "/from/the/environment.sf2");
}
