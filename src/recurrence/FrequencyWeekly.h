#pragma once

#include "recurrence/FrequencyKind.h"

#include <cstdint>
#include <map>
#include <vector>

// Falls due on the enabled weekdays, every n weeks, counted from the date it is asked about.
class FrequencyWeekly : public FrequencyKind<FrequencyWeekly> {
public:
    // Weekday value (Monday 0 ... Sunday 6) to whether the rule falls due on it; always seven keys.
    using WeekdayMap = std::map<std::int32_t, bool>;

    struct Values {
        WeekdayMap active_weekdays;
        std::int32_t every_n_weeks;
    };

    FrequencyWeekly();

    // The rule's element in the roster file.
    static constexpr const wchar_t* ElementName = L"weekly";

    std::wstring GetDescription() const override;
    bool SaveXml(const XmlNode& parent) const override;
    bool LoadXml(const XmlNode& element) override;
    void CreateDetailsPanel(DetailsPanelParent& parent) override;
    Date NextAfter(const Date& day) const override;

    void OnPanelChanged(DetailsPanel<FrequencyWeekly>* changed);

    WeekdayMap active_weekdays;
    std::int32_t every_n_weeks = 1;

    // A rule that was read or is about to be edited falls due on at least one day.
    void EnableMondayWhenNoDayIs();

private:
    bool IsEnabled(std::int32_t weekday) const;
};

// "Monday", "Monday and Friday", "Monday, Tuesday and Thursday"; "no days selected" for none.
std::wstring JoinDayNames(const std::vector<std::int32_t>& weekdays);
