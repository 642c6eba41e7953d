// The designer's document: the board being edited, the file it belongs to,
// the modified flag and the File commands.
#pragma once

#include <QObject>
#include <QString>

#include "board/board_definition.h"

class QWidget;

namespace vortan::designer {

extern const char* const kUntitledFileName;  // "untitled.dat"
extern const char* const kAppTitle;          // "Vortan Designer"
extern const char* const kBoardFilter;       // "Board (*.dat)"

class CQuorvel1Doc : public QObject {
    Q_OBJECT
public:
    explicit CQuorvel1Doc(QObject* parent = nullptr);

    BoardDefinition& board() { return board_; }
    const BoardDefinition& board() const { return board_; }

    // The file Save writes to: "untitled.dat" for a new board.
    QString fileName() const { return fileName_; }
    // The name the save question offers ("Untitled" until it has saved).
    QString questionName() const;

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    bool OnNewDocument();
    void DeleteContents() { board_.ClearCells(); }

    // Menu commands; `parent` owns their dialogs and messages.
    void OnFileNew(QWidget* parent);
    void OnFileOpen(QWidget* parent);
    bool OnFileSave(QWidget* parent);
    bool OnFileSaveAs(QWidget* parent);
    // The save question of New, Open and Exit. True: go on with the command.
    bool SaveModified(QWidget* parent);

    // Loading and saving a chosen path, with their messages; the commands
    // above end in these. True on success.
    bool openPath(const QString& path, QWidget* parent);
    bool savePath(const QString& path, QWidget* parent);

signals:
    // The whole board must be drawn again (after New, a read or a write).
    void boardChanged();

private:
    QString askPath(QWidget* parent, bool save, const QString& title, const QString& filter,
                    const QString& proposed);

    BoardDefinition board_;
    QString fileName_;
    QString questionPath_;  // where a "Yes" to the save question saves
    bool modified_ = false;
};

}  // namespace vortan::designer
