#include "zembrik_view.h"

#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <chrono>
#include <cstring>
#include <thread>

#include "game/engine/input.h"
#include "game_dialogs.h"
#include "platform/board_text.h"
#include "platform/install_paths.h"

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

int virtualKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    // '%', '&', '\'' and '(' share the arrows' codes; they must not move.
    if (qtKey >= kKeyLeft && qtKey <= kKeyDown) return 0xFF;
    return qtKey;
}

CZembrikView::CZembrikView(CZembrikDoc& doc, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      rules_(doc, *this),
      windows_(*this),
      runner_(doc, rules_, *this, windows_, [](const std::string& name, bool forWriting) {
          return installPathStd(name, forWriting ? FileUse::Write : FileUse::Read);
      }) {
    initGameArt();
    setObjectName("zembrikView");
    setFixedSize(kScreenWidth, kScreenHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    panelFont_ = makePanelFont();

    // Each surface holds its own copy, as the painter and panel read them.
    sheet_ = loadSurface(QStringLiteral(":/game/sprites.png"));
    panelSource_ = loadSurface(QStringLiteral(":/game/sprites.png"));
    compose_ = loadSurface(QStringLiteral(":/game/title.png"));
    title_ = loadSurface(QStringLiteral(":/game/title.png"));

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &CZembrikView::onTimer);
    timer_.start();
    if (!timer_.isActive()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vortan Version 2.3"),
                        QStringLiteral("Cannot install timer!!!!"), QMessageBox::Ok, this);
        applyDialogColours(&box);
        box.exec();
    }
    runner_.LoadOptions();
}

CZembrikView::~CZembrikView() {
    timer_.stop();
    sound_->stopMusic();
}

void CZembrikView::setArtwork(const QImage& sheet, const QImage& title) {
    sheet_ = sheet.convertToFormat(QImage::Format_RGB32);
    panelSource_ = sheet_.copy();
    title_ = title.convertToFormat(QImage::Format_RGB32);
    compose_ = title_.copy();
    invalidate();
}

void CZembrikView::setSoundOutput(SoundOutput* output) { sound_ = output ? output : &silent_; }

void CZembrikView::useAudio(WavePlayer& waves, MidiDevice& midi) {
    auto output = std::make_unique<InstalledSoundOutput>(
        waves, midi, [this] { return runner_.soundStyle; }, [this] { return runner_.musicStyle; });
    sound_ = output.get();
    installed_ = std::move(output);
}

// ---- game runs ------------------------------------------------------------

void CZembrikView::OnPlay() { runner_.OnPlay(); }

void CZembrikView::OnPause() { runner_.OnPause(); }

void CZembrikView::OnEndGame() { runner_.OnEndGame(); }

void CZembrikView::OnDemo() { runner_.OnDemo(); }

void CZembrikView::OnMakeDemo() { runner_.OnMakeDemo(); }

void CZembrikView::OnOptions() { runner_.OnOptions(); }

void CZembrikView::stylesChanged() {
    trace("styles");
    needsCompose_ = false;
    composeScreen();
}

void CZembrikView::reopenMusic(bool play) {
    trace(play ? "music reopen play" : "music reopen");
    sound_->reopenMusic(play);
}

void CZembrikView::trace(const std::string& what) {
    if (trace_) trace_->push_back(what);
}

LoadResult CZembrikView::openBoardFile(const QString& path) {
    const LoadResult result = doc_.openDocument(QFile::encodeName(path).toStdString());
    QString problem;
    switch (result) {
    case LoadResult::Loaded:
    case LoadResult::WrongVersion:
        invalidate();
        return result;
    case LoadResult::NotOpened:
        problem = QStringLiteral("Cannot open the file %1.").arg(path);
        break;
    case LoadResult::Truncated:
    case LoadResult::Malformed:
        problem = QStringLiteral("Unexpected file format.");
        break;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vortan Version 2.3"), problem, QMessageBox::Ok,
                    this);
    box.setObjectName("openProblem");
    applyDialogColours(&box);
    box.exec();
    return result;
}

// ---- drawing ------------------------------------------------------------

void CZembrikView::blitSprite(int sx, int sy, int w, int h, int dx, int dy) {
    copyRect(compose_, dx, dy, sheet_, sx, sy, w, h);
}

void CZembrikView::composeScreen() {
    if (doc_.gameState != GameState::Idle) {
        copyRect(compose_, 0, 0, panelSource_, 550, 0, kPanelWidth, kScreenHeight);
        drawBoard();
        drawStatusPanel();
    } else {
        copyRect(compose_, 0, 0, title_, 0, 0, kScreenWidth, kScreenHeight);
    }
    presentScreen();
}

void CZembrikView::drawBoard() {
    PlayBoard& board = doc_.playBoard;
    lastOutlined_ = Direction::None;
    const std::int32_t style = graphicsStyle();
    const bool styleKnown = style >= 0 && style <= 2;
    for (int x = 0; x < kGridSize; ++x) {
        for (int y = 0; y < kGridSize; ++y) {
            const PlayCell c = board.getCell(x, y);
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
                if (doc_.gameOutcome == GameOutcome::Lost)
                    drawLostYourBox(x, y);
                else
                    blitSprite(kSpriteColumn, kYourRestY, kYourSprite, kYourSprite, left + 2, top + 2);
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

void CZembrikView::drawMouseZones() {
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

void CZembrikView::outlineZone(Direction direction) {
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

QString CZembrikView::panelValueText(std::int32_t value) {
    switch (value) {
    case kNotAvailable: return QStringLiteral("N.A.    ");
    case kDone: return QStringLiteral("DONE    ");
    case kRanOut: return QStringLiteral("LOST    ");
    case kOff: return QStringLiteral("OFF     ");
    default: return QString::number(value) + QStringLiteral("       ");
    }
}

void CZembrikView::drawPanelText(const QString& text, int x, int y) {
    QPainter p(&compose_);
    p.setFont(panelFont_);
    p.setPen(QColor(255, 255, 255));
    p.setBackgroundMode(Qt::TransparentMode);
    p.drawText(x, y + QFontMetrics(panelFont_).ascent(), text);
}

void CZembrikView::drawPanelValue(std::int32_t value, int x, int y) { drawPanelText(panelValueText(value), x, y); }

void CZembrikView::copyPanelBackground() {
    trace("panel background");
    copyRect(compose_, 0, 0, panelSource_, 550, 0, kPanelWidth, kScreenHeight);
}

void CZembrikView::drawGameName() {
    trace("panel name");
    drawPanelText(fromBoardText(doc_.gameName.c_str()), 110, 121);
}

void CZembrikView::drawTimeLost() {
    trace("panel time lost");
    drawPanelValue(kRanOut, 175, 321);
}

void CZembrikView::drawStatusPanel() {
    trace("panel values");
    if (doc_.gameState == GameState::Idle) return;
    drawPanelText(fromBoardText(doc_.gameName.c_str()), 110, 121);
    drawPanelValue(doc_.numberOfLives, 110, 171);
    drawPanelValue(doc_.movesLeft, 175, 271);
    drawPanelValue(doc_.score, 110, 221);
    drawPanelValue(doc_.timeLeft, 175, 321);
    drawPanelValue(doc_.numberBoxTimeLeft, 175, 371);
    drawPanelValue(doc_.starBoxTimeLeft, 175, 421);
    if (rules_.mouseControl == 1) {
        drawPanelText(QStringLiteral("Mouse Control"), 50, 471);
        drawPanelText(QStringLiteral("Click On Screen"), 50, 501);
        drawMouseZones();
    }
}

void CZembrikView::showMove(Direction direction) {
    trace(std::string("showMove ") + directionName(direction));
    drawBoard();
    if (animationOn == 1) {
        blinkPhase = blinkPhase != 1 ? 1 : 0;
        animFrame = animFrame == 5 ? 0 : animFrame + 1;
    } else {
        blinkPhase = 0;
        animFrame = 0;
    }
    if (rules_.mouseControl == 1) {
        lastOutlined_ = direction;
        drawStatusPanel();
    }
    presentScreen();
}

void CZembrikView::animateYourBox(int x, int y, int spriteY, int frameMs) {
    waitMilliseconds(100);
    for (int k = 0; k < 6; ++k) {
        blitSprite(kSpriteColumn + kYourSprite * k, spriteY, kYourSprite, kYourSprite, cellLeft(x) + 2,
                   cellTop(y) + 2);
        presentScreen();
        waitMilliseconds(frameMs);
    }
}

void CZembrikView::playPickupAnimation(int x, int y) {
    trace("pickup " + std::to_string(x) + " " + std::to_string(y));
    animateYourBox(x, y, kYourRestY, 50);
}

void CZembrikView::playHitAnimation(int x, int y) {
    trace("hit " + std::to_string(x) + " " + std::to_string(y));
    animateYourBox(x, y, kYourHitY, 100);
}

void CZembrikView::drawRestingYourBox(int x, int y) {
    trace("resting " + std::to_string(x) + " " + std::to_string(y));
    blitSprite(kSpriteColumn, kYourRestY, kYourSprite, kYourSprite, cellLeft(x) + 2, cellTop(y) + 2);
    presentScreen();
}

void CZembrikView::drawLostYourBox(int x, int y) {
    trace("lost " + std::to_string(x) + " " + std::to_string(y));
    blitSprite(kSpriteColumn, kYourLostY, kYourSprite, kYourSprite, cellLeft(x) + 2, cellTop(y) + 2);
    presentScreen();
}

void CZembrikView::waitMilliseconds(int ms) {
    // Blocks the window on purpose: the animation owns the screen meanwhile.
    if (waitsOn_ && ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void CZembrikView::presentScreen() {
    trace("present");
    // A paint already in progress shows the picture when it ends.
    if (inPaint_) return;
    presenting_ = true;
    repaint();
    presenting_ = false;
}

void CZembrikView::invalidate() {
    trace("invalidate");
    needsCompose_ = true;
    update();
}

void CZembrikView::paintEvent(QPaintEvent*) {
    inPaint_ = true;
    // A present only copies the picture; every other paint builds it anew.
    if (!presenting_ || needsCompose_) {
        needsCompose_ = false;
        composeScreen();
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(0, 0, kScreenWidth, kScreenHeight), compose_);
    inPaint_ = false;
}

// ---- sound and dialogs ----------------------------------------------------

void CZembrikView::playSound(const std::string& name) {
    trace("sound " + name);
    sound_->playEffect(name);
}

void CZembrikView::startMusic() {
    trace("music start");
    sound_->startMusic();
}

void CZembrikView::stopMusic() {
    trace("music stop");
    sound_->stopMusic();
}

bool CZembrikView::isMusicPlaying() { return sound_->isMusicPlaying(); }

void CZembrikView::showGameWon() {
    trace("dialog won");
    CGameWonDlg dlg(this);
    dlg.exec();
}

void CZembrikView::showGameLost() {
    trace("dialog lost");
    CGameLostDlg dlg(this);
    dlg.exec();
}

void CZembrikView::fileHighScore() {
    trace("high score");
    runner_.fileHighScore();
}

void CZembrikView::showDemoOver() {
    trace("dialog demo over");
    runner_.showDemoOver();
}

void CZembrikView::finishRecording() {
    trace("dialog recording over");
    runner_.finishRecording();
}

// ---- input ----------------------------------------------------------------

void CZembrikView::onTimer() { rules_.OnTimer(); }

void CZembrikView::keyPressEvent(QKeyEvent* event) {
    // Auto-repeated presses count as presses of their own.
    rules_.OnKeyDown(virtualKeyCode(event->key()));
    QWidget::keyPressEvent(event);
}

void CZembrikView::redrawPanelOnRelease() {
    // Values drawn straight over older ones would run into each other (a
    // lost life shows "1" and "LOST" on top of each other), so the panel
    // background goes first. Shown with the next present.
    if (doc_.gameState == GameState::Idle) return;
    copyPanelBackground();
    drawStatusPanel();
}

void CZembrikView::keyReleaseEvent(QKeyEvent* event) {
    redrawPanelOnRelease();
    QWidget::keyReleaseEvent(event);
}

void CZembrikView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        rules_.moveByClick(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

void CZembrikView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        rules_.moveByClick(at.x(), at.y());
    }
    // Not the base handler: it would pass the click on as a second press.
    event->accept();
}

void CZembrikView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) redrawPanelOnRelease();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace vortan
