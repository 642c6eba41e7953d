// The game's view: composes the 800 x 600 picture (title, or status panel and
// board), presents it, and hands keys, clicks and timer ticks to the rules.
#pragma once

#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/engine/effects.h"
#include "game/engine/game_rules.h"
#include "game/engine/game_state.h"
#include "game/runs/game_runner.h"
#include "run_windows.h"
#include "sound_output.h"

namespace vortan {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kPanelWidth = 250;
constexpr int kCellPixels = 25;

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
    // outlive the view; the styles come from the run control's options.
    void useAudio(WavePlayer& waves, MidiDevice& midi);
    // The animations' pauses; tests switch them off to run quickly.
    void setAnimationWaits(bool on) { waitsOn_ = on; }
    // Each effect the rules ask for is appended here when set.
    void setTrace(std::vector<std::string>* trace) { trace_ = trace; }

    // The Open command without its file dialog: reads the board and starts
    // play, or tells the user why not and leaves the running game alone.
    LoadResult openBoardFile(const QString& path);

    // Menu switches (Animation; Sound and Control live in the rules).
    void OnAnimation() { rules_.settings.animationOn = 1 - rules_.settings.animationOn; }
    void OnSoundEffects() { rules_.OnSoundEffects(); }
    void OnSoundMusic() { rules_.OnSoundMusic(); }
    void OnMouseControl() { rules_.OnMouseControl(); }

    // New options: the board is drawn again at once in the new style.
    void stylesChanged();
    void reopenMusic(bool play);

    std::int32_t animFrame = 0;
    std::int32_t blinkPhase = 0;
    // 0 Traditional, 1 Mixed, 2 Blues: the run control's working copy.
    std::int32_t graphicsStyle() const { return rules_.settings.graphicsStyle; }

    CZembrikDoc& doc() { return doc_; }
    GameRules& rules() { return rules_; }
    GameRunner& runner() { return runner_; }
    CRunWindows& runWindows() { return windows_; }
    const QImage& composedImage() const { return compose_; }
    QTimer& clock() { return timer_; }

    void composeScreen();
    void drawBoard();
    void drawMouseZones();
    void drawPanelText(const QString& text, int x, int y);
    void drawPanelValue(std::int32_t value, int x, int y);
    void waitMilliseconds(int ms);
    static QString panelValueText(std::int32_t value);

    // GameEffects
    void playSound(const std::string& name) override;
    void startMusic() override;
    void stopMusic() override;
    bool isMusicPlaying() override;
    void showMove(Direction direction) override;
    void copyPanelBackground() override;
    void drawGameName() override;
    void drawTimeLost() override;
    void drawStatusPanel() override;
    void playPickupAnimation(int x, int y) override;
    void playHitAnimation(int x, int y) override;
    void drawRestingYourBox(int x, int y) override;
    void drawLostYourBox(int x, int y) override;
    void presentScreen() override;
    void invalidate() override;

    QSize sizeHint() const override { return {kScreenWidth, kScreenHeight}; }

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
    void onTimer();
    void redrawPanelOnRelease();
    void trace(const std::string& what);
    void blitSprite(int sx, int sy, int w, int h, int dx, int dy);
    void outlineZone(Direction direction);
    void animateYourBox(int x, int y, int spriteY, int frameMs);

    CZembrikDoc& doc_;
    GameRules rules_;
    CRunWindows windows_;
    GameRunner runner_;
    SilentSoundOutput silent_;
    std::unique_ptr<InstalledSoundOutput> installed_;
    SoundOutput* sound_ = &silent_;

    // The four surfaces: only the composition is painted on.
    QImage sheet_;
    QImage panelSource_;
    QImage compose_;
    QImage title_;

    QFont panelFont_;
    QTimer timer_;
    bool waitsOn_ = true;
    bool needsCompose_ = false;
    bool inPaint_ = false;
    bool presenting_ = false;
    // The zone of the last move, kept white over the blue figure until the
    // board is painted again.
    Direction lastOutlined_ = Direction::None;
    std::vector<std::string>* trace_ = nullptr;
};

}  // namespace vortan
