// "Test Board": runs the board tool's solver, as a program of its own, on
// the board being edited and reports the shortest win it finds.
#pragma once

#include <QString>

#include "board/board_definition.h"

class QWidget;

namespace vortan::designer {

struct BoardTestResult {
    // Unplayable: the board lacks what every game needs; `detail` says what.
    enum Kind { Won, NoWin, BudgetHit, Failed, Cancelled, Unplayable } kind = Failed;
    int length = 0;    // moves of the shortest win
    QString moves;     // the winning line, U D L R with a tick T after each
    QString detail;    // the solver's own words
};

// Why no real game can be played on the board, whatever its layout (no
// Your box, nothing to take); empty when one may be.
QString boardTestObstacle(const BoardDefinition& board);

// The solver program beside the designer.
QString boardSolverProgram();

// Reports an obstacle at once; otherwise writes a copy of the board to a temporary file, runs the solver with a
// progress dialog whose Cancel stops it, and returns what it found.
BoardTestResult runBoardTest(const BoardDefinition& board, QWidget* parent,
                             const QString& program = boardSolverProgram());

// The sentence shown to the user.
QString boardTestReport(const BoardTestResult& result);

}  // namespace vortan::designer
