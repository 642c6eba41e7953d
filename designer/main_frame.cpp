#include "main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "dialogs.h"
#include "document.h"
#include "platform/help_window.h"
#include "test_board.h"
#include "view.h"

namespace vortan::designer {

namespace {
const char* const kCommandProperty = "commandId";
const char* const kToolProperty = "toolValue";
}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      doc_(new CQuorvel1Doc(this)),
      view_(new CQuorvel1View(doc_, this)) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/designer/111-box-your.png")));
    setCentralWidget(view_);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, 57600, QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered,
            this, [this] { doc_->OnFileNew(this); });
    connect(addCommand(file, 57601, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { doc_->OnFileOpen(this); });
    connect(addCommand(file, 57603, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered,
            this, [this] { doc_->OnFileSave(this); });
    connect(addCommand(file, 57604, QStringLiteral("Save &As...")), &QAction::triggered, this,
            [this] { doc_->OnFileSaveAs(this); });
    file->addSeparator();
    connect(addCommand(file, 57665, QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);

    QMenu* regions = menuBar()->addMenu(QStringLiteral("&Regions"));
    regionGroup_ = new QActionGroup(this);
    const char* regionItems[7] = {"Turned Off", "Yellow", "Blue", "White", "Red", "Green", "Orange"};
    for (int i = 0; i < 7; ++i) {
        QAction* a = addCommand(regions, 32771 + i, QString::fromLatin1(regionItems[i]));
        a->setCheckable(true);
        a->setProperty(kToolProperty, i - 1);
        regionGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { view_->setRegionTool(i - 1); });
    }

    QMenu* boxes = menuBar()->addMenu(QStringLiteral("&Boxes"));
    boxGroup_ = new QActionGroup(this);
    const char* boxItems[11] = {"Turned Off", "Emply", "Your", "Free", "Number", "Star",
                                "Hot",        "Freeze", "Time", "Move", "Exception"};
    for (int i = 0; i < 11; ++i) {
        QAction* a = addCommand(boxes, 32778 + i, QString::fromLatin1(boxItems[i]));
        a->setCheckable(true);
        a->setProperty(kToolProperty, i - 1);
        boxGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { view_->setBoxTool(i - 1); });
    }

    QMenu* data = menuBar()->addMenu(QStringLiteral("Data"));
    connect(addCommand(data, 32789, QStringLiteral("Initialize")), &QAction::triggered, view_,
            &CQuorvel1View::OnInitialize);
    connect(addCommand(data, 32790, QStringLiteral("Limits")), &QAction::triggered, view_, &CQuorvel1View::OnLimits);
    connect(addCommand(data, 32791, QStringLiteral("Test Board")), &QAction::triggered, this,
            &CMainFrame::OnTestBoard);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(addCommand(help, 57666, QStringLiteral("&Help File")), &QAction::triggered, this, [this] { OnHelp(); });
    connect(addCommand(help, 57668, QStringLiteral("&Using Help")), &QAction::triggered, this,
            [this] { OnHelp(QStringLiteral("using-help")); });
    help->addSeparator();
    connect(addCommand(help, 57664, QStringLiteral("&About Vortan Designer...")), &QAction::triggered, this,
            &CMainFrame::OnAppAbout);

    // Keys without menu items: help, context help and printing.
    connect(addCommand(this, 57670, QStringLiteral("Help"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            [this] { OnHelp(); });
    connect(addCommand(this, 57669, QStringLiteral("Context Help"), QKeySequence(Qt::SHIFT | Qt::Key_F1)),
            &QAction::triggered, this, [this] { OnHelp(); });
    connect(addCommand(this, 57607, QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P)), &QAction::triggered,
            view_, &CQuorvel1View::OnFilePrint);

    connect(view_, &CQuorvel1View::toolsChanged, this, &CMainFrame::syncToolChecks);
    connect(regions, &QMenu::aboutToShow, this, &CMainFrame::syncToolChecks);
    connect(boxes, &QMenu::aboutToShow, this, &CMainFrame::syncToolChecks);
    syncToolChecks();

    // Fixed size: the whole grid and nothing to resize.
    adjustSize();
    setFixedSize(sizeHint());
}

QAction* CMainFrame::addCommand(QWidget* menu, int id, const QString& text, const QKeySequence& key) {
    auto* a = new QAction(text, this);
    a->setProperty(kCommandProperty, id);
    a->setObjectName(QStringLiteral("command%1").arg(id));
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

void CMainFrame::OnTestBoard() {
    const BoardTestResult r = runBoardTest(doc_->board(), this);
    if (r.kind == BoardTestResult::Cancelled) return;
    QMessageBox::information(this, QStringLiteral("Test Board"), boardTestReport(r));
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

QString CMainFrame::helpFilePath() { return findHelpFile(QStringLiteral("designer.html")); }

void CMainFrame::OnHelp(const QString& anchor) {
    HelpWindow::showHelp(this, helpFilePath(), QStringLiteral("Vortan Designer Help"), anchor);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (doc_->SaveModified(this)) event->accept();
    else event->ignore();
}

}  // namespace vortan::designer
