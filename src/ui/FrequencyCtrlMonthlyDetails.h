#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyMonthly.h"

// The details of a monthly rule: the interval in months, and either a day of the month or a
// weekday of a week of the month.
class FrequencyCtrlMonthlyDetails : public DetailsPanel<FrequencyMonthly>, public FrequencyCtrlDetails {
public:
    explicit FrequencyCtrlMonthlyDetails(FrequencyMonthly& owner);

    void Create(DetailsPanelParent& parent) override;
    Values GetValues() const override;

private:
    void OnInitDialog();
    void BuildLayout(const DialogUnits& units);
    void ReadControls();
    void EnableForMode();
    void UpdateUnitLabel();
    void OnSelectionChanged();
    void OnIntervalChanged();
    void OnModeClicked();

    FrequencyMonthly* owner;
    std::int32_t interval = 1;
    std::int32_t mode = FixedDay;
    std::int32_t day = 1;
    std::int32_t weekday = Monday;
    std::int32_t ordinal = FirstWeek;
};
