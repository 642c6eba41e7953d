// The windows of game runs for the run control: the Play Game and Options
// dialogs (each created once and kept), the pause and high-score dialogs,
// message boxes, and the view's redraw and music.
#pragma once

#include <QPointer>

#include "game/runs/game_runner.h"
#include "run_dialogs.h"

namespace vortan {

class CZembrikView;

class CRunWindows : public RunWindows {
public:
    explicit CRunWindows(CZembrikView& view) : view_(view) {}

    bool showPlayGame(PlayGameModel& model) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    void showPause() override;
    bool showOptions(std::int32_t (&fields)[3]) override;
    std::string enterHighScore(std::int32_t score) override;
    void showGameWon() override;
    void showGameLost() override;
    void invalidate() override;
    void stylesChanged() override;
    void reopenMusic(bool play) override;

    CPlayGameDlg* playGameDialog() const { return playGame_; }
    COptionsDlg* optionsDialog() const { return options_; }

private:
    CZembrikView& view_;
    QPointer<CPlayGameDlg> playGame_;
    QPointer<COptionsDlg> options_;
};

}  // namespace vortan
