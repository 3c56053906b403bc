#include "roster/RosterCollection.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
Roster WithPersons(std::initializer_list<const wchar_t*> names)
{
    Roster roster(L"Kitchen");
    for (const wchar_t* name : names)
        roster.AddPerson(std::make_unique<Person>(name));
    return roster;
}

std::vector<std::wstring> PersonNames(const Roster& roster)
{
    std::vector<std::wstring> names;
    for (const auto& person : roster.Persons())
        names.push_back(person->GetName());
    return names;
}
} // namespace

TEST(Roster, RemovesEveryPersonOfTheName)
{
    Roster roster = WithPersons({L"Ann", L"Bob", L"Ann", L"Cy"});
    EXPECT_TRUE(roster.RemovePerson(L"Ann"));
    EXPECT_EQ(PersonNames(roster), (std::vector<std::wstring>{L"Bob", L"Cy"}));
    EXPECT_FALSE(roster.RemovePerson(L"Ann"));
    EXPECT_FALSE(roster.RemovePerson(L"bob"));
    EXPECT_EQ(roster.PersonCount(), 2u);
}

TEST(Roster, ComparesNamesExactly)
{
    const Roster roster = WithPersons({L"John", L"Zo\u00eb"});
    EXPECT_TRUE(roster.HasPerson(L"John"));
    EXPECT_FALSE(roster.HasPerson(L"john"));
    EXPECT_FALSE(roster.HasPerson(L"John "));
    EXPECT_FALSE(roster.HasPerson(L"Zoe"));
    EXPECT_TRUE(roster.HasPerson(L"Zo\u00eb"));
}

TEST(Roster, RemovesEveryTaskOfTheName)
{
    Roster roster;
    for (const wchar_t* name : {L"Sweep", L"Mop", L"Sweep"})
        roster.AddTask(std::make_unique<Task>(name));
    EXPECT_TRUE(roster.HasTask(L"Mop"));
    EXPECT_TRUE(roster.RemoveTask(L"Sweep"));
    ASSERT_EQ(roster.TaskCount(), 1u);
    EXPECT_EQ(roster.Tasks().front()->GetName(), L"Mop");
    EXPECT_FALSE(roster.RemoveTask(L"sweep"));
}

TEST(Roster, CopiesShareTheirPersonsAndTasks)
{
    Roster source = WithPersons({L"Ann"});
    source.AddTask(std::make_unique<Task>(L"Sweep"));
    Roster copy = source;

    copy.AddTask(std::make_unique<Task>(L"Mop"));
    EXPECT_EQ(source.TaskCount(), 1u);
    EXPECT_EQ(copy.TaskCount(), 2u);

    copy.Persons().front()->SetName(L"Anna");
    EXPECT_EQ(source.Persons().front()->GetName(), L"Anna");
    EXPECT_EQ(&copy.Tasks().front()->GetFrequency(), &source.Tasks().front()->GetFrequency());
}

TEST(Task, OwnsADailyFrequencyFromTheStart)
{
    const Task unnamed;
    EXPECT_EQ(unnamed.GetName(), L"");
    EXPECT_EQ(unnamed.GetFrequency().GetDescription(), L"Every day");

    Task task(L"Sweep");
    const Task copy = task;
    task.GetFrequency().selected = 1;
    EXPECT_EQ(&copy.GetFrequency(), &task.GetFrequency());
    EXPECT_NE(&Task(L"Sweep").GetFrequency(), &task.GetFrequency());
}

TEST(RosterCollection, AddsAndNotifiesInOrder)
{
    RosterCollection collection;
    std::vector<std::wstring> seen;
    collection.RosterAdded.connect(
        [&](const Roster& roster) { seen.push_back(L"first " + roster.GetName()); });
    collection.RosterAdded.connect([&](const Roster& roster) {
        seen.push_back(L"second " + roster.GetName());
        EXPECT_EQ(collection.At(collection.Count() - 1).GetName(), roster.GetName());
    });

    collection.Add(Roster(L"Kitchen"));
    collection.Add(Roster(L"Kitchen"));
    EXPECT_EQ(collection.Count(), 2);
    EXPECT_EQ(seen,
              (std::vector<std::wstring>{L"first Kitchen", L"second Kitchen", L"first Kitchen",
                                         L"second Kitchen"}));
    EXPECT_EQ(collection.CurrentIndex(), -1);
}

TEST(RosterCollection, EditsReachTheStoredRoster)
{
    RosterCollection collection;
    collection.Add(WithPersons({L"John"}));
    collection.Add(Roster(L"Garden"));
    collection.SetCurrentIndex(0);
    ASSERT_NE(collection.Current(), nullptr);
    collection.Current()->AddPerson(std::make_unique<Person>(L"Linda"));
    collection.Current()->Persons().front()->SetName(L"Johnny");
    EXPECT_EQ(PersonNames(collection.At(0)), (std::vector<std::wstring>{L"Johnny", L"Linda"}));

    collection.RemoveAt(0);
    EXPECT_EQ(collection.Count(), 1);
    EXPECT_EQ(collection.At(0).GetName(), L"Garden");
}

TEST(RosterCollection, HasNoCurrentRosterOutsideItsRange)
{
    RosterCollection collection;
    EXPECT_EQ(collection.Current(), nullptr);
    collection.Add(Roster(L"Kitchen"));
    for (int index : {-1, 1, 7, -5}) {
        collection.SetCurrentIndex(index);
        EXPECT_EQ(collection.Current(), nullptr) << index;
    }
    collection.SetCurrentIndex(0);
    EXPECT_EQ(collection.Current(), &collection.At(0));
}

TEST(RosterCollection, IsOneInstanceForTheProgram)
{
    EXPECT_EQ(&RosterCollection::Instance(), &RosterCollection::Instance());
}
