#pragma once

#include "roster/Person.h"
#include "roster/Task.h"

#include <memory>
#include <string>
#include <vector>

// How a roster hands out the due dates: each task's persons in turn, or each due date to whoever has
// done the least so far in the plan.
enum class Assignment { InTurn, Balanced };

// One due date of a task given to another person than the plan would choose. Held by the records
// themselves, so that renaming either does not lose it.
struct Swap {
    std::weak_ptr<const Task> task;
    Date date;
    std::weak_ptr<const Person> person;
};

// A named rota: persons and tasks in the order they were added. A copy shares the very same
// persons and tasks, but adding to or removing from its lists changes only that copy.
class Roster {
public:
    using PersonList = std::vector<std::shared_ptr<Person>>;
    using TaskList = std::vector<std::shared_ptr<Task>>;
    using SwapList = std::vector<Swap>;

    Roster() = default;
    explicit Roster(std::wstring name);

    std::wstring GetName() const { return name; }
    void SetName(const std::wstring& text) { name = text; }

    bool AddPerson(std::unique_ptr<Person> person);
    bool AddTask(std::unique_ptr<Task> task);
    // Names compare as whole strings, case-sensitive.
    bool HasPerson(const std::wstring& personName) const;
    bool HasTask(const std::wstring& taskName) const;
    // Removes every entry of that name, and the swaps that named it; false when there is none.
    bool RemovePerson(const std::wstring& personName);
    bool RemoveTask(const std::wstring& taskName);

    std::size_t PersonCount() const { return persons.size(); }
    std::size_t TaskCount() const { return tasks.size(); }
    const PersonList& Persons() const { return persons; }
    const TaskList& Tasks() const { return tasks; }

    // Not-a-date when every plan starts its rotation afresh at its first day; otherwise plans count
    // the turns from this date, so that consecutive periods join.
    Date GetRotationFrom() const { return rotationFrom; }
    void SetRotationFrom(const Date& day) { rotationFrom = day; }
    // Task k starts with person k instead of every task starting with the first person.
    bool IsStaggered() const { return staggered; }
    void SetStaggered(bool on) { staggered = on; }
    Assignment GetAssignment() const { return assignment; }
    void SetAssignment(Assignment mode) { assignment = mode; }

    // Gives the turn of the first task named taskName on date to the first person named personName,
    // replacing an earlier swap of that turn; false when either name is not in the roster.
    bool GiveTurn(const std::wstring& taskName, const Date& date, const std::wstring& personName);
    // Lets the plan choose that turn's person again; false when the turn was not swapped.
    bool UndoSwap(const std::wstring& taskName, const Date& date);
    // Only the swaps whose task and person are still in this roster.
    SwapList Swaps() const;

    // The record's form in the roster file, defined with the rest of that file in RosterFile.cpp.
    bool ToXml(const XmlNode& parent) const;
    bool FromXml(const XmlNode& element);

private:
    // Reads the swaps after the lists they name; defined with the file form in RosterFile.cpp.
    void SwapsFromXml(const XmlNode& element);
    bool Holds(const Swap& swap) const;

    PersonList persons;
    TaskList tasks;
    std::wstring name;
    Date rotationFrom;
    bool staggered = false;
    Assignment assignment = Assignment::InTurn;
    SwapList swaps;
};
