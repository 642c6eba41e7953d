// Data > Test Board: the board is handed to vortan-board (whose search is
// tested with the tool) and its answer reported; what makes a real game
// impossible is said without a search.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>

#include "board/board_file.h"
#include "designer/test_board.h"
#include "tests/support/file_bytes.h"
#include "tests/support/modal_answerer.h"

using namespace vortan;
using namespace vortan::designer;

namespace {
const QString kSolver = QStringLiteral(VORTAN_BIN_DIR "/vortan-board");
const QString kNoSolver = QStringLiteral("/nonexistent/vortan-board");

// Your box under a Star box under a wall: one move up wins.
BoardDefinition oneMoveBoard() {
    BoardDefinition b;
    b.Cell(10, 8).region = RegionCode::Blue;
    b.Cell(10, 9) = {RegionCode::Yellow, BoxCode::Star, 0};
    b.Cell(10, 10) = {RegionCode::Yellow, BoxCode::Your, 0};
    return b;
}
}  // namespace

TEST(TestBoard, ReportsTheSolversAnswerOrWhatMakesAGameImpossible) {
    vortan::testing::testApp();
    BoardDefinition b = oneMoveBoard();
    b.starBoxCount = 7;  // stale: the tester must not recount the document's board
    BoardTestResult r = runBoardTest(b, nullptr, kSolver);
    ASSERT_EQ(r.kind, BoardTestResult::Won) << r.detail.toStdString();
    EXPECT_EQ(r.moves, QStringLiteral("UT"));
    EXPECT_EQ(b.starBoxCount, 7u);
    EXPECT_EQ(boardTestReport(r), QStringLiteral("The board can be won: the shortest win takes 1 move."));

    b = BoardDefinition();
    b.Cell(5, 5) = {RegionCode::White, BoxCode::Star, 0};  // never taken on White
    b.Cell(9, 9) = {RegionCode::Yellow, BoxCode::Your, 0};
    r = runBoardTest(b, nullptr, kSolver);
    EXPECT_TRUE(r.kind == BoardTestResult::NoWin || r.kind == BoardTestResult::BudgetHit) << r.detail.toStdString();

    // What makes a real game impossible is found before any search: the
    // solver is not even needed. A new board lacks both a Your box and
    // anything to take.
    b = BoardDefinition();
    r = runBoardTest(b, nullptr, kNoSolver);
    EXPECT_EQ(r.kind, BoardTestResult::Unplayable);
    const QString causes = boardTestReport(r);
    EXPECT_TRUE(causes.contains(QStringLiteral("no Your box")) && causes.contains(QStringLiteral("no Star box")));

    // A Your box and one Number box are enough to go on to the search, and
    // a missing solver is reported, not fatal.
    b.Cell(5, 5) = {RegionCode::Yellow, BoxCode::Your, 0};
    b.Cell(7, 5) = {RegionCode::Yellow, BoxCode::Number, 1};
    r = runBoardTest(b, nullptr, kNoSolver);
    EXPECT_EQ(r.kind, BoardTestResult::Failed);
    EXPECT_TRUE(boardTestReport(r).startsWith(QStringLiteral("The board could not be tested.")));
}

TEST(TestBoard, EscapeInTheProgressDialogStopsTheSearch) {
    vortan::testing::testApp();
    // A solver that would never finish by itself.
    QTemporaryDir dir;
    const QString slow = dir.path() + QStringLiteral("/slow-solver");
    vortan::testing::writeBytes(slow, "#!/bin/sh\nexec sleep 60\n");
    QFile(slow).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    vortan::testing::ModalAnswerer answer;
    answer.dialog<QProgressDialog>([](QProgressDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(runBoardTest(oneMoveBoard(), nullptr, slow).kind, BoardTestResult::Cancelled);
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_TRUE(answer.unexpected.empty());
}
