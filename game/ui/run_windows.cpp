#include "run_windows.h"

#include <QMessageBox>

#include "game_dialogs.h"
#include "platform/board_text.h"
#include "run_dialogs.h"
#include "zembrik_view.h"

namespace vortan {

bool CRunWindows::showPlayGame(PlayGameModel& model) {
    // Kept for the whole run of the program, children of the view.
    if (!playGame_) playGame_ = new CPlayGameDlg(&view_);
    return playGame_->run(model);
}

void CRunWindows::showMessage(const std::string& text, const std::string& caption) {
    // The texts are a board's 8-bit Windows texts or the game's own.
    QMessageBox box(QMessageBox::NoIcon, fromBoardText(caption), fromBoardText(text), QMessageBox::Ok, &view_);
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
