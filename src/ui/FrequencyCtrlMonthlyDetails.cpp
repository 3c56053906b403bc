#include "ui/FrequencyCtrlMonthlyDetails.h"

#include "ui/ComboBoxItems.h"
#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"
#include "ui/TemplateRows.h"

#include <QComboBox>
#include <QRadioButton>

namespace {
using namespace MonthlyDetailsId;

constexpr ControlTemplate kControls[] = {
    {kEveryLabel, ControlKind::Label, "Every", 0, 0, 20, 8},
    {kUnitLabel, ControlKind::Label, "month", 65, 0, 54, 8},
    {kInterval, ControlKind::DropDownList, "", 21, 0, 38, 30},
    {kOnDay, ControlKind::RadioButton, "on day", 10, 20, 36, 10},
    {kOnThe, ControlKind::RadioButton, "on the", 10, 38, 38, 10},
    {kDay, ControlKind::DropDownList, "", 52, 18, 38, 30},
    {kOrdinal, ControlKind::DropDownList, "", 52, 36, 60, 30},
    {kWeekday, ControlKind::DropDownList, "", 117, 36, 58, 30},
};
constexpr DialogTemplate kDialog = {kTemplate, nullptr, 177, 49, "MS Shell Dlg", 8, kControls};

// Every month to once a year: the reader keeps intervals of 1 to 12.
constexpr int kLongestInterval = 12;
constexpr int kLastDay = 31;
} // namespace

FrequencyCtrlMonthlyDetails::FrequencyCtrlMonthlyDetails(FrequencyMonthly& owner)
    : FrequencyCtrlKindDetails(owner, kDialog)
{
}

FrequencyMonthly::Values FrequencyCtrlMonthlyDetails::GetValues() const
{
    return {interval, mode, day, weekday, ordinal};
}

void FrequencyCtrlMonthlyDetails::OnInitDialog()
{
    interval = owner->every_nth_month;
    mode = owner->time_mode;
    day = owner->on_day_n;
    weekday = owner->day_of_week;
    ordinal = owner->week_repeat;

    Get<QRadioButton>(mode == SpecificWeekday ? kOnThe : kOnDay)->setChecked(true);
    FillNumbers(*Get<QComboBox>(kInterval), kLongestInterval);
    SelectNumber(*Get<QComboBox>(kInterval), interval);
    FillNumbers(*Get<QComboBox>(kDay), kLastDay);
    SelectNumber(*Get<QComboBox>(kDay), day);
    SelectValue(*Get<QComboBox>(kOrdinal), OrdinalTable, ordinal);
    SelectValue(*Get<QComboBox>(kWeekday), WeekdayTable, weekday);
    OnControlChanged();

    ConnectChanges<QComboBox>({kInterval, kDay, kOrdinal, kWeekday}, &QComboBox::currentIndexChanged);
    ConnectChanges<QRadioButton>({kOnDay, kOnThe}, &QRadioButton::clicked);
}

void FrequencyCtrlMonthlyDetails::BuildLayout(LayoutDialog& window, const TemplateRows& rows)
{
    rows.Stack(*window.CreateRoot(Vertical),
               {{rows.Row({kEveryLabel, kInterval, kUnitLabel}), kInterval},
                {rows.Row({kOnDay, kDay}), kDay},
                {rows.Row({kOnThe, kOrdinal, kWeekday}), kOrdinal}});
}

void FrequencyCtrlMonthlyDetails::ReadControls()
{
    mode = Get<QRadioButton>(kOnThe)->isChecked() ? SpecificWeekday : FixedDay;
    ReadNumber(*Get<QComboBox>(kInterval), interval);
    ReadNumber(*Get<QComboBox>(kDay), day);
    ReadValue(*Get<QComboBox>(kOrdinal), OrdinalTable, ordinal);
    ReadValue(*Get<QComboBox>(kWeekday), WeekdayTable, weekday);
}

void FrequencyCtrlMonthlyDetails::UpdateControls()
{
    ShowUnit(kUnitLabel, interval, L"month", L"months");
    Get<QComboBox>(kDay)->setEnabled(mode == FixedDay);
    Get<QComboBox>(kOrdinal)->setEnabled(mode == SpecificWeekday);
    Get<QComboBox>(kWeekday)->setEnabled(mode == SpecificWeekday);
}
