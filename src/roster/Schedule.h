#pragma once

#include "roster/Roster.h"

#include <map>
#include <string>
#include <vector>

// One row of a printed roster: who does which task on which day. Names are copies taken when the
// schedule was generated.
struct ScheduleEntry {
    std::wstring person;
    std::wstring task;
    Date date;
};

// Who does which task on which date, for one roster and one period.
class Schedule {
public:
    using EntryList = std::vector<ScheduleEntry>;

    // Adds the due dates of every task of roster from `from` to `until`, both inclusive; each task's
    // dates go to the persons in turn, starting with the first. Adds to what is there already.
    bool Generate(const Roster& roster, const Date& from, const Date& until);

    // Every entry, by date and within a date in the order added.
    EntryList Entries() const;

private:
    // The k-th due date of the task in the period goes to person k modulo the number of persons.
    void GenerateTask(const Task& task, const Roster::PersonList& persons, const Date& from, const Date& until);
    void Add(ScheduleEntry entry);

    std::map<Date, EntryList> byDate;
};
