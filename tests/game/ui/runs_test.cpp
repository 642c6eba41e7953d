// Game runs through the real window, where the run control's fake windows
// cannot reach: the dialogs' faces answered as a player would, a refused
// entry keeping its dialog open, one play to a filed high score, and the
// clock ticking behind real modal dialogs.
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

TEST_F(RunsTest, OptionsDialogShowsTheFileAndItsChoiceIsDrawnAtOnce) {
    makeFrame();
    QFile::remove(homeFile("Options.dat"));
    // No file yet: every group empty.
    ModalAnswerer first;
    first.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        for (int g = 0; g < 3; ++g)
            for (int i = 0; i < 3; ++i) EXPECT_FALSE(d->button(g, i)->isChecked());
        d->reject();
    });
    command(kCmdOptions);
    expectScriptDone(first);

    writeOptions({1, 0, 0, 1, 3, 6});
    view().OnMouseControl();  // no zone figures over the cells
    BoardDefinition b = uitest::plainBoard();
    ASSERT_EQ(view().openBoardFile(uitest::writeBoard("styles.dat", b)), LoadResult::Loaded);
    ModalAnswerer script;
    script.dialog<COptionsDlg>("optionsDialog", [](COptionsDlg* d) {
        for (int g = 0; g < 3; ++g)
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(d->button(g, i)->isEnabled(), g == 0 || i == 0) << g << i;
                EXPECT_EQ(d->button(g, i)->isChecked(), i == (g == 0 ? 1 : 0)) << g << i;
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
    // A Yellow cell is drawn from the Blues tiles at once, the game going on.
    const QPoint yellowCell(250 + 25 * 3 + 5, 25 * 3 + 5);
    EXPECT_EQ(uitest::sheetPointAt(view().composedImage(), yellowCell.x(), yellowCell.y()), QPoint(5, 50 + 5));
    EXPECT_EQ(doc().gameState(), GameState::Playing);
}

// ---- Play, win, high score ---------------------------------------------------

TEST_F(RunsTest, PlayAChosenGameWinItAndSeeTheHighScoreNextTime) {
    BoardDefinition b = winningBoard("Traditional three");
    uitest::writeBoard("alvor13.dat", b);
    makeFrame();
    ModalAnswerer script;
    script.dialog<CPlayGameDlg>("playGameDialog", [](CPlayGameDlg* d) {
        EXPECT_TRUE(d->versionButton(0)->isChecked());
        for (int v = 0; v < 6; ++v) EXPECT_EQ(d->versionButton(v)->isEnabled(), v < 2) << v;
        EXPECT_TRUE(d->seriesButton(0)->isChecked());
        EXPECT_TRUE(d->gameButton(0)->isChecked());
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
    BoardDefinition b = winningBoard();
    b.timeLimit = 2;
    uitest::writeBoard("alvor1.dat", b);
    makeFrame();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    // A loss by the time limit: the end is counted down behind the open
    // "YOU LOST" dialog, and the panel it covers is presented with its values.
    // (Every dialog a tick opens runs the same way.)
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
}

}  // namespace
