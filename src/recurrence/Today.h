#pragma once

#include "recurrence/Date.h"

#include <optional>

// The one "today" of the whole program: the local calendar date, unless a pin is in force.
Date Today();

// While a TodayPin lives, Today() answers its date. Tests pin the calendar with it.
class TodayPin {
public:
    explicit TodayPin(Date day);
    ~TodayPin();
    TodayPin(const TodayPin&) = delete;
    TodayPin& operator=(const TodayPin&) = delete;

private:
    std::optional<Date> previous;
};
