// The game's view: presents the composed 800 x 600 picture, plays the
// sounds and music the rules ask for, times the animations, and hands keys,
// clicks and timer ticks to the rules.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/engine/effects.h"
#include "game/engine/game_rules.h"
#include "game/engine/game_state.h"
#include "game/engine/recording_effects.h"
#include "game/runs/game_runner.h"
#include "hint_seeker.h"
#include "run_windows.h"
#include "screen_composer.h"
#include "sound_output.h"

namespace vortan {

// The virtual-key code the rules expect for a Qt key: arrows 37..40, letters
// and digits as themselves, other keys by their own codes but never an
// arrow's code.
int virtualKeyCode(int qtKey);

class CZembrikView : public QWidget, public GameEffects {
    Q_OBJECT
public:
    explicit CZembrikView(CZembrikDoc& doc, QWidget* parent = nullptr);
    ~CZembrikView() override;

    // Replaces the sprite sheet and title picture (both 800 x 600).
    void setArtwork(const QImage& sheet, const QImage& title);
    void setSoundOutput(SoundOutput* output);
    // Plays the installed waves and music on these players, which must
    // outlive the view; the styles come from the rules' settings.
    void useAudio(WavePlayer& waves, MidiDevice& midi);
    // The animations' pauses; tests switch them off to run quickly.
    void setAnimationWaits(bool on) { waitsOn_ = on; }
    // Each effect the rules ask for is appended here when set.
    void setTrace(std::vector<std::string>* trace) { tracer_.log = trace; }

    // The Open command without its file dialog: reads the board and starts
    // play, or tells the user why not and leaves the running game alone.
    LoadResult openBoardFile(const QString& path);

    // Menu switches.
    void OnAnimation() { rules_.settings.animationOn = 1 - rules_.settings.animationOn; }
    void OnSoundEffects() { rules_.OnSoundEffects(); }
    void OnSoundMusic() { rules_.OnSoundMusic(); }
    void OnMouseControl() { rules_.OnMouseControl(); }
    // Hint: the first move of a shortest win from here, outlined on its
    // click zone for a second, or a message when no win remains. A game in
    // which it was asked for files no high score.
    void OnHint();
    // New options: the board is drawn again at once in the new style.
    void stylesChanged() { composeScreen(); }
    void reopenMusic(bool play) { sound_->reopenMusic(play); }

    std::int32_t graphicsStyle() const { return rules_.settings.graphicsStyle; }
    CZembrikDoc& doc() { return doc_; }
    GameRules& rules() { return rules_; }
    GameRunner& runner() { return runner_; }
    CRunWindows& runWindows() { return windows_; }
    CScreenComposer& composer() { return composer_; }
    const QImage& composedImage() const { return composer_.image(); }
    QTimer& clock() { return timer_; }
    // Composes the whole picture anew and presents it.
    void composeScreen();

    // GameEffects
    void play(Sound sound) override { sound_->playEffect(sound); }
    void startMusic() override { sound_->startMusic(); }
    void stopMusic() override { sound_->stopMusic(); }
    bool isMusicPlaying() override { return sound_->isMusicPlaying(); }
    void boardMoved(Direction shown) override;
    void panelChanged(PanelChange change) override;
    void yourBox(YourBoxEffect effect, int x, int y) override;
    void present() override;
    void invalidate() override;

    QSize sizeHint() const override { return {kScreenWidth, kScreenHeight}; }
    // Where the picture lies in the view (logical pixels): fitted to the
    // view's size with its shape kept, centred.
    QRectF pictureRect() const;
    // The picture pixel under a view position.
    QPoint pictureAt(QPointF pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Tab is a key like any other here, not a focus move.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void redrawPanelOnRelease();
    void showHint(std::uint64_t ticket, const HintResult& hint);
    // The boxes of the position a hint was asked for.
    std::vector<std::int32_t> boxesNow() const;
    void waitMilliseconds(int ms);

    CZembrikDoc& doc_;
    // The rules reach the view through the tracer, which writes each effect
    // down when a test asks it to.
    EffectLog tracer_{this};
    GameRules rules_;
    CRunWindows windows_;
    GameRunner runner_;
    SilentSoundOutput silent_;
    std::unique_ptr<InstalledSoundOutput> installed_;
    SoundOutput* sound_ = &silent_;
    CScreenComposer composer_;
    CHintSeeker hints_;
    std::uint64_t hintTicket_ = 0;
    std::vector<std::int32_t> hintBoxes_;

    QTimer timer_;
    bool waitsOn_ = true;
    bool needsCompose_ = false;
    bool inPaint_ = false;
    bool presenting_ = false;
};

}  // namespace vortan
