#include "view.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

#include "dialogs.h"
#include "document.h"
#include "platform/board_text.h"

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
    setFixedSize(kGridPixels + 1, kGridPixels + 1);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    if (isVisible()) repaint(1 + kCellPixels * x, 1 + kCellPixels * y, kCellPixels, kCellPixels);
}

void CQuorvel1View::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect r = event->rect();
    p.drawImage(r, image_, r);
}

bool CQuorvel1View::cellAt(QPoint pixel, int& x, int& y) {
    const int px = pixel.x();
    const int py = pixel.y();
    if (!(1 < px && px < 441 && 2 <= py && py < 441)) return false;
    x = (px - 1) / kCellPixels;
    y = (py - 1) / kCellPixels;
    return true;
}

void CQuorvel1View::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const QPoint pixel(static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())));
    if (event->button() == Qt::LeftButton) OnLButtonDown(pixel);
    else if (event->button() == Qt::RightButton) OnRButtonDown(pixel);
    QWidget::mousePressEvent(event);
}

void CQuorvel1View::OnLButtonDown(QPoint pixel) {
    int x = 0, y = 0;
    if (!cellAt(pixel, x, y)) return;
    PlacementRules rules(doc_->board(), *this);
    rules.PlaceAt(x, y, tools_);
}

QString CQuorvel1View::cellReport(int x, int y) const {
    const BoardCell& cell = doc_->board().Cell(x, y);
    auto name = [](const char* n) { return n ? QString::fromLatin1(n) : QString(); };
    return QStringLiteral("Region:\t") + name(regionName(static_cast<std::uint32_t>(cell.region))) +
           QStringLiteral("\nBox:\t") + name(boxName(static_cast<std::uint32_t>(cell.box))) +
           QStringLiteral("\nNumber:\t") + name(numberName(cell.number));
}

void CQuorvel1View::OnRButtonDown(QPoint pixel) {
    int x = 0, y = 0;
    if (!cellAt(pixel, x, y)) return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Item"), cellReport(x, y), QMessageBox::Ok, this);
    box.exec();
}

void CQuorvel1View::showMessage(const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromLatin1(message.caption), QString::fromLatin1(message.text), QMessageBox::Ok,
                    this);
    box.exec();
}

bool CQuorvel1View::askBoxNumber(std::uint32_t& number) {
    CBoxNumberDlg dlg(this);
    dlg.number = number;
    if (dlg.exec() != QDialog::Accepted) return false;
    number = dlg.number;
    return true;
}

void CQuorvel1View::markModified() { doc_->SetModifiedFlag(true); }

void CQuorvel1View::OnInitialize() {
    BoardDefinition& board = doc_->board();
    CInitializeDlg dlg(this);
    dlg.gameName = fromBoardText(board.gameName);
    dlg.openingMessage = fromBoardText(board.openingMessage);
    if (dlg.exec() != QDialog::Accepted) return;
    board.gameName = toBoardText(dlg.gameName);
    board.openingMessage = toBoardText(dlg.openingMessage);
    doc_->SetModifiedFlag(true);
}

void CQuorvel1View::OnLimits() {
    BoardDefinition& board = doc_->board();
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
}

void CQuorvel1View::OnFilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printBoard(&printer);
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
