#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyDaily.h"

// The details of a daily rule: the interval in days and the day the series starts on.
class FrequencyCtrlDailyDetails : public FrequencyCtrlKindDetails<FrequencyDaily> {
public:
    explicit FrequencyCtrlDailyDetails(FrequencyDaily& owner);

    Values GetValues() const override;

private:
    void OnInitDialog() override;
    void BuildLayout(LayoutDialog& window, const TemplateRows& rows) override;
    void ReadControls() override;
    void UpdateControls() override;

    std::int32_t interval = 1;
    Date start;
};
