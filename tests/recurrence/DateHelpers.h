#pragma once

#include "recurrence/Date.h"

#include <ostream>

inline Date D(int year, int month, int day)
{
    return Date(year, month, day);
}
