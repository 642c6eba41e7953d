#include "catalogue.h"

#include "board/file_io.h"
#include "board/tr_noop.h"

namespace vortan {

namespace {
// The Play Game dialog shows the texts translated from context "Catalogue".
const VersionInfo kVersions[kVersionCount] = {
    {1128, VORTAN_TR_NOOP("Catalogue", "Alvor (average)"), true, "alvor"},
    {1129, VORTAN_TR_NOOP("Catalogue", "Brenno(moderate)"), true, "brenno"},
    {1130, VORTAN_TR_NOOP("Catalogue", " (TBD) Cadrel"), false, "cadrel"},
    {1131, VORTAN_TR_NOOP("Catalogue", "(TBD) Dovrin"), false, "dovrin"},
    {1138, VORTAN_TR_NOOP("Catalogue", "(TBD) Eskel"), false, "eskel"},
    {1137, VORTAN_TR_NOOP("Catalogue", "(TBD) Fennow"), false, "fennow"},
};
const char* const kListA[kSeriesCount] = {
    VORTAN_TR_NOOP("Catalogue", "Easy"),     VORTAN_TR_NOOP("Catalogue", "Traditional"),
    VORTAN_TR_NOOP("Catalogue", "Chambered"), VORTAN_TR_NOOP("Catalogue", "Maze"),
    VORTAN_TR_NOOP("Catalogue", "Patterns"), VORTAN_TR_NOOP("Catalogue", "Geometry"),
    VORTAN_TR_NOOP("Catalogue", "Shapes"),   VORTAN_TR_NOOP("Catalogue", "Themes"),
    VORTAN_TR_NOOP("Catalogue", "Complex"),  VORTAN_TR_NOOP("Catalogue", "Assorted"),
    VORTAN_TR_NOOP("Catalogue", "Extra"),    VORTAN_TR_NOOP("Catalogue", "Bonus")};
const char* const kListB[kSeriesCount] = {
    VORTAN_TR_NOOP("Catalogue", "Simple"),      VORTAN_TR_NOOP("Catalogue", "Circle"),
    VORTAN_TR_NOOP("Catalogue", "Kaleidoscope"), VORTAN_TR_NOOP("Catalogue", "Supergraphic"),
    VORTAN_TR_NOOP("Catalogue", "Cadrel 1"),    VORTAN_TR_NOOP("Catalogue", "Cadrel 2"),
    VORTAN_TR_NOOP("Catalogue", "Cadrel 3"),    VORTAN_TR_NOOP("Catalogue", "Reserved"),
    VORTAN_TR_NOOP("Catalogue", "Transparent"), VORTAN_TR_NOOP("Catalogue", "Symbol"),
    VORTAN_TR_NOOP("Catalogue", "Traps"),       VORTAN_TR_NOOP("Catalogue", "Mirrors")};
const char* const kWords[kVersionCount] = {"", "", "Cadrel", "Dovrin", "Eskel", "Fennow"};
}  // namespace

const VersionInfo& versionInfo(int version) {
    return kVersions[version >= 0 && version < kVersionCount ? version : kVersionCount - 1];
}

std::array<std::string, kSeriesCount> seriesLabelsOf(int version) {
    std::array<std::string, kSeriesCount> labels;
    const int v = version >= 0 && version < kVersionCount ? version : kVersionCount - 1;
    for (int s = 0; s < kSeriesCount; ++s) {
        if (v == 0) labels[s] = kListA[s];
        else if (v == 1) labels[s] = kListB[s];
        else labels[s] = std::string(kWords[v]) + " " + std::to_string(s + 1);
    }
    return labels;
}

std::string boardFileName(int version, int series, int game) {
    return MakeNumberedName(versionInfo(version).stem, series * kGamesPerSeries + game + 1, ".dat");
}

PlayGameModel::PlayGameModel() { FillSeriesLabels(0); }

void PlayGameModel::setScores(int v, const HighScoreTable& table) {
    if (!inV(v)) return;
    for (int s = 0; s < kSeriesCount; ++s)
        for (int g = 0; g < kGamesPerSeries; ++g) {
            scores_[flat(v, s, g)] = table.GetHighScore(s, g);
            initials_[flat(v, s, g)] = table.GetInitials(s, g);
        }
}

std::int32_t PlayGameModel::score(int v, int s, int g) const {
    return inV(v) && inS(s) && inG(g) ? scores_[flat(v, s, g)] : 0;
}

std::string PlayGameModel::initialsOf(int v, int s, int g) const {
    return inV(v) && inS(s) && inG(g) ? initials_[flat(v, s, g)] : std::string();
}

void PlayGameModel::ShowSelection() {
    // A selection outside the catalogue (possible only from a damaged options
    // file) shows nothing and is not remembered.
    if (!inV(version) || !inS(series) || !inG(game)) {
        shownScore = 0;
        shownInitials.clear();
        return;
    }
    shownScore = scores_[flat(version, series, game)];
    shownInitials = initials_[flat(version, series, game)];
    lastSeries_[version] = series;
    lastGame_[version][series] = game;
}

void PlayGameModel::RestoreSelection() {
    if (!inV(version)) return;
    series = lastSeries_[version];
    game = lastGame_[version][series];
}

void PlayGameModel::RestoreGameOfSeries() {
    if (inV(version) && inS(series)) game = lastGame_[version][series];
}

void PlayGameModel::onOpen() {
    resetRequested = false;
    ShowSelection();
}

void PlayGameModel::onVersion(int v) {
    version = v;
    FillSeriesLabels(v);
    RestoreSelection();
    ShowSelection();
}

void PlayGameModel::onSeries(int s) {
    series = s;
    // Series 1 shares the game buttons' handler, so it keeps the game shown.
    if (s != 0) RestoreGameOfSeries();
    ShowSelection();
}

void PlayGameModel::onGame(int g) {
    game = g;
    ShowSelection();
}

void PlayGameModel::onDialogClick() { ShowSelection(); }

void PlayGameModel::onResetHighScores() {
    shownScore = 0;
    resetRequested = true;
    shownInitials.clear();
    scores_.fill(0);
    for (auto& i : initials_) i.clear();
    for (auto& s : lastSeries_) s = 0;
    for (auto& v : lastGame_)
        for (auto& g : v) g = 0;
    series = 0;
    game = 0;
}

}  // namespace vortan
