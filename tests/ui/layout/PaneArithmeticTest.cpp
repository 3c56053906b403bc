#include "FakeLayout.h"

#include "ui/layout/Pane.h"
#include "ui/layout/PaneCtrl.h"
#include "ui/layout/PaneItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct ProbeChild {
    unsigned mode;
    ProbePane::Limits width;
};

struct DistributionCase {
    std::string name;
    int length;
    int border;
    int extraBorder;
    std::vector<ProbeChild> children;
    std::vector<int> expectedWidths;
};

std::ostream& operator<<(std::ostream& out, const DistributionCase& c)
{
    return out << c.name;
}

class PaneDistribution : public testing::TestWithParam<DistributionCase> { };

TEST_P(PaneDistribution, GivesEachChildItsWidth)
{
    const DistributionCase& c = GetParam();
    Pane pane(Horizontal, Greedy, c.border, c.extraBorder, 0);
    std::vector<std::shared_ptr<ProbePane>> probes;
    for (const ProbeChild& child : c.children) {
        probes.push_back(std::make_shared<ProbePane>(child.mode, child.width));
        pane.Add(probes.back());
    }

    const int left = 10;
    ASSERT_TRUE(pane.MoveTo({left, 0, left + c.length, 30}));

    std::vector<int> widths;
    int position = left + c.extraBorder;
    for (const auto& probe : probes) {
        ASSERT_TRUE(probe->cell.has_value());
        EXPECT_EQ(probe->cell->left, position) << "cells follow each other, a border apart";
        widths.push_back(probe->cell->Width());
        position = probe->cell->right + c.border;
    }
    EXPECT_EQ(widths, c.expectedWidths);
}

// Limits: {size or percentage, minimum, maximum}.
INSTANTIATE_TEST_SUITE_P(
    Steps, PaneDistribution,
    testing::Values(
        DistributionCase{
            "FixedThenGreedy", 100, 0, 0, {{FixedWidth, {30}}, {Greedy, {}}, {Greedy, {}}}, {30, 35, 35}},
        DistributionCase{
            "BordersAndExtraBordersComeFirst", 100, 4, 3, {{Greedy, {}}, {Greedy, {}}}, {45, 45}},
        DistributionCase{"OversizedFixedLeavesGreedyAtMinimum",
                         50,
                         0,
                         0,
                         {{FixedWidth, {40}}, {FixedWidth, {30}}, {Greedy, {}}},
                         {40, 30, 5}},
        DistributionCase{"PercentPinnedAtMinimumTakesFromFreePercents",
                         200,
                         0,
                         0,
                         {{PercentWidth, {10, 40}}, {PercentWidth, {60}}, {PercentWidth, {30}}},
                         {40, 107, 53}},
        DistributionCase{"PercentBeyondTheSlackIsPaidFromTheRest",
                         200,
                         0,
                         0,
                         {{PercentWidth, {10, 100}}, {PercentWidth, {20, 30}}, {Greedy, {}}},
                         {100, 30, 70}},
        DistributionCase{"PercentPinnedAtMaximumLeavesRoomToFreePercents",
                         200,
                         0,
                         0,
                         {{PercentWidth, {50, 5, 30}}, {PercentWidth, {25}}},
                         {30, 120}},
        DistributionCase{"ZeroSizedFreePercentDoesNotDivideByZero",
                         20,
                         0,
                         0,
                         {{PercentWidth, {100, 30}}, {PercentWidth, {0, 0}}},
                         {30, 0}},
        DistributionCase{"GreedyPinnedAtMinimumIsPaidProportionally",
                         100,
                         0,
                         0,
                         {{Greedy, {0, 50}}, {Greedy, {}}, {Greedy, {}}},
                         {50, 25, 25}},
        DistributionCase{"SmallGreedyDifferenceComesFromTheFirstFreeChild",
                         100,
                         0,
                         0,
                         {{Greedy, {0, 36}}, {Greedy, {}}, {Greedy, {}}},
                         {36, 30, 34}},
        DistributionCase{"GreedyAtMaximumLetsChildAtMinimumGrow",
                         100,
                         0,
                         0,
                         {{Greedy, {0, 60}}, {Greedy, {0, 5, 10}}},
                         {90, 10}},
        DistributionCase{"ChildAtMinimumGrowsOnlyToItsMaximum",
                         100,
                         0,
                         0,
                         {{Greedy, {0, 60, 70}}, {Greedy, {0, 5, 10}}, {Greedy, {0, 5, 10}}},
                         {70, 10, 10}},
        DistributionCase{"FillChildrenShareTheLeftoverLastTakesTheRemainder",
                         101,
                         0,
                         0,
                         {{FixedWidth | FillWidth, {20}}, {FixedWidth | FillWidth, {20}}, {FixedWidth, {10}}},
                         {45, 46, 10}},
        DistributionCase{"FillGetsNothingWhileGreedyChildrenTakeAll",
                         100,
                         0,
                         0,
                         {{FixedWidth | FillWidth, {20}}, {Greedy, {}}},
                         {20, 80}}),
    [](const testing::TestParamInfo<DistributionCase>& info) { return info.param.name; });

TEST(PaneLayout, VerticalPaneStacksAndNarrowsAcross)
{
    Pane pane(Vertical, Greedy, 2, 3, 0);
    auto top = std::make_shared<ProbePane>(FixedHeight, ProbePane::Limits{}, ProbePane::Limits{20});
    auto bottom = std::make_shared<ProbePane>(Greedy, ProbePane::Limits{});
    pane.Add(top).Add(bottom);

    pane.MoveTo({0, 0, 50, 100});

    EXPECT_EQ(top->cell, (LayoutRect{3, 3, 47, 23}));
    EXPECT_EQ(bottom->cell, (LayoutRect{3, 25, 47, 97}));
}

TEST(PaneSizes, EveryChildCountsAsAtLeastFiveInTheMinimum)
{
    Pane row(Horizontal, Greedy, 4, 3, 0);
    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 2}));
    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 30}));
    EXPECT_EQ(row.MinWidth(), 5 + 30 + 4 + 2 * 3);

    // A spacer of height 0 still counts with 5 in a column.
    Pane column(Vertical, Greedy, 0, 0, 0);
    column.Add(std::make_shared<PaneItem>(FixedWidth | FixedHeight, 10, 0, 0, 0));
    EXPECT_EQ(column.MinHeight(), 5);
}

TEST(PaneSizes, MaximumIsTheSumOfMaximaUnlessOneChildIsUnlimited)
{
    Pane row(Horizontal, Greedy, 5, 2, 0);
    EXPECT_EQ(row.MaxWidth(), -1) << "an empty pane is unlimited";
    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 5, 20}));
    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 5, 30}));
    EXPECT_EQ(row.MaxWidth(), 20 + 30 + 5 + 2 * 2);

    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 5, -1}));
    EXPECT_EQ(row.MaxWidth(), -1);
}

TEST(PaneSizes, SecondaryDirectionTakesTheLargestChildOrTheFixedSize)
{
    Pane row(Horizontal, Greedy, 5, 2, 0);
    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{}, ProbePane::Limits{0, 10, 12}));
    row.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{}, ProbePane::Limits{0, 14, 16}));
    EXPECT_EQ(row.MinHeight(), 14 + 2 * 2);
    EXPECT_EQ(row.MaxHeight(), 16 + 2 * 2);

    Pane fixedRow(Horizontal, FixedHeight, 5, 2, 25);
    fixedRow.Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{}, ProbePane::Limits{0, 14, -1}));
    EXPECT_EQ(fixedRow.MinHeight(), 25);
    EXPECT_EQ(fixedRow.MaxHeight(), 25);
}

TEST(PaneAdd, PaneOfTheSameOrientationIsWrappedInTheOtherOne)
{
    auto inner = std::make_shared<Pane>(Horizontal, Greedy, 10, 0, 0);
    inner->Add(std::make_shared<ProbePane>(FixedWidth, ProbePane::Limits{20, 20, 20}));
    inner->Add(std::make_shared<ProbePane>(FixedWidth, ProbePane::Limits{30, 30, 30}));
    Pane root(Horizontal, Greedy, 0, 0, 0);

    root.Add(inner, FixedWidth, 0);

    ASSERT_EQ(root.Children().size(), 1u);
    const auto* wrapper = dynamic_cast<const Pane*>(root.Children()[0].get());
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->GetOrientation(), Vertical);
    ASSERT_EQ(wrapper->Children().size(), 1u);
    EXPECT_EQ(wrapper->Children()[0], inner);
    EXPECT_EQ(wrapper->Mode(), FixedWidth);
    EXPECT_EQ(wrapper->WidthFor(0), 20 + 30 + 10) << "the wrapper's fixed width is its minimum";
}

TEST(PaneAdd, SecondarySizeOfAFixedOrPercentageChild)
{
    auto column = [] {
        auto pane = std::make_shared<Pane>(Vertical, Greedy, 0, 0, 0);
        pane->Add(std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 40}));
        return pane;
    };
    Pane row(Horizontal, Greedy, 0, 0, 0);
    auto byMinimum = column(), given = column(), percent = column();

    row.Add(byMinimum, FixedWidth, 0).Add(given, FixedWidth, 55).Add(percent, PercentWidth, 30);

    EXPECT_EQ(byMinimum->WidthFor(0), 40);
    EXPECT_EQ(given->WidthFor(0), 55);
    EXPECT_EQ(percent->WidthFor(200), 60);
}

TEST(PaneLayout, HiddenItemWithHideFlagTakesNoSpaceAndNeighboursCloseUp)
{
    auto left = std::make_shared<FakeControlState>(), hidden = std::make_shared<FakeControlState>(),
         right = std::make_shared<FakeControlState>();
    hidden->visible = false;
    const auto item = [](const std::shared_ptr<FakeControlState>& state, bool hideFlag) {
        return std::make_shared<PaneItem>(std::make_unique<FakeControl>(state), FixedWidth | FixedHeight, 0,
                                          0, -1, -1, hideFlag);
    };
    Pane row(Horizontal, Greedy, 5, 0, 0);
    row.Add(item(left, false)).Add(item(hidden, true)).Add(item(right, false));

    row.MoveTo({0, 0, 300, 20});
    EXPECT_FALSE(hidden->placed.has_value()) << "a hidden control is left alone";
    EXPECT_EQ(right->placed->left, 40 + 5 + 0 + 5);

    hidden->visible = true;
    row.MoveTo({0, 0, 300, 20});
    EXPECT_EQ(hidden->placed->left, 45);
    EXPECT_EQ(right->placed->left, 40 + 5 + 40 + 5);
}

TEST(PaneCtrlLayout, FrameCoversTheCellAndItsCaptionAddsToTheHeight)
{
    auto frame = std::make_shared<FakeControlState>();
    PaneCtrl box(std::make_unique<FakeControl>(frame), Vertical, Greedy, 0, 7, 10, 0);
    auto content
        = std::make_shared<ProbePane>(Greedy, ProbePane::Limits{0, 30}, ProbePane::Limits{0, 20, 40});
    box.Add(content);

    EXPECT_EQ(box.MinHeight(), 20 + 2 * 7 + 10);
    EXPECT_EQ(box.MaxHeight(), 40 + 2 * 7 + 10);
    EXPECT_EQ(box.MinWidth(), 30 + 2 * 7);

    box.MoveTo({0, 0, 100, 80});
    EXPECT_EQ(frame->placed, (LayoutRect{0, 0, 100, 80}));
    EXPECT_EQ(content->cell, (LayoutRect{7, 17, 93, 57})) << "below the caption, held at its maximum height";
}
} // namespace
