// The real designer window driven with QTest: clicks at pixels, menu
// commands, the dialogs, the save question and the file commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QPrintPreviewDialog>
#include <QStatusBar>

#include <fstream>
#include <sstream>

#include "board/board_file.h"
#include "board/file_io.h"
#include "designer/dialogs.h"
#include "designer/document.h"
#include "tests/support/file_bytes.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "platform/help_window.h"
#include "platform/install_paths.h"
#include "tests/support/modal_answerer.h"

// Readable failures: QString as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace vortan;
using namespace vortan::designer;
using vortan::testing::ModalAnswerer;

namespace {

QPoint cellPixel(int x, int y) { return QPoint(1 + 20 * x + 10, 1 + 20 * y + 10); }

using vortan::testing::readBytes;
using vortan::testing::writeBytes;

class DesignerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        vortan::testing::testApp();
        QFile::remove(userDataFolder() + "/designer.ini");  // no recent files from another test
        frame = std::make_unique<CMainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override {
        doc()->SetModifiedFlag(false);
        frame.reset();
    }

    CQuorvel1Doc* doc() { return frame->document(); }
    CQuorvel1View* view() { return frame->view(); }
    BoardDefinition& board() { return doc()->board(); }

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
    // Answers the Box Number dialog with `text`, or cancels it.
    static void boxNumber(ModalAnswerer& a, const QString& text, bool ok = true) {
        a.dialog<CBoxNumberDlg>([text, ok](CBoxNumberDlg* d) {
            auto* e = d->findChild<QLineEdit*>(QStringLiteral("edit1000"));
            EXPECT_EQ(QStringLiteral("1"), e->text());
            e->setText(text);
            d->findChild<QPushButton*>(ok ? QStringLiteral("button1") : QStringLiteral("button2"))->click();
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
    QStringList checkedItems(const QString& menuTitle) {
        QStringList checked;
        for (QAction* m : frame->menuBar()->actions())
            if (m->text() == menuTitle)
                for (QAction* a : m->menu()->actions())
                    if (a->isChecked()) checked << a->text();
        return checked;
    }

    std::unique_ptr<CMainFrame> frame;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(DesignerWindow, AClickInATwiceAsLargeWindowLandsOnTheCellUnderThePointer) {
    frame->resize(frame->size() * 2);
    QCoreApplication::processEvents();
    const QRectF grid = view()->gridRect();
    ASSERT_GE(grid.width(), 2.0 * (kGridPixels + 1));
    const double k = grid.width() / (kGridPixels + 1);
    tools(static_cast<int>(RegionCode::Red), -1);
    // The far corner of cell (7, 9): grid pixel (160, 200).
    leftClick((grid.topLeft() + QPointF(160.5, 200.5) * k).toPoint());
    EXPECT_EQ(RegionCode::Red, board().Cell(7, 9).region);
    EXPECT_EQ(RegionCode::White, board().Cell(8, 9).region);
    EXPECT_EQ(RegionCode::White, board().Cell(7, 10).region);
}

TEST_F(DesignerWindow, StartsWithANewBoardAndTheWholeGridVisible) {
    EXPECT_EQ(QStringLiteral("untitled.dat[*] \u2014 Vortan Designer"), frame->windowTitle());
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_GE(view()->width(), kGridPixels);
    EXPECT_GE(view()->height(), kGridPixels);
    EXPECT_NE(frame->minimumSize(), frame->maximumSize());  // resizable
    QStringList menus;
    for (QAction* m : frame->menuBar()->actions()) menus << m->text();
    EXPECT_EQ((QStringList{"&File", "&Edit", "&View", "&Regions", "&Boxes", "Data", "&Help"}), menus);

    EXPECT_EQ(QStringLiteral("untitled.dat"), doc()->fileName());
    EXPECT_FALSE(doc()->IsModified());
    EXPECT_EQ("Game", board().gameName);
    EXPECT_EQ("Have Fun!", board().openingMessage);
    EXPECT_EQ(RegionCode::Blue, board().Cell(0, 7).region);
    EXPECT_EQ(RegionCode::White, board().Cell(7, 7).region);
    EXPECT_EQ(0, board().CountBoxes(BoxCode::Empty) - kCellCount);

    // Off-screen picture: white, grid lines, tiles between them.
    const QImage& img = view()->image();
    EXPECT_EQ(QSize(640, 480), img.size());
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(0, 0));
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(1, 100));
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(441, 100));
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(100, 441));
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(500, 300));
    const QImage blue = QImage(QStringLiteral(":/designer/106-region-blue.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(blue.pixel(3, 4), img.pixel(1 + 3, 1 + 4));
}

TEST_F(DesignerWindow, ToolMenusHaveExactlyOneCheckMark) {
    EXPECT_EQ(QStringList{"Turned Off"}, checkedItems("&Regions"));
    EXPECT_EQ(QStringList{"Turned Off"}, checkedItems("&Boxes"));
    command(32782);  // Boxes > Number
    EXPECT_EQ(QStringList{"Number"}, checkedItems("&Boxes"));
    EXPECT_EQ(QStringList{"Turned Off"}, checkedItems("&Regions"));
    EXPECT_EQ(3, view()->boxTool());
    command(32779);
    EXPECT_EQ(QStringList{"Emply"}, checkedItems("&Boxes"));
    command(32777);
    EXPECT_EQ(QStringList{"Orange"}, checkedItems("&Regions"));
    EXPECT_EQ(5, view()->regionTool());
    command(32777);  // choosing it again keeps it checked
    EXPECT_EQ(QStringList{"Orange"}, checkedItems("&Regions"));
    EXPECT_FALSE(doc()->IsModified());
}

TEST_F(DesignerWindow, PixelToCellArithmetic) {
    tools(static_cast<int>(RegionCode::Yellow), kToolOff);
    ModalAnswerer answer;
    // Outside the active area: nothing at all, not even the modified flag.
    for (QPoint p : {QPoint(1, 100), QPoint(100, 1), QPoint(441, 100), QPoint(100, 441), QPoint(600, 300)})
        leftClick(p);
    QTest::qWait(30);
    EXPECT_TRUE(answer.unexpected.empty());
    EXPECT_FALSE(doc()->IsModified());

    answer.box();
    leftClick(QPoint(2, 2));  // cell (0, 0): the border
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("This Region can't be modified!"), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Invalid placement"), answer.shown[0].title);
    EXPECT_EQ(QMessageBox::Warning, answer.shown[0].icon);
    EXPECT_TRUE(doc()->IsModified());

    leftClick(QPoint(21, 21));  // cell (1, 1)
    EXPECT_EQ(RegionCode::Yellow, board().Cell(1, 1).region);
    leftClick(QPoint(40, 60));  // cell (1, 2)
    EXPECT_EQ(RegionCode::Yellow, board().Cell(1, 2).region);
    answer.box();
    leftClick(QPoint(420, 2));  // cell (20, 0): border again
    QTest::qWait(30);
    EXPECT_EQ(RegionCode::White, board().Cell(2, 2).region);
    EXPECT_TRUE(answer.unexpected.empty());

    // The placed tile is in the picture at once.
    const QImage yellow =
        QImage(QStringLiteral(":/designer/105-region-yellow.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(yellow, view()->image().copy(21, 21, 20, 20));
}

TEST_F(DesignerWindow, TwoMessagesOfOneClickInOrder) {
    board().Cell(3, 3) = BoardCell{RegionCode::White, BoxCode::Star, 0};
    tools(static_cast<int>(RegionCode::Blue), static_cast<int>(BoxCode::Exception));
    ModalAnswerer answer;
    answer.box().box();
    leftClickCell(3, 3);
    QTest::qWait(30);
    ASSERT_EQ(2u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("The Blue Region will delete\n any box in this spot"), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("placement message"), answer.shown[0].title);
    EXPECT_EQ(QStringLiteral("This Box can't be placed in this region"), answer.shown[1].text);
    EXPECT_EQ((BoardCell{RegionCode::Blue, BoxCode::Empty, 0}), board().Cell(3, 3));
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, NumberBoxThroughTheDialog) {
    tools(static_cast<int>(RegionCode::Red), static_cast<int>(BoxCode::Number));
    ModalAnswerer answer;
    boxNumber(answer, QStringLiteral(" 7 "));
    leftClickCell(5, 6);
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Number, 7}), board().Cell(5, 6));
    const QImage seven = QImage(QStringLiteral(":/designer/127-digit-7.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(seven, view()->image().copy(5 + 100, 5 + 120, 12, 12));

    // The right-click report of that cell, and no change to the flag.
    doc()->SetModifiedFlag(false);
    answer.box();
    QTest::mouseClick(view(), Qt::RightButton, Qt::NoModifier, cellPixel(5, 6));
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Region:\tRed\nBox:\tNumber\nNumber:\tSeven"), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Item"), answer.shown[0].title);
    EXPECT_EQ(QMessageBox::NoIcon, answer.shown[0].icon);
    EXPECT_FALSE(doc()->IsModified());

    // 0 is read as a number and refused by the placement; 7 again is taken.
    boxNumber(answer, QStringLiteral("0"));
    answer.box();
    boxNumber(answer, QStringLiteral("7"));
    answer.box();
    leftClickCell(6, 6);
    leftClickCell(6, 6);
    QTest::qWait(30);
    ASSERT_EQ(3u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("The number is out of range"), answer.shown[1].text);
    EXPECT_EQ(QStringLiteral("Invalid Number"), answer.shown[1].title);
    EXPECT_EQ(QStringLiteral("Invalid Placement"), answer.shown[2].title);
    EXPECT_EQ(BoxCode::Empty, board().Cell(6, 6).box);

    // A text that is not a number is refused by the dialog itself, which stays open.
    answer.dialog<CBoxNumberDlg>([](CBoxNumberDlg* d) {
        d->findChild<QLineEdit*>(QStringLiteral("edit1000"))->setText(QStringLiteral("abc"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();  // refusal box answered below
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("edit1000")), d->focusWidget());
        d->findChild<QPushButton*>(QStringLiteral("button2"))->click();
    });
    answer.box();
    doc()->SetModifiedFlag(false);
    leftClickCell(6, 6);
    QTest::qWait(30);
    ASSERT_EQ(4u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Please enter a positive integer."), answer.shown[3].text);
    EXPECT_EQ(BoxCode::Empty, board().Cell(6, 6).box);
    EXPECT_TRUE(doc()->IsModified());  // a cancelled Number dialog still marks the board
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, InitializeDialog) {
    ModalAnswerer answer;
    answer.dialog<CInitializeDlg>([](CInitializeDlg* d) {
        EXPECT_EQ(QStringLiteral("Initialize"), d->windowTitle());
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("edit1018"));
        auto* message = d->findChild<QPlainTextEdit*>(QStringLiteral("edit1002"));
        EXPECT_EQ(QStringLiteral("Game"), name->text());
        EXPECT_EQ(QStringLiteral("Have Fun!"), message->toPlainText());
        name->setText(QStringLiteral("Changed"));
        d->findChild<QPushButton*>(QStringLiteral("button1013"))->click();
        EXPECT_EQ(QStringLiteral("Game"), name->text());
        EXPECT_EQ(QStringLiteral("Good Luck!"), message->toPlainText());
        d->findChild<QPushButton*>(QStringLiteral("button2"))->click();
    });
    command(32789);
    EXPECT_EQ("Have Fun!", board().openingMessage);
    EXPECT_FALSE(doc()->IsModified());

    answer.dialog<CInitializeDlg>([](CInitializeDlg* d) {
        d->findChild<QLineEdit*>(QStringLiteral("edit1018"))->setText(QStringLiteral("Maze \xe9"));
        auto* message = d->findChild<QPlainTextEdit*>(QStringLiteral("edit1002"));
        message->setPlainText(QStringLiteral("Line one"));
        message->moveCursor(QTextCursor::End);
        QTest::keyClick(message, Qt::Key_Return, Qt::ControlModifier);  // new line
        message->insertPlainText(QStringLiteral("Line two"));
        QTest::keyClick(message, Qt::Key_Return);  // Enter confirms
    });
    command(32789);
    EXPECT_EQ("Maze \xe9", board().gameName);
    EXPECT_EQ("Line one\r\nLine two", board().openingMessage);
    EXPECT_TRUE(doc()->IsModified());

    // Board texts are Windows-1252: the euro sign is stored as byte 80, and
    // a character outside the code page is refused, the dialog kept open.
    answer.dialog<CInitializeDlg>([](CInitializeDlg* d) {
        EXPECT_EQ(QString::fromUtf8("Maze \xc3\xa9"), d->findChild<QLineEdit*>(QStringLiteral("edit1018"))->text());
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("edit1018"));
        name->setText(QString::fromUtf8("Caf\xc3\xa9 \xc4\x81"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(name, d->focusWidget());
        name->setText(QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
    answer.box();
    command(32789);
    QTest::qWait(30);
    EXPECT_EQ("Caf\xe9 \x80", board().gameName);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_TRUE(answer.shown[0].text.contains(QString::fromUtf8("\xc4\x81")));
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, LimitsDialog) {
    const int ids[7] = {1005, 1006, 1007, 1008, 1009, 1010, 1011};
    auto field = [](QDialog* d, int id) { return d->findChild<QLineEdit*>(QStringLiteral("edit%1").arg(id)); };
    auto texts = [&](QDialog* d) {
        QStringList t;
        for (int id : ids) t << field(d, id)->text();
        return t;
    };
    ModalAnswerer answer;
    answer.dialog<CLimitsDlg>([&](CLimitsDlg* d) {
        EXPECT_EQ((QStringList{"150", "250", "60", "60", "1", "50", "60"}), texts(d));
        // Two bad fields: one message, for Move Limit, which is read first.
        field(d, 1006)->setText(QStringLiteral("abc"));
        field(d, 1005)->setText(QStringLiteral("x"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(field(d, 1006), d->focusWidget());
        EXPECT_EQ(QStringLiteral("abc"), field(d, 1006)->selectedText());
        // Default with a bad field: the message, then the defaults anyway.
        field(d, 1006)->setText(QStringLiteral("-5"));
        d->findChild<QPushButton*>(QStringLiteral("button1012"))->click();
        EXPECT_EQ((QStringList{"200", "200", "50", "50", "1", "40", "50"}), texts(d));
        // The file keeps 16 bits: a larger value is refused, not cut.
        field(d, 1005)->setText(QStringLiteral("70000"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(field(d, 1005), d->focusWidget());
        EXPECT_EQ(QStringLiteral("70000"), field(d, 1005)->selectedText());
        field(d, 1005)->setText(QStringLiteral("65535"));
        field(d, 1011)->setText(QStringLiteral("+0"));  // a 0 not written as 0
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
        EXPECT_EQ(field(d, 1011), d->focusWidget());
        field(d, 1011)->setText(QStringLiteral(" 0 "));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
    answer.box().box().box().box();
    command(32790);
    QTest::qWait(30);
    ASSERT_EQ(4u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Please enter a number no larger than 65535."), answer.shown[2].text);
    for (int i : {0, 1, 3}) EXPECT_EQ(QStringLiteral("Please enter a positive integer."), answer.shown[i].text);
    EXPECT_EQ(65535u, board().timeLimit);
    EXPECT_EQ(200u, board().moveLimit);
    EXPECT_EQ(50u, board().numberBoxTimeLimit);
    EXPECT_EQ(50u, board().starBoxTimeLimit);
    EXPECT_EQ(1u, board().numberOfLives);
    EXPECT_EQ(40u, board().timeBoxTimeValue);
    EXPECT_EQ(0u, board().moveBoxMoveValue);
    EXPECT_TRUE(doc()->IsModified());

    // OK without changes marks the board too; Cancel never does.
    doc()->SetModifiedFlag(false);
    answer.dialog<CLimitsDlg>([](CLimitsDlg* d) { d->findChild<QPushButton*>("button2")->click(); });
    command(32790);
    EXPECT_FALSE(doc()->IsModified());
    answer.dialog<CLimitsDlg>([](CLimitsDlg* d) { d->findChild<QPushButton*>("button1")->click(); });
    command(32790);
    EXPECT_TRUE(doc()->IsModified());
    EXPECT_TRUE(answer.unexpected.empty());
}

// The File commands themselves are tested on the document; here, that the
// window answers their questions with its dialogs.
TEST_F(DesignerWindow, FileCommandsAskThroughTheWindowsDialogs) {
    ModalAnswerer answer;
    const QString typed = dir.path() + "/noextension";
    answer.file(typed);
    command(57603);  // Save on a new board asks for a name
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.fileDialogs.size());
    EXPECT_EQ(QStringLiteral("Save As | Board (*.dat);All Files (*)"), answer.fileDialogs[0]);
    EXPECT_TRUE(QFileInfo::exists(typed + ".dat"));  // ".dat" added, so Open's filter shows it
    EXPECT_EQ(QStringLiteral("noextension.dat[*] \u2014 Vortan Designer"), frame->windowTitle());
    EXPECT_FALSE(frame->isWindowModified());
    board().gameName = "Second";
    doc()->SetModifiedFlag(true);
    EXPECT_TRUE(frame->isWindowModified());

    // Exit asks; Cancel keeps the window.
    answer.box(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Save changes to noextension.dat?"), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Vortan Designer"), answer.shown[0].title);
    EXPECT_EQ(QMessageBox::Warning, answer.shown[0].icon);
    EXPECT_TRUE(frame->isVisible());

    // Open: No drops the edits; the board read is drawn, and the recent
    // files head the File menu.
    BoardDefinition other;
    other.gameName = "Other";
    other.Cell(4, 5) = BoardCell{RegionCode::Green, BoxCode::Your, 0};
    writeBytes(dir.path() + "/other.dat", EncodeBoard(other));
    answer.box(QMessageBox::No).file(dir.path() + "/other.dat");
    command(57601);
    QTest::qWait(30);
    ASSERT_EQ(2u, answer.fileDialogs.size());
    EXPECT_EQ(QStringLiteral("Open | Board (*.dat);All Files (*)"), answer.fileDialogs[1]);
    EXPECT_EQ("Other", board().gameName);
    const QImage your = QImage(QStringLiteral(":/designer/111-box-your.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(your, view()->image().copy(3 + 80, 3 + 100, 16, 16));
    emit frame->menuBar()->actions().first()->menu()->aboutToShow();
    EXPECT_EQ(QStringLiteral("&1 other.dat"), frame->action(57616)->text());
    EXPECT_EQ(QStringLiteral("&2 noextension.dat"), frame->action(57617)->text());
    EXPECT_FALSE(frame->action(57619)->isVisible());

    // A message of a command is a warning box over the window.
    writeBytes(dir.path() + "/cut.dat", EncodeBoard(other).substr(0, 1500));
    answer.box();
    EXPECT_FALSE(doc()->openPath(dir.path() + "/cut.dat"));
    QTest::qWait(30);
    ASSERT_EQ(3u, answer.shown.size());  // the save questions of Exit and Open, then this
    EXPECT_EQ(QStringLiteral("Unexpected file format."), answer.shown[2].text);

    // `vortan-designer FILE` opens FILE; options are not files.
    frame->openFromArguments({QStringLiteral("--style"), dir.path() + "/other.dat"});
    EXPECT_EQ("Other", board().gameName);
    EXPECT_EQ(QStringLiteral("other.dat[*] \u2014 Vortan Designer"), frame->windowTitle());
    QTest::qWait(30);
    EXPECT_TRUE(answer.unexpected.empty());
}

// Codes outside the tables (a hand-made file) are shown blank, not guessed.
TEST_F(DesignerWindow, CellInfoOfUnknownCodesIsBlank) {
    BoardDefinition odd;
    odd.Cell(3, 3) = BoardCell{static_cast<RegionCode>(200), static_cast<BoxCode>(77), 42};
    writeBytes(dir.path() + "/odd.dat", EncodeBoard(odd));
    ASSERT_TRUE(doc()->openPath(dir.path() + "/odd.dat"));
    ModalAnswerer answer;
    answer.box();
    QTest::mouseClick(view(), Qt::RightButton, Qt::NoModifier, cellPixel(3, 3));
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Region:\t\nBox:\t\nNumber:\t"), answer.shown[0].text);
}

TEST_F(DesignerWindow, BoardMadeByClicksSavesAndReadsBack) {
    ModalAnswerer answer;
    auto R = [](RegionCode r) { return static_cast<int>(r); };
    auto B = [](BoxCode b) { return static_cast<int>(b); };
    // A wall, a green strip with the Your box, stars and numbers 1 to 3.
    tools(R(RegionCode::Blue), kToolOff);
    for (int y = 5; y <= 15; ++y) leftClickCell(10, y);
    tools(R(RegionCode::Green), B(BoxCode::Your));
    leftClickCell(3, 3);
    tools(R(RegionCode::Yellow), B(BoxCode::Star));
    leftClickCell(5, 8);
    leftClickCell(15, 8);
    tools(kToolOff, B(BoxCode::Number));
    for (int n = 1; n <= 3; ++n) {
        boxNumber(answer, QString::number(n));
        leftClickCell(12 + n, 14);
    }
    tools(R(RegionCode::Orange), B(BoxCode::Hot));
    leftClickCell(18, 18);
    tools(R(RegionCode::Red), B(BoxCode::Time));
    leftClickCell(4, 18);
    tools(kToolOff, B(BoxCode::Your));  // a second Your box is refused
    answer.box();
    leftClickCell(6, 6);
    QTest::qWait(30);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("A Your box already exists"), answer.shown[0].text);

    const QString path = dir.path() + "/clicked.dat";
    answer.file(path);
    command(57604);
    QTest::qWait(30);
    EXPECT_FALSE(doc()->IsModified());

    BoardDefinition read;
    read.ClearCells();
    std::istringstream in(readBytes(path));
    ASSERT_TRUE(ReadBoard(in, read).ok());
    EXPECT_EQ("Version 1", read.versionTag);
    EXPECT_EQ(2u, read.starBoxCount);
    EXPECT_EQ(3u, read.numberBoxCount);
    EXPECT_EQ((BoardCell{RegionCode::Green, BoxCode::Your, 0}), read.Cell(3, 3));
    EXPECT_EQ(RegionCode::Blue, read.Cell(10, 9).region);
    EXPECT_TRUE(answer.unexpected.empty());

    // The game's own check finds nothing wrong: a Blue border, every box in
    // a region that admits it, one Your box, numbers once each.
    const QString tool = QStringLiteral(VORTAN_BIN_DIR "/vortan-board");
    if (!QFileInfo(tool).isExecutable()) GTEST_SKIP() << "vortan-board is not built";
    QProcess info;
    info.start(tool, {QStringLiteral("info"), path});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QByteArray infoOut = info.readAllStandardOutput();
    EXPECT_TRUE(infoOut.contains("\"problems\":[]")) << infoOut.toStdString();
}

TEST_F(DesignerWindow, AboutHelpAndPrint) {
    ModalAnswerer answer;
    answer.dialog<CAboutDlg>([](CAboutDlg* d) {
        EXPECT_EQ(QStringLiteral("About Vortan Designer"), d->windowTitle());
        bool found = false;
        for (QLabel* l : d->findChildren<QLabel*>()) found |= l->text() == "Vortan Designer, Version 1.0";
        EXPECT_TRUE(found);
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
    command(57664);
    EXPECT_TRUE(answer.unexpected.empty());

    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_F1);
    auto* help = frame->findChild<HelpWindow*>();
    ASSERT_NE(nullptr, help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(QFileInfo(help->currentFile()).isFile()) << help->currentFile().toStdString();
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Regions")));
    help->close();
    QTest::keyClick(frame.get(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(help->isVisible());

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + "/board.pdf");
    view()->printBoard(&printer);
    EXPECT_GT(QFileInfo(dir.path() + "/board.pdf").size(), 1000);
}

TEST_F(DesignerWindow, ADragPaintsEachCellOnceAndOneUndoRestoresThem) {
    tools(static_cast<int>(RegionCode::Yellow), kToolOff);
    std::vector<QPoint> via;
    for (int x = 3; x <= 10; ++x) via.push_back(QPoint(x, 5));
    via.push_back(QPoint(4, 5));  // back over painted cells: each is placed once
    drag(QPoint(2, 5), QPoint(11, 5), via);
    for (int x = 2; x <= 11; ++x) EXPECT_EQ(RegionCode::Yellow, board().Cell(x, 5).region) << x;
    EXPECT_EQ(RegionCode::White, board().Cell(12, 5).region);
    EXPECT_EQ(RegionCode::White, board().Cell(1, 5).region);
    EXPECT_EQ(1, doc()->undoStack()->count());
    EXPECT_TRUE(doc()->IsModified());
    EXPECT_TRUE(frame->isWindowModified());

    key(Qt::Key_Z);
    for (int x = 2; x <= 11; ++x) EXPECT_EQ(RegionCode::White, board().Cell(x, 5).region) << x;
    EXPECT_FALSE(doc()->IsModified());  // back at the state it was created in
    EXPECT_FALSE(frame->isWindowModified());
    const QImage white = QImage(QStringLiteral(":/designer/107-region-white.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(white, view()->image().copy(1 + 20 * 6, 1 + 20 * 5, 20, 20));

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(RegionCode::Yellow, board().Cell(6, 5).region);
    key(Qt::Key_Z);
    key(Qt::Key_Y);
    EXPECT_EQ(RegionCode::Yellow, board().Cell(11, 5).region);
    EXPECT_TRUE(doc()->IsModified());

    // A quick movement that skips cells still paints every cell on its way,
    // the diagonal included.
    tools(static_cast<int>(RegionCode::Red), kToolOff);
    drag(QPoint(3, 10), QPoint(9, 16));
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(RegionCode::Red, board().Cell(3 + i, 10 + i).region) << i;
    EXPECT_EQ(2, doc()->undoStack()->count());

    // A release that never reaches the view (a window took it) ends the
    // stroke at the next movement without the button: nothing more is painted.
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 18));
    QMouseEvent move(QEvent::MouseMove, QPointF(cellPixel(6, 18)), QPointF(view()->mapToGlobal(cellPixel(6, 18))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view(), &move);
    EXPECT_EQ(RegionCode::Red, board().Cell(2, 18).region);
    EXPECT_EQ(RegionCode::White, board().Cell(4, 18).region);
    EXPECT_EQ(3, doc()->undoStack()->count());
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 18));

    // Ctrl+Z in the middle of a stroke takes back the stroke so far, once.
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 19));
    QTest::mouseMove(view(), cellPixel(4, 19));
    EXPECT_EQ(RegionCode::Red, board().Cell(4, 19).region);
    key(Qt::Key_Z);
    QTest::mouseMove(view(), cellPixel(6, 19));
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 19));
    for (int x = 2; x <= 6; ++x) EXPECT_EQ(RegionCode::White, board().Cell(x, 19).region) << x;
    EXPECT_EQ(RegionCode::Red, board().Cell(2, 18).region);  // the step before it stays
    EXPECT_TRUE(doc()->undoStack()->canRedo());

    // New in the middle of a stroke: the new board gets no step that would
    // bring the old one back.
    ModalAnswerer answer;
    answer.box(QMessageBox::No);
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(2, 19));
    QTest::mouseMove(view(), cellPixel(4, 19));
    key(Qt::Key_N);
    QTest::qWait(30);
    QTest::mouseMove(view(), cellPixel(6, 19));
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, cellPixel(6, 19));
    EXPECT_EQ(RegionCode::White, board().Cell(2, 18).region);
    EXPECT_EQ(RegionCode::White, board().Cell(3, 19).region);
    EXPECT_FALSE(doc()->undoStack()->canUndo());
    EXPECT_FALSE(doc()->IsModified());
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, RefusedCellsInsideAStrokeShowOneMessageAtItsEnd) {
    for (int x = 5; x <= 7; ++x) board().Cell(x, 7).region = RegionCode::Green;
    tools(kToolOff, static_cast<int>(BoxCode::Star));
    ModalAnswerer answer;
    answer.box();
    std::vector<QPoint> via;
    for (int x = 3; x <= 8; ++x) via.push_back(QPoint(x, 7));
    drag(QPoint(2, 7), QPoint(9, 7), via);
    QTest::qWait(50);
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("3 cells of 8 were refused:\nThe current Green Region is not\n compatible with this box"),
              answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Invalid placement"), answer.shown[0].title);
    EXPECT_EQ(QMessageBox::Warning, answer.shown[0].icon);
    EXPECT_EQ(5, board().CountBoxes(BoxCode::Star));
    EXPECT_EQ(BoxCode::Empty, board().Cell(6, 7).box);

    // Painting Blue over boxes empties them: said once too, with the count.
    tools(static_cast<int>(RegionCode::Blue), kToolOff);
    answer.box();
    drag(QPoint(2, 7), QPoint(4, 7), {QPoint(3, 7)});
    QTest::qWait(50);
    ASSERT_EQ(2u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("3 cells lost their box:\nThe Blue Region will delete\n any box in this spot"),
              answer.shown[1].text);
    EXPECT_EQ(QStringLiteral("placement message"), answer.shown[1].title);

    // The Your box can be painted once; the rest of the stroke is refused.
    tools(kToolOff, static_cast<int>(BoxCode::Your));
    answer.box();
    drag(QPoint(10, 12), QPoint(12, 12), {QPoint(11, 12)});
    QTest::qWait(50);
    ASSERT_EQ(3u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("2 cells of 3 were refused:\nA Your box already exists"), answer.shown[2].text);
    EXPECT_EQ(1, board().CountBoxes(BoxCode::Your));
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, UndoCoversTheDialogsAndTheSavedStepIsUnmodified) {
    const int before = static_cast<int>(board().timeLimit);
    ModalAnswerer answer;
    answer.dialog<CLimitsDlg>([](CLimitsDlg* d) {
        d->findChild<QLineEdit*>(QStringLiteral("edit1005"))->setText(QStringLiteral("99"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
    command(32790);
    answer.dialog<CInitializeDlg>([](CInitializeDlg* d) {
        d->findChild<QLineEdit*>(QStringLiteral("edit1018"))->setText(QStringLiteral("Undone"));
        d->findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
    command(32789);
    EXPECT_EQ("Undone", board().gameName);
    const QString path = dir.path() + "/steps.dat";
    ASSERT_TRUE(doc()->savePath(path));
    EXPECT_FALSE(doc()->IsModified());

    command(57643);  // Edit > Undo: Initialize
    EXPECT_EQ("Game", board().gameName);
    EXPECT_TRUE(doc()->IsModified());
    command(57643);  // Limits
    EXPECT_EQ(before, static_cast<int>(board().timeLimit));
    command(57644);
    command(57644);
    EXPECT_EQ("Undone", board().gameName);
    EXPECT_EQ(99u, board().timeLimit);
    EXPECT_FALSE(doc()->IsModified());  // the saved step again

    // A Number box is one step with its dialog's answer.
    tools(kToolOff, static_cast<int>(BoxCode::Number));
    boxNumber(answer, QStringLiteral("4"));
    leftClickCell(8, 8);
    EXPECT_EQ(4u, board().Cell(8, 8).number);
    command(57643);
    EXPECT_EQ(BoxCode::Empty, board().Cell(8, 8).box);
    EXPECT_FALSE(doc()->IsModified());

    // A click that changes nothing still marks the board, as before, but
    // leaves no step to undo.
    answer.box();
    leftClick(QPoint(5, 5));
    QTest::qWait(30);
    EXPECT_TRUE(doc()->IsModified());
    EXPECT_TRUE(doc()->undoStack()->canRedo());
    EXPECT_EQ(2, doc()->undoStack()->index());

    // New and Open start a history of their own.
    answer.box(QMessageBox::No);
    command(57600);
    QTest::qWait(30);
    EXPECT_FALSE(doc()->undoStack()->canUndo());
    EXPECT_FALSE(doc()->undoStack()->canRedo());
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, CopyAndPasteARectangleThroughThePlacementRules) {
    auto R = [](RegionCode r) { return static_cast<int>(r); };
    auto B = [](BoxCode b) { return static_cast<int>(b); };
    tools(R(RegionCode::Yellow), B(BoxCode::Your));
    leftClickCell(3, 3);
    tools(R(RegionCode::Red), B(BoxCode::Star));
    leftClickCell(4, 3);
    board().Cell(3, 4) = BoardCell{RegionCode::Yellow, BoxCode::Number, 6};
    board().Cell(4, 4) = BoardCell{RegionCode::Orange, BoxCode::Hot, 0};

    // Shift+drag selects; selecting changes nothing.
    const int steps = doc()->undoStack()->count();
    drag(QPoint(3, 3), QPoint(4, 4), {QPoint(4, 4)}, Qt::ShiftModifier);
    EXPECT_EQ(QRect(3, 3, 2, 2), view()->selection());
    EXPECT_EQ(steps, doc()->undoStack()->count());
    key(Qt::Key_C);
    EXPECT_TRUE(view()->hasClipboard());

    ModalAnswerer answer;
    answer.box();
    hover(10, 10);
    key(Qt::Key_V);
    QTest::qWait(50);
    // The Your box and the Number 6 are already on the board: refused as
    // clicks would be; the Star and the Hot box are placed with their regions.
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("2 cells of 4 were refused:\nA Your box already exists"), answer.shown[0].text);
    EXPECT_EQ((BoardCell{RegionCode::White, BoxCode::Empty, 0}), board().Cell(10, 10));
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Star, 0}), board().Cell(11, 10));
    EXPECT_EQ((BoardCell{RegionCode::White, BoxCode::Empty, 0}), board().Cell(10, 11));
    EXPECT_EQ((BoardCell{RegionCode::Orange, BoxCode::Hot, 0}), board().Cell(11, 11));
    EXPECT_EQ(1, board().CountBoxes(BoxCode::Your));

    // One step: one undo takes the whole paste back.
    key(Qt::Key_Z);
    EXPECT_EQ(RegionCode::White, board().Cell(10, 10).region);
    EXPECT_EQ(BoxCode::Empty, board().Cell(11, 10).box);
    EXPECT_EQ(BoxCode::Empty, board().Cell(11, 11).box);

    // Onto a board without them, the Your box and the number arrive too;
    // what hangs over the edge is left out, the border refuses.
    board().Cell(3, 3) = BoardCell{RegionCode::Yellow, BoxCode::Empty, 0};
    board().Cell(3, 4) = BoardCell{RegionCode::Yellow, BoxCode::Empty, 0};
    answer.box();
    hover(20, 7);
    key(Qt::Key_V);
    QTest::qWait(50);
    ASSERT_EQ(2u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("2 cells of 4 were refused:\nThis Region can't be modified!"), answer.shown[1].text);
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Your, 0}), board().Cell(20, 7));
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Number, 6}), board().Cell(20, 8));
    key(Qt::Key_Z);
    hover(15, 15);
    key(Qt::Key_V);
    QTest::qWait(50);
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Your, 0}), board().Cell(15, 15));
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Number, 6}), board().Cell(15, 16));
    EXPECT_EQ((BoardCell{RegionCode::Orange, BoxCode::Hot, 0}), board().Cell(16, 16));
    EXPECT_EQ(2u, answer.shown.size());  // nothing refused, nothing said

    // A plain click drops the selection; Escape does too.
    leftClickCell(12, 12);
    EXPECT_TRUE(view()->selection().isEmpty());
    drag(QPoint(6, 18), QPoint(8, 18), {}, Qt::ShiftModifier);
    EXPECT_EQ(QRect(6, 18, 3, 1), view()->selection());
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_TRUE(view()->selection().isEmpty());

    // Filling with the Number tool asks once; the number can go on one cell
    // only, and the others say so in one message.
    drag(QPoint(6, 18), QPoint(8, 18), {}, Qt::ShiftModifier);
    tools(kToolOff, B(BoxCode::Number));
    boxNumber(answer, QStringLiteral("5"));
    answer.box();
    key(Qt::Key_F);
    QTest::qWait(50);
    EXPECT_EQ((BoardCell{RegionCode::White, BoxCode::Number, 5}), board().Cell(6, 18));
    EXPECT_EQ(BoxCode::Empty, board().Cell(7, 18).box);
    ASSERT_EQ(3u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("2 cells of 3 were refused:\nThat Number box already exists"), answer.shown[2].text);
    EXPECT_EQ(QStringLiteral("Invalid Placement"), answer.shown[2].title);
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, ToolBarsAndStatusBarFollowTheToolsAndThePointer) {
    ASSERT_TRUE(frame->regionBar()->isVisible());
    ASSERT_TRUE(frame->boxBar()->isVisible());
    EXPECT_EQ(7, frame->regionBar()->actions().size());
    EXPECT_EQ(11, frame->boxBar()->actions().size());
    EXPECT_EQ(QStringLiteral("Tools: Turned Off, Turned Off"), frame->toolStatus()->text());

    // A tool button is the menu item: choosing one checks the other.
    auto* yellow = qobject_cast<QToolButton*>(frame->regionBar()->widgetForAction(frame->action(32772)));
    ASSERT_NE(nullptr, yellow);
    EXPECT_FALSE(yellow->icon().isNull());
    QTest::mouseClick(yellow, Qt::LeftButton);
    EXPECT_EQ(0, view()->regionTool());
    EXPECT_EQ(QStringList{"Yellow"}, checkedItems("&Regions"));
    command(32783);  // Boxes > Star from the menu
    auto* star = qobject_cast<QToolButton*>(frame->boxBar()->widgetForAction(frame->action(32783)));
    ASSERT_NE(nullptr, star);
    EXPECT_TRUE(star->isChecked());
    EXPECT_EQ(QStringLiteral("Tools: Yellow, Star"), frame->toolStatus()->text());

    hover(5, 6);
    EXPECT_EQ(QStringLiteral("Cell 5, 6: White, Empty, NA"), frame->cellStatus()->text());
    board().Cell(7, 2) = BoardCell{RegionCode::Red, BoxCode::Number, 7};
    hover(7, 2);
    EXPECT_EQ(QStringLiteral("Cell 7, 2: Red, Number, Seven"), frame->cellStatus()->text());
    leftClickCell(7, 2);  // the report follows an edit under the pointer
    EXPECT_EQ(QStringLiteral("Cell 7, 2: Yellow, Star, NA"), frame->cellStatus()->text());

    // View hides either, and the window fits what is left.
    const int fullHeight = frame->height();
    command(59392);
    EXPECT_FALSE(frame->regionBar()->isVisible());
    EXPECT_FALSE(frame->boxBar()->isVisible());
    const int withoutBars = frame->height();
    EXPECT_LT(withoutBars, fullHeight);
    command(59393);
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_LT(frame->height(), withoutBars);
    EXPECT_GE(view()->height(), kGridPixels);
    command(59392);
    command(59393);
    EXPECT_EQ(fullHeight, frame->height());
}

TEST_F(DesignerWindow, PrintPreviewShowsTheBoard) {
    ModalAnswerer answer;
    bool shown = false;
    answer.dialog<QPrintPreviewDialog>([&shown](QPrintPreviewDialog* d) {
        shown = d->isVisible();
        d->reject();
    });
    command(57609);
    QTest::qWait(30);
    EXPECT_TRUE(shown);
    QStringList items;
    for (QAction* a : frame->menuBar()->actions().first()->menu()->actions())
        if (!a->isSeparator() && a->isVisible()) items << a->text();
    EXPECT_EQ((QStringList{"&New", "&Open...", "&Save", "Save &As...", "&Print...", "Print Pre&view", "E&xit"}), items);
    EXPECT_TRUE(answer.unexpected.empty());
}

TEST_F(DesignerWindow, ARoomWithItsBoxesInFewerThanTwentyInputs) {
    int inputs = 0;
    auto clickAction = [&](int id) {
        QToolBar* bar = id < 32778 ? frame->regionBar() : frame->boxBar();
        QTest::mouseClick(bar->widgetForAction(frame->action(id)), Qt::LeftButton);
        ++inputs;
    };
    auto click = [&](int x, int y) {
        leftClickCell(x, y);
        ++inputs;
    };
    ModalAnswerer answer;
    // Select the 10 x 10 room with Shift+drag, choose Yellow, fill.
    QTest::mousePress(view(), Qt::LeftButton, Qt::ShiftModifier, cellPixel(6, 6));
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::ShiftModifier, cellPixel(15, 15));
    inputs += 2;
    clickAction(32772);  // Yellow
    key(Qt::Key_F);
    ++inputs;
    clickAction(32780);  // Your (Yellow stays the region tool: the room is Yellow already)
    click(7, 7);
    clickAction(32783);  // Star
    click(10, 8);
    click(12, 13);
    clickAction(32782);  // Number: each click asks; "1" is proposed, so Enter takes it
    for (int n = 1; n <= 3; ++n) {
        answer.dialog<CBoxNumberDlg>([&inputs, n](CBoxNumberDlg* d) {
            auto* e = d->findChild<QLineEdit*>(QStringLiteral("edit1000"));
            if (n > 1) {
                QTest::keyClick(e, static_cast<Qt::Key>(Qt::Key_0 + n));
                ++inputs;
            }
            QTest::keyClick(e, Qt::Key_Return);
            ++inputs;
        });
        click(8 + 2 * n, 11);
    }
    QTest::qWait(30);
    EXPECT_LT(inputs, 20);
    EXPECT_TRUE(answer.unexpected.empty());

    for (int x = 6; x <= 15; ++x)
        for (int y = 6; y <= 15; ++y) EXPECT_EQ(RegionCode::Yellow, board().Cell(x, y).region) << x << "," << y;
    EXPECT_EQ(RegionCode::White, board().Cell(5, 6).region);
    EXPECT_EQ(RegionCode::White, board().Cell(16, 15).region);
    EXPECT_EQ(BoxCode::Your, board().Cell(7, 7).box);
    EXPECT_EQ(2, board().CountBoxes(BoxCode::Star));
    for (int n = 1; n <= 3; ++n) EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Number, std::uint32_t(n)}),
                                           board().Cell(8 + 2 * n, 11));
}
