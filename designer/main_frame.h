// The designer's main window: menus, keys, the document and its one view.
#pragma once

#include <QMainWindow>

class QAction;
class QActionGroup;

namespace vortan::designer {

class CQuorvel1Doc;
class CQuorvel1View;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    CQuorvel1Doc* document() const { return doc_; }
    CQuorvel1View* view() const { return view_; }
    // The action of a command id (57600 New, 32771 "Turned Off", ...).
    QAction* action(int commandId) const;

    void OnAppAbout();
    void OnTestBoard();
    void OnHelp(const QString& anchor = QString());
    static QString helpFilePath();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(QWidget* menu, int id, const QString& text, const QKeySequence& key = QKeySequence());
    void syncToolChecks();

    CQuorvel1Doc* doc_;
    CQuorvel1View* view_;
    QActionGroup* regionGroup_;
    QActionGroup* boxGroup_;
};

}  // namespace vortan::designer
