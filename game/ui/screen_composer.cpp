#include "screen_composer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "game/engine/input.h"
#include "platform/board_text.h"

#ifdef VORTAN_HAVE_GAME_ART
static void initGameArt() { Q_INIT_RESOURCE(zembrik); }
#else
static void initGameArt() {}
#endif

namespace vortan {

namespace {

struct SheetPoint {
    int x, y;
};

// Region tiles by graphics style (rows) and region code (columns).
constexpr SheetPoint kTiles[3][6] = {
    {{0, 275}, {25, 0}, {0, 300}, {0, 200}, {0, 150}, {0, 250}},   // Traditional
    {{0, 250}, {25, 75}, {0, 275}, {0, 25}, {0, 150}, {0, 0}},     // Mixed
    {{0, 50}, {25, 100}, {0, 75}, {0, 25}, {0, 150}, {0, 250}},    // Blues
};

constexpr int kBoxSprite = 15;
constexpr int kYourSprite = 21;
constexpr int kYourRestY = 329;
constexpr int kYourHitY = 308;
constexpr int kYourLostY = 287;
constexpr int kSpriteColumn = 274;

QImage loadSurface(const QString& resource) {
    QImage img(resource);
    if (img.isNull()) {
        // Missing artwork draws nothing useful but must not crash.
        img = QImage(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
        img.fill(Qt::black);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

QPoint zonePoint(const ZonePoint& p) { return {p.x, p.y}; }

int cellLeft(int x) { return kPanelWidth + kCellPixels * x; }
int cellTop(int y) { return kCellPixels * y; }

QFont makePanelFont() {
    // The panel font is 25 pixels from the top of its tallest glyph cell to
    // the bottom; pick the largest size whose line fits that.
    QFont f(QStringLiteral("Arial"));
    f.setWeight(QFont::Normal);
    f.setStyleHint(QFont::SansSerif);
    for (int px = 25; px > 8; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= 25) break;
    }
    return f;
}

// A plain rectangle copy between two 32-bit images, clipped to both.
void copyRect(QImage& dst, int dx, int dy, const QImage& src, int sx, int sy, int w, int h) {
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, src.width() - sx, dst.width() - dx});
    h = std::min({h, src.height() - sy, dst.height() - dy});
    if (w <= 0 || h <= 0) return;
    const std::size_t bytes = static_cast<std::size_t>(w) * 4;
    for (int row = 0; row < h; ++row) {
        const uchar* from = src.constScanLine(sy + row) + static_cast<std::size_t>(sx) * 4;
        uchar* to = dst.scanLine(dy + row) + static_cast<std::size_t>(dx) * 4;
        std::memcpy(to, from, bytes);
    }
}

}  // namespace

CScreenComposer::CScreenComposer() {
    initGameArt();
    panelFont_ = makePanelFont();
    sheet1x_ = loadSurface(QStringLiteral(":/game/sprites.png"));
    title1x_ = loadSurface(QStringLiteral(":/game/title.png"));
    useArtworkOfScale();
}

void CScreenComposer::setArtwork(const QImage& sheet, const QImage& title, const QImage& sheet2x,
                                 const QImage& title2x) {
    sheet1x_ = sheet.convertToFormat(QImage::Format_RGB32);
    title1x_ = title.convertToFormat(QImage::Format_RGB32);
    sheet2x_ = sheet2x.isNull() ? QImage() : sheet2x.convertToFormat(QImage::Format_RGB32);
    title2x_ = title2x.isNull() ? QImage() : title2x.convertToFormat(QImage::Format_RGB32);
    ownArtwork_ = false;
    useArtworkOfScale();
}

int CScreenComposer::scaleFor(double deviceWidth) { return deviceWidth > kScreenWidth + 0.5 ? 2 : 1; }

void CScreenComposer::setScale(int scale) {
    scale_ = std::clamp(scale, 1, 2);
    useArtworkOfScale();
}

void CScreenComposer::useArtworkOfScale() {
    if (scale_ == 1) {
        sheet_ = sheet1x_;
        title_ = title1x_;
    } else {
        // Decoded only when a large window or screen asks for it, so a
        // start at 1x pays nothing for the 2x pictures.
        const QSize size(kScreenWidth * 2, kScreenHeight * 2);
        if (sheet2x_.isNull() && ownArtwork_) sheet2x_ = QImage(QStringLiteral(":/game/sprites@2x.png"));
        if (title2x_.isNull() && ownArtwork_) title2x_ = QImage(QStringLiteral(":/game/title@2x.png"));
        if (sheet2x_.size() != size)
            sheet2x_ = sheet1x_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (title2x_.size() != size)
            title2x_ = title1x_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sheet2x_ = sheet2x_.convertToFormat(QImage::Format_RGB32);
        title2x_ = title2x_.convertToFormat(QImage::Format_RGB32);
        sheet_ = sheet2x_;
        title_ = title2x_;
    }
    panelSource_ = sheet_;
    compose_ = title_.copy();
    compose_.setDevicePixelRatio(scale_);
}

void CScreenComposer::blitSprite(int sx, int sy, int w, int h, int dx, int dy) {
    const int s = scale_;
    copyRect(compose_, dx * s, dy * s, sheet_, sx * s, sy * s, w * s, h * s);
}

void CScreenComposer::compose(const CZembrikDoc& doc, const GameSettings& settings) {
    if (doc.gameState() != GameState::Idle) {
        copyPanelBackground();
        drawBoard(doc, settings.graphicsStyle);
        drawStatusPanel(doc, settings);
    } else {
        copyRect(compose_, 0, 0, title_, 0, 0, kScreenWidth * scale_, kScreenHeight * scale_);
    }
}

void CScreenComposer::drawBoard(const CZembrikDoc& doc, std::int32_t style) {
    const PlayBoard& board = doc.playBoard;
    lastOutlined_ = Direction::None;
    const bool styleKnown = style >= 0 && style <= 2;
    for (int x = 0; x < kGridSize; ++x) {
        for (int y = 0; y < kGridSize; ++y) {
            const PlayCell c = board.peek(x, y);
            const int left = cellLeft(x);
            const int top = cellTop(y);
            if (styleKnown && c.region >= 0 && c.region < 6) {
                const SheetPoint t = kTiles[style][c.region];
                blitSprite(t.x, t.y, kCellPixels, kCellPixels, left, top);
            }
            int sx = -1;
            int sy = 0;
            switch (static_cast<BoxCode>(c.box)) {
            case BoxCode::Empty: break;
            case BoxCode::Your:
                if (doc.gameOutcome == GameOutcome::Lost)
                    drawLostYourBox(x, y);
                else
                    drawRestingYourBox(x, y);
                break;
            case BoxCode::Free: sx = 150 + kBoxSprite * animFrame; sy = 75; break;
            case BoxCode::Number:
                if (c.number >= 1 && c.number <= 9) {
                    const int n = c.number - 1;
                    static constexpr int rows[3] = {0, 120, 140};
                    sx = kSpriteColumn + 30 * (n % 3) + kBoxSprite * blinkPhase;
                    sy = rows[n / 3];
                }
                break;
            case BoxCode::Star: sx = kSpriteColumn + kBoxSprite * animFrame; sy = 40; break;
            case BoxCode::Hot: sx = kSpriteColumn + kBoxSprite * animFrame; sy = 20; break;
            case BoxCode::Freeze: sx = kSpriteColumn + kBoxSprite * animFrame; sy = 60; break;
            case BoxCode::Time: sx = kSpriteColumn + kBoxSprite * animFrame; sy = 80; break;
            case BoxCode::Move: sx = kSpriteColumn + kBoxSprite * animFrame; sy = 100; break;
            case BoxCode::Exception: sx = 150 + kBoxSprite * animFrame; sy = 25; break;
            default: break;
            }
            if (sx >= 0) blitSprite(sx, sy, kBoxSprite, kBoxSprite, left + 4, top + 4);
        }
    }
}

void CScreenComposer::boardMoved(const CZembrikDoc& doc, const GameSettings& settings, Direction shown) {
    drawBoard(doc, settings.graphicsStyle);
    if (settings.animationOn == 1) {
        blinkPhase = blinkPhase != 1 ? 1 : 0;
        animFrame = animFrame == 5 ? 0 : animFrame + 1;
    } else {
        blinkPhase = 0;
        animFrame = 0;
    }
    if (settings.mouseControl == 1) {
        lastOutlined_ = shown;
        drawStatusPanel(doc, settings);
    }
}

void CScreenComposer::panelChanged(const CZembrikDoc& doc, const GameSettings& settings, PanelChange change) {
    switch (change) {
    case PanelChange::Redrawn:
        copyPanelBackground();
        drawStatusPanel(doc, settings);
        break;
    case PanelChange::ClockStarted:
        copyPanelBackground();
        drawPanelText(fromBoardText(doc.gameName), 110, 121);
        break;
    case PanelChange::TimeRanOut: drawPanelValue(kRanOut, 175, 321); break;
    case PanelChange::ClockCounted: drawStatusPanel(doc, settings); break;
    }
}

void CScreenComposer::drawMouseZones() {
    QPainter p(&compose_);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    const QPoint outer[] = {zonePoint(kZoneE), zonePoint(kZoneF), zonePoint(kZoneG), zonePoint(kZoneH),
                            zonePoint(kZoneE)};
    const QPoint inner[] = {zonePoint(kZoneA), zonePoint(kZoneB), zonePoint(kZoneC), zonePoint(kZoneD),
                            zonePoint(kZoneA)};
    p.drawPolyline(outer, 5);
    p.drawPolyline(inner, 5);
    for (int i = 0; i < 4; ++i) p.drawLine(outer[i], inner[i]);
    p.end();
    outlineZone(lastOutlined_);
}

void CScreenComposer::outlineZone(Direction direction) {
    ZonePoint a{}, b{}, c{}, d{};
    switch (direction) {
    case Direction::Up: a = kZoneH; b = kZoneE; c = kZoneA; d = kZoneD; break;
    case Direction::Down: a = kZoneF; b = kZoneG; c = kZoneC; d = kZoneB; break;
    case Direction::Left: a = kZoneE; b = kZoneF; c = kZoneB; d = kZoneA; break;
    case Direction::Right: a = kZoneG; b = kZoneH; c = kZoneD; d = kZoneC; break;
    case Direction::None: return;
    }
    QPainter p(&compose_);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    const QPoint figure[] = {zonePoint(a), zonePoint(b), zonePoint(c), zonePoint(d), zonePoint(a)};
    p.drawPolyline(figure, 5);
}

QString CScreenComposer::panelValueText(std::int32_t value) {
    switch (value) {
    case kNotAvailable: return QStringLiteral("N.A.    ");
    case kDone: return QStringLiteral("DONE    ");
    case kRanOut: return QStringLiteral("LOST    ");
    case kOff: return QStringLiteral("OFF     ");
    default: return QString::number(value) + QStringLiteral("       ");
    }
}

void CScreenComposer::drawPanelText(const QString& text, int x, int y) {
    QPainter p(&compose_);
    p.setFont(panelFont_);
    p.setPen(QColor(255, 255, 255));
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawText(x, y + QFontMetrics(panelFont_).ascent(), text);
}

void CScreenComposer::drawPanelValue(std::int32_t value, int x, int y) {
    drawPanelText(panelValueText(value), x, y);
}

void CScreenComposer::copyPanelBackground() {
    copyRect(compose_, 0, 0, panelSource_, 550 * scale_, 0, kPanelWidth * scale_, kScreenHeight * scale_);
}

void CScreenComposer::drawStatusPanel(const CZembrikDoc& doc, const GameSettings& settings) {
    if (doc.gameState() == GameState::Idle) return;
    drawPanelText(fromBoardText(doc.gameName), 110, 121);
    drawPanelValue(doc.numberOfLives, 110, 171);
    drawPanelValue(doc.movesLeft, 175, 271);
    drawPanelValue(doc.score, 110, 221);
    drawPanelValue(doc.timeLeft, 175, 321);
    drawPanelValue(doc.numberBoxTimeLeft, 175, 371);
    drawPanelValue(doc.starBoxTimeLeft, 175, 421);
    if (settings.mouseControl == 1) {
        drawPanelText(QStringLiteral("Mouse Control"), 50, 471);
        drawPanelText(QStringLiteral("Click On Screen"), 50, 501);
        drawMouseZones();
    }
}

void CScreenComposer::drawYourBoxFrame(YourBoxEffect animation, int frame, int x, int y) {
    const int row = animation == YourBoxEffect::Hit ? kYourHitY : kYourRestY;
    blitSprite(kSpriteColumn + kYourSprite * frame, row, kYourSprite, kYourSprite, cellLeft(x) + 2, cellTop(y) + 2);
}

void CScreenComposer::drawRestingYourBox(int x, int y) {
    blitSprite(kSpriteColumn, kYourRestY, kYourSprite, kYourSprite, cellLeft(x) + 2, cellTop(y) + 2);
}

void CScreenComposer::drawLostYourBox(int x, int y) {
    blitSprite(kSpriteColumn, kYourLostY, kYourSprite, kYourSprite, cellLeft(x) + 2, cellTop(y) + 2);
}

}  // namespace vortan
