#include "board_check.h"

#include <map>

namespace vortan {

namespace {
std::string cellName(int x, int y) { return "Cell (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

std::string regionText(std::uint32_t code) {
    const char* n = regionName(code);
    return n ? std::string(n) : "region code " + std::to_string(code);
}

std::string boxText(std::uint32_t code) {
    const char* n = boxName(code);
    return n ? std::string(n) : "box code " + std::to_string(code);
}
}  // namespace

std::vector<std::string> boardProblems(const BoardDefinition& b) {
    std::vector<std::string> problems;
    if (b.versionTag != kVersionText) problems.push_back("The version text is not \"Version 1\".");
    if (b.boardWidth != kGridSize)
        problems.push_back("boardWidth is " + std::to_string(b.boardWidth) + ", not 22.");
    if (b.boardHeight != kGridSize)
        problems.push_back("boardHeight is " + std::to_string(b.boardHeight) + ", not 22.");

    int yourBoxes = 0;
    std::map<std::uint32_t, int> numbers;
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const BoardCell& c = b.Cell(x, y);
            const auto region = static_cast<std::uint32_t>(c.region);
            const auto box = static_cast<std::uint32_t>(c.box);
            if (BoardDefinition::isBorder(x, y)) {
                if (c.region != RegionCode::Blue || c.box != BoxCode::Empty || c.number != 0)
                    problems.push_back("Border " + cellName(x, y) + " is " + regionText(region) + " with " +
                                       boxText(box) + " and number " + std::to_string(c.number) +
                                       "; border cells must be Blue, Empty and 0.");
                continue;
            }
            if (region >= kRegionCodeCount)
                problems.push_back(cellName(x, y) + " has region code " + std::to_string(region) +
                                   ", which is no region.");
            if (box >= kBoxCodeCount)
                problems.push_back(cellName(x, y) + " has box code " + std::to_string(box) + ", which is no box.");
            else if (region < kRegionCodeCount && !regionAdmits(c.region, c.box))
                problems.push_back(cellName(x, y) + ": a " + regionText(region) + " cell may not hold a " +
                                   boxText(box) + " box.");
            if (c.box == BoxCode::Your) ++yourBoxes;
            if (c.box == BoxCode::Number) {
                if (c.number < 1 || c.number > 9)
                    problems.push_back(cellName(x, y) + " holds a Number box carrying " + std::to_string(c.number) +
                                       "; numbers run from 1 to 9.");
                else
                    ++numbers[c.number];
            } else if (c.number != 0) {
                problems.push_back(cellName(x, y) + " carries number " + std::to_string(c.number) +
                                   " but holds no Number box.");
            }
        }
    }
    if (yourBoxes > 1)
        problems.push_back("The board has " + std::to_string(yourBoxes) + " Your boxes; at most one is allowed.");
    for (const auto& [n, count] : numbers)
        if (count > 1)
            problems.push_back("Number " + std::to_string(n) + " is carried by " + std::to_string(count) +
                               " Number boxes; each number may appear once.");
    const int stars = b.CountBoxes(BoxCode::Star), nums = b.CountBoxes(BoxCode::Number);
    if (static_cast<int>(b.starBoxCount) != stars)
        problems.push_back("starBoxCount is " + std::to_string(b.starBoxCount) + " but the cells hold " +
                           std::to_string(stars) + " Star boxes.");
    if (static_cast<int>(b.numberBoxCount) != nums)
        problems.push_back("numberBoxCount is " + std::to_string(b.numberBoxCount) + " but the cells hold " +
                           std::to_string(nums) + " Number boxes.");
    return problems;
}

}  // namespace vortan
