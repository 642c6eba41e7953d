// The music player: one MIDI piece, opened once and kept open, played,
// stopped and rewound. The end of a piece is noticed only when isPlaying is
// asked (once a second by the game's timer).
#pragma once

#include <cstdint>
#include <string>

#include "platform/audio/midi_device.h"

namespace vortan {

class CMusicPlayer {
public:
    explicit CMusicPlayer(MidiDevice& device) : device_(device) {}
    virtual ~CMusicPlayer() { close(); }
    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

    // Succeeds at once, keeping the piece, when one is already open.
    bool open(const std::string& path);
    void close();
    bool play();
    void stop();
    bool seek(int minutes, int seconds);
    bool isPlaying(bool& paused);
    bool isPlaying() {
        bool paused;
        return isPlaying(paused);
    }

    std::int32_t isOpenFlag() const { return isOpen_; }
    std::int32_t isPlayingFlag() const { return isPlaying_; }
    std::int32_t isPausedFlag() const { return isPaused_; }

private:
    MidiDevice& device_;
    std::int32_t isOpen_ = 0;
    std::int32_t isPaused_ = 0;
    std::int32_t isPlaying_ = 0;
    std::uint16_t deviceId_ = 0;
    std::uint16_t nextId_ = 1;
};

}  // namespace vortan
