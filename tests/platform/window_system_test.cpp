// What the window system sees, under a real X server: window titles
// (_NET_WM_NAME) carry each window's own caption and nothing else, and the
// game window losing the keyboard as it closes is not taken for leaving it.
// Run by xvfb-run with the xcb platform; skipped anywhere else. (Pausing when
// the window is left is the main window tests' business.)
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include "board/board_file.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "game/ui/main_frame.h"
#include "game/ui/zembrik_view.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/test_folder.h"
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
}

// The window loses the keyboard as it goes: that is quitting, not leaving
// the game, and no pause may come up to keep the program running.
TEST_F(WindowSystem, ClosingTheGameWindowInAGameBringsNoPause) {
    vortan::CMainFrame frame;
    frame.view()->clock().stop();
    vortan::BoardDefinition board;
    board.Cell(5, 5).box = vortan::BoxCode::Your;
    const std::string path = (vortan::testing::testFolder("window-system") / "closing.dat").string();
    ASSERT_TRUE(vortan::WriteBoardFile(path, board));
    ASSERT_EQ(frame.view()->openBoardFile(QString::fromStdString(path)), vortan::LoadResult::Loaded);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    ModalAnswerer answer;
    frame.close();
    QTest::qWait(300);
    EXPECT_TRUE(answer.unexpected.empty()) << answer.unexpected.front().toStdString();
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

}  // namespace
