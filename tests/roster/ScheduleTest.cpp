#include "recurrence/Today.h"
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
            rows.push_back(boost::gregorian::to_simple_string(entry.date) + " " + Narrow(entry.person) + " "
                           + Narrow(entry.task));
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
    EXPECT_EQ(Rows(D(2024, 1, 1), D(2024, 1, 10)),
              (std::vector<std::string>{
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
    EXPECT_EQ(Rows(D(2024, 1, 1), D(2024, 1, 5)),
              (std::vector<std::string>{
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
    EXPECT_EQ(Rows(D(2024, 1, 3), D(2024, 1, 3)),
              (std::vector<std::string>{"2024-Jan-03 A X", "2024-Jan-03 A Y"}));
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
    roster.Persons().front()->SetName(L"B");
    schedule.Generate(roster, D(2024, 1, 1), D(2024, 1, 1));
    // By date, and on one date the earlier plan's entry first.
    std::vector<std::string> rows;
    for (const ScheduleEntry& entry : schedule.Entries())
        rows.push_back(boost::gregorian::to_simple_string(entry.date) + " " + Narrow(entry.person));
    EXPECT_EQ(rows, (std::vector<std::string>{"2024-Jan-01 A", "2024-Jan-01 B", "2024-Jan-02 A"}));
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
    EXPECT_EQ(Rows(D(2010, 6, 1), D(2010, 7, 31)),
              (std::vector<std::string>{
                  "2010-Jun-14 A W",
                  "2010-Jun-28 B W",
                  "2010-Jun-30 A M",
                  "2010-Jul-12 A W",
                  "2010-Jul-26 B W",
                  "2010-Jul-31 B M",
              }));
}

TEST_F(ScheduleTest, HoldsTheDueDatesOfTheFirstMonthAndYearOfThePeriod)
{
    // The default period runs from today to a month later.
    const TodayPin pin(D(2010, 3, 10));
    const Date until = Today() + boost::gregorian::months(1);
    AddPersons({L"A", L"B"});
    Frequency& monthly = AddDaily(L"Mid-month", 1, D(2010, 1, 1));
    monthly.selected = 2;
    monthly.monthly.on_day_n = 15;
    Frequency& yearly = AddDaily(L"Windows", 1, D(2010, 1, 1));
    yearly.selected = 3;
    yearly.yearly.timing_mode = SpecificWeekday;
    yearly.yearly.weekday = Friday;
    yearly.yearly.month = 3;
    Frequency& spring = AddDaily(L"Spring", 1, D(2010, 1, 1));
    spring.selected = 3;
    spring.yearly.every_month = 2;
    spring.yearly.every_month_day = 20;
    EXPECT_EQ(Rows(Today(), until),
              (std::vector<std::string>{
                  "2010-Mar-15 A Mid-month",
                  "2010-Mar-20 A Spring",
                  "2010-Apr-02 A Windows",
              }));
    // A yearly date inside a period that stays within one year.
    spring.yearly.every_month = 11;
    spring.yearly.every_month_day = 15;
    EXPECT_EQ(Rows(D(2010, 12, 1), D(2010, 12, 31)),
              (std::vector<std::string>{
                  "2010-Dec-15 A Mid-month",
                  "2010-Dec-15 A Spring",
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
