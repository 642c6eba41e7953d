// Sound devices that write down what they are asked, for the tests of the
// music player and of the sounds the game asks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio/midi_device.h"

namespace vortan::testing {

// The file name without its folder.
inline std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct FakeWaves : WavePlayer {
    std::vector<std::string> played;
    void play(const std::string& path) override { played.push_back(baseName(path)); }
};

// A sequencer: "open G0.MID", "play 0", "seek 0", "pause", "stop", "close".
struct FakeMidi : MidiDevice {
    std::vector<std::string> log;
    bool fileThere = true;
    MidiMode current = MidiMode::Stopped;
    std::uint32_t pos = 0;

    bool open(const std::string& path) override {
        log.push_back("open " + baseName(path));
        return fileThere;
    }
    void close() override { log.push_back("close"); }
    bool play(std::uint32_t from) override {
        log.push_back("play " + std::to_string(from));
        current = MidiMode::Playing;
        return true;
    }
    bool stop() override {
        log.push_back("stop");
        current = MidiMode::Stopped;
        return true;
    }
    bool pause() override {
        log.push_back("pause");
        current = MidiMode::Paused;
        return true;
    }
    bool seek(std::uint32_t to) override {
        log.push_back("seek " + std::to_string(to));
        pos = to;
        return true;
    }
    bool position(std::uint32_t& ms) override {
        ms = pos;
        return true;
    }
    bool mode(MidiMode& m) override {
        m = current;
        return true;
    }
};

}  // namespace vortan::testing
