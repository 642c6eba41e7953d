// Both programs in German and French, chosen by the locale before the
// translations load (as initApplication does from the system's), and the
// pseudo-translation walk: every menu, dialog and message of both programs
// shows only texts that went through the translation system.
#include <gtest/gtest.h>

#include <utility>

#include <QTranslator>

#include "designer/dialogs.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "game/runs/demo_text.h"
#include "game/runs/game_runner.h"
#include "game/ui/main_frame.h"
#include "game/ui/screen_composer.h"
#include "game/ui/zembrik_view.h"
#include "platform/application.h"
#include "platform/help_window.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/visible_texts.h"

using vortan::testing::isPseudoTranslated;

namespace {

// Runs `open`, which brings up `count` modal windows, and hands each to
// `look` before cancelling it.
void throughModals(int count, const std::function<void(QWidget*)>& look, const std::function<void()>& open) {
    vortan::testing::ModalAnswerer answer;
    for (int i = 0; i < count; ++i)
        answer.then([look](QWidget* w) {
            look(w);
            static_cast<QDialog*>(w)->reject();
        });
    open();
    EXPECT_TRUE(answer.done() && answer.unexpected.empty()) << count << answer.unexpected.size();
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
    const char* designerMenu;
    const char* qtCancel;  // Qt's own standard button
};
class InLanguage : public Translations, public ::testing::WithParamInterface<Language> {};

// English, and a language without translations, keep the source texts.
TEST_P(InLanguage, MenusAndDialogsOfBothPrograms) {
    QLocale::setDefault(QLocale(GetParam().language));
    EXPECT_EQ(vortan::installTranslations(QLocale()), std::string(GetParam().gameMenu) != "&Game");
    vortan::initApplication();
    vortan::CMainFrame game;
    game.view()->clock().stop();
    EXPECT_EQ(game.menuBar()->actions().front()->text().toStdString(), GetParam().gameMenu);
    throughModals(1, [](QWidget* w) { EXPECT_EQ(w->windowTitle().toStdString(), GetParam().optionsTitle); },
                  [&] { game.commandAction(vortan::kCmdOptions)->trigger(); });
    vortan::designer::CMainFrame designer;
    EXPECT_EQ(designer.menuBar()->actions().front()->text().toStdString(), GetParam().designerMenu);
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), GetParam().qtCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, InLanguage,
    ::testing::Values(Language{QLocale::German, "&Spiel", "Optionen", "&Datei", "Abbrechen"},
                      Language{QLocale::French, "&Partie", "Options", "&Fichier", "Annuler"},
                      Language{QLocale::English, "&Game", "Options Menu", "&File", "Cancel"},
                      Language{QLocale::Italian, "&Game", "Options Menu", "&File", "Cancel"}),
    [](const auto& info) { return QLocale::languageToString(info.param.language).toStdString(); });

TEST_F(Translations, PanelLabelsAreLetteredInTheLanguage) {
    vortan::CZembrikDoc doc;
    doc.openRun();  // no board: only the panel matters
    auto panels = [&doc] {
        vortan::CScreenComposer composer;
        composer.compose(doc, {});
        const QImage once = composer.image();
        // The twice-detailed artwork is read as an "@2x" picture.
        composer.setScale(2);
        composer.compose(doc, {});
        return std::make_pair(once, composer.image());
    };
    const auto english = panels();
    vortan::installTranslations(QLocale(QLocale::German));
    const auto german = panels();
    // The Lives row: a new label, the plate right of it untouched.
    EXPECT_NE(english.first.copy(20, 165, 80, 30), german.first.copy(20, 165, 80, 30));
    EXPECT_EQ(english.first.copy(200, 165, 40, 30), german.first.copy(200, 165, 40, 30));
    EXPECT_NE(english.second.copy(40, 330, 160, 60), german.second.copy(40, 330, 160, 60));
    EXPECT_EQ(english.second.copy(400, 330, 80, 60), german.second.copy(400, 330, 80, 60));
}

// ---- the pseudo-translation --------------------------------------------------

class PseudoTranslation : public Translations {
protected:
    void SetUp() override {
        Translations::SetUp();
        ASSERT_TRUE(pseudo_.load(QStringLiteral(VORTAN_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo_);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&pseudo_);
        EXPECT_TRUE(left_.isEmpty()) << left_.join('\n').toStdString();
    }
    // Records the texts of `w` left untranslated, with the window's class.
    void look(QWidget* w) {
        for (const QString& t : vortan::testing::untranslatedTexts(w))
            left_ << w->metaObject()->className() + QStringLiteral(": ") + t;
    }
    std::function<void(QWidget*)> looker() {
        return [this](QWidget* w) { look(w); };
    }

    QTranslator pseudo_;
    QStringList left_;
};

TEST_F(PseudoTranslation, EveryTextOfTheGame) {
    vortan::CMainFrame frame;
    frame.view()->clock().stop();
    look(&frame);
    for (int id : {vortan::kCmdPlay, vortan::kCmdOptions, vortan::kCmdWebLink, vortan::kCmdAppAbout,
                   vortan::kCmdRandomBoard, vortan::kCmdCopyBoardId, vortan::kCmdSaveBoardAs})
        throughModals(1, looker(), [&] { frame.commandAction(id)->trigger(); });
    // The demo's board (none here) has the opening message, then the demo's own.
    throughModals(2, looker(), [&] { frame.commandAction(vortan::kCmdDemo)->trigger(); });
    frame.commandAction(vortan::kCmdEndGame)->trigger();
    throughModals(1, looker(), [&] { frame.view()->openBoardFile(QStringLiteral("/no/such/board.dat")); });
    vortan::CRunWindows& windows = frame.view()->runWindows();
    throughModals(8, looker(), [&] {
        windows.showPause();
        windows.showGameWon();
        windows.showGameLost();
        windows.enterHighScore(120);
        for (const char* message : {vortan::kDemoEndedMessage, vortan::kRecordingStartMessage,
                                    vortan::kRecordingEndedMessage, vortan::kHintedWinMessage})
            windows.showMessage(message, "Demo. Message");
    });
    frame.commandAction(vortan::kCmdHelpIndex)->trigger();
    look(frame.findChild<vortan::HelpWindow*>());
    for (std::int32_t marker : {-1, -2, -3, -4})
        EXPECT_TRUE(isPseudoTranslated(vortan::CScreenComposer::panelValueText(marker))) << marker;
}

TEST_F(PseudoTranslation, EveryTextOfTheDesigner) {
    vortan::designer::CMainFrame frame;
    vortan::designer::CQuorvel1View* view = frame.view();
    for (int id : {32789, 32790, 57664}) throughModals(1, looker(), [&] { frame.action(id)->trigger(); });
    vortan::designer::CBoxNumberDlg number(&frame);
    number.show();
    look(&number);
    // Qt's own file dialog, with our title and filters.
    vortan::testing::ModalAnswerer open;
    open.file(QString());
    frame.action(57601)->trigger();
    open.stop();
    ASSERT_EQ(open.fileDialogs.size(), 1u);
    for (const QString& part : open.fileDialogs.front().split(QRegularExpression(QStringLiteral(" \\| |;"))))
        EXPECT_TRUE(isPseudoTranslated(part)) << part.toStdString();

    throughModals(16, looker(), [&] {
        for (int m = 1; m <= 16; ++m)
            view->showMessage(vortan::designer::placementMessage(vortan::designer::MessageId(m)));
    });
    // Your boxes filled into a corner: the border refuses them and only one
    // fits, in one message for the stroke; then a cell's report, the empty
    // board's test and New asking to save the change.
    view->setBoxTool(static_cast<int>(vortan::BoxCode::Your));
    view->setSelection(QRect(0, 0, 3, 3));
    throughModals(4, looker(), [&] {
        view->OnFillSelection();
        view->OnRButtonDown(QPoint(50, 50));
        frame.action(32791)->trigger();
        frame.action(57600)->trigger();
    });
    frame.action(57666)->trigger();
    look(frame.findChild<vortan::HelpWindow*>());
    look(&frame);
}

}  // namespace
