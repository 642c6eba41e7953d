// The main window: its size, menus, check marks, accelerators and the
// commands that are the frame's own.
#include <gtest/gtest.h>

#include <QDir>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "board/board_file.h"
#include "game/ui/main_frame.h"
#include "game/ui/random_board_dialog.h"
#include "game/ui/zembrik_view.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_answerer.h"
#include "platform/help_window.h"
#include "platform/install_paths.h"
#include "platform/user_settings.h"
#include "ui_test_support.h"

using namespace vortan;

namespace {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::ensureApp();
        frame = std::make_unique<CMainFrame>();
        uitest::prepareView(*frame->view());
        frame->show();
        QCoreApplication::processEvents();
    }
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(FrameTest, WindowHasTitleAndStartsAtThePictureSize) {
    EXPECT_EQ(frame->windowTitle(), "Vortan Version 2.3");
    EXPECT_EQ(frame->view()->size(), QSize(800, 600));
    EXPECT_EQ(frame->view()->geometry().top(), frame->menuBar()->geometry().bottom() + 1);
    EXPECT_NE(frame->minimumSize(), frame->maximumSize());
    EXPECT_EQ(frame->width(), 800);
}

TEST_F(FrameTest, SizeAndFullScreenAreRememberedAcrossARestart) {
    frame->resize(1000, 700);
    frame->close();
    frame = std::make_unique<CMainFrame>();
    EXPECT_EQ(frame->size(), QSize(1000, 700));
    EXPECT_FALSE(frame->isFullScreen());

    QAction* fullScreen = frame->commandAction(kCmdFullScreen);
    EXPECT_EQ(fullScreen->shortcut(), QKeySequence(Qt::Key_F11));
    frame->show();
    fullScreen->trigger();
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(fullScreen->isChecked());
    frame->close();
    frame = std::make_unique<CMainFrame>();
    frame->show();
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(frame->commandAction(kCmdFullScreen)->isChecked());
    // Escape leaves full screen and is not passed on as a key of the game.
    QTest::keyClick(frame->view(), Qt::Key_Escape);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(frame->commandAction(kCmdFullScreen)->isChecked());
    QSettings().remove(QStringLiteral("game"));  // the next tests start at the picture's size
}

TEST_F(FrameTest, RecordingHasOnlyItsKeyAndNoCommandIsDisabled) {
    QAction* record = frame->commandAction(kCmdMakeDemo);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->shortcut(), QKeySequence("Ctrl+Shift+D"));
    for (QAction* a : frame->menuBar()->actions())
        EXPECT_FALSE(a->menu()->actions().contains(record));
    for (QAction* a : frame->findChildren<QAction*>()) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(FrameTest, CheckMarksFollowTheSwitches) {
    for (int id : {kCmdSoundEffects, kCmdSoundMusic, kCmdAnimation, kCmdMouseControl})
        EXPECT_TRUE(frame->commandAction(id)->isChecked()) << id;
    frame->commandAction(kCmdMouseControl)->trigger();
    EXPECT_EQ(frame->view()->rules().settings.mouseControl, 0);
    EXPECT_FALSE(frame->commandAction(kCmdMouseControl)->isChecked());
    frame->commandAction(kCmdMouseControl)->trigger();
    EXPECT_EQ(frame->view()->rules().settings.mouseControl, 1);
    EXPECT_TRUE(frame->commandAction(kCmdMouseControl)->isChecked());

    frame->commandAction(kCmdAnimation)->trigger();
    EXPECT_EQ(frame->view()->rules().settings.animationOn, 0);
    frame->commandAction(kCmdSoundEffects)->trigger();
    EXPECT_EQ(frame->view()->rules().settings.soundEffectsOn, 0);
    frame->commandAction(kCmdSoundMusic)->trigger();
    EXPECT_EQ(frame->view()->rules().settings.musicOn, 0);
    // A flag changed elsewhere shows when the menu is next updated.
    frame->view()->rules().settings.animationOn = 1;
    frame->updateCheckMarks();
    EXPECT_TRUE(frame->commandAction(kCmdAnimation)->isChecked());
    EXPECT_FALSE(frame->commandAction(kCmdSoundMusic)->isChecked());
}

TEST_F(FrameTest, NewAndSaveChangeNothing) {
    BoardDefinition b = uitest::plainBoard(10, 10);
    const QString path = uitest::writeBoard("keep.dat", b);
    const std::string before = vortan::testing::readBytes(path);
    ASSERT_EQ(frame->view()->openBoardFile(path), LoadResult::Loaded);
    QTest::keyClick(frame->view(), Qt::Key_Right);
    const int moves = frame->doc().movesLeft;

    QTest::keyClick(frame->view(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame->view(), Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);
    EXPECT_EQ(frame->doc().movesLeft, moves);
    EXPECT_EQ(frame->doc().playBoard.peek(11, 10).box, 1);
    EXPECT_EQ(vortan::testing::readBytes(path), before);
}

TEST_F(FrameTest, HelpOpensTheGamesOwnHelpPage) {
    QTest::keyClick(frame->view(), Qt::Key_F1);
    auto* help = frame->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->currentFile().endsWith("zembrik.html")) << help->currentFile().toStdString();
    help->close();
    frame->commandAction(kCmdHelpUsing)->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(frame->findChildren<HelpWindow*>().size(), 1);
}

TEST_F(FrameTest, DesignerCommandStartsTheProgramOrIsSilentWithoutIt) {
    const QDir home(qEnvironmentVariable("VORTAN_HOME"));
    CMainFrame::setDesignerProgram(home.filePath("no-designer-here"));
    frame->commandAction(kCmdDesigner)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const QString marker = home.filePath("designer-started");
    const QString program = home.filePath("fake-designer");
    vortan::testing::writeBytes(program, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toStdString());
    QFile(program).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    CMainFrame::setDesignerProgram(program);
    frame->commandAction(kCmdDesigner)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 2000));
    CMainFrame::setDesignerProgram(QString());
}

}  // namespace

namespace {

// Leaving the game: another application takes the keyboard (no window of the
// game is active any more) or the window is minimised.
TEST_F(FrameTest, LeavingTheWindowPausesARunningGameUntilUnpaused) {
    BoardDefinition b = uitest::plainBoard();
    ASSERT_EQ(frame->view()->openBoardFile(uitest::writeBoard("left.dat", b)), LoadResult::Loaded);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_TRUE(frame->commandAction(kCmdPauseWhenLeft)->isChecked());

    // A dialog of the game's own is not leaving it.
    vortan::testing::ModalAnswerer own;
    own.dialog<QDialog>("optionsDialog", [](QDialog* d) { d->reject(); });
    frame->commandAction(kCmdOptions)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return own.done(); }, 2000));
    QTest::qWait(50);
    own.stop();
    EXPECT_TRUE(own.unexpected.empty()) << own.unexpected.front().toStdString();
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);

    GameState during = GameState::Idle;
    vortan::testing::ModalAnswerer pause;
    pause.dialog<QDialog>("pauseDialog", [&](QDialog* d) {
        during = frame->doc().gameState();
        d->accept();
    });
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QApplication::setActiveWindow(nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pause.done(); }, 2000));
    pause.stop();
    EXPECT_EQ(during, GameState::Paused);
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);

    // Turned off (and remembered), leaving changes nothing.
    frame->commandAction(kCmdPauseWhenLeft)->trigger();
    EXPECT_FALSE(UserSettings::pauseWhenLeft());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    vortan::testing::ModalAnswerer none;
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(100);
    none.stop();
    EXPECT_TRUE(none.unexpected.empty());
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);
    UserSettings::setPauseWhenLeft(true);
}

TEST_F(FrameTest, HintOutlinesTheFirstMoveOfAShortestWinOrSaysThereIsNone) {
    // Two moves Right take the only Star box.
    BoardDefinition b = uitest::plainBoard(18, 10);
    b.Cell(20, 20).box = BoxCode::Empty;
    b.Cell(20, 10).box = BoxCode::Star;
    ASSERT_EQ(frame->view()->openBoardFile(uitest::writeBoard("hint.dat", b)), LoadResult::Loaded);
    QCoreApplication::processEvents();
    frame->view()->rules().OnMouseControl();  // shown with or without the zones
    frame->view()->composeScreen();
    // The middle of the Right zone's outer edge.
    const QPoint edge((kZoneG.x + kZoneH.x) / 2, (kZoneG.y + kZoneH.y) / 2);
    EXPECT_FALSE(uitest::isWhite(frame->view()->composedImage().pixel(edge)));
    EXPECT_EQ(frame->commandAction(kCmdHint)->shortcut(), QKeySequence(Qt::Key_H));
    frame->commandAction(kCmdHint)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return uitest::isWhite(frame->view()->composedImage().pixel(edge)); }, 5000));
    EXPECT_TRUE(frame->doc().hintUsed);
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);  // nothing moved

    // The Star box walled in: no win from anywhere.
    BoardDefinition walled = uitest::plainBoard();
    ASSERT_EQ(frame->view()->openBoardFile(uitest::writeBoard("nowin.dat", walled)), LoadResult::Loaded);
    EXPECT_FALSE(frame->doc().hintUsed);
    vortan::testing::ModalAnswerer answer;
    answer.box();
    frame->commandAction(kCmdHint)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.done(); }, 5000));
    answer.stop();
    ASSERT_EQ(answer.boxes.size(), 1u);
    EXPECT_EQ(answer.boxes[0], "Hint | No winning line from here.");
}

TEST_F(FrameTest, ABoardNamedOnTheCommandLineIsPlayed) {
    frame->openFiles({});
    EXPECT_EQ(frame->doc().gameState(), GameState::Idle);
    BoardDefinition b = uitest::plainBoard();
    b.gameName = "From the command line";
    frame->openFiles({uitest::writeBoard("named.dat", b), QStringLiteral("second.dat")});
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);
    EXPECT_EQ(frame->doc().gameName, "From the command line");
}

TEST_F(FrameTest, PauseKeysAndQuit) {
    EXPECT_TRUE(frame->commandAction(kCmdPause)->shortcuts().contains(QKeySequence(Qt::Key_P)));
    EXPECT_TRUE(frame->commandAction(kCmdPause)->shortcuts().contains(QKeySequence(Qt::Key_Pause)));
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
}

}  // namespace

TEST_F(FrameTest, RandomBoardPlaysTheIdTypedCopiesItAndSavesTheBoard) {
    const QString id = QString::fromStdString(formatBoardId({Difficulty::Easy, 5, kGeneratorVersion}));
    QString typo = id;
    typo[3] = typo[3] == QChar('7') ? QChar('8') : QChar('7');
    vortan::testing::ModalAnswerer answer;
    answer.box();
    EXPECT_FALSE(frame->playRandomBoard(0, typo));
    QString records;
    answer.then([&](QWidget* w) {
        auto* dlg = qobject_cast<CRandomBoardDlg*>(w);
        ASSERT_NE(dlg, nullptr);
        records = dlg->recordsLabel()->text();
        dlg->idField()->setText(id.toLower());
        dlg->accept();
    });
    answer.box();
    frame->OnRandomBoard();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.done(); }, 5000));
    answer.stop();
    EXPECT_TRUE(answer.unexpected.empty());
    ASSERT_EQ(answer.shown.size(), 2u);
    EXPECT_TRUE(answer.shown[0].text.contains("typing mistake"));
    EXPECT_TRUE(answer.shown[1].text.startsWith("Board " + id));
    EXPECT_TRUE(records.contains("Expert: no game won yet"));
    EXPECT_EQ(frame->doc().gameState(), GameState::Playing);

    frame->commandAction(kCmdCopyBoardId)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), id);
    const QString saved = QDir(userDataFolder()).filePath("saved-random");
    ASSERT_TRUE(frame->saveBoardTo(saved));
    BoardDefinition read, made;
    ASSERT_TRUE(ReadBoardFile((saved + ".dat").toStdString(), read).read.ok());
    ASSERT_TRUE(frame->view()->runner().currentBoard(made));
    EXPECT_EQ(EncodeBoard(read), EncodeBoard(made));
}
