// Vortan sound generator: synthesises the game's wave effects and composes
// its three MIDI pieces. Everything is deterministic: the same build always
// produces the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vortan::soundgen {

using Bytes = std::vector<std::uint8_t>;

constexpr int kStyleCount = 3;        // 0 Original, 1 Special Effects, 2 Artistic
constexpr int kSampleRate = 44100;
constexpr double kPeakTarget = 0.7079; // -3 dBFS

// The twelve effect names in the order the game lists them.
const std::vector<std::string>& effectNames();

// Mono 16-bit sound.
struct Pcm {
    int sampleRate = kSampleRate;
    std::vector<std::int16_t> samples;
    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// Renders one effect. Returns false (and leaves `out` empty) for an unknown
// name or a style outside 0..2.
bool renderEffect(const std::string& name, int style, Pcm& out);

// RIFF/WAVE file bytes of a mono 16-bit PCM sound.
Bytes encodeWav(const Pcm& pcm);

// Standard MIDI File (format 1) of the piece for a music style 0..2; empty for
// any other style.
Bytes composeMusic(int style);

// File names used by the game: NAME + style digit + ".wav", "G" + digit + ".MID".
std::string effectFileName(const std::string& name, int style);
std::string musicFileName(int style);

// Writes all 36 wave files and 3 MIDI files into `dir` (which must exist).
// Each file is written to a temporary name first and renamed, so a failure
// never leaves a half-written file under a real name. On failure returns
// false and describes the problem in `error`.
bool writeAll(const std::string& dir, std::string& error);

// ---- Readers, used to check generated files -------------------------------

struct WavInfo {
    bool ok = false;
    std::string error;            // why the file was rejected
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::size_t frames = 0;
    double seconds = 0;
    double peak = 0;              // 0..1 of full scale, over all channels
    double dcOffset = 0;          // mean sample value, 0..1 of full scale
    double rms = 0;
    double edgePeak = 0;          // loudest sample of the first and last frame
};

// Accepts 16-bit PCM only; skips unknown chunks; rejects chunk sizes that run
// past the end of the data, missing fmt/data chunks and odd layouts.
WavInfo inspectWav(const Bytes& data);

struct MidiInfo {
    bool ok = false;
    std::string error;
    int format = -1;
    int trackCount = 0;
    int division = 0;             // ticks per quarter note
    std::uint16_t channelsWithNotes = 0; // bit n set: channel n (0-based) has a note-on
    std::size_t noteOns = 0;
    double firstNoteOnSeconds = 0;
    double lastNoteOffSeconds = 0;
    double endSeconds = 0;        // time of the latest End of Track
    bool usesRunningStatus = false;
    std::size_t unmatchedNoteOns = 0; // note-ons never switched off
};

// Parses a Standard MIDI File with running status and a full tempo map.
// Truncated or malformed files give ok == false with a reason.
MidiInfo inspectMidi(const Bytes& data);

} // namespace vortan::soundgen
