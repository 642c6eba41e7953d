// The game's main window driven as a player drives it: its size, menus,
// check marks and accelerators and the frame's own commands; and game runs
// where the run control's fake windows cannot reach: the dialogs' faces
// answered as a player would, a refused entry keeping its dialog open, one
// play to a filed high score, and the clock ticking behind real modal dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTest>
#include <algorithm>

#include "board/board_file.h"
#include "board/file_io.h"
#include "game/runs/records.h"
#include "game/ui/main_frame.h"
#include "game/ui/random_board_dialog.h"
#include "game/ui/run_dialogs.h"
#include "game/ui/zembrik_view.h"
#include "platform/help_window.h"
#include "platform/install_paths.h"
#include "platform/user_settings.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_answerer.h"
#include "ui_test_support.h"

using namespace vortan;
using vortan::testing::ModalAnswerer;

namespace {

// Two Right moves take the only Star box: the Your box at (18, 10), the Star
// box against the right wall at (20, 10).
BoardDefinition winningBoard(const char* message = "Take the star") {
    BoardDefinition b = uitest::plainBoard(18, 10);
    b.Cell(20, 20).box = BoxCode::Empty;
    b.Cell(20, 10).box = BoxCode::Star;
    b.openingMessage = message;
    return b;
}

// A radio button takes clicks on its circle and text only.
void clickRadio(QRadioButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

bool waitFor(const std::function<bool()>& done, int ms = 5000) { return QTest::qWaitFor(done, ms); }

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { uitest::startTest(); }
    // Made by each test once its files are in place: the window reads them.
    void makeFrame() {
        frame = std::make_unique<CMainFrame>();
        uitest::prepareView(*frame->view());
        frame->view()->setTrace(&trace);
        frame->show();
        QCoreApplication::processEvents();
    }
    void activate() {
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    QAction* action(int id) { return frame->commandAction(id); }
    void command(int id) { action(id)->trigger(); }
    CZembrikView& view() { return *frame->view(); }
    CZembrikDoc& doc() { return frame->doc(); }
    void open(BoardDefinition b, const char* name = "board.dat") {
        ASSERT_EQ(view().openBoardFile(uitest::writeBoard(name, b)), LoadResult::Loaded);
    }
    // Ticks of the one-second timer, made fast.
    void runClock(int ms = 10) {
        view().clock().setInterval(ms);
        view().clock().start();
    }
    void expectScriptDone(ModalAnswerer& script) {
        EXPECT_TRUE(waitFor([&] { return script.done(); }, 5000));
        script.stop();
        EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front().toStdString();
    }

    std::unique_ptr<CMainFrame> frame;
    std::vector<std::string> trace;
};

// ---- the window and its commands ----------------------------------------------

TEST_F(MainWindow, SizeAndKeysOfTheWindow) {
    makeFrame();
    EXPECT_EQ(view().size(), QSize(800, 600));
    EXPECT_EQ(view().geometry().top(), frame->menuBar()->geometry().bottom() + 1);
    // Recording has only its key; no command is ever disabled.
    QAction* record = action(kCmdMakeDemo);
    EXPECT_EQ(record->shortcut(), QKeySequence("Ctrl+Shift+D"));
    for (QAction* a : frame->menuBar()->actions()) EXPECT_FALSE(a->menu()->actions().contains(record));
    for (QAction* a : frame->findChildren<QAction*>()) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_EQ(action(kCmdPause)->shortcuts(), (QList<QKeySequence>{Qt::Key_P, Qt::Key_Pause}));
    activate();
    QTest::keyClick(frame.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainWindow, SizeAndFullScreenAreRememberedAcrossARestart) {
    makeFrame();
    frame->resize(1000, 700);
    frame->close();
    frame = std::make_unique<CMainFrame>();
    EXPECT_EQ(frame->size(), QSize(1000, 700));
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_EQ(action(kCmdFullScreen)->shortcut(), QKeySequence(Qt::Key_F11));
    frame->show();
    command(kCmdFullScreen);
    EXPECT_TRUE(frame->isFullScreen());
    frame->close();
    frame = std::make_unique<CMainFrame>();
    frame->show();
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(action(kCmdFullScreen)->isChecked());
    // Escape leaves full screen and is not passed on as a key of the game.
    QTest::keyClick(&view(), Qt::Key_Escape);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_FALSE(action(kCmdFullScreen)->isChecked());
    QSettings().remove(QStringLiteral("game"));  // the next tests start at the picture's size
}

TEST_F(MainWindow, CheckMarksFollowTheSwitches) {
    makeFrame();
    GameSettings& settings = view().rules().settings;
    const std::pair<int, std::int32_t GameSettings::*> switches[] = {
        {kCmdSoundEffects, &GameSettings::soundEffectsOn}, {kCmdSoundMusic, &GameSettings::musicOn},
        {kCmdAnimation, &GameSettings::animationOn}, {kCmdMouseControl, &GameSettings::mouseControl}};
    for (const auto& [id, flag] : switches) {
        EXPECT_TRUE(action(id)->isChecked()) << id;
        command(id);
        EXPECT_EQ(settings.*flag, 0) << id;
        EXPECT_FALSE(action(id)->isChecked()) << id;
    }
}

TEST_F(MainWindow, BoardsNamedOnTheCommandLineArePlayedAndNewAndSaveChangeNothing) {
    makeFrame();
    frame->openFiles({});
    EXPECT_EQ(doc().gameState(), GameState::Idle);
    BoardDefinition b = uitest::plainBoard(10, 10);
    b.gameName = "From the command line";
    const QString path = uitest::writeBoard("named.dat", b);
    const std::string before = vortan::testing::readBytes(path);
    frame->openFiles({path, QStringLiteral("second.dat")});
    EXPECT_EQ(doc().gameState(), GameState::Playing);
    EXPECT_EQ(doc().gameName, "From the command line");
    QTest::keyClick(&view(), Qt::Key_Right);
    const int moves = doc().movesLeft;

    QTest::keyClick(&view(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_S, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(doc().gameState(), GameState::Playing);
    EXPECT_EQ(doc().movesLeft, moves);
    EXPECT_EQ(vortan::testing::readBytes(path), before);
}

TEST_F(MainWindow, HelpOpensTheGamesOwnPageAndTheDesignerCommandItsProgram) {
    makeFrame();
    QTest::keyClick(&view(), Qt::Key_F1);
    auto* help = frame->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->currentFile().endsWith("zembrik.html")) << help->currentFile().toStdString();
    // Using Help: the same window, at its section.
    command(kCmdHelpUsing);
    EXPECT_EQ(frame->findChildren<HelpWindow*>(), QList<HelpWindow*>{help});
    EXPECT_EQ(help->browser()->source().fragment(), "using-help");
    EXPECT_TRUE(help->browser()->toPlainText().contains("Using Help"));

    // Without the designer the command is silent.
    const QDir home(uitest::testHome());
    CMainFrame::setDesignerProgram(home.filePath("no-designer-here"));
    command(kCmdDesigner);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QString marker = home.filePath("designer-started");
    const QString program = home.filePath("fake-designer");
    vortan::testing::writeBytes(program, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toStdString());
    QFile(program).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    CMainFrame::setDesignerProgram(program);
    command(kCmdDesigner);
    EXPECT_TRUE(waitFor([&] { return QFile::exists(marker); }, 2000));
    CMainFrame::setDesignerProgram(QString());
}

// Leaving the game: another application takes the keyboard (no window of the
// game is active any more) or the window is minimised.
TEST_F(MainWindow, LeavingTheWindowPausesARunningGameUntilUnpaused) {
    makeFrame();
    view().OnMouseControl();  // no zone figures over the cells
    open(uitest::plainBoard());
    activate();
    EXPECT_TRUE(action(kCmdPauseWhenLeft)->isChecked());
    // A dialog of the game's own is not leaving it. The Options dialog shows
    // the file, and its choice is drawn at once.
    ASSERT_TRUE(WriteOptions(uitest::homePath("Options.dat"), {1, 0, 0, 1, 3, 6}));
    ModalAnswerer own;
    own.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        EXPECT_TRUE(d->button(0, 1)->isChecked());
        EXPECT_TRUE(d->button(2, 0)->isChecked());
        // The styles not made yet cannot be picked.
        clickRadio(d->button(1, 2));
        EXPECT_TRUE(d->button(1, 0)->isChecked());
        clickRadio(d->button(0, 2));
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    command(kCmdOptions);
    QTest::qWait(50);  // time for a pause, were the dialog taken for leaving
    expectScriptDone(own);
    // A Yellow cell is drawn from the Blues tiles at once.
    EXPECT_EQ(uitest::sheetPointAt(view().composedImage(), 250 + 25 * 3 + 5, 25 * 3 + 5), QPoint(5, 50 + 5));

    GameState during = GameState::Idle;
    ModalAnswerer pause;
    pause.dialog<QDialog>("pauseDialog", [&](QDialog* d) {
        during = doc().gameState();
        d->accept();
    });
    activate();
    QApplication::setActiveWindow(nullptr);
    expectScriptDone(pause);
    EXPECT_EQ(during, GameState::Paused);
    EXPECT_EQ(doc().gameState(), GameState::Playing);

    // Turned off (and remembered), leaving changes nothing.
    command(kCmdPauseWhenLeft);
    EXPECT_FALSE(UserSettings::pauseWhenLeft());
    activate();
    ModalAnswerer none;
    QApplication::setActiveWindow(nullptr);
    QTest::qWait(100);
    expectScriptDone(none);
    EXPECT_EQ(doc().gameState(), GameState::Playing);
    UserSettings::setPauseWhenLeft(true);
}

TEST_F(MainWindow, HintOutlinesTheFirstMoveOfAShortestWinOrSaysThereIsNone) {
    makeFrame();
    open(winningBoard(), "hint.dat");
    activate();
    view().rules().OnMouseControl();  // shown with or without the zones
    view().composeScreen();
    // The middle of the Right zone's outer edge.
    const QPoint edge((kZoneG.x + kZoneH.x) / 2, (kZoneG.y + kZoneH.y) / 2);
    EXPECT_FALSE(uitest::isWhite(view().composedImage().pixel(edge)));
    QTest::keyClick(&view(), Qt::Key_H);
    EXPECT_TRUE(waitFor([&] { return uitest::isWhite(view().composedImage().pixel(edge)); }));
    EXPECT_TRUE(doc().hintUsed);
    EXPECT_EQ(doc().gameState(), GameState::Playing);  // nothing moved

    // The Star box walled in: no win from anywhere.
    open(uitest::plainBoard(), "nowin.dat");
    ModalAnswerer answer;
    answer.box();
    command(kCmdHint);
    QTest::qWait(50);  // time for a pause, were the message taken for leaving
    expectScriptDone(answer);
    ASSERT_EQ(answer.shown.size(), 1u);
    EXPECT_EQ(answer.shown[0].text, "No winning line from here.");
}

TEST_F(MainWindow, RandomBoardPlaysTheIdTypedCopiesItAndSavesTheBoard) {
    makeFrame();
    const QString id = QString::fromStdString(formatBoardId({Difficulty::Easy, 5, kGeneratorVersion}));
    QString typo = id;
    typo[3] = typo[3] == QChar('7') ? QChar('8') : QChar('7');
    ModalAnswerer answer;
    answer.box();
    EXPECT_FALSE(frame->playRandomBoard(0, typo));
    QString records;
    answer.dialog<CRandomBoardDlg>([&](CRandomBoardDlg* dlg) {
        records = dlg->recordsLabel()->text();
        dlg->idField()->setText(id.toLower());
        dlg->accept();
    });
    answer.box();
    frame->OnRandomBoard();
    expectScriptDone(answer);
    ASSERT_EQ(answer.shown.size(), 2u);
    EXPECT_TRUE(answer.shown[0].text.contains("typing mistake"));
    EXPECT_TRUE(answer.shown[1].text.startsWith("Board " + id));
    EXPECT_TRUE(records.contains("Expert: no game won yet"));
    EXPECT_EQ(doc().gameState(), GameState::Playing);

    command(kCmdCopyBoardId);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), id);
    const QString saved = QDir(userDataFolder()).filePath("saved-random");
    ASSERT_TRUE(frame->saveBoardTo(saved));
    BoardDefinition read, made;
    ASSERT_TRUE(ReadBoardFile((saved + ".dat").toStdString(), read).read.ok());
    ASSERT_TRUE(view().runner().currentBoard(made));
    EXPECT_EQ(EncodeBoard(read), EncodeBoard(made));
}

// ---- Play, win, high score ---------------------------------------------------

TEST_F(MainWindow, PlayAChosenGameWinItAndSeeTheHighScoreNextTime) {
    BoardDefinition b = winningBoard("Traditional three");
    uitest::writeBoard("alvor13.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) {
        // Brenno's labels come with its button.
        clickRadio(d->versionButton(1));
        EXPECT_EQ(d->seriesLabel(3)->text(), "Supergraphic");
        clickRadio(d->versionButton(0));
        clickRadio(d->seriesButton(1));
        clickRadio(d->gameButton(2));
        QTest::mouseClick(d->playButton(), Qt::LeftButton);
    });
    script.box();  // the opening message
    command(kCmdPlay);
    expectScriptDone(script);
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, "Traditional three");
    EXPECT_EQ(doc().gameState(), GameState::Playing);

    std::int32_t scoreShown = -99;
    ModalAnswerer end;
    end.dialog<QDialog>("gameWonDialog", [](QDialog* d) {
        EXPECT_EQ(d->findChild<QLabel*>("line2")->text(), "YOU WON");
        d->accept();
    });
    end.dialog<CEnterHighScoreDlg>("enterHighScoreDialog", [&scoreShown](CEnterHighScoreDlg* d) {
        EXPECT_TRUE(d->scoreEdit()->isReadOnly());
        // The prompt stands on one line, left of the initials, all inside.
        const auto* prompt = d->findChild<QLabel*>("prompt");
        ASSERT_NE(prompt, nullptr);
        EXPECT_LE(prompt->height(), prompt->fontMetrics().height() + 2);
        EXPECT_LT(prompt->geometry().right(), d->initialsEdit()->x());
        EXPECT_TRUE(d->rect().contains(d->initialsEdit()->geometry()));
        EXPECT_GE(prompt->width(), prompt->fontMetrics().horizontalAdvance(prompt->text()));
        scoreShown = d->scoreEdit()->text().toInt();
        // Typing goes to the initials, and Enter confirms.
        EXPECT_EQ(d->focusWidget(), d->initialsEdit());
        QTest::keyClicks(d->initialsEdit(), "ABCD");
        QTest::keyClick(d->initialsEdit(), Qt::Key_Return);
    });
    QTest::keyClick(&view(), Qt::Key_Right);
    QTest::keyClick(&view(), Qt::Key_Right);
    expectScriptDone(end);
    EXPECT_EQ(scoreShown, doc().score);
    ASSERT_GT(doc().score, 0);

    // The next Play Game dialog shows the filed score at the game played.
    ModalAnswerer again;
    again.dialog<CPlayGameDlg>("playGameDialog", [&](CPlayGameDlg* d) {
        EXPECT_TRUE(d->seriesButton(1)->isChecked());
        EXPECT_TRUE(d->gameButton(2)->isChecked());
        EXPECT_EQ(d->scoreEdit()->text(), QString::number(doc().score));
        EXPECT_EQ(d->initialsEdit()->text(), "ABCD");
        d->cancelButton()->click();
    });
    command(kCmdPlay);
    expectScriptDone(again);
}

TEST_F(MainWindow, AHighScoreThatIsNotAnIntegerKeepsTheDialogOpen) {
    makeFrame();
    bool stillOpen = false;
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [&](CPlayGameDlg* d) {
        d->scoreEdit()->setText("12x");
        d->playButton()->click();  // returns once the refusal is answered
        stillOpen = d->isVisible();
        d->cancelButton()->click();
    });
    script.box();
    command(kCmdPlay);
    expectScriptDone(script);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, "Please enter an integer.");
    EXPECT_EQ(doc().gameState(), GameState::Idle);
}

// ---- Dialogs opened by a tick ------------------------------------------------

TEST_F(MainWindow, TheClockKeepsTickingWhileADialogOpenedByATickIsUp) {
    BoardDefinition b = winningBoard();
    b.timeLimit = 2;
    uitest::writeBoard("alvor1.dat", b);
    makeFrame();
    activate();

    // A loss by the time limit: the end is counted down behind the open
    // "YOU LOST" dialog, and the panel it covers is presented with its values.
    // (Every dialog a tick opens runs the same way.)
    ModalAnswerer play;
    play.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) { d->playButton()->click(); });
    play.box();
    command(kCmdPlay);
    expectScriptDone(play);
    ASSERT_EQ(doc().gameState(), GameState::Playing);
    bool valuesDrawn = false, idleWhileOpen = false;
    std::ptrdiff_t presents = 0;
    ModalAnswerer loss;
    loss.dialog<QDialog>("gameLostDialog", [&](QDialog* d) {
        EXPECT_EQ(d->findChild<QLabel*>("line2")->text(), "YOU LOST");
        const QImage& shown = view().composedImage();
        valuesDrawn = uitest::whitePixels(shown, QRect(110, 171, 40, 25)) > 0 &&
                      uitest::whitePixels(shown, QRect(175, 271, 40, 25)) > 0 &&
                      uitest::whitePixels(shown, QRect(175, 371, 40, 25)) > 0;
        // Held open until the game is back at the title, as a player who
        // leaves the end message up would.
        const std::size_t from = trace.size();
        idleWhileOpen = waitFor([&] { return doc().gameState() == GameState::Idle; }, 3000) && d->isVisible();
        presents = std::count(trace.begin() + static_cast<std::ptrdiff_t>(from), trace.end(), "present");
        d->accept();
    });
    runClock();
    expectScriptDone(loss);
    view().clock().stop();
    EXPECT_TRUE(valuesDrawn);
    EXPECT_TRUE(idleWhileOpen);
    EXPECT_GE(presents, 25);
}

}  // namespace
