#pragma once

#include "recurrence/Date.h"

#include <QDate>
#include <QString>

// The dates a date field can show: the calendar's whole ordinary range, so that every date the
// field hands back is one the model can hold.
QDate EarliestFieldDate();
QDate LatestFieldDate();

// The model's date for a date field. A special value (not a date, or an infinity) becomes the
// nearest date the field can show: today for not a date, otherwise the first or last day.
QDate ToFieldDate(const Date& day);
Date FromFieldDate(const QDate& day);

// The display format of the date fields: the locale's short date with the year in full, as a
// two-digit year would leave the century open.
QString ShortDateFormat();

// The Until date the main form starts with: a calendar month after From, by the calendar's month
// step (31 January gives the last day of February; a month's last day, the next month's last day).
Date DefaultUntilDate(const Date& from);
