// The designer's document: the board being edited, the file it belongs to,
// the modified flag, the undo history and the File commands.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "board/board_definition.h"

class QUndoStack;
class QWidget;

namespace vortan::designer {

extern const char* const kUntitledFileName;  // "untitled.dat"
extern const char* const kAppTitle;          // "Vortan Designer"
extern const char* const kBoardFilter;       // "Board (*.dat)"
constexpr int kRecentFileCount = 4;

class CQuorvel1Doc : public QObject {
    Q_OBJECT
public:
    explicit CQuorvel1Doc(QObject* parent = nullptr);

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

    // Menu commands; `parent` owns their dialogs and messages.
    void OnFileNew(QWidget* parent);
    void OnFileOpen(QWidget* parent);
    bool OnFileSave(QWidget* parent);
    bool OnFileSaveAs(QWidget* parent);
    // Opens one of the recent files (after the save question).
    void openRecent(const QString& path, QWidget* parent);
    // The save question of New, Open and Exit. True: go on with the command.
    bool SaveModified(QWidget* parent);

    // Loading and saving a chosen path, with their messages; the commands
    // above end in these. True on success.
    bool openPath(const QString& path, QWidget* parent);
    bool savePath(const QString& path, QWidget* parent);

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
    QString askPath(QWidget* parent, bool save);
    void setFileName(const QString& path);
    void setForced(bool forced);
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    BoardDefinition board_;
    QString fileName_;
    QUndoStack* undo_;
    bool forced_ = false;  // modified by a change the undo history does not hold
};

}  // namespace vortan::designer
