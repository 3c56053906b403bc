#pragma once

#include "roster/Person.h"
#include "roster/Task.h"

#include <memory>
#include <string>
#include <vector>

// A named rota: persons and tasks in the order they were added. A copy shares the very same
// persons and tasks, but adding to or removing from its lists changes only that copy.
class Roster {
public:
    using PersonList = std::vector<std::shared_ptr<Person>>;
    using TaskList = std::vector<std::shared_ptr<Task>>;

    Roster() = default;
    explicit Roster(std::wstring name);

    std::wstring GetName() const { return name; }
    void SetName(const std::wstring& text) { name = text; }

    bool AddPerson(std::unique_ptr<Person> person);
    bool AddTask(std::unique_ptr<Task> task);
    // Names compare as whole strings, case-sensitive.
    bool HasPerson(const std::wstring& personName) const;
    bool HasTask(const std::wstring& taskName) const;
    // Removes every entry of that name; false when there is none.
    bool RemovePerson(const std::wstring& personName);
    bool RemoveTask(const std::wstring& taskName);

    std::size_t PersonCount() const { return persons.size(); }
    std::size_t TaskCount() const { return tasks.size(); }
    const PersonList& Persons() const { return persons; }
    const TaskList& Tasks() const { return tasks; }

    // The record's form in the roster file, defined with the rest of that file in RosterFile.cpp.
    bool ToXml(const XmlNode& parent) const;
    bool FromXml(const XmlNode& element);

private:
    PersonList persons;
    TaskList tasks;
    std::wstring name;
};
