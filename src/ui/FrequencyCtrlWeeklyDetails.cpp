#include "ui/FrequencyCtrlWeeklyDetails.h"

#include "ui/CCheckedEdit.h"
#include "ui/ControlIds.h"
#include "ui/DialogTemplate.h"
#include "ui/TemplateRows.h"

#include "recurrence/Vocabulary.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

namespace {
using namespace WeeklyDetailsId;

constexpr ControlTemplate kControls[] = {
    {kEveryLabel, ControlKind::Label, "Every", 0, 2, 20, 8},
    {kInterval, ControlKind::CheckedEdit, "", 22, 0, 25, 12},
    {kUnitLabel, ControlKind::Label, "week", 47, 0, 19, 8},
    {kOnLabel, ControlKind::Label, "on", 0, 17, 9, 8},
    {kMonday, ControlKind::CheckBox, "Monday", 24, 17, 41, 10},
    {kTuesday, ControlKind::CheckBox, "Tuesday", 24, 26, 43, 10},
    {kWednesday, ControlKind::CheckBox, "Wednesday", 24, 35, 54, 10},
    {kThursday, ControlKind::CheckBox, "Thursday", 24, 44, 46, 10},
    {kFriday, ControlKind::CheckBox, "Friday", 82, 17, 36, 10},
    {kSaturday, ControlKind::CheckBox, "Saturday", 82, 26, 45, 10},
    {kSunday, ControlKind::CheckBox, "Sunday", 82, 35, 40, 10},
};
constexpr DialogTemplate kDialog = {kTemplate, nullptr, 131, 54, "MS Shell Dlg", 8, kControls};

// The check box of each weekday value, Monday first.
constexpr int kDayBoxes[] = {kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday};

constexpr int kLongestInterval = 52;
} // namespace

FrequencyCtrlWeeklyDetails::FrequencyCtrlWeeklyDetails(FrequencyWeekly& owner)
    : FrequencyCtrlKindDetails(owner, kDialog)
{
}

FrequencyWeekly::Values FrequencyCtrlWeeklyDetails::GetValues() const
{
    FrequencyWeekly::WeekdayMap days;
    for (std::int32_t day = Monday; day <= Sunday; ++day)
        days[day] = checked[static_cast<std::size_t>(day)];
    return {days, interval};
}

void FrequencyCtrlWeeklyDetails::OnInitDialog()
{
    // The kind has made sure that some day is on before it asked for the window.
    for (const auto& [day, on] : owner->active_weekdays)
        checked.at(static_cast<std::size_t>(day)) = on;
    interval = owner->every_n_weeks;
    WriteControls();

    auto* intervalEdit = Get<CCheckedEdit>(kInterval);
    intervalEdit->setAlignment(Qt::AlignRight);
    intervalEdit->SetMinimum(1.0);
    intervalEdit->SetMaximum(kLongestInterval);
    intervalEdit->SetWholeNumbers(true);
    Refresh();

    ConnectChanges<CCheckedEdit>({kInterval}, &QLineEdit::textChanged);
    ConnectChanges<QCheckBox>(kDayBoxes, &QCheckBox::clicked);
}

void FrequencyCtrlWeeklyDetails::BuildLayout(LayoutDialog& window, const TemplateRows& rows)
{
    // "on" reads as the start of the first line of days: its text centred on Monday's.
    auto* on = Get<QLabel>(kOnLabel);
    on->resize(on->width(), Get<QCheckBox>(kMonday)->height());
    auto days = rows.Row({{rows.Column({kOnLabel}), kOnLabel},
                          {rows.Column({kMonday, kTuesday, kWednesday, kThursday}), kMonday},
                          {rows.Column({kFriday, kSaturday, kSunday}), kFriday}});
    rows.Stack(*window.CreateRoot(Vertical),
               {{rows.Row({kEveryLabel, kInterval, kUnitLabel}), kInterval}, {days, kMonday}});
}

void FrequencyCtrlWeeklyDetails::WriteControls()
{
    for (std::size_t day = 0; day < checked.size(); ++day)
        Get<QCheckBox>(kDayBoxes[day])->setChecked(checked[day]);
    Get<CCheckedEdit>(kInterval)->setText(QString::number(interval));
}

// The interval is taken only while the field holds a whole number in range: the field refuses any
// other text and puts the last good one back when the user leaves it.
void FrequencyCtrlWeeklyDetails::ReadControls()
{
    for (std::size_t day = 0; day < checked.size(); ++day)
        checked[day] = Get<QCheckBox>(kDayBoxes[day])->isChecked();

    const auto* intervalEdit = Get<CCheckedEdit>(kInterval);
    if (intervalEdit->IsValid())
        interval = intervalEdit->text().toInt();
}

void FrequencyCtrlWeeklyDetails::UpdateControls()
{
    ShowUnit(kUnitLabel, interval, L"week", L"weeks");
    // Unchecking the last day checks Monday again: a weekly rule falls due on some day.
    if (std::none_of(checked.begin(), checked.end(), [](bool on) { return on; })) {
        checked[Monday] = true;
        Get<QCheckBox>(kMonday)->setChecked(true);
    }
}
