#include "roster/Schedule.h"

#include "roster/Roster.h"
#include "roster/TaskRotation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <utility>

// One due date of a task as planned, before its entry is written: small, so that a plan of many
// years is sorted and handed out cheaply, and each entry with its names is then made once, in place.
struct Schedule::Planned {
    Date date;
    std::uint32_t task; // index in the roster
    int doer = -1; // who does it; -1 when nobody is available
    int owner = -1; // whose turn it was, or who would have done it before a swap; -1 for nobody
    EntryReason reason = EntryReason::InTurn;

    // Planned dates are unique per task, so this order is total: by date, then the tasks' order.
    bool operator<(const Planned& other) const
    {
        return date < other.date || (date == other.date && task < other.task);
    }
};

namespace {

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

    // Hands the due date to the person its turn was given to, if any; the one who would have done it
    // becomes the one stood in for.
    void Apply(const Task& task, Planned& planned) const
    {
        if (given.empty())
            return;
        const auto found = given.find({&task, planned.date});
        if (found == given.end() || found->second == planned.doer)
            return;
        planned.owner = planned.doer;
        planned.doer = found->second;
        planned.reason = EntryReason::Swapped;
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
    Plan plan;
    try {
        if (roster.GetAssignment() == Assignment::Balanced)
            PlanBalanced(roster, swaps, from, until, plan);
        else
            PlanInTurn(roster, swaps, from, until, plan);
    } catch (...) {
        // A date past the calendar's end stops the plan; what was planned before it is kept.
        Write(roster, plan);
        throw;
    }
    Write(roster, plan);
    return true;
}

// Due dates before `from` are handed out too, without entries, so that the rotation reaches `from` as
// it would in a plan from the rotation date.
void Schedule::PlanInTurn(const Roster& roster, const Swaps& swaps, const Date& from, const Date& until,
                          Plan& plan)
{
    const Roster::PersonList& persons = roster.Persons();
    for (std::size_t index = 0; index < roster.TaskCount(); ++index) {
        const Task& task = *roster.Tasks()[index];
        TaskRotation rotation(persons, task.GetTurnLength(), roster.IsStaggered() ? index : 0);
        ForEachDueDate(task.GetFrequency(), RotationOrigin(roster, from), until, [&](const Date& due) {
            const TaskRotation::Turn turn = rotation.Assign(due);
            if (due < from)
                return;
            Planned planned{due, static_cast<std::uint32_t>(index), turn.person,
                            static_cast<int>(turn.owner)};
            swaps.Apply(task, planned);
            plan.push_back(planned);
        });
    }
}

// Balancing looks at everything done so far, so the due dates of all tasks are handed out together in
// date order, and within a date in the tasks' order, as they are listed. The dates join the plan
// only once every one of them has its person.
void Schedule::PlanBalanced(const Roster& roster, const Swaps& swaps, const Date& from, const Date& until,
                            Plan& plan)
{
    Plan dues;
    for (std::size_t task = 0; task < roster.TaskCount(); ++task) {
        ForEachDueDate(roster.Tasks()[task]->GetFrequency(), from, until, [&](const Date& due) {
            dues.push_back(Planned{due, static_cast<std::uint32_t>(task)});
        });
    }
    std::sort(dues.begin(), dues.end());

    const Roster::PersonList& persons = roster.Persons();
    std::vector<std::int64_t> load(persons.size(), 0);
    // Per task: the turn the last due date belonged to, and who holds it.
    std::vector<std::pair<std::int64_t, int>> turns(roster.TaskCount(),
                                                    {std::numeric_limits<std::int64_t>::min(), -1});
    for (Planned& planned : dues) {
        const Task& task = *roster.Tasks()[planned.task];
        auto& [turn, holder] = turns[planned.task];
        const std::int64_t key = TurnKey(task.GetTurnLength(), planned.date);
        if (turn != key) {
            turn = key;
            holder = -1;
        }
        planned.doer = holder;
        if (holder < 0 || persons[static_cast<std::size_t>(holder)]->IsAway(planned.date))
            planned.doer = LeastLoaded(persons, load, planned.date);
        if (holder < 0)
            holder = planned.doer;
        planned.owner = holder;
        planned.reason = EntryReason::Balanced;
        swaps.Apply(task, planned);
        if (planned.doer >= 0)
            load[static_cast<std::size_t>(planned.doer)] += Weight(task);
    }
    plan = std::move(dues);
}

// Makes the plan's entries behind those of earlier plans; on a date both have, the earlier plan's
// entries come first.
void Schedule::Write(const Roster& roster, Plan& plan)
{
    std::sort(plan.begin(), plan.end());
    const Roster::PersonList& persons = roster.Persons();
    const auto name = [&](int person) { return persons[static_cast<std::size_t>(person)]->GetName(); };
    const std::size_t earlier = entries.size();
    entries.reserve(earlier + plan.size());
    for (const Planned& planned : plan) {
        const Task& task = *roster.Tasks()[planned.task];
        ScheduleEntry& entry = entries.emplace_back(ScheduleEntry{
            L"", task.GetName(), planned.date, EntryReason::NobodyAvailable, L"", task.GetEffort()});
        if (planned.doer < 0)
            continue;
        entry.person = name(planned.doer);
        entry.reason = planned.reason;
        if (planned.owner >= 0 && planned.owner != planned.doer) {
            entry.standsInFor = name(planned.owner);
            if (planned.reason != EntryReason::Swapped)
                entry.reason = EntryReason::StandIn;
        }
    }
    const auto byDate = [](const ScheduleEntry& a, const ScheduleEntry& b) { return a.date < b.date; };
    std::inplace_merge(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(earlier), entries.end(),
                       byDate);
}

Schedule::EntryList Schedule::Entries() const
{
    return entries;
}
