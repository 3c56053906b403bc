#pragma once

#include "roster/Roster.h"

#include <string>
#include <vector>

// Why an entry's person does it.
enum class EntryReason {
    InTurn, // the person's own turn
    StandIn, // the person whose turn it was is away that day
    Swapped, // the turn was given to this person by hand
    Balanced, // the person had done the least so far
    NobodyAvailable, // every person is away that day
};

// One row of a printed roster: who does which task on which day. Names are copies taken when the
// schedule was generated.
struct ScheduleEntry {
    std::wstring person;
    std::wstring task;
    Date date;
    EntryReason reason = EntryReason::InTurn;
    // Whose turn it was, for a stand-in or a swapped entry.
    std::wstring standsInFor;
    // The task's effort, 0 when it has none.
    int minutes = 0;
};

// The person as the rota shows it: "Ben (for Anna)" for a stand-in or a swapped turn, and
// "(nobody available)" when there is no one.
std::wstring EntryPersonText(const ScheduleEntry& entry);

// Who does which task on which date, for one roster and one period.
class Schedule {
public:
    using EntryList = std::vector<ScheduleEntry>;

    // Adds the due dates of every task of roster from `from` to `until`, both inclusive, handed out as
    // the roster's rotation settings say; with none of them set each task's dates go to the persons in
    // turn, starting with the first. Adds to what is there already.
    bool Generate(const Roster& roster, const Date& from, const Date& until);

    // Every entry, by date and within a date in the order added.
    EntryList Entries() const;

private:
    class Swaps;
    struct Planned;
    using Plan = std::vector<Planned>;

    static void PlanInTurn(const Roster& roster, const Swaps& swaps, const Date& from, const Date& until,
                           Plan& plan);
    static void PlanBalanced(const Roster& roster, const Swaps& swaps, const Date& from, const Date& until,
                             Plan& plan);
    // Sorts the plan and makes its entries.
    void Write(const Roster& roster, Plan& plan);

    // By date, and within a date in the order added.
    EntryList entries;
};
