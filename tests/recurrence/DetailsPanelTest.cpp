#include "DateHelpers.h"

#include "recurrence/Frequency.h"
#include "recurrence/Trackable.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// Stands in for the user interface's daily panel: its values are whatever the test sets.
class FakeDailyPanel : public DetailsPanel<FrequencyDaily> {
public:
    explicit FakeDailyPanel(FrequencyDaily& owner)
        : owner(owner)
    {
    }
    void Create(DetailsPanelParent&) override { ++windows; }
    Values GetValues() const override { return values; }

    FrequencyDaily& owner;
    Values values{1, Date(2010, 1, 1)};
    int windows = 0;
};

class InstalledDailyPanels {
public:
    InstalledDailyPanels()
    {
        DetailsPanel<FrequencyDaily>::SetMaker(
            [](FrequencyDaily& owner) { return std::make_unique<FakeDailyPanel>(owner); });
    }
    ~InstalledDailyPanels() { DetailsPanel<FrequencyDaily>::SetMaker(nullptr); }
};

class DescriptionWatcher : public Trackable {
public:
    explicit DescriptionWatcher(FrequencyBase& kind)
    {
        Track(kind.Changed.connect([this](FrequencyBase* changed) { seen = changed->GetDescription(); }));
    }
    std::wstring seen;
};

struct Host : DetailsPanelParent { };
} // namespace

TEST(DetailsPanel, CarriesPanelChangesIntoTheModelAndOn)
{
    const InstalledDailyPanels installed;
    Host host;
    Frequency frequency;
    frequency.daily.CreateDetailsPanel(host);
    auto* panel = dynamic_cast<FakeDailyPanel*>(frequency.daily.GetDetailsPanel());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(&panel->owner, &frequency.daily);
    EXPECT_EQ(panel->windows, 1);

    DescriptionWatcher watcher(frequency.daily);
    panel->values = {4, D(2011, 5, 6)};
    panel->Changed(panel);
    EXPECT_EQ(frequency.daily.every_n_days, 4);
    EXPECT_EQ(frequency.daily.first_day, D(2011, 5, 6));
    EXPECT_EQ(watcher.seen, L"Every 4 days");

    // A second editor reuses the panel object and only makes a new window.
    frequency.daily.CreateDetailsPanel(host);
    EXPECT_EQ(frequency.daily.GetDetailsPanel(), panel);
    EXPECT_EQ(panel->windows, 2);
}

TEST(Trackable, DisconnectsADestroyedSubscriber)
{
    FrequencyWeekly weekly;
    auto watcher = std::make_unique<DescriptionWatcher>(weekly);
    DescriptionWatcher survivor(weekly);
    EXPECT_EQ(weekly.Changed.num_slots(), 2u);
    watcher.reset();
    EXPECT_EQ(weekly.Changed.num_slots(), 1u);
    weekly.Changed(&weekly);
    EXPECT_EQ(survivor.seen, L"Weekly on no days selected");
}
