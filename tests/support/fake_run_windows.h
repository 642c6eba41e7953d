// Run windows that answer as a script says: every dialog is written into
// the same log as the game's effects, so a test reads one order of events.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/runs/game_runner.h"

namespace vortan::testing {

struct FakeWindows : RunWindows {
    std::vector<std::string>& log;
    explicit FakeWindows(std::vector<std::string>& l) : log(l) {}
    std::function<bool(PlayGameModel&)> playGame = [](PlayGameModel&) { return true; };
    std::function<void()> whileUp;  // runs inside every dialog (timer ticks)
    // The Options dialog's choice when OK is pressed; none: Cancel.
    std::optional<std::array<std::int32_t, 3>> optionsChoice;
    std::string initials = "ABC";

    void up() {
        if (whileUp) whileUp();
    }
    bool showPlayGame(PlayGameModel& m) override {
        log.push_back("dialog play");
        up();
        return playGame(m);
    }
    void showMessage(const std::string& text, const std::string& caption) override {
        log.push_back("message " + caption + ": " + text);
        up();
    }
    void showPause() override {
        log.push_back("dialog pause");
        up();
    }
    bool showOptions(std::int32_t (&fields)[3]) override {
        log.push_back("dialog options " + std::to_string(fields[0]) + " " + std::to_string(fields[1]) + " " +
                      std::to_string(fields[2]));
        if (!optionsChoice) return false;
        for (int i = 0; i < 3; ++i) fields[i] = (*optionsChoice)[i];
        return true;
    }
    std::string enterHighScore(std::int32_t score) override {
        log.push_back("dialog high score " + std::to_string(score));
        return initials;
    }
    void showGameWon() override {
        log.push_back("dialog won");
        up();
    }
    void showGameLost() override {
        log.push_back("dialog lost");
        up();
    }
    void invalidate() override { log.push_back("invalidate"); }
    void stylesChanged() override { log.push_back("styles"); }
    void reopenMusic(bool play) override { log.push_back(play ? "music reopen play" : "music reopen"); }
};

}  // namespace vortan::testing
