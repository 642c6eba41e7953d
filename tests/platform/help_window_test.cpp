// The HTML help window shared by both programs: a missing page and the keys
// that close it (the game's window tests show a page and reuse the window).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "platform/help_window.h"
#include "tests/support/modal_answerer.h"

using vortan::HelpWindow;

TEST(HelpWindow, MissingFileShowsANoteNamingIt) {
    vortan::testing::testApp();
    HelpWindow w;
    EXPECT_FALSE(w.openFile(QStringLiteral("/nonexistent/folder/help.html")));
    EXPECT_TRUE(w.browser()->toPlainText().contains(QStringLiteral("/nonexistent/folder/help.html")));
    QTemporaryDir dir;
    EXPECT_FALSE(w.openFile(dir.path()));  // a folder is not a help file
}

TEST(HelpWindow, EscapeAndCtrlWCloseIt) {
    vortan::testing::testApp();
    QWidget owner;
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        HelpWindow* w = HelpWindow::showHelp(&owner, QStringLiteral("/nonexistent/help.html"), QStringLiteral("Help"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keySequence(w->browser(), key);
        EXPECT_FALSE(w->isVisible()) << key.toString().toStdString();
    }
}
