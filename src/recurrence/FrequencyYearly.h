#pragma once

#include "recurrence/FrequencyKind.h"
#include "recurrence/Vocabulary.h"

#include <cstdint>

// Falls due once a year, on a fixed day of a month or on a weekday of a week of a month,
// the first such date after the date it is asked about.
class FrequencyYearly : public FrequencyKind<FrequencyYearly> {
public:
    // The editor hands the six values over as one block, in this order.
    struct Values {
        std::int32_t timing_mode;
        std::int32_t every_month;
        std::int32_t weekday;
        std::int32_t week_repeater;
        std::int32_t month;
        std::int32_t every_month_day;
    };

    FrequencyYearly() = default;

    // The rule's element in the roster file.
    static constexpr const wchar_t* ElementName = L"yearly";

    std::wstring GetDescription() const override;
    bool SaveXml(const XmlNode& parent) const override;
    bool LoadXml(const XmlNode& element) override;
    Date NextAfter(const Date& day) const override;

    void OnPanelChanged(DetailsPanel<FrequencyYearly>* changed);

    std::int32_t timing_mode = FixedDay;
    std::int32_t every_month = 0;
    std::int32_t weekday = Monday;
    std::int32_t week_repeater = FirstWeek;
    std::int32_t month = 0;
    std::int32_t every_month_day = 1;

private:
    // The due date inside the given year.
    Date DueIn(std::int64_t year) const;
};
