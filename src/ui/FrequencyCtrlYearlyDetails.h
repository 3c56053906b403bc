#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyYearly.h"

// The details of a yearly rule: either a fixed day of a month, or a weekday of a week of a month.
// Its controls stay where the template puts them.
class FrequencyCtrlYearlyDetails : public FrequencyCtrlKindDetails<FrequencyYearly> {
public:
    explicit FrequencyCtrlYearlyDetails(FrequencyYearly& owner);

    Values GetValues() const override;

private:
    void OnInitDialog() override;
    void BuildLayout(LayoutDialog& window, const TemplateRows& rows) override;
    void ReadControls() override;
    void UpdateControls() override;

    FrequencyYearly::Values values{};
};
