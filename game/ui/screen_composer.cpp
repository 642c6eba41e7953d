#include "screen_composer.h"

#include "platform/picture_preload.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstring>
#include <iterator>

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
    QImage img = picturePreload::take(resource);
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

// The status panel's row labels are lettered into its artwork in English.
// Where a translation differs, the English letters are covered with the
// plate's own stone from the same row (to the right, where no letters are;
// mirrored at every seam so the cracks run on) and the translation is
// lettered over it as the artwork letters: bold white with a soft shadow.
struct PanelLabel {
    const char* text;
    int top, bottom;  // the letters' rows; the plate reaches 6 above, 8 below
    int valueX;       // where the game draws the row's value
};
const PanelLabel kPanelLabels[] = {
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "LEVEL"), 120, 140, 110},
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "LIVES"), 170, 190, 110},
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "SCORE"), 220, 240, 110},
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "Move Limit"), 270, 290, 175},
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "Time Limit"), 320, 340, 175},
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "Num Box Limit"), 370, 390, 175},
    {QT_TRANSLATE_NOOP("vortan::CScreenComposer", "Star Box Limit"), 419, 439, 175},
};

// Letters each label whose translation (`texts`, in the order of
// kPanelLabels) differs from the artwork's English. `scale`: the sheet's
// pixels to a 1x pixel; the letters are drawn at the sheet's own resolution.
void paintPanelLabels(QImage& sheet, int scale, const QString (&texts)[std::size(kPanelLabels)]) {
    constexpr int kPanelX = 550;      // the panel's place in the sheet
    constexpr int kLetterLeft = 26;   // where the artwork's letters start
    constexpr int kCleanRight = 236;  // inside the plate's lit rim
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.scale(scale, scale);
    for (std::size_t i = 0; i < std::size(kPanelLabels); ++i) {
        const PanelLabel& l = kPanelLabels[i];
        const QString& text = texts[i];
        if (text == QLatin1String(l.text)) continue;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setBold(true);
        font.setPixelSize(20);
        const int cleanLeft = l.valueX - 4;
        const int room = cleanLeft - 6 - kLetterLeft;
        QPainterPath path;
        for (int px = 20; px >= 11; --px) {
            font.setPixelSize(px);
            path = QPainterPath();
            path.addText(0, 0, font, text);
            if (path.boundingRect().width() <= room) break;
        }
        const int top = l.top - 3, height = l.bottom - l.top + 8;
        const QRect cleanRect(kPanelX + cleanLeft, top, kCleanRight - cleanLeft, height);
        const QImage clean = sheet.copy(QRect(cleanRect.topLeft() * scale, cleanRect.size() * scale));
        // Laid from the clean part leftwards, each tile the mirror of its neighbour.
        for (int right = cleanLeft, tile = 0; right > kLetterLeft - 3; right -= cleanRect.width(), ++tile) {
            const int w = std::min(cleanRect.width(), right - (kLetterLeft - 3));
            const QImage piece = tile % 2 ? clean : clean.mirrored(true, false);
            p.drawImage(QRect(kPanelX + right - w, top, w, height), piece,
                        QRect((cleanRect.width() - w) * scale, 0, w * scale, height * scale));
        }
        path.translate(kPanelX + kLetterLeft - path.boundingRect().left(), l.bottom + 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 150));
        p.drawPath(path.translated(1.5, 1.5));
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(path);
    }
}

// Pixels are counted here, whatever device pixel ratio the sheet was read
// with (an "@2x" file is read as ratio 2). Each label is translated once.
void relabelPanel(QImage& sheet, int scale) {
    QString texts[std::size(kPanelLabels)];
    bool asDrawn = true;
    for (std::size_t i = 0; i < std::size(kPanelLabels); ++i) {
        texts[i] = QCoreApplication::translate("vortan::CScreenComposer", kPanelLabels[i].text);
        asDrawn = asDrawn && texts[i] == QLatin1String(kPanelLabels[i].text);
    }
    // Untouched, the panel keeps sharing the sheet's pixels.
    if (asDrawn) return;
    const qreal ratio = sheet.devicePixelRatio();
    sheet.setDevicePixelRatio(1);
    paintPanelLabels(sheet, scale, texts);
    sheet.setDevicePixelRatio(ratio);
}

}  // namespace

void CScreenComposer::preloadTitle() {
    initGameArt();
    picturePreload::start({QStringLiteral(":/game/title.png")});
}

void CScreenComposer::preloadArtwork() {
    initGameArt();
    picturePreload::start({QStringLiteral(":/game/sprites.png")});
}

const QFont& CScreenComposer::panelFont() {
    // Made when the panel is first lettered: finding the font is not free,
    // and the title picture shown first needs none.
    if (!panelFontMade_) {
        panelFont_ = makePanelFont();
        panelFontMade_ = true;
    }
    return panelFont_;
}

CScreenComposer::CScreenComposer() {
    // The pictures wait until they are first drawn from: the window shows
    // before the title is decoded, and the sprite sheet waits for a board.
    initGameArt();
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

namespace {
// The picture at twice the size: its own 2x artwork when it has one, else
// the 1x picture scaled smoothly.
QImage twiceSized(QImage twice, const QImage& once) {
    const QSize size(kScreenWidth * 2, kScreenHeight * 2);
    if (twice.size() != size) twice = once.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return twice.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

void CScreenComposer::useArtworkOfScale() {
    // Taken again, at this scale, when next drawn from.
    title_ = QImage();
    compose_ = QImage();
    sheet_ = QImage();
    panelSource_ = QImage();
}

QImage CScreenComposer::pictureAtScale(QImage& once, QImage& twice, const QString& oncePath,
                                       const QString& twicePath) const {
    if (scale_ == 1) {
        if (once.isNull()) once = loadSurface(oncePath);
        return once;
    }
    // Decoded only when a large window or screen asks for it, so a start at
    // 1x pays nothing for the 2x pictures.
    if (twice.isNull() && ownArtwork_) twice = QImage(twicePath);
    if (twice.size() != QSize(kScreenWidth * 2, kScreenHeight * 2) && once.isNull()) once = loadSurface(oncePath);
    twice = twiceSized(twice, once);
    return twice;
}

void CScreenComposer::ensureTitle() const {
    if (!compose_.isNull()) return;
    title_ = pictureAtScale(title1x_, title2x_, QStringLiteral(":/game/title.png"), QStringLiteral(":/game/title@2x.png"));
    // Where no board or panel is drawn, the title shows through.
    compose_ = title_.copy();
    compose_.setDevicePixelRatio(scale_);
}

QImage& CScreenComposer::canvas() {
    ensureTitle();
    return compose_;
}

void CScreenComposer::ensureSheet() {
    if (!sheet_.isNull()) return;
    sheet_ = pictureAtScale(sheet1x_, sheet2x_, QStringLiteral(":/game/sprites.png"),
                            QStringLiteral(":/game/sprites@2x.png"));
    // Shared with the sheet until a translation letters the panel anew:
    // the painter then gives the panel a copy of its own.
    panelSource_ = sheet_;
    relabelPanel(panelSource_, scale_);
}

void CScreenComposer::blitSprite(int sx, int sy, int w, int h, int dx, int dy) {
    ensureSheet();
    const int s = scale_;
    copyRect(canvas(), dx * s, dy * s, sheet_, sx * s, sy * s, w * s, h * s);
}

void CScreenComposer::compose(const CZembrikDoc& doc, const GameSettings& settings) {
    if (doc.gameState() != GameState::Idle) {
        copyPanelBackground();
        drawBoard(doc, settings.graphicsStyle);
        drawStatusPanel(doc, settings);
    } else {
        copyRect(canvas(), 0, 0, title_, 0, 0, kScreenWidth * scale_, kScreenHeight * scale_);
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
    QPainter p(&canvas());
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
    QPainter p(&canvas());
    p.setPen(QPen(QColor(255, 255, 255), 1));
    const QPoint figure[] = {zonePoint(a), zonePoint(b), zonePoint(c), zonePoint(d), zonePoint(a)};
    p.drawPolyline(figure, 5);
}

QString CScreenComposer::panelValueText(std::int32_t value) {
    switch (value) {
    case kNotAvailable: return QCoreApplication::translate("vortan::CScreenComposer", "N.A.") + QStringLiteral("    ");
    case kDone: return QCoreApplication::translate("vortan::CScreenComposer", "DONE") + QStringLiteral("    ");
    case kRanOut: return QCoreApplication::translate("vortan::CScreenComposer", "LOST") + QStringLiteral("    ");
    case kOff: return QCoreApplication::translate("vortan::CScreenComposer", "OFF") + QStringLiteral("     ");
    default: return QString::number(value) + QStringLiteral("       ");
    }
}

void CScreenComposer::drawPanelText(const QString& text, int x, int y) {
    QPainter p(&canvas());
    p.setFont(panelFont());
    p.setPen(QColor(255, 255, 255));
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawText(x, y + QFontMetrics(panelFont()).ascent(), text);
}

void CScreenComposer::drawPanelValue(std::int32_t value, int x, int y) {
    drawPanelText(panelValueText(value), x, y);
}

void CScreenComposer::copyPanelBackground() {
    ensureSheet();
    copyRect(canvas(), 0, 0, panelSource_, 550 * scale_, 0, kPanelWidth * scale_, kScreenHeight * scale_);
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
        drawPanelText(QCoreApplication::translate("vortan::CScreenComposer", "Mouse Control"), 50, 471);
        drawPanelText(QCoreApplication::translate("vortan::CScreenComposer", "Click On Screen"), 50, 501);
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
