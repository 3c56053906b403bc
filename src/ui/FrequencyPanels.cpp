#include "ui/FrequencyPanels.h"

#include "ui/FrequencyCtrlDailyDetails.h"
#include "ui/FrequencyCtrlMonthlyDetails.h"
#include "ui/FrequencyCtrlWeeklyDetails.h"
#include "ui/FrequencyCtrlYearlyDetails.h"

#include <memory>

namespace {
template <class Kind, class Panel>
void Install()
{
    DetailsPanel<Kind>::SetMaker([](Kind& owner) { return std::make_unique<Panel>(owner); });
}
} // namespace

void InstallFrequencyPanels()
{
    Install<FrequencyDaily, FrequencyCtrlDailyDetails>();
    Install<FrequencyWeekly, FrequencyCtrlWeeklyDetails>();
    Install<FrequencyMonthly, FrequencyCtrlMonthlyDetails>();
    Install<FrequencyYearly, FrequencyCtrlYearlyDetails>();
}
