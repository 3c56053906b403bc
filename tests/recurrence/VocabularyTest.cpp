#include "DateHelpers.h"

#include "recurrence/Calendar.h"
#include "recurrence/Vocabulary.h"

#include <gtest/gtest.h>

TEST(OrdinalNumber, UsesTheEnglishSuffixes)
{
    const std::pair<int, const wchar_t*> cases[] = {
        {1, L"1st"},   {2, L"2nd"},   {3, L"3rd"},   {4, L"4th"},   {11, L"11th"}, {12, L"12th"},
        {13, L"13th"}, {21, L"21st"}, {22, L"22nd"}, {23, L"23rd"}, {30, L"30th"}, {31, L"31st"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(OrdinalNumber(n), text) << n;
}

TEST(Vocabulary, LooksUpByValueWithTheFirstRowAsFallback)
{
    EXPECT_EQ(KeyByValue(MonthTable, 11), L"dec");
    EXPECT_EQ(DisplayByValue(OrdinalTable, 4), L"last");
    EXPECT_EQ(DisplayByValue(WeekdayTable, 9), L"Monday");
    EXPECT_EQ(KeyByValue(TimingModeTable, -1), L"fixed_day");
}

TEST(Vocabulary, LooksUpKeysExactlyAndLeavesTheValueOnFailure)
{
    std::int32_t value = 7;
    EXPECT_FALSE(ValueByKey(MonthTable, L"Jan", value));
    EXPECT_FALSE(ValueByKey(MonthTable, L"jan ", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(ValueByKey(WeekdayTable, L"sun", value));
    EXPECT_EQ(value, 6);
    EXPECT_TRUE(ValueByKey(TimingModeTable, L"specific_weekday", value));
    EXPECT_EQ(value, 1);
}

TEST(Vocabulary, CountsWeekdaysFromMonday)
{
    EXPECT_EQ(WeekdayValue(D(2010, 6, 6)), Sunday);
    EXPECT_EQ(WeekdayValue(D(2010, 6, 7)), Monday);
    EXPECT_EQ(WeekdayValue(D(2010, 6, 12)), Saturday);
}

TEST(Vocabulary, ChoosesTheSingularForExactlyOne)
{
    EXPECT_EQ(UnitWord(1, L"day", L"days"), L"day");
    EXPECT_EQ(UnitWord(0, L"day", L"days"), L"days");
    EXPECT_EQ(UnitWord(2, L"week", L"weeks"), L"weeks");
}

TEST(Calendar, WritesAndReadsTheSimpleTextForm)
{
    EXPECT_EQ(DateText(D(2010, 1, 5)), L"2010-Jan-05");
    for (const wchar_t* text : {L"2010-Jan-05", L"2010-01-05", L"2010/1/5", L"2010.1.5", L"2010 jan 5",
                                L"2010,January,5", L"2010-JAN-05", L"2010-Jan-5", L"02010-Jan-05"})
        EXPECT_EQ(ParseDateText(text), D(2010, 1, 5)) << text;
    const std::pair<Date, const wchar_t*> written[] = {
        {D(1400, 1, 1), L"1400-Jan-01"},
        {D(2012, 2, 29), L"2012-Feb-29"},
        {D(2010, 12, 31), L"2010-Dec-31"},
        {D(9999, 12, 31), L"9999-Dec-31"},
    };
    for (const auto& [day, text] : written) {
        EXPECT_EQ(DateText(day), text);
        EXPECT_EQ(ParseDateText(text), day) << text;
    }
    EXPECT_EQ(DateText(Date()), L"not-a-date-time");
}

TEST(Calendar, RaisesTheCalendarErrorsOnBadText)
{
    for (const wchar_t* text :
         {L"", L"garbage", L"2010-Feb-30", L"2010-Foo-01", L"10000-Jan-01", L"2010-J\u00e4n-01"})
        EXPECT_THROW(ParseDateText(text), std::exception) << text;
    EXPECT_THROW(ParseDateText(L"2010-13-01"), std::out_of_range);

    // The written form raises the calendar's own error for each field it refuses.
    const std::pair<const wchar_t*, const char*> refused[] = {
        {L"2010-Feb-30", "Day of month is not valid for year"},
        {L"2011-Feb-29", "Day of month is not valid for year"},
        {L"2010-Apr-31", "Day of month is not valid for year"},
        {L"2010-Jan-00", "Day of month value is out of range 1..31"},
        {L"2010-Jan-32", "Day of month value is out of range 1..31"},
        {L"1399-Dec-31", "Year is out of valid range: 1400..9999"},
        {L"0000-Jan-01", "Year is out of valid range: 1400..9999"},
    };
    for (const auto& [text, message] : refused) {
        try {
            ParseDateText(text);
            ADD_FAILURE() << "read " << text;
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(Calendar, StepsMonthsByYearAndMonth)
{
    EXPECT_EQ(MonthsLater(D(2010, 1, 31), 1), D(2010, 2, 1));
    EXPECT_EQ(MonthsLater(D(2010, 11, 30), 3), D(2011, 2, 1));
    EXPECT_THROW(MonthsLater(D(9999, 12, 1), 1), std::out_of_range);
}

TEST(Calendar, ClampsDaysToTheMonth)
{
    EXPECT_EQ(DayInMonth(2010, 4, 31), D(2010, 4, 30));
    EXPECT_EQ(DayInMonth(2011, 2, 29), D(2011, 2, 28));
    EXPECT_EQ(DayInMonth(2012, 2, 29), D(2012, 2, 29));
    EXPECT_EQ(DayInMonth(2010, 3, 45), D(2010, 3, 31));
    EXPECT_EQ(DayInMonth(2010, 3, -3), D(2010, 3, 1));
}

TEST(Calendar, RefusesDaysBeyondTheCalendar)
{
    EXPECT_THROW(AddDays(D(9999, 12, 31), 1), std::out_of_range);
    EXPECT_THROW(AddDays(D(2010, 1, 1), std::int64_t{1} << 40), std::out_of_range);
    EXPECT_EQ(AddDays(D(2010, 2, 27), 2), D(2010, 3, 1));
}
