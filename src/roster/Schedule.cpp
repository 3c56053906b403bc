#include "roster/Schedule.h"

#include "roster/Roster.h"
#include "roster/TaskRotation.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

// The entry for a due date done by doer (null: nobody) in a turn that was owner's.
ScheduleEntry MakeEntry(const Task& task, const Date& due, const Person* doer, const Person* owner,
                        EntryReason ownReason)
{
    ScheduleEntry entry{L"", task.GetName(), due, EntryReason::NobodyAvailable, L"", task.GetEffort()};
    if (!doer)
        return entry;
    entry.person = doer->GetName();
    entry.reason = ownReason;
    if (owner && owner != doer) {
        entry.reason = EntryReason::StandIn;
        entry.standsInFor = owner->GetName();
    }
    return entry;
}

const Person* At(const Roster::PersonList& persons, int index)
{
    return index < 0 ? nullptr : persons[static_cast<std::size_t>(index)].get();
}

// Where a task's rotation is counted from: the roster's rotation date, unless the plan starts before it.
Date RotationOrigin(const Roster& roster, const Date& from)
{
    const Date rotationFrom = roster.GetRotationFrom();
    return !rotationFrom.is_special() && rotationFrom < from ? rotationFrom : from;
}

// The present person who has done the least so far, the earlier in the roster on a tie; -1 for none.
int LeastLoaded(const Roster::PersonList& persons, const std::vector<std::int64_t>& load, const Date& day)
{
    int least = -1;
    for (std::size_t i = 0; i < persons.size(); ++i) {
        if (!persons[i]->IsAway(day) && (least < 0 || load[i] < load[static_cast<std::size_t>(least)]))
            least = static_cast<int>(i);
    }
    return least;
}

// A due date whose task has no effort still weighs: one turn counts one minute.
std::int64_t Weight(const Task& task)
{
    return task.GetEffort() > 0 ? task.GetEffort() : 1;
}

// Hands each due date of the rule from `first` to `until` to visit, in order. A rule whose next date
// does not lie after the last one ends the walk instead of repeating it.
template <class Visit>
void ForEachDueDate(const Frequency& frequency, const Date& first, const Date& until, Visit visit)
{
    for (Date due = frequency.NextAfter(first - boost::gregorian::days(1)); due <= until;) {
        visit(due);
        const Date following = frequency.NextAfter(due);
        if (!(following > due))
            return;
        due = following;
    }
}

} // namespace

// The roster's swaps, looked up by task and date while a plan is made.
class Schedule::Swaps {
public:
    explicit Swaps(const Roster& roster)
    {
        const Roster::PersonList& persons = roster.Persons();
        for (const Swap& swap : roster.Swaps()) {
            const auto person = std::find(persons.begin(), persons.end(), swap.person.lock());
            given[{swap.task.lock().get(), swap.date}] = static_cast<int>(person - persons.begin());
        }
    }

    // Hands the entry to the person its turn was given to, if any; answers who does it now.
    int Apply(const Roster::PersonList& persons, const Task& task, int doer, ScheduleEntry& entry) const
    {
        if (given.empty())
            return doer;
        const auto found = given.find({&task, entry.date});
        if (found == given.end() || found->second == doer)
            return doer;
        entry.standsInFor = doer < 0 ? L"" : At(persons, doer)->GetName();
        entry.person = At(persons, found->second)->GetName();
        entry.reason = EntryReason::Swapped;
        return found->second;
    }

private:
    std::map<std::pair<const Task*, Date>, int> given;
};

std::wstring EntryPersonText(const ScheduleEntry& entry)
{
    if (entry.reason == EntryReason::NobodyAvailable && entry.person.empty())
        return L"(nobody available)";
    if (entry.standsInFor.empty())
        return entry.person;
    return entry.person + L" (for " + entry.standsInFor + L")";
}

bool Schedule::Generate(const Roster& roster, const Date& from, const Date& until)
{
    if (roster.Persons().empty())
        return true;
    const Swaps swaps(roster);
    if (roster.GetAssignment() == Assignment::Balanced) {
        GenerateBalanced(roster, swaps, from, until);
        return true;
    }
    for (std::size_t task = 0; task < roster.TaskCount(); ++task)
        GenerateInTurn(roster, task, swaps, from, until);
    return true;
}

// Due dates before `from` are handed out too, without entries, so that the rotation reaches `from` as
// it would in a plan from the rotation date.
void Schedule::GenerateInTurn(const Roster& roster, std::size_t taskIndex, const Swaps& swaps,
                              const Date& from, const Date& until)
{
    const Task& task = *roster.Tasks()[taskIndex];
    const Roster::PersonList& persons = roster.Persons();
    TaskRotation rotation(persons, task.GetTurnLength(), roster.IsStaggered() ? taskIndex : 0);
    ForEachDueDate(task.GetFrequency(), RotationOrigin(roster, from), until, [&](const Date& due) {
        const TaskRotation::Turn turn = rotation.Assign(due);
        if (due < from)
            return;
        ScheduleEntry entry
            = MakeEntry(task, due, At(persons, turn.person), persons[turn.owner].get(), EntryReason::InTurn);
        swaps.Apply(persons, task, turn.person, entry);
        Add(std::move(entry));
    });
}

// Balancing looks at everything done so far, so the due dates of all tasks are handed out together in
// date order, and within a date in the tasks' order, as they are listed.
void Schedule::GenerateBalanced(const Roster& roster, const Swaps& swaps, const Date& from, const Date& until)
{
    struct Due {
        Date date;
        std::size_t task;
    };
    std::vector<Due> dues;
    for (std::size_t task = 0; task < roster.TaskCount(); ++task) {
        ForEachDueDate(roster.Tasks()[task]->GetFrequency(), from, until, [&](const Date& due) {
            dues.push_back(Due{due, task});
        });
    }
    std::stable_sort(dues.begin(), dues.end(), [](const Due& a, const Due& b) { return a.date < b.date; });

    const Roster::PersonList& persons = roster.Persons();
    std::vector<std::int64_t> load(persons.size(), 0);
    // Per task: the turn the last due date belonged to, and who holds it.
    std::vector<std::pair<std::int64_t, int>> turns(roster.TaskCount(),
                                                    {std::numeric_limits<std::int64_t>::min(), -1});
    for (const Due& due : dues) {
        const Task& task = *roster.Tasks()[due.task];
        auto& [turn, holder] = turns[due.task];
        const std::int64_t key = TurnKey(task.GetTurnLength(), due.date);
        if (turn != key) {
            turn = key;
            holder = -1;
        }
        int doer = holder;
        if (holder < 0 || persons[static_cast<std::size_t>(holder)]->IsAway(due.date))
            doer = LeastLoaded(persons, load, due.date);
        if (holder < 0)
            holder = doer;
        ScheduleEntry entry
            = MakeEntry(task, due.date, At(persons, doer), At(persons, holder), EntryReason::Balanced);
        doer = swaps.Apply(persons, task, doer, entry);
        if (doer >= 0)
            load[static_cast<std::size_t>(doer)] += Weight(task);
        Add(std::move(entry));
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
