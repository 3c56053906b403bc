#include "DateHelpers.h"
#include "XmlFixture.h"

#include "recurrence/FrequencyYearly.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::shared_ptr<FrequencyYearly> OnDate(int month, int day)
{
    auto rule = std::make_shared<FrequencyYearly>();
    rule->every_month = month - 1;
    rule->every_month_day = day;
    return rule;
}

std::shared_ptr<FrequencyYearly> OnWeekday(std::int32_t ordinal, std::int32_t weekday, int month)
{
    auto rule = std::make_shared<FrequencyYearly>();
    rule->timing_mode = SpecificWeekday;
    rule->week_repeater = ordinal;
    rule->weekday = weekday;
    rule->month = month - 1;
    return rule;
}
} // namespace

TEST(FrequencyYearly, FallsDueLaterInTheYearOrInTheYearAfter)
{
    auto marchButJune = OnDate(3, 5);
    marchButJune->month = 5;
    struct Case {
        std::shared_ptr<FrequencyYearly> rule;
        Date after, due;
    } const cases[] = {
        {std::make_shared<FrequencyYearly>(), D(2009, 12, 31), D(2010, 1, 1)},
        {std::make_shared<FrequencyYearly>(), D(2010, 6, 10), D(2011, 1, 1)},
        {OnDate(3, 5), D(2009, 12, 31), D(2010, 3, 5)},
        {OnDate(3, 5), D(2010, 3, 5), D(2011, 3, 5)},
        {OnDate(3, 5), D(2010, 1, 10), D(2010, 3, 5)},
        {OnDate(3, 5), D(2010, 3, 4), D(2010, 3, 5)},
        {OnDate(3, 5), D(2010, 3, 6), D(2011, 3, 5)},
        {OnDate(12, 15), D(2010, 11, 30), D(2010, 12, 15)},
        {marchButJune, D(2009, 12, 31), D(2010, 3, 5)},
        {OnWeekday(FirstWeek, Monday, 6), D(2010, 1, 1), D(2010, 6, 7)},
        {OnWeekday(FirstWeek, Monday, 6), D(2010, 6, 7), D(2011, 6, 6)},
        {OnWeekday(FourthWeek, Monday, 6), D(2010, 1, 1), D(2010, 6, 28)},
        {OnWeekday(LastWeek, Monday, 6), D(2010, 1, 1), D(2010, 6, 28)},
        {OnWeekday(LastWeek, Monday, 6), D(2010, 6, 28), D(2011, 6, 27)},
        {OnWeekday(LastWeek, Thursday, 11), D(2010, 12, 1), D(2011, 11, 24)},
        {OnDate(2, 29), D(2011, 12, 31), D(2012, 2, 29)},
        {OnDate(2, 29), D(2012, 1, 10), D(2012, 2, 29)},
        {OnDate(2, 29), D(2012, 2, 29), D(2013, 2, 28)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rule->NextAfter(c.after), c.due) << c.rule->GetDescription() << " after " << c.after;
}

TEST(FrequencyYearly, FallsDueOnTheLastDayOfAShorterMonth)
{
    EXPECT_EQ(OnDate(2, 29)->NextAfter(D(2010, 12, 31)), D(2011, 2, 28));
    EXPECT_EQ(OnDate(2, 29)->NextAfter(D(2011, 1, 1)), D(2011, 2, 28));
    EXPECT_EQ(OnDate(4, 31)->NextAfter(D(2010, 1, 1)), D(2010, 4, 30));
    EXPECT_EQ(OnDate(2, 45)->NextAfter(D(2011, 1, 1)), D(2011, 2, 28));
    EXPECT_EQ(OnDate(2, 45)->NextAfter(D(2011, 3, 1)), D(2012, 2, 29));
    EXPECT_EQ(OnDate(5, 0)->NextAfter(D(2011, 1, 1)), D(2011, 5, 1));
    EXPECT_THROW(OnDate(1, 1)->NextAfter(D(9999, 1, 1)), std::out_of_range);
}

TEST(FrequencyYearly, DescribesItsMode)
{
    EXPECT_EQ(FrequencyYearly{}.GetDescription(), L"Yearly on 1st of January");
    EXPECT_EQ(OnDate(3, 5)->GetDescription(), L"Yearly on 5th of March");
    EXPECT_EQ(OnWeekday(LastWeek, Friday, 11)->GetDescription(), L"Yearly on the last Friday of November");
}

TEST(FrequencyYearly, WritesAllSixValuesWhateverTheMode)
{
    auto rule = OnWeekday(SecondWeek, Wednesday, 9);
    rule->every_month = 6;
    rule->every_month_day = 17;
    const XmlNode parent = NewXmlRoot();
    ASSERT_TRUE(rule->SaveXml(parent));
    const XmlNode element = parent.FindChildElement(L"yearly", false);
    EXPECT_EQ(element.GetAttribute(L"timing_mode"), L"specific_weekday");
    EXPECT_EQ(element.GetAttribute(L"every_month"), L"jul");
    EXPECT_EQ(element.GetAttribute(L"weekday"), L"wed");
    EXPECT_EQ(element.GetAttribute(L"week_repeater"), L"second");
    EXPECT_EQ(element.GetAttribute(L"month"), L"sep");
    EXPECT_EQ(element.GetAttribute(L"every_month_day"), L"17");

    FrequencyYearly reread;
    ASSERT_TRUE(reread.LoadXml(element));
    EXPECT_EQ(reread.GetDescription(), rule->GetDescription());
    EXPECT_EQ(reread.every_month, 6);
    EXPECT_EQ(reread.every_month_day, 17);
}

TEST(FrequencyYearly, KeepsValuesForUnknownKeys)
{
    auto rule = OnWeekday(ThirdWeek, Saturday, 4);
    ASSERT_TRUE(rule->LoadXml(
        ParseXml(R"(<yearly timing_mode="weekly" every_month="March" weekday="sun" month="13"/>)")));
    EXPECT_EQ(rule->timing_mode, SpecificWeekday);
    EXPECT_EQ(rule->weekday, Sunday);
    EXPECT_EQ(rule->week_repeater, ThirdWeek);
    EXPECT_EQ(rule->month, 3);
    EXPECT_EQ(rule->every_month, 0);
    EXPECT_EQ(rule->every_month_day, 1);
    EXPECT_FALSE(rule->LoadXml(ParseXml(R"(<monthly weekday="mon"/>)")));
    EXPECT_EQ(rule->weekday, Sunday);
}
