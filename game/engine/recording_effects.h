// Effects and run ends that only write down what was asked, in order: for
// the command line tool and the tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "effects.h"

namespace vortan {

class RecordingEffects : public GameEffects, public RunListener {
public:
    std::vector<std::string> log;     // every request, e.g. "sound CLICK", "pickup 3 4"
    std::vector<std::string> sounds;  // only the sound names
    bool musicPlaying = false;
    // Run when a run's end is reported, to imitate ticks arriving while the
    // run control's dialogs are up.
    std::function<void(const std::string& end)> onEnd;

    void playSound(const std::string& name) override {
        sounds.push_back(name);
        add("sound " + name);
    }
    void startMusic() override {
        musicPlaying = true;
        add("music start");
    }
    void stopMusic() override {
        musicPlaying = false;
        add("music stop");
    }
    bool isMusicPlaying() override { return musicPlaying; }
    void showMove(Direction d) override { add(std::string("showMove ") + directionName(d)); }
    void copyPanelBackground() override { add("panel background"); }
    void drawGameName() override { add("panel name"); }
    void drawTimeLost() override { add("panel time lost"); }
    void drawStatusPanel() override { add("panel values"); }
    void playPickupAnimation(int x, int y) override { add(at("pickup", x, y)); }
    void playHitAnimation(int x, int y) override { add(at("hit", x, y)); }
    void drawRestingYourBox(int x, int y) override { add(at("resting", x, y)); }
    void drawLostYourBox(int x, int y) override { add(at("lost", x, y)); }
    void presentScreen() override { add("present"); }
    void invalidate() override { add("invalidate"); }
    void gameEnded(const GameEnd& end) override {
        ended(end.outcome == GameOutcome::Won ? "game won" : "game lost");
    }
    void demoOver() override { ended("demo over"); }
    void recordingOver() override { ended("recording over"); }

    // The log without the frequent drawing steps, for checking the order of
    // the events that matter.
    std::vector<std::string> events() const {
        std::vector<std::string> out;
        for (const auto& e : log)
            if (e.rfind("panel", 0) != 0 && e != "present" && e.rfind("showMove", 0) != 0) out.push_back(e);
        return out;
    }

private:
    void add(std::string s) { log.push_back(std::move(s)); }
    static std::string at(const char* what, int x, int y) {
        return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y);
    }
    void ended(const std::string& name) {
        add(name);
        if (onEnd) onEnd(name);
    }
};

}  // namespace vortan
