#include "records.h"

#include <fstream>

#include "board/board_file.h"
#include "board/file_io.h"

namespace vortan {

namespace {
std::int32_t i32At(const unsigned char* p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                     (static_cast<std::uint32_t>(p[2]) << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}
}  // namespace

bool OptionsFileExists(const std::string& path) { return fileReadable(path); }

bool ReadOptions(const std::string& path, OptionsRecord& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    unsigned char bytes[24] = {};
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    std::int32_t* fields[6] = {&options.graphicsStyle, &options.musicStyle, &options.soundStyle,
                               &options.version,       &options.series,     &options.game};
    // A value the file does not hold in full counts as 0.
    for (std::size_t i = 0; i < 6; ++i) *fields[i] = 4 * i + 4 <= got ? i32At(bytes + 4 * i) : 0;
    return true;
}

std::string EncodeOptions(const OptionsRecord& o) {
    std::string out;
    for (std::int32_t v : {o.graphicsStyle, o.musicStyle, o.soundStyle, o.version, o.series, o.game})
        appendU32(out, static_cast<std::uint32_t>(v));
    return out;
}

bool WriteOptions(const std::string& path, const OptionsRecord& options) {
    return writeFileAtomically(path, EncodeOptions(options));
}

void HighScoreTable::ClearHighScores() {
    for (auto& series : entries_)
        for (auto& e : series) e = HighScoreEntry{};
}

std::int32_t HighScoreTable::GetHighScore(int series, int game) const {
    return valid(series, game) ? entries_[series][game].score : 0;
}

std::string HighScoreTable::GetInitials(int series, int game) const {
    return valid(series, game) ? entries_[series][game].initials : std::string();
}

void HighScoreTable::SetHighScore(int series, int game, std::int32_t score, const std::string& initials) {
    if (valid(series, game)) entries_[series][game] = HighScoreEntry{score, initials};
}

bool HighScoreTable::HighScoreFileExists(const std::string& path) { return fileReadable(path); }

bool HighScoreTable::ReadHighScores(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    ArchiveReader ar(in);
    bool more = true;
    for (int r = 0; r < kSeriesCount * kGamesPerSeries; ++r) {
        HighScoreEntry e;
        std::uint16_t score = 0;
        // Records past the end of a short file count as never written.
        if (more && ar.readU16(score) && ar.readString(e.initials) == ReadStatus::Ok) {
            e.score = score;
        } else {
            more = false;
            e = HighScoreEntry{};
        }
        entries_[r / kGamesPerSeries][r % kGamesPerSeries] = e;
    }
    return true;
}

std::string HighScoreTable::encode() const {
    std::string out;
    for (const auto& series : entries_)
        for (const auto& e : series) {
            appendU16(out, static_cast<std::uint32_t>(e.score));
            appendString(out, e.initials);
        }
    return out;
}

bool HighScoreTable::WriteHighScores(const std::string& path) const { return writeFileAtomically(path, encode()); }

void HighScoreTable::ensureAndRead(const std::string& path) {
    if (!HighScoreFileExists(path)) {
        ClearHighScores();
        WriteHighScores(path);
    }
    ReadHighScores(path);
}

bool ReadDemoMovesFile(const std::string& path, std::int32_t (&moves)[151]) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    unsigned char bytes[302] = {};
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    for (std::size_t i = 0; i < 151; ++i)
        moves[i] = 2 * i + 2 <= got ? static_cast<std::int32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)) : 0;
    return true;
}

bool WriteDemoMovesFile(const std::string& path, const std::int32_t* moves) {
    std::string out;
    for (int i = 0; i < 151; ++i) appendU16(out, static_cast<std::uint32_t>(moves[i]));
    return writeFileAtomically(path, out);
}

}  // namespace vortan
