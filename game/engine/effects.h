// What the rules ask of the outside world: sounds, music and pictures, and
// the end of a run, which goes to the run control. The game window and the
// run control implement them; tests and the command line tool record the
// requests, whose order is part of the behaviour.
#pragma once

#include "game_state.h"
#include "play_board.h"
#include "sound.h"

namespace vortan {

// How the status panel changed; the window redraws the parts each change
// touches, in the order the rules report them.
enum class PanelChange {
    Redrawn,       // after a move: every value anew
    ClockStarted,  // a tick begins: a blank panel with the game's name
    TimeRanOut,    // the time is lost: shown at once, before the rest
    ClockCounted,  // a tick has counted: the values
};

// What Your box shows at a board cell.
enum class YourBoxEffect {
    Pickup,   // took a box: the pickup animation
    Hit,      // lost a life or the game: the hit animation
    Resting,  // its resting sprite
    Lost,     // the lost sprite of a game it lost
};

class GameEffects {
public:
    virtual ~GameEffects() = default;

    // The Effects switch has already been checked by the rules.
    virtual void play(Sound sound) = 0;
    // Music: the rules decide when; the player decides how.
    virtual void startMusic() = 0;
    virtual void stopMusic() = 0;
    virtual bool isMusicPlaying() = 0;

    // The boxes have moved (shown: the direction to outline on the click
    // zones, None for none); the animation frames advance with it.
    virtual void boardMoved(Direction shown) = 0;
    virtual void panelChanged(PanelChange change) = 0;
    virtual void yourBox(YourBoxEffect effect, int x, int y) = 0;
    // Show the picture as it stands now.
    virtual void present() = 0;
    // The whole window is to be composed again (the title after Idle).
    virtual void invalidate() = 0;
};

// Does nothing; a base for partial implementations.
class NullEffects : public GameEffects {
public:
    void play(Sound) override {}
    void startMusic() override {}
    void stopMusic() override {}
    bool isMusicPlaying() override { return false; }
    void boardMoved(Direction) override {}
    void panelChanged(PanelChange) override {}
    void yourBox(YourBoxEffect, int, int) override {}
    void present() override {}
    void invalidate() override {}
};

// Why a game ended.
enum class EndCause { AllTaken, Lives, Moves, Time, NumberBoxTime, StarBoxTime };

struct GameEnd {
    GameOutcome outcome = GameOutcome::Undecided;
    // The first loss of the step that ended it; the time, Number box and
    // Star box causes are the clock's, the others a move's.
    EndCause cause = EndCause::AllTaken;
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
