// The game view driven through its public face: boards opened as Ctrl+O
// opens them, keys and clicks sent as events, the composed picture read back.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>

#include "game/ui/zembrik_view.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_answerer.h"
#include "ui_test_support.h"

using namespace vortan;
using uitest::sheetPointAt;
using vortan::testing::ModalAnswerer;
using vortan::testing::readBytes;
using vortan::testing::writeBytes;

namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::startTest();
        view = std::make_unique<CZembrikView>(doc);
        uitest::prepareView(*view);
        view->setTrace(&trace);
        view->show();
    }

    // Opens a board the way the Open command does, minus the file dialog.
    // The zone figures cross many cells, so picture checks of tiles and
    // sprites open with mouse control off.
    void openWithoutZones(BoardDefinition board) {
        view->OnMouseControl();
        open(std::move(board));
    }
    void open(BoardDefinition board, const char* name = "board.dat") {
        const QString path = uitest::writeBoard(name, board);
        ASSERT_EQ(view->openBoardFile(path), LoadResult::Loaded);
        view->composeScreen();
    }

    // The sheet pixel shown at (dx, dy) inside board cell (x, y).
    QPoint shownAt(int x, int y, int dx, int dy) const {
        return sheetPointAt(view->composedImage(), 250 + 25 * x + dx, 25 * y + dy);
    }
    int whitePixels(const QRect& r) const { return uitest::whitePixels(view->composedImage(), r); }

    CZembrikDoc doc;
    std::unique_ptr<CZembrikView> view;
    std::vector<std::string> trace;
};

// ---- picture ---------------------------------------------------------------

TEST_F(ViewTest, TheTitleShowsWhileIdleAndABoardOpenedIsPlayedAndShownAtOnce) {
    auto titleShown = [this] {
        const QImage& img = view->composedImage();
        for (QPoint p : {QPoint(0, 0), QPoint(120, 180), QPoint(400, 300), QPoint(799, 599)})
            if ((img.pixel(p) | 0xff000000) != uitest::kTitleColour) return false;
        return true;
    };
    view->composeScreen();
    EXPECT_TRUE(titleShown());
    QTest::keyClick(view.get(), Qt::Key_Right);  // its release draws no panel
    EXPECT_TRUE(titleShown());

    BoardDefinition b = uitest::plainBoard(4, 6);
    EXPECT_EQ(view->openBoardFile(uitest::writeBoard("start.dat", b)), LoadResult::Loaded);
    QCoreApplication::processEvents();  // the next paint shows the new board
    EXPECT_EQ(shownAt(4, 6, 2, 2), QPoint(274, 329));
    // After a game, whatever was played.
    doc.endRun();
    view->composeScreen();
    EXPECT_TRUE(titleShown());
}

// (A style out of range never comes this far: the options are read as the first choice.)
TEST_F(ViewTest, AnUnknownRegionPaintsNoTile) {
    openWithoutZones(uitest::plainBoard(15, 15));
    // A region code outside the table keeps what the surface held there.
    doc.playBoard.setCell(3, 3, 9, 0, 0);
    view->rules().settings.graphicsStyle = 1;
    view->composeScreen();
    EXPECT_EQ(shownAt(3, 3, 5, 5), QPoint(5, 280));  // still the Traditional Yellow of the last paint
    EXPECT_EQ(shownAt(4, 3, 5, 5), QPoint(5, 255));  // Yellow under Mixed
}

TEST_F(ViewTest, SpritesSitOnTheirTilesAndNumbersOutsideOneToNineAreBare) {
    BoardDefinition b = uitest::plainBoard(2, 2);
    b.Cell(4, 8).box = BoxCode::Exception;
    b.Cell(4, 14) = BoardCell{RegionCode::Yellow, BoxCode::Number, 0};
    b.Cell(6, 14) = BoardCell{RegionCode::Yellow, BoxCode::Number, 10};
    openWithoutZones(b);
    EXPECT_EQ(shownAt(2, 2, 2, 2), QPoint(274, 329));  // Your box resting, 21 x 21 at +2
    EXPECT_EQ(shownAt(2, 2, 22, 22), QPoint(294, 349));
    EXPECT_EQ(shownAt(4, 8, 4, 4), QPoint(150, 25));  // other boxes 15 x 15 at +4
    EXPECT_EQ(shownAt(4, 8, 18, 18), QPoint(164, 39));
    EXPECT_EQ(shownAt(4, 8, 3, 3), QPoint(3, 278));  // the tile around it
    EXPECT_EQ(shownAt(4, 14, 8, 8), QPoint(8, 283));
    EXPECT_EQ(shownAt(6, 14, 8, 8), QPoint(8, 283));
}

TEST_F(ViewTest, AnimationFramesAdvancePerMoveAndStopWhenOff) {
    BoardDefinition b = uitest::plainBoard(2, 2);
    b.Cell(5, 20).box = BoxCode::Star;  // against the bottom wall: never moves down
    b.Cell(7, 20) = BoardCell{RegionCode::Yellow, BoxCode::Number, 4};
    openWithoutZones(b);
    EXPECT_EQ(shownAt(5, 20, 4, 4), QPoint(274, 40));
    view->boardMoved(Direction::None);
    view->composer().drawBoard(doc, view->rules().settings.graphicsStyle);
    EXPECT_EQ(view->composer().animFrame, 1);
    EXPECT_EQ(shownAt(5, 20, 4, 4), QPoint(289, 40));  // frame 1
    EXPECT_EQ(shownAt(7, 20, 4, 4), QPoint(289, 120)); // dim 4
    for (int i = 0; i < 5; ++i) view->boardMoved(Direction::None);
    EXPECT_EQ(view->composer().animFrame, 0);  // wraps after frame 5
    view->boardMoved(Direction::None);
    // Switched off in the middle of a cycle: back to the first frame.
    view->OnAnimation();
    view->boardMoved(Direction::None);
    view->composer().drawBoard(doc, view->rules().settings.graphicsStyle);
    EXPECT_EQ(view->composer().animFrame, 0);
    EXPECT_EQ(view->composer().blinkPhase, 0);
    EXPECT_EQ(shownAt(5, 20, 4, 4), QPoint(274, 40));
    EXPECT_EQ(shownAt(7, 20, 4, 4), QPoint(274, 120));
}

// ---- status panel ----------------------------------------------------------

TEST_F(ViewTest, PanelShowsValuesAndMouseLinesWhilePlayingAndReleasesRedrawIt) {
    open(uitest::plainBoard());
    const QRect lives(110, 171, 60, 25), time(175, 321, 60, 25), mouse(50, 471, 150, 55);
    EXPECT_GT(whitePixels(lives), 5);
    EXPECT_GT(whitePixels(time), 5);
    EXPECT_GT(whitePixels(mouse), 100);
    // The panel background is sheet x 550.. copied to x 0..
    EXPECT_EQ(sheetPointAt(view->composedImage(), 5, 5), QPoint(555, 5));

    const auto panel = [this] { return view->composedImage().copy(0, 0, 250, 600); };
    const QImage clean = panel();
    view->composer().copyPanelBackground();
    ASSERT_EQ(whitePixels(lives), 0);
    QTest::keyRelease(view.get(), Qt::Key_A);
    EXPECT_EQ(panel(), clean);
    // A stale value under the new one is wiped, not overdrawn.
    view->composer().drawPanelText("LOST", 110, 171);
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(panel(), clean);

    view->OnMouseControl();
    view->composeScreen();
    EXPECT_EQ(whitePixels(mouse), 0);
    EXPECT_GT(whitePixels(lives), 5);
}

// ---- zones -----------------------------------------------------------------

TEST_F(ViewTest, LastMoveZoneIsWhiteTheOthersBlue) {
    open(uitest::plainBoard());
    // The outer edges of the Left, Right and Up zones, and the inner
    // square's left edge (part of the Left zone).
    const QPoint probes[] = {{287, 300}, {762, 300}, {500, 37}, {487, 270}};
    const auto zones = [&] {
        std::string seen;
        for (QPoint p : probes) {
            const QRgb c = view->composedImage().pixel(p);
            seen += uitest::isWhite(c) ? 'W' : uitest::isBlue(c) ? 'B' : '?';
        }
        return seen;
    };
    EXPECT_EQ(zones(), "BBBB");
    QTest::keyPress(view.get(), Qt::Key_Left);
    EXPECT_EQ(zones(), "WBBW");
    QTest::keyPress(view.get(), Qt::Key_Up);
    EXPECT_EQ(zones(), "BBWB");
    // The panel redraws of the move and of the key release keep it white
    // until the board is painted again.
    QTest::keyRelease(view.get(), Qt::Key_Up);
    EXPECT_EQ(zones(), "BBWB");
    view->boardMoved(Direction::None);
    EXPECT_EQ(zones(), "BBBB");

    // Without mouse control the board shows no figure at all.
    view->OnMouseControl();
    view->boardMoved(Direction::Down);
    EXPECT_EQ(zones(), "????");
    for (QPoint p : probes) EXPECT_NE(sheetPointAt(view->composedImage(), p.x(), p.y()), QPoint(-1, -1));
}

// ---- input -----------------------------------------------------------------

TEST_F(ViewTest, ArrowKeysEvenAutoRepeatedAndDoubleClicksMoveAndOtherInputDoesNot) {
    open(uitest::plainBoard(10, 10));
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) QTest::keyClick(view.get(), k);
    EXPECT_EQ(doc.playBoard.yourX(), 9);
    EXPECT_EQ(doc.playBoard.yourY(), 10);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), i > 0);
        QCoreApplication::sendEvent(view.get(), &press);
    }
    EXPECT_EQ(doc.playBoard.yourX(), 12);
    const int moves = doc.movesLeft;
    for (Qt::Key k : {Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_A})
        QTest::keyClick(view.get(), k);
    EXPECT_EQ(doc.movesLeft, moves);
    // A double click is a press, a release and a second press.
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(650, 275));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(650, 275), view->mapToGlobal(QPointF(650, 275)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &dbl);
    EXPECT_EQ(doc.playBoard.yourX(), 14);
}

TEST_F(ViewTest, LeftClicksMoveByZoneAtAnyWindowSize) {
    open(uitest::plainBoard(10, 10));
    // The start size, then bars left and right, then above and below, at odd sizes.
    for (QSize size : {QSize(800, 600), QSize(1001, 601), QSize(523, 901)}) {
        view->resize(size);
        const QRectF shown = view->pictureRect();
        const auto widgetPoint = [&](double x, double y) {
            return (shown.topLeft() + QPointF((x + 0.5) * shown.width() / 800, (y + 0.5) * shown.height() / 600)).toPoint();
        };
        const int x = doc.playBoard.yourX(), y = doc.playBoard.yourY();
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, widgetPoint(650, 275));  // Right zone's middle
        EXPECT_EQ(doc.playBoard.yourX(), x + 1) << size.width();
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, widgetPoint(525, 450));  // Down zone's middle
        EXPECT_EQ(doc.playBoard.yourY(), y + 1) << size.width();
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));  // the bar or the panel
        QTest::mouseClick(view.get(), Qt::RightButton, Qt::NoModifier, widgetPoint(650, 275));
        EXPECT_EQ(doc.playBoard.yourX(), x + 1);
        EXPECT_EQ(doc.playBoard.yourY(), y + 1);
    }
}

TEST_F(ViewTest, TheShippedArtworkLoadsAndALargeWindowComposesWithItsTwiceDetailedPictures) {
    CZembrikDoc shippedDoc;
    CZembrikView shipped(shippedDoc);  // the artwork that ships, 1x and 2x
    shipped.clock().stop();
    shipped.setAnimationWaits(false);
    if (QImage(":/game/sprites.png").isNull()) GTEST_SKIP() << "built without the game artwork";
    shipped.composeScreen();
    EXPECT_EQ(shipped.composedImage(), QImage(":/game/title.png").convertToFormat(QImage::Format_RGB32));
    BoardDefinition board = uitest::plainBoard(10, 10);
    ASSERT_EQ(shipped.openBoardFile(uitest::writeBoard("shipped.dat", board)), LoadResult::Loaded);
    shipped.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shipped));
    shipped.repaint();
    const QImage one = shipped.composedImage().copy();
    ASSERT_EQ(one.size(), QSize(800, 600));

    shipped.resize(1600, 1200);
    shipped.repaint();
    QImage two = shipped.composedImage().copy();
    EXPECT_EQ(two.size(), QSize(1600, 1200));
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    two.setDevicePixelRatio(1);
    // The same picture...
    const QImage halved = two.scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double off = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) off += std::abs(qGray(halved.pixel(x, y)) - qGray(one.pixel(x, y)));
    EXPECT_LT(off / (800 * 600), 12.0);
    // ...but drawn at its own detail, not the 1x picture with its pixels doubled.
    EXPECT_NE(two, one.scaled(1600, 1200));
}

// ---- ends of games ---------------------------------------------------------

// The end dialogs' faces are the main window tests'; here, what the board shows.
TEST_F(ViewTest, AHitShowsEachFrameAndALostGameTheLostSprite) {
    BoardDefinition b = uitest::plainBoard(19, 10);
    b.Cell(20, 10).box = BoxCode::Hot;
    b.Cell(20, 11).box = BoxCode::Hot;  // held by the wall below
    b.Cell(20, 12).region = RegionCode::Blue;
    b.numberOfLives = 2;
    open(b);
    QTest::keyClick(view.get(), Qt::Key_Right);
    // Six frames, each presented; then the resting sprite on the hot cell.
    const auto hit = std::find(trace.begin(), trace.end(), "hit 20 10");
    ASSERT_GE(trace.end() - hit, 8);
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(hit[k], "present");
    EXPECT_EQ(hit[7], "resting 20 10");
    EXPECT_EQ(shownAt(20, 10, 2, 2), QPoint(274, 329));

    ModalAnswerer answer;
    answer.dialog<QDialog>("gameLostDialog", [](QDialog* d) { d->accept(); });
    QTest::keyClick(view.get(), Qt::Key_Down);  // the last life
    answer.stop();
    EXPECT_TRUE(answer.done() && answer.unexpected.empty());
    view->composeScreen();
    EXPECT_EQ(shownAt(20, 11, 2, 2), QPoint(274, 287));
}

// ---- the Open command ------------------------------------------------------

// That the game goes on unchanged is the document's; here, what the player reads.
TEST_F(ViewTest, AFileThatCannotBeReadIsReported) {
    BoardDefinition b = uitest::plainBoard();
    const QString cut = uitest::writeBoard("cut.dat", b);
    writeBytes(cut, readBytes(cut).substr(0, 40));
    ModalAnswerer answer;
    answer.box().box();
    EXPECT_EQ(view->openBoardFile(cut), LoadResult::Truncated);
    EXPECT_EQ(view->openBoardFile(cut + ".missing"), LoadResult::NotOpened);
    answer.stop();
    ASSERT_EQ(answer.shown.size(), 2u);
    EXPECT_EQ(answer.shown[0].text, "Unexpected file format.");
    EXPECT_TRUE(answer.shown[1].text.startsWith("Cannot open")) << answer.shown[1].text.toStdString();
}

}  // namespace
