// WAV writing, and readers for WAV and Standard MIDI Files used to check the
// generated files.
#include "soundgen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace vortan::soundgen {

namespace {

void put16(Bytes& b, std::uint32_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& b, std::uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void putTag(Bytes& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

std::uint32_t le16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

std::uint32_t le32(const Bytes& b, std::size_t at)
{
    return le16(b, at) | (std::uint32_t(le16(b, at + 2)) << 16);
}

std::uint32_t be32(const Bytes& b, std::size_t at)
{
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (b[at + 2] << 8) | b[at + 3];
}

std::uint32_t be16(const Bytes& b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }

bool tagIs(const Bytes& b, std::size_t at, const char* tag)
{
    return std::equal(tag, tag + 4, b.begin() + std::ptrdiff_t(at));
}

} // namespace

Bytes encodeWav(const Pcm& pcm)
{
    const std::uint32_t dataBytes = std::uint32_t(pcm.samples.size() * 2);
    Bytes b;
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, 1);                              // PCM
    put16(b, 1);                              // mono
    put32(b, std::uint32_t(pcm.sampleRate));
    put32(b, std::uint32_t(pcm.sampleRate) * 2); // byte rate
    put16(b, 2);                              // block align
    put16(b, 16);                             // bits per sample
    putTag(b, "data");
    put32(b, dataBytes);
    for (std::int16_t s : pcm.samples)
        put16(b, std::uint16_t(s));
    return b;
}

WavInfo inspectWav(const Bytes& data)
{
    WavInfo info;
    auto fail = [&](const char* why) {
        info = WavInfo{};
        info.error = why;
        return info;
    };
    if (data.size() < 12)
        return fail("too short for a RIFF header");
    if (!tagIs(data, 0, "RIFF") || !tagIs(data, 8, "WAVE"))
        return fail("not a RIFF/WAVE file");
    const std::uint64_t riffEnd = std::uint64_t(le32(data, 4)) + 8;
    if (riffEnd > data.size())
        return fail("RIFF size runs past the end of the file");

    bool haveFmt = false;
    std::size_t dataAt = 0, dataSize = 0;
    bool haveData = false;
    int blockAlign = 0;
    std::size_t pos = 12;
    while (pos + 8 <= riffEnd) {
        const std::uint64_t size = le32(data, pos + 4);
        const std::size_t body = pos + 8;
        if (body + size > riffEnd)
            return fail("chunk runs past the end of the file");
        if (tagIs(data, pos, "fmt ")) {
            if (size < 16)
                return fail("fmt chunk too short");
            const int tag = int(le16(data, body));
            info.channels = int(le16(data, body + 2));
            info.sampleRate = int(le32(data, body + 4));
            const std::uint32_t byteRate = le32(data, body + 8);
            blockAlign = int(le16(data, body + 12));
            info.bitsPerSample = int(le16(data, body + 14));
            if (tag != 1)
                return fail("not PCM");
            if (info.bitsPerSample != 16)
                return fail("not 16-bit");
            if (info.channels < 1 || info.channels > 8)
                return fail("channel count out of range");
            if (info.sampleRate < 1000 || info.sampleRate > 384000)
                return fail("sample rate out of range");
            if (blockAlign != info.channels * 2 || byteRate != std::uint32_t(info.sampleRate) * std::uint32_t(blockAlign))
                return fail("inconsistent block align or byte rate");
            haveFmt = true;
        } else if (tagIs(data, pos, "data")) {
            if (haveData)
                return fail("more than one data chunk");
            haveData = true;
            dataAt = body;
            dataSize = std::size_t(size);
        }
        pos = body + std::size_t(size) + (size & 1);
    }
    if (!haveFmt)
        return fail("no fmt chunk");
    if (!haveData)
        return fail("no data chunk");
    if (dataSize % std::size_t(blockAlign) != 0)
        return fail("data size is not a whole number of frames");

    info.frames = dataSize / std::size_t(blockAlign);
    info.seconds = double(info.frames) / info.sampleRate;
    const std::size_t count = dataSize / 2;
    const std::size_t edge = std::size_t(info.channels);
    double sum = 0, sumSq = 0, peak = 0, edgePeak = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double v = std::int16_t(le16(data, dataAt + 2 * i)) / 32768.0;
        sum += v;
        sumSq += v * v;
        peak = std::max(peak, std::fabs(v));
        if (i < edge || i + edge >= count)
            edgePeak = std::max(edgePeak, std::fabs(v));
    }
    info.edgePeak = edgePeak;
    if (count > 0) {
        info.dcOffset = sum / double(count);
        info.rms = std::sqrt(sumSq / double(count));
    }
    info.peak = peak;
    info.ok = true;
    return info;
}

namespace {

struct TrackReader {
    const Bytes& d;
    std::size_t pos;
    std::size_t end;

    bool byte(std::uint8_t& out)
    {
        if (pos >= end)
            return false;
        out = d[pos++];
        return true;
    }
    bool vlq(std::uint32_t& out)
    {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!byte(b))
                return false;
            out = (out << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false; // longer than four bytes
    }
};

} // namespace

MidiInfo inspectMidi(const Bytes& data)
{
    MidiInfo info;
    auto fail = [&](const std::string& why) {
        info = MidiInfo{};
        info.error = why;
        return info;
    };
    if (data.size() < 14 || !tagIs(data, 0, "MThd"))
        return fail("no MThd header");
    const std::uint32_t headerLen = be32(data, 4);
    if (headerLen < 6 || std::uint64_t(headerLen) + 8 > data.size())
        return fail("bad header length");
    info.format = int(be16(data, 8));
    const int declaredTracks = int(be16(data, 10));
    const std::uint32_t division = be16(data, 12);
    if (info.format > 2)
        return fail("unknown format");
    if (division & 0x8000)
        return fail("SMPTE time division is not supported");
    if (division == 0)
        return fail("zero time division");
    if (info.format == 0 && declaredTracks != 1)
        return fail("format 0 must have one track");
    info.division = int(division);

    std::vector<std::pair<std::uint64_t, std::uint32_t>> tempos; // tick, microseconds per quarter
    std::vector<std::uint64_t> noteOffTicks;
    std::uint64_t firstOn = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t latestEnd = 0;
    std::map<int, int> sounding; // channel*128+key -> open note-ons

    std::size_t pos = 8 + headerLen;
    while (pos + 8 <= data.size() && info.trackCount < declaredTracks) {
        const std::uint64_t len = be32(data, pos + 4);
        const std::size_t body = pos + 8;
        if (body + len > data.size())
            return fail("chunk runs past the end of the file");
        if (!tagIs(data, pos, "MTrk")) { // foreign chunks are skipped
            pos = body + std::size_t(len);
            continue;
        }
        TrackReader r{data, body, body + std::size_t(len)};
        std::uint64_t tick = 0;
        std::uint8_t running = 0;
        bool ended = false;
        while (!ended) {
            std::uint32_t delta;
            if (!r.vlq(delta))
                return fail("truncated or oversized delta time");
            tick += delta;
            std::uint8_t status;
            if (!r.byte(status))
                return fail("truncated event");
            std::uint8_t first = 0;
            bool haveFirst = false;
            if (status < 0x80) {
                if (!running)
                    return fail("running status without a previous status");
                first = status;
                haveFirst = true;
                status = running;
                info.usesRunningStatus = true;
            }
            if (status == 0xFF) {
                running = 0;
                std::uint8_t type;
                std::uint32_t n;
                if (!r.byte(type) || !r.vlq(n) || n > r.end - r.pos)
                    return fail("truncated meta event");
                if (type == 0x51) {
                    if (n != 3)
                        return fail("bad tempo event");
                    const std::uint32_t us = (data[r.pos] << 16) | (data[r.pos + 1] << 8) | data[r.pos + 2];
                    if (us == 0)
                        return fail("zero tempo");
                    tempos.emplace_back(tick, us);
                } else if (type == 0x2F) {
                    ended = true;
                    latestEnd = std::max(latestEnd, tick);
                }
                r.pos += n;
            } else if (status == 0xF0 || status == 0xF7) {
                running = 0;
                std::uint32_t n;
                if (!r.vlq(n) || n > r.end - r.pos)
                    return fail("truncated system exclusive event");
                r.pos += n;
            } else if (status >= 0xF0) {
                return fail("system message not allowed in a file");
            } else {
                running = status;
                const int kind = status & 0xF0;
                const int channel = status & 0x0F;
                const int needed = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                std::uint8_t bytes[2] = {0, 0};
                for (int i = 0; i < needed; ++i) {
                    if (i == 0 && haveFirst) {
                        bytes[0] = first;
                        continue;
                    }
                    if (!r.byte(bytes[i]))
                        return fail("truncated channel event");
                    if (bytes[i] & 0x80)
                        return fail("status byte where a data byte belongs");
                }
                const int key = channel * 128 + bytes[0];
                if (kind == 0x90 && bytes[1] > 0) {
                    ++info.noteOns;
                    firstOn = std::min(firstOn, tick);
                    info.channelsWithNotes |= std::uint16_t(1u << channel);
                    ++sounding[key];
                } else if (kind == 0x80 || kind == 0x90) {
                    noteOffTicks.push_back(tick);
                    auto it = sounding.find(key);
                    if (it != sounding.end() && it->second > 0)
                        --it->second;
                }
            }
        }
        if (r.pos != r.end)
            return fail("data after End of Track");
        ++info.trackCount;
        pos = body + std::size_t(len);
    }
    if (info.trackCount != declaredTracks)
        return fail("fewer tracks than the header declares");

    for (const auto& [key, open] : sounding)
        info.unmatchedNoteOns += std::size_t(open);

    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    auto seconds = [&](std::uint64_t tick) {
        double t = 0;
        std::uint64_t lastTick = 0;
        std::uint32_t us = 500000; // 120 beats per minute until told otherwise
        for (const auto& [at, tempo] : tempos) {
            if (at >= tick)
                break;
            t += double(at - lastTick) * us / 1e6 / info.division;
            lastTick = at;
            us = tempo;
        }
        return t + double(tick - lastTick) * us / 1e6 / info.division;
    };
    std::uint64_t lastOff = 0;
    for (std::uint64_t t : noteOffTicks)
        lastOff = std::max(lastOff, t);
    info.firstNoteOnSeconds = info.noteOns > 0 ? seconds(firstOn) : 0.0;
    info.lastNoteOffSeconds = seconds(lastOff);
    info.endSeconds = seconds(latestEnd);
    info.ok = true;
    return info;
}

} // namespace vortan::soundgen
