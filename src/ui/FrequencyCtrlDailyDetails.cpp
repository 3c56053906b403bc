#include "ui/FrequencyCtrlDailyDetails.h"

#include "ui/ComboBoxItems.h"
#include "ui/ControlIds.h"
#include "ui/DateConversion.h"
#include "ui/DialogTemplate.h"
#include "ui/TemplateRows.h"

#include <QComboBox>
#include <QDateEdit>

namespace {
using namespace DailyDetailsId;

constexpr ControlTemplate kControls[] = {
    {kEveryLabel, ControlKind::Label, "Every", 0, 0, 20, 8},
    {kUnitLabel, ControlKind::Label, "day", 60, 0, 19, 8},
    {kInterval, ControlKind::DropDownList, "", 19, 0, 38, 30},
    {kStartDay, ControlKind::DatePicker, "", 49, 24, 60, 15},
    {kStartingOnLabel, ControlKind::Label, "starting on", 7, 27, 36, 8},
};
constexpr DialogTemplate kDialog = {kTemplate, nullptr, 116, 46, "MS Shell Dlg", 8, kControls};

// The editor offers intervals up to four weeks.
constexpr int kLongestInterval = 29;
} // namespace

FrequencyCtrlDailyDetails::FrequencyCtrlDailyDetails(FrequencyDaily& owner)
    : FrequencyCtrlKindDetails(owner, kDialog)
{
}

FrequencyDaily::Values FrequencyCtrlDailyDetails::GetValues() const
{
    return {interval, start};
}

void FrequencyCtrlDailyDetails::OnInitDialog()
{
    interval = owner->every_n_days;
    start = owner->first_day;

    auto* picker = Get<QDateEdit>(kStartDay);
    picker->setDisplayFormat(ShortDateFormat());
    picker->setDateRange(EarliestFieldDate(), LatestFieldDate());
    picker->setDate(ToFieldDate(start));

    auto* intervals = Get<QComboBox>(kInterval);
    FillNumbers(*intervals, kLongestInterval);
    SelectNumber(*intervals, interval);
    Refresh();

    ConnectChanges<QComboBox>({kInterval}, &QComboBox::currentIndexChanged);
    ConnectChanges<QDateEdit>({kStartDay}, &QDateEdit::dateChanged);
}

void FrequencyCtrlDailyDetails::BuildLayout(LayoutDialog& window, const TemplateRows& rows)
{
    rows.Stack(*window.CreateRoot(Vertical),
               {{rows.Row({kEveryLabel, kInterval, kUnitLabel}), kInterval},
                {rows.Row({kStartingOnLabel, kStartDay}), kStartDay}});
}

// An interval the list does not offer (only a roster file can hold one) stays as it is.
void FrequencyCtrlDailyDetails::ReadControls()
{
    ReadNumber(*Get<QComboBox>(kInterval), interval);
    start = FromFieldDate(Get<QDateEdit>(kStartDay)->date());
}

void FrequencyCtrlDailyDetails::UpdateControls()
{
    ShowUnit(kUnitLabel, interval, L"day", L"days");
}
