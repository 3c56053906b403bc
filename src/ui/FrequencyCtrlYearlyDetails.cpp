#include "ui/FrequencyCtrlYearlyDetails.h"

#include "ui/ComboBoxItems.h"
#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"

#include <QComboBox>
#include <QRadioButton>

namespace {
using namespace YearlyDetailsId;

constexpr ControlTemplate kControls[] = {
    {kEvery, ControlKind::RadioButton, "Every", 0, 2, 35, 10},
    {kOnThe, ControlKind::RadioButton, "On the", 0, 21, 38, 10},
    {kFixedMonth, ControlKind::DropDownList, "", 38, 0, 48, 30},
    {kFixedDay, ControlKind::DropDownList, "", 93, 0, 48, 30},
    {kOrdinal, ControlKind::DropDownList, "", 39, 19, 48, 30},
    {kWeekday, ControlKind::DropDownList, "", 93, 19, 48, 30},
    {kWeekdayMonth, ControlKind::DropDownList, "", 160, 19, 48, 30},
    {kOfLabel, ControlKind::Label, "of", 148, 21, 8, 8},
};
constexpr DialogTemplate kDialog = {kTemplate, nullptr, 208, 32, "MS Shell Dlg", 8, kControls};

constexpr int kLastDay = 31;
} // namespace

FrequencyCtrlYearlyDetails::FrequencyCtrlYearlyDetails(FrequencyYearly& owner)
    : FrequencyCtrlKindDetails(owner, kDialog)
{
}

FrequencyYearly::Values FrequencyCtrlYearlyDetails::GetValues() const
{
    return values;
}

void FrequencyCtrlYearlyDetails::OnInitDialog()
{
    values = {owner->timing_mode,   owner->every_month, owner->weekday,
              owner->week_repeater, owner->month,       owner->every_month_day};

    Get<QRadioButton>(values.timing_mode == SpecificWeekday ? kOnThe : kEvery)->setChecked(true);
    SelectValue(*Get<QComboBox>(kFixedMonth), MonthTable, values.every_month);
    SelectValue(*Get<QComboBox>(kOrdinal), OrdinalTable, values.week_repeater);
    SelectValue(*Get<QComboBox>(kWeekday), WeekdayTable, values.weekday);
    SelectValue(*Get<QComboBox>(kWeekdayMonth), MonthTable, values.month);
    FillNumbers(*Get<QComboBox>(kFixedDay), kLastDay);
    SelectNumber(*Get<QComboBox>(kFixedDay), values.every_month_day);
    OnControlChanged();

    ConnectChanges<QRadioButton>({kEvery, kOnThe}, &QRadioButton::clicked);
    ConnectChanges<QComboBox>({kFixedMonth, kFixedDay, kOrdinal, kWeekday, kWeekdayMonth},
                              &QComboBox::currentIndexChanged);
}

// No pane tree: the panels laid out by one keep its margins from the frame, and this one lines up
// with them.
void FrequencyCtrlYearlyDetails::BuildLayout(LayoutDialog& window, const TemplateRows&)
{
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->move(control->pos() + QPoint(LayoutMgr::kMarginX, LayoutMgr::kMarginY));
}

void FrequencyCtrlYearlyDetails::ReadControls()
{
    values.timing_mode = Get<QRadioButton>(kOnThe)->isChecked() ? SpecificWeekday : FixedDay;
    ReadValue(*Get<QComboBox>(kFixedMonth), MonthTable, values.every_month);
    ReadNumber(*Get<QComboBox>(kFixedDay), values.every_month_day);
    ReadValue(*Get<QComboBox>(kOrdinal), OrdinalTable, values.week_repeater);
    ReadValue(*Get<QComboBox>(kWeekday), WeekdayTable, values.weekday);
    ReadValue(*Get<QComboBox>(kWeekdayMonth), MonthTable, values.month);
}

void FrequencyCtrlYearlyDetails::UpdateControls()
{
    const bool fixedDay = values.timing_mode == FixedDay;
    for (const int id : {kFixedMonth, kFixedDay})
        Get<QWidget>(id)->setEnabled(fixedDay);
    for (const int id : {kOrdinal, kWeekday, kWeekdayMonth, kOfLabel})
        Get<QWidget>(id)->setEnabled(!fixedDay);
}
