// The designer's view: an off-screen picture of the 22 x 22 grid drawn
// from the tile and sprite bitmaps, the region and box tools, and the mouse:
// clicks and painting strokes, the selected rectangle, copy and paste.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <vector>

#include "placement_rules.h"

class QPagedPaintDevice;

namespace vortan::designer {

class CQuorvel1Doc;

constexpr int kCellPixels = 20;
constexpr int kGridPixels = 442;  // 22 cells of 20 pixels plus the outer lines
constexpr int kImageWidth = 640;
constexpr int kImageHeight = 480;

class CQuorvel1View : public QWidget, public PlacementHost {
    Q_OBJECT
public:
    explicit CQuorvel1View(CQuorvel1Doc* doc, QWidget* parent = nullptr);

    CQuorvel1Doc* GetDocument() const { return doc_; }
    const QImage& image() const { return image_; }

    int regionTool() const { return tools_.region; }
    int boxTool() const { return tools_.box; }
    void setRegionTool(int tool);
    void setBoxTool(int tool);

    // The tile a tool button shows: a region tile, or a box on a White tile.
    QImage regionBitmap(int region) const;
    QImage boxToolBitmap(int box) const;

    // Redraws every cell into the off-screen image and repaints the window.
    void OnUpdate();
    // Draws one cell into the image and onto the window at once.
    void RedrawCell(int x, int y);

    void OnLButtonDown(QPoint pixel);
    void OnRButtonDown(QPoint pixel);
    // The cell report of a right click ("Region:\t...\nBox:\t...\nNumber:\t...").
    QString cellReport(int x, int y) const;

    void OnInitialize();
    void OnLimits();
    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints the grid, scaled to fit the page, on an opened printer.
    void printBoard(QPagedPaintDevice* printer) const;

    // The selected rectangle of cells (Shift+drag); empty when none.
    QRect selection() const { return selection_; }
    void setSelection(const QRect& cells);
    bool hasClipboard() const { return clipWidth_ > 0; }
    // Copies the selected cells; false when nothing is selected.
    bool copySelection();
    // Places the copied cells with their top-left at `cell` through the
    // placement rules, one cell at a time, as one undo step.
    bool pasteAt(QPoint cell);
    // Paste at the cell under the pointer (else at the selection's corner).
    void OnEditPaste();
    // Applies the current tools to every selected cell as one undo step.
    void OnFillSelection();
    // Ends a stroke or selection still under way (its stroke becomes a step).
    void finishDrag();
    // The cell under the pointer, or (-1, -1).
    QPoint hoverCell() const { return hover_; }

    QSize sizeHint() const override { return {kGridPixels + 1, kGridPixels + 1}; }
    // Where the grid lies in the view: scaled to fit, square, centred.
    QRectF gridRect() const;

    // PlacementHost
    void showMessage(const Message& message) override;
    bool askBoxNumber(std::uint32_t& number) override;
    void redrawCell(int x, int y) override { RedrawCell(x, y); }
    void markModified() override;

signals:
    void toolsChanged();
    void hoverChanged(QPoint cell);
    void selectionChanged(const QRect& cells);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag { None, Paint, Select };

    void drawCell(int x, int y);
    static bool cellAt(QPoint pixel, int& x, int& y);
    // The grid pixel under the pointer.
    QPoint pixelOf(const QMouseEvent* event) const;
    void setHover(QPoint cell);

    // A batch of placements (a stroke, a paste, a fill): messages are
    // gathered instead of shown, and one undo step is made at its end.
    void beginBatch();
    void placeInBatch(int x, int y, const Tools& tools);
    // Shows the gathered messages (all of them, in order, when the batch
    // touched one cell: exactly what a click shows) and records the step.
    void endBatch(const QString& undoText);
    void paintTo(QPoint cell);
    void dragTo(QPoint pixel);

    CQuorvel1Doc* doc_;
    Tools tools_;
    QImage image_;
    QImage regionBitmaps_[6];
    QImage boxBitmaps_[10];
    QImage numberBitmaps_[10];

    Drag drag_ = Drag::None;
    QPoint lastCell_;
    QPoint anchor_;
    QRect selection_;
    QPoint hover_{-1, -1};

    bool batching_ = false;
    BoardDefinition batchBefore_;
    bool visited_[kGridSize][kGridSize] = {};
    int batchCells_ = 0;
    std::vector<const Message*> cellMessages_;   // of the cell being placed
    std::vector<const Message*> firstCellMessages_;
    int refusedCells_ = 0;
    int emptiedCells_ = 0;
    const Message* firstRefusal_ = nullptr;
    const Message* firstEmptied_ = nullptr;
    // The Box Number answer of a batch: asked once, then used for every cell.
    bool batchNumberAsked_ = false;
    bool batchNumberGiven_ = false;
    std::uint32_t batchNumber_ = 0;
    bool pasting_ = false;
    std::uint32_t pasteNumber_ = 0;

    int clipWidth_ = 0;
    int clipHeight_ = 0;
    std::vector<BoardCell> clip_;  // column by column
};

}  // namespace vortan::designer
