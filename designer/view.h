// The designer's view: an off-screen picture of the 22 x 22 grid drawn
// from the tile and sprite bitmaps, the region and box tools, and the mouse.
#pragma once

#include <QImage>
#include <QWidget>

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
    // Prints the grid, scaled to fit the page, on an opened printer.
    void printBoard(QPagedPaintDevice* printer) const;

    // PlacementHost
    void showMessage(const Message& message) override;
    bool askBoxNumber(std::uint32_t& number) override;
    void redrawCell(int x, int y) override { RedrawCell(x, y); }
    void markModified() override;

signals:
    void toolsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawCell(int x, int y);
    static bool cellAt(QPoint pixel, int& x, int& y);

    CQuorvel1Doc* doc_;
    Tools tools_;
    QImage image_;
    QImage regionBitmaps_[6];
    QImage boxBitmaps_[10];
    QImage numberBitmaps_[10];
};

}  // namespace vortan::designer
