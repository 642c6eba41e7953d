// Soak test of the designer window: long random runs of tool choices,
// clicks, menu commands and dialog answers, checking after each step that
// the board keeps its invariants. usage: soak_designer SECONDS [SEED]
#include <QAction>
#include <QTest>

#include <memory>
#include <set>

#include "designer/document.h"
#include "designer/main_frame.h"
#include "designer/view.h"
#include "soak_support.h"

using namespace vortan;

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
                if (!(c == BoardCell{RegionCode::Blue, BoxCode::Empty, 0})) soak::fail("border cell changed at " + at);
                continue;
            }
            if (!regionAdmits(c.region, c.box)) soak::fail("box its region may not hold at " + at);
            your += c.box == BoxCode::Your;
            if (c.box == BoxCode::Number ? c.number < 1 || c.number > 9 || !numbers.insert(c.number).second
                                         : c.number != 0)
                soak::fail("bad or repeated number, or one without a Number box, at " + at);
        }
    if (your > 1) soak::fail("two Your boxes");
}

}  // namespace

int main(int argc, char** argv) {
    // Boards to open (whose borders are whole), and a name to save under.
    const QStringList files = {"alvor1.dat",    "alvor57.dat",  "brenno33.dat",
                               "brenno120.dat", "demogame.dat", "made.dat"};
    return soak::main(argc, argv, files, [](soak::Random& random) {
        auto frame = std::make_shared<designer::CMainFrame>();
        frame->show();
        QList<QAction*> tools, commands;
        for (QAction* a : frame->findChildren<QAction*>()) {
            const int id = a->property("commandId").toInt();
            if (id >= 32771 && id <= 32788) tools << a;
            // Not Exit, and not printing (it would reach a real printer).
            else if (id != 0 && id != 57665 && id != 57607) commands << a;
        }
        if (tools.isEmpty() || commands.isEmpty()) soak::fail("no menu commands found");

        return [frame, tools, commands, &random] {
            QWidget* view = frame->view();
            const auto anywhere = [&] { return QPoint(random.below(460), random.below(460)); };
            const int r = random.below(100);
            if (r < 30) {
                soak::pick(random, tools)->trigger();
            } else if (r < 80) {
                // Most clicks on the grid, some on its edges and beyond.
                QTest::mouseClick(view, random.chance(85) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                                  anywhere());
            } else if (r < 90) {
                // A painting stroke or, with Shift, a selection, wandering anywhere.
                const Qt::KeyboardModifiers mods = random.chance(30) ? Qt::ShiftModifier : Qt::NoModifier;
                QTest::mousePress(view, Qt::LeftButton, mods, anywhere());
                for (int i = random.below(6); i > 0; --i) QTest::mouseMove(view, anywhere());
                QTest::mouseRelease(view, Qt::LeftButton, mods, anywhere());
            } else {
                soak::pick(random, commands)->trigger();
            }
            check(frame->document()->board());
        };
    });
}
