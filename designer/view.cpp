#include "view.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dialogs.h"
#include "document.h"
#include "platform/board_text.h"
#include "platform/picture_fit.h"

static void initDesignerResources() { Q_INIT_RESOURCE(designer); }

namespace vortan::designer {

namespace {

QImage loadBitmap(const char* name, int size) {
    QImage img(QStringLiteral(":/designer/") + QLatin1String(name));
    if (img.isNull() || img.width() != size || img.height() != size) {
        // A missing bitmap shows as a loud colour rather than stopping the program.
        img = QImage(size, size, QImage::Format_RGB32);
        img.fill(Qt::magenta);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

// Messages that refuse what the tools asked for; the others (M4 to M7)
// warn that a box was removed while the region was painted.
bool emptiesTheCell(const Message* m) {
    for (MessageId id : {MessageId::M4, MessageId::M5, MessageId::M6, MessageId::M7})
        if (m == &placementMessage(id)) return true;
    return false;
}

// The placement rules' messages, translated from their context.
QString placementText(const char* text) { return QCoreApplication::translate("PlacementRules", text); }

QString cellsText(int n) { return n == 1 ? CQuorvel1View::tr("1 cell") : CQuorvel1View::tr("%1 cells").arg(n); }

}  // namespace

CQuorvel1View::CQuorvel1View(CQuorvel1Doc* doc, QWidget* parent)
    : QWidget(parent), doc_(doc), image_(kImageWidth, kImageHeight, QImage::Format_RGB32) {
    initDesignerResources();
    const char* regions[6] = {"105-region-yellow.png", "106-region-blue.png", "107-region-white.png",
                              "108-region-red.png",    "109-region-green.png", "110-region-orange.png"};
    for (int i = 0; i < 6; ++i) regionBitmaps_[i] = loadBitmap(regions[i], 20);
    boxBitmaps_[0] = loadBitmap("120-box-empty.png", 20);
    boxBitmaps_[1] = loadBitmap("111-box-your.png", 16);
    const char* boxes[8] = {"112-box-free.png",   "113-box-number.png", "114-box-star.png", "115-box-hot.png",
                            "116-box-freeze.png", "117-box-time.png",   "118-box-move.png", "119-box-exception.png"};
    for (int i = 0; i < 8; ++i) boxBitmaps_[2 + i] = loadBitmap(boxes[i], 12);
    for (int n = 0; n <= 9; ++n) {
        const QByteArray name = n == 0 ? QByteArray("130-digit-0.png")
                                       : QByteArray::number(120 + n) + "-digit-" + QByteArray::number(n) + ".png";
        numberBitmaps_[n] = loadBitmap(name.constData(), 12);
    }

    // White picture with the 23 + 23 grid lines; cells are drawn between them.
    image_.fill(Qt::white);
    {
        QPainter p(&image_);
        p.setPen(QPen(Qt::black, 0));
        for (int i = 0; i <= kGridSize; ++i) {
            const int at = 1 + kCellPixels * i;
            p.drawLine(at, 1, at, 440);
            p.drawLine(1, at, 440, at);
        }
    }
    // Any size: the grid scales to fit.
    setMinimumSize(kGridPixels / 4, kGridPixels / 4);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the status bar follows the cell under the pointer
    setFocusPolicy(Qt::ClickFocus);
    connect(doc_, &CQuorvel1Doc::boardChanged, this, &CQuorvel1View::OnUpdate);
    OnUpdate();
}

void CQuorvel1View::setRegionTool(int tool) {
    if (tool < kToolOff || tool >= static_cast<int>(kRegionCodeCount)) return;
    tools_.region = tool;
    emit toolsChanged();
}

void CQuorvel1View::setBoxTool(int tool) {
    if (tool < kToolOff || tool >= static_cast<int>(kBoxCodeCount)) return;
    tools_.box = tool;
    emit toolsChanged();
}

namespace {
// "Turned Off": a grey tile crossed out.
QImage offBitmap() {
    QImage img(kCellPixels, kCellPixels, QImage::Format_RGB32);
    img.fill(QColor(224, 224, 224));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 0, 0), 2));
    p.drawEllipse(QRectF(3.5, 3.5, 13, 13));
    p.drawLine(QPointF(6, 14), QPointF(14, 6));
    return img;
}
}  // namespace

QImage CQuorvel1View::regionBitmap(int region) const {
    if (region < 0 || region >= static_cast<int>(kRegionCodeCount)) return offBitmap();
    return regionBitmaps_[region];
}

QImage CQuorvel1View::boxToolBitmap(int box) const {
    if (box < 0 || box >= static_cast<int>(kBoxCodeCount)) return offBitmap();
    if (box == static_cast<int>(BoxCode::Empty)) return boxBitmaps_[0];
    QImage img = regionBitmaps_[static_cast<int>(RegionCode::White)];
    QPainter p(&img);
    const QImage& sprite = boxBitmaps_[box];
    p.drawImage((kCellPixels - sprite.width()) / 2, (kCellPixels - sprite.height()) / 2, sprite);
    return img;
}

void CQuorvel1View::drawCell(int x, int y) {
    const BoardCell& cell = doc_->board().Cell(x, y);
    QPainter p(&image_);
    const int left = 1 + kCellPixels * x;
    const int top = 1 + kCellPixels * y;
    const auto region = static_cast<std::uint32_t>(cell.region);
    if (region < kRegionCodeCount) p.drawImage(left, top, regionBitmaps_[region]);
    else p.fillRect(left, top, 20, 20, Qt::black);  // a code no region has

    const auto box = static_cast<std::uint32_t>(cell.box);
    if (cell.box == BoxCode::Empty) return;
    if (cell.box == BoxCode::Your) {
        p.drawImage(left + 2, top + 2, boxBitmaps_[1]);
    } else if (cell.box == BoxCode::Number) {
        if (cell.number <= 9) p.drawImage(left + 4, top + 4, numberBitmaps_[cell.number]);
        else p.fillRect(left + 4, top + 4, 12, 12, Qt::magenta);
    } else if (box < kBoxCodeCount) {
        p.drawImage(left + 4, top + 4, boxBitmaps_[box]);
    } else {
        p.fillRect(left + 4, top + 4, 12, 12, Qt::magenta);  // a code no box has
    }
}

void CQuorvel1View::OnUpdate() {
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) drawCell(x, y);
    update();
}

void CQuorvel1View::RedrawCell(int x, int y) {
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize) return;
    drawCell(x, y);
    if (!isVisible()) return;
    const QRectF grid = gridRect();
    const double k = grid.width() / (kGridPixels + 1);
    const QRectF cell(grid.x() + k * (1 + kCellPixels * x), grid.y() + k * (1 + kCellPixels * y), k * kCellPixels,
                      k * kCellPixels);
    // A scaled cell blends into its neighbours' edges: a pixel more each side.
    repaint(cell.toAlignedRect().adjusted(-1, -1, 1, 1));
}

QRectF CQuorvel1View::gridRect() const {
    return fitInWidget({kGridPixels + 1, kGridPixels + 1}, size(), devicePixelRatioF());
}

void CQuorvel1View::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF grid = gridRect();
    // The grid part of the surface, drawn in place rather than copied out at every paint.
    drawFitted(p, rect(), grid, image_, palette().color(QPalette::Window), QRect(0, 0, kGridPixels + 1, kGridPixels + 1));
    // The selection is drawn in grid pixels, scaled with the grid.
    p.translate(grid.topLeft());
    p.scale(grid.width() / (kGridPixels + 1), grid.height() / (kGridPixels + 1));
    if (!selection_.isEmpty()) {
        // Dark dashes over a light line: visible on every tile.
        const QRect frame(1 + kCellPixels * selection_.x(), 1 + kCellPixels * selection_.y(),
                          kCellPixels * selection_.width(), kCellPixels * selection_.height());
        p.setPen(QPen(Qt::white, 2));
        p.drawRect(frame.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.drawRect(frame.adjusted(1, 1, -1, -1));
    }
}

bool CQuorvel1View::cellAt(QPoint pixel, int& x, int& y) {
    const int px = pixel.x();
    const int py = pixel.y();
    if (!(1 < px && px < 441 && 2 <= py && py < 441)) return false;
    x = (px - 1) / kCellPixels;
    y = (py - 1) / kCellPixels;
    return true;
}

QPoint CQuorvel1View::pixelOf(const QMouseEvent* event) const {
    return toPicture(event->position(), gridRect(), {kGridPixels + 1, kGridPixels + 1});
}

void CQuorvel1View::setHover(QPoint cell) {
    if (cell == hover_) return;
    hover_ = cell;
    emit hoverChanged(hover_);
}

void CQuorvel1View::mousePressEvent(QMouseEvent* event) {
    const QPoint pixel = pixelOf(event);
    int x = 0, y = 0;
    const bool onGrid = cellAt(pixel, x, y);
    if (event->button() == Qt::LeftButton && drag_ == Drag::None) {
        if (event->modifiers() & Qt::ShiftModifier) {
            if (onGrid) {
                drag_ = Drag::Select;
                anchor_ = QPoint(x, y);
                setSelection(QRect(anchor_, anchor_));
            }
        } else if (tools_.box == static_cast<int>(BoxCode::Number)) {
            // Every Number box needs its own number: no painting, one click
            // and its dialog as always.
            setSelection(QRect());
            OnLButtonDown(pixel);
        } else if (onGrid) {
            setSelection(QRect());
            drag_ = Drag::Paint;
            beginBatch();
            lastCell_ = QPoint(x, y);
            placeInBatch(x, y, tools_);
        }
    } else if (event->button() == Qt::RightButton && drag_ == Drag::None) {
        OnRButtonDown(pixel);
    }
    QWidget::mousePressEvent(event);
}

void CQuorvel1View::mouseMoveEvent(QMouseEvent* event) {
    if (drag_ != Drag::None && !(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (a message box took it): the drag
        // ends here rather than go on painting without a button held.
        finishDrag();
    }
    dragTo(pixelOf(event));
    QWidget::mouseMoveEvent(event);
}

void CQuorvel1View::dragTo(QPoint pixel) {
    int x = 0, y = 0;
    const bool onGrid = cellAt(pixel, x, y);
    setHover(onGrid ? QPoint(x, y) : QPoint(-1, -1));
    if (drag_ == Drag::Paint && onGrid) {
        paintTo(QPoint(x, y));
    } else if (drag_ == Drag::Select) {
        const QPoint c(std::clamp((pixel.x() - 1) / kCellPixels, 0, kGridSize - 1),
                       std::clamp((pixel.y() - 1) / kCellPixels, 0, kGridSize - 1));
        setSelection(QRect(anchor_, c).normalized());
    }
}

void CQuorvel1View::finishDrag() {
    const Drag ended = drag_;
    drag_ = Drag::None;
    if (ended == Drag::Paint) endBatch(tr("Paint"));
}

void CQuorvel1View::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && drag_ != Drag::None) {
        // The release point counts as the last point of the drag.
        dragTo(pixelOf(event));
        finishDrag();
    }
    QWidget::mouseReleaseEvent(event);
}

void CQuorvel1View::leaveEvent(QEvent* event) {
    setHover(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void CQuorvel1View::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !selection_.isEmpty()) {
        setSelection(QRect());
        return;
    }
    QWidget::keyPressEvent(event);
}

void CQuorvel1View::paintTo(QPoint cell) {
    // Every cell on the way, so that a quick movement leaves no gaps.
    const QPoint from = lastCell_;
    const int steps = std::max(std::abs(cell.x() - from.x()), std::abs(cell.y() - from.y()));
    for (int i = 1; i <= steps; ++i) {
        const int x = from.x() + static_cast<int>(std::lround(double(cell.x() - from.x()) * i / steps));
        const int y = from.y() + static_cast<int>(std::lround(double(cell.y() - from.y()) * i / steps));
        placeInBatch(x, y, tools_);
    }
    lastCell_ = cell;
}

void CQuorvel1View::beginBatch() {
    batching_ = true;
    batchBefore_ = doc_->board();
    std::fill(&visited_[0][0], &visited_[0][0] + kCellCount, false);
    batchCells_ = 0;
    refusedCells_ = 0;
    emptiedCells_ = 0;
    firstRefusal_ = nullptr;
    firstEmptied_ = nullptr;
    firstCellMessages_.clear();
    batchNumberAsked_ = false;
}

void CQuorvel1View::placeInBatch(int x, int y, const Tools& tools) {
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize || visited_[x][y]) return;
    visited_[x][y] = true;
    ++batchCells_;
    cellMessages_.clear();
    PlacementRules rules(doc_->board(), *this);
    rules.PlaceAt(x, y, tools);
    if (batchCells_ == 1) firstCellMessages_ = cellMessages_;
    bool refused = false, emptied = false;
    for (const Message* m : cellMessages_) {
        if (emptiesTheCell(m)) {
            emptied = true;
            if (!firstEmptied_) firstEmptied_ = m;
        } else {
            refused = true;
            if (!firstRefusal_) firstRefusal_ = m;
        }
    }
    refusedCells_ += refused;
    emptiedCells_ += emptied;
}

void CQuorvel1View::endBatch(const QString& undoText) {
    batching_ = false;
    doc_->commitEdit(undoText, batchBefore_);
    if (batchCells_ == 1) {
        for (const Message* m : firstCellMessages_) showMessage(*m);
        return;
    }
    if (!firstRefusal_ && !firstEmptied_) return;
    // One message for the whole stroke instead of one per cell.
    QStringList parts;
    if (firstRefusal_)
        parts << (refusedCells_ == 1 ? tr("%1 of %2 was refused:\n%3") : tr("%1 of %2 were refused:\n%3"))
                     .arg(cellsText(refusedCells_))
                     .arg(batchCells_)
                     .arg(placementText(firstRefusal_->text));
    if (firstEmptied_)
        parts << (emptiedCells_ == 1 ? tr("%1 lost its box:\n%2") : tr("%1 lost their box:\n%2"))
                     .arg(cellsText(emptiedCells_))
                     .arg(placementText(firstEmptied_->text));
    const Message* caption = firstRefusal_ ? firstRefusal_ : firstEmptied_;
    QMessageBox box(QMessageBox::Warning, placementText(caption->caption), parts.join(QStringLiteral("\n\n")),
                    QMessageBox::Ok, this);
    box.exec();
}

void CQuorvel1View::setSelection(const QRect& cells) {
    const QRect clipped = cells.normalized() & QRect(0, 0, kGridSize, kGridSize);
    if (clipped == selection_) return;
    selection_ = clipped;
    update();
    emit selectionChanged(selection_);
}

bool CQuorvel1View::copySelection() {
    if (selection_.isEmpty()) return false;
    clipWidth_ = selection_.width();
    clipHeight_ = selection_.height();
    clip_.clear();
    for (int x = selection_.left(); x <= selection_.right(); ++x)
        for (int y = selection_.top(); y <= selection_.bottom(); ++y) clip_.push_back(doc_->board().Cell(x, y));
    return true;
}

bool CQuorvel1View::pasteAt(QPoint cell) {
    if (!hasClipboard() || cell.x() < 0 || cell.y() < 0 || cell.x() >= kGridSize || cell.y() >= kGridSize)
        return false;
    // Each copied cell is placed as a click with its region and box as the
    // tools would be, so the rules refuse what they would refuse by hand.
    beginBatch();
    pasting_ = true;
    for (int dx = 0; dx < clipWidth_; ++dx)
        for (int dy = 0; dy < clipHeight_; ++dy) {
            const BoardCell& src = clip_[static_cast<std::size_t>(dx * clipHeight_ + dy)];
            pasteNumber_ = src.number;
            placeInBatch(cell.x() + dx, cell.y() + dy,
                         Tools{static_cast<int>(src.region), static_cast<int>(src.box)});
        }
    pasting_ = false;
    endBatch(tr("Paste"));
    return true;
}

void CQuorvel1View::OnEditPaste() {
    if (hover_.x() >= 0) pasteAt(hover_);
    else if (!selection_.isEmpty()) pasteAt(selection_.topLeft());
}

void CQuorvel1View::OnFillSelection() {
    if (selection_.isEmpty()) return;
    beginBatch();
    for (int x = selection_.left(); x <= selection_.right(); ++x)
        for (int y = selection_.top(); y <= selection_.bottom(); ++y) placeInBatch(x, y, tools_);
    endBatch(tr("Fill"));
}

void CQuorvel1View::OnLButtonDown(QPoint pixel) {
    int x = 0, y = 0;
    if (!cellAt(pixel, x, y)) return;
    const BoardDefinition before = doc_->board();
    PlacementRules rules(doc_->board(), *this);
    rules.PlaceAt(x, y, tools_);
    doc_->commitEdit(tr("Place"), before);
}

QString CQuorvel1View::cellReport(int x, int y) const {
    const BoardCell& cell = doc_->board().Cell(x, y);
    auto name = [](const char* n) { return n ? QCoreApplication::translate("BoardNames", n) : QString(); };
    return tr("Region:\t%1\nBox:\t%2\nNumber:\t%3")
        .arg(name(regionName(static_cast<std::uint32_t>(cell.region))),
             name(boxName(static_cast<std::uint32_t>(cell.box))), name(numberName(cell.number)));
}

void CQuorvel1View::OnRButtonDown(QPoint pixel) {
    int x = 0, y = 0;
    if (!cellAt(pixel, x, y)) return;
    QMessageBox box(QMessageBox::NoIcon, tr("Item"), cellReport(x, y), QMessageBox::Ok, this);
    box.exec();
}

void CQuorvel1View::showMessage(const Message& message) {
    if (batching_) {
        cellMessages_.push_back(&message);
        return;
    }
    QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    placementText(message.caption), placementText(message.text), QMessageBox::Ok,
                    this);
    box.exec();
}

bool CQuorvel1View::askBoxNumber(std::uint32_t& number) {
    if (pasting_) {
        number = pasteNumber_;
        return true;
    }
    if (batching_ && batchNumberAsked_) {
        number = batchNumber_;
        return batchNumberGiven_;
    }
    CBoxNumberDlg dlg(this);
    dlg.number = number;
    const bool given = dlg.exec() == QDialog::Accepted;
    if (given) number = dlg.number;
    if (batching_) {
        // A fill asks once; the rules then refuse the number on the other cells.
        batchNumberAsked_ = true;
        batchNumberGiven_ = given;
        batchNumber_ = number;
    }
    return given;
}

void CQuorvel1View::markModified() { doc_->SetModifiedFlag(true); }

void CQuorvel1View::OnInitialize() {
    BoardDefinition& board = doc_->board();
    const BoardDefinition before = board;
    CInitializeDlg dlg(this);
    dlg.gameName = fromBoardText(board.gameName);
    dlg.openingMessage = fromBoardText(board.openingMessage);
    if (dlg.exec() != QDialog::Accepted) return;
    board.gameName = toBoardText(dlg.gameName);
    board.openingMessage = toBoardText(dlg.openingMessage);
    doc_->SetModifiedFlag(true);
    doc_->commitEdit(tr("Initialize"), before);
}

void CQuorvel1View::OnLimits() {
    BoardDefinition& board = doc_->board();
    const BoardDefinition before = board;
    CLimitsDlg dlg(this);
    dlg.timeLimit = board.timeLimit;
    dlg.moveLimit = board.moveLimit;
    dlg.numberBoxTimeLimit = board.numberBoxTimeLimit;
    dlg.starBoxTimeLimit = board.starBoxTimeLimit;
    dlg.numberOfLives = board.numberOfLives;
    dlg.timeBoxTimeValue = board.timeBoxTimeValue;
    dlg.moveBoxMoveValue = board.moveBoxMoveValue;
    if (dlg.exec() != QDialog::Accepted) return;
    board.timeLimit = dlg.timeLimit;
    board.moveLimit = dlg.moveLimit;
    board.numberBoxTimeLimit = dlg.numberBoxTimeLimit;
    board.starBoxTimeLimit = dlg.starBoxTimeLimit;
    board.numberOfLives = dlg.numberOfLives;
    board.timeBoxTimeValue = dlg.timeBoxTimeValue;
    board.moveBoxMoveValue = dlg.moveBoxMoveValue;
    doc_->SetModifiedFlag(true);
    doc_->commitEdit(tr("Limits"), before);
}

void CQuorvel1View::OnFilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printBoard(&printer);
}

void CQuorvel1View::OnFilePrintPreview() {
    QPrintPreviewDialog dialog(this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { printBoard(printer); });
    dialog.exec();
}

void CQuorvel1View::printBoard(QPagedPaintDevice* printer) const {
    QPainter p(printer);
    if (!p.isActive()) return;
    // Whole pixels per picture pixel, so the tiles stay crisp on paper.
    const QRect page = p.viewport();
    const int scale = std::max(1, std::min(page.width(), page.height()) / (kGridPixels + 1));
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage grid = image_.copy(0, 0, kGridPixels + 1, kGridPixels + 1);
    p.drawImage(QRect(0, 0, grid.width() * scale, grid.height() * scale), grid);
}

}  // namespace vortan::designer
