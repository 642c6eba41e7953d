// Checks that the generator writes the shipped sound effects and music, the
// same bytes every run, that each is sound, and that the readers measuring
// them survive damaged files.
#include "soundgen.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace fs = std::filesystem;
using namespace vortan::soundgen;

namespace {

const std::string kData = std::string(VORTAN_SOURCE_DIR) + "/data/";

Bytes readFile(const fs::path& path)
{
    const std::string bytes = vortan::testing::slurp(path);
    return Bytes(bytes.begin(), bytes.end());
}

// The sample at byte `at` of a 16-bit wave.
int sample(const Bytes& wav, std::size_t at) { return std::int16_t(wav[at] | wav[at + 1] << 8); }

Bytes midiFile(int format, int tracks, int division, const std::vector<Bytes>& bodies)
{
    Bytes b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, std::uint8_t(format), 0, std::uint8_t(tracks),
               std::uint8_t(division >> 8), std::uint8_t(division)};
    for (const Bytes& body : bodies) {
        const std::uint32_t n = std::uint32_t(body.size());
        b.insert(b.end(), {'M', 'T', 'r', 'k', std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8),
                           std::uint8_t(n)});
        b.insert(b.end(), body.begin(), body.end());
    }
    return b;
}

} // namespace

TEST(WavReader, MeasuresPastForeignChunksAndRejectsDamagedFilesWithAReason)
{
    Pcm ramp;
    ramp.sampleRate = 22050;
    for (int i = 0; i < 2205; ++i)
        ramp.samples.push_back(std::int16_t((i % 200) * 100 - 10000));
    const Bytes good = encodeWav(ramp);
    // A LIST chunk of odd size (with its pad byte) before the data.
    Bytes b = good;
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    b.insert(b.begin() + 36, list.begin(), list.end());
    b[4] = std::uint8_t(b.size() - 8);
    b[5] = std::uint8_t((b.size() - 8) >> 8);
    const WavInfo w = inspectWav(b);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_DOUBLE_EQ(w.seconds, 0.1);
    EXPECT_NEAR(w.peak, 10000 / 32768.0, 1e-9);

    std::vector<std::pair<std::string, Bytes>> bad;
    for (std::size_t n = 0; n < good.size(); ++n)
        bad.emplace_back("prefix of " + std::to_string(n), Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)));
    const struct {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    } patches[] = {
        {"not RIFF", 0, 'X'},          {"not WAVE", 8, 'X'},    {"compressed format", 20, 2},
        {"8-bit", 34, 8},              {"no channels", 22, 0},  {"huge data size", 43, 0x7F},
        {"fmt chunk too short", 16, 8}, {"odd data size", 40, 201}, {"no data chunk", 36, 'x'},
    };
    for (const auto& p : patches) {
        bad.emplace_back(p.what, good);
        bad.back().second[p.at] = p.value;
    }
    for (const auto& [what, bytes] : bad) {
        const WavInfo w = inspectWav(bytes);
        EXPECT_FALSE(w.ok) << what;
        EXPECT_FALSE(w.error.empty()) << what;
    }
}

TEST(MidiReader, FollowsTempoAndRunningStatusAndRejectsDamagedFilesWithAReason)
{
    // One track, 96 ticks per quarter: a note over the first second at 120
    // bpm, then the tempo doubles for a drum note written with running status.
    const Bytes twoTempo = midiFile(0, 1, 96, {{
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, // 500000 us per quarter
        0x00, 0x90, 60, 100,                      // note on
        0x81, 0x40, 60, 0,                        // 192 ticks later, running status note off
        0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, // 250000 us per quarter
        0x00, 0x99, 36, 90,                       // drum note on channel 10
        0x81, 0x40, 0x89, 36, 0,                  // 192 ticks later, explicit note off
        0x00, 0xFF, 0x2F, 0x00}});
    Bytes b = twoTempo;
    const Bytes alien = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 1, 2};
    b.insert(b.begin() + 14, alien.begin(), alien.end());
    const MidiInfo m = inspectMidi(b);
    ASSERT_TRUE(m.ok) << m.error;
    EXPECT_EQ(m.noteOns, 2u);
    EXPECT_EQ(m.channelsWithNotes, (1u << 0) | (1u << 9));
    EXPECT_EQ(m.unmatchedNoteOns, 0u);
    EXPECT_DOUBLE_EQ(m.lastNoteOffSeconds, 1.5); // 1 s at 120 bpm, then 0.5 s at 240
    EXPECT_DOUBLE_EQ(m.endSeconds, 1.5);

    auto track = [](Bytes events) {
        events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
        return events;
    };
    Bytes huge = midiFile(0, 1, 96, {track({})});
    huge[18] = huge[19] = huge[20] = huge[21] = 0xFF; // track length 4 GiB
    std::vector<std::pair<std::string, Bytes>> bad = {
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
        {"track longer than the file", huge},
    };
    for (const Bytes& whole : {twoTempo, composeMusic(2)}) {
        const std::size_t stride = whole.size() > 2000 ? 7 : 1;
        for (std::size_t n = 0; n < whole.size(); n += stride)
            bad.emplace_back("prefix of " + std::to_string(n), Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(n)));
    }
    for (const auto& [what, bytes] : bad) {
        const MidiInfo m = inspectMidi(bytes);
        EXPECT_FALSE(m.ok) << what;
        EXPECT_FALSE(m.error.empty()) << what;
    }
}

// Two runs write the same bytes, which are the shipped files (the waves give
// or take a couple of steps of rounding from a different maths library).
// With the bytes pinned so, each file is only checked to be sound: a
// deliberate regeneration is judged by ear.
TEST(Generator, TwoRunsWriteTheShippedFilesAndNothingElseOrRefuseAFolderTheyCannotWrite)
{
    const fs::path a = vortan::testing::testFolder("run-a");
    const fs::path b = vortan::testing::testFolder("run-b");
    std::string error;
    ASSERT_TRUE(writeAll(a.string(), error)) << error;
    ASSERT_TRUE(writeAll(b.string() + "/", error)) << error;
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(a))
        names.insert(entry.path().filename().string());
    // Every effect and piece, and no temporary file left behind.
    EXPECT_EQ(names.size(), (effectNames().size() + 1) * kStyleCount);
    std::map<Bytes, std::string> seen;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Bytes made = readFile(a / name);
        const Bytes shipped = readFile(kData + name);
        EXPECT_EQ(made, readFile(b / name));
        const auto [it, added] = seen.emplace(shipped, name);
        EXPECT_TRUE(added) << "identical to " << it->second;
        if (name.substr(name.size() - 4) == ".MID") {
            const MidiInfo m = inspectMidi(shipped);
            ASSERT_TRUE(m.ok) << m.error;
            EXPECT_GE(m.endSeconds, 60.0);
            EXPECT_EQ(m.unmatchedNoteOns, 0u) << "hanging notes";
            EXPECT_EQ(made, shipped) << "stale: run vortan-soundgen data";
            continue;
        }
        const WavInfo w = inspectWav(shipped);
        ASSERT_TRUE(w.ok) << w.error;
        EXPECT_GT(w.rms, 0.01) << "nearly silent";
        EXPECT_LT(w.peak, 0.99) << "clipped";
        EXPECT_LT(w.edgePeak, 0.01) << "starts or stops with a click";
        ASSERT_EQ(made.size(), shipped.size()) << "stale: run vortan-soundgen data";
        for (std::size_t i = 44; i + 1 < made.size(); i += 2)
            ASSERT_LE(std::abs(sample(made, i) - sample(shipped, i)), 2) << i;
    }

    // A folder squatting on a music file's name cannot be replaced.
    const fs::path dir = vortan::testing::testFolder("blocked");
    fs::create_directories(dir / "G0.MID" / "keep");
    EXPECT_FALSE(writeAll(dir.string(), error));
    EXPECT_NE(error.find("G0.MID"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(dir / "G0.MID" / "keep"));
    EXPECT_FALSE(fs::exists(dir / "G0.MID.part"));
    for (const std::string& nowhere : {(dir / "no" / "such" / "folder").string(), std::string()}) {
        error.clear();
        EXPECT_FALSE(writeAll(nowhere, error)) << nowhere;
        EXPECT_FALSE(error.empty()) << nowhere;
    }
}
