#include "game_rules.h"

namespace vortan {

namespace {
bool warns(std::int32_t v) { return v >= 1 && v <= 30; }
}  // namespace

void GameRules::playSound(Sound sound) {
    if (settings.soundEffectsOn == 1) fx_.play(sound);
}

void GameRules::startMusic() { fx_.startMusic(); }

void GameRules::restartMusicIfEnded() {
    if (settings.musicOn == 1 && musicActive == 1 && !fx_.isMusicPlaying()) startMusic();
}

void GameRules::OnSoundMusic() {
    settings.musicOn = 1 - settings.musicOn;
    if (settings.musicOn == 1)
        startMusic();
    else
        fx_.stopMusic();
}

void GameRules::showMove(Direction direction) {
    doc_.playBoard.refreshYourPosition();
    fx_.boardMoved(direction);
}

void GameRules::redrawPanel() { fx_.panelChanged(PanelChange::Redrawn); }

void GameRules::makeMove(Direction direction, Direction shown) {
    doc_.playBoard.moveBoxes(direction);
    showMove(shown);
    afterMove();
}

void GameRules::OnKeyDown(int key) {
    const Direction d = keyDirection(key);
    if (doc_.gameState() == GameState::Playing) {
        if (d != Direction::None) makeMove(d, d);
    } else if (doc_.gameState() == GameState::DemoRecording) {
        // The list has 151 entries; keys past its end still play but are
        // not recorded.
        if (d != Direction::None) {
            doc_.SetDemoMove(recordIndex, static_cast<std::int32_t>(d));
            makeMove(d, Direction::None);
        }
        if (recordIndex < kDemoMoveCount) ++recordIndex;
    }
}

void GameRules::moveByClick(int x, int y) {
    if (settings.mouseControl != 1 || doc_.gameState() != GameState::Playing) return;
    const Direction d = clickZone(x, y);
    if (d != Direction::None) makeMove(d, d);
}

void GameRules::afterMove() {
    CZembrikDoc& d = doc_;
    PlayBoard& b = d.playBoard;
    redrawPanel();
    d.countMove();
    if (warns(d.movesLeft)) playSound(Sound::Click);

    switch (b.eventCode()) {
    case kCodeStar:
        if (d.starBoxCount >= 0) {
            --d.starBoxCount;
            if (d.starBoxTimeLeft != kOff) d.starBoxTimeLeft += d.timeBoxTimeValue;
            playSound(Sound::Star);
            fx_.yourBox(YourBoxEffect::Pickup, b.yourX(), b.yourY());
        }
        break;
    case kCodeNumber:
        if (d.numberBoxCount >= 0) {
            --d.numberBoxCount;
            if (d.numberBoxTimeLeft != kOff) d.numberBoxTimeLeft += d.timeBoxTimeValue;
            playSound(Sound::Number);
            fx_.yourBox(YourBoxEffect::Pickup, b.yourX(), b.yourY());
        }
        break;
    case kCodeTime:
        if (d.timeLeft != kOff) {
            d.timeLeft += d.timeBoxTimeValue;
            d.score += d.timeBoxTimeValue;
        }
        if (d.numberBoxTimeLeft != kOff) d.numberBoxTimeLeft += d.timeBoxTimeValue;
        if (d.starBoxTimeLeft != kOff) d.starBoxTimeLeft += d.timeBoxTimeValue;
        playSound(Sound::TimeBox);
        break;
    case kCodeMove:
        if (d.movesLeft != kOff) d.movesLeft += d.moveBoxMoveValue;
        playSound(Sound::MoveBox);
        fx_.yourBox(YourBoxEffect::Pickup, b.yourX(), b.yourY());
        break;
    case kCodeHot:
        if (d.numberOfLives != kOff) --d.numberOfLives;
        playSound(Sound::Die);
        fx_.yourBox(YourBoxEffect::Hit, b.yourX(), b.yourY());
        fx_.yourBox(YourBoxEffect::Resting, b.yourX(), b.yourY());
        break;
    case kCodeRed:
        if (d.numberOfLives != kOff) --d.numberOfLives;
        playSound(Sound::Die);
        fx_.yourBox(YourBoxEffect::Hit, b.yourX(), b.yourY());
        fx_.yourBox(YourBoxEffect::Resting, b.yourX(), b.yourY());
        if (d.numberOfLives != 0) {
            b.undoMove();
            showMove(Direction::None);
        }
        break;
    default:
        if (b.eventKind() == kEventFreeze) playSound(Sound::Freeze);
        break;
    }

    // The panel is redrawn after the end checks whenever one of them can
    // fire; decided before they replace a 0 by a marker, so that a life or
    // move that ran out shows as "LOST" at once.
    const bool endCheckFires = d.starBoxCount == 0 || d.numberBoxCount == 0 || d.numberOfLives == 0 || d.movesLeft == 0;

    // End checks: all three run, so a winning move that also spends the last
    // life or move is a loss.
    if (d.starBoxCount == 0 && d.numberBoxCount == 0) {
        d.starBoxTimeLeft = kDone;
        d.numberBoxTimeLeft = kDone;
        d.winRun();
    }
    if (d.numberOfLives == 0) {
        d.numberOfLives = kRanOut;
        loseGame(EndCause::Lives);
    }
    if (d.movesLeft == 0) {
        d.movesLeft = kRanOut;
        loseGame(EndCause::Moves);
        if (d.starBoxCount == 0) d.starBoxTimeLeft = kDone;
        if (d.numberBoxCount == 0) d.numberBoxTimeLeft = kDone;
    }

    if (endCheckFires) redrawPanel();

    if (d.gameState() == GameState::GameOver) {
        if (d.gameOutcome == GameOutcome::Won)
            winSequence();
        else if (d.gameOutcome == GameOutcome::Lost)
            lossSequence(Sound::Death);
    }
    fx_.present();
}

void GameRules::loseGame(EndCause cause) {
    const PlayBoard& b = doc_.playBoard;
    if (doc_.gameOutcome != GameOutcome::Lost) lossCause_ = cause;
    fx_.yourBox(YourBoxEffect::Hit, b.yourX(), b.yourY());
    fx_.yourBox(YourBoxEffect::Lost, b.yourX(), b.yourY());
    doc_.loseRun();
}

void GameRules::winSequence() {
    musicActive = 0;
    fx_.stopMusic();
    playSound(Sound::Won);
    if (listener_) listener_->gameEnded(GameEnd{GameOutcome::Won, EndCause::AllTaken});
}

void GameRules::lossSequence(Sound sound) {
    musicActive = 0;
    fx_.stopMusic();
    playSound(sound);
    if (listener_) listener_->gameEnded(GameEnd{GameOutcome::Lost, lossCause_});
}

void GameRules::clockTick() {
    CZembrikDoc& d = doc_;
    fx_.panelChanged(PanelChange::ClockStarted);
    d.tickCountdowns();
    if (warns(d.timeLeft) || warns(d.numberBoxTimeLeft) || warns(d.starBoxTimeLeft)) playSound(Sound::Click);
    if (d.timeLeft == 0) {
        d.timeLeft = kRanOut;
        fx_.panelChanged(PanelChange::TimeRanOut);
        loseGame(EndCause::Time);
    }
    if (d.numberBoxTimeLeft == 0) {
        d.numberBoxTimeLeft = kRanOut;
        loseGame(EndCause::NumberBoxTime);
    }
    if (d.starBoxTimeLeft == 0) {
        d.starBoxTimeLeft = kRanOut;
        loseGame(EndCause::StarBoxTime);
    }
    fx_.panelChanged(PanelChange::ClockCounted);
    if (d.gameState() == GameState::GameOver && d.gameOutcome == GameOutcome::Lost) lossSequence(Sound::ClockDeath);
    fx_.present();
}

void GameRules::OnTimer() {
    CZembrikDoc& d = doc_;
    switch (d.gameState()) {
    case GameState::Playing:
    case GameState::DemoRecording:
        clockTick();
        restartMusicIfEnded();
        showMove(Direction::None);
        break;
    case GameState::DemoPlaying: {
        // Entries past the end of the list make no move.
        const Direction dir = directionFromCode(d.GetDemoMove(recordIndex));
        if (dir != Direction::None) makeMove(dir, dir);
        if (recordIndex < kDemoMoveCount) ++recordIndex;
        clockTick();
        restartMusicIfEnded();
        break;
    }
    case GameState::GameOver:
        ++d.endTicks;
        break;
    case GameState::DemoOver:
        if (++d.endTicks == 2 && listener_) listener_->demoOver();
        break;
    case GameState::RecordingOver:
        if (++d.endTicks == 2 && listener_) listener_->recordingOver();
        break;
    case GameState::Paused:
    case GameState::Idle:
    case GameState::OpeningMessage:
        break;
    }
    // Ticks keep arriving while the dialogs above are up, so the state is
    // read again here.
    if ((d.gameState() == GameState::GameOver || d.gameState() == GameState::DemoOver ||
         d.gameState() == GameState::RecordingOver) &&
        d.endTicks == 30) {
        d.endRun();
        fx_.invalidate();
    }
    fx_.present();
}

bool playMoveLetter(GameRules& rules, char letter) {
    switch (letter) {
    case 'U': rules.OnKeyDown(kKeyUp); return true;
    case 'D': rules.OnKeyDown(kKeyDown); return true;
    case 'L': rules.OnKeyDown(kKeyLeft); return true;
    case 'R': rules.OnKeyDown(kKeyRight); return true;
    case 'T': rules.OnTimer(); return true;
    default: return false;
    }
}

}  // namespace vortan
