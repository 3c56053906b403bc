#pragma once

#include "recurrence/Date.h"

#include <cstdint>
#include <string>

// Date arithmetic shared by the recurrence rules. Every result lies inside the calendar's range
// (years 1400 to 9999); a result beyond it raises the calendar's own year-range error.

// day plus n days.
Date AddDays(const Date& day, std::int64_t n);

// The date of the given day in a month (month 1 to 12). A day the month lacks falls on the month's
// last day, a day below 1 on the first.
Date DayInMonth(std::int64_t year, int month, int day);

// The ordinal-th such weekday of a month: first to fourth, or the last one for LastWeek.
// A weekday or ordinal value outside its table counts as its table's first row.
Date WeekdayInMonth(std::int64_t year, int month, std::int32_t weekday, std::int32_t ordinal);

// The first day of the month that lies `months` months after the month of day.
Date MonthsLater(const Date& day, std::int64_t months);

// The calendar's text form, as written to the roster file: 2010-Jan-05.
std::wstring DateText(const Date& day);
// Reads year, month and day separated by any of , - . space /; the month as a number or an English
// name. Raises the calendar library's errors on text it cannot read.
Date ParseDateText(const std::wstring& text);
