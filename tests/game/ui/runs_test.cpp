// Game runs through the real window: the Play Game, Options, pause and
// high-score dialogs answered as a player would, the files they leave in the
// game's folder, the sounds and music asked for, and the clock running
// behind the dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "board/file_io.h"
#include "game/runs/records.h"
#include "game/ui/main_frame.h"
#include "game/ui/run_dialogs.h"
#include "game/ui/zembrik_view.h"
#include "tests/support/modal_answerer.h"
#include "ui_test_support.h"

using namespace vortan;
using vortan::testing::ModalAnswerer;

namespace {

QString homeFile(const QString& name) { return QDir(uitest::testHome()).filePath(name); }
std::string homeStd(const QString& name) { return QFile::encodeName(homeFile(name)).toStdString(); }

QByteArray fileBytes(const QString& name) {
    QFile f(homeFile(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeOptions(OptionsRecord rec) { ASSERT_TRUE(WriteOptions(homeStd("Options.dat"), rec)); }

OptionsRecord readOptions() {
    OptionsRecord rec;
    EXPECT_TRUE(ReadOptions(homeStd("Options.dat"), rec));
    return rec;
}

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

class RunsTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::ensureApp();
        QDir home(uitest::testHome());
        for (const QString& f : home.entryList({"*.dat"}, QDir::Files)) home.remove(f);
    }
    void makeFrame() {
        frame = std::make_unique<CMainFrame>();
        uitest::prepareView(*frame->view());
        frame->view()->setTrace(&trace);
        frame->show();
        QCoreApplication::processEvents();
    }
    void command(int id) { frame->commandAction(id)->trigger(); }
    CZembrikView& view() { return *frame->view(); }
    CZembrikDoc& doc() { return frame->doc(); }
    // Ticks of the one-second timer, made fast.
    void runClock(int ms = 10) {
        view().clock().setInterval(ms);
        view().clock().start();
    }
    void expectScriptDone(ModalAnswerer& script) {
        EXPECT_TRUE(waitFor([&] { return script.done(); }, 2000));
        script.stop();
        EXPECT_TRUE(script.unexpected.empty()) << script.unexpected.front().toStdString();
    }

    std::unique_ptr<CMainFrame> frame;
    std::vector<std::string> trace;
};

// ---- Options ----------------------------------------------------------------

TEST_F(RunsTest, OptionsDialogShowsTheFileAndWritesTheChoiceOnOk) {
    makeFrame();
    writeOptions({0, 0, 0, 1, 3, 6});
    ModalAnswerer script;
    script.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        EXPECT_EQ(d->windowTitle(), "Options Menu");
        const char* texts[3][3] = {{"Traditional", "Mixed", "Blues"},
                                   {"Original", "Special Effects", "Artistic"},
                                   {"Orignal", "Special Effect", "Artistic"}};
        for (int g = 0; g < 3; ++g)
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(d->button(g, i)->text(), texts[g][i]);
                EXPECT_EQ(d->button(g, i)->isEnabled(), g == 0 || i == 0) << g << i;
                EXPECT_EQ(d->button(g, i)->isChecked(), i == 0) << g << i;
            }
        // The styles not made yet cannot be picked.
        clickRadio(d->button(1, 2));
        EXPECT_TRUE(d->button(1, 0)->isChecked());
        clickRadio(d->button(0, 2));
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    command(kCmdOptions);
    expectScriptDone(script);
    EXPECT_EQ(fileBytes("Options.dat").toHex().toStdString(),
              "020000000000000000000000" "010000000300000006000000");
    EXPECT_EQ(view().rules().settings.graphicsStyle, 2);
    EXPECT_EQ(view().graphicsStyle(), 2);
}

TEST_F(RunsTest, OptionsCancelWritesNothingAndAMissingFileChecksNoButton) {
    makeFrame();
    writeOptions({1, 0, 0, 0, 2, 0});
    const QByteArray before = fileBytes("Options.dat");
    ModalAnswerer script;
    script.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        EXPECT_TRUE(d->button(0, 1)->isChecked());
        d->button(0, 2)->click();
        d->reject();
    });
    command(kCmdOptions);
    expectScriptDone(script);
    EXPECT_EQ(fileBytes("Options.dat"), before);
    EXPECT_EQ(view().graphicsStyle(), 0);  // as read when the window was made

    // The kept dialog still shows what it showed; the file is made anew with
    // zeros, and OK writes -1 for a group left empty.
    QFile::remove(homeFile("Options.dat"));
    ModalAnswerer second;
    second.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        EXPECT_TRUE(d->button(0, 1)->isChecked());
        EXPECT_EQ(fileBytes("Options.dat"), QByteArray(24, '\0'));
        d->okButton()->click();
    });
    command(kCmdOptions);
    expectScriptDone(second);
    EXPECT_EQ(readOptions(), (OptionsRecord{1, 0, 0, 0, 0, 0}));
}

TEST_F(RunsTest, FirstOptionsWithoutAFileLeavesGroupsEmpty) {
    makeFrame();
    QFile::remove(homeFile("Options.dat"));
    ModalAnswerer script;
    script.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        for (int g = 0; g < 3; ++g)
            for (int i = 0; i < 3; ++i) EXPECT_FALSE(d->button(g, i)->isChecked());
        d->button(0, 1)->click();
        d->okButton()->click();
    });
    command(kCmdOptions);
    expectScriptDone(script);
    EXPECT_EQ(readOptions(), (OptionsRecord{1, -1, -1, 0, 0, 0}));
}

TEST_F(RunsTest, TheNewGraphicsStyleIsDrawnAtOnce) {
    makeFrame();
    view().OnMouseControl();  // no zone figures over the cells
    BoardDefinition b = uitest::plainBoard();
    ASSERT_EQ(view().openBoardFile(uitest::writeBoard("styles.dat", b)), LoadResult::Loaded);
    view().composeScreen();
    // A Yellow cell in Traditional, then in each style chosen in the dialog.
    const QPoint yellowCell(250 + 25 * 3 + 5, 25 * 3 + 5);
    auto shown = [&] { return uitest::sheetPointAt(view().composedImage(), yellowCell.x(), yellowCell.y()); };
    EXPECT_EQ(shown(), QPoint(5, 275 + 5));
    const QPoint expected[3] = {{0, 275}, {0, 250}, {0, 50}};
    for (int style : {2, 1, 0}) {
        ModalAnswerer script;
        script.dialog<COptionsDlg>("optionsDialog", [style](COptionsDlg* d) {
            d->button(0, style)->click();
            d->okButton()->click();
        });
        command(kCmdOptions);
        expectScriptDone(script);
        EXPECT_EQ(shown(), expected[style] + QPoint(5, 5)) << style;
    }
    EXPECT_EQ(doc().gameState(), GameState::Playing);
}

// ---- Play, win, high score ---------------------------------------------------

TEST_F(RunsTest, PlayAChosenGameWinItAndSeeTheHighScoreNextTime) {
    BoardDefinition b = winningBoard("Traditional three");
    uitest::writeBoard("alvor13.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) {
        EXPECT_EQ(d->windowTitle(), "Play Game");
        EXPECT_TRUE(d->versionButton(0)->isChecked());
        EXPECT_EQ(d->versionButton(1)->text(), "Brenno(moderate)");
        for (int v = 0; v < 6; ++v) EXPECT_EQ(d->versionButton(v)->isEnabled(), v < 2) << v;
        EXPECT_EQ(d->seriesLabel(0)->text(), "Easy");
        EXPECT_EQ(d->seriesLabel(11)->text(), "Bonus");
        EXPECT_TRUE(d->seriesButton(0)->isChecked());
        EXPECT_TRUE(d->gameButton(0)->isChecked());
        EXPECT_EQ(d->gameButton(9)->text(), "Game 10");
        EXPECT_EQ(d->scoreEdit()->text(), "0");
        // Brenno's labels come and go with its button.
        clickRadio(d->versionButton(1));
        EXPECT_EQ(d->seriesLabel(3)->text(), "Supergraphic");
        clickRadio(d->versionButton(0));
        EXPECT_EQ(d->seriesLabel(3)->text(), "Maze");
        clickRadio(d->seriesButton(1));
        clickRadio(d->gameButton(2));
        QTest::mouseClick(d->playButton(), Qt::LeftButton);
    });
    script.box();  // the opening message
    command(kCmdPlay);
    expectScriptDone(script);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0], "Opening Message | Traditional three");
    EXPECT_EQ(doc().gameState(), GameState::Playing);
    EXPECT_EQ(readOptions(), (OptionsRecord{0, 0, 0, 0, 1, 2}));
    // All six high-score files exist now, empty.
    for (int v = 0; v < 6; ++v) EXPECT_EQ(fileBytes(QStringLiteral("HIScore%1.dat").arg(v)), QByteArray(360, '\0'));

    std::int32_t scoreShown = -99;
    ModalAnswerer end;
    end.dialog<QDialog>("gameWonDialog", [](QDialog* d) { d->accept(); });
    end.dialog<CEnterHighScoreDlg>("enterHighScoreDialog", [&scoreShown](CEnterHighScoreDlg* d) {
        EXPECT_EQ(d->windowTitle(), "Enter High Score");
        EXPECT_TRUE(d->scoreEdit()->isReadOnly());
        // The prompt stands on one line, left of the initials, all inside.
        const auto* prompt = d->findChild<QLabel*>("prompt");
        ASSERT_NE(prompt, nullptr);
        EXPECT_FALSE(prompt->wordWrap());
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
    EXPECT_EQ(doc().gameState(), GameState::GameOver);
    EXPECT_EQ(doc().gameOutcome, GameOutcome::Won);
    EXPECT_EQ(scoreShown, doc().score);
    ASSERT_GE(doc().score, 0);

    HighScoreTable table;
    ASSERT_TRUE(table.ReadHighScores(homeStd("HIScore0.dat")));
    EXPECT_EQ(table.GetHighScore(1, 2), doc().score);
    EXPECT_EQ(table.GetInitials(1, 2), "ABCD");

    ModalAnswerer again;
    again.dialog<CPlayGameDlg>("playGameDialog", [&](CPlayGameDlg* d) {
        EXPECT_TRUE(d->seriesButton(1)->isChecked());
        EXPECT_TRUE(d->gameButton(2)->isChecked());
        EXPECT_EQ(d->scoreEdit()->text(), QString::number(doc().score));
        EXPECT_EQ(d->initialsEdit()->text(), "ABCD");
        // Another game of the series shows its own, empty entry.
        clickRadio(d->gameButton(3));
        EXPECT_EQ(d->scoreEdit()->text(), "0");
        EXPECT_EQ(d->initialsEdit()->text(), "");
        d->cancelButton()->click();
    });
    command(kCmdPlay);
    expectScriptDone(again);
    EXPECT_EQ(doc().gameState(), GameState::GameOver);
}

TEST_F(RunsTest, CancellingTheHighScoreStillStoresTheScore) {
    BoardDefinition b = winningBoard();
    uitest::writeBoard("alvor1.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) { d->playButton()->click(); });
    script.box();
    script.dialog<QDialog>("gameWonDialog", [](QDialog* d) { d->accept(); });
    script.dialog<CEnterHighScoreDlg>("enterHighScoreDialog", [](CEnterHighScoreDlg* d) {
        d->initialsEdit()->setText("XYZ");
        d->findChild<QPushButton*>("cancelButton")->click();
    });
    command(kCmdPlay);
    QTest::keyClick(&view(), Qt::Key_Right);
    QTest::keyClick(&view(), Qt::Key_Right);
    expectScriptDone(script);
    HighScoreTable table;
    ASSERT_TRUE(table.ReadHighScores(homeStd("HIScore0.dat")));
    EXPECT_EQ(table.GetHighScore(0, 0), doc().score);
    EXPECT_EQ(table.GetInitials(0, 0), "");
}

TEST_F(RunsTest, AHighScoreThatIsNotAnIntegerKeepsTheDialogOpen) {
    makeFrame();
    bool stillOpen = false;
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [&](CPlayGameDlg* d) {
        d->scoreEdit()->setText("12x");
        d->playButton()->click();
    });
    script.then([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Please enter an integer.");
        box->accept();
        QTimer::singleShot(50, [&] {
            auto* d = qobject_cast<CPlayGameDlg*>(QApplication::activeModalWidget());
            stillOpen = d && d->isVisible();
            if (!d) return;
            EXPECT_EQ(d->focusWidget(), d->scoreEdit());
            EXPECT_EQ(d->scoreEdit()->selectedText(), "12x");
            // A readable number is read, then replaced by the kept score.
            d->scoreEdit()->setText(" -7 ");
            clickRadio(d->gameButton(1));
            EXPECT_EQ(d->scoreEdit()->text(), "0");
            d->cancelButton()->click();
        });
    });
    command(kCmdPlay);
    EXPECT_TRUE(waitFor([&] { return QApplication::activeModalWidget() == nullptr; }));
    expectScriptDone(script);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(doc().gameState(), GameState::Idle);
}

TEST_F(RunsTest, ResetHighScoresClearsTheFilesEvenOnCancel) {
    makeFrame();
    HighScoreTable t;
    t.SetHighScore(2, 3, 77, "QQ");
    ASSERT_TRUE(t.WriteHighScores(homeStd("HIScore1.dat")));
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) {
        d->versionButton(1)->click();
        d->seriesButton(2)->click();
        d->gameButton(3)->click();
        EXPECT_EQ(d->scoreEdit()->text(), "77");
        EXPECT_EQ(d->initialsEdit()->text(), "QQ");
        d->resetButton()->click();
        EXPECT_EQ(d->scoreEdit()->text(), "0");
        EXPECT_TRUE(d->seriesButton(0)->isChecked());
        EXPECT_TRUE(d->gameButton(0)->isChecked());
        EXPECT_TRUE(d->versionButton(1)->isChecked());
        d->cancelButton()->click();
    });
    command(kCmdPlay);
    expectScriptDone(script);
    EXPECT_EQ(fileBytes("HIScore1.dat"), QByteArray(360, '\0'));
}

// ---- Pause, End Game, the clock behind the Play Game dialog --------------------

TEST_F(RunsTest, PauseHoldsTheGameAndEndGameStopsIt) {
    BoardDefinition b = winningBoard();
    uitest::writeBoard("alvor1.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) { d->playButton()->click(); });
    script.box();
    command(kCmdPlay);
    expectScriptDone(script);
    ASSERT_EQ(doc().gameState(), GameState::Playing);
    const std::int32_t timeLeft = doc().timeLeft;

    runClock();
    GameState during = GameState::Idle;
    ModalAnswerer pause;
    pause.dialog<QDialog>("pauseDialog", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Game Message");
        EXPECT_EQ(d->findChild<QLabel*>("line1")->text(), "PAUSED");
        during = doc().gameState();
        QTest::qWait(100);  // ticks arrive but the clock stands still
        EXPECT_EQ(doc().timeLeft, timeLeft);
        auto* unpause = d->findChild<QPushButton*>("unpauseButton");
        EXPECT_TRUE(unpause->isDefault());
        unpause->click();
    });
    trace.clear();
    command(kCmdPause);
    expectScriptDone(pause);
    view().clock().stop();
    EXPECT_EQ(during, GameState::Paused);
    EXPECT_EQ(doc().gameState(), GameState::Playing);
    EXPECT_EQ(view().rules().musicActive, 1);
    EXPECT_NE(std::find(trace.begin(), trace.end(), "music start"), trace.end());

    trace.clear();
    command(kCmdEndGame);
    EXPECT_EQ(doc().gameState(), GameState::Idle);
    EXPECT_EQ(view().rules().musicActive, 0);
    EXPECT_EQ(trace.front(), "music stop");
    EXPECT_NE(std::find(trace.begin(), trace.end(), "sound SDDEATH"), trace.end());

    // Pause with no game shows nothing.
    ModalAnswerer none;
    command(kCmdPause);
    QTest::qWait(50);
    EXPECT_TRUE(none.unexpected.empty());
}

TEST_F(RunsTest, TheClockRunsBehindThePlayGameDialog) {
    BoardDefinition b = winningBoard();
    b.timeLimit = 3;
    uitest::writeBoard("alvor1.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) { d->playButton()->click(); });
    script.box();
    command(kCmdPlay);
    expectScriptDone(script);
    ASSERT_EQ(doc().gameState(), GameState::Playing);

    // A second Play: while its dialog is up the game is lost by its clock,
    // and the lost message comes on top of it.
    GameState behind = GameState::Idle;
    ModalAnswerer second;
    second.dialog<CPlayGameDlg>("playGameDialog", [this](CPlayGameDlg*) { runClock(20); });
    second.dialog<QDialog>("gameLostDialog", [&](QDialog* d) {
        behind = doc().gameState();
        d->accept();
        QTimer::singleShot(30, [] {
            if (auto* p = qobject_cast<CPlayGameDlg*>(QApplication::activeModalWidget())) p->cancelButton()->click();
        });
    });
    command(kCmdPlay);
    view().clock().stop();
    expectScriptDone(second);
    EXPECT_EQ(behind, GameState::GameOver);
    EXPECT_EQ(doc().gameOutcome, GameOutcome::Lost);
    EXPECT_EQ(doc().gameState(), GameState::GameOver);
}

// ---- Dialogs opened by a tick ------------------------------------------------

// Holds the modal window `w` open until the game is back at the title, as a
// player who leaves the end message up would. Returns how many pictures were
// presented meanwhile and whether the window was still up when Idle came.
struct HeldOpen {
    int presents = 0;
    bool idleWhileOpen = false;
};

HeldOpen holdOpenUntilIdle(QWidget* w, CZembrikDoc& doc, const std::vector<std::string>& trace) {
    HeldOpen held;
    const std::size_t from = trace.size();
    held.idleWhileOpen = waitFor([&] { return doc.gameState() == GameState::Idle; }, 3000) && w->isVisible();
    held.presents = static_cast<int>(std::count(trace.begin() + static_cast<std::ptrdiff_t>(from), trace.end(),
                                                std::string("present")));
    return held;
}

bool anyWhiteIn(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (uitest::isWhite(img.pixel(x, y))) return true;
    return false;
}

TEST_F(RunsTest, TheClockKeepsTickingWhileADialogOpenedByATickIsUp) {
    BoardDefinition b = winningBoard("Demo board");
    b.timeLimit = 2;
    uitest::writeBoard("alvor1.dat", b);
    makeFrame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    // A loss by the time limit: the end is counted down behind the open
    // "YOU LOST" dialog, and the panel it covers is presented with its values.
    ModalAnswerer play;
    play.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) { d->playButton()->click(); });
    play.box();
    command(kCmdPlay);
    expectScriptDone(play);
    ASSERT_EQ(doc().gameState(), GameState::Playing);
    HeldOpen lost;
    bool valuesDrawn = false;
    ModalAnswerer loss;
    loss.dialog<QDialog>("gameLostDialog", [&](QDialog* d) {
        const QImage& shown = view().composedImage();
        valuesDrawn = anyWhiteIn(shown, QRect(110, 171, 40, 25)) && anyWhiteIn(shown, QRect(175, 271, 40, 25)) &&
                      anyWhiteIn(shown, QRect(175, 371, 40, 25));
        lost = holdOpenUntilIdle(d, doc(), trace);
        d->accept();
    });
    trace.clear();
    runClock();
    expectScriptDone(loss);
    view().clock().stop();
    EXPECT_TRUE(valuesDrawn);
    EXPECT_TRUE(lost.idleWhileOpen);
    EXPECT_GE(lost.presents, 25);

    // The end of a recording: its message stays up past Idle; the moves are
    // saved when it closes.
    uitest::writeBoard("demogame.dat", b);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    ModalAnswerer start;
    start.box().box();
    QTest::keyClick(frame.get(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    expectScriptDone(start);
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Right);
    QTest::keyClick(&view(), Qt::Key_Right);
    ASSERT_EQ(doc().gameState(), GameState::RecordingOver);
    HeldOpen recorded;
    ModalAnswerer over;
    over.then([&](QWidget* w) {
        recorded = holdOpenUntilIdle(w, doc(), trace);
        EXPECT_FALSE(QFile::exists(homeFile("demomoves.dat")));
        qobject_cast<QDialog*>(w)->accept();
    });
    runClock();
    expectScriptDone(over);
    view().clock().stop();
    EXPECT_TRUE(recorded.idleWhileOpen);
    EXPECT_EQ(fileBytes("demomoves.dat").left(6).toHex().toStdString(), "040004000000");

    // The end of the demo: the same.
    HeldOpen demoEnded;
    ModalAnswerer demo;
    demo.box().box();
    command(kCmdDemo);
    expectScriptDone(demo);
    ASSERT_EQ(doc().gameState(), GameState::DemoPlaying);
    ModalAnswerer ended;
    ended.then([&](QWidget* w) {
        demoEnded = holdOpenUntilIdle(w, doc(), trace);
        qobject_cast<QDialog*>(w)->accept();
    });
    runClock();
    expectScriptDone(ended);
    view().clock().stop();
    EXPECT_TRUE(demoEnded.idleWhileOpen);
}

// ---- Demo and recording ---------------------------------------------------

TEST_F(RunsTest, RecordADemoWithItsKeyAndPlayItBack) {
    BoardDefinition b = winningBoard("Demo board");
    uitest::writeBoard("demogame.dat", b);
    makeFrame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    ModalAnswerer script;
    script.box().box();
    QTest::keyClick(frame.get(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    expectScriptDone(script);
    ASSERT_EQ(script.boxes.size(), 2u);
    EXPECT_EQ(script.boxes[0], "Opening Message | Demo board");
    EXPECT_EQ(script.boxes[1], "Demo Message | You can now make a demo");
    ASSERT_EQ(doc().gameState(), GameState::DemoRecording);

    // Right, a pause, Right: the second Right takes the star.
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Right);
    QTest::keyClick(&view(), Qt::Key_Space);
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(doc().gameState(), GameState::RecordingOver);
    ModalAnswerer over;
    over.box();
    runClock();
    EXPECT_TRUE(waitFor([&] { return doc().gameState() == GameState::Idle; }));
    view().clock().stop();
    expectScriptDone(over);
    ASSERT_EQ(over.boxes.size(), 1u);
    EXPECT_EQ(over.boxes[0], "Demo. Message | You have now finished\n making the demo!");
    const QByteArray moves = fileBytes("demomoves.dat");
    ASSERT_EQ(moves.size(), 302);
    EXPECT_EQ(moves.left(8).toHex().toStdString(), "0400000004000000");
    EXPECT_EQ(moves.mid(300).toHex().toStdString(), "0600");

    // Played back, one entry a second, to its end and back to the title.
    ModalAnswerer demo;
    demo.box().box();
    command(kCmdDemo);
    expectScriptDone(demo);
    ASSERT_EQ(demo.boxes.size(), 2u);
    EXPECT_TRUE(demo.boxes[1].startsWith("Demo Message | "));
    EXPECT_EQ(doc().gameState(), GameState::DemoPlaying);
    ModalAnswerer ended;
    ended.box();
    runClock();
    EXPECT_TRUE(waitFor([&] { return doc().gameState() == GameState::DemoOver; }));
    EXPECT_EQ(doc().gameOutcome, GameOutcome::Won);
    EXPECT_EQ(view().rules().recordIndex, 3);
    EXPECT_TRUE(waitFor([&] { return doc().gameState() == GameState::Idle; }));
    view().clock().stop();
    expectScriptDone(ended);
    ASSERT_EQ(ended.boxes.size(), 1u);
    EXPECT_TRUE(ended.boxes[0].startsWith("Demo Message | The Demo is now over.\n"));
}

TEST_F(RunsTest, ADemoWithoutMovesWritesAClearedListAndEndsByItsClock) {
    BoardDefinition b = winningBoard();
    b.timeLimit = 2;
    uitest::writeBoard("demogame.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.box().box().box();
    command(kCmdDemo);
    const QByteArray moves = fileBytes("demomoves.dat");
    EXPECT_EQ(moves, QByteArray(300, '\0') + QByteArray("\x06\x00", 2));
    runClock();
    EXPECT_TRUE(waitFor([&] { return doc().gameState() == GameState::Idle; }));
    view().clock().stop();
    expectScriptDone(script);
    EXPECT_EQ(doc().gameOutcome, GameOutcome::Lost);
}

}  // namespace
