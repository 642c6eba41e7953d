// The game's main window: the menu bar, the accelerators and the commands
// that are the frame's own (Designer, Web Link, About, help, file commands).
#pragma once

#include <QMainWindow>

#include "game/engine/game_state.h"

class QAction;
class QMenu;

namespace vortan {

class CZembrikView;

// Command ids of the menus and accelerators.
enum Command : int {
    kCmdSoundEffects = 32771,
    kCmdSoundMusic = 32772,
    kCmdPlay = 32773,
    kCmdPause = 32774,
    kCmdEndGame = 32776,
    kCmdMakeDemo = 32777,
    kCmdDemo = 32778,
    kCmdWebLink = 32780,
    kCmdAnimation = 32781,
    kCmdMouseControl = 32784,
    kCmdOptions = 32787,
    kCmdDesigner = 32788,
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileSave = 57603,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdHelpIndex = 57666,
    kCmdHelpUsing = 57668,
    kCmdContextHelp = 57669,
    kCmdHelp = 57670,
    kCmdDefaultHelp = 57671,
    // Commands of our own, beyond the original menus.
    kCmdPauseWhenLeft = 33001,
    kCmdHint = 33002,
    kCmdFullScreen = 33003,
    kCmdRandomBoard = 33004,
    kCmdCopyBoardId = 33005,
    kCmdSaveBoardAs = 33006,
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CZembrikView* view() const { return view_; }
    CZembrikDoc& doc() { return doc_; }
    // The action serving a command id, or nullptr.
    QAction* commandAction(int id) const;
    // Sets every check mark from its flag, as the menus do when they open.
    void updateCheckMarks();

    void OnFileNew();
    void OnFileOpen();
    // The Open command on the first of `files` (a board named on the
    // command line); nothing when there is none.
    void openFiles(const QStringList& files);
    void OnDesigner();
    void OnWebLink();
    void OnAppAbout();
    void OnHelpFile();
    void OnUsingHelp();
    // Random Board...: the dialog, then the board of the ID typed or of a
    // new seed, built off the window's thread and played as Play plays.
    void OnRandomBoard();
    // The same without the dialog: an empty `id` draws a new seed. False
    // when nothing was started (a bad ID is explained in a message).
    bool playRandomBoard(int difficulty, const QString& id);
    // Copies the ID of the random board on screen to the clipboard.
    void OnCopyBoardId();
    // Save Board As...: the board on screen as a board file the designer opens.
    void OnSaveBoardAs();
    // The same without the file dialog; false when nothing was written.
    bool saveBoardTo(const QString& path);
    // Pauses a running game or recording when no window of the game is
    // active any more or the window is minimised, unless turned off.
    void pauseIfLeft();
    // F11: full screen on or off (Escape also leaves it).
    void OnFullScreen();

    // The designer program the Designer command starts: beside the game,
    // else on PATH.
    static QString designerProgram();
    // Points the Designer command elsewhere (empty: beside the game again).
    static void setDesignerProgram(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Writes `board` (its counts recounted) at `path`, ".dat" added when it
    // has no suffix; a failure is explained in a message.
    bool writeBoard(BoardDefinition board, const QString& path);
    QAction* addCommand(QMenu* menu, const QString& text, int id, bool checkable = false);

    CZembrikDoc doc_;
    CZembrikView* view_;
    int lastDifficulty_ = 0;
};

}  // namespace vortan
