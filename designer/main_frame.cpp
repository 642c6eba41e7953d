#include "main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include "dialogs.h"
#include "document.h"
#include "file_dialogs.h"
#include "platform/help_window.h"
#include "platform/user_settings.h"
#include "test_board.h"
#include "view.h"

namespace vortan::designer {

namespace {
const char* const kCommandProperty = "commandId";
const char* const kToolProperty = "toolValue";

// Menu items, translated in context "DesignerTools".
const char* const kRegionItems[7] = {
    QT_TRANSLATE_NOOP("DesignerTools", "Turned Off"), QT_TRANSLATE_NOOP("DesignerTools", "Yellow"),
    QT_TRANSLATE_NOOP("DesignerTools", "Blue"),       QT_TRANSLATE_NOOP("DesignerTools", "White"),
    QT_TRANSLATE_NOOP("DesignerTools", "Red"),        QT_TRANSLATE_NOOP("DesignerTools", "Green"),
    QT_TRANSLATE_NOOP("DesignerTools", "Orange")};
const char* const kBoxItems[11] = {
    QT_TRANSLATE_NOOP("DesignerTools", "Turned Off"), QT_TRANSLATE_NOOP("DesignerTools", "Emply"),
    QT_TRANSLATE_NOOP("DesignerTools", "Your"),       QT_TRANSLATE_NOOP("DesignerTools", "Free"),
    QT_TRANSLATE_NOOP("DesignerTools", "Number"),     QT_TRANSLATE_NOOP("DesignerTools", "Star"),
    QT_TRANSLATE_NOOP("DesignerTools", "Hot"),        QT_TRANSLATE_NOOP("DesignerTools", "Freeze"),
    QT_TRANSLATE_NOOP("DesignerTools", "Time"),       QT_TRANSLATE_NOOP("DesignerTools", "Move"),
    QT_TRANSLATE_NOOP("DesignerTools", "Exception")};

QString item(const char* text) { return QCoreApplication::translate("DesignerTools", text); }
// A board name (board/board_definition), translated; "Turned Off" for none.
QString toolName(const char* name) {
    return name ? QCoreApplication::translate("BoardNames", name) : item("Turned Off");
}
}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      doc_(new CQuorvel1Doc(this)),
      view_(new CQuorvel1View(doc_, this)),
      fileHost_(std::make_unique<DialogFileHost>(this)) {
    doc_->setFileHost(fileHost_.get());
    setWindowIcon(QIcon(QStringLiteral(":/designer/111-box-your.png")));
    setCentralWidget(view_);

    fileMenu_ = menuBar()->addMenu(tr("&File"));
    QMenu* file = fileMenu_;
    connect(addCommand(file, 57600, tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered,
            this, [this] { doc_->OnFileNew(); });
    connect(addCommand(file, 57601, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { doc_->OnFileOpen(); });
    connect(addCommand(file, 57603, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, [this] { doc_->OnFileSave(); });
    connect(addCommand(file, 57604, tr("Save &As...")), &QAction::triggered, this,
            [this] { doc_->OnFileSaveAs(); });
    file->addSeparator();
    connect(addCommand(file, 57607, tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, view_, &CQuorvel1View::OnFilePrint);
    connect(addCommand(file, 57609, tr("Print Pre&view")), &QAction::triggered, view_,
            &CQuorvel1View::OnFilePrintPreview);
    recentSeparator_ = file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* a = addCommand(file, 57616 + i, QString());
        connect(a, &QAction::triggered, this, [this, a] { doc_->openRecent(a->data().toString()); });
        recentActions_ << a;
    }
    file->addSeparator();
    connect(addCommand(file, 57665, tr("E&xit")), &QAction::triggered, this, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::fillRecentFiles);
    fillRecentFiles();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = doc_->undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("command57643"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = doc_->undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("command57644"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undo->setProperty(kCommandProperty, 57643);
    redo->setProperty(kCommandProperty, 57644);
    // A key pressed in the middle of a stroke first ends the stroke, so that
    // the history never changes under a step still being made.
    QUndoStack* stack = doc_->undoStack();
    QObject::disconnect(undo, &QAction::triggered, stack, &QUndoStack::undo);
    QObject::disconnect(redo, &QAction::triggered, stack, &QUndoStack::redo);
    connect(undo, &QAction::triggered, this, [this, stack] {
        view_->finishDrag();
        stack->undo();
    });
    connect(redo, &QAction::triggered, this, [this, stack] {
        view_->finishDrag();
        stack->redo();
    });
    for (QAction* a : {undo, redo}) a->setShortcutContext(Qt::WindowShortcut);
    // The step's name goes into one translatable text, where a language can
    // place it (the stack's own joining puts it after the prefix).
    connect(stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& step) {
        undo->setText(step.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(step));
    });
    connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& step) {
        redo->setText(step.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(step));
    });
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    connect(addCommand(edit, 57634, tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered,
            view_, &CQuorvel1View::copySelection);
    connect(addCommand(edit, 57637, tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, view_, &CQuorvel1View::OnEditPaste);
    connect(addCommand(edit, 32792, tr("&Fill Selection"), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, view_, &CQuorvel1View::OnFillSelection);

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    QAction* toolBarItem = addCommand(viewMenu, 59392, tr("&Tool Bar"));
    toolBarItem->setCheckable(true);
    toolBarItem->setChecked(true);
    connect(toolBarItem, &QAction::toggled, this, &CMainFrame::setToolBarsVisible);
    QAction* statusBarItem = addCommand(viewMenu, 59393, tr("&Status Bar"));
    statusBarItem->setCheckable(true);
    statusBarItem->setChecked(true);
    connect(statusBarItem, &QAction::toggled, this, &CMainFrame::setStatusBarVisible);

    // The tool bars hold the same actions as the menus, so both always show
    // the same choice; the menus keep their plain check marks.
    regionBar_ = new QToolBar(tr("Regions"), this);
    boxBar_ = new QToolBar(tr("Boxes"), this);
    regionBar_->setObjectName(QStringLiteral("Regions"));
    boxBar_->setObjectName(QStringLiteral("Boxes"));
    for (QToolBar* bar : {regionBar_, boxBar_}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(kCellPixels, kCellPixels));
        bar->toggleViewAction()->setVisible(false);
    }
    addToolBar(Qt::TopToolBarArea, regionBar_);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, boxBar_);

    QMenu* regions = menuBar()->addMenu(tr("&Regions"));
    regionGroup_ = new QActionGroup(this);
    for (int i = 0; i < 7; ++i) {
        QAction* a = addCommand(regions, 32771 + i, item(kRegionItems[i]));
        a->setCheckable(true);
        a->setProperty(kToolProperty, i - 1);
        a->setIcon(QIcon(QPixmap::fromImage(view_->regionBitmap(i - 1))));
        a->setIconVisibleInMenu(false);
        a->setToolTip(tr("Region: %1").arg(toolName(i ? regionName(i - 1) : nullptr)));
        regionGroup_->addAction(a);
        regionBar_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { view_->setRegionTool(i - 1); });
    }

    QMenu* boxes = menuBar()->addMenu(tr("&Boxes"));
    boxGroup_ = new QActionGroup(this);
    for (int i = 0; i < 11; ++i) {
        QAction* a = addCommand(boxes, 32778 + i, item(kBoxItems[i]));
        a->setCheckable(true);
        a->setProperty(kToolProperty, i - 1);
        a->setIcon(QIcon(QPixmap::fromImage(view_->boxToolBitmap(i - 1))));
        a->setIconVisibleInMenu(false);
        a->setToolTip(tr("Box: %1").arg(toolName(i ? boxName(i - 1) : nullptr)));
        boxGroup_->addAction(a);
        boxBar_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { view_->setBoxTool(i - 1); });
    }

    QMenu* data = menuBar()->addMenu(tr("Data"));
    connect(addCommand(data, 32789, tr("Initialize")), &QAction::triggered, view_,
            &CQuorvel1View::OnInitialize);
    connect(addCommand(data, 32790, tr("Limits")), &QAction::triggered, view_, &CQuorvel1View::OnLimits);
    connect(addCommand(data, 32791, tr("Test Board")), &QAction::triggered, this,
            &CMainFrame::OnTestBoard);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    connect(addCommand(help, 57666, tr("&Help File")), &QAction::triggered, this, [this] { OnHelp(); });
    connect(addCommand(help, 57668, tr("&Using Help")), &QAction::triggered, this,
            [this] { OnHelp(QStringLiteral("using-help")); });
    help->addSeparator();
    connect(addCommand(help, 57664, tr("&About Vortan Designer...")), &QAction::triggered, this,
            &CMainFrame::OnAppAbout);

    // Keys without menu items: help and context help.
    connect(addCommand(this, 57670, tr("Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            [this] { OnHelp(); });
    connect(addCommand(this, 57669, tr("Context Help"), QKeySequence(Qt::SHIFT | Qt::Key_F1)),
            &QAction::triggered, this, [this] { OnHelp(); });

    toolStatus_ = new QLabel(this);
    toolStatus_->setObjectName(QStringLiteral("toolStatus"));
    cellStatus_ = new QLabel(this);
    cellStatus_->setObjectName(QStringLiteral("cellStatus"));
    statusBar()->addWidget(cellStatus_, 1);
    statusBar()->addPermanentWidget(toolStatus_);
    statusBar()->setSizeGripEnabled(false);

    connect(view_, &CQuorvel1View::toolsChanged, this, &CMainFrame::syncToolChecks);
    connect(view_, &CQuorvel1View::toolsChanged, this, &CMainFrame::updateToolStatus);
    connect(view_, &CQuorvel1View::hoverChanged, this, &CMainFrame::updateCellStatus);
    connect(doc_, &CQuorvel1Doc::boardChanged, this, &CMainFrame::updateCellStatus);
    connect(doc_, &CQuorvel1Doc::modifiedChanged, this, &QWidget::setWindowModified);
    connect(doc_, &CQuorvel1Doc::fileNameChanged, this, &CMainFrame::updateTitle);
    connect(regions, &QMenu::aboutToShow, this, &CMainFrame::syncToolChecks);
    connect(boxes, &QMenu::aboutToShow, this, &CMainFrame::syncToolChecks);
    syncToolChecks();
    updateToolStatus();
    updateCellStatus();
    updateTitle();

    // The grid's own size first, then the size the user left the window at.
    refit();
    UserSettings::restoreWindow(*this, QStringLiteral("designer"));
}

QAction* CMainFrame::addCommand(QWidget* menu, int id, const QString& text, const QKeySequence& key) {
    auto* a = new QAction(text, this);
    a->setProperty(kCommandProperty, id);
    a->setObjectName(QStringLiteral("command%1").arg(id));
    // Connected before the command's own handler: a command given by key in
    // the middle of a stroke finds the stroke ended and recorded.
    connect(a, &QAction::triggered, view_, &CQuorvel1View::finishDrag);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(a);
    return a;
}

QAction* CMainFrame::action(int commandId) const {
    return findChild<QAction*>(QStringLiteral("command%1").arg(commandId));
}

void CMainFrame::syncToolChecks() {
    for (QAction* a : regionGroup_->actions()) a->setChecked(a->property(kToolProperty).toInt() == view_->regionTool());
    for (QAction* a : boxGroup_->actions()) a->setChecked(a->property(kToolProperty).toInt() == view_->boxTool());
}

void CMainFrame::updateTitle() {
    setWindowTitle(doc_->displayName() + QStringLiteral("[*] \u2014 ") + CQuorvel1Doc::tr(kAppTitle));
    setWindowModified(doc_->IsModified());
}

void CMainFrame::updateToolStatus() {
    const int r = view_->regionTool();
    const int b = view_->boxTool();
    toolStatus_->setText(tr("Tools: %1, %2")
                             .arg(toolName(r < 0 ? nullptr : regionName(static_cast<std::uint32_t>(r))),
                                  toolName(b < 0 ? nullptr : boxName(static_cast<std::uint32_t>(b)))));
}

void CMainFrame::updateCellStatus() {
    const QPoint c = view_->hoverCell();
    if (c.x() < 0) {
        cellStatus_->clear();
        return;
    }
    const BoardCell& cell = doc_->board().Cell(c.x(), c.y());
    auto name = [](const char* n) { return n ? QCoreApplication::translate("BoardNames", n) : QStringLiteral("?"); };
    cellStatus_->setText(tr("Cell %1, %2: %3, %4, %5")
                             .arg(c.x())
                             .arg(c.y())
                             .arg(name(regionName(static_cast<std::uint32_t>(cell.region))),
                                  name(boxName(static_cast<std::uint32_t>(cell.box))), name(numberName(cell.number))));
}

void CMainFrame::fillRecentFiles() {
    const QStringList files = doc_->recentFiles();
    for (int i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentActions_[i];
        const bool used = i < files.size();
        a->setVisible(used);
        if (!used) continue;
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        a->setData(files[i]);
        a->setStatusTip(files[i]);
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

void CMainFrame::setToolBarsVisible(bool visible) {
    regionBar_->setVisible(visible);
    boxBar_->setVisible(visible);
    refit();
}

void CMainFrame::setStatusBarVisible(bool visible) {
    statusBar()->setVisible(visible);
    refit();
}

void CMainFrame::refit() {
    if (layout()) layout()->activate();
    if (isMaximized() || isFullScreen()) return;
    if (!fitted_.isValid() || size() == fitted_ || size().boundedTo(sizeHint()) != sizeHint()) {
        resize(sizeHint());
        fitted_ = size();
    }
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::openFromArguments(const QStringList& arguments) {
    for (const QString& arg : arguments) {
        if (arg.startsWith(QLatin1Char('-'))) continue;
        doc_->openPath(arg);
        return;
    }
}

void CMainFrame::OnTestBoard() {
    const BoardTestResult r = runBoardTest(doc_->board(), this);
    if (r.kind == BoardTestResult::Cancelled) return;
    QMessageBox::information(this, tr("Test Board"), boardTestReport(r));
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

QString CMainFrame::helpFilePath() { return findHelpFile(QStringLiteral("designer.html")); }

void CMainFrame::OnHelp(const QString& anchor) {
    HelpWindow::showHelp(this, helpFilePath(), tr("Vortan Designer Help"), anchor);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!doc_->SaveModified()) {
        event->ignore();
        return;
    }
    UserSettings::rememberWindow(*this, QStringLiteral("designer"));
    event->accept();
}

}  // namespace vortan::designer
