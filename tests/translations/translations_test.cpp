// Both programs in German and French, chosen by the locale before the
// translations load (as initApplication does from the system's), and the
// pseudo-translation walk: every menu, dialog and message of both programs
// shows only texts that went through the translation system.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLibraryInfo>
#include <QTranslator>

#include "designer/main_frame.h"
#include "designer/dialogs.h"
#include "designer/placement_rules.h"
#include "designer/view.h"
#include "game/runs/demo_text.h"
#include "game/runs/game_runner.h"
#include "game/ui/main_frame.h"
#include "game/ui/run_dialogs.h"
#include "game/ui/screen_composer.h"
#include "game/ui/zembrik_view.h"
#include "platform/application.h"
#include "platform/help_window.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/visible_texts.h"

using vortan::testing::ModalAnswerer;
using vortan::testing::untranslatedTexts;

namespace {

// Runs `open`, which brings up `count` modal windows, and hands each to
// `look` before cancelling it.
void throughModals(int count, const std::function<void(QWidget*)>& look, const std::function<void()>& open) {
    ModalAnswerer answer;
    for (int i = 0; i < count; ++i)
        answer.then([look](QWidget* w) {
            look(w);
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        });
    open();
    EXPECT_TRUE(answer.done()) << count;
    EXPECT_TRUE(answer.unexpected.empty()) << answer.unexpected.front().toStdString();
}

class Translations : public ::testing::Test {
protected:
    void SetUp() override { vortan::testing::testApp(); }
    void TearDown() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        vortan::installTranslations(QLocale());
    }
};

struct Language {
    QLocale::Language language;
    const char* gameMenu;
    const char* optionsTitle;
    const char* graphicsGroup;
    const char* designerFileMenu;
    const char* limitsTitle;
    const char* qtCancel;  // Qt's own standard button
};

class InLanguage : public Translations, public ::testing::WithParamInterface<Language> {};

TEST_P(InLanguage, MenusAndDialogsOfBothPrograms) {
    const Language& l = GetParam();
    QLocale::setDefault(QLocale(l.language));
    vortan::initApplication();

    vortan::CMainFrame game;
    game.view()->clock().stop();
    EXPECT_EQ(game.menuBar()->actions().front()->text(), QString::fromUtf8(l.gameMenu));
    throughModals(1, [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(l.optionsTitle));
        QStringList groups;
        for (QGroupBox* g : w->findChildren<QGroupBox*>()) groups << g->title();
        EXPECT_TRUE(groups.contains(QString::fromUtf8(l.graphicsGroup))) << groups.join(',').toStdString();
    }, [&] { game.commandAction(vortan::kCmdOptions)->trigger(); });

    vortan::designer::CMainFrame designer;
    EXPECT_EQ(designer.menuBar()->actions().front()->text(), QString::fromUtf8(l.designerFileMenu));
    throughModals(1, [&](QWidget* w) { EXPECT_EQ(w->windowTitle(), QString::fromUtf8(l.limitsTitle)); },
                  [&] { designer.action(32790)->trigger(); });
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(l.qtCancel));
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, InLanguage,
                         ::testing::Values(Language{QLocale::German, "&Spiel", "Optionen", "Grafik", "&Datei",
                                                    "Grenzen", "Abbrechen"},
                                           Language{QLocale::French, "&Partie", "Options", "Graphismes",
                                                    "&Fichier", "Limites", "Annuler"}),
                         [](const auto& info) { return QLocale::languageToString(info.param.language).toStdString(); });

TEST_F(Translations, EnglishAndLanguagesWithoutTranslationKeepTheSourceTexts) {
    EXPECT_TRUE(vortan::installTranslations(QLocale(QLocale::German)));
    for (QLocale::Language english : {QLocale::English, QLocale::Italian}) {
        EXPECT_FALSE(vortan::installTranslations(QLocale(english)));
        vortan::CMainFrame game;
        game.view()->clock().stop();
        EXPECT_EQ(game.menuBar()->actions().front()->text(), QStringLiteral("&Game"));
    }
}

// ---- the pseudo-translation --------------------------------------------------

class PseudoTranslation : public Translations {
protected:
    void SetUp() override {
        Translations::SetUp();
        vortan::installTranslations(QLocale(QLocale::English));
        ASSERT_TRUE(pseudo_.load(QStringLiteral(VORTAN_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo_);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&pseudo_);
        Translations::TearDown();
    }

    // Records the untranslated texts of a window, named by where they were.
    void look(QWidget* w) {
        for (const QString& t : untranslatedTexts(w)) left_ << w->metaObject()->className() + QStringLiteral(": ") + t;
    }
    std::function<void(QWidget*)> looker() {
        return [this](QWidget* w) { look(w); };
    }
    void expectAllTranslated() { EXPECT_TRUE(left_.isEmpty()) << left_.join('\n').toStdString(); }

    QTranslator pseudo_;
    QStringList left_;
};

TEST_F(PseudoTranslation, EveryTextOfTheGameIsTranslated) {
    vortan::CMainFrame frame;
    frame.view()->clock().stop();
    look(&frame);
    for (int id : {vortan::kCmdPlay, vortan::kCmdOptions, vortan::kCmdWebLink, vortan::kCmdAppAbout})
        throughModals(1, looker(), [&] { frame.commandAction(id)->trigger(); });
    // The demo's opening message comes from its board (none here), then the demo's own.
    throughModals(2, looker(), [&] { frame.commandAction(vortan::kCmdDemo)->trigger(); });
    frame.commandAction(vortan::kCmdEndGame)->trigger();
    throughModals(1, looker(), [&] { frame.view()->openBoardFile(QStringLiteral("/no/such/board.dat")); });

    vortan::CRunWindows& windows = frame.view()->runWindows();
    throughModals(4, looker(), [&] {
        windows.showPause();
        windows.showGameWon();
        windows.showGameLost();
        windows.enterHighScore(120);
    });
    throughModals(5, looker(), [&] {
        windows.showMessage(vortan::kDemoEndedMessage, "Demo Message");
        windows.showMessage(vortan::kRecordingStartMessage, "Demo Message");
        windows.showMessage(vortan::kRecordingEndedMessage, "Demo. Message");
        windows.showMessage(vortan::kHintedWinMessage, "Game Message");
        windows.showMessage(vortan::kDemoAboutToPlayMessage, "Opening Message");
    });

    frame.commandAction(vortan::kCmdHelpIndex)->trigger();
    look(frame.findChild<vortan::HelpWindow*>());
    for (std::int32_t marker : {-1, -2, -3, -4})
        EXPECT_TRUE(vortan::testing::isPseudoTranslated(vortan::CScreenComposer::panelValueText(marker)));
    expectAllTranslated();
}

TEST_F(PseudoTranslation, EveryTextOfTheDesignerIsTranslated) {
    using vortan::designer::MessageId;
    vortan::designer::CMainFrame frame;
    look(&frame);
    for (int id : {32789, 32790, 57664}) throughModals(1, looker(), [&] { frame.action(id)->trigger(); });
    vortan::designer::CBoxNumberDlg number(&frame);
    number.show();
    look(&number);

    // The file dialog is Qt's own but carries our title and filters.
    ModalAnswerer open;
    open.file(QString());
    frame.action(57601)->trigger();
    open.stop();
    ASSERT_EQ(open.fileDialogs.size(), 1u);
    for (const QString& part : open.fileDialogs.front().split(QRegularExpression(QStringLiteral(" \\| |;"))))
        EXPECT_TRUE(vortan::testing::isPseudoTranslated(part)) << part.toStdString();

    vortan::designer::CQuorvel1View* view = frame.view();
    throughModals(16, looker(), [&] {
        for (int m = 1; m <= 16; ++m) view->showMessage(vortan::designer::placementMessage(MessageId(m)));
    });
    // A fill of a corner with Your boxes: the border refuses them, and only
    // one fits; one message for the stroke, then the cell report and the
    // empty board's test.
    view->setBoxTool(static_cast<int>(vortan::BoxCode::Your));
    view->setSelection(QRect(0, 0, 3, 3));
    throughModals(1, looker(), [&] { view->OnFillSelection(); });
    throughModals(1, looker(), [&] { view->OnRButtonDown(QPoint(50, 50)); });
    frame.setFocus();
    throughModals(1, looker(), [&] { frame.action(32791)->trigger(); });
    EXPECT_FALSE(frame.findChild<QLabel*>(QStringLiteral("toolStatus"))->text().isEmpty());
    look(&frame);
    // New on a changed board asks to save it first.
    throughModals(1, looker(), [&] { frame.action(57600)->trigger(); });
    frame.action(57666)->trigger();
    look(frame.findChild<vortan::HelpWindow*>());
    expectAllTranslated();
}

}  // namespace
