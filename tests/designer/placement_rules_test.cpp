// The placement rules of a left click, run without a window: the messages
// they show (in order) and the cells they leave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/placement_rules.h"

using namespace vortan;
using namespace vortan::designer;

namespace {

constexpr int Off = kToolOff;
int R(RegionCode r) { return static_cast<int>(r); }
int B(BoxCode b) { return static_cast<int>(b); }

class RecordingHost : public PlacementHost {
public:
    std::vector<const Message*> shown;
    std::vector<std::pair<int, int>> redrawn;
    int modified = 0;
    int numberAsked = 0;
    std::uint32_t offeredNumber = 0;
    bool answerNumber = true;
    std::uint32_t number = 1;

    void showMessage(const Message& m) override { shown.push_back(&m); }
    bool askBoxNumber(std::uint32_t& n) override {
        ++numberAsked;
        offeredNumber = n;
        if (answerNumber) n = number;
        return answerNumber;
    }
    void redrawCell(int x, int y) override { redrawn.emplace_back(x, y); }
    void markModified() override { ++modified; }

    std::vector<const Message*> ids(std::initializer_list<MessageId> list) const {
        std::vector<const Message*> v;
        for (MessageId id : list) v.push_back(&placementMessage(id));
        return v;
    }
};

class Placement : public ::testing::Test {
protected:
    BoardDefinition board;
    RecordingHost host;
    PlacementRules rules{board, host};

    void click(int x, int y, int region, int box) { rules.PlaceAt(x, y, Tools{region, box}); }
    void put(int x, int y, RegionCode r, BoxCode b, std::uint32_t n = 0) { board.Cell(x, y) = BoardCell{r, b, n}; }
    BoardCell cell(int x, int y) const { return board.Cell(x, y); }
};

}  // namespace

TEST_F(Placement, BorderCellsRefuseEveryToolAndStillMarkModified) {
    const BoardDefinition before = board;
    for (int region = Off; region <= R(RegionCode::Orange); ++region)
        for (int box = Off; box <= B(BoxCode::Exception); ++box)
            for (auto [x, y] : {std::pair{0, 0}, {21, 5}, {7, 0}, {0, 21}, {21, 21}, {13, 21}}) {
                host.shown.clear();
                click(x, y, region, box);
                ASSERT_EQ(host.ids({MessageId::M1}), host.shown) << region << " " << box;
            }
    EXPECT_EQ(0, host.numberAsked);
    EXPECT_TRUE(host.redrawn.empty());
    EXPECT_EQ(6 * 7 * 11, host.modified);
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) EXPECT_EQ(before.Cell(x, y), board.Cell(x, y));
}

TEST_F(Placement, BothToolsOffChangeNothingButRedrawAndMarkModified) {
    put(4, 4, RegionCode::Red, BoxCode::Hot);
    click(4, 4, Off, Off);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Hot, 0}), cell(4, 4));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{4, 4}}), host.redrawn);
    EXPECT_EQ(1, host.modified);
}

TEST_F(Placement, ToolCombinationsRefusedBeforeTouchingTheCell) {
    put(5, 5, RegionCode::Yellow, BoxCode::Free);
    for (int box : {B(BoxCode::Free), B(BoxCode::Number), B(BoxCode::Star), B(BoxCode::Hot), B(BoxCode::Freeze),
                    B(BoxCode::Time), B(BoxCode::Move)}) {
        host.shown.clear();
        click(5, 5, R(RegionCode::Green), box);
        EXPECT_EQ(host.ids({MessageId::M2}), host.shown);
    }
    for (int box : {B(BoxCode::Your), B(BoxCode::Exception)}) {
        host.shown.clear();
        click(5, 5, R(RegionCode::Orange), box);
        EXPECT_EQ(host.ids({MessageId::M3}), host.shown);
    }
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Free, 0}), cell(5, 5));
    EXPECT_EQ(0, host.numberAsked);  // M2 comes before the Number dialog
    EXPECT_TRUE(host.redrawn.empty());
    EXPECT_EQ(9, host.modified);
}

TEST_F(Placement, BlueRegionDeletesTheBoxThenRefusesTheNewBox) {
    put(3, 3, RegionCode::White, BoxCode::Star);
    click(3, 3, R(RegionCode::Blue), B(BoxCode::Exception));
    EXPECT_EQ(host.ids({MessageId::M4, MessageId::M8}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Blue, BoxCode::Empty, 0}), cell(3, 3));

    host.shown.clear();
    click(4, 3, R(RegionCode::Blue), Off);  // nothing to delete: no message
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(RegionCode::Blue, cell(4, 3).region);

    click(4, 3, Off, B(BoxCode::Empty));  // Empty is fine on Blue
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(Placement, RegionPhaseDeletesBoxesTheNewRegionCannotHold) {
    put(2, 2, RegionCode::White, BoxCode::Time);
    click(2, 2, R(RegionCode::Green), Off);
    EXPECT_EQ(host.ids({MessageId::M5}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Green, BoxCode::Empty, 0}), cell(2, 2));

    host.shown.clear();
    put(2, 3, RegionCode::White, BoxCode::Exception);
    click(2, 3, R(RegionCode::Orange), Off);
    EXPECT_EQ(host.ids({MessageId::M6}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Orange, BoxCode::Empty, 0}), cell(2, 3));

    host.shown.clear();
    put(2, 4, RegionCode::White, BoxCode::Exception);
    click(2, 4, R(RegionCode::Green), Off);  // Green holds Exception
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ((BoardCell{RegionCode::Green, BoxCode::Exception, 0}), cell(2, 4));

    host.shown.clear();
    put(2, 5, RegionCode::White, BoxCode::Number, 4);
    click(2, 5, R(RegionCode::Yellow), Off);  // any other region keeps box and number
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Number, 4}), cell(2, 5));
}

TEST_F(Placement, RedRegionOnTheYourBoxFreesItForANewOne) {
    put(6, 6, RegionCode::White, BoxCode::Your);
    click(6, 6, R(RegionCode::Red), Off);
    EXPECT_EQ(host.ids({MessageId::M7}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Empty, 0}), cell(6, 6));
    EXPECT_FALSE(board.HasYourBox());

    host.shown.clear();
    click(7, 7, Off, B(BoxCode::Your));
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(BoxCode::Your, cell(7, 7).box);
}

TEST_F(Placement, BoxPhaseRefusalsKeepTheOldBox) {
    put(8, 8, RegionCode::Green, BoxCode::Exception);
    click(8, 8, Off, B(BoxCode::Star));
    EXPECT_EQ(host.ids({MessageId::M9}), host.shown);
    EXPECT_EQ(BoxCode::Exception, cell(8, 8).box);

    host.shown.clear();
    put(8, 9, RegionCode::Orange, BoxCode::Hot);
    click(8, 9, Off, B(BoxCode::Exception));
    EXPECT_EQ(host.ids({MessageId::M10}), host.shown);
    EXPECT_EQ(BoxCode::Hot, cell(8, 9).box);

    host.shown.clear();
    put(8, 10, RegionCode::Red, BoxCode::Number, 6);
    click(8, 10, Off, B(BoxCode::Freeze));  // replaces the Number box and clears its number
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Freeze, 0}), cell(8, 10));
    EXPECT_FALSE(board.IsNumberUsed(6));
}

TEST_F(Placement, OnlyOneYourBoxAndNoRegionChangeWhenRefused) {
    put(10, 10, RegionCode::White, BoxCode::Your);
    put(11, 11, RegionCode::White, BoxCode::Empty);
    click(11, 11, R(RegionCode::Yellow), B(BoxCode::Your));
    EXPECT_EQ(host.ids({MessageId::M11}), host.shown);
    EXPECT_EQ(RegionCode::White, cell(11, 11).region);
    EXPECT_TRUE(host.redrawn.empty());
    EXPECT_EQ(1, host.modified);

    host.shown.clear();
    click(10, 10, Off, B(BoxCode::Your));  // also on the Your box itself
    EXPECT_EQ(host.ids({MessageId::M11}), host.shown);
}

TEST_F(Placement, YourBoxRegionRefusals) {
    put(3, 9, RegionCode::White, BoxCode::Hot);
    click(3, 9, R(RegionCode::Red), B(BoxCode::Your));
    EXPECT_EQ(host.ids({MessageId::M13}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Hot, 0}), cell(3, 9));

    host.shown.clear();
    put(3, 10, RegionCode::Orange, BoxCode::Empty);
    click(3, 10, Off, B(BoxCode::Your));
    EXPECT_EQ(host.ids({MessageId::M12}), host.shown);

    host.shown.clear();
    put(3, 11, RegionCode::White, BoxCode::Star);
    click(3, 11, R(RegionCode::Blue), B(BoxCode::Your));
    EXPECT_EQ(host.ids({MessageId::M4, MessageId::M8}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Blue, BoxCode::Empty, 0}), cell(3, 11));
    EXPECT_FALSE(board.HasYourBox());

    host.shown.clear();
    put(3, 12, RegionCode::White, BoxCode::Number, 2);
    click(3, 12, R(RegionCode::Green), B(BoxCode::Your));  // Green holds Your; Number replaced
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ((BoardCell{RegionCode::Green, BoxCode::Your, 0}), cell(3, 12));
}

TEST_F(Placement, NumberBoxAsksWithOneAndPlacesTheNumber) {
    host.number = 5;
    click(9, 9, R(RegionCode::Yellow), B(BoxCode::Number));
    EXPECT_EQ(1, host.numberAsked);
    EXPECT_EQ(1u, host.offeredNumber);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ((BoardCell{RegionCode::Yellow, BoxCode::Number, 5}), cell(9, 9));
    EXPECT_EQ(1u, host.redrawn.size());
}

TEST_F(Placement, NumberBoxRefusalsEndTheClickEarly) {
    put(9, 9, RegionCode::White, BoxCode::Number, 5);
    const BoardCell before{RegionCode::White, BoxCode::Free, 0};
    put(9, 10, before.region, before.box);
    struct Case {
        std::uint32_t n;
        MessageId id;
    };
    for (Case c : {Case{0, MessageId::M14}, Case{10, MessageId::M14}, Case{4294967295u, MessageId::M14},
                   Case{5, MessageId::M15}}) {
        host.shown.clear();
        host.number = c.n;
        click(9, 10, R(RegionCode::Blue), B(BoxCode::Number));
        EXPECT_EQ(host.ids({c.id}), host.shown) << c.n;
        EXPECT_EQ(before, cell(9, 10)) << c.n;  // not even the region tool applied
    }
    EXPECT_STREQ("Invalid Placement", placementMessage(MessageId::M15).caption);
    EXPECT_TRUE(host.redrawn.empty());

    host.shown.clear();
    host.answerNumber = false;  // Cancel
    const int modifiedBefore = host.modified;
    click(9, 10, R(RegionCode::Red), B(BoxCode::Number));
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(before, cell(9, 10));
    EXPECT_EQ(modifiedBefore + 1, host.modified);
}

TEST_F(Placement, NumberUsedAnywhereEvenOnANonNumberCellIsRefused) {
    put(12, 12, RegionCode::White, BoxCode::Free, 3);  // only a loaded file can hold this
    host.number = 3;
    click(13, 13, Off, B(BoxCode::Number));
    EXPECT_EQ(host.ids({MessageId::M15}), host.shown);
}

TEST_F(Placement, NumberBoxOnGreenShowsTheDialogFirst) {
    put(14, 14, RegionCode::Green, BoxCode::Empty);
    host.number = 2;
    click(14, 14, Off, B(BoxCode::Number));
    EXPECT_EQ(1, host.numberAsked);
    EXPECT_EQ(host.ids({MessageId::M16}), host.shown);
    EXPECT_EQ(BoxCode::Empty, cell(14, 14).box);
}

TEST_F(Placement, NumberBoxRegionPhase) {
    put(15, 15, RegionCode::White, BoxCode::Your);
    host.number = 3;
    click(15, 15, R(RegionCode::Orange), B(BoxCode::Number));  // replaces the Your box silently
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ((BoardCell{RegionCode::Orange, BoxCode::Number, 3}), cell(15, 15));
    EXPECT_FALSE(board.HasYourBox());

    put(16, 15, RegionCode::White, BoxCode::Your);
    host.number = 4;
    click(16, 15, R(RegionCode::Red), B(BoxCode::Number));
    EXPECT_EQ(host.ids({MessageId::M7}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Red, BoxCode::Number, 4}), cell(16, 15));

    host.shown.clear();
    put(17, 15, RegionCode::White, BoxCode::Hot);
    host.number = 6;
    click(17, 15, R(RegionCode::Blue), B(BoxCode::Number));
    EXPECT_EQ(host.ids({MessageId::M4, MessageId::M8}), host.shown);
    EXPECT_EQ((BoardCell{RegionCode::Blue, BoxCode::Empty, 0}), cell(17, 15));
    EXPECT_FALSE(board.IsNumberUsed(6));
}

TEST_F(Placement, ClicksOutsideTheGridAreIgnored) {
    const BoardDefinition before = board;
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {22, 5}, {5, 22}, {1000, 1000}}) click(x, y, 0, 2);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(0, host.modified);
    for (int x = 0; x < kGridSize; ++x)
        for (int y = 0; y < kGridSize; ++y) EXPECT_EQ(before.Cell(x, y), board.Cell(x, y));
}

TEST_F(Placement, CellsWithUnknownCodesFromAFileDoNotConfuseTheRules) {
    board.Cell(5, 6) = BoardCell{static_cast<RegionCode>(9), static_cast<BoxCode>(40), 77};
    click(5, 6, Off, B(BoxCode::Star));
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(BoxCode::Star, cell(5, 6).box);
    EXPECT_EQ(0u, cell(5, 6).number);
}
