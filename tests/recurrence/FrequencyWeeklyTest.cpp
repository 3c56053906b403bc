#include "DateHelpers.h"
#include "XmlFixture.h"

#include "recurrence/FrequencyWeekly.h"
#include "recurrence/Vocabulary.h"

#include <gtest/gtest.h>

#include <memory>

#include <initializer_list>
#include <vector>

namespace {
std::shared_ptr<FrequencyWeekly> Weekly(std::initializer_list<std::int32_t> days, int interval)
{
    auto rule = std::make_shared<FrequencyWeekly>();
    for (std::int32_t day : days)
        rule->active_weekdays[day] = true;
    rule->every_n_weeks = interval;
    return rule;
}
} // namespace

TEST(FrequencyWeekly, FallsDueLaterInTheWeekOrInTheNthWeekAfter)
{
    struct Case {
        std::initializer_list<std::int32_t> days;
        int interval;
        Date after, due;
    } const cases[] = {
        {{Monday, Thursday}, 1, D(2010, 6, 7), D(2010, 6, 10)},
        {{Monday, Thursday}, 1, D(2010, 6, 10), D(2010, 6, 14)},
        {{Monday}, 2, D(2010, 6, 6), D(2010, 6, 14)},
        {{Monday}, 2, D(2010, 6, 14), D(2010, 6, 28)},
        {{Monday, Wednesday}, 2, D(2010, 6, 7), D(2010, 6, 9)},
        {{Monday, Wednesday}, 2, D(2010, 6, 9), D(2010, 6, 21)},
        {{Monday, Wednesday}, 2, D(2010, 6, 12), D(2010, 6, 21)},
        {{Monday}, 2, D(2010, 6, 9), D(2010, 6, 21)},
        {{Sunday}, 3, D(2010, 6, 6), D(2010, 6, 27)},
        {{Wednesday}, 1, D(2010, 6, 9), D(2010, 6, 16)},
        {{Wednesday}, 0, D(2010, 6, 9), D(2010, 6, 16)},
        {{Wednesday}, -3, D(2010, 6, 9), D(2010, 6, 16)},
        {{Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday}, 3, D(2010, 6, 7), D(2010, 6, 8)},
        {{Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday}, 3, D(2010, 6, 13), D(2010, 6, 28)},
        {{}, 1, D(2010, 6, 9), D(2010, 6, 16)},
        {{Sunday}, 1, D(2010, 12, 31), D(2011, 1, 2)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Weekly(c.days, c.interval)->NextAfter(c.after), c.due)
            << c.interval << " after " << c.after;
}

// Each step asks with the last answer, as a schedule does.
std::vector<Date> Series(const FrequencyWeekly& rule, Date after, std::size_t count)
{
    std::vector<Date> dates;
    while (dates.size() < count)
        dates.push_back(after = rule.NextAfter(after));
    return dates;
}

TEST(FrequencyWeekly, GivesAllItsDaysOfOneWeekThenSkipsTheInterval)
{
    // Monday and Wednesday every 2 weeks over six weeks. Asked on a Sunday, the week it ends is the
    // series' first, so its next week is skipped.
    EXPECT_EQ(Series(*Weekly({Monday, Wednesday}, 2), D(2010, 6, 6), 6),
              (std::vector<Date>{D(2010, 6, 14), D(2010, 6, 16), D(2010, 6, 28), D(2010, 6, 30),
                                 D(2010, 7, 12), D(2010, 7, 14)}));
    // Every day every 3 weeks: one whole week, then two weeks without.
    const std::vector<Date> days = Series(
        *Weekly({Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday}, 3), D(2010, 6, 6), 9);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(days[i], D(2010, 6, 21 + i));
    EXPECT_EQ(days[7], D(2010, 7, 12));
    EXPECT_EQ(days[8], D(2010, 7, 13));
}

TEST(FrequencyWeekly, DescribesItsDays)
{
    struct Case {
        std::initializer_list<std::int32_t> days;
        int interval;
        const wchar_t* text;
    } const cases[] = {
        {{Monday, Tuesday, Wednesday, Thursday, Friday}, 1, L"Weekly on weekdays"},
        {{Saturday, Sunday}, 2, L"Every 2 weeks on weekend days"},
        {{Monday, Tuesday, Thursday}, 1, L"Weekly on Monday, Tuesday and Thursday"},
        {{Friday, Sunday}, 1, L"Weekly on Friday and Sunday"},
        {{Wednesday}, 4, L"Every 4 weeks on Wednesday"},
        {{Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday}, 1, L"Every day"},
        {{Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday}, 3, L"Every 3 weeks on every day"},
        {{Monday, Tuesday, Wednesday, Thursday, Friday, Saturday},
         1,
         L"Weekly on Monday, Tuesday, Wednesday, Thursday, Friday and Saturday"},
        {{}, 1, L"Weekly on no days selected"},
        {{Monday}, 0, L"Every 0 weeks on Monday"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Weekly(c.days, c.interval)->GetDescription(), c.text);
}

TEST(FrequencyWeekly, WritesEveryDayInOrder)
{
    const XmlNode parent = NewXmlRoot();
    ASSERT_TRUE(Weekly({Tuesday, Sunday}, 2)->SaveXml(parent));
    const XmlNode element = parent.FindChildElement(L"weekly", false);
    EXPECT_EQ(element.GetAttribute(L"every_n_weeks"), L"2");
    const XmlNodeList days = element.SelectNodes(L"active_weekdays/day");
    ASSERT_EQ(days.Count(), 7);
    const wchar_t* names[] = {L"mon", L"tue", L"wed", L"thu", L"fri", L"sat", L"sun"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(days.Item(i).GetAttribute(L"name"), names[i]);
        EXPECT_EQ(days.Item(i).GetAttribute(L"enabled"), i == 1 || i == 6 ? L"true" : L"false");
    }

    FrequencyWeekly reread;
    ASSERT_TRUE(reread.LoadXml(element));
    EXPECT_EQ(reread.active_weekdays, Weekly({Tuesday, Sunday}, 2)->active_weekdays);
    EXPECT_EQ(reread.every_n_weeks, 2);
}

TEST(FrequencyWeekly, ReadsTolerantly)
{
    FrequencyWeekly rule;
    ASSERT_TRUE(rule.LoadXml(ParseXml(R"(<weekly every_n_weeks="3"><active_weekdays>
        <day name="fri" enabled="true"/>
        <day name="fri" enabled="false"/>
        <day name="sat" enabled="TRUE"/>
        <day name="sun" enabled="true"/>
        <day name="Thu" enabled="true"/>
        </active_weekdays></weekly>)")));
    // A later entry overrides an earlier one; an unknown name counts as Monday.
    EXPECT_EQ(rule.active_weekdays, Weekly({Monday, Sunday}, 3)->active_weekdays);
    EXPECT_EQ(rule.every_n_weeks, 3);
}

TEST(FrequencyWeekly, SwitchesMondayOnWhenNoDayIs)
{
    FrequencyWeekly rule;
    EXPECT_EQ(rule.GetDescription(), L"Weekly on no days selected");
    ASSERT_TRUE(rule.LoadXml(ParseXml(
        R"(<weekly><active_weekdays><day name="tue" enabled="false"/></active_weekdays></weekly>)")));
    EXPECT_EQ(rule.GetDescription(), L"Weekly on Monday");
    EXPECT_FALSE(rule.LoadXml(ParseXml(R"(<daily every_n_weeks="2"/>)")));
    EXPECT_EQ(rule.every_n_weeks, 1);
}
