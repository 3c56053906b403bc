#include "ui/DateConversion.h"

#include "recurrence/Today.h"

#include <QLocale>

#include <algorithm>

namespace {
QDate FromOrdinary(const Date& day)
{
    return {static_cast<int>(day.year()), static_cast<int>(day.month()), static_cast<int>(day.day())};
}
} // namespace

QDate EarliestFieldDate()
{
    return FromOrdinary(Date(boost::date_time::min_date_time));
}

QDate LatestFieldDate()
{
    return FromOrdinary(Date(boost::date_time::max_date_time));
}

QDate ToFieldDate(const Date& day)
{
    if (day.is_not_a_date())
        return FromOrdinary(Today());
    if (day.is_neg_infinity())
        return EarliestFieldDate();
    if (day.is_pos_infinity())
        return LatestFieldDate();
    return std::clamp(FromOrdinary(day), EarliestFieldDate(), LatestFieldDate());
}

Date FromFieldDate(const QDate& day)
{
    const QDate shown = std::clamp(day, EarliestFieldDate(), LatestFieldDate());
    return Date(static_cast<unsigned short>(shown.year()), static_cast<unsigned short>(shown.month()),
                static_cast<unsigned short>(shown.day()));
}

QString ShortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

Date DefaultUntilDate(const Date& from)
{
    return from + boost::gregorian::months(1);
}
