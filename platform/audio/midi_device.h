// A MIDI sequencer device in the shape the music player drives: open a
// file, play from a position, stop, pause, seek, ask position and mode.
#pragma once

#include <cstdint>
#include <string>

namespace vortan {

enum class MidiMode { Stopped, Playing, Paused };

class MidiDevice {
public:
    virtual ~MidiDevice() = default;
    virtual bool open(const std::string& path) = 0;  // false: missing or unreadable
    virtual void close() = 0;
    virtual bool play(std::uint32_t fromMs) = 0;
    virtual bool stop() = 0;
    virtual bool pause() = 0;
    virtual bool seek(std::uint32_t toMs) = 0;
    virtual bool position(std::uint32_t& ms) = 0;
    virtual bool mode(MidiMode& mode) = 0;
};

// Plays short wave files, one at a time: a new one cuts off the old.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void play(const std::string& path) = 0;
};

}  // namespace vortan
