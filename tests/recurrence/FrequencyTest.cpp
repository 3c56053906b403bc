#include "DateHelpers.h"
#include "XmlFixture.h"

#include "recurrence/Frequency.h"
#include "recurrence/Today.h"

#include <gtest/gtest.h>

TEST(Frequency, StartsAsDailyFromToday)
{
    const TodayPin pin(D(2010, 3, 10));
    const Frequency frequency;
    EXPECT_EQ(frequency.selected, 0);
    EXPECT_EQ(frequency.GetDescription(), L"Every day");
    EXPECT_EQ(frequency.NextAfter(D(2010, 1, 1)), D(2010, 3, 10));
    EXPECT_EQ(frequency.NextAfter(D(2010, 4, 1)), D(2010, 4, 2));
    ASSERT_EQ(frequency.kinds.size(), 4u);
    const wchar_t* names[] = {L"Daily", L"Weekly", L"Monthly", L"Yearly"};
    const FrequencyBase* kinds[]
        = {&frequency.daily, &frequency.weekly, &frequency.monthly, &frequency.yearly};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(frequency.kinds[i].name, names[i]);
        EXPECT_EQ(frequency.kinds[i].kind, kinds[i]);
    }
}

TEST(Frequency, ForwardsToTheSelectedKind)
{
    Frequency frequency;
    frequency.yearly.every_month = 2;
    frequency.yearly.every_month_day = 5;
    frequency.selected = 3;
    EXPECT_EQ(frequency.GetDescription(), L"Yearly on 5th of March");
    EXPECT_EQ(frequency.NextAfter(D(2010, 6, 1)), D(2011, 3, 5));
    frequency.selected = 17;
    EXPECT_EQ(frequency.GetDescription(), L"Every day");
}

TEST(Frequency, SavesAllFourKindsAndReadsThemBack)
{
    Frequency frequency;
    frequency.selected = 2;
    frequency.daily.every_n_days = 4;
    frequency.weekly.active_weekdays[Friday] = true;
    frequency.monthly.on_day_n = 20;
    frequency.yearly.every_month_day = 9;

    const XmlNode parent = NewXmlRoot();
    ASSERT_TRUE(frequency.SaveXml(parent));
    const XmlNode element = parent.FindChildElement(L"frequency", false);
    EXPECT_EQ(element.GetAttribute(L"selected"), L"2");
    const XmlNodeList children = element.ChildElements();
    ASSERT_EQ(children.Count(), 4);
    const wchar_t* order[] = {L"daily", L"weekly", L"monthly", L"yearly"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(children.Item(i).GetName(), order[i]);

    Frequency reread;
    ASSERT_TRUE(reread.LoadXml(element));
    EXPECT_EQ(reread.selected, 2);
    EXPECT_EQ(reread.GetDescription(), L"Every month on the 20th day");
    EXPECT_EQ(reread.daily.every_n_days, 4);
    EXPECT_EQ(reread.weekly.GetDescription(), L"Weekly on Friday");
    EXPECT_EQ(reread.yearly.every_month_day, 9);
}

TEST(Frequency, ReadsPartialElements)
{
    Frequency frequency;
    EXPECT_FALSE(frequency.LoadXml(ParseXml(R"(<frequency selected="3">
        <daily every_n_days="2" first_day="2011-Feb-01"/>
        <monthly every_nth_month="2"/>
        <yearly every_month="dec" every_month_day="24"/></frequency>)")));
    EXPECT_EQ(frequency.selected, 3);
    EXPECT_EQ(frequency.GetDescription(), L"Yearly on 24th of December");
    EXPECT_EQ(frequency.daily.every_n_days, 2);
    EXPECT_EQ(frequency.monthly.every_nth_month, 2);
    // The weekly rule keeps its defaults but, read from a file, falls due on a day.
    EXPECT_EQ(frequency.weekly.GetDescription(), L"Weekly on Monday");

    const XmlNode parent = NewXmlRoot();
    frequency.SaveXml(parent);
    Frequency reread;
    ASSERT_TRUE(reread.LoadXml(parent.FindChildElement(L"frequency", false)));
    EXPECT_EQ(reread.weekly.active_weekdays, frequency.weekly.active_weekdays);
}

// A value the file lacks or holds out of range is read as the value the rule plans with, so the
// description names the dates the rota shows.
TEST(Frequency, DescribesTheDatesItPlansForValuesOutOfRange)
{
    struct Case {
        const char* xml;
        const wchar_t* description;
        Date after, due;
    } const cases[] = {
        {R"(<frequency selected="1"><weekly><active_weekdays><day name="fri" enabled="true"/></active_weekdays>
            </weekly></frequency>)",
         L"Weekly on Friday", D(2010, 6, 11), D(2010, 6, 18)},
        {R"(<frequency selected="1"><weekly every_n_weeks="-4"/></frequency>)", L"Weekly on Monday",
         D(2010, 6, 7), D(2010, 6, 14)},
        {R"(<frequency selected="2"><monthly/></frequency>)", L"Every month on the 1st day", D(2010, 6, 7),
         D(2010, 7, 1)},
        {R"(<frequency selected="2"><monthly on_day_n="40"/></frequency>)", L"Every month on the 31st day",
         D(2010, 6, 7), D(2010, 6, 30)},
        {R"(<frequency selected="3"><yearly every_month="mar"/></frequency>)", L"Yearly on 1st of March",
         D(2010, 6, 7), D(2011, 3, 1)},
        {R"(<frequency selected="3"><yearly every_month="dec" every_month_day="99"/></frequency>)",
         L"Yearly on 31st of December", D(2010, 1, 7), D(2010, 12, 31)},
    };
    for (const auto& c : cases) {
        Frequency frequency;
        frequency.LoadXml(ParseXml(c.xml));
        EXPECT_EQ(frequency.GetDescription(), c.description) << c.xml;
        EXPECT_EQ(frequency.NextAfter(c.after), c.due) << c.xml;
    }
}

TEST(Frequency, ReadsPrefixedElementsByTheirLocalNames)
{
    Frequency frequency;
    EXPECT_TRUE(frequency.LoadXml(ParseXml(R"(<x:frequency xmlns:x="urn:x" selected="2">
        <x:daily every_n_days="6" first_day="2011-Feb-01"/><weekly/>
        <x:monthly every_nth_month="3" on_day_n="9"/><x:yearly every_month_day="7"/></x:frequency>)")));
    EXPECT_EQ(frequency.GetDescription(), L"Every 3 months on the 9th day");
    EXPECT_EQ(frequency.daily.every_n_days, 6);
    EXPECT_EQ(frequency.yearly.every_month_day, 7);
    EXPECT_FALSE(frequency.LoadXml(ParseXml(R"(<x:frequencies xmlns:x="urn:x" selected="1"/>)")));
    EXPECT_EQ(frequency.selected, 2);
}

TEST(Frequency, FallsBackToDailyForASelectionOutOfRange)
{
    for (const char* selected : {"7", "-1", "4", "abc", "", "99999999999"}) {
        Frequency frequency;
        frequency.LoadXml(ParseXml(std::string(R"(<frequency selected=")") + selected + R"("/>)"));
        EXPECT_EQ(frequency.selected, 0) << selected;
    }
    Frequency frequency;
    EXPECT_FALSE(frequency.LoadXml(ParseXml(R"(<task selected="2"/>)")));
    EXPECT_EQ(frequency.selected, 0);
}

TEST(Frequency, HasNoPanelOfItsOwn)
{
    struct Host : DetailsPanelParent {
    } host;
    Frequency frequency;
    frequency.CreateDetailsPanel(host);
    EXPECT_EQ(frequency.GetDetailsPanel(), nullptr);
    for (const auto& entry : frequency.kinds) {
        entry.kind->CreateDetailsPanel(host);
        EXPECT_EQ(entry.kind->GetDetailsPanel(), nullptr) << "no panel maker is installed in the core";
    }
    EXPECT_EQ(frequency.weekly.GetDescription(), L"Weekly on Monday");
}
