// The game's 800 x 600 picture, drawn from the sprite sheet onto one
// surface: the title while no game runs, else the status panel and the
// board with its animations and click zones. It only draws; the view
// presents the picture and times the animations.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

#include "game/engine/game_rules.h"
#include "game/engine/game_state.h"

namespace vortan {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kPanelWidth = 250;
constexpr int kCellPixels = 25;

class CScreenComposer {
public:
    CScreenComposer();
    // Starts decoding the 1x sprite sheet on a worker thread; the program
    // calls it once its window is up, before a game needs the sheet.
    static void preloadArtwork();
    // The same for the 1x title, which the first paint shows.
    static void preloadTitle();

    // Replaces the sprite sheet and title picture (both 800 x 600), and
    // optionally their twice-as-detailed versions (1600 x 1200); without
    // these the 1x pictures are scaled up smoothly when drawing at 2x.
    void setArtwork(const QImage& sheet, const QImage& title, const QImage& sheet2x = {},
                    const QImage& title2x = {});
    // The picture in 800 x 600 logical pixels, with `scale` device pixels to
    // each (its device pixel ratio).
    const QImage& image() const {
        ensureTitle();
        return compose_;
    }

    // Draws from now on at 1 or 2 device pixels per picture pixel (other
    // values are clamped); the picture then starts as the title and needs
    // a compose. The artwork of that scale is loaded on first use.
    void setScale(int scale);
    int scale() const { return scale_; }
    // The artwork scale that serves a picture shown `deviceWidth` device
    // pixels wide: the nearest one that is not smaller, else the largest.
    static int scaleFor(double deviceWidth);

    // Everything anew: the title while Idle, else the panel and the board.
    void compose(const CZembrikDoc& doc, const GameSettings& settings);

    // The board's cells, boxes and Your box, in the current frames.
    void drawBoard(const CZembrikDoc& doc, std::int32_t graphicsStyle);
    // The board after a move: drawn, the animation frames advanced, and the
    // zone of `shown` outlined on the click zones when they are on.
    void boardMoved(const CZembrikDoc& doc, const GameSettings& settings, Direction shown);
    void panelChanged(const CZembrikDoc& doc, const GameSettings& settings, PanelChange change);

    // Your box sprites at a board cell: frame 0..5 of an animation, or the
    // resting and lost sprites.
    void drawYourBoxFrame(YourBoxEffect animation, int frame, int x, int y);
    void drawRestingYourBox(int x, int y);
    void drawLostYourBox(int x, int y);

    // Panel pieces.
    void copyPanelBackground();
    void drawPanelText(const QString& text, int x, int y);
    void drawPanelValue(std::int32_t value, int x, int y);
    void drawStatusPanel(const CZembrikDoc& doc, const GameSettings& settings);
    static QString panelValueText(std::int32_t value);
    // Outlines the click zone of `direction` in white, as the zone of the
    // last move is outlined (drawn whether or not the zones are shown).
    void outlineZone(Direction direction);

    // Box animation frames: animFrame 0..5, blinkPhase 0..1 for Numbers.
    std::int32_t animFrame = 0;
    std::int32_t blinkPhase = 0;

private:
    void blitSprite(int sx, int sy, int w, int h, int dx, int dy);
    void drawMouseZones();
    void useArtworkOfScale();
    // The sprite sheet and the panel's source at the current scale, made
    // when first drawn from.
    void ensureSheet();
    // The title at the current scale, and the picture started from it.
    void ensureTitle() const;
    // A picture at the current scale: the 1x one, or the 2x one (its own
    // artwork when there is one, else the 1x picture scaled smoothly), each
    // read when first needed.
    QImage pictureAtScale(QImage& once, QImage& twice, const QString& oncePath, const QString& twicePath) const;
    QImage& canvas();

    // The sprite sheet and the panel background are separate surfaces, as
    // the painter and the panel read them.
    QImage sheet_;
    QImage panelSource_;
    // Made from the title when first drawn on or shown.
    mutable QImage compose_;
    mutable QImage title_;
    // The artwork of each scale; the 2x pair is loaded or derived when first needed.
    QImage sheet1x_, sheet2x_;
    mutable QImage title1x_, title2x_;
    bool ownArtwork_ = true;
    int scale_ = 1;
    const QFont& panelFont();
    QFont panelFont_;
    bool panelFontMade_ = false;
    // The zone of the last move, kept white over the blue figure until the
    // board is drawn again.
    Direction lastOutlined_ = Direction::None;
};

}  // namespace vortan
