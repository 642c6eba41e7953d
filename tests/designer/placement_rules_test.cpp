// The placement rules of a left click, run without a window: the messages
// they show (in order) and the cells they leave.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "designer/placement_rules.h"

using namespace vortan;
using namespace vortan::designer;

namespace {

constexpr int Off = kToolOff;
int R(RegionCode r) { return static_cast<int>(r); }
int B(BoxCode b) { return static_cast<int>(b); }
using Ids = std::vector<MessageId>;
using M = MessageId;
using RC = RegionCode;
using BC = BoxCode;

class RecordingHost : public PlacementHost {
public:
    std::vector<const Message*> shown;
    int redrawn = 0;
    int modified = 0;
    int numberAsked = 0;
    std::optional<std::uint32_t> answer = 1;  // nullopt: Cancel

    void showMessage(const Message& m) override { shown.push_back(&m); }
    bool askBoxNumber(std::uint32_t& n) override {
        ++numberAsked;
        if (answer) n = *answer;
        return answer.has_value();
    }
    void redrawCell(int, int) override { ++redrawn; }
    void markModified() override { ++modified; }
};

// One click on a cell that holds `before`; the Box Number dialog, if asked,
// answers `answer`.
struct Case {
    BoardCell before;
    int region, box;
    Ids said;
    BoardCell after;
    std::optional<std::uint32_t> answer = 1;
};

class Placement : public ::testing::Test {
protected:
    BoardDefinition board;
    RecordingHost host;
    PlacementRules rules{board, host};

    void click(int x, int y, int region, int box) { rules.PlaceAt(x, y, Tools{region, box}); }
    std::vector<const Message*> messages(const Ids& ids) const {
        std::vector<const Message*> v;
        for (MessageId id : ids) v.push_back(&placementMessage(id));
        return v;
    }
    // Every click marks the board modified once, refused or not.
    void run(const std::vector<Case>& cases) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            board.Cell(5, 5) = c.before;
            host.shown.clear();
            host.answer = c.answer;
            const int modifiedBefore = host.modified;
            click(5, 5, c.region, c.box);
            EXPECT_EQ(messages(c.said), host.shown) << "case " << i;
            EXPECT_EQ(c.after, board.Cell(5, 5)) << "case " << i;
            EXPECT_EQ(modifiedBefore + 1, host.modified) << "case " << i;
        }
    }
};

const BoardCell kWhite{RegionCode::White, BoxCode::Empty, 0};
BoardCell cell(RegionCode r, BoxCode b, std::uint32_t n = 0) { return BoardCell{r, b, n}; }

}  // namespace

TEST_F(Placement, RegionAndBoxToolsOnOrdinaryBoxes) {
    run({
        // Tool pairs the region itself refuses: nothing changes.
        {cell(RC::Yellow, BC::Free), R(RC::Green), B(BC::Star), {M::M2}, cell(RC::Yellow, BC::Free)},
        {cell(RC::Yellow, BC::Free), R(RC::Green), B(BC::Freeze), {M::M2}, cell(RC::Yellow, BC::Free)},
        {cell(RC::Yellow, BC::Free), R(RC::Orange), B(BC::Exception), {M::M3}, cell(RC::Yellow, BC::Free)},
        {cell(RC::Yellow, BC::Free), R(RC::Orange), B(BC::Your), {M::M3}, cell(RC::Yellow, BC::Free)},
        // A new region deletes a box it cannot hold.
        {cell(RC::White, BC::Star), R(RC::Blue), B(BC::Exception), {M::M4, M::M8}, cell(RC::Blue, BC::Empty)},
        {kWhite, R(RC::Blue), Off, {}, cell(RC::Blue, BC::Empty)},
        {cell(RC::Blue, BC::Empty), Off, B(BC::Empty), {}, cell(RC::Blue, BC::Empty)},
        {cell(RC::White, BC::Time), R(RC::Green), Off, {M::M5}, cell(RC::Green, BC::Empty)},
        {cell(RC::White, BC::Exception), R(RC::Orange), Off, {M::M6}, cell(RC::Orange, BC::Empty)},
        {cell(RC::White, BC::Exception), R(RC::Green), Off, {}, cell(RC::Green, BC::Exception)},
        {cell(RC::White, BC::Number, 4), R(RC::Yellow), Off, {}, cell(RC::Yellow, BC::Number, 4)},
        {cell(RC::White, BC::Your), R(RC::Red), Off, {M::M7}, cell(RC::Red, BC::Empty)},
        // A box the cell's region refuses keeps the old box.
        {cell(RC::Green, BC::Exception), Off, B(BC::Star), {M::M9}, cell(RC::Green, BC::Exception)},
        {cell(RC::Orange, BC::Hot), Off, B(BC::Exception), {M::M10}, cell(RC::Orange, BC::Hot)},
        {cell(RC::Red, BC::Number, 6), Off, B(BC::Freeze), {}, cell(RC::Red, BC::Freeze)},
        {cell(RC::Red, BC::Hot), Off, Off, {}, cell(RC::Red, BC::Hot)},
        // Codes outside the tables (a hand-made file) do not confuse the rules.
        {BoardCell{RegionCode(9), BoxCode(40), 77}, Off, B(BC::Star), {}, BoardCell{RegionCode(9), BC::Star, 0}},
    });
    EXPECT_EQ(0, host.numberAsked);
}

TEST_F(Placement, OneYourBoxInARegionThatHoldsIt) {
    run({
        {cell(RC::White, BC::Hot), R(RC::Red), B(BC::Your), {M::M13}, cell(RC::Red, BC::Hot)},
        {cell(RC::Orange, BC::Empty), Off, B(BC::Your), {M::M12}, cell(RC::Orange, BC::Empty)},
        {cell(RC::White, BC::Star), R(RC::Blue), B(BC::Your), {M::M4, M::M8}, cell(RC::Blue, BC::Empty)},
        {cell(RC::White, BC::Number, 2), R(RC::Green), B(BC::Your), {}, cell(RC::Green, BC::Your)},
        // With one on the board, a second is refused before the region
        // changes, on the Your box itself too.
        {cell(RC::Green, BC::Your), R(RC::Yellow), B(BC::Your), {M::M11}, cell(RC::Green, BC::Your)},
    });
    board.Cell(11, 11) = cell(RC::White, BC::Your);
    run({{kWhite, R(RC::Yellow), B(BC::Your), {M::M11}, kWhite}});
}

TEST_F(Placement, NumberBoxAsksAndRefusesBadOrUsedNumbers) {
    board.Cell(9, 9) = cell(RC::White, BC::Number, 5);
    board.Cell(12, 12) = cell(RC::White, BC::Free, 3);  // only a loaded file can hold this
    const BoardCell free = cell(RC::White, BC::Free);
    run({
        {kWhite, R(RC::Yellow), B(BC::Number), {}, cell(RC::Yellow, BC::Number, 7), 7},
        // A refused number ends the click: not even the region tool applies.
        {free, R(RC::Blue), B(BC::Number), {M::M14}, free, 0},
        {free, R(RC::Blue), B(BC::Number), {M::M14}, free, 10},
        {free, R(RC::Blue), B(BC::Number), {M::M15}, free, 5},
        {free, R(RC::Blue), B(BC::Number), {M::M15}, free, 3},
        {free, R(RC::Red), B(BC::Number), {}, free, std::nullopt},
        // The region phase, then the region judges the Number box.
        {cell(RC::Green, BC::Empty), Off, B(BC::Number), {M::M16}, cell(RC::Green, BC::Empty), 2},
        {cell(RC::White, BC::Your), R(RC::Orange), B(BC::Number), {}, cell(RC::Orange, BC::Number, 2), 2},
        {cell(RC::White, BC::Your), R(RC::Red), B(BC::Number), {M::M7}, cell(RC::Red, BC::Number, 4), 4},
        {cell(RC::White, BC::Hot), R(RC::Blue), B(BC::Number), {M::M4, M::M8}, cell(RC::Blue, BC::Empty), 6},
    });
    EXPECT_EQ(10, host.numberAsked);
    EXPECT_FALSE(board.IsNumberUsed(6));
}

TEST_F(Placement, BorderRefusesEveryToolAndClicksOffTheGridDoNothing) {
    const BoardDefinition before = board;
    for (int region = Off; region <= R(RegionCode::Orange); ++region)
        for (int box = Off; box <= B(BoxCode::Exception); ++box)
            for (auto [x, y] : {std::pair{0, 0}, {21, 5}, {7, 0}, {0, 21}, {13, 21}}) {
                host.shown.clear();
                click(x, y, region, box);
                ASSERT_EQ(messages({MessageId::M1}), host.shown) << region << " " << box;
            }
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {22, 5}, {5, 22}}) click(x, y, 0, 2);
    EXPECT_EQ(5 * 7 * 11, host.modified);
    EXPECT_EQ(0, host.numberAsked);
    EXPECT_EQ(0, host.redrawn);
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) EXPECT_EQ(before.Cell(x, y), board.Cell(x, y));
}
