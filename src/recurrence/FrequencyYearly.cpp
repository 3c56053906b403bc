#include "recurrence/FrequencyYearly.h"

#include "recurrence/Calendar.h"
#include "recurrence/ElementName.h"
#include "storage/XmlNode.h"

#include <algorithm>

namespace {
// The calendar month (1 to 12) of a month value; a value outside the table counts as January.
int CalendarMonth(std::int32_t value)
{
    return HasValue(MonthTable, value) ? value + 1 : 1;
}
} // namespace

std::wstring FrequencyYearly::GetDescription() const
{
    if (timing_mode == SpecificWeekday)
        return L"Yearly on the " + DisplayByValue(OrdinalTable, week_repeater) + L" "
            + DisplayByValue(WeekdayTable, weekday) + L" of " + DisplayByValue(MonthTable, month);
    return L"Yearly on " + OrdinalNumber(every_month_day) + L" of " + DisplayByValue(MonthTable, every_month);
}

bool FrequencyYearly::SaveXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(ElementName);
    element.SetAttribute(L"timing_mode", KeyByValue(TimingModeTable, timing_mode));
    element.SetAttribute(L"every_month", KeyByValue(MonthTable, every_month));
    element.SetAttribute(L"weekday", KeyByValue(WeekdayTable, weekday));
    element.SetAttribute(L"week_repeater", KeyByValue(OrdinalTable, week_repeater));
    element.SetAttribute(L"month", KeyByValue(MonthTable, month));
    element.SetAttribute(L"every_month_day", std::to_wstring(every_month_day));
    return true;
}

bool FrequencyYearly::LoadXml(const XmlNode& element)
{
    if (!IsElementNamed(element, ElementName))
        return false;
    // One string for all the keys: each would otherwise be a string of its own.
    std::wstring key;
    element.ReadAttribute(L"timing_mode", key);
    ValueByKey(TimingModeTable, key, timing_mode);
    element.ReadAttribute(L"every_month", key);
    ValueByKey(MonthTable, key, every_month);
    element.ReadAttribute(L"weekday", key);
    ValueByKey(WeekdayTable, key, weekday);
    element.ReadAttribute(L"week_repeater", key);
    ValueByKey(OrdinalTable, key, week_repeater);
    element.ReadAttribute(L"month", key);
    ValueByKey(MonthTable, key, month);
    // The rule falls due on the nearest day of the month; the description names that day.
    every_month_day = std::clamp(element.GetIntAttribute(L"every_month_day", 0), 1, 31);
    return true;
}

Date FrequencyYearly::NextAfter(const Date& day) const
{
    // The year of day counts while its due date still lies ahead; otherwise the next year's does.
    const std::int64_t year = day.year();
    const Date due = DueIn(year);
    if (due > day)
        return due;
    return DueIn(year + 1);
}

Date FrequencyYearly::DueIn(std::int64_t year) const
{
    if (timing_mode == SpecificWeekday)
        return WeekdayInMonth(year, CalendarMonth(month), weekday, week_repeater);
    return DayInMonth(year, CalendarMonth(every_month), every_month_day);
}

void FrequencyYearly::OnPanelChanged(DetailsPanel<FrequencyYearly>* changed)
{
    const Values values = changed->GetValues();
    timing_mode = values.timing_mode;
    every_month = values.every_month;
    weekday = values.weekday;
    week_repeater = values.week_repeater;
    month = values.month;
    every_month_day = values.every_month_day;
    Changed(this);
}
