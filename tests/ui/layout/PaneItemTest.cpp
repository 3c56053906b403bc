#include "FakeLayout.h"

#include "ui/layout/PaneItem.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::shared_ptr<PaneItem> ItemFor(const std::shared_ptr<FakeControlState>& state, unsigned mode,
                                  int sizeX = 0, int sizeY = 0, int minX = -1, int minY = -1)
{
    return std::make_shared<PaneItem>(std::make_unique<FakeControl>(state), mode, sizeX, sizeY, minX, minY,
                                      false);
}

TEST(PaneItemSizes, ControlSizesStandInForZeroSizesAndMissingMinima)
{
    auto state = std::make_shared<FakeControlState>();
    state->size = {80, 24};

    const auto fixed = ItemFor(state, FixedWidth | FixedHeight);
    EXPECT_EQ(fixed->WidthFor(0), 80);
    EXPECT_EQ(fixed->MinWidth(), 80);
    EXPECT_EQ(fixed->MaxHeight(), 24);

    const auto greedy = ItemFor(state, Greedy);
    EXPECT_EQ(greedy->WidthFor(500), -1);
    EXPECT_EQ(greedy->MinWidth(), 80) << "a minimum of -1 is the control's current width";
    EXPECT_EQ(greedy->MaxWidth(), -1);

    const auto percent = ItemFor(state, PercentWidth, 30, 0, 2, 2);
    EXPECT_EQ(percent->WidthFor(250), 75);
    EXPECT_EQ(percent->MinWidth(), 5) << "never less than 5";
    EXPECT_EQ(percent->MinHeight(), 5);
}

TEST(PaneItemSizes, SpacerKeepsItsValues)
{
    PaneItem spacer(FixedWidth | FixedHeight, 10, 0, -1, -1);
    EXPECT_EQ(spacer.WidthFor(0), 10);
    EXPECT_EQ(spacer.MinHeight(), 0);
    EXPECT_EQ(spacer.MaxHeight(), 0);
    EXPECT_EQ(spacer.MinWidth(), 10);
    EXPECT_TRUE(spacer.MoveTo({0, 0, 10, 10}));
}

TEST(PaneItemSizes, HiddenControlWithHideFlagAnswersZero)
{
    auto state = std::make_shared<FakeControlState>();
    state->visible = false;
    const PaneItem item(std::make_unique<FakeControl>(state), PercentWidth, 50, 0, -1, -1, true);
    EXPECT_EQ(item.WidthFor(100), 0);
    EXPECT_EQ(item.MinWidth(), 0);
    EXPECT_EQ(item.MaxWidth(), 0);
    EXPECT_EQ(item.MinHeight(), 0);

    const PaneItem withoutFlag(std::make_unique<FakeControl>(state), PercentWidth, 50, 0, -1, -1, false);
    EXPECT_EQ(withoutFlag.WidthFor(100), 50) << "without the flag a hidden control keeps its space";
}

struct PlacementCase {
    std::string name;
    unsigned mode;
    bool dropDownComboBox;
    LayoutRect expected; // in the cell {10, 20, 110, 70} for a 40 x 20 control
};

std::ostream& operator<<(std::ostream& out, const PlacementCase& c)
{
    return out << c.name;
}

class PaneItemPlacement : public testing::TestWithParam<PlacementCase> { };

TEST_P(PaneItemPlacement, PutsTheControlInItsCell)
{
    auto state = std::make_shared<FakeControlState>();
    state->size = {40, 20};
    state->dropDownComboBox = GetParam().dropDownComboBox;
    ItemFor(state, GetParam().mode)->MoveTo({10, 20, 110, 70});
    EXPECT_EQ(state->placed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PaneItemPlacement,
    testing::Values(
        PlacementCase{"GreedyFillsTheCell", Greedy, false, {10, 20, 110, 70}},
        PlacementCase{"FixedSitsTopLeft", FixedWidth | FixedHeight, false, {10, 20, 50, 40}},
        PlacementCase{"AlignRightAndBottom",
                      FixedWidth | FixedHeight | AlignRight | AlignBottom,
                      false,
                      {70, 50, 110, 70}},
        PlacementCase{"BothAlignBitsCentre",
                      FixedWidth | FixedHeight | AlignLeft | AlignRight | AlignTop | AlignBottom,
                      false,
                      {40, 35, 80, 55}},
        PlacementCase{
            "FillWidensAFixedWidth", FixedWidth | FillWidth | FixedHeight, false, {10, 20, 110, 40}},
        PlacementCase{
            "AlignmentWithoutFixedSizeIsIgnored", AlignRight | AlignBottom, false, {10, 20, 110, 70}},
        PlacementCase{"DropDownComboKeepsItsHeight", Greedy, true, {10, 20, 110, 40}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });
} // namespace
