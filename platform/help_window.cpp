#include "help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "install_paths.h"

namespace vortan {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
    // A reading window closes the way such windows do everywhere else.
    auto* close = new QAction(this);
    QList<QKeySequence> keys = {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::Close))
        if (!keys.contains(k)) keys << k;
    close->setShortcuts(keys);
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

bool HelpWindow::openFile(const QString& path, const QString& anchor) {
    file_ = path;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        browser_->setHtml(tr("<h2>Help is not available</h2><p>The help file <tt>%1</tt> "
                             "could not be found.</p>")
                              .arg(path.toHtmlEscaped()));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (!anchor.isEmpty()) url.setFragment(anchor);
    browser_->setSource(url);
    return true;
}

HelpWindow* HelpWindow::showHelp(QWidget* owner, const QString& path, const QString& title,
                                 const QString& anchor) {
    HelpWindow* window = owner ? owner->findChild<HelpWindow*>(QStringLiteral("helpWindow"),
                                                               Qt::FindDirectChildrenOnly)
                               : nullptr;
    if (!window) window = new HelpWindow(owner);
    window->setWindowTitle(title);
    window->openFile(path, anchor);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QString findHelpFile(const QString& fileName) { return installPath(QStringLiteral("help/") + fileName); }

}  // namespace vortan
