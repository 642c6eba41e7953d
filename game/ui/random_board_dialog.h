// Random Board: the difficulty and an optional board ID, with the best
// results so far per difficulty; and the generation itself, on a worker
// thread behind a progress dialog with Cancel.
#pragma once

#include <QDialog>

#include "game/generate/random_board.h"
#include "game/runs/random_records.h"

class QComboBox;
class QLineEdit;
class QLabel;

namespace vortan {

class CRandomBoardDlg : public QDialog {
    Q_OBJECT
public:
    CRandomBoardDlg(const RandomRecords& records, int difficulty, QWidget* parent = nullptr);

    int difficulty() const;
    QString boardId() const;
    QComboBox* difficultyBox() const { return difficulty_; }
    QLineEdit* idField() const { return id_; }
    QLabel* recordsLabel() const { return records_; }

private:
    QComboBox* difficulty_;
    QLineEdit* id_;
    QLabel* records_;
};

// The message for an ID that cannot be used, or empty when it can.
QString boardIdProblemMessage(const ParsedId& parsed);

// Builds the board on a worker thread; the window's events keep running
// (the clock of a game in progress too) and a progress dialog with Cancel
// shows when it takes a moment. Returns Cancelled when the user cancelled.
GenerateStatus makeRandomBoard(QWidget* parent, const BoardId& id, RandomBoard& out);

}  // namespace vortan
