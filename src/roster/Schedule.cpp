#include "roster/Schedule.h"

#include "roster/Roster.h"

bool Schedule::Generate(const Roster& roster, const Date& from, const Date& until)
{
    if (roster.Persons().empty())
        return true;
    for (const auto& task : roster.Tasks())
        GenerateTask(*task, roster.Persons(), from, until);
    return true;
}

void Schedule::GenerateTask(const Task& task, const Roster::PersonList& persons, const Date& from, const Date& until)
{
    const Frequency& frequency = task.GetFrequency();
    std::size_t next = 0;
    for (Date due = frequency.NextAfter(from - boost::gregorian::days(1)); due <= until;) {
        Add(ScheduleEntry{persons[next]->GetName(), task.GetName(), due});
        next = (next + 1) % persons.size();
        const Date following = frequency.NextAfter(due);
        // A rule that does not move forward would repeat this date for ever.
        if (!(following > due))
            break;
        due = following;
    }
}

Schedule::EntryList Schedule::Entries() const
{
    std::vector<ScheduleEntry> entries;
    for (const auto& [date, onDate] : byDate)
        entries.insert(entries.end(), onDate.begin(), onDate.end());
    return entries;
}

void Schedule::Add(ScheduleEntry entry)
{
    byDate[entry.date].push_back(std::move(entry));
}
