#pragma once

#include "ui/FrequencyCtrlDetails.h"

#include "recurrence/FrequencyYearly.h"

// The details of a yearly rule: either a fixed day of a month, or a weekday of a week of a month.
// Its controls stay where the template puts them.
class FrequencyCtrlYearlyDetails : public DetailsPanel<FrequencyYearly>, public FrequencyCtrlDetails {
public:
    explicit FrequencyCtrlYearlyDetails(FrequencyYearly& owner);

    void Create(DetailsPanelParent& parent) override;
    Values GetValues() const override;

private:
    void OnInitDialog();
    void ReadControls();
    void OnModeClicked();
    void OnSelectionChanged();

    FrequencyYearly* owner;
    FrequencyYearly::Values values{};
};
