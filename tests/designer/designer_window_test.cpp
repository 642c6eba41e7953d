// The real designer window driven with QTest, one check per behaviour only
// the window has: the placement rules, File commands and dialog fields
// behind it are tested without a window.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include "board/board_file.h"
#include "designer/dialogs.h"
#include "designer/document.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "platform/help_window.h"
#include "platform/install_paths.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_answerer.h"

// Readable failures: QString as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace vortan;
using namespace vortan::designer;
using vortan::testing::ModalAnswerer;

namespace {

QPoint cellPixel(int x, int y) { return QPoint(1 + 20 * x + 10, 1 + 20 * y + 10); }
int R(RegionCode r) { return static_cast<int>(r); }
int B(BoxCode b) { return static_cast<int>(b); }
QImage tile(const char* name) {
    return QImage(QStringLiteral(":/designer/") + name).convertToFormat(QImage::Format_RGB32);
}
void fill(QDialog* d, const char* field, const QString& text) {
    d->findChild<QLineEdit*>(QLatin1String(field))->setText(text);
}
void press(QDialog* d, const char* button) { d->findChild<QPushButton*>(QLatin1String(button))->click(); }

class DesignerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(userDataFolder() + "/designer.ini");  // no recent files from another test
        frame = std::make_unique<CMainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override {
        EXPECT_TRUE(answer.unexpected.empty()) << answer.unexpected.front().toStdString();
        doc()->SetModifiedFlag(false);
        frame.reset();
    }

    CQuorvel1Doc* doc() { return frame->document(); }
    CQuorvel1View* view() { return frame->view(); }
    BoardDefinition& board() { return doc()->board(); }
    QUndoStack* undo() { return doc()->undoStack(); }

    void command(int id) {
        QAction* a = frame->action(id);
        ASSERT_NE(nullptr, a) << id;
        a->trigger();
    }
    void leftClick(QPoint p) { QTest::mouseClick(view(), Qt::LeftButton, Qt::NoModifier, p); }
    void leftClickCell(int x, int y) { leftClick(cellPixel(x, y)); }
    void tools(int region, int box) {
        command(32772 + region);  // -1 maps to 32771 "Turned Off"
        command(32779 + box);
    }
    // Answers the Box Number dialog with `text`.
    static void boxNumber(ModalAnswerer& a, const QString& text) {
        a.dialog<CBoxNumberDlg>([text](CBoxNumberDlg* d) {
            fill(d, "edit1000", text);
            press(d, "button1");
        });
    }
    // A left-button drag from cell to cell, the pointer passing the centre
    // of each cell named in `via` on the way.
    void drag(QPoint from, QPoint to, const std::vector<QPoint>& via = {},
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mousePress(view(), Qt::LeftButton, mods, cellPixel(from.x(), from.y()));
        for (QPoint c : via) QTest::mouseMove(view(), cellPixel(c.x(), c.y()));
        QTest::mouseRelease(view(), Qt::LeftButton, mods, cellPixel(to.x(), to.y()));
    }
    // Keys go to the window as a user's would, through its shortcuts.
    void key(int k, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), static_cast<Qt::Key>(k), mods);
    }
    // The pointer rests over a cell (no button).
    void hover(int x, int y) { QTest::mouseMove(view(), cellPixel(x, y)); }

    QApplication* app = vortan::testing::testApp();  // before any widget or timer
    // Answers the dialogs and message boxes each test queues on it; any
    // other one fails the test.
    ModalAnswerer answer;
    std::unique_ptr<CMainFrame> frame;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(DesignerWindow, AClickPaintsTheCellUnderThePointerAtAnyWindowSize) {
    tools(R(RegionCode::Yellow), kToolOff);
    // Outside the active area: nothing at all, not even the modified flag.
    for (QPoint p : {QPoint(1, 100), QPoint(441, 100), QPoint(600, 300)}) leftClick(p);
    QTest::qWait(30);
    EXPECT_FALSE(doc()->IsModified());

    leftClick(QPoint(40, 60));  // cell (1, 2)
    EXPECT_EQ(RegionCode::Yellow, board().Cell(1, 2).region);
    EXPECT_EQ(tile("105-region-yellow.png"), view()->image().copy(21, 41, 20, 20));

    // A refused click is a warning box over the window.
    answer.box();
    leftClick(QPoint(2, 2));  // cell (0, 0): the border
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("This Region can't be modified!"), answer.shown[0].text);
    EXPECT_EQ(QMessageBox::Warning, answer.shown[0].icon);
    EXPECT_EQ(1, undo()->count());  // marked modified, but no step that changes nothing

    // In a window twice as large, the far corner of cell (7, 9), grid
    // pixel (160, 200), is still that cell.
    frame->resize(frame->size() * 2);
    QCoreApplication::processEvents();
    const QRectF grid = view()->gridRect();
    ASSERT_GE(grid.width(), 2.0 * (kGridPixels + 1));
    const double k = grid.width() / (kGridPixels + 1);
    leftClick((grid.topLeft() + QPointF(160.5, 200.5) * k).toPoint());
    EXPECT_EQ(RegionCode::Yellow, board().Cell(7, 9).region);
    EXPECT_EQ(RegionCode::White, board().Cell(8, 9).region);
    EXPECT_EQ(RegionCode::White, board().Cell(7, 10).region);
}

TEST_F(DesignerWindow, ToolsFromMenusAndBarsAreOneChoiceShownInTheStatusBar) {
    auto* yellow = qobject_cast<QToolButton*>(frame->regionBar()->widgetForAction(frame->action(32772)));
    ASSERT_NE(nullptr, yellow);
    QTest::mouseClick(yellow, Qt::LeftButton);
    EXPECT_TRUE(frame->action(32772)->isChecked());
    EXPECT_FALSE(frame->action(32771)->isChecked());  // Regions > Turned Off
    command(32783);  // Boxes > Star from the menu
    EXPECT_FALSE(frame->action(32779)->isChecked());
    EXPECT_TRUE(frame->boxBar()->widgetForAction(frame->action(32783))->property("checked").toBool());
    EXPECT_EQ(QStringLiteral("Tools: Yellow, Star"), frame->toolStatus()->text());

    // The cell under the pointer, followed through an edit.
    board().Cell(7, 2) = BoardCell{RegionCode::Red, BoxCode::Number, 7};
    hover(7, 2);
    EXPECT_EQ(QStringLiteral("Cell 7, 2: Red, Number, Seven"), frame->cellStatus()->text());
    leftClickCell(7, 2);
    EXPECT_EQ(QStringLiteral("Cell 7, 2: Yellow, Star, NA"), frame->cellStatus()->text());
}

TEST_F(DesignerWindow, NumberBoxThroughItsDialogAndTheRightClickReport) {
    // Codes outside the tables (a hand-made file) are drawn and reported
    // blank, not guessed.
    BoardDefinition odd;
    odd.Cell(3, 3) = BoardCell{static_cast<RegionCode>(200), static_cast<BoxCode>(77), 42};
    vortan::testing::writeBytes(dir.path() + "/odd.dat", EncodeBoard(odd));
    ASSERT_TRUE(doc()->openPath(dir.path() + "/odd.dat"));

    tools(R(RegionCode::Red), B(BoxCode::Number));
    boxNumber(answer, QStringLiteral(" 7 "));
    leftClickCell(5, 6);
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Number, 7}), board().Cell(5, 6));
    EXPECT_EQ(tile("127-digit-7.png"), view()->image().copy(5 + 100, 5 + 120, 12, 12));

    doc()->SetModifiedFlag(false);
    answer.box().box();
    QTest::mouseClick(view(), Qt::RightButton, Qt::NoModifier, cellPixel(5, 6));
    QTest::mouseClick(view(), Qt::RightButton, Qt::NoModifier, cellPixel(3, 3));
    QTest::qWait(30);
    ASSERT_EQ(2u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Region:\tRed\nBox:\tNumber\nNumber:\tSeven"), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Region:\t\nBox:\t\nNumber:\t"), answer.shown[1].text);
    EXPECT_FALSE(doc()->IsModified());
}

TEST_F(DesignerWindow, DataDialogsStayOpenOnWhatABoardFileCannotHold) {
    // Limits: the file keeps 16 bits, so a larger value is refused, not cut.
    answer.dialog<CLimitsDlg>([](CLimitsDlg* d) {
        fill(d, "edit1005", QStringLiteral("70000"));
        press(d, "button1");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("edit1005")), d->focusWidget());
        fill(d, "edit1005", QStringLiteral("65535"));
        press(d, "button1");
    });
    answer.box();
    command(32790);
    QTest::qWait(30);
    EXPECT_EQ(65535u, board().timeLimit);
    // One step to undo; the saved step is the unmodified one.
    ASSERT_TRUE(doc()->savePath(dir.path() + "/steps.dat"));
    command(57643);  // Edit > Undo
    EXPECT_EQ(150u, board().timeLimit);
    EXPECT_TRUE(doc()->IsModified());
    command(57644);  // Edit > Redo
    EXPECT_EQ(65535u, board().timeLimit);
    EXPECT_FALSE(doc()->IsModified());

    // Initialize: a name outside the Windows code page is refused; in the
    // message Ctrl+Enter starts a line and Enter confirms.
    answer.dialog<CInitializeDlg>([](CInitializeDlg* d) {
        fill(d, "edit1018", QString::fromUtf8("Caf\xc3\xa9 \xc4\x81"));
        press(d, "button1");
        EXPECT_TRUE(d->isVisible());
        fill(d, "edit1018", QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
        auto* message = d->findChild<QPlainTextEdit*>(QStringLiteral("edit1002"));
        message->setPlainText(QStringLiteral("Line one"));
        message->moveCursor(QTextCursor::End);
        QTest::keyClick(message, Qt::Key_Return, Qt::ControlModifier);
        message->insertPlainText(QStringLiteral("Line two"));
        QTest::keyClick(message, Qt::Key_Return);
    });
    answer.box();
    command(32789);
    QTest::qWait(30);
    EXPECT_EQ("Caf\xe9 \x80", board().gameName);
    EXPECT_EQ("Line one\r\nLine two", board().openingMessage);

    // Cancel changes nothing.
    doc()->SetModifiedFlag(false);
    answer.dialog<CLimitsDlg>([](CLimitsDlg* d) { press(d, "button2"); });
    command(32790);
    EXPECT_FALSE(doc()->IsModified());
    EXPECT_EQ(2, undo()->count());
}

TEST_F(DesignerWindow, FileCommandsAskThroughTheWindowsDialogs) {
    EXPECT_EQ(QStringLiteral("untitled.dat[*] \u2014 Vortan Designer"), frame->windowTitle());
    const QString typed = dir.path() + "/noextension";
    answer.file(typed);
    command(57603);  // Save on a new board asks for a name
    QTest::qWait(30);
    EXPECT_TRUE(QFileInfo::exists(typed + ".dat"));  // ".dat" added, so Open's filter shows it
    EXPECT_EQ(QStringLiteral("noextension.dat[*] \u2014 Vortan Designer"), frame->windowTitle());
    EXPECT_FALSE(frame->isWindowModified());
    doc()->SetModifiedFlag(true);
    EXPECT_TRUE(frame->isWindowModified());

    // Exit asks; Cancel keeps the window.
    answer.box(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Save changes to noextension.dat?"), answer.shown[0].text);
    EXPECT_TRUE(frame->isVisible());

    // Open: No drops the edits; the board read is drawn, and the recent
    // files head the File menu.
    BoardDefinition other;
    other.gameName = "Other";
    other.Cell(4, 5) = BoardCell{RegionCode::Green, BoxCode::Your, 0};
    vortan::testing::writeBytes(dir.path() + "/other.dat", EncodeBoard(other));
    answer.box(QMessageBox::No).file(dir.path() + "/other.dat");
    command(57601);
    QTest::qWait(30);
    EXPECT_EQ("Other", board().gameName);
    EXPECT_EQ(tile("111-box-your.png"), view()->image().copy(3 + 80, 3 + 100, 16, 16));
    emit frame->menuBar()->actions().first()->menu()->aboutToShow();
    EXPECT_EQ(QStringLiteral("&1 other.dat"), frame->action(57616)->text());
    EXPECT_EQ(QStringLiteral("&2 noextension.dat"), frame->action(57617)->text());

    // `vortan-designer FILE` opens FILE (options are not files); what the
    // File commands have to say is a box over the window.
    vortan::testing::writeBytes(dir.path() + "/cut.dat", EncodeBoard(other).substr(0, 1500));
    answer.box();
    frame->openFromArguments({QStringLiteral("--style"), dir.path() + "/cut.dat"});
    QTest::qWait(30);
    ASSERT_EQ(3u, answer.shown.size());  // after the save questions of Exit and Open
    EXPECT_EQ(QStringLiteral("Unexpected file format."), answer.shown[2].text);
}

TEST_F(DesignerWindow, ADragPaintsEachCellOnceAndOneUndoRestoresThem) {
    tools(R(RegionCode::Yellow), kToolOff);
    std::vector<QPoint> via;
    for (int x = 3; x <= 10; ++x) via.push_back(QPoint(x, 5));
    via.push_back(QPoint(4, 5));  // back over painted cells: each is placed once
    drag(QPoint(2, 5), QPoint(11, 5), via);
    for (int x = 2; x <= 11; ++x) EXPECT_EQ(RegionCode::Yellow, board().Cell(x, 5).region) << x;
    EXPECT_EQ(1, undo()->count());
    EXPECT_TRUE(frame->isWindowModified());

    key(Qt::Key_Z);
    for (int x = 2; x <= 11; ++x) EXPECT_EQ(RegionCode::White, board().Cell(x, 5).region) << x;
    EXPECT_FALSE(frame->isWindowModified());  // back at the state it was created in

    // A quick movement that skips cells still paints every cell on its way,
    // the diagonal included.
    tools(R(RegionCode::Red), kToolOff);
    drag(QPoint(3, 10), QPoint(9, 16));
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(RegionCode::Red, board().Cell(3 + i, 10 + i).region) << i;

    // A release that never reaches the view (a window took it) ends the
    // stroke at the next movement without the button: nothing more is painted.
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 18));
    QMouseEvent move(QEvent::MouseMove, QPointF(cellPixel(6, 18)), QPointF(view()->mapToGlobal(cellPixel(6, 18))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view(), &move);
    EXPECT_EQ(RegionCode::Red, board().Cell(2, 18).region);
    EXPECT_EQ(RegionCode::White, board().Cell(4, 18).region);
    EXPECT_EQ(2, undo()->count());
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 18));

    // New in the middle of a stroke: the new board gets no step that would
    // bring the old one back.
    answer.box(QMessageBox::No);
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 19));
    QTest::mouseMove(view(), cellPixel(4, 19));
    key(Qt::Key_N);
    QTest::qWait(30);
    QTest::mouseMove(view(), cellPixel(6, 19));
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 19));
    EXPECT_EQ(RegionCode::White, board().Cell(2, 18).region);
    EXPECT_FALSE(undo()->canUndo());
    EXPECT_FALSE(doc()->IsModified());
}

TEST_F(DesignerWindow, AStrokeSaysWhatItRefusedAndEmptiedOnceAtItsEnd) {
    board().Cell(2, 7).box = BoxCode::Star;
    board().Cell(3, 7).box = BoxCode::Hot;
    tools(R(RegionCode::Blue), B(BoxCode::Star));
    answer.box();
    drag(QPoint(2, 7), QPoint(4, 7), {QPoint(3, 7)});
    QTest::qWait(50);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("3 cells of 3 were refused:\nThis Box can't be placed in this region\n\n"
                             "2 cells lost their box:\nThe Blue Region will delete\n any box in this spot"),
              answer.shown[0].text);
    EXPECT_EQ(0, board().CountBoxes(BoxCode::Star));
}

TEST_F(DesignerWindow, CopyAndPasteARectangleThroughThePlacementRules) {
    board().Cell(3, 3) = BoardCell{RegionCode::Red, BoxCode::Star, 0};
    board().Cell(3, 4) = BoardCell{RegionCode::Orange, BoxCode::Hot, 0};
    board().Cell(4, 3) = BoardCell{RegionCode::Yellow, BoxCode::Your, 0};
    drag(QPoint(3, 3), QPoint(5, 4), {QPoint(5, 4)}, Qt::ShiftModifier);
    EXPECT_EQ(QRect(3, 3, 3, 2), view()->selection());
    EXPECT_EQ(0, undo()->count());  // selecting changes nothing
    key(Qt::Key_C);

    // Boxes come with their regions; the border refuses as it would a
    // click, and what hangs over the edge of the grid is left out.
    answer.box();
    hover(20, 10);
    key(Qt::Key_V);
    QTest::qWait(50);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("2 cells of 4 were refused:\nThis Region can't be modified!"), answer.shown[0].text);
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Star, 0}), board().Cell(20, 10));
    EXPECT_EQ((BoardCell{RegionCode::Orange, BoxCode::Hot, 0}), board().Cell(20, 11));
    key(Qt::Key_Z);  // one step for the whole paste
    EXPECT_EQ(BoxCode::Empty, board().Cell(20, 10).box);
    EXPECT_EQ(0, undo()->index());

    // Filling with the Number tool asks once; the number goes on one cell.
    drag(QPoint(6, 18), QPoint(8, 18), {}, Qt::ShiftModifier);
    tools(kToolOff, B(BoxCode::Number));
    boxNumber(answer, QStringLiteral("5"));
    answer.box();
    key(Qt::Key_F);
    QTest::qWait(50);
    EXPECT_EQ((BoardCell{RegionCode::White, BoxCode::Number, 5}), board().Cell(6, 18));
    ASSERT_EQ(2u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("2 cells of 3 were refused:\nThat Number box already exists"), answer.shown[1].text);
}

TEST_F(DesignerWindow, HelpAndPrint) {
    key(Qt::Key_F1, Qt::NoModifier);
    auto* help = frame->findChild<HelpWindow*>();
    ASSERT_NE(nullptr, help);
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Regions")));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + "/board.pdf");
    view()->printBoard(&printer);
    EXPECT_GT(QFileInfo(dir.path() + "/board.pdf").size(), 1000);
}
