#pragma once

#include <boost/date_time/gregorian/gregorian.hpp>

// A day-granular Gregorian date with the calendar library's special values.
using Date = boost::gregorian::date;
