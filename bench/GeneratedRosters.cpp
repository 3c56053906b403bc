#include "GeneratedRosters.h"

#include "recurrence/Today.h"
#include "recurrence/Vocabulary.h"

#include <memory>
#include <random>
#include <string>

namespace {

void SetRule(Frequency& frequency, int kind, std::mt19937& random)
{
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    frequency.selected = kind;
    frequency.daily.every_n_days = between(1, 14);
    frequency.daily.first_day = Today() + boost::gregorian::days(between(-400, 400));
    for (auto& [weekday, enabled] : frequency.weekly.active_weekdays)
        enabled = between(0, 2) == 0;
    frequency.weekly.active_weekdays[between(Monday, Sunday)] = true;
    frequency.weekly.every_n_weeks = between(1, 4);
    frequency.monthly.every_nth_month = between(1, 6);
    frequency.monthly.time_mode = between(FixedDay, SpecificWeekday);
    frequency.monthly.on_day_n = between(1, 31);
    frequency.monthly.day_of_week = between(Monday, Sunday);
    frequency.monthly.week_repeat = between(FirstWeek, LastWeek);
    frequency.yearly.timing_mode = between(FixedDay, SpecificWeekday);
    frequency.yearly.every_month = between(0, 11);
    frequency.yearly.weekday = between(Monday, Sunday);
    frequency.yearly.week_repeater = between(FirstWeek, LastWeek);
    frequency.yearly.month = between(0, 11);
    frequency.yearly.every_month_day = between(1, 28);
}

} // namespace

Roster GeneratedRoster(int persons, int tasks, unsigned seed)
{
    std::mt19937 random(seed);
    Roster roster(L"Roster " + std::to_wstring(seed));
    for (int i = 0; i < persons; ++i)
        roster.AddPerson(std::make_unique<Person>(L"Person " + std::to_wstring(i)));
    for (int i = 0; i < tasks; ++i) {
        auto task
            = std::make_unique<Task>(L"Task " + std::to_wstring(i) + L" of roster " + std::to_wstring(seed));
        SetRule(task->GetFrequency(), i % 4, random);
        roster.AddTask(std::move(task));
    }
    return roster;
}
