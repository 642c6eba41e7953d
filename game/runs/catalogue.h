// The catalogue of six versions, twelve series of ten games each, and the
// selection memory of the Play Game dialog.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "records.h"

namespace vortan {

constexpr int kVersionCount = 6;

struct VersionInfo {
    int radioId;
    const char* radioText;
    bool enabled;
    const char* stem;
};

// Versions outside 0..5 take the entry of version 5.
const VersionInfo& versionInfo(int version);
std::array<std::string, kSeriesCount> seriesLabelsOf(int version);
// stem + (series * 10 + game + 1) + ".dat", e.g. "alvor13.dat".
std::string boardFileName(int version, int series, int game);

// The fields and handlers of the Play Game dialog, without the window. The
// dialog object lives as long as the program, so this does too.
class PlayGameModel {
public:
    PlayGameModel();

    std::int32_t version = 0;
    std::int32_t series = 0;
    std::int32_t game = 0;
    std::array<std::string, kSeriesCount> seriesLabels;
    std::int32_t shownScore = 0;
    std::string shownInitials;
    bool resetRequested = false;

    // Filled by Play before each opening.
    void setScores(int version, const HighScoreTable& table);

    void onOpen();                // resetRequested cleared, ShowSelection
    void onVersion(int version);  // a version button
    void onSeries(int series);    // a series button
    void onGame(int game);        // a game button
    void onDialogClick();         // a click on the dialog itself
    void onResetHighScores();

    void ShowSelection();
    void RestoreSelection();
    void RestoreGameOfSeries();
    void FillSeriesLabels(int version) { seriesLabels = seriesLabelsOf(version); }

    std::int32_t score(int v, int s, int g) const;
    std::string initialsOf(int v, int s, int g) const;
    std::int32_t lastSeriesOf(int v) const { return inV(v) ? lastSeries_[v] : 0; }
    std::int32_t lastGameOf(int v, int s) const { return inV(v) && inS(s) ? lastGame_[v][s] : 0; }

private:
    static bool inV(int v) { return v >= 0 && v < kVersionCount; }
    static bool inS(int s) { return s >= 0 && s < kSeriesCount; }
    static bool inG(int g) { return g >= 0 && g < kGamesPerSeries; }
    static int flat(int v, int s, int g) { return g + kGamesPerSeries * (s + kSeriesCount * v); }

    std::array<std::int32_t, kVersionCount * kSeriesCount * kGamesPerSeries> scores_{};
    std::array<std::string, kVersionCount * kSeriesCount * kGamesPerSeries> initials_;
    std::int32_t lastSeries_[kVersionCount] = {};
    std::int32_t lastGame_[kVersionCount][kSeriesCount] = {};
};

}  // namespace vortan
