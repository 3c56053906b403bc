#include "recurrence/Calendar.h"

#include "recurrence/Vocabulary.h"

#include <boost/lexical_cast.hpp>

#include <optional>
#include <string_view>

namespace {
using boost::gregorian::gregorian_calendar;

constexpr std::int64_t kFirstYear = 1400, kLastYear = 9999;
// The month names of the calendar's text form.
constexpr std::wstring_view kMonthNames[]
    = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};

// Raises the calendar's error for a year it cannot hold, before any narrowing conversion.
int CheckedYear(std::int64_t year)
{
    if (year < kFirstYear || year > kLastYear)
        throw boost::gregorian::bad_year();
    return static_cast<int>(year);
}

// The calendar library reads each field of a date with lexical_cast, whose digit loop overflows a
// signed int (undefined behaviour) on a field that has a stray character before five or more digits,
// such as "$31400". No such field belongs to a date, so it is refused here with the error the
// library raises for a field it cannot read.
void RefuseFieldsTheLibraryMisreads(const std::string& text)
{
    constexpr std::string_view separators = ",-. /"; // the library's own field separators
    std::size_t fieldStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && separators.find(text[i]) == std::string_view::npos)
            continue;
        std::size_t digits = 0;
        while (digits < i - fieldStart && text[i - digits - 1] >= '0' && text[i - digits - 1] <= '9')
            ++digits;
        if (digits >= 5 && digits < i - fieldStart)
            throw boost::bad_lexical_cast();
        fieldStart = i + 1;
    }
}

// The form DateText writes, "2010-Jan-05", read without the library's tokenizer, casts and month
// table: a roster file holds a date for every task. Nothing when the text has another form, or a
// year or day the calendar refuses by itself; those take the library's path and get its errors.
std::optional<Date> ReadWrittenForm(const std::wstring& text)
{
    auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < L'0' || text[i] > L'9')
                return -1;
            value = value * 10 + (text[i] - L'0');
        }
        return value;
    };
    if (text.size() != 11 || text[4] != L'-' || text[8] != L'-')
        return std::nullopt;
    const int year = number(0, 4), day = number(9, 2);
    const std::wstring_view monthName = std::wstring_view(text).substr(5, 3);
    int month = 1;
    while (month <= 12 && kMonthNames[month - 1] != monthName)
        ++month;
    if (year < kFirstYear || year > kLastYear || day < 1 || day > 31 || month > 12)
        return std::nullopt;
    // Raises the library's error for a day the month lacks, as its parser does.
    return Date(year, month, day);
}

} // namespace

Date AddDays(const Date& day, std::int64_t n)
{
    const std::int64_t first = Date(1400, 1, 1).day_number(), last = Date(9999, 12, 31).day_number();
    const std::int64_t target = static_cast<std::int64_t>(day.day_number()) + n;
    if (n > last - first || target < first || target > last)
        throw boost::gregorian::bad_year();
    return day + boost::gregorian::days(n);
}

Date DayInMonth(std::int64_t year, int month, int day)
{
    const int y = CheckedYear(year);
    const int lastDay = gregorian_calendar::end_of_month_day(y, month);
    return Date(y, month, day < 1 ? 1 : (day > lastDay ? lastDay : day));
}

Date WeekdayInMonth(std::int64_t year, int month, std::int32_t weekday, std::int32_t ordinal)
{
    if (!HasValue(WeekdayTable, weekday))
        weekday = Monday;
    if (!HasValue(OrdinalTable, ordinal))
        ordinal = FirstWeek;

    const Date first = DayInMonth(year, month, 1);
    const int offset = (weekday - WeekdayValue(first) + 7) % 7;
    Date due = first + boost::gregorian::days(offset + 7 * (ordinal == LastWeek ? 0 : ordinal));
    if (ordinal == LastWeek) {
        while ((due + boost::gregorian::days(7)).month() == first.month())
            due += boost::gregorian::days(7);
    }
    return due;
}

Date MonthsLater(const Date& day, std::int64_t months)
{
    const std::int64_t index = static_cast<std::int64_t>(day.year()) * 12 + (day.month() - 1) + months;
    return DayInMonth(index / 12, static_cast<int>(index % 12) + 1, 1);
}

std::wstring DateText(const Date& day)
{
    // Saving writes a date for every task; the library would format each through a string stream.
    // A date in the calendar always has a four-digit year.
    if (!day.is_special()) {
        const Date::ymd_type fields = day.year_month_day();
        std::wstring text = L"0000-Mmm-00";
        kMonthNames[fields.month - 1].copy(&text[5], 3);
        for (int i = 3, year = fields.year; i >= 0; --i, year /= 10)
            text[i] = static_cast<wchar_t>(L'0' + year % 10);
        text[9] = static_cast<wchar_t>(L'0' + fields.day / 10);
        text[10] = static_cast<wchar_t>(L'0' + fields.day % 10);
        return text;
    }
    const std::string text = boost::gregorian::to_simple_string(day);
    return std::wstring(text.begin(), text.end());
}

Date ParseDateText(const std::wstring& text)
{
    if (const std::optional<Date> written = ReadWrittenForm(text))
        return *written;
    std::string narrow;
    narrow.reserve(text.size());
    // Only ASCII can form a date; anything else becomes a character the parser rejects.
    for (wchar_t c : text)
        narrow.push_back(c >= 0 && c < 0x80 ? static_cast<char>(c) : '?');
    RefuseFieldsTheLibraryMisreads(narrow);
    return boost::gregorian::from_simple_string(narrow);
}
