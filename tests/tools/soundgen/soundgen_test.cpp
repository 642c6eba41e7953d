// Checks the shipped sound effects and music, the readers that measure them,
// and the generator that makes them.
#include "soundgen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;
using namespace vortan::soundgen;

namespace {

const std::string kData = std::string(VORTAN_SOURCE_DIR) + "/data/";

Bytes readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path freshFolder(const std::string& name)
{
    const char* home = std::getenv("VORTAN_HOME");
    fs::path root = home && *home ? fs::path(home) : fs::temp_directory_path() / "vortan-soundgen-test";
    fs::path dir = root / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

struct Range {
    double min, max;
};

// Sensible lengths per kind of event, in seconds.
Range durationFor(const std::string& name)
{
    if (name == "CLICK")
        return {0.02, 0.15}; // sounds every second during the last half minute
    if (name == "GEWON")
        return {1.5, 3.0};
    if (name == "SDDEATH" || name == "SDEATH")
        return {1.0, 2.5};
    if (name == "SSTART" || name == "GSTART")
        return {0.4, 1.5};
    return {0.2, 0.6}; // pickups, hits and blocks
}

// ---- small builders for hand-made files -----------------------------------------

void be32(Bytes& b, std::uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(std::uint8_t(v >> s));
}

Bytes midiFile(int format, int tracks, int division, const std::vector<Bytes>& bodies)
{
    Bytes b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, std::uint8_t(format), 0, std::uint8_t(tracks),
               std::uint8_t(division >> 8), std::uint8_t(division)};
    for (const Bytes& body : bodies) {
        b.insert(b.end(), {'M', 'T', 'r', 'k'});
        be32(b, std::uint32_t(body.size()));
        b.insert(b.end(), body.begin(), body.end());
    }
    return b;
}

// One track, 96 ticks per quarter: a note over the first second at 120 bpm,
// then the tempo doubles for a second note written with running status.
Bytes twoTempoMidi()
{
    const Bytes body = {
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, // 500000 us per quarter
        0x00, 0x90, 60, 100,                      // note on
        0x81, 0x40, 60, 0,                        // 192 ticks later, running status note off
        0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, // 250000 us per quarter
        0x00, 0x99, 36, 90,                       // drum note on channel 10
        0x81, 0x40, 0x89, 36, 0,                  // 192 ticks later, explicit note off
        0x00, 0xFF, 0x2F, 0x00};
    return midiFile(0, 1, 96, {body});
}

Pcm ramp(std::size_t frames)
{
    Pcm pcm;
    pcm.sampleRate = 22050;
    for (std::size_t i = 0; i < frames; ++i)
        pcm.samples.push_back(std::int16_t((i % 200) * 100 - 10000));
    return pcm;
}

} // namespace

// ---- the shipped wave files ----------------------------------------------------------

TEST(ShippedEffects, EveryEffectInEveryStyleIsAValidShortClip)
{
    ASSERT_EQ(effectNames().size(), 12u);
    for (int style = 0; style < kStyleCount; ++style) {
        for (const std::string& name : effectNames()) {
            const std::string file = effectFileName(name, style);
            SCOPED_TRACE(file);
            const Bytes bytes = readFile(kData + file);
            ASSERT_FALSE(bytes.empty()) << "missing";
            const WavInfo w = inspectWav(bytes);
            ASSERT_TRUE(w.ok) << w.error;
            EXPECT_TRUE(w.channels == 1 || w.channels == 2);
            EXPECT_TRUE(w.sampleRate == 44100 || w.sampleRate == 22050);
            EXPECT_EQ(w.bitsPerSample, 16);
            const Range r = durationFor(name);
            EXPECT_GE(w.seconds, r.min);
            EXPECT_LE(w.seconds, r.max);
            EXPECT_LT(w.peak, 0.99) << "clipped";
            EXPECT_GT(w.peak, 0.5) << "not normalised";
            EXPECT_GT(w.rms, 0.01) << "nearly silent";
            EXPECT_LT(std::abs(w.dcOffset), 0.005);
            EXPECT_LT(w.edgePeak, 0.01) << "starts or stops with a click";
        }
    }
}

TEST(ShippedEffects, StylesAndEffectsAreAllDifferentSounds)
{
    std::map<Bytes, std::string> seen;
    for (int style = 0; style < kStyleCount; ++style) {
        for (const std::string& name : effectNames()) {
            const std::string file = effectFileName(name, style);
            const Bytes bytes = readFile(kData + file);
            ASSERT_FALSE(bytes.empty()) << file;
            const auto [it, added] = seen.emplace(bytes, file);
            EXPECT_TRUE(added) << file << " is identical to " << it->second;
        }
    }
}

TEST(ShippedEffects, MatchWhatTheGeneratorMakesNow)
{
    for (int style = 0; style < kStyleCount; ++style) {
        for (const std::string& name : effectNames()) {
            SCOPED_TRACE(effectFileName(name, style));
            Pcm pcm;
            ASSERT_TRUE(renderEffect(name, style, pcm));
            const Bytes shipped = readFile(kData + effectFileName(name, style));
            const Bytes fresh = encodeWav(pcm);
            ASSERT_EQ(shipped.size(), fresh.size()) << "data/ is stale: run vortan-soundgen data";
            // Allow a couple of steps of rounding from a different maths library.
            int worst = 0;
            for (std::size_t i = 44; i + 1 < fresh.size(); i += 2) {
                const int a = std::int16_t(shipped[i] | (shipped[i + 1] << 8));
                const int b = std::int16_t(fresh[i] | (fresh[i + 1] << 8));
                worst = std::max(worst, std::abs(a - b));
            }
            EXPECT_LE(worst, 2) << "data/ is stale: run vortan-soundgen data";
        }
    }
}

// ---- the shipped music ------------------------------------------------------------------

TEST(ShippedMusic, EachPieceIsAMinuteOrMoreOfMultiPartMusicThatLoopsCleanly)
{
    for (int style = 0; style < kStyleCount; ++style) {
        const std::string file = musicFileName(style);
        SCOPED_TRACE(file);
        const Bytes bytes = readFile(kData + file);
        ASSERT_FALSE(bytes.empty()) << "missing";
        const MidiInfo m = inspectMidi(bytes);
        ASSERT_TRUE(m.ok) << m.error;
        EXPECT_TRUE(m.format == 0 || m.format == 1);
        EXPECT_GE(m.endSeconds, 60.0);
        EXPECT_LE(m.endSeconds, 120.0);
        EXPECT_GE(std::bitset<16>(m.channelsWithNotes).count(), 4u) << "melody, harmony and bass at least";
        EXPECT_GT(m.noteOns, 300u);
        EXPECT_EQ(m.unmatchedNoteOns, 0u) << "hanging notes";
        EXPECT_LT(m.firstNoteOnSeconds, 0.5) << "silent start";
        EXPECT_GE(m.endSeconds, m.lastNoteOffSeconds);
        EXPECT_LE(m.endSeconds - m.lastNoteOffSeconds, 1.0) << "silent tail before the loop";
        EXPECT_TRUE(m.usesRunningStatus);
    }
}

TEST(ShippedMusic, UpbeatAndSpaceyPiecesHaveDrumsOnChannelTen)
{
    for (int style : {0, 1}) {
        const MidiInfo m = inspectMidi(readFile(kData + musicFileName(style)));
        ASSERT_TRUE(m.ok) << m.error;
        EXPECT_TRUE(m.channelsWithNotes & (1u << 9)) << musicFileName(style);
    }
}

TEST(ShippedMusic, MatchesWhatTheGeneratorMakesNow)
{
    for (int style = 0; style < kStyleCount; ++style)
        EXPECT_EQ(readFile(kData + musicFileName(style)), composeMusic(style))
            << musicFileName(style) << " is stale: run vortan-soundgen data";
}

// ---- the wave reader ------------------------------------------------------------------

TEST(WavReader, RoundTripsWhatTheWriterEncodes)
{
    const Pcm pcm = ramp(2205);
    const WavInfo w = inspectWav(encodeWav(pcm));
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.sampleRate, 22050);
    EXPECT_EQ(w.frames, 2205u);
    EXPECT_DOUBLE_EQ(w.seconds, 0.1);
    EXPECT_NEAR(w.peak, 10000 / 32768.0, 1e-9);
}

TEST(WavReader, SkipsForeignChunksAndReadsStereo)
{
    Bytes b = encodeWav(ramp(100));
    // Make it stereo: same bytes, half the frames.
    b[22] = 2;
    b[28] = 0x88; // byte rate 22050 * 4 = 88200 = 0x15888
    b[29] = 0x58;
    b[30] = 0x01;
    b[32] = 4; // block align
    // Insert a LIST chunk of odd size (with its pad byte) before the data.
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    b.insert(b.begin() + 36, list.begin(), list.end());
    const std::uint32_t riff = std::uint32_t(b.size() - 8);
    b[4] = std::uint8_t(riff);
    b[5] = std::uint8_t(riff >> 8);
    const WavInfo w = inspectWav(b);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.frames, 50u);
}

TEST(WavReader, RejectsEveryTruncationWithoutCrashing)
{
    const Bytes whole = encodeWav(ramp(300));
    ASSERT_TRUE(inspectWav(whole).ok);
    for (std::size_t n = 0; n < whole.size(); ++n) {
        const WavInfo w = inspectWav(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(n)));
        EXPECT_FALSE(w.ok) << "prefix of " << n << " bytes";
        EXPECT_FALSE(w.error.empty());
    }
}

TEST(WavReader, RejectsHostileHeaders)
{
    const Bytes good = encodeWav(ramp(100));
    struct Case {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"not RIFF", 0, 'X'},
        {"not WAVE", 8, 'X'},
        {"compressed format", 20, 2},
        {"8-bit", 34, 8},
        {"no channels", 22, 0},
        {"huge data size", 43, 0x7F},
        {"fmt chunk too short", 16, 8},
        {"odd data size", 40, 201 & 0xFF},
    };
    for (const Case& c : cases) {
        Bytes b = good;
        b[c.at] = c.value;
        const WavInfo w = inspectWav(b);
        EXPECT_FALSE(w.ok) << c.what;
        EXPECT_FALSE(w.error.empty()) << c.what;
    }
    Bytes noData = good;
    noData[36] = 'x';
    EXPECT_FALSE(inspectWav(noData).ok);
}

// ---- the MIDI reader --------------------------------------------------------------

TEST(MidiReader, FollowsTheTempoMapAndRunningStatus)
{
    const MidiInfo m = inspectMidi(twoTempoMidi());
    ASSERT_TRUE(m.ok) << m.error;
    EXPECT_EQ(m.format, 0);
    EXPECT_EQ(m.trackCount, 1);
    EXPECT_EQ(m.division, 96);
    EXPECT_EQ(m.noteOns, 2u);
    EXPECT_EQ(m.channelsWithNotes, (1u << 0) | (1u << 9));
    EXPECT_TRUE(m.usesRunningStatus);
    EXPECT_EQ(m.unmatchedNoteOns, 0u);
    EXPECT_DOUBLE_EQ(m.firstNoteOnSeconds, 0.0);
    EXPECT_DOUBLE_EQ(m.lastNoteOffSeconds, 1.5); // 1 s at 120 bpm, then 0.5 s at 240
    EXPECT_DOUBLE_EQ(m.endSeconds, 1.5);
}

TEST(MidiReader, RejectsEveryTruncationWithoutCrashing)
{
    for (const Bytes& whole : {twoTempoMidi(), composeMusic(2)}) {
        ASSERT_TRUE(inspectMidi(whole).ok);
        const std::size_t stride = whole.size() > 2000 ? 7 : 1;
        for (std::size_t n = 0; n < whole.size(); n += stride) {
            const MidiInfo m = inspectMidi(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(n)));
            EXPECT_FALSE(m.ok) << "prefix of " << n << " bytes";
            EXPECT_FALSE(m.error.empty());
        }
    }
}

TEST(MidiReader, RejectsMalformedEvents)
{
    const Bytes end = {0x00, 0xFF, 0x2F, 0x00};
    auto track = [&](Bytes events) {
        events.insert(events.end(), end.begin(), end.end());
        return events;
    };
    struct Case {
        const char* what;
        Bytes file;
    };
    const Case cases[] = {
        {"running status with nothing to run", midiFile(0, 1, 96, {track({0x00, 60, 100})})},
        {"status byte inside the data", midiFile(0, 1, 96, {track({0x00, 0x90, 60, 0x80})})},
        {"five-byte delta time", midiFile(0, 1, 96, {track({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100})})},
        {"zero tempo", midiFile(0, 1, 96, {track({0x00, 0xFF, 0x51, 0x03, 0, 0, 0})})},
        {"meta length past the track", midiFile(0, 1, 96, {track({0x00, 0xFF, 0x01, 0x7F, 'a'})})},
        {"system real-time byte", midiFile(0, 1, 96, {track({0x00, 0xF8})})},
        {"no End of Track", midiFile(0, 1, 96, {{0x00, 0x90, 60, 100}})},
        {"bytes after End of Track", midiFile(0, 1, 96, {{0x00, 0xFF, 0x2F, 0x00, 0x00}})},
        {"SMPTE division", midiFile(0, 1, 0xE728, {track({})})},
        {"zero division", midiFile(0, 1, 0, {track({})})},
        {"format 0 with two tracks", midiFile(0, 2, 96, {track({}), track({})})},
        {"unknown format", midiFile(3, 1, 96, {track({})})},
        {"fewer tracks than declared", midiFile(1, 3, 96, {track({}), track({})})},
    };
    for (const Case& c : cases) {
        const MidiInfo m = inspectMidi(c.file);
        EXPECT_FALSE(m.ok) << c.what;
        EXPECT_FALSE(m.error.empty()) << c.what;
    }
    Bytes huge = midiFile(0, 1, 96, {track({})});
    huge[18] = huge[19] = huge[20] = huge[21] = 0xFF; // track length 4 GiB
    EXPECT_FALSE(inspectMidi(huge).ok);
}

TEST(MidiReader, SkipsForeignChunks)
{
    Bytes b = twoTempoMidi();
    const Bytes alien = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 1, 2};
    b.insert(b.begin() + 14, alien.begin(), alien.end());
    const MidiInfo m = inspectMidi(b);
    ASSERT_TRUE(m.ok) << m.error;
    EXPECT_EQ(m.noteOns, 2u);
}

// ---- the generator ----------------------------------------------------------------

TEST(Generator, RefusesUnknownNamesAndStyles)
{
    Pcm pcm;
    pcm.samples = {1, 2, 3};
    EXPECT_FALSE(renderEffect("BOING", 0, pcm));
    EXPECT_TRUE(pcm.samples.empty());
    EXPECT_FALSE(renderEffect("CLICK", 3, pcm));
    EXPECT_FALSE(renderEffect("CLICK", -1, pcm));
    EXPECT_FALSE(renderEffect("click", 0, pcm));
    EXPECT_TRUE(composeMusic(3).empty());
    EXPECT_TRUE(composeMusic(-1).empty());
}

TEST(Generator, UsesTheGameFileNames)
{
    EXPECT_EQ(effectFileName("CLICK", 0), "CLICK0.wav");
    EXPECT_EQ(effectFileName("GEWON", 2), "GEWON2.wav");
    EXPECT_EQ(musicFileName(1), "G1.MID");
}

TEST(Generator, TwoRunsWriteIdenticalBytes)
{
    const fs::path a = freshFolder("run-a");
    const fs::path b = freshFolder("run-b");
    std::string error;
    ASSERT_TRUE(writeAll(a.string(), error)) << error;
    ASSERT_TRUE(writeAll(b.string() + "/", error)) << error;
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(a))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names.size(), 39u); // and no temporary files left behind
    for (const std::string& name : names) {
        const Bytes first = readFile(a / name);
        EXPECT_FALSE(first.empty()) << name;
        EXPECT_EQ(first, readFile(b / name)) << name;
    }
}

TEST(Generator, ReportsAnUnwritableTargetAndKeepsWhatWasThere)
{
    const fs::path dir = freshFolder("blocked");
    // A folder squatting on a music file's name cannot be replaced.
    fs::create_directories(dir / "G0.MID" / "keep");
    std::string error;
    EXPECT_FALSE(writeAll(dir.string(), error));
    EXPECT_NE(error.find("G0.MID"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(dir / "G0.MID" / "keep"));
    EXPECT_FALSE(fs::exists(dir / "G0.MID.part"));

    error.clear();
    EXPECT_FALSE(writeAll((dir / "no" / "such" / "folder").string(), error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(writeAll("", error));
    EXPECT_FALSE(error.empty());
}
