// A window that shows one HTML help file. Each program keeps one such
// window and brings it to the front for F1, Shift+F1 and its Help menu.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vortan {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    // Shows the file, scrolled to `anchor` when one is given. A missing or
    // unreadable file shows a short note naming it instead; returns false.
    bool openFile(const QString& path, const QString& anchor = QString());

    QString currentFile() const { return file_; }
    QTextBrowser* browser() const { return browser_; }

    // Opens (creating it on first use) the one help window of `owner`, sets
    // its title and brings it to the front.
    static HelpWindow* showHelp(QWidget* owner, const QString& path, const QString& title,
                                const QString& anchor = QString());

private:
    QTextBrowser* browser_;
    QString file_;
};

// Looks for help/NAME in the data folders; returns the first that exists,
// or the usual place when none does (so the note can name it).
QString findHelpFile(const QString& fileName);

}  // namespace vortan
