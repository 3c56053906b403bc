#include "ui/FrequencyCtrlMonthlyDetails.h"

#include "ui/ComboBoxItems.h"
#include "ui/ControlIds.h"
#include "ui/TemplateRows.h"
#include "ui/layout/LayoutDialog.h"

#include <QComboBox>
#include <QLabel>
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

constexpr int kLongestInterval = 11;
constexpr int kLastDay = 31;
} // namespace

FrequencyCtrlMonthlyDetails::FrequencyCtrlMonthlyDetails(FrequencyMonthly& owner)
    : owner(&owner)
{
}

void FrequencyCtrlMonthlyDetails::Create(DetailsPanelParent& parent)
{
    auto* window = NewWindow<LayoutDialog>(parent);
    const DialogUnits units = BuildFromTemplate(kDialog, *window);
    OnInitDialog();
    BuildLayout(units);
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
    ReadControls();
    EnableForMode();
    UpdateUnitLabel();
    Changed(this);

    QObject::connect(Get<QComboBox>(kInterval), &QComboBox::currentIndexChanged, Window(),
                     [this] { OnIntervalChanged(); });
    for (const int id : {kDay, kOrdinal, kWeekday})
        QObject::connect(Get<QComboBox>(id), &QComboBox::currentIndexChanged, Window(),
                         [this] { OnSelectionChanged(); });
    for (const int id : {kOnDay, kOnThe})
        QObject::connect(Get<QRadioButton>(id), &QRadioButton::clicked, Window(), [this] { OnModeClicked(); });
}

void FrequencyCtrlMonthlyDetails::BuildLayout(const DialogUnits& units)
{
    auto* layout = static_cast<LayoutDialog*>(Window());
    const TemplateRows rows(*layout, units, kControls);
    auto root = layout->CreateRoot(Vertical);
    rows.Stack(*root, {{rows.Row({kEveryLabel, kInterval, kUnitLabel}), kInterval},
                       {rows.Row({kOnDay, kDay}), kDay},
                       {rows.Row({kOnThe, kOrdinal, kWeekday}), kOrdinal}});
    layout->UpdateLayout();
}

void FrequencyCtrlMonthlyDetails::ReadControls()
{
    mode = Get<QRadioButton>(kOnThe)->isChecked() ? SpecificWeekday : FixedDay;
    ReadNumber(*Get<QComboBox>(kInterval), interval);
    ReadNumber(*Get<QComboBox>(kDay), day);
    ReadValue(*Get<QComboBox>(kOrdinal), OrdinalTable, ordinal);
    ReadValue(*Get<QComboBox>(kWeekday), WeekdayTable, weekday);
}

void FrequencyCtrlMonthlyDetails::EnableForMode()
{
    Get<QComboBox>(kDay)->setEnabled(mode == FixedDay);
    Get<QComboBox>(kOrdinal)->setEnabled(mode == SpecificWeekday);
    Get<QComboBox>(kWeekday)->setEnabled(mode == SpecificWeekday);
}

void FrequencyCtrlMonthlyDetails::UpdateUnitLabel()
{
    ReadControls();
    Get<QLabel>(kUnitLabel)->setText(QString::fromStdWString(UnitWord(interval, L"month", L"months")));
}

void FrequencyCtrlMonthlyDetails::OnSelectionChanged()
{
    ReadControls();
    Changed(this);
}

void FrequencyCtrlMonthlyDetails::OnIntervalChanged()
{
    ReadControls();
    UpdateUnitLabel();
    Changed(this);
}

void FrequencyCtrlMonthlyDetails::OnModeClicked()
{
    ReadControls();
    EnableForMode();
    Changed(this);
}
