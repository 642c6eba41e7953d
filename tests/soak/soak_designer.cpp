// Soak test of the designer window: long random runs of tool choices,
// clicks, menu commands and dialog answers, checking after each step that
// the board keeps its invariants. usage: soak_designer SECONDS [SEED]
#include <QAction>
#include <QTest>

#include <filesystem>
#include <set>

#include "board/board_definition.h"
#include "designer/document.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "soak_support.h"

using namespace vortan;
namespace fs = std::filesystem;

namespace {

void check(const BoardDefinition& b) {
    int your = 0;
    std::set<std::uint32_t> numbers;
    if (b.versionTag != "Version 1") soak::fail("version tag changed");
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) {
            const BoardCell& c = b.Cell(x, y);
            const std::string at = std::to_string(x) + "," + std::to_string(y);
            if (BoardDefinition::isBorder(x, y)) {
                if (c.region != RegionCode::Blue || c.box != BoxCode::Empty || c.number != 0)
                    soak::fail("border cell changed at " + at);
                continue;
            }
            if (!regionAdmits(c.region, c.box)) soak::fail("box its region may not hold at " + at);
            if (c.box == BoxCode::Your) ++your;
            if (c.box == BoxCode::Number) {
                if (c.number < 1 || c.number > 9 || !numbers.insert(c.number).second)
                    soak::fail("bad or repeated number at " + at);
            } else if (c.number != 0) {
                soak::fail("number on a cell without a Number box at " + at);
            }
        }
    if (your > 1) soak::fail("two Your boxes");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: soak_designer SECONDS [SEED]\n");
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;

    // Boards to open and names to save under, in a folder of its own.
    const fs::path home = fs::temp_directory_path() / ("vortan-soak-designer-" + std::to_string(getpid()));
    fs::remove_all(home);
    fs::create_directories(home);
    QStringList files;
    for (const char* name : {"alvor1.dat", "alvor57.dat", "brenno33.dat", "brenno120.dat", "demogame.dat"}) {
        const fs::path src = fs::path(VORTAN_SOURCE_DIR "/data") / name;
        if (fs::exists(src)) fs::copy_file(src, home / name);
        files << QString::fromStdString((home / name).string());  // missing ones are saved first
    }
    files << QString::fromStdString((home / "made.dat").string());
    setenv("VORTAN_HOME", home.c_str(), 1);
    // Test Board on a board of random clicks may search for minutes under the
    // solver's default budget; a small one keeps each test to about a second.
    setenv("VORTAN_SOLVE_BUDGET", "16M", 1);
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vortan"));
    designer::CMainFrame frame;
    frame.show();

    soak::Random random(seed);
    soak::ModalAnswerer answerer(random, files);
    QList<QAction*> tools, commands;
    for (QAction* a : frame.findChildren<QAction*>()) {
        const int id = a->property("commandId").toInt();
        if (id >= 32771 && id <= 32788) tools << a;
        // Not Exit, and not printing (it would reach a real printer).
        else if (id != 0 && id != 57665 && id != 57607) commands << a;
    }
    if (tools.isEmpty() || commands.isEmpty()) soak::fail("no menu commands found");

    QWidget* view = frame.view();
    const int rc = soak::runFor(seconds, [&] {
        const int r = random.below(100);
        if (r < 30) {
            tools[random.below(static_cast<int>(tools.size()))]->trigger();
        } else if (r < 80) {
            // Most clicks on the grid, some on its edges and beyond.
            const QPoint p(random.below(460), random.below(460));
            QTest::mouseClick(view, random.chance(85) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, p);
        } else if (r < 90) {
            // A painting stroke or, with Shift, a selection, wandering anywhere.
            const Qt::KeyboardModifiers mods = random.chance(30) ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::mousePress(view, Qt::LeftButton, mods, QPoint(random.below(460), random.below(460)));
            for (int i = random.below(6); i > 0; --i) QTest::mouseMove(view, QPoint(random.below(460), random.below(460)));
            QTest::mouseRelease(view, Qt::LeftButton, mods, QPoint(random.below(460), random.below(460)));
        } else {
            commands[random.below(static_cast<int>(commands.size()))]->trigger();
        }
        check(frame.document()->board());
    });
    std::printf("%d modal windows answered\n", answerer.answered);
    fs::remove_all(home);
    return rc;
}
