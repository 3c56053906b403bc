#include "roster/Schedule.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
Date D(int year, int month, int day)
{
    return Date(year, month, day);
}

class ScheduleTest : public testing::Test {
protected:
    void AddPersons(std::initializer_list<const wchar_t*> names)
    {
        for (const wchar_t* name : names)
            roster.AddPerson(std::make_unique<Person>(name));
    }

    Frequency& AddDaily(const wchar_t* name, int interval, Date first)
    {
        auto task = std::make_unique<Task>(name);
        Frequency& frequency = task->GetFrequency();
        frequency.daily.every_n_days = interval;
        frequency.daily.first_day = first;
        roster.AddTask(std::move(task));
        return frequency;
    }

    // "2024-Jan-01 John Clean sink" lines, in iteration order.
    std::vector<std::string> Rows(Date from, Date until) const
    {
        Schedule schedule;
        EXPECT_TRUE(schedule.Generate(roster, from, until));
        std::vector<std::string> rows;
        for (const ScheduleEntry& entry : schedule.Entries())
            rows.push_back(boost::gregorian::to_simple_string(entry.date) + " " + Narrow(entry.person) + " " + Narrow(entry.task));
        return rows;
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

    Roster roster;
};
} // namespace

TEST_F(ScheduleTest, RotatesEachTaskThroughThePersons)
{
    AddPersons({L"John", L"Linda"});
    AddDaily(L"Clean sink", 3, D(2024, 1, 1));
    AddDaily(L"Sweep floors", 3, D(2024, 1, 2));
    EXPECT_EQ(Rows(D(2024, 1, 1), D(2024, 1, 10)), (std::vector<std::string>{
                                                       "2024-Jan-01 John Clean sink",
                                                       "2024-Jan-02 John Sweep floors",
                                                       "2024-Jan-04 Linda Clean sink",
                                                       "2024-Jan-05 Linda Sweep floors",
                                                       "2024-Jan-07 John Clean sink",
                                                       "2024-Jan-08 John Sweep floors",
                                                       "2024-Jan-10 Linda Clean sink",
                                                   }));
}

TEST_F(ScheduleTest, OrdersOneDateByTheTasksOrder)
{
    AddPersons({L"A", L"B", L"C"});
    AddDaily(L"Y", 1, D(2024, 1, 3));
    AddDaily(L"X", 2, D(2024, 1, 1));
    AddDaily(L"Late", 1, D(2024, 2, 1));
    EXPECT_EQ(Rows(D(2024, 1, 1), D(2024, 1, 5)), (std::vector<std::string>{
                                                      "2024-Jan-01 A X",
                                                      "2024-Jan-03 A Y",
                                                      "2024-Jan-03 B X",
                                                      "2024-Jan-04 B Y",
                                                      "2024-Jan-05 C Y",
                                                      "2024-Jan-05 C X",
                                                  }));
}

TEST_F(ScheduleTest, GivesASingleDayToTheFirstPerson)
{
    AddPersons({L"A", L"B"});
    AddDaily(L"X", 1, D(2024, 1, 1));
    AddDaily(L"Y", 2, D(2024, 1, 1));
    EXPECT_EQ(Rows(D(2024, 1, 3), D(2024, 1, 3)), (std::vector<std::string>{"2024-Jan-03 A X", "2024-Jan-03 A Y"}));
}

TEST_F(ScheduleTest, YieldsNothingWithoutPersonsTasksOrPeriod)
{
    AddDaily(L"X", 1, D(2024, 1, 1));
    EXPECT_TRUE(Rows(D(2024, 1, 1), D(2024, 1, 31)).empty());
    AddPersons({L"A"});
    EXPECT_TRUE(Rows(D(2024, 1, 31), D(2024, 1, 1)).empty());
    EXPECT_EQ(Rows(D(2024, 1, 1), D(2024, 1, 31)).size(), 31u);
}

TEST_F(ScheduleTest, StartsAfreshAndKeepsTheNamesItCopied)
{
    AddPersons({L"A", L"B"});
    AddDaily(L"X", 1, D(2024, 1, 1));
    EXPECT_EQ(Rows(D(2024, 1, 1), D(2024, 1, 3)), Rows(D(2024, 1, 1), D(2024, 1, 3)));

    Schedule schedule;
    schedule.Generate(roster, D(2024, 1, 1), D(2024, 1, 1));
    roster.Persons().front()->SetName(L"Renamed");
    EXPECT_EQ(schedule.Entries().front().person, L"A");
}

TEST_F(ScheduleTest, AddsToWhatTheScheduleHolds)
{
    AddPersons({L"A"});
    AddDaily(L"X", 1, D(2024, 1, 1));
    Schedule schedule;
    schedule.Generate(roster, D(2024, 1, 1), D(2024, 1, 2));
    schedule.Generate(roster, D(2024, 1, 2), D(2024, 1, 2));
    EXPECT_EQ(schedule.Entries().size(), 3u);
}

TEST_F(ScheduleTest, FollowsEveryKindOfRule)
{
    AddPersons({L"A", L"B"});
    Frequency& weekly = AddDaily(L"W", 1, D(2010, 1, 1));
    weekly.selected = 1;
    weekly.weekly.active_weekdays[Monday] = true;
    weekly.weekly.every_n_weeks = 2;
    Frequency& monthly = AddDaily(L"M", 1, D(2010, 1, 1));
    monthly.selected = 2;
    monthly.monthly.on_day_n = 31;
    EXPECT_EQ(Rows(D(2010, 6, 1), D(2010, 7, 31)), (std::vector<std::string>{
                                                      "2010-Jun-14 A W",
                                                      "2010-Jun-28 B W",
                                                      "2010-Jun-30 A M",
                                                      "2010-Jul-12 A W",
                                                      "2010-Jul-26 B W",
                                                      "2010-Jul-31 B M",
                                                  }));
}

TEST_F(ScheduleTest, KeepsTheEntriesBeforeARangeError)
{
    AddPersons({L"A"});
    AddDaily(L"X", 1, D(9999, 12, 30));
    AddDaily(L"Y", 1, D(9999, 12, 30));
    Schedule schedule;
    EXPECT_THROW(schedule.Generate(roster, D(9999, 12, 30), D(9999, 12, 31)), std::out_of_range);
    EXPECT_EQ(schedule.Entries().size(), 2u);
}
