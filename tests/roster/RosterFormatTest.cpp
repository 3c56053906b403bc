#include "roster/Roster.h"
#include "storage/XmlDocument.h"

#include "TestEnvironment.h"
#include "XmlFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

const Date kToday(kTestTodayYear, kTestTodayMonth, kTestTodayDay);

Names ChildNames(const XmlNode& node)
{
    Names names;
    const XmlNodeList children = node.ChildElements();
    for (int i = 0; i < children.Count(); ++i)
        names.push_back(children.Item(i).GetName());
    return names;
}

XmlNode Child(const XmlNode& node, int index)
{
    return node.ChildElements().Item(index);
}

Names PersonNames(const Roster& roster)
{
    Names names;
    for (const auto& person : roster.Persons())
        names.push_back(person->GetName());
    return names;
}

Names TaskNames(const Roster& roster)
{
    Names names;
    for (const auto& task : roster.Tasks())
        names.push_back(task->GetName());
    return names;
}

Roster ReadRoster(const std::string& rosterXml)
{
    Roster roster;
    EXPECT_TRUE(roster.FromXml(ParseXml(rosterXml)));
    return roster;
}

} // namespace

TEST(RosterFormat, WritesRosterPersonsTasksAndEveryKindInOrder)
{
    Roster kitchen(L"Kitchen");
    kitchen.AddPerson(std::make_unique<Person>(L"Ann"));
    kitchen.AddPerson(std::make_unique<Person>(L"Bob"));
    auto mop = std::make_unique<Task>(L"Mop");
    mop->GetFrequency().selected = 2;
    kitchen.AddTask(std::move(mop));

    const XmlNode root = NewXmlRoot(L"Brindlewick");
    ASSERT_TRUE(kitchen.ToXml(root));
    ASSERT_TRUE(Roster(L"Empty").ToXml(root));

    ASSERT_EQ(ChildNames(root), (Names{L"roster", L"roster"}));
    const XmlNode written = Child(root, 0);
    EXPECT_EQ(written.GetAttribute(L"name"), L"Kitchen");
    EXPECT_EQ(ChildNames(written), (Names{L"persons", L"tasks"}));
    const XmlNode persons = Child(written, 0);
    EXPECT_EQ(ChildNames(persons), (Names{L"person", L"person"}));
    EXPECT_EQ(Child(persons, 0).GetAttribute(L"name"), L"Ann");
    EXPECT_EQ(Child(persons, 1).GetAttribute(L"name"), L"Bob");

    const XmlNode task = Child(Child(written, 1), 0);
    EXPECT_EQ(task.GetName(), L"task");
    EXPECT_EQ(task.GetAttribute(L"name"), L"Mop");
    ASSERT_EQ(ChildNames(task), Names{L"frequency"});
    const XmlNode frequency = Child(task, 0);
    EXPECT_EQ(frequency.GetAttribute(L"selected"), L"2");
    EXPECT_EQ(ChildNames(frequency), (Names{L"daily", L"weekly", L"monthly", L"yearly"}));

    // A roster without persons or tasks still carries both lists, empty.
    const XmlNode empty = Child(root, 1);
    EXPECT_EQ(empty.GetAttribute(L"name"), L"Empty");
    EXPECT_EQ(ChildNames(empty), (Names{L"persons", L"tasks"}));
    EXPECT_TRUE(ChildNames(Child(empty, 0)).empty());
    EXPECT_TRUE(ChildNames(Child(empty, 1)).empty());
}

// Reading goes by position, not by name: whatever sits in a persons list is a person.
TEST(RosterFormat, ReadsTolerantlyBySelection)
{
    struct Case {
        const char* what;
        std::string xml;
        std::wstring name;
        Names persons;
        Names tasks;
    };
    const Case cases[] = {
        {"no name attribute", "<roster><persons/><tasks/></roster>", L"", {}, {}},
        {"no lists at all", "<roster name='Bare'/>", L"Bare", {}, {}},
        {"entries of any element name",
         "<roster name='R'><persons><member name='X'/></persons>"
         "<tasks><chore name='Dust'/></tasks></roster>",
         L"R",
         {L"X"},
         {L"Dust"}},
        {"two persons lists form one",
         "<roster><persons><person name='A'/><person name='B'/></persons>"
         "<tasks/><persons><person name='C'/></persons></roster>",
         L"",
         {L"A", L"B", L"C"},
         {}},
        {"a person without a name",
         "<roster><persons><person/><person name=''/></persons></roster>",
         L"",
         {L"", L""},
         {}},
        {"other elements, text, comments and processing instructions ignored",
         "<roster name='R' colour='red'>text<!-- note --><?tool x?><notes><person name='No'/></notes>"
         "<persons>more<person name='Yes' age='3'></person></persons></roster>",
         L"R",
         {L"Yes"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Roster roster = ReadRoster(c.xml);
        EXPECT_EQ(roster.GetName(), c.name);
        EXPECT_EQ(PersonNames(roster), c.persons);
        EXPECT_EQ(TaskNames(roster), c.tasks);
    }
}

TEST(RosterFormat, TaskWithoutFrequencyReadsAsTheDefaultRule)
{
    const Roster roster = ReadRoster("<roster><tasks><task name='Dust'/><task name='Mop'><frequency/></task>"
                                     "</tasks></roster>");
    ASSERT_EQ(roster.TaskCount(), 2u);
    for (const auto& task : roster.Tasks()) {
        SCOPED_TRACE(task->GetName());
        EXPECT_EQ(task->GetFrequency().selected, 0);
        EXPECT_EQ(task->GetFrequency().GetDescription(), L"Every day");
        EXPECT_EQ(task->GetFrequency().NextAfter(kToday - boost::gregorian::days(1)), kToday);
    }
}

// Reading every task's rule is where a whole file can fail, so the error must come out of the
// roster reader as it was raised, with the roster untouched.
TEST(RosterFormat, AFrequencyReaderErrorLeavesTheRosterUnchanged)
{
    Roster roster(L"Before");
    const XmlNode element = ParseXml("<roster name='After'><persons><person name='A'/></persons><tasks>"
                                     "<task><frequency><daily first_day='garbage'/></frequency></task>"
                                     "</tasks></roster>");
    EXPECT_ANY_THROW(roster.FromXml(element));
    EXPECT_EQ(roster.GetName(), L"Before");
    EXPECT_EQ(roster.PersonCount(), 0u);
}

TEST(RosterFormat, ARosterWrittenAndReadBackIsTheSame)
{
    Roster original(L"Upstairs");
    original.AddPerson(std::make_unique<Person>(L"Ann"));
    original.AddPerson(std::make_unique<Person>(L"Bob"));
    auto windows = std::make_unique<Task>(L"Windows");
    Frequency& rule = windows->GetFrequency();
    rule.selected = 3;
    rule.daily.every_n_days = 9;
    rule.weekly.every_n_weeks = 2;
    rule.weekly.active_weekdays[Tuesday] = true;
    rule.monthly.every_nth_month = 4;
    rule.monthly.time_mode = SpecificWeekday;
    rule.yearly.month = 10;
    rule.yearly.every_month_day = 30;
    original.AddTask(std::move(windows));
    original.AddTask(std::make_unique<Task>(L"Stairs"));

    const XmlNode root = NewXmlRoot(L"Brindlewick");
    original.ToXml(root);
    Roster copy;
    ASSERT_TRUE(copy.FromXml(Child(root, 0)));

    EXPECT_EQ(copy.GetName(), L"Upstairs");
    EXPECT_EQ(PersonNames(copy), (Names{L"Ann", L"Bob"}));
    EXPECT_EQ(TaskNames(copy), (Names{L"Windows", L"Stairs"}));
    const Frequency& read = copy.Tasks().front()->GetFrequency();
    EXPECT_EQ(read.selected, 3);
    EXPECT_EQ(read.daily.every_n_days, 9);
    EXPECT_EQ(read.weekly.every_n_weeks, 2);
    EXPECT_EQ(read.weekly.active_weekdays, rule.weekly.active_weekdays);
    EXPECT_EQ(read.monthly.every_nth_month, 4);
    EXPECT_EQ(read.monthly.time_mode, SpecificWeekday);
    EXPECT_EQ(read.yearly.month, 10);
    EXPECT_EQ(read.yearly.every_month_day, 30);
    EXPECT_EQ(read.GetDescription(), rule.GetDescription());
}
