// Where the game's sounds and music go. The view only names them; playback
// is a separate concern that can be swapped in without touching the view.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/engine/sound.h"
#include "music_player.h"
#include "platform/audio/midi_device.h"

namespace vortan {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void playEffect(Sound sound) = 0;
    virtual void startMusic() = 0;
    virtual void stopMusic() = 0;
    virtual bool isMusicPlaying() = 0;
    // After new options: stop, open the piece of the current music style
    // (a piece already open stays), rewind, and play when asked.
    virtual void reopenMusic(bool play) = 0;
};

// Plays nothing; music is never playing.
class SilentSoundOutput : public SoundOutput {
public:
    void playEffect(Sound) override {}
    void startMusic() override {}
    void stopMusic() override {}
    bool isMusicPlaying() override { return false; }
    void reopenMusic(bool) override {}
};

// Waves and MIDI in the installation folder, named by the current sound
// and music styles: "ESTAR" with sound style 2 plays ESTAR2.wav, music
// style 1 opens G1.MID.
class InstalledSoundOutput : public SoundOutput {
public:
    using Style = std::function<std::int32_t()>;
    InstalledSoundOutput(WavePlayer& waves, MidiDevice& midi, Style soundStyle, Style musicStyle);

    void playEffect(Sound sound) override;
    void startMusic() override;
    void stopMusic() override;
    bool isMusicPlaying() override;
    void reopenMusic(bool play) override;

    // Full installation names ("C:\Program Files\Vortan 2.3\CLICK0.wav").
    std::string soundPath(Sound sound) const;
    std::string musicPath() const;
    CMusicPlayer& musicPlayer() { return player_; }

private:
    WavePlayer& waves_;
    CMusicPlayer player_;
    Style soundStyle_;
    Style musicStyle_;
};

}  // namespace vortan
