#include "sdl_audio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>

namespace vortan {

namespace {

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// SDL2_mixer cannot seek MIDI, so a position other than the start is kept
// by our own clock, and playing always starts the piece afresh.
class SdlMidiDevice : public MidiDevice {
public:
    explicit SdlMidiDevice(bool audio) : audio_(audio) {}
    ~SdlMidiDevice() override { close(); }

    bool open(const std::string& path) override {
        close();
        if (!fileExists(path)) return false;
        if (audio_) {
            music_ = Mix_LoadMUS(path.c_str());
            if (!music_) return false;
        }
        opened_ = true;
        positionMs_ = 0;
        return true;
    }
    void close() override {
        if (music_) {
            Mix_HaltMusic();
            Mix_FreeMusic(music_);
            music_ = nullptr;
        }
        opened_ = false;
        playing_ = false;
    }
    bool play(std::uint32_t fromMs) override {
        if (!opened_) return false;
        if (music_ && Mix_PlayMusic(music_, 0) != 0) return false;
        playing_ = true;
        positionMs_ = fromMs;
        started_ = Clock::now();
        return true;
    }
    bool stop() override {
        if (!opened_) return false;
        if (music_) Mix_HaltMusic();
        positionMs_ = currentMs();
        playing_ = false;
        return true;
    }
    bool pause() override { return stop(); }
    bool seek(std::uint32_t toMs) override {
        if (!opened_) return false;
        if (music_ && playing_) Mix_HaltMusic();
        playing_ = false;
        positionMs_ = toMs;
        return true;
    }
    bool position(std::uint32_t& ms) override {
        if (!opened_) return false;
        ms = currentMs();
        return true;
    }
    bool mode(MidiMode& m) override {
        if (!opened_) return false;
        // Without a device the piece "plays" for as long as nothing stops it.
        if (playing_ && music_ && !Mix_PlayingMusic()) playing_ = false;
        m = playing_ ? MidiMode::Playing : MidiMode::Stopped;
        return true;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::uint32_t currentMs() const {
        if (!playing_) return positionMs_;
        return positionMs_ + static_cast<std::uint32_t>(
                                 std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count());
    }

    bool audio_;
    Mix_Music* music_ = nullptr;
    bool opened_ = false;
    bool playing_ = false;
    std::uint32_t positionMs_ = 0;
    Clock::time_point started_;
};

}  // namespace

std::string SdlAudio::defaultSoundFont() {
    return chooseSoundFont(std::getenv("SDL_SOUNDFONTS"), fileExists);
}

std::string SdlAudio::chooseSoundFont(const char* sdlSoundFonts, bool (*exists)(const std::string&)) {
    // The player's own choice, in SDL's variable, may be a list; SDL_mixer
    // takes it as it is.
    if (sdlSoundFonts && *sdlSoundFonts) return sdlSoundFonts;
    // Debian points this alternative at the best General MIDI soundfont
    // installed.
    const std::string systemDefault = "/usr/share/sounds/sf2/default-GM.sf2";
    if (exists(systemDefault)) return systemDefault;
    return "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

SdlAudio::SdlAudio(const std::string& soundFont) {
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into
    // events nobody reads: the program could no longer be stopped.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The name the sound server's mixer shows for our stream (the
    // environment's SDL_APP_NAME still wins).
    SDL_SetHint(SDL_HINT_APP_NAME, kAppName);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        Mix_Init(MIX_INIT_MID);
        if (!soundFont.empty()) Mix_SetSoundFonts(soundFont.c_str());
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0) {
            open_ = true;
            Mix_AllocateChannels(1);
        } else {
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    midi_ = std::make_unique<SdlMidiDevice>(open_);
}

SdlAudio::~SdlAudio() {
    midi_.reset();
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (auto& [path, chunk] : chunks_)
        if (chunk) Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk));
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::play(const std::string& path) {
    if (!open_) return;
    auto it = chunks_.find(path);
    if (it == chunks_.end()) {
        // Failed loads are remembered too, so a missing file costs one try.
        Mix_Chunk* chunk = fileExists(path) ? Mix_LoadWAV(path.c_str()) : nullptr;
        it = chunks_.emplace(path, chunk).first;
    }
    // One channel: a new sound cuts off the one still playing.
    if (it->second) Mix_PlayChannel(0, static_cast<Mix_Chunk*>(it->second), 0);
}

}  // namespace vortan
