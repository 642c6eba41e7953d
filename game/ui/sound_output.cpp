#include "sound_output.h"

#include "board/file_io.h"
#include "platform/install_paths.h"

namespace vortan {

InstalledSoundOutput::InstalledSoundOutput(WavePlayer& waves, MidiDevice& midi, Style soundStyle,
                                           Style musicStyle)
    : waves_(waves), player_(midi), soundStyle_(std::move(soundStyle)), musicStyle_(std::move(musicStyle)) {}

std::string InstalledSoundOutput::soundPath(Sound sound) const {
    return MakeNumberedName(std::string(kInstallFolder) + soundStem(sound), soundStyle_(), ".wav");
}

std::string InstalledSoundOutput::musicPath() const {
    return MakeNumberedName(std::string(kInstallFolder) + "G", musicStyle_(), ".MID");
}

void InstalledSoundOutput::playEffect(Sound sound) {
    // A missing file plays nothing; the player stays silent about it.
    waves_.play(installPathStd(soundPath(sound)));
}

void InstalledSoundOutput::startMusic() {
    // Results are ignored: a missing piece just stays silent until the next try.
    player_.open(installPathStd(musicPath()));
    player_.stop();
    player_.seek(0, 0);
    player_.play();
}

void InstalledSoundOutput::stopMusic() { player_.stop(); }

bool InstalledSoundOutput::isMusicPlaying() { return player_.isPlaying(); }

void InstalledSoundOutput::reopenMusic(bool play) {
    player_.stop();
    player_.open(installPathStd(musicPath()));
    player_.seek(0, 0);
    if (play) player_.play();
}

}  // namespace vortan
