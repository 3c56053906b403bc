#include "roster/SampleRoster.h"

#include "recurrence/Today.h"
#include "recurrence/Vocabulary.h"

#include <memory>

namespace {

std::unique_ptr<Task> DailyTask(const wchar_t* name, std::int32_t everyNDays, const Date& firstDay)
{
    auto task = std::make_unique<Task>(name);
    Frequency& frequency = task->GetFrequency();
    frequency.selected = 0;
    frequency.daily.every_n_days = everyNDays;
    frequency.daily.first_day = firstDay;
    return task;
}

std::unique_ptr<Task> FortnightlyOnSaturday(const wchar_t* name)
{
    auto task = std::make_unique<Task>(name);
    Frequency& frequency = task->GetFrequency();
    frequency.selected = 1;
    frequency.weekly.every_n_weeks = 2;
    for (auto& [weekday, enabled] : frequency.weekly.active_weekdays)
        enabled = weekday == Saturday;
    return task;
}

std::unique_ptr<Task> HalfYearly(const wchar_t* name)
{
    auto task = std::make_unique<Task>(name);
    Frequency& frequency = task->GetFrequency();
    frequency.selected = 2;
    frequency.monthly.every_nth_month = 6;
    frequency.monthly.day_of_week = Saturday;
    return task;
}

} // namespace

Roster BuildSampleRoster()
{
    const Date today = Today();
    Roster roster(L"Kitchen tasks (sample)");
    roster.AddPerson(std::make_unique<Person>(L"John"));
    roster.AddPerson(std::make_unique<Person>(L"Linda"));
    roster.AddTask(DailyTask(L"Clean sink", 3, today));
    roster.AddTask(DailyTask(L"Sweep floors", 3, today + boost::gregorian::days(1)));
    roster.AddTask(FortnightlyOnSaturday(L"Clean refrigerator"));
    roster.AddTask(HalfYearly(L"Replace range hood filters"));
    return roster;
}
