#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyWeekly.h"

#include <array>

// The details of a weekly rule: the interval in weeks and the weekdays it falls due on. At least
// one day stays checked.
class FrequencyCtrlWeeklyDetails : public DetailsPanel<FrequencyWeekly>, public FrequencyCtrlDetails {
public:
    explicit FrequencyCtrlWeeklyDetails(FrequencyWeekly& owner);

    void Create(DetailsPanelParent& parent) override;
    Values GetValues() const override;

private:
    void OnInitDialog();
    void BuildLayout(const DialogUnits& units);
    void WriteControls();
    void ReadControls();
    void UpdateUnitLabel();
    void OnIntervalChanged();
    void OnDayClicked();

    FrequencyWeekly* owner;
    // Monday first.
    std::array<bool, 7> checked{};
    std::int32_t interval = 1;
};
