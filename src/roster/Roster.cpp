#include "roster/Roster.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
template <class List>
bool Has(const List& list, const std::wstring& name)
{
    return std::any_of(list.begin(), list.end(), [&](const auto& entry) { return entry->GetName() == name; });
}

template <class List>
typename List::value_type FindFirst(const List& list, const std::wstring& name)
{
    const auto found
        = std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry->GetName() == name; });
    return found == list.end() ? nullptr : *found;
}

template <class List, class Record>
bool Contains(const List& list, const std::shared_ptr<Record>& record)
{
    return record && std::find(list.begin(), list.end(), record) != list.end();
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
    if (!RemoveAll(persons, personName))
        return false;
    // A swap to someone who has left is gone for good, even if someone of that name joins later.
    std::erase_if(swaps, [&](const Swap& swap) { return !Holds(swap); });
    return true;
}

bool Roster::RemoveTask(const std::wstring& taskName)
{
    if (!RemoveAll(tasks, taskName))
        return false;
    std::erase_if(swaps, [&](const Swap& swap) { return !Holds(swap); });
    return true;
}

bool Roster::GiveTurn(const std::wstring& taskName, const Date& date, const std::wstring& personName)
{
    const std::shared_ptr<const Task> task = FindFirst(tasks, taskName);
    const std::shared_ptr<const Person> person = FindFirst(persons, personName);
    if (!task || !person)
        return false;
    UndoSwap(taskName, date);
    swaps.push_back(Swap{task, date, person});
    return true;
}

bool Roster::UndoSwap(const std::wstring& taskName, const Date& date)
{
    const std::shared_ptr<const Task> task = FindFirst(tasks, taskName);
    if (!task)
        return false;
    return std::erase_if(swaps,
                         [&](const Swap& swap) { return swap.task.lock() == task && swap.date == date; })
        > 0;
}

Roster::SwapList Roster::Swaps() const
{
    SwapList live;
    std::copy_if(swaps.begin(), swaps.end(), std::back_inserter(live),
                 [&](const Swap& swap) { return Holds(swap); });
    return live;
}

// A copy of the roster may have lost a task or person that the swap still names.
bool Roster::Holds(const Swap& swap) const
{
    return Contains(tasks, std::const_pointer_cast<Task>(swap.task.lock()))
        && Contains(persons, std::const_pointer_cast<Person>(swap.person.lock()));
}
