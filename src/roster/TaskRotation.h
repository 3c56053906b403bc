#pragma once

#include "roster/Roster.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// Which turn of a task a due date belongs to: the due dates with the same key make one turn.
std::int64_t TurnKey(TurnLength length, const Date& due);

// The first person from `start` on, in roster order and round again, who is present on day; -1 when
// everyone is away.
int FirstPresent(const Roster::PersonList& persons, std::size_t start, const Date& day);

// Hands one task's due dates to the persons in turn. A turn goes to the next person in order; when that
// person is away on the turn's first due date, the next one present takes the turn and the rotation
// goes on from there. On a later date of the same turn that its holder is away, the next present
// person stands in for that date only.
class TaskRotation {
public:
    struct Turn {
        int person; // who does it; -1 when everyone is away
        std::size_t owner; // whose turn it was
    };

    // first: the person who takes the task's first turn.
    TaskRotation(const Roster::PersonList& persons, TurnLength length, std::size_t first);

    // Due dates must come in ascending order.
    Turn Assign(const Date& due);

private:
    const Roster::PersonList& persons;
    TurnLength length;
    std::size_t next;
    std::optional<std::int64_t> turn;
    std::size_t owner = 0;
    int holder = -1;
};
