// The real designer window driven with QTest, one check per behaviour only
// the window has: the placement rules and the File commands behind it are
// tested without a window.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>

#include "board/board_file.h"
#include "designer/dialogs.h"
#include "designer/document.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "platform/install_paths.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_answerer.h"

// Readable failures: QString as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace vortan;
using namespace vortan::designer;

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
    // Runs `f`, answering with OK `boxes` message boxes more than the test
    // queued, and lets the answers run; the texts of the boxes shown.
    QStringList modal(const std::function<void()>& f, int boxes = 0) {
        const std::size_t first = answer.shown.size();
        for (int i = 0; i < boxes; ++i) answer.box();
        f();
        QTest::qWait(50);
        QStringList texts;
        for (std::size_t i = first; i < answer.shown.size(); ++i) texts << answer.shown[i].text;
        return texts;
    }
    void leftClick(QPoint p) { QTest::mouseClick(view(), Qt::LeftButton, Qt::NoModifier, p); }
    void tools(int region, int box) {
        command(32772 + region);  // -1 maps to 32771 "Turned Off"
        command(32779 + box);
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
    void key(int k) {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), static_cast<Qt::Key>(k), Qt::ControlModifier);
    }
    RegionCode region(int x, int y) { return board().Cell(x, y).region; }

    QApplication* app = vortan::testing::testApp();  // before any widget or timer
    // Answers the dialogs and message boxes each test queues on it; any
    // other one fails the test.
    vortan::testing::ModalAnswerer answer;
    std::unique_ptr<CMainFrame> frame;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(DesignerWindow, ClicksAtAnyWindowSizeFileCommandsAndPrinting) {
    tools(R(RegionCode::Yellow), kToolOff);
    // Outside the active area: nothing at all, not even the modified flag.
    modal([&] { for (QPoint p : {QPoint(1, 100), QPoint(441, 100), QPoint(600, 300)}) leftClick(p); });
    EXPECT_FALSE(doc()->IsModified());

    leftClick(QPoint(40, 60));  // cell (1, 2)
    EXPECT_EQ(RegionCode::Yellow, region(1, 2));
    EXPECT_EQ(tile("105-region-yellow.png"), view()->image().copy(21, 41, 20, 20));

    // A refused click, here on cell (0, 0) of the border, is a box over the window.
    EXPECT_EQ(modal([&] { leftClick(QPoint(2, 2)); }, 1), QStringList{"This Region can't be modified!"});
    EXPECT_EQ(1, undo()->count());  // marked modified, but no step that changes nothing

    // In a window twice as large, the far corner of cell (7, 9), grid
    // pixel (160, 200), is still that cell.
    frame->resize(frame->size() * 2);
    QCoreApplication::processEvents();
    const QRectF grid = view()->gridRect();
    ASSERT_GE(grid.width(), 2.0 * (kGridPixels + 1));
    leftClick((grid.topLeft() + QPointF(160.5, 200.5) * (grid.width() / (kGridPixels + 1))).toPoint());
    EXPECT_EQ(RegionCode::Yellow, region(7, 9));
    EXPECT_EQ(RegionCode::White, region(8, 9));
    EXPECT_EQ(RegionCode::White, region(7, 10));

    // A name typed without ".dat" gets it, so that Open's filter shows it;
    // the title and the recent files at the foot of the File menu follow.
    const QString typed = dir.path() + "/noextension";
    answer.file(typed);
    modal([&] { command(57603); });  // Save on a board without a file asks for a name
    EXPECT_TRUE(QFileInfo::exists(typed + ".dat"));
    EXPECT_EQ(QStringLiteral("noextension.dat[*] \u2014 Vortan Designer"), frame->windowTitle());
    emit frame->menuBar()->actions().first()->menu()->aboutToShow();
    EXPECT_EQ(QStringLiteral("&1 noextension.dat"), frame->action(57616)->text());

    // Closing asks; Cancel keeps the window.
    doc()->SetModifiedFlag(true);
    answer.box(QMessageBox::Cancel);
    modal([&] { EXPECT_FALSE(frame->close()); });
    EXPECT_TRUE(frame->isVisible());

    // `vortan-designer FILE` opens FILE (options are not files) and draws
    // it; what the File commands have to say is a box over the window.
    BoardDefinition other;
    other.Cell(4, 5) = BoardCell{RegionCode::Green, BoxCode::Your, 0};
    vortan::testing::writeBytes(dir.path() + "/other.dat", EncodeBoard(other));
    frame->openFromArguments({QStringLiteral("--style"), dir.path() + "/other.dat"});
    EXPECT_EQ(tile("111-box-your.png"), view()->image().copy(3 + 80, 3 + 100, 16, 16));
    vortan::testing::writeBytes(dir.path() + "/cut.dat", EncodeBoard(other).substr(0, 1500));
    EXPECT_EQ(modal([&] { frame->openFromArguments({dir.path() + "/cut.dat"}); }, 1),
              QStringList{"Unexpected file format."});

    // Printing: the grid's picture makes the page much larger than a blank one.
    qint64 size[2] = {};
    for (bool board : {false, true}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("page.pdf"));
        if (board) view()->printBoard(&printer);
        else QPainter(&printer).end();
        size[board] = QFileInfo(dir.filePath("page.pdf")).size();
    }
    EXPECT_GT(size[true], 2 * size[false]);
}

TEST_F(DesignerWindow, ToolsStatusBarCellReportAndDataDialogs) {
    // The tool bars and the menus hold the same actions.
    QTest::mouseClick(frame->regionBar()->widgetForAction(frame->action(32772)), Qt::LeftButton);  // Yellow
    command(32783);  // Boxes > Star from the menu
    EXPECT_TRUE(frame->boxBar()->widgetForAction(frame->action(32783))->property("checked").toBool());
    EXPECT_EQ(QStringLiteral("Tools: Yellow, Star"), frame->toolStatus()->text());

    // Codes outside the tables (a hand-made file) are reported blank, not guessed.
    board().Cell(7, 2) = BoardCell{RegionCode::Red, BoxCode::Number, 7};
    board().Cell(3, 3) = BoardCell{static_cast<RegionCode>(200), static_cast<BoxCode>(77), 42};
    const QStringList reports = modal([&] {
        for (QPoint c : {QPoint(7, 2), QPoint(3, 3)})
            QTest::mouseClick(view(), Qt::RightButton, Qt::NoModifier, cellPixel(c.x(), c.y()));
    }, 2);
    EXPECT_EQ(reports,
              (QStringList{"Region:\tRed\nBox:\tNumber\nNumber:\tSeven", "Region:\t\nBox:\t\nNumber:\t"}));
    EXPECT_FALSE(doc()->IsModified());

    // The data dialogs, on a board with no step yet, stay open on what a
    // board file cannot hold, the value untouched. Limits: the fields are
    // read in their own order (lives before time), the first refused one
    // gets the focus with its text selected; the file keeps 16 bits, so a
    // larger value is refused, not cut.
    answer.dialog<CLimitsDlg>([this](CLimitsDlg* d) {
        const auto field = [d](const char* name) { return d->findChild<QLineEdit*>(QLatin1String(name)); };
        fill(d, "edit1005", QStringLiteral("70000"));
        fill(d, "edit1009", QStringLiteral("x"));
        press(d, "button1");
        EXPECT_EQ(field("edit1009"), d->focusWidget());
        EXPECT_EQ(QStringLiteral("x"), field("edit1009")->selectedText());
        fill(d, "edit1009", QStringLiteral("2"));
        press(d, "button1");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(field("edit1005"), d->focusWidget());
        EXPECT_EQ(150u, board().timeLimit);
        fill(d, "edit1005", QStringLiteral("65535"));
        press(d, "button1");
        if (d->isVisible()) d->reject();  // refused: fail, not hang
    });
    EXPECT_EQ(modal([&] { command(32790); }, 2), (QStringList{"Please enter a positive integer.",
                                                             "Please enter a number no larger than 65535."}));
    EXPECT_EQ(QMessageBox::Warning, answer.shown.back().icon);
    EXPECT_EQ(QApplication::applicationDisplayName(), answer.shown.back().title);  // as the program names itself
    EXPECT_EQ(65535u, board().timeLimit);
    EXPECT_EQ(2u, board().numberOfLives);
    command(57643);  // Edit > Undo: the values come back too
    EXPECT_EQ(150u, board().timeLimit);

    // Initialize: a name outside the Windows code page is refused, and the
    // field holding it gets the focus; the message shows the file's line
    // breaks as the field's own, and in it Ctrl+Enter starts a line and
    // Enter confirms.
    board().openingMessage = "one\r\ntwo";
    answer.dialog<CInitializeDlg>([](CInitializeDlg* d) {
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("edit1018"));
        auto* message = d->findChild<QPlainTextEdit*>(QStringLiteral("edit1002"));
        EXPECT_EQ(QStringLiteral("one\ntwo"), message->toPlainText());
        name->setText(QString::fromUtf8("Caf\xc3\xa9 \xc4\x81"));
        press(d, "button1");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(name, d->focusWidget());
        name->setText(QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
        message->setPlainText(QStringLiteral("Line one"));
        message->moveCursor(QTextCursor::End);
        QTest::keyClick(message, Qt::Key_Return, Qt::ControlModifier);
        message->insertPlainText(QStringLiteral("Line two"));
        QTest::keyClick(message, Qt::Key_Return);
    });
    const QStringList refused = modal([&] { command(32789); }, 1);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].contains(QString::fromUtf8("\"\xc4\x81\""))) << refused[0].toStdString();
    EXPECT_EQ("Caf\xe9 \x80", board().gameName);
    EXPECT_EQ("Line one\r\nLine two", board().openingMessage);

    // The cell under the pointer, followed through an edit.
    QTest::mouseMove(view(), cellPixel(7, 2));
    EXPECT_EQ(QStringLiteral("Cell 7, 2: Red, Number, Seven"), frame->cellStatus()->text());
    leftClick(cellPixel(7, 2));
    EXPECT_EQ(QStringLiteral("Cell 7, 2: Yellow, Star, NA"), frame->cellStatus()->text());
}

TEST_F(DesignerWindow, DragsStrokesAndPastes) {
    // A quick movement that skips cells, the diagonal included.
    tools(R(RegionCode::Red), kToolOff);
    drag(QPoint(3, 10), QPoint(9, 16));
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(RegionCode::Red, region(3 + i, 10 + i)) << i;
    EXPECT_EQ(1, undo()->count());
    EXPECT_TRUE(frame->isWindowModified());
    key(Qt::Key_Z);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(RegionCode::White, region(3 + i, 10 + i)) << i;
    EXPECT_FALSE(frame->isWindowModified());  // back at the state it was created in

    // A release that never reaches the view (a window took it) ends the
    // stroke at the next movement without the button: nothing more is painted.
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 18));
    QMouseEvent move(QEvent::MouseMove, QPointF(cellPixel(6, 18)), QPointF(view()->mapToGlobal(cellPixel(6, 18))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view(), &move);
    EXPECT_EQ(RegionCode::Red, region(2, 18));
    EXPECT_EQ(RegionCode::White, region(4, 18));
    EXPECT_EQ(1, undo()->index());
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 18));

    // New in the middle of a stroke: the new board gets no step that would
    // bring the old one back.
    answer.box(QMessageBox::No);
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 19));
    QTest::mouseMove(view(), cellPixel(4, 19));
    modal([&] { key(Qt::Key_N); });
    QTest::mouseMove(view(), cellPixel(6, 19));
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 19));
    EXPECT_EQ(RegionCode::White, region(2, 18));
    EXPECT_FALSE(undo()->canUndo());
    EXPECT_FALSE(doc()->IsModified());

    // A stroke says once, at its end, what it refused and what it emptied.
    board().Cell(2, 7).box = BoxCode::Star;
    board().Cell(3, 7).box = BoxCode::Hot;
    tools(R(RegionCode::Blue), B(BoxCode::Star));
    EXPECT_EQ(modal([&] { drag(QPoint(2, 7), QPoint(4, 7), {QPoint(3, 7)}); }, 1),
              QStringList{"3 cells of 3 were refused:\nThis Box can't be placed in this region\n\n"
                          "2 cells lost their box:\nThe Blue Region will delete\n any box in this spot"});
    EXPECT_EQ(0, board().CountBoxes(BoxCode::Star));

    // A rectangle copied and pasted.
    board().Cell(3, 3) = BoardCell{RegionCode::Red, BoxCode::Star, 0};
    board().Cell(3, 4) = BoardCell{RegionCode::Orange, BoxCode::Hot, 0};
    board().Cell(4, 3) = BoardCell{RegionCode::Yellow, BoxCode::Your, 0};
    drag(QPoint(3, 3), QPoint(5, 4), {QPoint(5, 4)}, Qt::ShiftModifier);
    EXPECT_EQ(QRect(3, 3, 3, 2), view()->selection());
    key(Qt::Key_C);

    // Boxes come with their regions; the border refuses as it would a
    // click, and what hangs over the edge of the grid is left out.
    QTest::mouseMove(view(), cellPixel(20, 10));
    EXPECT_EQ(modal([&] { key(Qt::Key_V); }, 1),
              QStringList{"2 cells of 4 were refused:\nThis Region can't be modified!"});
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Star, 0}), board().Cell(20, 10));
    EXPECT_EQ((BoardCell{RegionCode::Orange, BoxCode::Hot, 0}), board().Cell(20, 11));
    key(Qt::Key_Z);  // one step for the whole paste
    EXPECT_EQ(BoxCode::Empty, board().Cell(20, 10).box);
    EXPECT_EQ(1, undo()->index());

    // Filling with the Number tool asks once; the number goes on one cell.
    drag(QPoint(6, 18), QPoint(8, 18), {}, Qt::ShiftModifier);
    tools(kToolOff, B(BoxCode::Number));
    answer.dialog<CBoxNumberDlg>([](CBoxNumberDlg* d) {
        fill(d, "edit1000", QStringLiteral("5"));
        press(d, "button1");
    });
    EXPECT_EQ(modal([&] { key(Qt::Key_F); }, 1),
              QStringList{"2 cells of 3 were refused:\nThat Number box already exists"});
    EXPECT_EQ((BoardCell{RegionCode::White, BoxCode::Number, 5}), board().Cell(6, 18));
}
