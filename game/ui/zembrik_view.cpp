#include "zembrik_view.h"

#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <chrono>
#include <thread>

#include "platform/dialog_style.h"
#include "platform/install_paths.h"
#include "platform/picture_fit.h"

namespace vortan {

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
      rules_(doc, tracer_),
      windows_(*this),
      runner_(doc, rules_, tracer_, windows_, [](const std::string& name, bool forWriting) {
          return installPathStd(name, forWriting ? FileUse::Write : FileUse::Read);
      }) {
    setObjectName("zembrikView");
    // Any size: the picture scales to fit. Below a quarter it is no use.
    setMinimumSize(kScreenWidth / 4, kScreenHeight / 4);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resize(kScreenWidth, kScreenHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    timer_.setInterval(1000);
    // Queued: a dialog opened by a tick then runs outside the timer's own
    // event, so the timer keeps firing while it is up (a timer never fires
    // again while its own event is being handled). Later ticks run inside
    // the dialog's loop and count the end of the game down as usual.
    connect(
        &timer_, &QTimer::timeout, this,
        [this] {
            rules_.OnTimer();
            // The end of the game ends the search for a hint.
            if (hints_.busy() && doc_.gameState() != GameState::Playing) hints_.cancel();
        },
        Qt::QueuedConnection);
    connect(&hints_, &CHintSeeker::found, this, &CZembrikView::showHint);
    timer_.start();
    if (!timer_.isActive()) {
        QMessageBox box(QMessageBox::NoIcon, tr("Vortan Version 2.3"),
                        tr("Cannot install timer!!!!"), QMessageBox::Ok, this);
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
    composer_.setArtwork(sheet, title);
    invalidate();
}

void CZembrikView::setSoundOutput(SoundOutput* output) { sound_ = output ? output : &silent_; }

void CZembrikView::useAudio(WavePlayer& waves, MidiDevice& midi) {
    const GameSettings& settings = rules_.settings;
    auto output = std::make_unique<InstalledSoundOutput>(
        waves, midi, [&settings] { return settings.soundStyle; }, [&settings] { return settings.musicStyle; });
    sound_ = output.get();
    installed_ = std::move(output);
}

// ---- commands -------------------------------------------------------------

LoadResult CZembrikView::openBoardFile(const QString& path) {
    const LoadResult result = doc_.openDocument(QFile::encodeName(path).toStdString());
    QString problem;
    switch (result) {
    case LoadResult::Loaded:
    case LoadResult::WrongVersion:
        invalidate();
        return result;
    case LoadResult::NotOpened:
        problem = tr("Cannot open the file %1.").arg(path);
        break;
    case LoadResult::Truncated:
    case LoadResult::Malformed:
        problem = tr("Unexpected file format.");
        break;
    }
    QMessageBox box(QMessageBox::Warning, tr("Vortan Version 2.3"), problem, QMessageBox::Ok,
                    this);
    box.setObjectName("openProblem");
    applyDialogColours(&box);
    box.exec();
    return result;
}

void CZembrikView::OnHint() {
    if (doc_.gameState() != GameState::Playing) return;
    doc_.hintUsed = true;
    hintBoxes_ = boxesNow();
    hintTicket_ = hints_.seek(doc_);
}

std::vector<std::int32_t> CZembrikView::boxesNow() const {
    std::vector<std::int32_t> boxes;
    boxes.reserve(kGridSize * kGridSize);
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) boxes.push_back(doc_.playBoard.peek(x, y).box);
    return boxes;
}

namespace {
// The search's own message names technical causes in English; the player
// reads one of these, translated by the run windows (context "GameRunner").
const char* hintText(SolveStatus status) {
    switch (status) {
    case SolveStatus::BudgetHit:
        return QT_TRANSLATE_NOOP("GameRunner", "No hint: the search needs more memory than it may use.");
    case SolveStatus::Unusable: return QT_TRANSLATE_NOOP("GameRunner", "No hint for this board.");
    default: return QT_TRANSLATE_NOOP("GameRunner", "No winning line from here.");
    }
}
}  // namespace

void CZembrikView::showHint(std::uint64_t ticket, const HintResult& hint) {
    // An answer for a position the game has left is no answer.
    if (ticket != hintTicket_ || doc_.gameState() != GameState::Playing || boxesNow() != hintBoxes_) return;
    if (hint.status == SolveStatus::Won) {
        composer_.outlineZone(hint.move);
        rules_.playSound(Sound::Click);
        tracer_.present();
        QTimer::singleShot(1000, this, [this, ticket] {
            if (ticket == hintTicket_ && doc_.gameState() != GameState::Idle) composeScreen();
        });
    } else if (hint.status != SolveStatus::Cancelled) {
        windows_.showMessage(hintText(hint.status), QT_TRANSLATE_NOOP("GameRunner", "Hint"));
    }
}

// ---- the picture ----------------------------------------------------------

void CZembrikView::composeScreen() {
    needsCompose_ = false;
    composer_.compose(doc_, rules_.settings);
    // Through the tracer, so that a traced view shows every present.
    tracer_.present();
}

void CZembrikView::boardMoved(Direction shown) {
    composer_.boardMoved(doc_, rules_.settings, shown);
    tracer_.present();
}

void CZembrikView::panelChanged(PanelChange change) { composer_.panelChanged(doc_, rules_.settings, change); }

void CZembrikView::yourBox(YourBoxEffect effect, int x, int y) {
    switch (effect) {
    case YourBoxEffect::Pickup:
    case YourBoxEffect::Hit: {
        // The animation owns the screen meanwhile: each frame is shown and
        // held before the next.
        const int frameMs = effect == YourBoxEffect::Hit ? 100 : 50;
        waitMilliseconds(100);
        for (int k = 0; k < 6; ++k) {
            composer_.drawYourBoxFrame(effect, k, x, y);
            tracer_.present();
            waitMilliseconds(frameMs);
        }
        return;
    }
    case YourBoxEffect::Resting: composer_.drawRestingYourBox(x, y); break;
    case YourBoxEffect::Lost: composer_.drawLostYourBox(x, y); break;
    }
    tracer_.present();
}

void CZembrikView::waitMilliseconds(int ms) {
    // Blocks the window on purpose: the animation owns the screen meanwhile.
    if (waitsOn_ && ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void CZembrikView::present() {
    // A paint already in progress shows the picture when it ends.
    if (inPaint_) return;
    presenting_ = true;
    // Only the picture changed: the bars beside it stay as they are.
    repaint(pictureRect().toAlignedRect());
    presenting_ = false;
}

void CZembrikView::invalidate() {
    needsCompose_ = true;
    update();
}

QRectF CZembrikView::pictureRect() const {
    return fitInWidget({kScreenWidth, kScreenHeight}, size(), devicePixelRatioF());
}

QPoint CZembrikView::pictureAt(QPointF pos) const {
    return toPicture(pos, pictureRect(), {kScreenWidth, kScreenHeight});
}

void CZembrikView::paintEvent(QPaintEvent*) {
    inPaint_ = true;
    const QRectF target = pictureRect();
    // The picture is drawn with the artwork that is at least as detailed as
    // the screen shows it; a change of scale starts a new picture.
    const int scale = CScreenComposer::scaleFor(target.width() * devicePixelRatioF());
    if (scale != composer_.scale()) {
        composer_.setScale(scale);
        needsCompose_ = true;
    }
    // A present only copies the picture; every other paint builds it anew.
    if (!presenting_ || needsCompose_) composeScreen();
    QPainter p(this);
    drawFitted(p, rect(), target, composer_.image(), palette().color(QPalette::Window));
    inPaint_ = false;
}

// ---- input ----------------------------------------------------------------

void CZembrikView::keyPressEvent(QKeyEvent* event) {
    QWidget* frame = window();
    if (event->key() == Qt::Key_Escape && frame->isFullScreen()) {
        frame->setWindowState(frame->windowState() & ~Qt::WindowFullScreen);
        return;
    }
    // Auto-repeated presses count as presses of their own.
    rules_.OnKeyDown(virtualKeyCode(event->key()));
    QWidget::keyPressEvent(event);
}

void CZembrikView::redrawPanelOnRelease() {
    // Values drawn straight over older ones would run into each other (a
    // lost life shows "1" and "LOST" on top of each other), so the panel
    // background goes first. Shown with the next present.
    if (doc_.gameState() == GameState::Idle) return;
    composer_.panelChanged(doc_, rules_.settings, PanelChange::Redrawn);
}

void CZembrikView::keyReleaseEvent(QKeyEvent* event) {
    redrawPanelOnRelease();
    QWidget::keyReleaseEvent(event);
}

void CZembrikView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = pictureAt(event->position());
        rules_.moveByClick(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

void CZembrikView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = pictureAt(event->position());
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
