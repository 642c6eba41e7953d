// The rules of a running game: what a move leads to, the one-second clock,
// the state-by-state timer, and keys and clicks. Owns no drawing: every
// sound and picture goes through GameEffects, and the end of a run is
// reported to the RunListener (the run control), which owns the dialogs.
#pragma once

#include <cstdint>

#include "effects.h"
#include "game_state.h"
#include "input.h"

namespace vortan {

// The switches of the Sound, Animation and Control menus (1 on, 0 off) and
// the three styles of the Options dialog (0 to 2; the run control never
// takes a style outside that range from the options file).
struct GameSettings {
    std::int32_t soundEffectsOn = 1;
    std::int32_t musicOn = 1;
    std::int32_t animationOn = 1;
    std::int32_t mouseControl = 1;
    std::int32_t graphicsStyle = 0;
    std::int32_t musicStyle = 0;
    std::int32_t soundStyle = 0;
};

}  // namespace vortan

namespace vortan {

class GameRules {
public:
    GameRules(CZembrikDoc& doc, GameEffects& effects) : doc_(doc), fx_(effects) {}

    // Who hears how runs end; none at first.
    void setRunListener(RunListener* listener) { listener_ = listener; }

    // The player's switches and styles.
    GameSettings settings;
    // 1 while the run may have music: cleared while paused, by End Game and
    // when a played game ends.
    std::int32_t musicActive = 1;
    // Next demo entry to play or record.
    std::int32_t recordIndex = 0;

    // Key down with a virtual-key code; click with window coordinates.
    void OnKeyDown(int key);
    void moveByClick(int x, int y);
    // One tick of the one-second timer.
    void OnTimer();

    // A move in `direction`, displayed as `shown`, then its consequences.
    void makeMove(Direction direction, Direction shown);
    void afterMove();
    void loseGame(EndCause cause);
    void clockTick();

    void playSound(Sound sound);
    void startMusic();
    // Restarts the piece if it has ended while music belongs to the game.
    void restartMusicIfEnded();

    void OnSoundEffects() { settings.soundEffectsOn = 1 - settings.soundEffectsOn; }
    void OnSoundMusic();
    void OnMouseControl() { settings.mouseControl = 1 - settings.mouseControl; }

    CZembrikDoc& doc() { return doc_; }

private:
    void showMove(Direction direction);
    void redrawPanel();
    void winSequence();
    void lossSequence(Sound sound);

    CZembrikDoc& doc_;
    GameEffects& fx_;
    RunListener* listener_ = nullptr;
    // The first loss of the step that ended the game.
    EndCause lossCause_ = EndCause::AllTaken;
};

// The letters of a move line: U, D, L, R press that arrow key, T is one
// timer tick.
inline constexpr char kMoveLetters[] = "UDLRT";

// Plays one letter of a move line. False (and nothing done) for a letter not
// in kMoveLetters.
bool playMoveLetter(GameRules& rules, char letter);

}  // namespace vortan
