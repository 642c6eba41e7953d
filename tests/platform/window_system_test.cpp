// What the window system sees, under a real X server: window titles
// (_NET_WM_NAME) carry each window's own caption and nothing else, and the
// game pauses when another program takes the keyboard. Run by xvfb-run with
// the xcb platform; skipped anywhere else.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "designer/main_frame.h"
#include "designer/view.h"
#include "game/ui/game_dialogs.h"
#include "game/ui/main_frame.h"
#include "board/board_file.h"
#include "game/ui/zembrik_view.h"
#include "tests/support/modal_answerer.h"
#include "platform/application.h"

using vortan::testing::ModalAnswerer;

namespace {

// The title the window manager is given for `w`.
std::string windowSystemTitle(QWidget* w) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()),
                                         QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(5000)) return "<xprop failed>";
    // _NET_WM_NAME(UTF8_STRING) = "Play Game"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const int quote = out.indexOf('"');
    return (quote < 0 ? out : out.mid(quote + 1, out.lastIndexOf('"') - quote - 1)).toStdString();
}

class WindowSystem : public ::testing::Test {
protected:
    void SetUp() override {
        vortan::testing::testApp();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)";
        vortan::initApplication();
    }

    // Opens a modal window with `open`, records its title, closes it.
    std::string titleOfModal(const std::function<void()>& open) {
        std::string title;
        ModalAnswerer answer;
        answer.then([&title](QWidget* w) {
            QTest::qWait(100);  // the title reaches the server with the map
            title = windowSystemTitle(w);
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        });
        open();
        return title;
    }
};

TEST_F(WindowSystem, GameWindowsCarryTheirOwnCaptions) {
    vortan::CMainFrame frame;
    frame.view()->clock().stop();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QTest::qWait(100);
    EXPECT_EQ(windowSystemTitle(&frame), "Vortan Version 2.3");
    EXPECT_EQ(titleOfModal([&] { frame.commandAction(vortan::kCmdPlay)->trigger(); }), "Play Game");
    EXPECT_EQ(titleOfModal([&] { frame.view()->runWindows().showMessage("Have Fun!", "Opening Message"); }),
              "Opening Message");
    EXPECT_EQ(titleOfModal([&] { frame.view()->runWindows().showPause(); }), "Game Message");
    EXPECT_EQ(titleOfModal([&] { vortan::CGameLostDlg(&frame).exec(); }), "Game Message");
    EXPECT_EQ(titleOfModal([&] { frame.commandAction(vortan::kCmdOptions)->trigger(); }), "Options Menu");
}

TEST_F(WindowSystem, DesignerMessagesCarryTheirOwnCaptions) {
    vortan::designer::CMainFrame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.action(32772)->trigger();  // Regions > Yellow
    // A click on the border is refused.
    EXPECT_EQ(titleOfModal([&] { QTest::mouseClick(frame.view(), Qt::LeftButton, {}, QPoint(2, 2)); }),
              "Invalid placement");
    EXPECT_EQ(titleOfModal([&] { QTest::mouseClick(frame.view(), Qt::RightButton, {}, QPoint(2, 2)); }), "Item");
}

TEST_F(WindowSystem, AnotherProgramTakingTheKeyboardPausesTheGame) {
    vortan::CMainFrame frame;
    frame.view()->clock().stop();
    frame.view()->setAnimationWaits(false);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    vortan::BoardDefinition board;
    board.Cell(10, 10).box = vortan::BoxCode::Your;
    board.Cell(5, 5).box = vortan::BoxCode::Star;
    board.RecountBoxes();
    const QString path = QDir(qEnvironmentVariable("VORTAN_HOME")).filePath("left.dat");
    ASSERT_TRUE(vortan::WriteBoardFile(QFile::encodeName(path).toStdString(), board));
    ASSERT_EQ(frame.view()->openBoardFile(path), vortan::LoadResult::Loaded);
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

    vortan::GameState during = vortan::GameState::Idle;
    ModalAnswerer answer;
    answer.then([&](QWidget* w) {
        during = frame.doc().gameState();
        EXPECT_EQ(w->objectName(), "pauseDialog");
        if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
    });
    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-title"), QStringLiteral("Another program"),
                                             QStringLiteral("Elsewhere")});
    ASSERT_TRUE(other.waitForStarted(5000));
    const int focused = QProcess::execute(QStringLiteral("xdotool"),
                                          {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                                           QStringLiteral("^Another program$"), QStringLiteral("windowfocus")});
    EXPECT_EQ(focused, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.done(); }, 5000));
    QTest::qWait(50);
    other.kill();
    other.waitForFinished(2000);
    EXPECT_EQ(during, vortan::GameState::Paused);
    EXPECT_EQ(frame.doc().gameState(), vortan::GameState::Playing);
}

}  // namespace
