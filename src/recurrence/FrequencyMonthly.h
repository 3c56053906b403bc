#pragma once

#include "recurrence/FrequencyKind.h"
#include "recurrence/Vocabulary.h"

#include <cstdint>

// Falls due once in every n-th month, on a fixed day or on a weekday of a week of the month,
// counted from the date it is asked about.
class FrequencyMonthly : public FrequencyKind<FrequencyMonthly> {
public:
    struct Values {
        std::int32_t every_nth_month;
        std::int32_t time_mode;
        std::int32_t on_day_n;
        std::int32_t day_of_week;
        std::int32_t week_repeat;
    };

    FrequencyMonthly() = default;

    // The rule's element in the roster file.
    static constexpr const wchar_t* ElementName = L"monthly";

    std::wstring GetDescription() const override;
    bool SaveXml(const XmlNode& parent) const override;
    bool LoadXml(const XmlNode& element) override;
    Date NextAfter(const Date& day) const override;

    void OnPanelChanged(DetailsPanel<FrequencyMonthly>* changed);

    std::int32_t every_nth_month = 1;
    std::int32_t time_mode = FixedDay;
    std::int32_t on_day_n = 1;
    std::int32_t day_of_week = Monday;
    std::int32_t week_repeat = FirstWeek;

private:
    // The due date inside the month of the given day.
    Date DueIn(const Date& month) const;
};
