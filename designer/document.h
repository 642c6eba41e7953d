// The designer's document: the board being edited, the file it belongs to,
// the modified flag, the undo history and the File commands.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "board/board_definition.h"

class QUndoStack;

namespace vortan::designer {

extern const char* const kUntitledFileName;  // "untitled.dat"
extern const char* const kAppTitle;          // "Vortan Designer"
extern const char* const kBoardFilter;       // "Board (*.dat)"
constexpr int kRecentFileCount = 4;

// What the File commands ask of the window around them: the save question,
// a path chosen in a file dialog, and messages. The designer's window
// answers with dialogs; tests answer directly, without waiting for windows.
class FileHost {
public:
    enum class Answer { Yes, No, Cancel };
    struct PathQuestion {
        bool save = false;   // Save As rather than Open
        QString folder;      // where the dialog starts
        QString selected;    // the file name it offers, if any
    };
    virtual ~FileHost() = default;
    virtual Answer askSaveChanges(const QString& question) = 0;
    // An absolute path, or empty when the dialog was cancelled.
    virtual QString askPath(const PathQuestion& question) = 0;
    virtual void fileMessage(const QString& text) = 0;
};

class CQuorvel1Doc : public QObject {
    Q_OBJECT
public:
    explicit CQuorvel1Doc(QObject* parent = nullptr);

    // Who answers the File commands' questions; set before any command runs.
    void setFileHost(FileHost* host) { host_ = host; }

    BoardDefinition& board() { return board_; }
    const BoardDefinition& board() const { return board_; }

    // The file Save writes to: "untitled.dat" for a new board.
    QString fileName() const { return fileName_; }
    // The file's own name without its folder, as the title and the save
    // question show it.
    QString displayName() const;
    bool hasRealFile() const;

    // Modified: an edit since the board was created, read or written that
    // the undo history has not taken back, or a change marked by hand (a
    // refused click, OK in a dialog that changed nothing).
    bool IsModified() const;
    void SetModifiedFlag(bool modified = true);

    QUndoStack* undoStack() const { return undo_; }
    // Records what changed since `before` as one undo step named `text`.
    // Nothing is recorded when the board is unchanged.
    void commitEdit(const QString& text, const BoardDefinition& before);

    bool OnNewDocument();
    void DeleteContents() { board_.ClearCells(); }

    // Menu commands; their questions and messages go to the file host.
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // Opens one of the recent files (after the save question).
    void openRecent(const QString& path);
    // The save question of New, Open and Exit. True: go on with the command.
    bool SaveModified();

    // Loading and saving a chosen path, with their messages; the commands
    // above end in these. True on success.
    bool openPath(const QString& path);
    bool savePath(const QString& path);

    // Where Open and Save As start: the board's own folder, else the boards
    // folder in the user's data folder.
    QString startFolder() const;
    // The last boards opened or saved, newest first (at most four).
    QStringList recentFiles() const;

signals:
    // The whole board must be drawn again (after New, a read, a write, undo).
    void boardChanged();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);

private:
    QString askPath(bool save);
    void setFileName(const QString& path);
    void setForced(bool forced);
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    BoardDefinition board_;
    QString fileName_;
    QUndoStack* undo_;
    FileHost* host_ = nullptr;
    bool forced_ = false;  // modified by a change the undo history does not hold
};

}  // namespace vortan::designer
