#include "main_frame.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QProcess>

#include "board/board_file.h"
#include "game_dialogs.h"
#include "random_board_dialog.h"
#include "platform/help_window.h"
#include "platform/install_paths.h"
#include "platform/user_settings.h"
#include "vortan/build_info.h"
#include "zembrik_view.h"

namespace vortan {

namespace {
const char* const kHelpFileName = "zembrik.html";
const char* const kHelpTitle = QT_TRANSLATE_NOOP("vortan::CMainFrame", "Vortan Help");
}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), view_(new CZembrikView(doc_, this)) {
    setObjectName("mainFrame");
    setWindowTitle(tr("Vortan Version 2.3"));
    setWindowIcon(QIcon(QStringLiteral(":/game/zembrik.png")));
    setCentralWidget(view_);

    QMenu* game = menuBar()->addMenu(tr("&Game"));
    connect(addCommand(game, tr("Play"), kCmdPlay), &QAction::triggered, this, [this] { view_->runner().OnPlay(); });
    QAction* pause = addCommand(game, tr("Pause"), kCmdPause);
    pause->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    connect(pause, &QAction::triggered, this, [this] { view_->runner().OnPause(); });
    connect(addCommand(game, tr("End Game"), kCmdEndGame), &QAction::triggered, this,
            [this] { view_->runner().OnEndGame(); });
    connect(addCommand(game, tr("Demo"), kCmdDemo), &QAction::triggered, this, [this] { view_->runner().OnDemo(); });
    QAction* hint = addCommand(game, tr("Hint"), kCmdHint);
    hint->setShortcut(QKeySequence(Qt::Key_H));
    connect(hint, &QAction::triggered, this, [this] { view_->OnHint(); });
    game->addSeparator();
    connect(addCommand(game, tr("&Random Board..."), kCmdRandomBoard), &QAction::triggered, this,
            &CMainFrame::OnRandomBoard);
    connect(addCommand(game, tr("&Copy Board ID"), kCmdCopyBoardId), &QAction::triggered, this,
            &CMainFrame::OnCopyBoardId);
    connect(addCommand(game, tr("&Save Board As..."), kCmdSaveBoardAs), &QAction::triggered, this,
            &CMainFrame::OnSaveBoardAs);
    game->addSeparator();
    QAction* exit = addCommand(game, tr("E&xit"), kCmdAppExit);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    connect(addCommand(options, tr("&Options"), kCmdOptions), &QAction::triggered, this,
            [this] { view_->runner().OnOptions(); });
    options->addSeparator();
    QAction* pauseWhenLeft = addCommand(options, tr("Pause when the window is left"), kCmdPauseWhenLeft, true);
    connect(pauseWhenLeft, &QAction::triggered, this, [](bool on) { UserSettings::setPauseWhenLeft(on); });

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    QAction* fullScreen = addCommand(viewMenu, tr("&Full Screen"), kCmdFullScreen, true);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, &CMainFrame::OnFullScreen);

    QMenu* sound = menuBar()->addMenu(tr("&Sound"));
    connect(addCommand(sound, tr("E&ffects"), kCmdSoundEffects, true), &QAction::triggered, this,
            [this] { view_->OnSoundEffects(); updateCheckMarks(); });
    connect(addCommand(sound, tr("&Music"), kCmdSoundMusic, true), &QAction::triggered, this,
            [this] { view_->OnSoundMusic(); updateCheckMarks(); });

    QMenu* animation = menuBar()->addMenu(tr("&Animation"));
    connect(addCommand(animation, tr("A&nimation"), kCmdAnimation, true), &QAction::triggered, this,
            [this] { view_->OnAnimation(); updateCheckMarks(); });

    QMenu* control = menuBar()->addMenu(tr("&Control"));
    connect(addCommand(control, tr("&Mouse"), kCmdMouseControl, true), &QAction::triggered, this,
            [this] { view_->OnMouseControl(); updateCheckMarks(); });

    QMenu* designer = menuBar()->addMenu(tr("&Designer"));
    connect(addCommand(designer, tr("&Designer"), kCmdDesigner), &QAction::triggered, this,
            &CMainFrame::OnDesigner);

    QMenu* web = menuBar()->addMenu(tr("&Web Link"));
    connect(addCommand(web, tr("Web &Link"), kCmdWebLink), &QAction::triggered, this,
            &CMainFrame::OnWebLink);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    connect(addCommand(help, tr("&Help File"), kCmdHelpIndex), &QAction::triggered, this,
            &CMainFrame::OnHelpFile);
    connect(addCommand(help, tr("&Using Help"), kCmdHelpUsing), &QAction::triggered, this,
            &CMainFrame::OnUsingHelp);
    help->addSeparator();
    connect(addCommand(help, tr("&About Vortan..."), kCmdAppAbout), &QAction::triggered, this,
            &CMainFrame::OnAppAbout);

    // Commands without a menu item: the accelerators and the recording of a
    // new demo, which has only its key (Ctrl+Shift+D, named in the help).
    struct Accel {
        int id;
        QKeySequence keys;
    };
    for (const Accel& a : {Accel{kCmdFileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
                           Accel{kCmdFileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
                           Accel{kCmdFileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
                           Accel{kCmdHelp, QKeySequence(Qt::Key_F1)},
                           Accel{kCmdContextHelp, QKeySequence(Qt::SHIFT | Qt::Key_F1)},
                           Accel{kCmdDefaultHelp, QKeySequence()}, Accel{kCmdMakeDemo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}}) {
        QAction* act = addCommand(nullptr, QString(), a.id);
        act->setShortcut(a.keys);
        act->setShortcutContext(Qt::WindowShortcut);
        addAction(act);
    }
    connect(commandAction(kCmdFileNew), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(commandAction(kCmdFileOpen), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(commandAction(kCmdMakeDemo), &QAction::triggered, this, [this] { view_->runner().OnMakeDemo(); });
    // Saving writes no board data, so it must not touch the file: nothing.
    for (int id : {kCmdHelp, kCmdContextHelp, kCmdDefaultHelp})
        connect(commandAction(id), &QAction::triggered, this, &CMainFrame::OnHelpFile);

    // The check marks follow the flags whenever a menu opens.
    for (QMenu* m : {options, sound, animation, control}) connect(m, &QMenu::aboutToShow, this, &CMainFrame::updateCheckMarks);
    updateCheckMarks();
    move(0, 0);
    // The picture's own size first, then the size the player left it at.
    resize(sizeHint());
    UserSettings::restoreWindow(*this, QStringLiteral("game"));
    view_->setFocus();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::addCommand(QMenu* menu, const QString& text, int id, bool checkable) {
    auto* act = new QAction(text, this);
    act->setData(id);
    act->setObjectName(QStringLiteral("command%1").arg(id));
    act->setCheckable(checkable);
    if (menu) menu->addAction(act);
    return act;
}

QAction* CMainFrame::commandAction(int id) const {
    return findChild<QAction*>(QStringLiteral("command%1").arg(id));
}

void CMainFrame::updateCheckMarks() {
    commandAction(kCmdSoundEffects)->setChecked(view_->rules().settings.soundEffectsOn == 1);
    commandAction(kCmdSoundMusic)->setChecked(view_->rules().settings.musicOn == 1);
    commandAction(kCmdAnimation)->setChecked(view_->rules().settings.animationOn == 1);
    commandAction(kCmdMouseControl)->setChecked(view_->rules().settings.mouseControl == 1);
    commandAction(kCmdPauseWhenLeft)->setChecked(UserSettings::pauseWhenLeft());
    commandAction(kCmdFullScreen)->setChecked(isFullScreen());
}

void CMainFrame::OnFullScreen() {
    // Toggled on the state alone, so leaving full screen goes back to a
    // maximised window when it was one.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    updateCheckMarks();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    UserSettings::rememberWindow(*this, QStringLiteral("game"));
    QMainWindow::closeEvent(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Full screen is also left by Escape or by the window manager.
    if (event->type() == QEvent::WindowStateChange && commandAction(kCmdFullScreen))
        commandAction(kCmdFullScreen)->setChecked(isFullScreen());
    // Decided once the activation has settled: a dialog of the game's own
    // takes it too, and that is not leaving.
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, &CMainFrame::pauseIfLeft);
}

void CMainFrame::pauseIfLeft() {
    const GameState s = doc_.gameState();
    if (s != GameState::Playing && s != GameState::DemoRecording) return;
    // Closed: the window lost the keyboard as it went, and the program is
    // ending; a pause would keep it running.
    if (!isVisible()) return;
    if (!isMinimized() && QApplication::activeWindow() != nullptr) return;
    if (!UserSettings::pauseWhenLeft()) return;
    view_->runner().OnPause();
}

void CMainFrame::OnFileNew() {
    // A new document on the same document object keeps everything.
    view_->invalidate();
}

void CMainFrame::openFiles(const QStringList& files) {
    if (!files.isEmpty()) view_->openBoardFile(files.first());
}

void CMainFrame::OnFileOpen() {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open"), QString(), tr("Board (*.dat)"));
    if (path.isEmpty()) return;
    view_->openBoardFile(path);
}

namespace {
QString& designerOverride() {
    static QString path;
    return path;
}
}  // namespace

QString CMainFrame::designerProgram() {
    if (!designerOverride().isEmpty()) return designerOverride();
    return programPath(QStringLiteral(VORTAN_DESIGNER_PROGRAM));
}

void CMainFrame::setDesignerProgram(const QString& path) { designerOverride() = path; }

void CMainFrame::OnDesigner() {
    // A missing designer is not reported.
    const QString program = designerProgram();
    if (QFileInfo(program).isExecutable()) QProcess::startDetached(program, {});
}

void CMainFrame::OnRandomBoard() {
    CRandomBoardDlg dlg(view_->runner().readRandomRecords(), lastDifficulty_, this);
    if (dlg.exec() != QDialog::Accepted) return;
    playRandomBoard(dlg.difficulty(), dlg.boardId());
}

bool CMainFrame::playRandomBoard(int difficulty, const QString& id) {
    BoardId board;
    if (!id.trimmed().isEmpty()) {
        const ParsedId parsed = parseBoardId(id.toStdString());
        if (parsed.problem != IdProblem::None) {
            QMessageBox::warning(this, tr("Random Board"), boardIdProblemMessage(parsed));
            return false;
        }
        board = parsed.id;
    } else {
        if (difficulty < 0 || difficulty >= kDifficultyCount) difficulty = 0;
        board.difficulty = static_cast<Difficulty>(difficulty);
        board.seed = QRandomGenerator::global()->bounded(kMaxSeed);
    }
    lastDifficulty_ = static_cast<int>(board.difficulty);
    RandomBoard made;
    switch (makeRandomBoard(this, board, made)) {
    case GenerateStatus::Made: break;
    case GenerateStatus::Cancelled: return false;
    case GenerateStatus::NotFound:
        QMessageBox::warning(this, tr("Random Board"),
                             tr("No winnable board was found for %1. Please try another seed.")
                                 .arg(QString::fromStdString(formatBoardId(board))));
        return false;
    }
    // The keys go to the board again, whichever dialog had them last.
    view_->setFocus();
    view_->runner().PlayRandom(made.board, static_cast<int>(board.difficulty), formatBoardId(made.id));
    view_->setFocus();
    return true;
}

void CMainFrame::OnCopyBoardId() {
    if (!view_->runner().playingRandom()) {
        QMessageBox::information(this, tr("Copy Board ID"), tr("Only random boards have a board ID."));
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(view_->runner().randomId()));
}

void CMainFrame::OnSaveBoardAs() {
    BoardDefinition board;
    if (!view_->runner().currentBoard(board)) {
        QMessageBox::information(this, tr("Save Board As"), tr("There is no board to save."));
        return;
    }
    const QString folder = userDataFolder() + QStringLiteral("/boards");
    QDir().mkpath(folder);
    const QString name = view_->runner().playingRandom() ? QString::fromStdString(view_->runner().randomId())
                                                         : QFileInfo(QString::fromStdString(doc_.boardPath)).baseName();
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Board As"), folder + QStringLiteral("/") + name +
                                                                                     QStringLiteral(".dat"),
                                                      tr("Board (*.dat)"));
    if (!path.isEmpty()) writeBoard(board, path);
}

bool CMainFrame::saveBoardTo(const QString& path) {
    BoardDefinition board;
    return view_->runner().currentBoard(board) && writeBoard(board, path);
}

bool CMainFrame::writeBoard(BoardDefinition board, const QString& chosen) {
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".dat");
    if (!WriteBoardFile(QFile::encodeName(path).toStdString(), board)) {
        QMessageBox::warning(this, tr("Save Board As"), tr("The board could not be written to %1.").arg(path));
        return false;
    }
    return true;
}

void CMainFrame::OnWebLink() {
    CWebLinkDlg dlg(this);
    dlg.exec();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::OnHelpFile() {
    HelpWindow::showHelp(this, findHelpFile(QString::fromLatin1(kHelpFileName)), tr(kHelpTitle));
}

void CMainFrame::OnUsingHelp() {
    HelpWindow::showHelp(this, findHelpFile(QString::fromLatin1(kHelpFileName)), tr(kHelpTitle),
                         QStringLiteral("using-help"));
}

}  // namespace vortan
