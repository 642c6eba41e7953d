// Both programs in German and French, chosen by the locale before the
// translations load (as initApplication does from the system's), and the
// pseudo-translation walk: every menu, dialog and message of both programs
// shows only texts that went through the translation system.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
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

namespace {

// Whether `text` came through the pseudo-translation: once the user's own
// data (board file names, the web address, numbers) and the punctuation
// around it are taken out, what is left is empty or one bracketed whole (a
// translated text may hold translated parts: "[Tools: [Off], [Your]]").
bool isPseudoTranslated(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\[\\*\\]|https?://\\S+|[\\w.-]+\\.dat|\\d+")));
    text.remove(QRegularExpression(QStringLiteral("^[^\\w\\[]+|[^\\w\\]]+$")));
    int depth = 0;
    for (int i = 0; i < text.size(); ++i) {
        depth += text[i] == '[' ? 1 : text[i] == ']' ? -1 : 0;
        if (depth <= 0 && i + 1 < text.size()) return false;
    }
    return depth == 0;
}

// Title, items and tool tips of `menu` and its submenus.
QStringList menuTexts(QMenu* menu) {
    QStringList texts{menu->title()};
    for (QAction* a : menu->actions())
        if (a->menu()) texts << menuTexts(a->menu());
        else if (!a->isSeparator() && a->isVisible()) texts << a->text() << a->toolTip();
    return texts;
}

// The texts a user reads in `window` (its title, and the labels, buttons,
// group boxes and menus it shows) that did not come through the
// pseudo-translation. Qt's standard buttons are left out: Qt's own files
// translate them.
QStringList untranslatedTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QDialogButtonBox*>(w->parentWidget()))
            texts << b->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions()) texts << menuTexts(a->menu());
    }
    // A text may be one translation, or lines that are each one (a list
    // put together from translated pieces).
    QStringList left;
    for (const QString& t : texts) {
        const QStringList lines = t.split(QLatin1Char('\n'));
        if (!isPseudoTranslated(t) && !std::all_of(lines.begin(), lines.end(), isPseudoTranslated)) left << t;
    }
    return left;
}

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

// One after another, each replacing the last; a language without
// translations keeps the source texts, in the menus as on the panel.
TEST_F(Translations, MenusDialogsAndPanelOfBothProgramsInTheLocalesLanguage) {
    const struct {
        QLocale::Language language;
        // The game's first menu and Options dialog, the designer's first
        // menu, and Qt's own Cancel button.
        std::vector<std::string> texts;
    } languages[] = {{QLocale::German, {"&Spiel", "Optionen", "&Datei", "Abbrechen"}},
                     {QLocale::French, {"&Partie", "Options", "&Fichier", "Annuler"}},
                     {QLocale::Italian, {"&Game", "Options Menu", "&File", "Cancel"}}};
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
    for (const auto& l : languages) {
        SCOPED_TRACE(QLocale::languageToString(l.language).toStdString());
        QLocale::setDefault(QLocale(l.language));
        const bool translated = l.language != QLocale::Italian;
        EXPECT_EQ(vortan::installTranslations(QLocale()), translated);
        vortan::initApplication();
        vortan::CMainFrame game;
        game.view()->clock().stop();
        std::vector<std::string> seen{game.menuBar()->actions().front()->text().toStdString()};
        throughModals(1, [&](QWidget* w) { seen.push_back(w->windowTitle().toStdString()); },
                      [&] { game.commandAction(vortan::kCmdOptions)->trigger(); });
        vortan::designer::CMainFrame designer;
        seen.push_back(designer.menuBar()->actions().front()->text().toStdString());
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
        seen.push_back(box.button(QMessageBox::Cancel)->text().toStdString());
        EXPECT_EQ(seen, l.texts);

        // The Lives row: a label of the language, the plate right of it untouched.
        const auto [once, twice] = panels();
        EXPECT_EQ(translated, english.first.copy(20, 165, 80, 30) != once.copy(20, 165, 80, 30));
        EXPECT_EQ(english.first.copy(200, 165, 40, 30), once.copy(200, 165, 40, 30));
        EXPECT_EQ(translated, english.second.copy(40, 330, 160, 60) != twice.copy(40, 330, 160, 60));
        EXPECT_EQ(english.second.copy(400, 330, 80, 60), twice.copy(400, 330, 80, 60));
    }
}

// The walk reads through a pseudo-translation that brackets every text.
TEST_F(Translations, PseudoTranslationReachesEveryTextOfBothPrograms) {
    QTranslator pseudo;  // removes itself when it goes
    ASSERT_TRUE(pseudo.load(QStringLiteral(VORTAN_PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo);
    // Records the texts of a window left untranslated, with the window's class.
    QStringList left;
    const auto look = [&left](QWidget* w) {
        for (const QString& t : untranslatedTexts(w))
            left << w->metaObject()->className() + QStringLiteral(": ") + t;
    };

    vortan::CMainFrame game;
    game.view()->clock().stop();
    look(&game);
    for (int id : {vortan::kCmdPlay, vortan::kCmdOptions, vortan::kCmdWebLink, vortan::kCmdAppAbout,
                   vortan::kCmdRandomBoard, vortan::kCmdCopyBoardId, vortan::kCmdSaveBoardAs})
        throughModals(1, look, [&] { game.commandAction(id)->trigger(); });
    // The demo's board (none here) has the opening message, then the demo's own.
    throughModals(2, look, [&] { game.commandAction(vortan::kCmdDemo)->trigger(); });
    game.commandAction(vortan::kCmdEndGame)->trigger();
    throughModals(1, look, [&] { game.view()->openBoardFile(QStringLiteral("/no/such/board.dat")); });
    vortan::CRunWindows& windows = game.view()->runWindows();
    throughModals(8, look, [&] {
        windows.showPause();
        windows.showGameWon();
        windows.showGameLost();
        windows.enterHighScore(120);
        for (const char* message : {vortan::kDemoEndedMessage, vortan::kRecordingStartMessage,
                                    vortan::kRecordingEndedMessage, vortan::kHintedWinMessage})
            windows.showMessage(message, "Demo. Message");
    });
    game.commandAction(vortan::kCmdHelpIndex)->trigger();
    look(game.findChild<vortan::HelpWindow*>());
    for (std::int32_t marker : {-1, -2, -3, -4})
        EXPECT_TRUE(isPseudoTranslated(vortan::CScreenComposer::panelValueText(marker))) << marker;

    vortan::designer::CMainFrame designer;
    vortan::designer::CQuorvel1View* view = designer.view();
    for (int id : {32789, 32790, 57664}) throughModals(1, look, [&] { designer.action(id)->trigger(); });
    vortan::designer::CBoxNumberDlg number(&designer);
    number.show();
    look(&number);
    // Qt's own file dialog, with our title and filters.
    vortan::testing::ModalAnswerer open;
    open.file(QString());
    designer.action(57601)->trigger();
    open.stop();
    ASSERT_EQ(open.fileDialogs.size(), 1u);
    for (const QString& part : open.fileDialogs.front().split(QRegularExpression(QStringLiteral(" \\| |;"))))
        EXPECT_TRUE(isPseudoTranslated(part)) << part.toStdString();

    throughModals(16, look, [&] {
        for (int m = 1; m <= 16; ++m)
            view->showMessage(vortan::designer::placementMessage(vortan::designer::MessageId(m)));
    });
    // Your boxes filled into a corner: the border refuses them and only one
    // fits, in one message for the stroke; then a cell's report, the empty
    // board's test and New asking to save the change.
    view->setBoxTool(static_cast<int>(vortan::BoxCode::Your));
    view->setSelection(QRect(0, 0, 3, 3));
    throughModals(4, look, [&] {
        view->OnFillSelection();
        view->OnRButtonDown(QPoint(50, 50));
        designer.action(32791)->trigger();
        designer.action(57600)->trigger();
    });
    designer.action(57666)->trigger();
    look(designer.findChild<vortan::HelpWindow*>());
    look(&designer);
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
}

}  // namespace
