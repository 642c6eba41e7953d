// What the rules ask of the outside world: sounds, music, pictures and the
// end-of-game dialogs. The game window implements it; tests and the command
// line tool record the requests, whose order is part of the behaviour.
#pragma once

#include <string>

#include "play_board.h"

namespace vortan {

class GameEffects {
public:
    virtual ~GameEffects() = default;

    // Sound effects by name ("CLICK", "ESTAR", ...); the Effects switch has
    // already been checked by the rules.
    virtual void playSound(const std::string& name) = 0;
    // Music: the rules decide when; the player decides how.
    virtual void startMusic() = 0;
    virtual void stopMusic() = 0;
    virtual bool isMusicPlaying() = 0;

    // Redraw the board after a move (direction None: no move), advance the
    // animation frames, outline the click zones, present.
    virtual void showMove(Direction direction) = 0;
    // Status panel steps.
    virtual void copyPanelBackground() = 0;
    virtual void drawGameName() = 0;
    virtual void drawTimeLost() = 0;  // the time value drawn as "LOST" at once
    virtual void drawStatusPanel() = 0;  // values, and the mouse lines when on
    // Your box sprites and animations at a board cell.
    virtual void playPickupAnimation(int x, int y) = 0;
    virtual void playHitAnimation(int x, int y) = 0;
    virtual void drawRestingYourBox(int x, int y) = 0;
    virtual void drawLostYourBox(int x, int y) = 0;
    virtual void presentScreen() = 0;
    // The whole window is to be composed again (the title after Idle).
    virtual void invalidate() = 0;

    // Modal dialogs; timer ticks may arrive while they are up.
    virtual void showGameWon() = 0;
    virtual void showGameLost() = 0;
    // After the won dialog: compare the score with the stored high score.
    virtual void fileHighScore() = 0;
    virtual void showDemoOver() = 0;
    // Shows the end-of-recording message and then saves the recorded moves.
    virtual void finishRecording() = 0;
};

// Does nothing; a base for partial implementations.
class NullEffects : public GameEffects {
public:
    void playSound(const std::string&) override {}
    void startMusic() override {}
    void stopMusic() override {}
    bool isMusicPlaying() override { return false; }
    void showMove(Direction) override {}
    void copyPanelBackground() override {}
    void drawGameName() override {}
    void drawTimeLost() override {}
    void drawStatusPanel() override {}
    void playPickupAnimation(int, int) override {}
    void playHitAnimation(int, int) override {}
    void drawRestingYourBox(int, int) override {}
    void drawLostYourBox(int, int) override {}
    void presentScreen() override {}
    void invalidate() override {}
    void showGameWon() override {}
    void showGameLost() override {}
    void fileHighScore() override {}
    void showDemoOver() override {}
    void finishRecording() override {}
};

}  // namespace vortan
