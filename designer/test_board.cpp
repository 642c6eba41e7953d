#include "test_board.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QProgressDialog>
#include <QStringList>
#include <QTemporaryDir>

#include "board/board_file.h"

namespace vortan::designer {

namespace {
// A translation context for the free functions below.
struct BoardTest {
    Q_DECLARE_TR_FUNCTIONS(BoardTest)
};
}  // namespace

QString boardSolverProgram() { return QCoreApplication::applicationDirPath() + QStringLiteral("/vortan-board"); }

QString boardTestObstacle(const BoardDefinition& board) {
    // The search can only say "cannot be won" or "won by any move"; these
    // causes can be named instead.
    QStringList causes;
    if (!board.HasYourBox()) causes << BoardTest::tr("The board has no Your box, so nothing on it can be taken.");
    if (board.CountBoxes(BoxCode::Star) == 0 && board.CountBoxes(BoxCode::Number) == 0)
        causes << BoardTest::tr("The board has no Star box and no Number box: with nothing to take, "
                                "a game on it is over at the first move.");
    return causes.join(QLatin1Char('\n'));
}

BoardTestResult runBoardTest(const BoardDefinition& board, QWidget* parent, const QString& program) {
    BoardTestResult result;
    const QString obstacle = boardTestObstacle(board);
    if (!obstacle.isEmpty()) {
        result.kind = BoardTestResult::Unplayable;
        result.detail = obstacle;
        return result;
    }
    QTemporaryDir dir;
    BoardDefinition copy = board;  // writing recounts the boxes; the document keeps its own
    const QString path = dir.path() + QStringLiteral("/test.dat");
    if (!dir.isValid() || !WriteBoardFile(path.toStdString(), copy)) {
        result.detail = BoardTest::tr("The board could not be written to a temporary file.");
        return result;
    }

    QProcess solver;
    QProgressDialog progress(BoardTest::tr("Searching for the shortest win..."), BoardTest::tr("Cancel"), 0, 0,
                             parent);
    progress.setWindowTitle(BoardTest::tr("Test Board"));
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::WindowModal);

    QEventLoop loop;
    QObject::connect(&solver, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&solver, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) loop.quit();
    });
    const auto cancel = [&] {
        result.kind = BoardTestResult::Cancelled;
        solver.kill();
        loop.quit();
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, cancel);
    // Escape rejects the dialog without "canceled": the search must stop
    // then too, not go on behind a dialog that is gone.
    QObject::connect(&progress, &QDialog::rejected, &loop, cancel);
    solver.start(program, {QStringLiteral("solve"), path});
    progress.show();
    if (solver.state() != QProcess::NotRunning || solver.error() != QProcess::FailedToStart) loop.exec();
    progress.hide();

    if (result.kind == BoardTestResult::Cancelled) {
        solver.waitForFinished(2000);
        return result;
    }
    if (solver.error() == QProcess::FailedToStart) {
        result.detail = BoardTest::tr("The solver %1 could not be started.").arg(program);
        return result;
    }
    const QString out = QString::fromLocal8Bit(solver.readAllStandardOutput()).trimmed();
    const QString err = QString::fromLocal8Bit(solver.readAllStandardError()).trimmed();
    if (solver.exitStatus() == QProcess::NormalExit && solver.exitCode() == 0) {
        result.kind = BoardTestResult::Won;
        result.moves = out.section('\n', 0, 0);
        for (QChar c : result.moves)
            if (c != 'T') ++result.length;
        result.detail = err;
    } else if (solver.exitStatus() == QProcess::NormalExit && solver.exitCode() == 3) {
        result.kind = out.contains(QStringLiteral("budget")) ? BoardTestResult::BudgetHit : BoardTestResult::NoWin;
        result.detail = out;
    } else {
        result.detail = err.isEmpty() ? out : err;
    }
    return result;
}

QString boardTestReport(const BoardTestResult& r) {
    switch (r.kind) {
    case BoardTestResult::Won:
        return (r.length == 1 ? BoardTest::tr("The board can be won: the shortest win takes %1 move.")
                              : BoardTest::tr("The board can be won: the shortest win takes %1 moves."))
            .arg(r.length);
    case BoardTestResult::NoWin:
        return BoardTest::tr("The board cannot be won within its limits.");
    case BoardTestResult::BudgetHit:
        return BoardTest::tr("No win was found within the search budget.\n(%1)").arg(r.detail);
    case BoardTestResult::Cancelled:
        return BoardTest::tr("The test was cancelled.");
    case BoardTestResult::Unplayable:
        return r.detail;
    case BoardTestResult::Failed:
        break;
    }
    return BoardTest::tr("The board could not be tested.\n%1").arg(r.detail);
}

}  // namespace vortan::designer
