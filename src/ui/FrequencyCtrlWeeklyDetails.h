#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyWeekly.h"

#include <array>

// The details of a weekly rule: the interval in weeks and the weekdays it falls due on. At least
// one day stays checked.
class FrequencyCtrlWeeklyDetails : public FrequencyCtrlKindDetails<FrequencyWeekly> {
public:
    explicit FrequencyCtrlWeeklyDetails(FrequencyWeekly& owner);

    Values GetValues() const override;

private:
    void OnInitDialog() override;
    void BuildLayout(LayoutDialog& window, const TemplateRows& rows) override;
    void WriteControls();
    void ReadControls() override;
    void UpdateControls() override;

    // Monday first.
    std::array<bool, 7> checked{};
    std::int32_t interval = 1;
};
