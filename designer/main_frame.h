// The designer's main window: menus, tool bars, the status bar, keys, the
// document and its one view.
#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;

namespace vortan::designer {

class CQuorvel1Doc;
class CQuorvel1View;
class FileHost;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CQuorvel1Doc* document() const { return doc_; }
    CQuorvel1View* view() const { return view_; }
    // The action of a command id (57600 New, 32771 "Turned Off", ...).
    QAction* action(int commandId) const;
    QToolBar* regionBar() const { return regionBar_; }
    QToolBar* boxBar() const { return boxBar_; }
    QLabel* toolStatus() const { return toolStatus_; }
    QLabel* cellStatus() const { return cellStatus_; }

    // Opens the board named on the command line, if any (the first
    // argument that is not an option).
    void openFromArguments(const QStringList& arguments);

    void OnAppAbout();
    void OnTestBoard();
    void OnHelp(const QString& anchor = QString());
    static QString helpFilePath();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(QWidget* menu, int id, const QString& text, const QKeySequence& key = QKeySequence());
    void syncToolChecks();
    void updateTitle();
    void updateToolStatus();
    void updateCellStatus();
    void fillRecentFiles();
    void setToolBarsVisible(bool visible);
    void setStatusBarVisible(bool visible);
    // Fits the window to the grid and its bars again when a bar comes or
    // goes, unless the user gave it a size of their own; grows a window too
    // small for them.
    void refit();

    CQuorvel1Doc* doc_;
    CQuorvel1View* view_;
    std::unique_ptr<FileHost> fileHost_;
    QActionGroup* regionGroup_;
    QActionGroup* boxGroup_;
    QToolBar* regionBar_;
    QToolBar* boxBar_;
    QLabel* toolStatus_;
    QLabel* cellStatus_;
    QMenu* fileMenu_;
    QAction* recentSeparator_;
    QList<QAction*> recentActions_;
    QSize fitted_;
};

}  // namespace vortan::designer
