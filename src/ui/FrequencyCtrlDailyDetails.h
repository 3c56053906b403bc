#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyDaily.h"

// The details of a daily rule: the interval in days and the day the series starts on.
class FrequencyCtrlDailyDetails : public DetailsPanel<FrequencyDaily>, public FrequencyCtrlDetails {
public:
    explicit FrequencyCtrlDailyDetails(FrequencyDaily& owner);

    void Create(DetailsPanelParent& parent) override;
    Values GetValues() const override;

private:
    void OnInitDialog();
    void BuildLayout(const DialogUnits& units);
    void ReadControls();
    void UpdateUnitLabel();
    void OnControlChanged();

    FrequencyDaily* owner;
    std::int32_t interval = 1;
    Date start;
};
