#include "run_windows.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "game_dialogs.h"
#include "platform/board_text.h"
#include "run_dialogs.h"
#include "zembrik_view.h"

namespace vortan {

namespace {
// The game's own texts are English sources with a translation in context
// "GameRunner"; a board's texts are 8-bit Windows text and have none.
QString shownText(const std::string& text) {
    const QString translated = QCoreApplication::translate("GameRunner", text.c_str());
    return translated != QString::fromUtf8(text.c_str()) ? translated : fromBoardText(text);
}
}  // namespace

bool CRunWindows::showPlayGame(PlayGameModel& model) {
    // Kept for the whole run of the program, children of the view.
    if (!playGame_) playGame_ = new CPlayGameDlg(&view_);
    return playGame_->run(model);
}

void CRunWindows::showMessage(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, shownText(caption), shownText(text), QMessageBox::Ok, &view_);
    box.setObjectName("runMessage");
    // Board texts are plain text, whatever they look like.
    box.setTextFormat(Qt::PlainText);
    applyDialogColours(&box);
    box.exec();
}

void CRunWindows::showPause() {
    CPauseDlg dlg(&view_);
    dlg.exec();
}

bool CRunWindows::showOptions(std::int32_t (&fields)[3]) {
    if (!options_) options_ = new COptionsDlg(&view_);
    return options_->run(fields);
}

std::string CRunWindows::enterHighScore(std::int32_t score) {
    CEnterHighScoreDlg dlg(score, &view_);
    dlg.exec();
    return dlg.initials().toStdString();
}

void CRunWindows::showGameWon() {
    CGameWonDlg dlg(&view_);
    dlg.exec();
}

void CRunWindows::showGameLost() {
    CGameLostDlg dlg(&view_);
    dlg.exec();
}

void CRunWindows::invalidate() {
    view_.invalidate();
}

void CRunWindows::stylesChanged() { view_.stylesChanged(); }

void CRunWindows::reopenMusic(bool play) { view_.reopenMusic(play); }

}  // namespace vortan
