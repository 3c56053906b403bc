// Planning with the rotation settings: a rotation counted from a fixed date, staggered starts, longer
// turns, absences, swaps and balanced assignment, each with the four kinds of rule.

#include "roster/PlanSummary.h"
#include "roster/Schedule.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

Date D(int year, int month, int day)
{
    return Date(year, month, day);
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The four kinds, each set up to fall due several times a month.
enum class Rule { Daily, Weekly, Monthly, Yearly };

void SetRule(Frequency& frequency, Rule rule)
{
    frequency.daily.first_day = D(2023, 1, 2);
    switch (rule) {
    case Rule::Daily:
        frequency.daily.every_n_days = 2;
        break;
    case Rule::Weekly:
        frequency.selected = 1;
        frequency.weekly.active_weekdays[Monday] = true;
        frequency.weekly.active_weekdays[Thursday] = true;
        break;
    case Rule::Monthly:
        frequency.selected = 2;
        frequency.monthly.on_day_n = 31;
        break;
    case Rule::Yearly:
        frequency.selected = 3;
        frequency.yearly.every_month = 1;
        frequency.yearly.every_month_day = 29;
        break;
    }
}

const char* RuleName(Rule rule)
{
    const char* names[] = {"daily", "weekly", "monthly", "yearly"};
    return names[static_cast<int>(rule)];
}

class RotationTest : public testing::Test {
protected:
    void AddPersons(std::initializer_list<const wchar_t*> names)
    {
        for (const wchar_t* name : names)
            roster.AddPerson(std::make_unique<Person>(name));
    }

    Task& AddTask(const wchar_t* name, Rule rule = Rule::Daily, TurnLength length = TurnLength::DueDate)
    {
        auto task = std::make_unique<Task>(name);
        SetRule(task->GetFrequency(), rule);
        task->SetTurnLength(length);
        Task& added = *task;
        roster.AddTask(std::move(task));
        return added;
    }

    Task& AddEveryDay(const wchar_t* name, int effort = 0)
    {
        Task& task = AddTask(name);
        task.GetFrequency().daily.every_n_days = 1;
        task.SetEffort(effort);
        return task;
    }

    void SetAway(std::size_t person, std::vector<AwayPeriod> periods)
    {
        roster.Persons().at(person)->SetAway(std::move(periods));
    }

    Schedule::EntryList Plan(Date from, Date until) const
    {
        Schedule schedule;
        EXPECT_TRUE(schedule.Generate(roster, from, until));
        return schedule.Entries();
    }

    // "2024-Jan-01 Ben (for Anna) Sweep" lines, in iteration order, from `shownFrom` on.
    Rows RowsOf(Date from, Date until, Date shownFrom = Date()) const
    {
        Rows rows;
        for (const ScheduleEntry& entry : Plan(from, until)) {
            if (shownFrom.is_special() || entry.date >= shownFrom)
                rows.push_back(boost::gregorian::to_simple_string(entry.date) + " "
                               + Narrow(EntryPersonText(entry)) + " " + Narrow(entry.task));
        }
        return rows;
    }

    // The persons of the rows only, for rules whose dates are not the point.
    std::string Persons(Date from, Date until) const
    {
        std::string persons;
        for (const ScheduleEntry& entry : Plan(from, until))
            persons += (persons.empty() ? "" : " ") + Narrow(EntryPersonText(entry));
        return persons;
    }

    Roster roster;
};

// What a table case sets up beyond persons A, B and C and one task of the given rule.
struct Setting {
    const char* what;
    std::function<void(Roster&, Task&)> apply;
};

const Setting kSettings[] = {
    {"plain", [](Roster&, Task&) {}},
    {"staggered second task",
     [](Roster& roster, Task&) {
         roster.SetStaggered(true);
         auto second = std::make_unique<Task>(L"Second");
         SetRule(second->GetFrequency(), Rule::Daily);
         roster.AddTask(std::move(second));
     }},
    {"week turns", [](Roster&, Task& task) { task.SetTurnLength(TurnLength::Week); }},
    {"month turns", [](Roster&, Task& task) { task.SetTurnLength(TurnLength::Month); }},
    {"absences on both sides of the join",
     [](Roster& roster, Task&) {
         roster.Persons()[0]->SetAway({{D(2023, 12, 20), D(2024, 1, 3)}, {D(2024, 1, 28), D(2024, 2, 2)}});
         roster.Persons()[1]->SetAway({{D(2024, 1, 31), D(2024, 2, 1)}});
     }},
};

} // namespace

void PrintTo(const PersonShare& share, std::ostream* out)
{
    *out << Narrow(share.person) << ": " << share.turns << " turns, " << share.minutes << " min";
}

TEST_F(RotationTest, AnyPeriodContinuesTheRotationCountedFromItsDate)
{
    for (const Rule rule : {Rule::Daily, Rule::Weekly, Rule::Monthly, Rule::Yearly}) {
        for (const Setting& setting : kSettings) {
            SCOPED_TRACE(std::string(RuleName(rule)) + ", " + setting.what);
            roster = Roster();
            AddPersons({L"A", L"B", L"C"});
            setting.apply(roster, AddTask(L"Task", rule));
            roster.SetRotationFrom(D(2022, 11, 15));

            Rows joined = RowsOf(D(2024, 1, 1), D(2024, 1, 31));
            const Rows february = RowsOf(D(2024, 2, 1), D(2024, 2, 29));
            joined.insert(joined.end(), february.begin(), february.end());
            EXPECT_EQ(RowsOf(D(2024, 1, 1), D(2024, 2, 29)), joined);
            EXPECT_EQ(RowsOf(D(2022, 11, 15), D(2024, 2, 29), D(2024, 2, 1)), february);
        }
    }
}

TEST_F(RotationTest, WithoutARotationDateEveryPeriodStartsAfresh)
{
    AddPersons({L"A", L"B"});
    AddTask(L"Task");
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 5)), "A B A");
    EXPECT_EQ(Persons(D(2024, 1, 3), D(2024, 1, 5)), "A B");
    // A rotation date on the period's first day, or after it, changes nothing.
    for (const Date rotationFrom : {D(2024, 1, 3), D(2024, 1, 4)}) {
        roster.SetRotationFrom(rotationFrom);
        EXPECT_EQ(Persons(D(2024, 1, 3), D(2024, 1, 5)), "A B");
    }
    roster.SetRotationFrom(D(2024, 1, 1));
    EXPECT_EQ(Persons(D(2024, 1, 3), D(2024, 1, 5)), "B A");
}

TEST_F(RotationTest, StaggeredTasksStartWithTheNextPerson)
{
    AddPersons({L"A", L"B", L"C"});
    for (const wchar_t* name : {L"T0", L"T1", L"T2", L"T3", L"T4"})
        AddEveryDay(name);
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 1)), "A A A A A");
    roster.SetStaggered(true);
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 1)), "A B C A B");
    EXPECT_EQ(Persons(D(2024, 1, 2), D(2024, 1, 2)), "A B C A B");
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 2)), "A B C A B B C A B C");
}

TEST_F(RotationTest, LongerTurnsKeepAWeekOrAMonthWithOnePersonAcrossTheYearEnd)
{
    struct Case {
        const char* what;
        Rule rule;
        TurnLength length;
        Rows rows;
    };
    const Case cases[] = {
        {"daily by the week",
         Rule::Daily,
         TurnLength::Week,
         {"2024-Dec-28 A T", "2024-Dec-30 B T", "2025-Jan-01 B T", "2025-Jan-03 B T", "2025-Jan-05 B T",
          "2025-Jan-07 A T", "2025-Jan-09 A T"}},
        {"weekly by the week",
         Rule::Weekly,
         TurnLength::Week,
         {"2024-Dec-30 A T", "2025-Jan-02 A T", "2025-Jan-06 B T", "2025-Jan-09 B T"}},
        {"daily by the month",
         Rule::Daily,
         TurnLength::Month,
         {"2024-Dec-28 A T", "2024-Dec-30 A T", "2025-Jan-01 B T", "2025-Jan-03 B T", "2025-Jan-05 B T",
          "2025-Jan-07 B T", "2025-Jan-09 B T"}},
        {"weekly by the month",
         Rule::Weekly,
         TurnLength::Month,
         {"2024-Dec-30 A T", "2025-Jan-02 B T", "2025-Jan-06 B T", "2025-Jan-09 B T"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        roster = Roster();
        AddPersons({L"A", L"B"});
        AddTask(L"T", c.rule, c.length);
        EXPECT_EQ(RowsOf(D(2024, 12, 28), D(2025, 1, 9)), c.rows);
    }
}

TEST_F(RotationTest, AnAwayPersonsTurnGoesToTheNextOneWhoIsThere)
{
    struct Case {
        const char* what;
        std::vector<AwayPeriod> awayA, awayB;
        std::string persons;
    };
    const Case cases[] = {
        {"nobody away", {}, {}, "A B C A B"},
        {"A away on the first day only", {{D(2024, 1, 1), D(2024, 1, 1)}}, {}, "B (for A) C A B C"},
        {"A away from before the period into it",
         {{D(2023, 12, 1), D(2024, 1, 3)}},
         {},
         "B (for A) C B (for A) C A"},
        {"A and B away on the first day",
         {{D(2024, 1, 1), D(2024, 1, 1)}},
         {{D(2024, 1, 1), D(2024, 1, 1)}},
         "C (for A) A B C A"},
        {"B away on the last day and after", {}, {{D(2024, 1, 5), D(2024, 2, 1)}}, "A B C A C (for B)"},
        {"A's periods out of order, one inside a longer one",
         {{D(2024, 1, 2), D(2024, 1, 2)}, {D(2023, 12, 1), D(2024, 1, 3)}},
         {},
         "B (for A) C B (for A) C A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        roster = Roster();
        AddPersons({L"A", L"B", L"C"});
        AddEveryDay(L"T");
        SetAway(0, c.awayA);
        SetAway(1, c.awayB);
        EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 5)), c.persons);
    }
}

TEST_F(RotationTest, AWeekTurnPassesToTheNextPresentPersonWhenItsHolderIsAway)
{
    AddPersons({L"A", L"B", L"C"});
    AddEveryDay(L"T").SetTurnLength(TurnLength::Week);
    // A is away on the week's Monday: B takes the week; on B's own away day C stands in.
    SetAway(0, {{D(2024, 1, 1), D(2024, 1, 1)}});
    SetAway(1, {{D(2024, 1, 3), D(2024, 1, 3)}});
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 9)),
              "B (for A) B (for A) C (for A) B (for A) B (for A) B (for A) B (for A) C C");
}

TEST_F(RotationTest, WhenEveryoneIsAwayNobodyIsPlannedAndTheTurnWaits)
{
    AddPersons({L"A", L"B"});
    AddEveryDay(L"T");
    SetAway(0, {{D(2024, 1, 2), D(2024, 1, 3)}});
    SetAway(1, {{D(2024, 1, 2), D(2024, 1, 2)}});
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 4)), "A (nobody available) B A");
    const Schedule::EntryList entries = Plan(D(2024, 1, 2), D(2024, 1, 2));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].reason, EntryReason::NobodyAvailable);
    EXPECT_EQ(entries[0].person, L"");
}

TEST_F(RotationTest, ASwapGivesOneTurnAwayWithoutMovingTheRotation)
{
    AddPersons({L"A", L"B", L"C"});
    AddEveryDay(L"Dishes");
    AddEveryDay(L"Bins");
    ASSERT_TRUE(roster.GiveTurn(L"Dishes", D(2024, 1, 2), L"C"));
    ASSERT_FALSE(roster.GiveTurn(L"Dishes", D(2024, 1, 2), L"Nobody"));
    ASSERT_FALSE(roster.GiveTurn(L"Nothing", D(2024, 1, 2), L"A"));
    const Rows swapped = {"2024-Jan-01 A Dishes", "2024-Jan-01 A Bins",   "2024-Jan-02 C (for B) Dishes",
                          "2024-Jan-02 B Bins",   "2024-Jan-03 C Dishes", "2024-Jan-03 C Bins"};
    EXPECT_EQ(RowsOf(D(2024, 1, 1), D(2024, 1, 3)), swapped);
    EXPECT_EQ(Plan(D(2024, 1, 2), D(2024, 1, 2)).front().reason, EntryReason::Swapped);

    // Renaming any task or person keeps the swap; so does planning again.
    roster.Tasks()[1]->SetName(L"Recycling");
    roster.Tasks()[0]->SetName(L"Washing up");
    roster.Persons()[2]->SetName(L"Cy");
    EXPECT_EQ(Persons(D(2024, 1, 2), D(2024, 1, 2)), "Cy (for A) A");
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 2)), "A A Cy (for B) B");

    EXPECT_FALSE(roster.UndoSwap(L"Recycling", D(2024, 1, 2)));
    EXPECT_TRUE(roster.UndoSwap(L"Washing up", D(2024, 1, 2)));
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 2)), "A A B B");
}

TEST_F(RotationTest, ASwapWhoseTaskOrPersonIsGoneIsDropped)
{
    AddPersons({L"A", L"B"});
    AddEveryDay(L"T");
    AddEveryDay(L"U");
    roster.GiveTurn(L"T", D(2024, 1, 1), L"B");
    roster.GiveTurn(L"U", D(2024, 1, 1), L"B");
    const Roster copy = roster;
    roster.RemoveTask(L"U");
    EXPECT_EQ(roster.Swaps().size(), 1u);
    EXPECT_EQ(copy.Swaps().size(), 2u);
    roster.RemovePerson(L"B");
    EXPECT_TRUE(roster.Swaps().empty());
    roster.AddPerson(std::make_unique<Person>(L"B"));
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 1)), "A");
    // Giving a turn to the person who has it anyway reads as the ordinary turn.
    roster.GiveTurn(L"T", D(2024, 1, 1), L"A");
    EXPECT_EQ(Plan(D(2024, 1, 1), D(2024, 1, 1)).front().reason, EntryReason::InTurn);
}

TEST_F(RotationTest, BalancedGivesEachDueDateToWhoeverHasDoneTheLeast)
{
    struct Case {
        const char* what;
        int cookEffort, binsEffort;
        std::string persons;
    };
    const Case cases[] = {
        // Without efforts the turns are counted: ties go to the earlier person.
        {"no efforts", 0, 0, "A B C A B C"},
        {"efforts", 60, 10, "A B C B B A"},
        // Counting no minutes for Bins would give B the cooking on the second day too.
        {"a task without effort counts a minute a turn", 60, 0, "A B C B B A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        roster = Roster();
        AddPersons({L"A", L"B", L"C"});
        roster.SetAssignment(Assignment::Balanced);
        AddEveryDay(L"Cook", c.cookEffort);
        AddEveryDay(L"Bins", c.binsEffort);
        EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 3)), c.persons);
    }
}

TEST_F(RotationTest, BalancedSkipsAbsentPersonsAndCountsSwapsAndWeekTurns)
{
    AddPersons({L"A", L"B"});
    roster.SetAssignment(Assignment::Balanced);
    AddEveryDay(L"Dishes", 10).SetTurnLength(TurnLength::Week);
    AddEveryDay(L"Cook", 30);
    SetAway(0, {{D(2024, 1, 2), D(2024, 1, 2)}});
    roster.GiveTurn(L"Cook", D(2024, 1, 3), L"B");
    // Dishes stay with A for the week but B stands in on A's day away; the swapped cooking counts for B.
    EXPECT_EQ(Persons(D(2024, 1, 1), D(2024, 1, 4)), "A B B (for A) B A B (for A) A A");
    const std::vector<PersonShare> summary = SummarizePlan(roster, Plan(D(2024, 1, 1), D(2024, 1, 4)));
    EXPECT_EQ(summary, (std::vector<PersonShare>{{L"A", 4, 60}, {L"B", 4, 100}}));
}

TEST_F(RotationTest, TheSummaryListsEveryPersonAndOnlyThosePlanned)
{
    AddPersons({L"A", L"B", L"C"});
    AddEveryDay(L"T", 15);
    AddEveryDay(L"U");
    SetAway(0, {{D(2024, 1, 2), D(2024, 1, 2)}});
    SetAway(1, {{D(2024, 1, 2), D(2024, 1, 2)}});
    SetAway(2, {{D(2024, 1, 2), D(2024, 1, 2)}});
    const Schedule::EntryList entries = Plan(D(2024, 1, 1), D(2024, 1, 3));
    roster.Persons()[0]->SetName(L"Renamed");
    EXPECT_EQ(SummarizePlan(roster, entries),
              (std::vector<PersonShare>{{L"Renamed", 0, 0}, {L"B", 2, 15}, {L"C", 0, 0}, {L"A", 2, 15}}));
}
