// Effects written down as lines of text, in order ("sound CLICK",
// "pickup 3 4", "panel values", ...): the command line tool and the tests
// record them, and the game window traces its own through the same words.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "effects.h"

namespace vortan {

// Writes each effect into `log`, then passes it on to `inner` when there is
// one (the game window traced by a test).
class EffectLog : public GameEffects {
public:
    explicit EffectLog(GameEffects* inner = nullptr) : inner_(inner) {}

    std::vector<std::string>* log = nullptr;

    void play(Sound sound) override {
        add(std::string("sound ") + soundStem(sound));
        if (inner_) inner_->play(sound);
    }
    void startMusic() override {
        add("music start");
        if (inner_) inner_->startMusic();
    }
    void stopMusic() override {
        add("music stop");
        if (inner_) inner_->stopMusic();
    }
    bool isMusicPlaying() override { return inner_ && inner_->isMusicPlaying(); }
    void boardMoved(Direction shown) override {
        add(std::string("showMove ") + directionName(shown));
        if (inner_) inner_->boardMoved(shown);
    }
    void panelChanged(PanelChange change) override {
        switch (change) {
        case PanelChange::Redrawn: add("panel background"); add("panel values"); break;
        case PanelChange::ClockStarted: add("panel background"); add("panel name"); break;
        case PanelChange::TimeRanOut: add("panel time lost"); break;
        case PanelChange::ClockCounted: add("panel values"); break;
        }
        if (inner_) inner_->panelChanged(change);
    }
    void yourBox(YourBoxEffect effect, int x, int y) override {
        static const char* const names[] = {"pickup", "hit", "resting", "lost"};
        add(std::string(names[static_cast<int>(effect)]) + " " + std::to_string(x) + " " + std::to_string(y));
        if (inner_) inner_->yourBox(effect, x, y);
    }
    void present() override {
        add("present");
        if (inner_) inner_->present();
    }
    void invalidate() override {
        add("invalidate");
        if (inner_) inner_->invalidate();
    }

protected:
    void add(std::string s) {
        if (log) log->push_back(std::move(s));
    }

private:
    GameEffects* inner_;
};

// Effects and run ends only written down, for the command line tool and the
// tests.
class RecordingEffects : public EffectLog, public RunListener {
public:
    RecordingEffects() { EffectLog::log = &log; }
    RecordingEffects(const RecordingEffects&) = delete;
    RecordingEffects& operator=(const RecordingEffects&) = delete;

    std::vector<std::string> log;     // every request, e.g. "sound CLICK", "pickup 3 4"
    std::vector<std::string> sounds;  // only the sound names
    bool musicPlaying = false;
    // Run when a run's end is reported, to imitate ticks arriving while the
    // run control's dialogs are up.
    std::function<void(const std::string& end)> onEnd;

    void play(Sound sound) override {
        sounds.push_back(soundStem(sound));
        EffectLog::play(sound);
    }
    void startMusic() override {
        musicPlaying = true;
        EffectLog::startMusic();
    }
    void stopMusic() override {
        musicPlaying = false;
        EffectLog::stopMusic();
    }
    bool isMusicPlaying() override { return musicPlaying; }

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
    void ended(const std::string& name) {
        add(name);
        if (onEnd) onEnd(name);
    }
};

}  // namespace vortan
