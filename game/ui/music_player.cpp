#include "music_player.h"

namespace vortan {

bool CMusicPlayer::open(const std::string& path) {
    if (isOpen_) return true;
    isOpen_ = isPaused_ = isPlaying_ = 0;
    deviceId_ = 0;
    if (!device_.open(path)) return false;
    deviceId_ = nextId_++;
    isOpen_ = 1;
    device_.seek(0);
    return true;
}

void CMusicPlayer::close() {
    if (!isOpen_) return;
    if (isPlaying_ || isPaused_) device_.stop();
    device_.close();
    isOpen_ = isPaused_ = isPlaying_ = 0;
    deviceId_ = 0;
}

bool CMusicPlayer::play() {
    if (!isOpen_) return false;
    std::uint32_t position = 0;
    device_.position(position);
    // Whole seconds, as the position is asked in minutes and seconds.
    const std::uint32_t minutes = position / 60000, seconds = position / 1000 % 60;
    if (!device_.play((minutes * 60 + seconds) * 1000)) return false;
    isPaused_ = 0;
    isPlaying_ = 1;
    return true;
}

void CMusicPlayer::stop() {
    if (!isOpen_ || !isPlaying_) return;
    device_.stop();
    device_.seek(0);
    isPlaying_ = 0;
    isPaused_ = 0;
}

bool CMusicPlayer::seek(int minutes, int seconds) {
    if (!isOpen_) return false;
    const bool wasPlaying = isPlaying_ && !isPaused_;
    if (wasPlaying) device_.pause();
    if (!device_.seek(static_cast<std::uint32_t>((minutes * 60 + seconds) * 1000))) return false;
    if (wasPlaying) play();
    return true;
}

bool CMusicPlayer::isPlaying(bool& paused) {
    paused = isPaused_ != 0;
    if (!isOpen_) return false;
    MidiMode mode;
    if (!device_.mode(mode)) return false;
    if (mode == MidiMode::Playing || mode == MidiMode::Paused) {
        isPlaying_ = 1;
        isPaused_ = 0;
        return true;
    }
    isPlaying_ = 0;
    isPaused_ = 0;
    return false;
}

}  // namespace vortan
