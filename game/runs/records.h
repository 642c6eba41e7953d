// The small files the game keeps: "Options.dat" (24 bytes), the "HIScore"
// files (120 records each) and "demomoves.dat" (302 bytes). All little-endian,
// no header; every write replaces the old file only once the new one is
// complete. A short file keeps what it holds; the rest counts as zero/empty.
#pragma once

#include <cstdint>
#include <string>

namespace vortan {

struct OptionsRecord {
    std::int32_t graphicsStyle = 0;
    std::int32_t musicStyle = 0;
    std::int32_t soundStyle = 0;
    std::int32_t version = 0;
    std::int32_t series = 0;
    std::int32_t game = 0;

    bool operator==(const OptionsRecord& o) const {
        return graphicsStyle == o.graphicsStyle && musicStyle == o.musicStyle && soundStyle == o.soundStyle &&
               version == o.version && series == o.series && game == o.game;
    }
};

bool OptionsFileExists(const std::string& path);
// False (and the record untouched) when the file cannot be opened.
bool ReadOptions(const std::string& path, OptionsRecord& options);
bool WriteOptions(const std::string& path, const OptionsRecord& options);
std::string EncodeOptions(const OptionsRecord& options);

constexpr int kSeriesCount = 12;
constexpr int kGamesPerSeries = 10;

struct HighScoreEntry {
    std::int32_t score = 0;
    std::string initials;
};

class HighScoreTable {
public:
    void ClearHighScores();
    // Out-of-range indexes read 0 / empty and store nothing.
    std::int32_t GetHighScore(int series, int game) const;
    std::string GetInitials(int series, int game) const;
    void SetHighScore(int series, int game, std::int32_t score, const std::string& initials);

    static bool HighScoreFileExists(const std::string& path);
    bool ReadHighScores(const std::string& path);
    bool WriteHighScores(const std::string& path) const;
    std::string encode() const;
    // Make sure the file exists (creating it with empty entries), then read it.
    void ensureAndRead(const std::string& path);

private:
    static bool valid(int series, int game) {
        return series >= 0 && series < kSeriesCount && game >= 0 && game < kGamesPerSeries;
    }
    HighScoreEntry entries_[kSeriesCount][kGamesPerSeries];
};

// The demo move list in its file form.
bool ReadDemoMovesFile(const std::string& path, std::int32_t (&moves)[151]);
bool WriteDemoMovesFile(const std::string& path, const std::int32_t* moves);

}  // namespace vortan
