#include "DateHelpers.h"
#include "XmlFixture.h"

#include "recurrence/FrequencyDaily.h"
#include "recurrence/Today.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
std::shared_ptr<FrequencyDaily> Daily(int interval, Date first)
{
    auto rule = std::make_shared<FrequencyDaily>();
    rule->every_n_days = interval;
    rule->first_day = first;
    return rule;
}
} // namespace

TEST(FrequencyDaily, StartsTodayEveryDay)
{
    const TodayPin pin(D(2010, 3, 10));
    const FrequencyDaily rule;
    EXPECT_EQ(rule.GetDescription(), L"Every day");
    EXPECT_EQ(rule.NextAfter(D(2010, 3, 1)), D(2010, 3, 10));
    EXPECT_EQ(rule.NextAfter(D(2010, 3, 10)), D(2010, 3, 11));
}

TEST(FrequencyDaily, FallsDueOnTheSeriesFromItsFirstDay)
{
    struct Case {
        int interval;
        Date first, after, due;
    } const cases[] = {
        {3, D(2010, 1, 1), D(2009, 12, 31), D(2010, 1, 1)},
        {3, D(2010, 1, 1), D(2010, 1, 1), D(2010, 1, 4)},
        {3, D(2010, 1, 1), D(2010, 1, 2), D(2010, 1, 4)},
        {2, D(2010, 2, 27), D(2010, 2, 27), D(2010, 3, 1)},
        {2, D(2012, 2, 27), D(2012, 2, 27), D(2012, 2, 29)},
        {7, D(2010, 1, 1), D(2037, 6, 15), D(2037, 6, 19)},
        {29, D(2010, 1, 1), D(2010, 1, 29), D(2010, 1, 30)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Daily(c.interval, c.first)->NextAfter(c.after), c.due)
            << c.interval << " after " << c.after;
}

TEST(FrequencyDaily, DescribesItsInterval)
{
    EXPECT_EQ(Daily(1, D(2010, 1, 1))->GetDescription(), L"Every day");
    EXPECT_EQ(Daily(3, D(2010, 1, 1))->GetDescription(), L"Every 3 days");
    EXPECT_EQ(Daily(29, D(2010, 1, 1))->GetDescription(), L"Every 29 days");
}

TEST(FrequencyDaily, RaisesTheRangeErrorBeyondTheLastYear)
{
    EXPECT_THROW(Daily(1, D(9999, 12, 31))->NextAfter(D(9999, 12, 31)), std::out_of_range);
}

TEST(FrequencyDaily, WritesItsElement)
{
    const XmlNode parent = NewXmlRoot();
    ASSERT_TRUE(Daily(3, D(2010, 1, 5))->SaveXml(parent));
    const XmlNode element = parent.FindChildElement(L"daily", false);
    ASSERT_FALSE(element.IsNull());
    EXPECT_EQ(element.GetAttribute(L"every_n_days"), L"3");
    EXPECT_EQ(element.GetAttribute(L"first_day"), L"2010-Jan-05");

    FrequencyDaily reread;
    ASSERT_TRUE(reread.LoadXml(element));
    EXPECT_EQ(reread.every_n_days, 3);
    EXPECT_EQ(reread.first_day, D(2010, 1, 5));
}

TEST(FrequencyDaily, ReadsTolerantly)
{
    struct Case {
        const char* xml;
        int interval;
        Date first;
    } const cases[] = {
        {R"(<daily every_n_days="5" first_day="2010/1/5"/>)", 5, D(2010, 1, 5)},
        {R"(<daily every_n_days="4x" first_day="2010-01-05"/>)", 4, D(2010, 1, 5)},
        {R"(<daily first_day="2010-Jan-05"/>)", 1, D(2010, 1, 5)},
        {R"(<daily every_n_days="0" first_day="2010-Jan-05"/>)", 1, D(2010, 1, 5)},
        {R"(<daily every_n_days="-4" first_day="2010-Jan-05"/>)", 1, D(2010, 1, 5)},
    };
    for (const auto& c : cases) {
        FrequencyDaily rule;
        ASSERT_TRUE(rule.LoadXml(ParseXml(c.xml))) << c.xml;
        EXPECT_EQ(rule.every_n_days, c.interval) << c.xml;
        EXPECT_EQ(rule.first_day, c.first) << c.xml;
        EXPECT_GT(rule.NextAfter(c.first), c.first) << c.xml;
    }
}

TEST(FrequencyDaily, RefusesAnotherElementAndRaisesOnABadDate)
{
    auto rule = Daily(3, D(2010, 1, 1));
    EXPECT_FALSE(rule->LoadXml(ParseXml(R"(<weekly every_n_days="5" first_day="2011-Jan-01"/>)")));
    EXPECT_EQ(rule->every_n_days, 3);
    EXPECT_EQ(rule->first_day, D(2010, 1, 1));

    EXPECT_THROW(rule->LoadXml(ParseXml(R"(<daily every_n_days="5" first_day="garbage"/>)")), std::exception);
    EXPECT_THROW(rule->LoadXml(ParseXml(R"(<daily every_n_days="5"/>)")), std::exception);
}
