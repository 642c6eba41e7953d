// What the rules ask of the outside world: sounds, music and pictures, and
// the end of a run, which goes to the run control. The game window and the
// run control implement them; tests and the command line tool record the
// requests, whose order is part of the behaviour.
#pragma once

#include <string>

#include "game_state.h"
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
};

// Why a game ended.
enum class EndCause { AllTaken, Lives, Moves, Time, NumberBoxTime, StarBoxTime };

struct GameEnd {
    GameOutcome outcome = GameOutcome::Undecided;
    EndCause cause = EndCause::AllTaken;
    bool byClock = false;  // lost by a countdown in a tick rather than by a move
};

// The run control hears here how a run ended; the rules have already played
// the end's sound and stopped the music. Timer ticks may arrive while the
// listener has a dialog up.
class RunListener {
public:
    virtual ~RunListener() = default;
    // A played game was won or lost.
    virtual void gameEnded(const GameEnd& end) = 0;
    // The second tick after a demo or a recording ended.
    virtual void demoOver() = 0;
    virtual void recordingOver() = 0;
};

}  // namespace vortan
