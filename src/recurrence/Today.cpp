#include "recurrence/Today.h"

namespace {
std::optional<Date>& Pinned()
{
    static std::optional<Date> pinned;
    return pinned;
}
} // namespace

Date Today()
{
    if (Pinned())
        return *Pinned();
    return boost::gregorian::day_clock::local_day();
}

TodayPin::TodayPin(Date day)
    : previous(Pinned())
{
    Pinned() = day;
}

TodayPin::~TodayPin()
{
    Pinned() = previous;
}
