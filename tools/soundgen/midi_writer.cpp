#include "midi_writer.h"

#include <algorithm>

namespace vortan::soundgen::midi {

namespace {

void putVlq(Bytes& b, std::uint32_t v)
{
    std::uint8_t tmp[5];
    int n = 0;
    tmp[n++] = std::uint8_t(v & 0x7F);
    while (v >>= 7)
        tmp[n++] = std::uint8_t(0x80 | (v & 0x7F));
    while (n > 0)
        b.push_back(tmp[--n]);
}

void putBe32(Bytes& b, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(std::uint8_t(v >> s));
}

std::uint8_t data7(int v) { return std::uint8_t(std::clamp(v, 0, 127)); }

} // namespace

void Track::push(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes, bool channel)
{
    events_.push_back(Event{tick, order, events_.size(), std::move(bytes), channel});
}

void Track::tempo(std::uint32_t tick, int bpm)
{
    const std::uint32_t us = 60000000u / std::uint32_t(bpm);
    push(tick, 0, {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)}, false);
}

void Track::timeSignature(std::uint32_t tick, int beatsPerBar)
{
    push(tick, 0, {0xFF, 0x58, 0x04, std::uint8_t(beatsPerBar), 2, 24, 8}, false);
}

void Track::program(std::uint32_t tick, int channel, int program)
{
    push(tick, 0, {std::uint8_t(0xC0 | channel), data7(program)}, true);
}

void Track::control(std::uint32_t tick, int channel, int controller, int value)
{
    push(tick, 0, {std::uint8_t(0xB0 | channel), data7(controller), data7(value)}, true);
}

void Track::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity)
{
    if (length == 0)
        return;
    const std::uint8_t status = std::uint8_t(0x90 | channel);
    push(tick, 2, {status, data7(key), std::uint8_t(std::clamp(velocity, 1, 127))}, true);
    // Note-off as a zero-velocity note-on keeps the running status going.
    push(tick + length, 1, {status, data7(key), 0}, true);
}

Bytes Track::encode(std::uint32_t endTick) const
{
    std::vector<const Event*> order;
    order.reserve(events_.size());
    for (const Event& e : events_)
        order.push_back(&e);
    std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick)
            return a->tick < b->tick;
        if (a->order != b->order)
            return a->order < b->order;
        return a->seq < b->seq;
    });

    Bytes body;
    std::uint32_t now = 0;
    // Track name first.
    body.push_back(0);
    body.push_back(0xFF);
    body.push_back(0x03);
    putVlq(body, std::uint32_t(name_.size()));
    body.insert(body.end(), name_.begin(), name_.end());
    std::uint8_t running = 0;
    for (const Event* e : order) {
        putVlq(body, e->tick - now);
        now = e->tick;
        auto from = e->bytes.begin();
        if (e->channel) {
            if (e->bytes[0] == running)
                ++from;
            running = e->bytes[0];
        } else {
            running = 0; // meta events cancel running status
        }
        body.insert(body.end(), from, e->bytes.end());
    }
    putVlq(body, endTick > now ? endTick - now : 0);
    body.push_back(0xFF);
    body.push_back(0x2F);
    body.push_back(0x00);

    Bytes chunk = {'M', 'T', 'r', 'k'};
    putBe32(chunk, std::uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes file(const std::vector<Track>& tracks, int ticksPerQuarter, std::uint32_t endTick)
{
    Bytes b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    b.push_back(std::uint8_t(tracks.size() >> 8));
    b.push_back(std::uint8_t(tracks.size()));
    b.push_back(std::uint8_t(ticksPerQuarter >> 8));
    b.push_back(std::uint8_t(ticksPerQuarter));
    for (const Track& t : tracks) {
        Bytes chunk = t.encode(endTick);
        b.insert(b.end(), chunk.begin(), chunk.end());
    }
    return b;
}

} // namespace vortan::soundgen::midi
