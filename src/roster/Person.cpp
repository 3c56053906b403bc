#include "roster/Person.h"

#include <algorithm>
#include <utility>

Person::Person(std::wstring name)
    : name(std::move(name))
{
}

bool Person::IsAway(const Date& day) const
{
    return std::any_of(away.begin(), away.end(),
                       [&](const AwayPeriod& period) { return period.Contains(day); });
}
