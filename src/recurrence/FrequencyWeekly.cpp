#include "recurrence/FrequencyWeekly.h"

#include "recurrence/Calendar.h"
#include "recurrence/ElementName.h"
#include "recurrence/Vocabulary.h"
#include "storage/XmlNode.h"

#include <algorithm>

namespace {
FrequencyWeekly::WeekdayMap NoDays()
{
    // Every task's rule starts from it, and copying the finished tree costs less than building it.
    static const FrequencyWeekly::WeekdayMap none = [] {
        FrequencyWeekly::WeekdayMap days;
        for (std::int32_t day = Monday; day <= Sunday; ++day)
            days[day] = false;
        return days;
    }();
    return none;
}

bool Only(const FrequencyWeekly::WeekdayMap& days, std::int32_t from, std::int32_t to)
{
    return std::all_of(days.begin(), days.end(), [&](const auto& entry) {
        return entry.second == (entry.first >= from && entry.first <= to);
    });
}
} // namespace

FrequencyWeekly::FrequencyWeekly()
    : active_weekdays(NoDays())
{
}

std::wstring FrequencyWeekly::GetDescription() const
{
    const bool everyDay = Only(active_weekdays, Monday, Sunday);
    if (everyDay && every_n_weeks <= 1)
        return L"Every day";

    std::wstring text
        = every_n_weeks == 1 ? L"Weekly" : L"Every " + std::to_wstring(every_n_weeks) + L" weeks";
    text += L" on ";
    if (everyDay)
        return text + L"every day";
    if (Only(active_weekdays, Monday, Friday))
        return text + L"weekdays";
    if (Only(active_weekdays, Saturday, Sunday))
        return text + L"weekend days";

    std::vector<std::int32_t> enabled;
    for (const auto& [day, on] : active_weekdays)
        if (on)
            enabled.push_back(day);
    return text + JoinDayNames(enabled);
}

bool FrequencyWeekly::SaveXml(const XmlNode& parent) const
{
    const XmlNode element = parent.AppendChildElement(ElementName);
    const XmlNode days = element.AppendChildElement(L"active_weekdays");
    for (const auto& [day, on] : active_weekdays) {
        const XmlNode entry = days.AppendChildElement(L"day");
        entry.SetAttribute(L"name", KeyByValue(WeekdayTable, day));
        entry.SetAttribute(L"enabled", on ? L"true" : L"false");
    }
    element.SetAttribute(L"every_n_weeks", std::to_wstring(every_n_weeks));
    return true;
}

bool FrequencyWeekly::LoadXml(const XmlNode& element)
{
    if (!IsElementNamed(element, ElementName))
        return false;
    const XmlNodeList days = element.SelectNodes(L"active_weekdays/day");
    std::wstring text;
    for (int i = 0; i < days.Count(); ++i) {
        const XmlNode entry = days.Item(i);
        std::int32_t day = Monday;
        entry.ReadAttribute(L"name", text);
        ValueByKey(WeekdayTable, text, day);
        entry.ReadAttribute(L"enabled", text);
        active_weekdays[day] = text == L"true";
    }
    EnableMondayWhenNoDayIs();
    // Below 1 the rule falls due every week, so that is what the description must say too.
    every_n_weeks = std::max(element.GetIntAttribute(L"every_n_weeks", 0), 1);
    return true;
}

void FrequencyWeekly::CreateDetailsPanel(DetailsPanelParent& parent)
{
    EnableMondayWhenNoDayIs();
    FrequencyKind::CreateDetailsPanel(parent);
}

Date FrequencyWeekly::NextAfter(const Date& day) const
{
    // Weeks run Monday to Sunday: the rest of the week of day comes first, then the first enabled day
    // of the week that lies every_n_weeks weeks on, so several days fall due together in one week.
    const std::int32_t weekday = WeekdayValue(day);
    for (std::int32_t later = weekday + 1; later <= Sunday; ++later)
        if (IsEnabled(later))
            return AddDays(day, later - weekday);

    const std::int64_t weeks = std::max(every_n_weeks, 1);
    std::int32_t first = Monday;
    while (first <= Sunday && !IsEnabled(first))
        ++first;
    // With no day enabled the rule keeps the weekday of day, so it still advances by whole weeks.
    const std::int32_t due = first <= Sunday ? first : weekday;
    return AddDays(day, 7 * weeks + due - weekday);
}

void FrequencyWeekly::OnPanelChanged(DetailsPanel<FrequencyWeekly>* changed)
{
    const Values values = changed->GetValues();
    active_weekdays = values.active_weekdays;
    every_n_weeks = values.every_n_weeks;
    Changed(this);
}

bool FrequencyWeekly::IsEnabled(std::int32_t weekday) const
{
    const auto entry = active_weekdays.find(weekday);
    return entry != active_weekdays.end() && entry->second;
}

void FrequencyWeekly::EnableMondayWhenNoDayIs()
{
    if (std::none_of(active_weekdays.begin(), active_weekdays.end(),
                     [](const auto& entry) { return entry.second; }))
        active_weekdays[Monday] = true;
}

std::wstring JoinDayNames(const std::vector<std::int32_t>& weekdays)
{
    if (weekdays.empty())
        return L"no days selected";
    std::wstring text = DisplayByValue(WeekdayTable, weekdays.front());
    for (std::size_t i = 1; i < weekdays.size(); ++i)
        text += (i + 1 == weekdays.size() ? L" and " : L", ") + DisplayByValue(WeekdayTable, weekdays[i]);
    return text;
}
