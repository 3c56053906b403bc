#include "roster/Person.h"

#include <algorithm>
#include <iterator>
#include <utility>

Person::Person(std::wstring name)
    : name(std::move(name))
{
}

void Person::SetAway(AwayList periods)
{
    away = std::move(periods);
    AwayList sorted = away;
    std::sort(sorted.begin(), sorted.end(),
              [](const AwayPeriod& a, const AwayPeriod& b) { return a.from < b.from; });
    awayDays.clear();
    for (const AwayPeriod& period : sorted) {
        if (!awayDays.empty() && period.from <= awayDays.back().until)
            awayDays.back().until = std::max(awayDays.back().until, period.until);
        else
            awayDays.push_back(period);
    }
}

bool Person::IsAway(const Date& day) const
{
    // The last period that starts on or before day is the only one that can hold it.
    const auto after
        = std::upper_bound(awayDays.begin(), awayDays.end(), day,
                           [](const Date& d, const AwayPeriod& period) { return d < period.from; });
    return after != awayDays.begin() && std::prev(after)->Contains(day);
}
