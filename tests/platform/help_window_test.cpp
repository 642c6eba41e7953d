// The HTML help window shared by both programs.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "platform/help_window.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/test_folder.h"

using vortan::HelpWindow;

TEST(HelpWindow, ShowsTheFileAndReusesOneWindowPerOwner) {
    vortan::testing::testApp();
    QTemporaryDir dir;
    const QString path = dir.path() + "/h.html";
    vortan::testing::spit(path.toStdString(),
                          "<html><body><h1>Title</h1><p>Body text</p><h2 id='end'>End</h2></body></html>");

    QWidget owner;
    HelpWindow* w = HelpWindow::showHelp(&owner, path, QStringLiteral("Some Help"));
    ASSERT_NE(nullptr, w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(QStringLiteral("Some Help"), w->windowTitle());
    EXPECT_TRUE(w->browser()->toPlainText().contains(QStringLiteral("Body text")));
    HelpWindow* again = HelpWindow::showHelp(&owner, path, QStringLiteral("Some Help"), QStringLiteral("end"));
    EXPECT_EQ(w, again);
    EXPECT_EQ(QStringLiteral("end"), again->browser()->source().fragment());
}

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
