// Sound through SDL2_mixer: wave effects on one channel and MIDI music
// through FluidSynth. With no sound device, or a missing or broken file,
// everything is silent: no hang, no crash, no message.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "midi_device.h"

namespace vortan {

class SdlAudio : public WavePlayer {
public:
    // Opens the audio device; `soundFont` is the General MIDI soundfont.
    explicit SdlAudio(const std::string& soundFont = defaultSoundFont());
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool available() const { return open_; }
    void play(const std::string& path) override;
    // The MIDI device; usable (and silent) even without audio.
    MidiDevice& midi() { return *midi_; }

    // The General MIDI soundfont: SDL_SOUNDFONTS when set, else the
    // system's default soundfont, else TimGM6mb.
    static std::string defaultSoundFont();
    static std::string chooseSoundFont(const char* sdlSoundFonts, bool (*exists)(const std::string&));
    // The program's name as the sound server shows it.
    static constexpr const char* kAppName = "Vortan";

private:
    bool open_ = false;
    std::map<std::string, void*> chunks_;  // Mix_Chunk* by path, nullptr for a file that failed
    std::unique_ptr<MidiDevice> midi_;
};

}  // namespace vortan
