#include "recurrence/FrequencyMonthly.h"

#include "recurrence/Calendar.h"
#include "recurrence/ElementName.h"
#include "storage/XmlNode.h"

#include <algorithm>

std::wstring FrequencyMonthly::GetDescription() const
{
    std::wstring text
        = every_nth_month == 1 ? L"Every month " : L"Every " + std::to_wstring(every_nth_month) + L" months ";
    if (time_mode == SpecificWeekday)
        return text + L"on the " + DisplayByValue(OrdinalTable, week_repeat) + L" "
            + DisplayByValue(WeekdayTable, day_of_week);
    return text + L"on the " + OrdinalNumber(on_day_n) + L" day";
}

bool FrequencyMonthly::SaveXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(ElementName);
    element.SetAttribute(L"every_nth_month", std::to_wstring(every_nth_month));
    element.SetAttribute(L"time_mode", KeyByValue(TimingModeTable, time_mode));
    element.SetAttribute(L"on_day_n", std::to_wstring(on_day_n));
    element.SetAttribute(L"day_of_week", KeyByValue(WeekdayTable, day_of_week));
    element.SetAttribute(L"week_repeat", KeyByValue(OrdinalTable, week_repeat));
    return true;
}

bool FrequencyMonthly::LoadXml(const XmlNode& element)
{
    if (!IsElementNamed(element, ElementName))
        return false;
    every_nth_month = element.GetIntAttribute(L"every_nth_month", 0);
    // Outside 1..12 the file was not written by the editor; every month keeps the rule advancing.
    if (every_nth_month < 1 || every_nth_month > 12)
        every_nth_month = 1;
    std::wstring key;
    element.ReadAttribute(L"time_mode", key);
    ValueByKey(TimingModeTable, key, time_mode);
    // The rule falls due on the nearest day of the month; the description names that day.
    on_day_n = std::clamp(element.GetIntAttribute(L"on_day_n", 0), 1, 31);
    element.ReadAttribute(L"day_of_week", key);
    ValueByKey(WeekdayTable, key, day_of_week);
    element.ReadAttribute(L"week_repeat", key);
    ValueByKey(OrdinalTable, key, week_repeat);
    return true;
}

Date FrequencyMonthly::NextAfter(const Date& day) const
{
    // The month of day starts the series: its due date counts while it still lies ahead.
    const Date due = DueIn(MonthsLater(day, 0));
    if (due > day)
        return due;
    return DueIn(MonthsLater(day, std::max(every_nth_month, 1)));
}

Date FrequencyMonthly::DueIn(const Date& month) const
{
    if (time_mode == SpecificWeekday)
        return WeekdayInMonth(month.year(), month.month(), day_of_week, week_repeat);
    return DayInMonth(month.year(), month.month(), on_day_n);
}

void FrequencyMonthly::OnPanelChanged(DetailsPanel<FrequencyMonthly>* changed)
{
    const Values values = changed->GetValues();
    every_nth_month = values.every_nth_month;
    time_mode = values.time_mode;
    on_day_n = values.on_day_n;
    day_of_week = values.day_of_week;
    week_repeat = values.week_repeat;
    Changed(this);
}
