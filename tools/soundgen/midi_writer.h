// Minimal Standard MIDI File writer: format 1, one conductor track, one track
// per instrument, running status where the format allows it.
#pragma once

#include "soundgen.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vortan::soundgen::midi {

class Track {
public:
    explicit Track(std::string name) : name_(std::move(name)) {}

    void tempo(std::uint32_t tick, int bpm);
    void timeSignature(std::uint32_t tick, int beatsPerBar);
    void program(std::uint32_t tick, int channel, int program);
    void control(std::uint32_t tick, int channel, int controller, int value);
    // Adds a note-on and its note-off `length` ticks later.
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

    // Track chunk bytes, with End of Track at `endTick`.
    Bytes encode(std::uint32_t endTick) const;

private:
    struct Event {
        std::uint32_t tick;
        int order;      // at one tick: setup first, then note-offs, then note-ons
        std::size_t seq;
        std::vector<std::uint8_t> bytes;
        bool channel;   // eligible for running status
    };
    void push(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes, bool channel);

    std::string name_;
    std::vector<Event> events_;
};

Bytes file(const std::vector<Track>& tracks, int ticksPerQuarter, std::uint32_t endTick);

} // namespace vortan::soundgen::midi
