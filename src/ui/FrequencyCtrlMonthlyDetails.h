#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyMonthly.h"

// The details of a monthly rule: the interval in months, and either a day of the month or a
// weekday of a week of the month.
class FrequencyCtrlMonthlyDetails : public FrequencyCtrlKindDetails<FrequencyMonthly> {
public:
    explicit FrequencyCtrlMonthlyDetails(FrequencyMonthly& owner);

    Values GetValues() const override;

private:
    void OnInitDialog() override;
    void BuildLayout(LayoutDialog& window, const TemplateRows& rows) override;
    void ReadControls() override;
    void UpdateControls() override;

    std::int32_t interval = 1;
    std::int32_t mode = FixedDay;
    std::int32_t day = 1;
    std::int32_t weekday = Monday;
    std::int32_t ordinal = FirstWeek;
};
