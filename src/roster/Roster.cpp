#include "roster/Roster.h"

#include <algorithm>
#include <utility>

namespace {
template <class List>
bool Has(const List& list, const std::wstring& name)
{
    return std::any_of(list.begin(), list.end(), [&](const auto& entry) { return entry->GetName() == name; });
}

template <class List>
bool RemoveAll(List& list, const std::wstring& name)
{
    return std::erase_if(list, [&](const auto& entry) { return entry->GetName() == name; }) > 0;
}
} // namespace

Roster::Roster(std::wstring name)
    : name(std::move(name))
{
}

bool Roster::AddPerson(std::unique_ptr<Person> person)
{
    persons.push_back(std::move(person));
    return true;
}

bool Roster::AddTask(std::unique_ptr<Task> task)
{
    tasks.push_back(std::move(task));
    return true;
}

bool Roster::HasPerson(const std::wstring& personName) const
{
    return Has(persons, personName);
}

bool Roster::HasTask(const std::wstring& taskName) const
{
    return Has(tasks, taskName);
}

bool Roster::RemovePerson(const std::wstring& personName)
{
    return RemoveAll(persons, personName);
}

bool Roster::RemoveTask(const std::wstring& taskName)
{
    return RemoveAll(tasks, taskName);
}
