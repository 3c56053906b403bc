#include "DateHelpers.h"
#include "XmlFixture.h"

#include "recurrence/FrequencyMonthly.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::shared_ptr<FrequencyMonthly> OnDay(int day, int interval = 1)
{
    auto rule = std::make_shared<FrequencyMonthly>();
    rule->on_day_n = day;
    rule->every_nth_month = interval;
    return rule;
}

std::shared_ptr<FrequencyMonthly> OnWeekday(std::int32_t ordinal, std::int32_t weekday, int interval = 1)
{
    auto rule = std::make_shared<FrequencyMonthly>();
    rule->time_mode = SpecificWeekday;
    rule->week_repeat = ordinal;
    rule->day_of_week = weekday;
    rule->every_nth_month = interval;
    return rule;
}
} // namespace

TEST(FrequencyMonthly, FallsDueLaterInTheMonthOrInTheNthMonthAfter)
{
    struct Case {
        std::shared_ptr<FrequencyMonthly> rule;
        Date after, due;
    } const cases[] = {
        {std::make_shared<FrequencyMonthly>(), D(2010, 1, 10), D(2010, 2, 1)},
        {OnDay(15), D(2010, 1, 10), D(2010, 1, 15)},
        {OnDay(15), D(2010, 1, 15), D(2010, 2, 15)},
        {OnDay(15), D(2010, 1, 20), D(2010, 2, 15)},
        {OnDay(15, 2), D(2010, 1, 10), D(2010, 1, 15)},
        {OnDay(15, 2), D(2010, 1, 15), D(2010, 3, 15)},
        {OnDay(15, 2), D(2010, 1, 20), D(2010, 3, 15)},
        {OnDay(10, 12), D(2010, 12, 31), D(2011, 12, 10)},
        {OnWeekday(FirstWeek, Monday), D(2010, 5, 31), D(2010, 6, 7)},
        {OnWeekday(SecondWeek, Monday), D(2010, 5, 31), D(2010, 6, 14)},
        {OnWeekday(FourthWeek, Monday), D(2010, 5, 31), D(2010, 6, 28)},
        {OnWeekday(LastWeek, Monday), D(2010, 5, 31), D(2010, 6, 28)},
        {OnWeekday(LastWeek, Friday), D(2010, 6, 15), D(2010, 6, 25)},
        {OnWeekday(LastWeek, Friday), D(2010, 6, 25), D(2010, 7, 30)},
        {OnWeekday(LastWeek, Tuesday), D(2010, 7, 1), D(2010, 7, 27)},
        {OnWeekday(ThirdWeek, Thursday, 3), D(2010, 11, 2), D(2010, 11, 18)},
        {OnWeekday(ThirdWeek, Thursday, 3), D(2010, 11, 18), D(2011, 2, 17)},
        {OnWeekday(SecondWeek, Monday, 2), D(2010, 6, 15), D(2010, 8, 9)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rule->NextAfter(c.after), c.due) << c.rule->GetDescription() << " after " << c.after;
}

TEST(FrequencyMonthly, FallsDueOnTheLastDayOfAShorterMonth)
{
    EXPECT_EQ(OnDay(31)->NextAfter(D(2010, 3, 15)), D(2010, 3, 31));
    EXPECT_EQ(OnDay(31)->NextAfter(D(2010, 3, 31)), D(2010, 4, 30));
    EXPECT_EQ(OnDay(31)->NextAfter(D(2010, 4, 20)), D(2010, 4, 30));
    EXPECT_EQ(OnDay(31)->NextAfter(D(2010, 4, 30)), D(2010, 5, 31));
    EXPECT_EQ(OnDay(31, 2)->NextAfter(D(2010, 4, 30)), D(2010, 6, 30));
    EXPECT_EQ(OnDay(30)->NextAfter(D(2011, 1, 30)), D(2011, 2, 28));
    EXPECT_EQ(OnDay(29)->NextAfter(D(2012, 1, 30)), D(2012, 2, 29));
    EXPECT_EQ(OnDay(45)->NextAfter(D(2010, 1, 1)), D(2010, 1, 31));
    EXPECT_EQ(OnDay(0)->NextAfter(D(2010, 1, 1)), D(2010, 2, 1));
    EXPECT_EQ(OnDay(-7)->NextAfter(D(2010, 1, 1)), D(2010, 2, 1));
}

TEST(FrequencyMonthly, AlwaysAdvances)
{
    for (int interval : {0, -1, -100000})
        EXPECT_EQ(OnDay(1, interval)->NextAfter(D(2010, 1, 1)), D(2010, 2, 1)) << interval;
    EXPECT_THROW(OnDay(1)->NextAfter(D(9999, 12, 1)), std::out_of_range);
}

TEST(FrequencyMonthly, DescribesItsMode)
{
    EXPECT_EQ(FrequencyMonthly{}.GetDescription(), L"Every month on the 1st day");
    EXPECT_EQ(OnDay(15)->GetDescription(), L"Every month on the 15th day");
    EXPECT_EQ(OnDay(22, 3)->GetDescription(), L"Every 3 months on the 22nd day");
    EXPECT_EQ(OnWeekday(ThirdWeek, Thursday)->GetDescription(), L"Every month on the third Thursday");
    EXPECT_EQ(OnWeekday(LastWeek, Friday, 2)->GetDescription(), L"Every 2 months on the last Friday");
}

TEST(FrequencyMonthly, WritesAllFiveValuesWhateverTheMode)
{
    auto rule = OnWeekday(LastWeek, Sunday, 4);
    rule->on_day_n = 12;
    const XmlNode parent = NewXmlRoot();
    ASSERT_TRUE(rule->SaveXml(parent));
    const XmlNode element = parent.FindChildElement(L"monthly", false);
    EXPECT_EQ(element.GetAttribute(L"every_nth_month"), L"4");
    EXPECT_EQ(element.GetAttribute(L"time_mode"), L"specific_weekday");
    EXPECT_EQ(element.GetAttribute(L"on_day_n"), L"12");
    EXPECT_EQ(element.GetAttribute(L"day_of_week"), L"sun");
    EXPECT_EQ(element.GetAttribute(L"week_repeat"), L"last");

    FrequencyMonthly reread;
    ASSERT_TRUE(reread.LoadXml(element));
    EXPECT_EQ(reread.GetDescription(), rule->GetDescription());
    EXPECT_EQ(reread.on_day_n, 12);
}

TEST(FrequencyMonthly, ReadsTolerantly)
{
    struct Case {
        const char* xml;
        int interval, mode, day, weekday, ordinal;
    } const cases[] = {
        {R"(<monthly every_nth_month="3" time_mode="specific_weekday" on_day_n="9" day_of_week="fri" week_repeat="third"/>)",
         3, 1, 9, 4, 2},
        {R"(<monthly every_nth_month="13" time_mode="Fixed" on_day_n="45" day_of_week="Fri" week_repeat="5th"/>)",
         1, 0, 31, 0, 0},
        {R"(<monthly every_nth_month="0"/>)", 1, 0, 1, 0, 0},
        {R"(<monthly every_nth_month="-2" on_day_n="-2"/>)", 1, 0, 1, 0, 0},
        {R"(<monthly every_nth_month="12" on_day_n="31"/>)", 12, 0, 31, 0, 0},
        {R"(<monthly on_day_n="30"/>)", 1, 0, 30, 0, 0},
        {R"(<monthly/>)", 1, 0, 1, 0, 0},
    };
    for (const auto& c : cases) {
        FrequencyMonthly rule;
        ASSERT_TRUE(rule.LoadXml(ParseXml(c.xml))) << c.xml;
        EXPECT_EQ(rule.every_nth_month, c.interval) << c.xml;
        EXPECT_EQ(rule.time_mode, c.mode) << c.xml;
        EXPECT_EQ(rule.on_day_n, c.day) << c.xml;
        EXPECT_EQ(rule.day_of_week, c.weekday) << c.xml;
        EXPECT_EQ(rule.week_repeat, c.ordinal) << c.xml;
        EXPECT_GT(rule.NextAfter(D(2010, 1, 31)), D(2010, 1, 31)) << c.xml;
    }
    FrequencyMonthly rule;
    EXPECT_FALSE(rule.LoadXml(ParseXml(R"(<yearly every_nth_month="5"/>)")));
    EXPECT_EQ(rule.every_nth_month, 1);
}
