// Where the game's sounds and music go. The view only names them; playback
// is a separate concern that can be swapped in without touching the view.
#pragma once

#include <string>

namespace vortan {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // A sound effect by name ("CLICK", "ESTAR", ...).
    virtual void playEffect(const std::string& name) = 0;
    virtual void startMusic() = 0;
    virtual void stopMusic() = 0;
    virtual bool isMusicPlaying() = 0;
};

// Plays nothing; music is never playing.
class SilentSoundOutput : public SoundOutput {
public:
    void playEffect(const std::string&) override {}
    void startMusic() override {}
    void stopMusic() override {}
    bool isMusicPlaying() override { return false; }
};

}  // namespace vortan
